#pragma once

#include "knowledge/knowledge_base.h"
#include "platform/dialog.h"
#include "views/image_list.h"

#include <cstring>
#include <string_view>

class QTreeWidget;

namespace ordisan {

// What the two read-only tree dialogs share: the tree control 1010 bound by data
// exchange, an image list built anew at every opening, the fill before the dialog is
// first shown, and items then image list deleted when the window goes.
class CBrowsingDlg : public CDialog {
    Q_OBJECT
public:
    using CDialog::CDialog;
    ~CBrowsingDlg() override;

    // Builds the image list, then runs the dialog on `kb` until "Izlazak", Esc or the
    // close box. IDOK, IDCANCEL, or -1 when the window cannot be created.
    int RunModal(KnowledgeBase* kb);
    // Deletes the tree's items and then the image list before the window goes.
    bool DestroyWindow() override;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    // Fills the tree; the focus then goes to "Izlazak", the first tab stop.
    bool OnInitDialog() override;
    // Rebuilds the whole tree from the knowledge base.
    virtual bool FillTree() = 0;

    QTreeWidget* treeCtrl = nullptr;
    CImageList imageList;
    KnowledgeBase* knowledgeBase = nullptr;

private:
    // Creates `imageList` and adds the dialog's pictures; RunModal calls it.
    virtual void buildImageList() = 0;
};

// A text field of the knowledge base up to its NUL, never past the end of its array.
template <std::size_t N>
std::string_view fieldText(const char (&field)[N])
{
    return std::string_view(field, strnlen(field, N));
}

} // namespace ordisan
