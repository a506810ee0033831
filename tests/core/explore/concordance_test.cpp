// The concordance: lines within their own text and never more than half of it.
#include "explore/concordance.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

#include <set>

namespace zapt {
namespace {

using testing::ExploreCorpus;
using testing::writer;

TEST(ExploreConcordance, HalfOfTheTextAtTheEdges) {
    struct Case {
        std::size_t pieces, before, length;
        int context;
        bool shown;
        std::size_t left, right;
    };
    const std::vector<Case> cases = {
        {1, 0, 1, 3, false, 0, 0}, // a text of one piece: counted, never shown
        {2, 0, 1, 3, true, 0, 0},  // half of two is the hit alone
        {2, 1, 1, 5, true, 0, 0},   {3, 1, 1, 3, true, 0, 0}, // half of three, rounded down, is one
        {4, 1, 1, 3, true, 1, 0},                             // the right side goes first on a tie
        {4, 0, 1, 3, true, 0, 1},   {4, 3, 1, 1, true, 1, 0},
        {10, 5, 1, 1, true, 1, 1},  {10, 5, 1, 5, true, 2, 2}, // 5 + 1 + 4 -> 2 + 1 + 2
        {10, 0, 1, 5, true, 0, 4},  {10, 8, 1, 5, true, 3, 1}, // the longer left side loses two
        {11, 5, 1, 2, true, 2, 2},  {30, 10, 1, 5, true, 5, 5},
        {30, 10, 1, 9, true, 5, 5}, // the context is at most 5
        {30, 10, 1, 0, true, 1, 1}, // and at least 1
        {4, 1, 2, 3, true, 0, 0},   // a phrase of two in a text of four
        {5, 1, 3, 3, false, 0, 0},  // a phrase of three is more than half of five
        {6, 0, 3, 3, true, 0, 0},
    };
    for (const Case& c : cases) {
        const LineSpan s = line_span(c.pieces, c.before, c.length, c.context);
        const std::string at = std::to_string(c.pieces) + "/" + std::to_string(c.before) + "/" +
                               std::to_string(c.length) + "/" + std::to_string(c.context);
        EXPECT_EQ(s.shown, c.shown) << at;
        EXPECT_EQ(s.left, c.left) << at;
        EXPECT_EQ(s.right, c.right) << at;
        if (s.shown) {
            EXPECT_LE(s.left + c.length + s.right, c.pieces / 2) << at;
        }
    }
}

TEST(ExploreConcordance, LinesStayInTheirTextAndNameTheCode) {
    ExploreCorpus x({writer("007", "Jane Doe"), writer("008", "John Roe")},
                    {{"Jane Doe", "u"},
                     {"John Roe", "see u"},
                     {"Jane Doe", "a b c u d e f g"},
                     {"John Roe", "u c u. x y z w q"},
                     {"Nobody", "p q r s u t"}});
    for (int n = 1; n <= 5; ++n) {
        const Concordance c = concordance(*x, compile_pattern("U"), n);
        EXPECT_EQ(c.hits, 6u);
        EXPECT_EQ(c.hidden, 1u); // the text of one piece
        ASSERT_EQ(c.lines.size(), 5u);
        for (const ConcordanceLine& l : c.lines) {
            const std::size_t pieces = x->textLength(l.text);
            EXPECT_LE(line_left(*x, l).size() + line_hit(*x, l).size() + line_right(*x, l).size(),
                      pieces / 2);
            EXPECT_LE(l.left, static_cast<std::uint32_t>(n));
            EXPECT_EQ(x->textOfPiece(l.from()), x->textOfPiece(l.to() - 1));
        }
        EXPECT_EQ(line_code(*x, c.lines[0]), "008");
        EXPECT_EQ(line_code(*x, c.lines[4]), ""); // no author: no code, and never a name
    }
    const Concordance c3 = concordance(*x, compile_pattern("u"), 3);
    // "a b c u d e f g": half is 4; 3 + 1 + 3 loses a piece on the right,
    // then on the left, then on the right again.
    EXPECT_EQ(line_left(*x, c3.lines[1]), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(line_right(*x, c3.lines[1]), (std::vector<std::string>{"d"}));
    // A phrase: "c u" in a text of eight pieces shows it with one piece beside.
    const Concordance phrase = concordance(*x, compile_pattern("c u"), 5);
    ASSERT_EQ(phrase.lines.size(), 2u);
    EXPECT_EQ(line_hit(*x, phrase.lines[1]), (std::vector<std::string>{"c", "u"}));
    EXPECT_EQ(line_left(*x, phrase.lines[1]), (std::vector<std::string>{"u"}));
    EXPECT_EQ(line_right(*x, phrase.lines[1]), (std::vector<std::string>{"x"}));

    // Sorting: by the nearest word on the left, or on the right; ties in corpus order.
    Concordance s = concordance(*x, compile_pattern("u"), 1);
    sort_lines(*x, s.lines, ConcordanceSort::Left);
    std::vector<std::string> lefts;
    for (const auto& l : s.lines) {
        const auto left = line_left(*x, l);
        lefts.push_back(left.empty() ? "" : left.back());
    }
    EXPECT_EQ(lefts, (std::vector<std::string>{"", "", "c", "c", "s"}));
    sort_lines(*x, s.lines, ConcordanceSort::Corpus);
    EXPECT_EQ(s.lines[0].text, 1u);
}

TEST(ExploreConcordance, TheLinesOfATextTogetherShowAtMostHalfOfIt) {
    // Line by line, "*" would show "a b", "a b", "b c", "c d": the whole text.
    ExploreCorpus x({writer("1", "w")}, {{"w", "a b c d"}, {"w", "p q r s t u v w x y"}});
    struct Case {
        std::string pattern;
        int context;
        std::size_t lines, hidden, withheld;
    };
    // Worked out by hand: "a b c d" shows "a b" twice and withholds c and d;
    // the ten pieces show p to t and withhold u to y. "re:[qx]" shows q with
    // p..t, and x would add pieces to the five already shown.
    const std::vector<Case> cases = {
        {"*", 5, 7, 0, 7},   {"*", 1, 7, 0, 7},     {"a", 3, 1, 0, 0},
        {"a b", 3, 1, 0, 0}, {"a b c", 3, 0, 1, 0}, {"re:[qx]", 3, 1, 0, 1},
    };
    for (const Case& c : cases) {
        const Concordance k = concordance(*x, compile_pattern(c.pattern), c.context);
        EXPECT_EQ(k.lines.size(), c.lines) << c.pattern << " " << c.context;
        EXPECT_EQ(k.hidden, c.hidden) << c.pattern;
        EXPECT_EQ(k.withheld, c.withheld) << c.pattern << " " << c.context;
        EXPECT_EQ(k.hits, c.lines + c.hidden + c.withheld);
        std::vector<std::set<std::uint32_t>> shown(2);
        for (const ConcordanceLine& l : k.lines) {
            for (std::uint32_t p = l.from(); p < l.to(); ++p) shown[l.text].insert(p);
        }
        EXPECT_LE(shown[0].size(), 2u) << c.pattern;
        EXPECT_LE(shown[1].size(), 5u) << c.pattern;
    }
}

} // namespace
} // namespace zapt
