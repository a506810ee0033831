// The comparison of groups against the main window: on a hand-made corpus and
// on the built-in corpus, every count is the one the family's group label shows
// after that group's query, and every whole-corpus count the family's corpus
// label.
#include "corpus/text.h"
#include "lookup/count_word.h"
#include "tests/core/app/main_window_world.h"
#include "tests/core/variation/back_corpus.h"
#include "variation/compare.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

const GroupRow& row_of(const Comparison& c, const GroupKey& g) {
    for (const GroupRow& r : c.rows) {
        if (r.group == g) return r;
    }
    throw std::runtime_error("no row " + group_label(AgeBands(), g));
}

constexpr GroupKey kAll{true, AgeBand::Under18, Gender::Female};

// Runs the group query of `g` and clicks every item of every family: each
// InGroup label must equal the comparison's count, the word total of the group
// text its words, and each InCorpus label the whole-corpus count.
void expect_counts_match_the_labels(World& w) {
    GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    std::vector<Comparison> comparisons;
    for (const FamilyState& f : w->form1().families) {
        comparisons.push_back(compare_groups(index, *find_family(*w, f.listName)));
    }
    int checked = 0;
    for (const GroupKey& g : comparison_groups(AgeBands())) {
        if (g.all) continue;
        w.fetch(g.band, g.gender);
        SCOPED_TRACE(group_label(AgeBands(), g));
        for (std::size_t fam = 0; fam < w->form1().families.size(); ++fam) {
            const Comparison& c = comparisons[fam];
            const GroupRow& row = row_of(c, g);
            EXPECT_EQ(row.words, word_total(w->form1().Text2));
            EXPECT_EQ(row.authors, w->form1().AgeTable.count());
            const FamilyState& f = w->form1().families[fam];
            for (int item = 0; item < f.list.count(); ++item) {
                ASSERT_TRUE(w->selectFamily(fam, item));
                const std::string& word = f.list.items[static_cast<std::size_t>(item)];
                for (const FormCell& cell : row.cells) {
                    if (!iequals(cell.form, word)) continue;
                    EXPECT_EQ(std::to_string(cell.count), f.InGroup) << word;
                    EXPECT_EQ(
                        std::to_string(row_of(c, kAll).cells.at(&cell - row.cells.data()).count),
                        f.InCorpus)
                        << word;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(CompareGroups, EveryCountIsTheFamilysGroupLabelOnAHandMadeCorpus) {
    World w(back_authors(), back_texts());
    expect_counts_match_the_labels(w);
}

TEST(CompareGroups, EveryCountIsTheFamilysGroupLabelOnTheBuiltInCorpus) {
    World w(load_builtin_data().authors, load_builtin_data().corpus, load_builtin_data().glossary);
    expect_counts_match_the_labels(w);
    // The main window's families are the corpus's: the whole-corpus row of a
    // family found through the main window's state counts the 53 authors with texts.
    GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    EXPECT_EQ(row_of(compare_groups(index, *find_family(*w, "Back")), kAll).authors, 53);
}

} // namespace
} // namespace zapt::testing
