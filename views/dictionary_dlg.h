#pragma once

#include "knowledge/knowledge_base.h"
#include "views/browsing_dlg.h"

namespace ordisan {

// The dictionary (template 136): the 31 letters A … Ž, always all of them, and under
// each the entries whose term begins with it, small letters grouped under their
// capitals, in file order, each as "term - explanation". Read-only. Opened from the
// main menu's "Rjecnik" and the diagnosis dialog's "RJ".
class CDictionaryDlg : public CBrowsingDlg {
    Q_OBJECT
public:
    explicit CDictionaryDlg(QWidget* parent = nullptr);
    ~CDictionaryDlg() override;

protected:
    // Rebuilds the whole tree from the dictionary.
    bool FillTree() override;

    int letterImage = -1;
    int wordImage = -1;

private:
    // The two pictures, letter first.
    void buildImageList() override;
};

} // namespace ordisan
