// What find as you type in a tree compares: item texts and typed text folded alike.
#pragma once

#include <QString>

namespace ordisan {

// `text` as the search compares it: small letters, č ć → c, š → s, ž → z, đ → dj (the
// way Croatian is written without its letters, so "d" and "dj" both find "đumbir"),
// and a leading "(NN%) - " left out, since every diagnosis item begins with one.
QString foldForSearch(const QString& text);

// How well an item text answers the typed text, both folded: a word of the text
// beginning with it beats the text only containing it.
enum class SearchMatch { None, Contains, WordStart };
SearchMatch matchFolded(const QString& foldedText, const QString& foldedTyped);

// The better match of an item text, as written and with đ read as a plain d (so
// "du" finds "đumbir" as well).
SearchMatch matchItemText(const QString& text, const QString& foldedTyped);

} // namespace ordisan
