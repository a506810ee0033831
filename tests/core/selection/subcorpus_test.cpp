// Subcorpora: reading FIELD=VALUE conditions and choosing authors by them.
#include "selection/subcorpus.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

AuthorRegister sample_register() {
    AuthorRegister r;
    // code, age, gender, education, native language
    const std::vector<std::array<std::string, 5>> rows = {
        {"01", "16", "M", "school", "English"},   {"02", "16-20", "f", "Uni", "Turkish"},
        {"03", "24", "Female", "uni", "english"}, {"04", "", "F", "NA", "Greek"},
        {"05", "20-30", "M", "work", ""},         {"06", "unknown", "x", "uni", "English"},
    };
    for (const auto& row : rows) {
        r.codes.push_back(row[0]);
        r.names.push_back("name " + row[0]);
        r.ages.push_back(row[1]);
        r.genders.push_back(row[2]);
        r.educations.push_back(row[3]);
        r.nativeLanguages.push_back(row[4]);
    }
    return r;
}

TEST(Subcorpus, ConditionsChooseAuthors) {
    const AuthorRegister r = sample_register();
    const std::vector<std::string> columns = {"Home Region"};
    const std::vector<std::vector<std::string>> meta = {
        {"North"}, {"south"}, {"North"}, {"-"}, {"East"}};
    const AuthorFields fields{&r, &columns, &meta};
    struct Case {
        std::string conditions;
        std::vector<std::size_t> members;
    };
    const std::vector<Case> cases = {
        {"", {0, 1, 2, 3, 4, 5}},
        {"age=16-25", {0, 1, 2}},       // 20-30 reaches beyond 25; missing ages never match
        {"AGE = 16", {0}},              // the range 16-20 does not lie inside 16
        {"age=16-20,21-30", {0, 1, 2}}, // 20-30 lies in neither
        {"gender=F", {1, 2, 3}},        // any case, female too; "x" is no gender
        {"Sex=male,FEMALE", {0, 1, 2, 3, 4}},
        {"education=UNI", {1, 2, 5}}, // free values without regard to case
        {"native language=english", {0, 2, 5}},
        {"Native=greek;gender=f", {3}},
        {"home_region=north", {0, 2}},
        {"homeregion=north,SOUTH\nage=16-30", {0, 1, 2}},
        {"code=05,01", {0, 4}},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto s = parse_subcorpus("s", c.conditions, fields, &error);
        ASSERT_TRUE(s.has_value()) << c.conditions << ": " << error;
        EXPECT_EQ(s->members(fields), c.members) << c.conditions;
        EXPECT_EQ(s->whole(), c.conditions.empty());
    }
}

