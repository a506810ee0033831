// The comparison of groups: counts, bases, shares, spread and privacy on a
// hand-made corpus, and on the built-in corpus the proof that every count is
// the one the family's group label shows after that group's query.
#include "tests/core/app/main_window_world.h"
#include "variation/compare.h"

#include "corpus/text.h"
#include "lookup/count_word.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zapt::testing {
namespace {

// Three women aged 26 to 40, one man of that age, a woman without texts and
// a text whose author is in no register row.
World back_world() {
    return World({author("001", "Ann", "30", "F"), author("002", "Bo", "35", "F"),
                  author("003", "Cy", "28", "F"), author("004", "Dan", "33", "M"),
                  author("005", "Eve", "70", "F")},
                 {{"Ann", "bk soon, back at 5"},
                  {"ann", "BK!"},
                  {"Bo", "  back/bk"}, // the group text keeps "/", the corpus text does not
                  {"Cy", "?"},         // nothing but a mark: the part is one blank
                  {"Cy", "bak back"},
                  {"Dan", "bk bk bk"},
                  {"Zed", "bk"}});
}

const GroupRow& row_of(const Comparison& c, const GroupKey& g) {
    for (const GroupRow& r : c.rows) {
        if (r.group == g) return r;
    }
    throw std::runtime_error("no row " + group_label(AgeBands(), g));
}

constexpr GroupKey k26F{false, AgeBand::From26To40, Gender::Female};
constexpr GroupKey k26M{false, AgeBand::From26To40, Gender::Male};
constexpr GroupKey kAll{true, AgeBand::Under18, Gender::Female};

TEST(CompareGroups, CountsBasesSharesAndAuthorsByHand) {
    World w = back_world();
    GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    auto family = find_family(*w, "back");
    ASSERT_TRUE(family);
    ASSERT_EQ(family->forms, (std::vector<std::string>{"back", "bak", "bk", "bck"}));
    Comparison c = compare_groups(index, *family);
    ASSERT_EQ(c.rows.size(), 11u);

    const struct {
        GroupKey group;
        int authors, words, familyCount;
        std::vector<int> counts, using_;
    } cases[] = {
        // "bk soon back at 5 BK back/bk bak back ": the second author's leading
        // blanks and the third author's "?" melt into the blank before them.
        {k26F, 3, 9, 5, {2, 1, 2, 0}, {2, 1, 1, 0}},
        {k26M, 1, 3, 3, {0, 0, 3, 0}, {0, 0, 1, 0}},
        // The cleaned corpus text: "back/bk" is two words there, "Zed" is no author.
        {kAll, 4, 14, 11, {3, 1, 7, 0}, {3, 1, 3, 0}},
        {{false, AgeBand::Over60, Gender::Female}, 0, 0, 0, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const auto& e : cases) {
        const GroupRow& r = row_of(c, e.group);
        SCOPED_TRACE(group_label(AgeBands(), e.group));
        EXPECT_EQ(r.authors, e.authors);
        EXPECT_EQ(r.words, e.words);
        EXPECT_EQ(r.familyCount, e.familyCount);
        for (std::size_t f = 0; f < 4; ++f) {
            const FormCell& cell = r.cells[f];
            EXPECT_EQ(cell.count, e.counts[f]) << cell.form;
            EXPECT_EQ(cell.authorsUsing, e.using_[f]) << cell.form;
            if (e.words == 0) {
                EXPECT_FALSE(cell.per10k); // an empty group divides by nothing
            } else {
                ASSERT_TRUE(cell.per10k);
                EXPECT_DOUBLE_EQ(*cell.per10k, e.counts[f] * 10000.0 / e.words);
            }
            if (e.familyCount == 0) {
                EXPECT_FALSE(cell.share);
            } else {
                ASSERT_TRUE(cell.share);
                EXPECT_DOUBLE_EQ(*cell.share, static_cast<double>(e.counts[f]) / e.familyCount);
            }
        }
    }
}

TEST(CompareGroups, SpreadIsWithheldBelowThePrivacyThreshold) {
    World w = back_world();
    GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    const FormList forms = *find_family(*w, "lstBack");
    EXPECT_EQ(kPrivacyThreshold, 3);

    Comparison c = compare_groups(index, forms); // threshold 3
    const GroupRow& f26 = row_of(c, k26F);
    for (const FormCell& cell : f26.cells) {
        EXPECT_EQ(cell.spread, cell.count ? SpreadStatus::Withheld : SpreadStatus::NoOccurrences)
            << cell.form;
    }
    const GroupRow& all = row_of(c, kAll);
    EXPECT_EQ(all.cells[0].spread, SpreadStatus::Shown); // back: Ann, Bo, Cy one each
    EXPECT_DOUBLE_EQ(all.cells[0].topAuthorShare, 1.0 / 3);
    EXPECT_FALSE(all.cells[0].oneAuthorOverHalf);
    EXPECT_EQ(all.cells[2].spread, SpreadStatus::Shown); // bk: Dan gives 3 of 7
    EXPECT_DOUBLE_EQ(all.cells[2].topAuthorShare, 3.0 / 7);
    EXPECT_EQ(all.cells[1].spread, SpreadStatus::Withheld); // bak: one author

    Comparison open = compare_groups(index, forms, 1);
    const GroupRow& o26 = row_of(open, k26F);
    EXPECT_DOUBLE_EQ(o26.cells[0].topAuthorShare, 0.5); // back: exactly half is not more
    EXPECT_FALSE(o26.cells[0].oneAuthorOverHalf);
    EXPECT_DOUBLE_EQ(o26.cells[2].topAuthorShare, 1.0); // bk: all of it from Ann
    EXPECT_TRUE(o26.cells[2].oneAuthorOverHalf);
}

TEST(CompareGroups, SignificanceOfTheGroupsByHand) {
    World w = back_world();
    GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    Comparison c = compare_groups(index, *find_family(*w, "Back"));
    // Groups 26-40 F (2 1 2) and 26-40 M (0 0 3); "bck" and the empty groups left out.
    ASSERT_TRUE(c.chiSquare.statistic);
    EXPECT_NEAR(*c.chiSquare.statistic, 2.88, 1e-12);
    EXPECT_EQ(c.chiSquare.df, 2);
    EXPECT_NEAR(*c.chiSquare.p, std::exp(-2.88 / 2), 1e-12);
    const double g2 = 2 * (2 * std::log(2 / 1.25) + std::log(1 / 0.625) + 2 * std::log(2 / 3.125) +
                           3 * std::log(3 / 1.875));
    EXPECT_NEAR(*c.logLikelihood.statistic, g2, 1e-12);
    EXPECT_NEAR(*c.logLikelihood.p, std::exp(-g2 / 2), 1e-12);
    EXPECT_NE(c.chiSquare.note.find("below 5"), std::string::npos);
    EXPECT_NE(c.independenceNote.find("not"), std::string::npos);

    // Share of "bk" per author: Ann 2/3 and Cy 0 (Bo has no form of the family
    // in the group text) against Dan 1: ranks 2, 1 against 3, H = 1.5.
    ASSERT_EQ(c.kruskalWallis.size(), 4u);
    const TestResult& bk = c.kruskalWallis[2];
    ASSERT_TRUE(bk.statistic);
    EXPECT_NEAR(*bk.statistic, 1.5, 1e-12);
    EXPECT_EQ(bk.df, 1);
    EXPECT_NEAR(*bk.p, std::erfc(std::sqrt(1.5 / 2)), 1e-12);
}

TEST(CompareGroups, OwnListsAndFamilyNames) {
    World w = back_world();
    const struct {
        const char* name;
        const char* list; // "" for no family
    } names[] = {
        {"lstBack", "lstBack"},
        {"LSTBACK", "lstBack"},
        {"back", "lstBack"},
        {"We", "LstWeForms"},
        {"weforms", "LstWeForms"},
        {"lstweforms", "LstWeForms"},
        {"I", "lstIForms"},
        {"You", "lstUForms"},
        {"ThWords", "lstThWords"},
        {"", ""},
        {"lst", ""},
        {"Backs", ""},
    };
    for (const auto& n : names) {
        auto f = find_family(*w, n.name);
        EXPECT_EQ(f ? f->name : "", n.list) << n.name;
    }
    // "dere" stands twice in its list and is compared once.
    auto th = find_family(*w, "ThWords");
    EXPECT_EQ(th->forms.size(), w.family("ThWords").list.items.size() - 1);
    EXPECT_EQ(th->caption, "'Th' Words");

    FormList own = own_forms(" bk,BK;back\tbak\r\nbck,, ");
    EXPECT_EQ(own.forms, (std::vector<std::string>{"bk", "back", "bak", "bck"}));
    EXPECT_TRUE(own_forms(" ,; ").forms.empty());

    // A list without forms: every group counts nothing and no test can run.
    GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    Comparison none = compare_groups(index, own_forms(""));
    EXPECT_EQ(none.rows.size(), 11u);
    EXPECT_FALSE(none.chiSquare.p);
    EXPECT_FALSE(none.chiSquare.note.empty());
    EXPECT_TRUE(none.kruskalWallis.empty());
    // A form with a mark the group text removes counts nothing there.
    Comparison marks = compare_groups(index, own_forms("back/bk o.k."));
    EXPECT_EQ(row_of(marks, k26F).cells[0].count, 1);
    EXPECT_EQ(row_of(marks, kAll).cells[0].count, 0);
    EXPECT_EQ(row_of(marks, kAll).cells[1].count, 0);
}

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
    World w = back_world();
    expect_counts_match_the_labels(w);
}

TEST(CompareGroups, EveryCountIsTheFamilysGroupLabelOnTheBuiltInCorpus) {
    World w(load_builtin_data().authors, load_builtin_data().corpus, load_builtin_data().glossary);
    expect_counts_match_the_labels(w);
    // The whole-corpus row counts the 53 authors with texts.
    GroupIndex index(w->store(), w->authors(), w->corpus().bands());
    Comparison c = compare_groups(index, *find_family(*w, "Back"));
    EXPECT_EQ(row_of(c, kAll).authors, 53);
    EXPECT_EQ(row_of(c, kAll).words, word_total(w->store().cleanedText));
    int authors = 0;
    for (const GroupRow& r : c.rows) authors += r.group.all ? 0 : r.authors;
    EXPECT_EQ(authors, 53); // the ten groups share the authors out
}

} // namespace
} // namespace zapt::testing
