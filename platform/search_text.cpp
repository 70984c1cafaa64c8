#include "platform/search_text.h"

#include <QRegularExpression>

#include <algorithm>

namespace ordisan {

QString foldForSearch(const QString& text)
{
    static const QRegularExpression percentPrefix(QStringLiteral("^\\(\\d{1,3}%\\) - "));
    const QRegularExpressionMatch prefix = percentPrefix.match(text);
    const QString lower = text.mid(prefix.hasMatch() ? prefix.capturedLength() : 0).toLower();
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

SearchMatch matchFolded(const QString& foldedText, const QString& foldedTyped)
{
    if (foldedTyped.isEmpty())
        return SearchMatch::None;
    SearchMatch best = SearchMatch::None;
    for (qsizetype at = foldedText.indexOf(foldedTyped); at >= 0;
         at = foldedText.indexOf(foldedTyped, at + 1)) {
        if (at == 0 || !foldedText.at(at - 1).isLetterOrNumber())
            return SearchMatch::WordStart;
        best = SearchMatch::Contains;
    }
    return best;
}

SearchMatch matchItemText(const QString& text, const QString& foldedTyped)
{
    const SearchMatch asWritten = matchFolded(foldForSearch(text), foldedTyped);
    if (asWritten == SearchMatch::WordStart || !text.contains(u'đ', Qt::CaseInsensitive))
        return asWritten;
    QString plainD = text;
    plainD.replace(u'đ', u'd').replace(u'Đ', u'D');
    return std::max(asWritten, matchFolded(foldForSearch(plainD), foldedTyped));
}

} // namespace ordisan
