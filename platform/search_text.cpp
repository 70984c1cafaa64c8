#include "platform/search_text.h"

#include <QRegularExpression>

#include <algorithm>

namespace ordisan {

namespace {

QString withoutPercentPrefix(const QString& text)
{
    static const QRegularExpression percentPrefix(QStringLiteral("^\\(\\d{1,3}%\\) - "));
    const QRegularExpressionMatch prefix = percentPrefix.match(text);
    return prefix.hasMatch() ? text.mid(prefix.capturedLength()) : text;
}

SearchMatch matchIn(const QString& text, const QString& typed)
{
    SearchMatch best = SearchMatch::None;
    for (qsizetype at = text.indexOf(typed); at >= 0; at = text.indexOf(typed, at + 1)) {
        if (at == 0)
            return SearchMatch::TextStart;
        if (!text.at(at - 1).isLetterOrNumber())
            best = SearchMatch::WordStart;
        else
            best = std::max(best, SearchMatch::Contains);
    }
    return best;
}

} // namespace

QString foldForSearch(const QString& text)
{
    const QString lower = withoutPercentPrefix(text).toLower();
    QString folded;
    folded.reserve(lower.size() + 2);
    for (const QChar c : lower) {
        switch (c.unicode()) {
        case u'č':
        case u'ć': folded += u'c'; break;
        case u'š': folded += u's'; break;
        case u'ž': folded += u'z'; break;
        case u'đ': folded += QStringLiteral("dj"); break;
        default: folded += c; break;
        }
    }
    return folded;
}

SearchMatch matchItemText(const QString& text, const QString& typed)
{
    const QString folded = foldForSearch(typed);
    if (folded.isEmpty())
        return SearchMatch::None;
    SearchMatch match = matchIn(foldForSearch(text), folded);
    if (match != SearchMatch::TextStart && text.contains(u'đ', Qt::CaseInsensitive)) {
        QString plainD = text;
        plainD.replace(u'đ', u'd').replace(u'Đ', u'D');
        match = std::max(match, matchIn(foldForSearch(plainD), folded));
    }
    const QString lowerTyped = typed.toLower();
    if (match < SearchMatch::WordStart || folded == lowerTyped
        || matchIn(withoutPercentPrefix(text).toLower(), lowerTyped) != match)
        return match;
    return match == SearchMatch::TextStart ? SearchMatch::TextStartAsTyped
                                           : SearchMatch::WordStartAsTyped;
}

} // namespace ordisan
