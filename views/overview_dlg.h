#pragma once

#include "knowledge/knowledge_base.h"
#include "platform/dialog.h"
#include "views/image_list.h"

class QTreeWidget;

namespace ordisan {

// Item data of the overview tree (column 0, Qt::UserRole): a syndrome item holds its
// syndrome index, a symptom item 10000 plus its symptom index.
inline constexpr int OVERVIEW_SYMPTOM_PARAM_BASE = 10000;

// The overview (template 133): every syndrome in file order, and under each the
// symptoms its links name, in link order, with a picture of the body region. Read-only.
// Opened from the main menu's "Pregled" and the diagnosis dialog's "PR".
class COverviewDlg : public CDialog {
    Q_OBJECT
public:
    explicit COverviewDlg(QWidget* parent = nullptr);
    ~COverviewDlg() override;

    // Builds the image list, then runs the dialog on `kb` until "Izlazak", Esc or the
    // close box. IDOK, IDCANCEL, or -1 when the window cannot be created.
    virtual int RunModal(KnowledgeBase* kb);
    // Deletes the tree's items and then the image list before the window goes.
    bool DestroyWindow() override;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    // Fills the tree; the focus then goes to "Izlazak", the first tab stop.
    bool OnInitDialog() override;
    // Rebuilds the whole tree from the knowledge base.
    bool FillTree();
    // The five pictures, in the order RunModal adds them.
    void BuildImageList();

    QTreeWidget* treeCtrl = nullptr;
    int syndromeImage = -1;
    int headImage = -1;
    int trunkImage = -1;
    int limbsImage = -1;
    int otherImage = -1;
    CImageList imageList;
    KnowledgeBase* knowledgeBase = nullptr;

private:
    int imageForLocation(LocationCode location) const;
};

} // namespace ordisan
