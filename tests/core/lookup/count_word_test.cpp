// The one counting rule: whole pieces without regard to case, the piece after
// the final blank left out, and the word total.
#include "lookup/count_word.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

TEST(CountWord, WholePiecesWithoutRegardToCase) {
    const struct {
        const char* buffer;
        const char* word;
        int count;
    } cases[] = {
        {"I have been here BEEN been ", "been", 3},
        {"been, been ", "been", 1},
        {"been been", "been", 1}, // the piece after the final blank is not examined
        {"", "been", 0},          // empty buffer
        {"", "", 0},
        {" a  b ", "", 2},          // the empty word counts the empty examined pieces
        {"4get 4get ", "4get ", 0}, // a word with a blank never counts
        {"a bit a bit ", "a bit", 0},
        {"beeno been's ", "been", 0}, // equality, not containment
        {"Ill ill ILL ", "Ill", 3},
        {"dat's dat's ", "dat's", 2},
        {"a%b a ", "a", 1}, // "%" and other marks stay inside the piece
    };
    for (const auto& c : cases) {
        EXPECT_EQ(count_word(c.buffer, c.word), c.count)
            << '"' << c.buffer << "\" / \"" << c.word << '"';
    }
}

TEST(CountWord, WordTotalIsTheNumberOfBlanks) {
    EXPECT_EQ(word_total("a b c "), 3);
    EXPECT_EQ(word_total("a  b "), 3);
    EXPECT_EQ(word_total(""), 0);
}

} // namespace
} // namespace zapt
