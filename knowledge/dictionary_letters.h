#pragma once

#include <array>

namespace ordisan {

// The letters under which the dictionary tree groups its entries, in the order the
// tree shows them, as code page 1250 bytes: A B C Ć Č D Đ E … S Š T … Z Ž.
inline constexpr int DICTIONARY_LETTER_COUNT = 31;
const std::array<unsigned char, DICTIONARY_LETTER_COUNT>& dictionaryLetters();

// The position in dictionaryLetters() of the group that shows a term beginning with
// `firstByte`: its own letter, or the capital of a small letter. -1 for any other
// byte (a digit, a punctuation mark, another accented letter), which no group shows.
int dictionaryLetterIndex(unsigned char firstByte);

} // namespace ordisan
