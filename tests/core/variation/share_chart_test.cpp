// The picture of one form across the groups: each group's share with its n and
// its Wilson interval, and one dot per author of the group who uses the family,
// withheld as the spread is below the privacy threshold. Worked by hand on a
// small corpus.
#include "test_corpus.h"
#include "variation/share_chart.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

// Three women aged 26 to 40 and a man of that age; a text of no registered
// author. In the group text "back/bk" is one word; in the cleaned corpus text
// it is two.
std::shared_ptr<const Corpus> back_corpus() {
    return small_corpus({author("001", "Ann", "30", "F"), author("002", "Bo", "35", "F"),
                         author("003", "Cy", "28", "F"), author("004", "Dan", "33", "M")},
                        {{"Ann", "bk soon, back at 5"},
                         {"ann", "BK!"},
                         {"Bo", "back/bk"},
                         {"Cy", "bak back"},
                         {"Dan", "bk bk bk"},
                         {"Zed", "bk"}});
}

const ShareBar& bar_of(const ShareChart& c, const std::string& label) {
    for (const ShareBar& b : c.bars) {
        if (b.label == label) return b;
    }
    throw std::runtime_error("no bar " + label);
}

TEST(ShareChart, EachAuthorsUsesAreKeptByCodeAndTheSharesHaveIntervals) {
    const std::shared_ptr<const Corpus> corpus = back_corpus();
    const GroupIndex index(corpus->store(), corpus->authors(), corpus->bands());
    const Comparison c = compare_groups(index, own_forms("back bak bk"));
    // Per group: the authors using a form of the family, with their counts of
    // back, bak, bk; the whole corpus reads the cleaned corpus text, where Bo's
    // "back/bk" is two words, and leaves out Zed, who is no author.
    const struct {
        GroupKey group;
        std::vector<AuthorUse> uses;
    } cases[] = {
        {{false, AgeBand::From26To40, Gender::Female},
         {{"001", 3, {1, 0, 2}}, {"003", 2, {1, 1, 0}}}},
        {{false, AgeBand::From26To40, Gender::Male}, {{"004", 3, {0, 0, 3}}}},
        {{false, AgeBand::Over60, Gender::Female}, {}},
        {{true, AgeBand::Under18, Gender::Female},
         {{"001", 3, {1, 0, 2}},
          {"002", 2, {1, 0, 1}},
          {"003", 2, {1, 1, 0}},
          {"004", 3, {0, 0, 3}}}},
    };
    for (const auto& e : cases) {
        SCOPED_TRACE(group_label(AgeBands(), e.group));
        const GroupRow* row = nullptr;
        for (const GroupRow& r : c.rows) {
            if (r.group == e.group) row = &r;
        }
        ASSERT_TRUE(row);
        ASSERT_EQ(row->authorUses.size(), e.uses.size());
        for (std::size_t i = 0; i < e.uses.size(); ++i) {
            EXPECT_EQ(row->authorUses[i].code, e.uses[i].code);
            EXPECT_EQ(row->authorUses[i].uses, e.uses[i].uses);
            EXPECT_EQ(row->authorUses[i].counts, e.uses[i].counts);
        }
    }
    // 26 to 40 M: "bk" 3 of 3, 100 % from three tokens; its interval (Newcombe's
    // score interval) reaches down to 0.4385. An empty group has no interval.
    const GroupRow& men = c.rows[5];
    ASSERT_EQ(men.group, (GroupKey{false, AgeBand::From26To40, Gender::Male}));
    ASSERT_TRUE(men.cells[2].interval);
    EXPECT_NEAR(men.cells[2].interval->low, 0.4385, 5e-5);
    EXPECT_EQ(men.cells[2].interval->high, 1.0);
    EXPECT_EQ(men.cells[0].interval->low, 0.0); // "back" 0 of 3
    EXPECT_FALSE(c.rows[8].cells[0].interval);  // 61+ F: no texts
}

