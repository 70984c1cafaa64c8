#include "knowledge/dictionary_letters.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ordisan::test {
namespace {

TEST(DictionaryLetters, ThirtyOneCapitalsWithTheCroatianLettersInPlace)
{
    const auto& letters = dictionaryLetters();
    const std::string shown(letters.begin(), letters.end());
    EXPECT_EQ(shown, cp1250("ABCĆČDĐEFGHIJKLMNOPQRSŠTUVWXYZŽ"));
}

TEST(DictionaryLetters, SmallLettersJoinTheirCapitalsOtherBytesNoGroup)
{
    const std::string capitals = cp1250("ABCĆČDĐEFGHIJKLMNOPQRSŠTUVWXYZŽ");
    const std::string smalls = cp1250("abcćčdđefghijklmnopqrsštuvwxyzž");
    for (int i = 0; i < DICTIONARY_LETTER_COUNT; ++i) {
        EXPECT_EQ(dictionaryLetterIndex(static_cast<unsigned char>(capitals[i])), i) << i;
        EXPECT_EQ(dictionaryLetterIndex(static_cast<unsigned char>(smalls[i])), i) << i;
    }
    int grouped = 0;
    for (int byte = 0; byte < 256; ++byte)
        grouped += dictionaryLetterIndex(static_cast<unsigned char>(byte)) >= 0;
    EXPECT_EQ(grouped, 2 * DICTIONARY_LETTER_COUNT) << "digits, marks and other letters stay out";
    for (const char other : cp1250("1 -(ÄäÉéŁ"))
        EXPECT_EQ(dictionaryLetterIndex(static_cast<unsigned char>(other)), -1) << int(other);
}

} // namespace
} // namespace ordisan::test
