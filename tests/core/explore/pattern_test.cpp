// Patterns: wildcards, expressions, phrases within one text, and patterns
// that must fail with a message rather than crash or hang.
#include "explore/pattern.h"
#include "explore/word_list.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

using testing::ExploreCorpus;
using testing::writer;

std::vector<std::string> matched(const FormIndex& index, const std::string& pattern) {
    const Pattern p = compile_pattern(pattern);
    EXPECT_TRUE(p.ok()) << pattern << ": " << p.error;
    std::vector<std::string> out;
    if (!p.ok()) return out;
    for (const PatternMatch& m : group_hits(index, find_hits(index, p)))
        out.push_back(shown_match(index, m.forms) + ":" + std::to_string(m.count));
    return out;
}

TEST(ExplorePattern, WildcardsExpressionsAndPhrases) {
    ExploreCorpus x({writer("1", "a"), writer("2", "b")}, {{"a", "2day 2moro 2NITE c u l8r luvz"},
                                                           {"b", "c u 2moro STRAßE see u"},
                                                           {"a", "straße 2day"},
                                                           {"b", "c"},
                                                           {"b", "u c u"}});
    struct Case {
        std::string pattern;
        std::vector<std::string> want; // spelling:count, by count then spelling
    };
    const std::vector<Case> cases = {
        {"2*", {"2day:2", "2moro:2", "2NITE:1"}},
        {"*z", {"luvz:1"}},
        {"?", {"u:5", "c:4"}},
        {"2??????", {}},
        {"2NiTe", {"2NITE:1"}},
        {"STRASSE", {"STRAßE:2"}},
        {"stra*", {"STRAßE:2"}},
        {"re:[0-9][a-z]+", {"2day:2", "2moro:2", "2NITE:1"}},
        {"re:L8R|LUVZ", {"l8r:1", "luvz:1"}},
        {"c u", {"c u:3"}},
        {"c u *", {"c u 2moro:1", "c u l8r:1"}},
        {"u c", {"u c:1"}}, // "c" ending one text and "u" opening the next never pair
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matched(*x, c.pattern), c.want) << c.pattern;
    }
    // A phrase never runs from one text into the next: "c" ends text 3 and
    // "u" opens text 4.
    const Pattern p = compile_pattern("c u");
    for (const PatternHit& h : find_hits(*x, p)) {
        EXPECT_EQ(x->textOfPiece(h.first), x->textOfPiece(h.first + h.length - 1));
    }
    // The scope leaves out the texts of other authors.
    std::vector<char> onlyB(x->authorCount() + 1, 0);
    onlyB[1] = 1;
    EXPECT_EQ(find_hits(*x, compile_pattern("2day"), onlyB).size(), 0u);
    EXPECT_EQ(find_hits(*x, compile_pattern("2moro"), onlyB).size(), 1u);
}

TEST(ExplorePattern, AQuestionMarkIsOneCharacterAsAReaderSeesIt) {
    // "e" with a combining accent, a flag (two code points) and a thumbs-up
    // with its skin tone are one character each; "re:" works on code points.
    ExploreCorpus x({writer("1", "a")}, {{"a", "cafe\u0301 caf\u00e9 \U0001F1EC\U0001F1E7 "
                                               "\U0001F44D\U0001F3FD ab"}});
    struct Case {
        std::string pattern;
        std::size_t forms;
    };
    const std::vector<Case> cases = {
        {"caf?", 2}, {"?", 2},       {"??", 1},    {"???", 0}, {"*", 5},
        {"caf*", 2}, {"re:caf.", 1}, {"re:..", 3}, // ab, the flag, the thumbs-up: two code points
                                                   // each
    };
    for (const Case& c : cases) {
        const Pattern p = compile_pattern(c.pattern);
        ASSERT_TRUE(p.ok()) << p.error;
        EXPECT_EQ(matching_forms(*x, p, 0).size(), c.forms) << c.pattern;
    }
}

TEST(ExplorePattern, RefusedAndPathologicalPatterns) {
    ExploreCorpus x({writer("1", "a")}, {{"a", std::string(3000, 'a') + " aaab b"}});
    struct Case {
        std::string pattern;
        bool ok;
        std::string message; // part of the error
    };
    const std::vector<Case> cases = {
        {"re:(", false, "cannot be used"},
        {"re:a{1000}{1000}", false, "cannot be used"},
        {"re:(a*)*b", true, ""},
        {"re:(a|aa)*c", true, ""},
        {"", false, "empty"},
        {"   \t ", false, "empty"},
        {std::string(5000, 'x'), false, "too long"},
        {"\xFF\xFE", false, "UTF-8"},
        {"a b c d e f g h i j k", false, "at most"},
        {"\x01\x02", false, "empty"},
        {"***", true, ""},
        {std::string(4000, '*') + "b", true, ""},
        {std::string(4000, '?') + "*", true, ""},
        {"re:", true, ""}, // the literal form "re:"
    };
    for (const Case& c : cases) {
        const Pattern p = compile_pattern(c.pattern);
        EXPECT_EQ(p.ok(), c.ok) << c.pattern.substr(0, 40) << ": " << p.error;
        if (!c.ok) {
            EXPECT_NE(p.error.find(c.message), std::string::npos) << p.error;
        }
        if (p.ok()) {
            (void)find_hits(*x, p);
            const GlossaryForms g;
            WordListOptions o;
            o.pattern = c.pattern;
            (void)word_list(*x, whole_scope(*x), g, nullptr, o);
        }
    }
    // Their time is measured by BM_HostilePattern: linear, as RE2 runs them.
    EXPECT_EQ(matched(*x, "re:(a*)*b"), (std::vector<std::string>{"aaab:1", "b:1"}));
}

} // namespace
} // namespace zapt
