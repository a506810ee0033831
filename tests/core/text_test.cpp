#include "corpus/text.h"
#include "lookup/count_word.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

TEST(Windows1252, RoundTripsTypographicQuotesAndPound) {
    const std::string utf8 =
        "\xE2\x80\x99 \xE2\x80\x9C \xE2\x80\x9D \xC2\xA3 \xC3\xA9 \xE2\x82\xAC";
    auto cp = utf8_to_cp1252(utf8);
    ASSERT_TRUE(cp);
    EXPECT_EQ(*cp, "\x92 \x93 \x94 \xA3 \xE9 \x80");
    EXPECT_EQ(cp1252_to_utf8(*cp), utf8);
}

TEST(Windows1252, RejectsWhatItCannotRepresent) {
    std::size_t bad = 99;
    EXPECT_FALSE(utf8_to_cp1252("ok \xE4\xB8\xAD", &bad)); // a Chinese character
    EXPECT_EQ(bad, 3u);
    EXPECT_FALSE(utf8_to_cp1252("\xF0\x9F\x98\x80")); // an emoji
    EXPECT_FALSE(utf8_to_cp1252("\xC2\x81"));         // a C1 control
    EXPECT_FALSE(utf8_to_cp1252("\xC0\xAF"));         // an overlong sequence
    EXPECT_FALSE(utf8_to_cp1252("\xE2\x80"));         // a cut-off sequence
    // The check alone agrees, offset included.
    for (const char* s :
         {"ok \xE4\xB8\xAD", "\xF0\x9F\x98\x80", "\xC2\x81", "\xC0\xAF", "x\xE2\x80",
          "it\xE2\x80\x99s \xC2\xA3"
          "5",
          "plain", ""}) {
        std::size_t at = 99, fit_at = 99;
        const bool converts = utf8_to_cp1252(s, &at).has_value();
        EXPECT_EQ(fits_cp1252(s, &fit_at), converts) << s;
        EXPECT_EQ(fit_at, at) << s;
    }
    EXPECT_EQ(utf8_to_cp1252_lossy("a\xE4\xB8\xAD"
                                   "b\xFF"),
              "a\x1A"
              "b\x1A");
}

TEST(Windows1252, CaseFoldingCoversAccentedLetters) {
    EXPECT_TRUE(iequals("BEEN", "been"));
    EXPECT_TRUE(iequals("\xC9t\xC9", "\xE9t\xE9")); // ÉtÉ / été
    EXPECT_TRUE(iequals("\x8A", "\x9A"));           // Š / š
    EXPECT_FALSE(iequals("\xD7", "\xF7"));          // × and ÷ are not letters
    EXPECT_FALSE(iequals("been", "been "));
    EXPECT_TRUE(iequals("", ""));
}

TEST(Cleaning, OnePassEqualsMarkByMarkThenPairwiseHalving) {
    static constexpr CharSet set(".,?!");
    const char* inputs[] = {"Hi, how r u?  OK.c u 2day   ", "...", " a", "a ,, b", "", "x"};
    for (const char* in : inputs) {
        std::string literal = in;
        for (char& c : literal) {
            if (set.contains(c)) c = ' ';
        }
        for (int pass = 0; pass < 21; ++pass) {
            std::string next;
            for (std::size_t i = 0; i < literal.size(); ++i) {
                if (literal[i] == ' ' && i + 1 < literal.size() && literal[i + 1] == ' ') ++i;
                next += literal[i] == ' ' ? ' ' : literal[i];
            }
            literal = next;
        }
        std::string fast;
        append_cleaned(fast, in, set);
        EXPECT_EQ(fast, literal) << in;
    }
}

TEST(Cleaning, AppendMergesBlankRunsAcrossTheJoin) {
    std::string out = "a ";
    append_cleaned(out, " ,b", CharSet(","));
    EXPECT_EQ(out, "a b");
    std::string crlf;
    append_cleaned(crlf, "a\r\nb\rc\nd", CharSet(""), true);
    EXPECT_EQ(crlf, "a b\rc\nd");
    EXPECT_EQ(trim_trailing_blanks(" ab  "), " ab");
    EXPECT_EQ(count_occurrences("hi . ok .. x", " ."), 2);
    EXPECT_EQ(count_occurrences("abc", ""), 0);
}

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