TEST(Subcorpus, UnreadableConditionsSayWhy) {
    const AuthorRegister r = sample_register();
    const AuthorFields fields{&r, nullptr, nullptr};
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"shoe=9", "unknown field \"shoe\""},
        {"age", "is not a condition"},
        {"=5", "needs a field"},
        {"age=thirty", "\"thirty\" is not an age"},
        {"age=20-16", "is not an age"},
        {"age=", "needs a value"},
        {"gender=M,", "needs a value"},
        {"gender=other", "is not a gender"},
        {"education=unknown", "needs a value"},
        {"age=\xC3\x28", "not UTF-8"},
    };
    for (const auto& [text, message] : cases) {
        std::string error;
        EXPECT_FALSE(parse_subcorpus("s", text, fields, &error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << text << ": " << error;
    }
}

// A value that no author has is a slip, not a subcorpus of no one: the message
// says which values the field has. A text field chooses no authors.
TEST(Subcorpus, ValuesNoAuthorHasAndTextFieldsSayWhy) {
    const AuthorRegister r = sample_register();
    const std::vector<std::string> columns = {"Home Region"};
    const std::vector<std::vector<std::string>> meta = {
        {"North"}, {"south"}, {"North"}, {"-"}, {"East"}};
    const std::vector<std::string> textColumns = {"id", "sent at"};
    const AuthorFields fields{&r, &columns, &meta, &textColumns};
    const std::vector<std::pair<std::string, std::string>> cases = {
        // Each value once, in its first spelling, in the order of their folded forms.
        {"native=Chinese",
         "native language has the values English, Greek, Turkish; no author has \"Chinese\""},
        {"native=english,maybe", "no author has \"maybe\""},
        {"home region=West", "Home Region has the values East, North, south"},
        {"education=college", "education has the values school, Uni, work"},
        {"native language=English,Welsh", "no author has \"Welsh\""},
        {"code=07", "no author has \"07\""},
        {"age=90", "no author's age lies within 90; the ages run from 16 to 30"},
        {"age=16,40-50", "no author's age lies within 40-50"},
        {"id=3", "\"id\" is a text field"},
        {"Sent_At=monday", "\"Sent_At\" is a text field"},
    };
    for (const auto& [text, message] : cases) {
        std::string error;
        EXPECT_FALSE(parse_subcorpus("s", text, fields, &error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << text << ": " << error;
    }
    // The text field's message says how to choose authors by it instead.
    std::string error;
    parse_subcorpus("s", "id=3", fields, &error);
    EXPECT_NE(error.find("--author-field"), std::string::npos) << error;
    // A gender no author has; and a long list of values is cut.
    AuthorRegister men = r;
    for (auto& g : men.genders) g = "M";
    const AuthorFields menOnly{&men, nullptr, nullptr};
    EXPECT_FALSE(parse_subcorpus("s", "gender=F", menOnly, &error));
    EXPECT_NE(error.find("gender has the values M"), std::string::npos) << error;
    AuthorRegister many;
    for (int i = 0; i < 40; ++i) {
        many.codes.push_back("c" + std::to_string(100 + i));
        for (auto* column :
             {&many.names, &many.ages, &many.genders, &many.educations, &many.nativeLanguages})
            column->push_back("");
    }
    const AuthorFields manyCodes{&many, nullptr, nullptr};
    EXPECT_FALSE(parse_subcorpus("s", "code=x", manyCodes, &error));
    EXPECT_NE(error.find("c100, c101"), std::string::npos) << error;
    EXPECT_NE(error.find("(40 values)"), std::string::npos) << error;
    EXPECT_EQ(error.find("c139"), std::string::npos) << error;
    // A field no author has any value of says so.
    EXPECT_FALSE(parse_subcorpus("s", "education=uni", manyCodes, &error));
    EXPECT_NE(error.find("no author has a value of education"), std::string::npos) << error;
    EXPECT_FALSE(parse_subcorpus("s", "age=20", manyCodes, &error));
    EXPECT_NE(error.find("no author has a value of age"), std::string::npos) << error;
}

// A condition on a text field chooses texts: the texts whose own value
// matches (without regard to case, a missing value never), or lies in a range
// of numbers or ISO dates. The authors are those meeting the author
// conditions with a text among them.
TEST(Subcorpus, TextFieldConditionsChooseTexts) {
    const AuthorRegister r = sample_register();
    const std::vector<std::string> columns = {"Home Region"};
    const std::vector<std::vector<std::string>> meta = {
        {"North"}, {"south"}, {"North"}, {"-"}, {"East"}};
    const std::vector<std::string> textColumns = {"id", "sent at"};
    // Per text: id, sent at; and its author's register row.
    const std::vector<std::vector<std::string>> values = {
        {"7", "2011-03-01"},           // 0, author 0
        {"m-2", "2011-03-01 09:15"},   // 1, author 0
        {"10", "2011-03-02T23:59:00"}, // 2, author 1
        {"8.5", "NA"},                 // 3, author 2
        {"M-2", "2011-03-03"},         // 4, author 2
        {"", "2011-3-4"},              // 5, author 4: no ISO date
        {"-1", "2011-03-02x"},         // 6, no author: no date either
        {"12", "2011-03-10"},          // 7, author 5
    };
    const std::vector<std::int32_t> authors = {0, 0, 1, 2, 2, 4, -1, 5};
    const AuthorFields fields{&r, &columns, &meta, &textColumns, nullptr, &values, &authors};
    struct Case {
        std::string conditions;
        std::vector<char> texts;
        std::vector<std::size_t> members;
    };
    const std::vector<Case> cases = {
        {"id=M-2", {0, 1, 0, 0, 1, 0, 0, 0}, {0, 2}},
        {"ID = 7, 10", {1, 0, 1, 0, 0, 0, 0, 0}, {0, 1}},
        {"id=7..10", {1, 0, 1, 1, 0, 0, 0, 0}, {0, 1, 2}}, // 8.5 lies within
        {"id=-1..7; id=7", {1, 0, 0, 0, 0, 0, 0, 0}, {0}}, // both must hold
        {"id=m-2,9..100", {0, 1, 1, 0, 1, 0, 0, 1}, {0, 1, 2, 5}},
        {"sent at=2011-03-01", {1, 0, 0, 0, 0, 0, 0, 0}, {0}}, // the whole value
        {"sent_at=2011-03-01..2011-03-02", {1, 1, 1, 0, 0, 0, 0, 0}, {0, 1}},
        {"sent at=2011-03-02..2011-03-31", {0, 0, 1, 0, 1, 0, 0, 1}, {1, 2, 5}},
        // With author conditions: the mask is the text conditions'; the
        // members meet the author conditions with a text in it.
        {"gender=F; id=7..12", {1, 0, 1, 1, 0, 0, 0, 1}, {1, 2}},
        {"home region=north; sent at=2011-03-01..2011-03-03", {1, 1, 1, 0, 1, 0, 0, 0}, {0, 2}},
        // Author conditions alone choose no texts.
        {"gender=M", {}, {0, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.conditions);
        std::string error;
        const auto s = parse_subcorpus("s", c.conditions, fields, &error);
        ASSERT_TRUE(s.has_value()) << error;
        EXPECT_EQ(s->choosesTexts(), !c.texts.empty());
        EXPECT_EQ(s->textMask(fields), c.texts);
        EXPECT_EQ(s->members(fields), c.members);
        for (std::size_t t = 0; t < c.texts.size(); ++t)
            EXPECT_EQ(s->textHolds(fields, t), c.texts[t] != 0) << t;
    }
    // Ranges: both ends numbers, or both ISO dates, the right way round.
    const std::vector<std::pair<std::string, bool>> ranges = {
        {"1..2", true},
        {"-3.5 .. 0", true},
        {"2011-03-01..2011-03-31", true},
        {"2..1", false},
        {"1..x", false},
        {"1..2011-03-01", false},
        {"2011-13-01..2012-01-01", false},
        {"..5", false},
        {"1...5", false},
        {"1e3..2e3", false},
    };
    for (const auto& [text, ok] : ranges) EXPECT_EQ(parse_text_range(text).has_value(), ok) << text;

    // A value no text has says which values the field has; a range says where
    // the field's values lie.
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"id=99", "id (a text field) has the values -1, 10, 12, 7, 8.5, m-2; no text has \"99\""},
        {"id=7,x", "no text has \"x\""},
        {"id=100..200", "no text's id lies within 100..200; its numbers run from -1 to 12"},
        {"sent at=2012-01-01..2012-12-31",
         "no text's sent at lies within 2012-01-01..2012-12-31; its dates run from 2011-03-01 to "
         "2011-03-10"},
        {"id=2011-01-01..2011-12-31", "no value of id reads as a date (YYYY-MM-DD)"},
        {"sent at=1..5", "no value of sent at reads as a number"},
        {"id=NA", "needs a value"},
    };
    for (const auto& [text, message] : refused) {
        std::string error;
        EXPECT_FALSE(parse_subcorpus("s", text, fields, &error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << text << ": " << error;
    }
    // Without each text's values the field cannot choose texts: it is refused
    // as before, with how to make it an author field.
    const AuthorFields namesOnly{&r, &columns, &meta, &textColumns};
    std::string error;
    EXPECT_FALSE(parse_subcorpus("s", "id=7", namesOnly, &error));
    EXPECT_NE(error.find("\"id\" is a text field"), std::string::npos) << error;
    // The list of fields names the text fields that choose texts.
    EXPECT_FALSE(parse_subcorpus("s", "shoe=9", fields, &error));
    EXPECT_NE(error.find("Home Region, id (a text field), sent at (a text field)"),
              std::string::npos)
        << error;
}

} // namespace
} // namespace zapt
