// The values of a table's metadata cells: ages, genders, the two in one cell,
// the ways of saying "not known", and the UTF-8 keys header names and author
// identifiers are compared by.
#include "corpus/metadata.h"
#include "corpus/text.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

TEST(Metadata, MissingValues) {
    for (const char* v : {"", "   ", "\t", "unknown", "UNKNOWN", " Unknown ", "NA", "na", "n/a",
                          "N/A", "-", " - ", "\xC2\xA0NA\xC2\xA0"}) {
        EXPECT_TRUE(is_missing(v)) << '"' << v << '"';
    }
    for (const char* v : {"0", "N", "none?", "--", "n.a.", "unknow"}) {
        EXPECT_FALSE(is_missing(v)) << '"' << v << '"';
    }
}

struct AgeCase {
    const char* input;
    std::optional<std::string> expected; // the register's form; nothing when unreadable
};

TEST(Metadata, Ages) {
    const AgeCase cases[] = {
        {"35", "35"},
        {" 35 ", "35"},
        {"035", "35"},
        {"0", "0"},
        {"130", "130"},
        {"16-20", "16-20"},
        {"16 - 20", "16-20"},
        {"16\xE2\x80\x93"
         "20",
         "16-20"}, // en dash
        {"20-20", "20-20"},
        {"", ""},
        {"NA", ""},
        {"unknown", ""},
        {"-", ""},
        {"131", std::nullopt},  // above the oldest age read
        {"1985", std::nullopt}, // a year of birth
        {"20-16", std::nullopt},
        {"-5", std::nullopt},
        {"16-", std::nullopt},
        {"16-20-25", std::nullopt},
        {"3.5", std::nullopt},
        {"35+", std::nullopt},
        {"thirty", std::nullopt},
        {"3 5", std::nullopt},
        {"00000000000000000035", "35"},
        {"99999999999999999999", std::nullopt},
        {"\xD9\xA3\xD9\xA5", std::nullopt}, // Arabic-Indic digits are not read as a number
    };
    for (const auto& c : cases) {
        auto a = parse_age(c.input);
        ASSERT_EQ(a.has_value(), c.expected.has_value()) << '"' << c.input << '"';
        if (a) {
            EXPECT_EQ(age_string(*a), *c.expected) << '"' << c.input << '"';
        }
    }
    auto range = parse_age("16-20");
    EXPECT_EQ(range->kind, Age::Range);
    EXPECT_EQ(range->lo, 16);
    EXPECT_EQ(range->hi, 20);
    EXPECT_EQ(parse_age("NA")->kind, Age::Missing);
}

TEST(Metadata, Genders) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"M", "M"},
        {"m", "M"},
        {"male", "M"},
        {" Male ", "M"},
        {"MAN", "M"},
        {"F", "F"},
        {"f", "F"},
        {"Female", "F"},
        {"woman", "F"},
        {"", ""},
        {"NA", ""},
        {"unknown", ""},
        {"x", std::nullopt},
        {"other", std::nullopt},
        {"males", std::nullopt},
        {"M/F", std::nullopt},
        {"w", std::nullopt},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(parse_gender(input), expected) << input;
}

TEST(Metadata, GenderAndAgeInOneCell) {
    struct Case {
        const char* input;
        bool readable;
        const char* gender;
        const char* age;
    };
    const Case cases[] = {
        {"F35", true, "F", "35"},       {"M29", true, "M", "29"}, {" m 29 ", true, "M", "29"},
        {"F16-20", true, "F", "16-20"}, {"35F", true, "F", "35"}, {"Female 35", true, "F", "35"},
        {"F", true, "F", ""},           {"35", true, "", "35"},   {"", true, "", ""},
        {"NA", true, "", ""},           {"F-", true, "F", ""},    {"X35", false, "", ""},
        {"F1985", false, "", ""},       {"F35M", false, "", ""},  {"35-F", false, "", ""},
        {"F 20-16", false, "", ""},
    };
    for (const auto& c : cases) {
        auto ga = parse_gender_age(c.input);
        ASSERT_EQ(ga.has_value(), c.readable) << '"' << c.input << '"';
        if (!ga) continue;
        EXPECT_EQ(ga->gender, c.gender) << c.input;
        EXPECT_EQ(age_string(ga->age), c.age) << c.input;
    }
}

TEST(Metadata, FreeValuesLoseOnlyTheBlanksAround) {
    EXPECT_EQ(free_value("  U "), "U");
    EXPECT_EQ(free_value("High school"), "High school");
    EXPECT_EQ(free_value("n/a"), "");
    EXPECT_EQ(free_value("\xE2\x80\x83T\xC3\xBCrk\xC3\xA7"
                         "e\t"),
              "T\xC3\xBCrk\xC3\xA7"
              "e");
}

TEST(Metadata, Utf8Validity) {
    const std::pair<std::string, std::optional<std::size_t>> cases[] = {
        {"plain", std::nullopt},
        {"\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", std::nullopt}, // thumbs up, skin tone
        {"\xE4\xB8\xAD\xE6\x96\x87", std::nullopt},
        {std::string("a\0b", 3), std::nullopt},
        {"ab\xFF", 2},
        {"\xC0\xAF", 0},         // overlong "/"
        {"x\xED\xA0\x80", 1},    // a surrogate
        {"\xF4\x90\x80\x80", 0}, // above U+10FFFF
        {"ok\xE4\xB8", 2},       // cut short
        {"\x80", 0},             // a lone continuation byte
        {"caf\xE9", 3},          // Windows-1252 e acute
    };
    for (const auto& [s, bad] : cases) {
        std::size_t at = 99;
        EXPECT_EQ(valid_utf8(s, &at), !bad.has_value()) << s;
        if (bad) {
            EXPECT_EQ(at, *bad) << s;
        }
    }
}

TEST(Metadata, BlanksAndKeys) {
    EXPECT_EQ(trim_blanks(" \t\xE3\x80\x80x y\xC2\xA0\r\n"), "x y"); // ideographic space, NBSP
    EXPECT_EQ(trim_blanks("\xE2\x80\x8Bx"), "\xE2\x80\x8Bx"); // a zero-width space is no blank
    EXPECT_TRUE(is_blank(" \t\r\n\xC2\xA0"));
    EXPECT_FALSE(is_blank(" . "));
    EXPECT_EQ(fold_text("ANN"), "ann");
    EXPECT_EQ(fold_text("Stra\xC3\x9F"
                        "e"),
              fold_text("STRASSE"));
    EXPECT_EQ(fold_text("\xE1\xBA\x9E"), "ss");       // capital sharp s
    EXPECT_NE(fold_text("I"), fold_text("\xC4\xB0")); // Turkish dotted capital I stays apart
    EXPECT_EQ(loose_key(" Native_Language "), "nativelanguage");
    EXPECT_EQ(loose_key("Sender's nationality"), "sendersnationality");
    EXPECT_EQ(loose_key("\xC3\x82GE"), "\xC3\xA2ge");
}

} // namespace
} // namespace zapt