TEST(ShareChart, BarsWithTheirBaseAndDotsWithheldAsTheSpreadIs) {
    const std::shared_ptr<const Corpus> corpus = back_corpus();
    const GroupIndex index(corpus->store(), corpus->authors(), corpus->bands());
    const Comparison c = compare_groups(index, own_forms("back bak bk"));
    EXPECT_FALSE(share_chart(c, 3));
    const ShareChart bk = *share_chart(c, 2);
    EXPECT_EQ(bk.form, "bk");
    EXPECT_EQ(bk.forms, 3);
    ASSERT_EQ(bk.bars.size(), c.rows.size());
    EXPECT_EQ(bk.bars.front().label, "<18 · F");
    EXPECT_EQ(bk.bars.back().label, "all");
    EXPECT_TRUE(bk.bars.back().all);

    // 26 to 40 F: bk 2 of the family's 5 (back 2, bak 1, bk 2; Bo's "back/bk"
    // is no form in the group text); one author uses bk, below the threshold
    // of 3: no dots.
    const ShareBar& women = bar_of(bk, "26 to 40 · F");
    EXPECT_EQ(women.n, 5);
    EXPECT_EQ(women.count, 2);
    EXPECT_DOUBLE_EQ(*women.share, 0.4);
    EXPECT_EQ(women.authorsUsing, 1);
    EXPECT_TRUE(women.dotsWithheld);
    EXPECT_TRUE(women.dots.empty());
    // A group where nobody uses the form has nothing to withhold.
    const ShareBar& old = bar_of(bk, "61+ · F");
    EXPECT_EQ(old.n, 0);
    EXPECT_FALSE(old.share);
    EXPECT_FALSE(old.interval);
    EXPECT_FALSE(old.dotsWithheld);

    // The whole corpus: bk 7 of 11 (Zed's text counts, but Zed is no dot);
    // three authors use bk, so every author using the family is a dot, by
    // share: Cy 0 of 2, Bo 1 of 2, Ann 2 of 3, Dan 3 of 3.
    const ShareBar& all = bk.bars.back();
    EXPECT_EQ(all.n, 11);
    EXPECT_EQ(all.count, 7);
    ASSERT_EQ(all.dots.size(), 4u);
    const struct {
        const char* code;
        double share;
        int uses;
    } dots[] = {{"003", 0.0, 2}, {"002", 0.5, 2}, {"001", 2.0 / 3, 3}, {"004", 1.0, 3}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(all.dots[i].code, dots[i].code);
        EXPECT_DOUBLE_EQ(all.dots[i].share, dots[i].share);
        EXPECT_EQ(all.dots[i].uses, dots[i].uses);
    }
    // With a threshold of 1 the women's dots show: Cy 0 of 2, Ann 2 of 3.
    const Comparison open = compare_groups(index, own_forms("back bak bk"), 1);
    const ShareChart openChart = *share_chart(open, 2);
    const ShareBar& shown = bar_of(openChart, "26 to 40 · F");
    EXPECT_FALSE(shown.dotsWithheld);
    ASSERT_EQ(shown.dots.size(), 2u);
    EXPECT_EQ(shown.dots[0].code, "003");
    EXPECT_EQ(shown.dots[1].code, "001");

    // The picture's numbers as a table: one row per bar.
    const ResultTable t = share_chart_table(bk);
    EXPECT_EQ(t.columns,
              (std::vector<std::string>{"band", "gender", "form", "count", "n", "share", "ci_low",
                                        "ci_high", "authors_using", "authors", "authors_shown"}));
    ASSERT_EQ(t.rows.size(), bk.bars.size());
    const std::vector<std::string>& last = t.rows.back();
    EXPECT_EQ(last[0], "all");
    EXPECT_EQ(last[1], "all");
    EXPECT_EQ(last[3], "7");
    EXPECT_EQ(last[4], "11");
    EXPECT_DOUBLE_EQ(std::stod(last[5]), 7.0 / 11);
    EXPECT_DOUBLE_EQ(std::stod(last[6]), all.interval->low);
    EXPECT_EQ(last[10], "4");
    const std::vector<std::string>& empty = t.rows[8]; // 61+ F
    EXPECT_EQ(empty[5], "");
    EXPECT_EQ(empty[6], "");
    EXPECT_EQ(t.rows[4][10], "0"); // 26 to 40 F: withheld
}

} // namespace
} // namespace zapt::testing
