#include "knowledge/dictionary_letters.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace ordisan::test {
namespace {

TEST(DictionaryLetters, ThirtyOneLettersGroupTheirCapitalAndSmallFormOnly)
{
    const std::string capitals = cp1250("ABCĆČDĐEFGHIJKLMNOPQRSŠTUVWXYZŽ");
    const std::string smalls = cp1250("abcćčdđefghijklmnopqrsštuvwxyzž");
    EXPECT_EQ(std::string(dictionaryLetters().begin(), dictionaryLetters().end()), capitals);
    int grouped = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const int index = dictionaryLetterIndex(static_cast<unsigned char>(byte));
        if (index >= 0) {
            ++grouped;
            EXPECT_TRUE(capitals[index] == char(byte) || smalls[index] == char(byte)) << byte;
        }
    }
    EXPECT_EQ(grouped, 2 * DICTIONARY_LETTER_COUNT) << "digits, marks and other letters stay out";
}

} // namespace
} // namespace ordisan::test
