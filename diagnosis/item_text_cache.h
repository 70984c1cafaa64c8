#pragma once

#include "knowledge/knowledge_base.h"

#include <QFontMetrics>
#include <QString>

#include <array>
#include <vector>

namespace ordisan {

// The texts of the diagnosis trees' items, converted from code page 1250 and measured
// once per opening of the dialog: names and symptom texts do not change while it is
// open, only the percentages in front of them do, so a re-rank neither converts nor
// measures a name again.
class ItemTextCache {
public:
    ItemTextCache(const KnowledgeBase& kb, const QFont& font);

    const QString& syndromeName(int syndrome);
    const QString& symptomText(int symptom);
    // Widths in pixels in the trees' font.
    int syndromeNameWidth(int syndrome);
    int symptomTextWidth(int symptom);

    // "(%d%%) - " followed by `name`, and the width of that prefix.
    QString percentText(int percent, const QString& name);
    int percentPrefixWidth(int percent);

private:
    struct Entry {
        QString text;
        int width = -1;
        bool converted = false;
    };
    Entry& syndromeEntry(int syndrome);
    Entry& symptomEntry(int symptom);
    int widthOf(Entry& entry);
    Entry& prefixEntry(int percent);

    const KnowledgeBase& kb_;
    QFontMetrics metrics_;
    std::vector<Entry> syndromes_;
    std::vector<Entry> symptoms_;
    std::array<Entry, 101> prefixes_; // percentages 0 … 100
    Entry otherPrefix_;
};

} // namespace ordisan
