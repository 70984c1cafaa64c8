#pragma once

#include "knowledge/knowledge_base.h"
#include "views/browsing_dlg.h"

namespace ordisan {

// Item data of the overview tree (column 0, Qt::UserRole): a syndrome item holds its
// syndrome index, a symptom item ITEM_PARAMETER_BASE plus its symptom index.
inline constexpr int OVERVIEW_SYMPTOM_PARAM_BASE = ITEM_PARAMETER_BASE;

// The overview (template 133): every syndrome in file order, and under each the
// symptoms its links name, in link order, with a picture of the body region. Read-only.
// Opened from the main menu's "Pregled" and the diagnosis dialog's "PR".
class COverviewDlg : public CBrowsingDlg {
    Q_OBJECT
public:
    explicit COverviewDlg(QWidget* parent = nullptr);
    ~COverviewDlg() override;

protected:
    // Rebuilds the whole tree from the knowledge base.
    bool FillTree() override;

    int syndromeImage = -1;
    int headImage = -1;
    int trunkImage = -1;
    int limbsImage = -1;
    int otherImage = -1;

private:
    // The five pictures, in the order RunModal adds them.
    void buildImageList() override;
    int imageForLocation(LocationCode location) const;
};

} // namespace ordisan
