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
        r.lstAuthorCode.push_back(row[0]);
        r.lstAuthorName.push_back("name " + row[0]);
        r.lstAuthorAge.push_back(row[1]);
        r.lstAuthorGender.push_back(row[2]);
        r.lstAuthorEducation.push_back(row[3]);
        r.lstAuthorNativeLanguage.push_back(row[4]);
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

} // namespace
} // namespace zapt
