#include "corpus/text.h"

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
}

// Full Unicode case folding, as Python's str.casefold gives it (the expected
// strings are casefold's own output).
TEST(Unicode, CaseFoldingIsFullUnicodeFolding) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"BEEN", "been"},
        {"Stra\xC3\x9F"
         "e",
         "strasse"}, // Straße
        {"STRASSE", "strasse"},
        {"\xE1\xBA\x9E", "ss"},                                   // capital sharp s
        {"\xC4\xB0stanbul", "i\xCC\x87stanbul"},                  // Turkish dotted capital I
        {"\xC7\x85", "\xC7\x86"},                                 // Dz with caron, title case
        {"\xEF\xAC\x81", "fi"},                                   // the fi ligature
        {"\xE2\x84\xAA", "k"},                                    // the Kelvin sign
        {"\xC3\x89t\xC3\x89", "\xC3\xA9t\xC3\xA9"},               // ÉtÉ
        {"\xC3\x97", "\xC3\x97"},                                 // × is no letter
        {"\xE4\xB8\xAD\xE6\x96\x87", "\xE4\xB8\xAD\xE6\x96\x87"}, // CJK has no case
    };
    for (const auto& c : cases) EXPECT_EQ(fold_text(c.text), c.folded) << c.text;
    EXPECT_TRUE(iequals("Stra\xC3\x9F"
                        "e",
                        "STRASSE"));
    EXPECT_TRUE(iequals("\xC3\x89t\xC3\x89", "\xC3\xA9t\xC3\xA9"));
    EXPECT_FALSE(iequals("\xC3\x97", "\xC3\xB7")); // × and ÷
    EXPECT_FALSE(iequals("i", "\xC4\xB0"));        // dotted I folds to i + a dot above
}

// A character is what a reader sees as one: an extended grapheme cluster (the
// counts are those of Python's regex module, \X).
TEST(Unicode, CharactersAreGraphemeClusters) {
    const struct {
        const char* text;
        std::size_t chars;
    } cases[] = {
        {"abc", 3},
        {"\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", 1}, // thumbs up, skin tone
        {"e\xCC\x81", 1},                        // e + combining acute
        {"\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7",
         1},                                     // family (ZWJ)
        {"\xF0\x9F\x87\xAC\xF0\x9F\x87\xA7", 1}, // the flag GB
        {"a\r\nb", 3},                           // CR LF is one
        {"\xE4\xB8\xAD\xE6\x96\x87", 2},
        {"\xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7", 5}, // Arabic
        {"\xC2\xA3"
         "5",
         2}, // £5
        {"", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(char_count(c.text), c.chars) << c.text;
    // Ten characters on from a place, across characters of several bytes.
    const std::string t = "ab\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD"
                          "cde\xCC\x81"
                          "fghijk";
    EXPECT_EQ(advance_chars(t, 0, 3), 10u);  // past a, b and the thumbs up
    EXPECT_EQ(advance_chars(t, 10, 4), 16u); // past c, d, e + accent and f
    EXPECT_EQ(advance_chars(t, 0, 100), t.size());
    EXPECT_EQ(advance_chars("abcdef", 2, 3), 5u);
}

TEST(Unicode, TabsAndLineBreaksReadAsBlanks) {
    std::string t = "a\tb\r\nc\rd\ne";
    EXPECT_TRUE(blanks_for_breaks(t));
    EXPECT_EQ(t, "a b c d e");
    std::string plain = "no breaks";
    EXPECT_FALSE(blanks_for_breaks(plain));
    std::size_t bad = 0;
    EXPECT_TRUE(valid_utf8("caf\xC3\xA9 \xF0\x9F\x91\x8D"));
    EXPECT_FALSE(valid_utf8("ab\xC3", &bad));
    EXPECT_EQ(bad, 2u);
    EXPECT_TRUE(is_ascii("plain text, 100%"));
    EXPECT_FALSE(is_ascii("caf\xC3\xA9"));
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

// The one pass against the rule written out character by character, on
// every text of up to six characters over blanks, marks, letters and line
// breaks, whole and cut in two at every place (the group text cleans the
// joined rows in one pass, the author's text row by row).
TEST(Cleaning, OnePassEqualsTheRuleInAnyPieces) {
    static constexpr CharSet set(",.");
    auto rule = [](const std::string& in, bool crlf) {
        std::string out;
        bool last_blank = false;
        for (std::size_t i = 0; i < in.size(); ++i) {
            bool blank = in[i] == ' ' || set.contains(in[i]);
            if (crlf && in[i] == '\r' && i + 1 < in.size() && in[i + 1] == '\n') {
                blank = true;
                ++i;
            }
            if (!(blank && last_blank)) out += blank ? ' ' : in[i];
            last_blank = blank;
        }
        return out;
    };
    const std::string alphabet = "a ,.\r\n";
    for (int len = 0; len <= 6; ++len) {
        std::size_t cases = 1;
        for (int k = 0; k < len; ++k) cases *= alphabet.size();
        for (std::size_t n = 0; n < cases; ++n) {
            std::string in;
            for (std::size_t x = n, k = 0; k < static_cast<std::size_t>(len); ++k) {
                in += alphabet[x % alphabet.size()];
                x /= alphabet.size();
            }
            for (bool crlf : {false, true}) {
                const std::string want = rule(in, crlf);
                std::string whole;
                append_cleaned(whole, in, set, crlf);
                ASSERT_EQ(whole, want) << in << crlf;
                if (crlf) continue; // a CR/LF pair cut in two is two characters
                for (std::size_t cut = 0; cut <= in.size(); ++cut) {
                    std::string pieces;
                    append_cleaned(pieces, std::string_view(in).substr(0, cut), set);
                    append_cleaned(pieces, std::string_view(in).substr(cut), set);
                    ASSERT_EQ(pieces, want) << in << " cut at " << cut;
                }
            }
        }
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

} // namespace
} // namespace zapt
