#include "views/browsing_dlg.h"

#include "platform/data_exchange.h"
#include "platform/tree_look.h"
#include "res/resource.h"

#include <QTreeWidget>

namespace ordisan {

CBrowsingDlg::~CBrowsingDlg() = default;

int CBrowsingDlg::RunModal(KnowledgeBase* kb)
{
    knowledgeBase = kb;
    buildImageList();
    return DoModal();
}

void CBrowsingDlg::DoDataExchange(DataExchange& exchange)
{
    DDX_Control(exchange, IDC_TREE, treeCtrl);
}

bool CBrowsingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (treeCtrl)
        showTextsWhole(treeCtrl, ColumnWidth::FitsShownItems);
    FillTree();
    return true;
}

bool CBrowsingDlg::DestroyWindow()
{
    if (treeCtrl)
        treeCtrl->clear();
    imageList.DeleteImageList();
    return CDialog::DestroyWindow();
}

} // namespace ordisan
