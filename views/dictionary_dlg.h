#pragma once

#include "knowledge/knowledge_base.h"
#include "platform/dialog.h"
#include "views/image_list.h"

class QTreeWidget;

namespace ordisan {

// The dictionary (template 136): the 31 letters A … Ž, always all of them, and under
// each the entries whose term begins with it, small letters grouped under their
// capitals, in file order, each as "term - explanation". Read-only. Opened from the
// main menu's "Rjecnik" and the diagnosis dialog's "RJ".
class CDictionaryDlg : public CDialog {
    Q_OBJECT
public:
    explicit CDictionaryDlg(QWidget* parent = nullptr);
    ~CDictionaryDlg() override;

    // Builds the image list, then runs the dialog on `kb` until "Izlazak", Esc or the
    // close box. IDOK, IDCANCEL, or -1 when the window cannot be created.
    virtual int RunModal(KnowledgeBase* kb);
    // Deletes the tree's items and then the image list before the window goes.
    bool DestroyWindow() override;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    // Fills the tree; the focus then goes to "Izlazak", the first tab stop.
    bool OnInitDialog() override;
    // Rebuilds the whole tree from the dictionary.
    bool FillTree();
    // The two pictures, letter first.
    void BuildImageList();

    QTreeWidget* treeCtrl = nullptr;
    int letterImage = -1;
    int wordImage = -1;
    CImageList imageList;
    KnowledgeBase* knowledgeBase = nullptr;
};

} // namespace ordisan
