// The comparison of groups: counts, bases, shares, spread and privacy on a
// hand-made corpus, and on the built-in corpus the whole-corpus row. That
// every count is the one the family's group label shows after that group's
// query is a test of the main window's state (tests/core/app).
#include "lookup/count_word.h"
#include "tests/core/variation/back_corpus.h"
#include "variation/compare.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zapt::testing {
namespace {

std::shared_ptr<const Corpus> back_corpus() {
    return small_corpus(back_authors(), back_texts());
}

const GroupRow& row_of(const Comparison& c, const GroupKey& g) {
    for (const GroupRow& r : c.rows) {
        if (r.group == g) return r;
    }
    throw std::runtime_error("no row " + group_label(AgeBands(), g));
}

// The variant family of a stem ("ThWords").
const VariantFamily& family_of(const std::vector<VariantFamily>& families,
                               const std::string& stem) {
    for (const VariantFamily& f : families) {
        if (f.stem == stem) return f;
    }
    throw std::runtime_error("no family " + stem);
}

constexpr GroupKey k26F{false, AgeBand::From26To40, Gender::Female};
constexpr GroupKey k26M{false, AgeBand::From26To40, Gender::Male};
constexpr GroupKey kAll{true, AgeBand::Under18, Gender::Female};

TEST(CompareGroups, CountsBasesSharesAndAuthorsByHand) {
    const std::shared_ptr<const Corpus> corpus = back_corpus();
    GroupIndex index(corpus->store(), corpus->authors(), corpus->bands());
    auto family = find_family(corpus->families(), "back");
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
    const std::shared_ptr<const Corpus> corpus = back_corpus();
    GroupIndex index(corpus->store(), corpus->authors(), corpus->bands());
    const FormList forms = *find_family(corpus->families(), "lstBack");
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
    const std::shared_ptr<const Corpus> corpus = back_corpus();
    GroupIndex index(corpus->store(), corpus->authors(), corpus->bands());
    Comparison c = compare_groups(index, *find_family(corpus->families(), "Back"));
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
    const std::shared_ptr<const Corpus> corpus = back_corpus();
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
        auto f = find_family(corpus->families(), n.name);
        EXPECT_EQ(f ? f->name : "", n.list) << n.name;
    }
    // "dere" stands twice in its list and is compared once.
    auto th = find_family(corpus->families(), "ThWords");
    EXPECT_EQ(th->forms.size(), listed_items(family_of(corpus->families(), "ThWords")).size() - 1);
    EXPECT_EQ(th->caption, "'Th' Words");

    FormList own = own_forms(" bk,BK;back\tbak\r\nbck,, ");
    EXPECT_EQ(own.forms, (std::vector<std::string>{"bk", "back", "bak", "bck"}));
    EXPECT_TRUE(own_forms(" ,; ").forms.empty());

    // A list without forms: every group counts nothing and no test can run.
    GroupIndex index(corpus->store(), corpus->authors(), corpus->bands());
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

TEST(CompareGroups, TheWholeCorpusRowCountsEveryAuthorWithTextsOnTheBuiltInCorpus) {
    const Corpus& corpus = builtin_corpus();
    GroupIndex index(corpus.store(), corpus.authors(), corpus.bands());
    Comparison c = compare_groups(index, *find_family(corpus.families(), "Back"));
    EXPECT_EQ(row_of(c, kAll).authors, 53);
    EXPECT_EQ(row_of(c, kAll).words, word_total(corpus.store().cleanedText));
    int authors = 0;
    for (const GroupRow& r : c.rows) authors += r.group.all ? 0 : r.authors;
    EXPECT_EQ(authors, 53); // the ten groups share the authors out
}

} // namespace
} // namespace zapt::testing
