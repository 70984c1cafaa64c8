#include "knowledge/dictionary_letters.h"

namespace ordisan {

namespace {

constexpr std::array<unsigned char, DICTIONARY_LETTER_COUNT> LETTERS = {
    'A', 'B', 'C', 0xC6 /* Ć */, 0xC8 /* Č */, 'D', 0xD0 /* Đ */, 'E', 'F', 'G', 'H',
    'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 0x8A /* Š */, 'T', 'U', 'V',
    'W', 'X', 'Y', 'Z', 0x8E /* Ž */,
};

// Small forms of the accented capitals; a–z are handled by their ASCII distance.
constexpr struct {
    unsigned char small;
    unsigned char capital;
} ACCENTED[] = {
    {0xE6, 0xC6}, {0xE8, 0xC8}, {0xF0, 0xD0}, {0x9A, 0x8A}, {0x9E, 0x8E},
};

} // namespace

const std::array<unsigned char, DICTIONARY_LETTER_COUNT>& dictionaryLetters()
{
    return LETTERS;
}

int dictionaryLetterIndex(unsigned char firstByte)
{
    unsigned char capital = firstByte;
    if (firstByte >= 'a' && firstByte <= 'z')
        capital = static_cast<unsigned char>(firstByte - 'a' + 'A');
    for (const auto& pair : ACCENTED) {
        if (firstByte == pair.small)
            capital = pair.capital;
    }
    for (int i = 0; i < DICTIONARY_LETTER_COUNT; ++i) {
        if (LETTERS[i] == capital)
            return i;
    }
    return -1;
}

} // namespace ordisan
