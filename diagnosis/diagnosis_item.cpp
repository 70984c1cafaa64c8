#include "diagnosis/diagnosis_item.h"

namespace ordisan {

DiagnosisItem::DiagnosisItem(const KnowledgeBase& kb, Kind kind, int index, const QString& text,
                             const QIcon& icon, IconMeaning meaning)
    : QTreeWidgetItem(TYPE), kb_(kb), kind_(kind), index_(index), meaning_(meaning)
{
    setText(0, text);
    QTreeWidgetItem::setIcon(0, icon);
}

void DiagnosisItem::showIcon(const QIcon& icon, IconMeaning meaning)
{
    meaning_ = meaning;
    QTreeWidgetItem::setIcon(0, icon);
}

QString DiagnosisItem::toolTip() const
{
    switch (kind_) {
    case Kind::Syndrome: return syndromeToolTip(kb_, index_);
    case Kind::OpenSymptom: return symptomToolTip(kb_, index_);
    case Kind::LinkedSymptom: break;
    }
    return {};
}

QVariant DiagnosisItem::data(int column, int role) const
{
    if (column == 0) {
        switch (role) {
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole: {
            const QString tip = toolTip();
            return tip.isEmpty() ? QVariant() : QVariant(tip);
        }
        case Qt::AccessibleTextRole:
            return QStringLiteral("%1, %2").arg(text(0), meaningText(meaning_));
        default:
            break;
        }
    }
    return QTreeWidgetItem::data(column, role);
}

DiagnosisItem* diagnosisItem(QTreeWidgetItem* item)
{
    return item && item->type() == DiagnosisItem::TYPE ? static_cast<DiagnosisItem*>(item) : nullptr;
}

} // namespace ordisan
