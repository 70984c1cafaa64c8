#pragma once

#include "diagnosis/item_texts.h"
#include "knowledge/knowledge_base.h"

#include <QTreeWidgetItem>

namespace ordisan {

// One item of the diagnosis dialog's trees. Its parameter says what it shows: a
// symptom index, or SYNDROME_PARAMETER for a syndrome, above every symptom index, so
// that a double-click on a syndrome changes no answer. Tooltips and the names that
// screen readers speak are worked out when asked for, from the knowledge base as it
// is then.
class DiagnosisItem final : public QTreeWidgetItem {
public:
    static constexpr int TYPE = QTreeWidgetItem::UserType + 1;
    static constexpr int SYNDROME_PARAMETER = ITEM_PARAMETER_BASE;

    enum class Kind {
        Syndrome,       // left tree, top level
        LinkedSymptom,  // left tree, under its syndrome
        OpenSymptom,    // right tree
    };

    // `index` is the syndrome index of a syndrome item and the symptom index of the
    // others.
    DiagnosisItem(const KnowledgeBase& kb, Kind kind, int index, const QString& text,
                  const QIcon& icon, IconMeaning meaning);

    Kind kind() const { return kind_; }
    int parameter() const { return kind_ == Kind::Syndrome ? SYNDROME_PARAMETER : index_; }
    // The syndrome of a syndrome item; -1 for a symptom item.
    int syndrome() const { return kind_ == Kind::Syndrome ? index_ : -1; }
    IconMeaning meaning() const { return meaning_; }

    // Image and selected image are one icon.
    void showIcon(const QIcon& icon, IconMeaning meaning);

    // Adds the tooltip, the accessible name (text and the icon's meaning) and the
    // accessible description (the tooltip) to what the base item holds.
    QVariant data(int column, int role) const override;

    // The item's tooltip now.
    QString toolTip() const;

private:
    const KnowledgeBase& kb_;
    Kind kind_;
    int index_;
    IconMeaning meaning_;
};

// The item of a tree widget's item as the diagnosis dialog made it; null for any other.
DiagnosisItem* diagnosisItem(QTreeWidgetItem* item);

} // namespace ordisan
