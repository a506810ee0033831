// Concordance lines with their authors' groups, the tally of hits per group,
// and the sorts by one word left or right of the hit.
#include "explore/tables.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

using testing::ExploreCorpus;
using testing::writer;

struct Grouped {
    ExploreCorpus x;
    std::vector<std::string> columns{"region"};
    std::vector<std::vector<std::string>> metadata;
    AuthorFields fields;

    Grouped()
        : x({writer("01", "ann", "15", "F"), writer("02", "bob", "30", "M"),
             writer("03", "cat", "33", "F"), writer("04", "dan", "", "M")},
            {{"ann", "so u see u there ok then"},
             {"bob", "u"}, // too short to show a line
             {"cat", "can u come round later on"},
             {"dan", "well u know it is fine"},
             {"nobody", "did u go out last night"},
             {"ann", "i told u so yes"}}),
          metadata{{"North"}, {"south"}, {"North"}, {""}}, fields{&x.authors, &columns, &metadata} {
    }
};

TEST(ExploreConcordanceGroups, FieldsBesideEachLineAndTheirTally) {
    Grouped g;
    std::string error;
    const auto f = line_fields("band, gender,REGION", g.fields, &error);
    ASSERT_TRUE(f) << error;
    EXPECT_EQ(f->columns, (std::vector<std::string>{"band", "gender", "region"}));
    // Fields are named as a grouping names them, each once.
    for (const char* bad : {"band,shoe", "gender,sex", ""}) {
        error.clear();
        EXPECT_FALSE(line_fields(bad, g.fields, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }

    Concordance c = concordance(*g.x, literal_pattern("u"), 2);
    ASSERT_EQ(c.hits, 7u);
    EXPECT_EQ(c.hidden, 1u);   // bob's one-piece text
    EXPECT_EQ(c.withheld, 1u); // ann's second "u" of her first text
    const ResultTable t = concordance_table(*g.x, c, "u", 2, ConcordanceSort::Corpus, SIZE_MAX, *f);
    EXPECT_EQ(t.columns, (std::vector<std::string>{"code", "band", "gender", "region", "left",
                                                   "hit", "right"}));
    using V = std::vector<std::string>;
    ASSERT_EQ(t.rows.size(), c.lines.size());
    const std::vector<V> first = {
        {"01", "<18", "F", "North"}, {"03", "26 to 40", "F", "North"},
        {"04", "", "M", ""},         {"", "", "", ""},
        {"01", "<18", "F", "North"},
    };
    ASSERT_EQ(t.rows.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(V(t.rows[i].begin(), t.rows[i].begin() + 4), first[i]) << i;

    // Per group: the lines shown, every hit (bob's hidden one too), the authors.
    const ResultTable tally = concordance_tally_table(c, *f, "u");
    EXPECT_EQ(tally.columns, (V{"band", "gender", "region", "lines", "hits", "authors"}));
    const std::vector<V> groups = {
        {"<18", "F", "North", "2", "3", "1"},
        {"26 to 40", "F", "North", "1", "1", "1"},
        {"26 to 40", "M", "south", "0", "1", "1"},
        {"", "M", "", "1", "1", "1"},
        {"", "", "", "1", "1", "0"},
    };
    EXPECT_EQ(tally.rows, groups);

    // Without fields the table is as it always was.
    EXPECT_EQ(concordance_table(*g.x, c, "u", 2, ConcordanceSort::Corpus).columns,
              (V{"code", "left", "hit", "right"}));
}

TEST(ExploreConcordanceGroups, SortsByOneWordLeftOrRight) {
    // Each text is long enough to show two words each side.
    ExploreCorpus x({writer("1", "a")}, {{"a", "b2 a1 u c1 a2 w w w w w w"},
                                         {"a", "a2 b1 u b1 c2 w w w w w w"},
                                         {"a", "c2 a1 u a1 b2 w w w w w w"},
                                         {"a", "u d1 d2 w w w w w w w"}});
    Concordance c = concordance(*x, literal_pattern("u"), 2);
    ASSERT_EQ(c.lines.size(), 4u);
    auto order = [&](ConcordanceSort by) {
        std::vector<ConcordanceLine> lines = c.lines;
        sort_lines(*x, lines, by);
        std::vector<std::uint32_t> texts;
        for (const ConcordanceLine& l : lines) texts.push_back(l.text);
        return texts;
    };
    using V = std::vector<std::uint32_t>;
    struct Case {
        ConcordanceSort by;
        V texts;
    };
    const Case cases[] = {
        // The fourth line shows no word left: it comes first.
        {ConcordanceSort::Left1, {3, 0, 2, 1}},  // -, a1, a1, b1 (ties in corpus order)
        {ConcordanceSort::Left2, {3, 1, 0, 2}},  // -, a2, b2, c2
        {ConcordanceSort::Left, {3, 0, 2, 1}},   // -, a1 b2, a1 c2, b1 a2
        {ConcordanceSort::Right1, {2, 1, 0, 3}}, // a1, b1, c1, d1
        {ConcordanceSort::Right2, {0, 2, 1, 3}}, // a2, b2, c2, d2
        {ConcordanceSort::Corpus, {0, 1, 2, 3}},
    };
    for (const Case& k : cases) EXPECT_EQ(order(k.by), k.texts) << sort_name(k.by);
    for (const Case& k : cases) {
        EXPECT_EQ(parse_sort(sort_name(k.by)), k.by);
        EXPECT_FALSE(sort_caption(k.by).empty());
    }
    EXPECT_FALSE(parse_sort("middle"));

    // A word a line does not show is not sorted by: a text of four pieces
    // shows one word each side of its hit at most.
    ExploreCorpus cut({writer("1", "a")}, {{"a", "z y u a"}, {"a", "a x u b w w w w"}});
    Concordance two = concordance(*cut, literal_pattern("u"), 2);
    ASSERT_EQ(two.lines.size(), 2u);
    EXPECT_EQ(two.lines[0].left, 1u);
    std::vector<ConcordanceLine> lines = two.lines;
    sort_lines(*cut, lines, ConcordanceSort::Left2);
    EXPECT_EQ(lines[0].text, 0u); // its second word left ("z") is not shown
}

} // namespace
} // namespace zapt
