#include "views/browsing_dlg.h"

#include "platform/data_exchange.h"
#include "res/resource.h"
#include "views/browsing_tree.h"

#include <QTreeWidget>

namespace ordisan {

CBrowsingDlg::~CBrowsingDlg() = default;

int CBrowsingDlg::RunModal(KnowledgeBase* kb)
{
    knowledgeBase = kb;
    BuildImageList();
    return DoModal();
}

void CBrowsingDlg::DoDataExchange(DataExchange& exchange)
{
    DDX_Control(exchange, IDC_TREE, treeCtrl);
}

bool CBrowsingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    setUpBrowsingTree(treeCtrl);
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
