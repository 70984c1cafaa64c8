// What find as you type in a tree compares: item texts and typed text folded alike.
#pragma once

#include <QString>

namespace ordisan {

// `text` as the search compares it: small letters, č ć → c, š → s, ž → z, đ → dj (the
// way Croatian is written without its letters, so "d" and "dj" both find "đumbir"),
// and a leading "(NN%) - " left out, since every diagnosis item begins with one.
QString foldForSearch(const QString& text);

// How well an item text answers the typed text, worst to best: the text beginning with
// it beats a later word beginning with it ("trbuh" finds the term "Trbuh - abdomen"
// before "Abdomen - trbuh"), which beats the text only containing it; and at the same
// level, typed with Croatian letters, a text spelled with exactly those letters beats
// one that only folds alike ("č" prefers "Čir" to "Cista"). Đ also reads as a plain d
// ("du" finds "đumbir").
enum class SearchMatch { None, Contains, WordStart, WordStartAsTyped, TextStart, TextStartAsTyped };
SearchMatch matchItemText(const QString& text, const QString& typed);

} // namespace ordisan
