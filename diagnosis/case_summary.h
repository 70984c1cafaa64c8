#pragma once

#include "knowledge/knowledge_base.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace ordisan {

// The case as a doctor takes it into the patient's record: when, who, which symptoms
// are present and which absent, the syndromes and the open symptoms as last ranked,
// and whether the answers have changed since. Made from the knowledge base alone, so
// that it reads the same whether the window shows it or not.
class CaseSummary final {
public:
    static constexpr int SYNDROMES_SHOWN = 10;
    static constexpr int OPEN_SYMPTOMS_SHOWN = 5;

    // `openList`: the symptoms of the right tree, top to bottom, as the last ranking
    // listed them; those answered since are no longer open. `stale`: an answer has
    // changed since that ranking.
    CaseSummary(const KnowledgeBase& kb, const QDateTime& when, const std::vector<int>& openList,
                bool stale);

    // One "Label: value" line or a "Label:" line with its entries indented below.
    QString plainText() const;
    // The same as a two-column table, which an office program pastes as a table.
    QString html() const;

    struct Row {
        QString label;
        QStringList values;
        bool list = false;
    };
    // In the order the texts show them, for a layout of its own (the printed summary).
    const QList<Row>& rows() const { return rows_; }
    // "Ordisan – sažetak slučaja".
    static QString title();

private:
    void add(const QString& label, const QString& value);
    void addList(const QString& label, const QStringList& values);

    QList<Row> rows_;
};

} // namespace ordisan
