// The indexed and precomputed paths of the main window state against the literal
// algorithm, on corpora made by tools/make_large_corpus.py at one and ten
// times the built-in corpus (two times under the sanitizers): every group,
// every author, every glossary form and family item must show exactly what the
// literal algorithm gives.
//
// The literal algorithm is the benchmarks' baseline, compiled in here as it is.
#include "bench/core_literal.cpp"

#include "analysis/collocations.h"
#include "app/corpus_source.h"
#include "app/main_window_state.h"
#include "corpus/numbers.h"
#include "lookup/count_word.h"
#include "variation/compare.h"
#include "variation/group_index.h"
#include "variation/statistics.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

namespace zapt {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr int kLarge = 2;
#else
constexpr int kLarge = 10;
#endif

// The corpus of n times the built-in one, written once per test run.
const DataSet& generated(int n) {
    static std::map<int, DataSet> made;
    auto it = made.find(n);
    if (it != made.end()) return it->second;
    const fs::path dir = fs::temp_directory_path() /
                         ("zapt_scale_" + std::to_string(n) + "_" + std::to_string(::getpid()));
    const fs::path tool = fs::path(ZAPT_TOOLS_DIR) / "make_large_corpus.py";
    const std::string cmd = "python3 '" + tool.string() + "' " + std::to_string(n) + " '" +
                            dir.string() + "' 2>/dev/null";
    if (std::system(cmd.c_str()) != 0) throw std::runtime_error("could not run " + cmd);
    DataSet d = load_data_dir(dir.string());
    fs::remove_all(dir);
    return made.emplace(n, std::move(d)).first->second;
}

Effects& quiet() {
    static Effects e;
    return e;
}

constexpr AgeBand kBands[] = {AgeBand::Under18, AgeBand::From18To25, AgeBand::From26To40,
                              AgeBand::From41To60, AgeBand::Over60};
constexpr Gender kGenders[] = {Gender::Female, Gender::Male};

class Scale : public ::testing::TestWithParam<int> {};

TEST_P(Scale, GeneratedCorpusHasItsShape) {
    const DataSet& d = generated(GetParam());
    EXPECT_EQ(d.corpus.size(), 977u * static_cast<unsigned>(GetParam()));
    EXPECT_EQ(d.authors.size(), 81u * static_cast<unsigned>(GetParam()));
    if (GetParam() > 1) {
        EXPECT_GT(d.authors[0].code.size(), 3u); // codes longer than the built-in three digits
    }
}

TEST_P(Scale, StoreIsTheLiteralOne) {
    const DataSet& d = generated(GetParam());
    CorpusStore fast = build_corpus_store(d.corpus, d.authors);
    CorpusStore lit = literal::build_corpus_store(d.corpus, d.authors);
    EXPECT_EQ(fast.rows, lit.rows);
    EXPECT_EQ(fast.textsPerAuthorCaptions, lit.textsPerAuthorCaptions);
    EXPECT_EQ(fast.corpusText, lit.corpusText);
    EXPECT_EQ(fast.cleanedText, lit.cleanedText);
}

TEST_P(Scale, EveryGroupAndAuthorShowsTheLiteralFigures) {
    const DataSet& d = generated(GetParam());
    MainWindowState ex(corpus_of(d), quiet());
    const auto& forms = ex.glossary().forms();
    int authors_seen = 0;
    for (AgeBand band : kBands) {
        for (Gender gender : kGenders) {
            ex.ageOption_Click(band);
            ex.genderOption_Click(gender);
            ex.cmdAgeAndGender_Click();
            const MainForm& f = ex.form1();
            if (GetParam() == 1) {
                // The whole literal group query, its group text re-cleaned row by row.
                literal::GroupResult g =
                    literal::group_query(ex.store(), d.authors, forms, band, gender);
                EXPECT_EQ(f.AgeTable.items, g.AgeTable);
                EXPECT_EQ(f.NumOfGroupTexts, g.NumOfGroupTexts);
                EXPECT_EQ(f.GroupAvTextLength, g.GroupAvTextLength);
                EXPECT_EQ(f.GroupAvNumOfCharacters, g.GroupAvNumOfCharacters);
                EXPECT_EQ(f.GroupAvWordClusterLength, g.GroupAvWordClusterLength);
                EXPECT_EQ(f.GroupAvPuncDensity, g.GroupAvPuncDensity);
                EXPECT_EQ(f.GroupNonStandardFormsDensity, g.GroupNonStandardFormsDensity);
                EXPECT_EQ(f.lstGroupTexts, g.lstGroupTexts);
                EXPECT_EQ(f.Text1, g.Text1);
                EXPECT_EQ(f.Text2, g.Text2);
            }
            // Author by author: the literal selection and Get Author Data, and
            // the group averages summed from their captions.
            std::string sums[6] = {"0", "0", "0", "0", "0", "0"};
            std::vector<std::string> group_rows;
            const std::vector<std::string> codes = f.AgeTable.items;
            for (std::size_t i = 0; i < codes.size(); ++i) {
                literal::AuthorSelection sel = literal::select_author(ex.store(), codes[i]);
                literal::AuthorData a = literal::author_data(sel.lstTextsFound, forms);
                group_rows.insert(group_rows.end(), sel.lstTextsFound.begin(),
                                  sel.lstTextsFound.end());
                const std::string* captions[6] = {
                    &a.lblTextTotal,           &a.lblAvTextLength, &a.lblNumOfCharacters,
                    &a.lblAvWordClusterLength, &a.lblPuncDensity,  &a.lblNonStandardFormDensity};
                for (int k = 0; k < 6; ++k) literal::add_caption(sums[k], *captions[k]);

                ex.selectAgeTable(static_cast<int>(i));
                ex.cmdAuthorData_Click();
                ++authors_seen;
                ASSERT_EQ(f.lstTextsFound, sel.lstTextsFound) << codes[i];
                ASSERT_EQ(f.txtIndividualsTexts, sel.txtIndividualsTexts) << codes[i];
                ASSERT_EQ(f.txtIndividualsTexts2, sel.txtIndividualsTexts2) << codes[i];
                ASSERT_EQ(f.txtTexts, a.txtTexts) << codes[i];
                ASSERT_EQ(f.lblTotWords, a.lblTotWords) << codes[i];
                ASSERT_EQ(f.lblPuncDensity, a.lblPuncDensity) << codes[i];
                ASSERT_EQ(f.lblAvWordClusterLength, a.lblAvWordClusterLength) << codes[i];
                ASSERT_EQ(f.lblTextTotal, a.lblTextTotal) << codes[i];
                ASSERT_EQ(f.lblAvTextLength, a.lblAvTextLength) << codes[i];
                ASSERT_EQ(f.lblNumOfCharacters, a.lblNumOfCharacters) << codes[i];
                ASSERT_EQ(f.lstNonStandards.items, a.lstNonStandards) << codes[i];
                ASSERT_EQ(f.lblNonStandardFormDensity, a.lblNonStandardFormDensity) << codes[i];
                if (i % 7 == 0) {
                    ex.cmdClusterPunctuation_Click();
                    ASSERT_EQ(f.lstClusterPunc.items,
                              literal::cluster_list(sel.txtIndividualsTexts2));
                }
            }
            // The run again, so the group state is the run's own.
            ex.cmdAgeAndGender_Click();
            const double m = static_cast<double>(codes.size());
            EXPECT_EQ(f.NumOfGroupTexts, sums[0]);
            const std::string* group[5] = {&f.GroupAvTextLength, &f.GroupAvNumOfCharacters,
                                           &f.GroupAvWordClusterLength, &f.GroupAvPuncDensity,
                                           &f.GroupNonStandardFormsDensity};
            for (int k = 0; k < 5; ++k) {
                EXPECT_EQ(*group[k],
                          m > 0 ? format_4dec(read_decimal(sums[k + 1]).value_or(0) / m) : "0");
            }
            EXPECT_EQ(f.lstGroupTexts, group_rows);
            std::string joined;
            for (const std::string& r : group_rows) joined += r + " ";
            EXPECT_EQ(f.Text1, joined);
            EXPECT_EQ(f.Text2, literal::reclean(joined, literal::kGroupMarks,
                                                std::size(literal::kGroupMarks), 20));
        }
    }
    EXPECT_EQ(authors_seen, 53 * GetParam());
}

TEST_P(Scale, EveryCorpusCountAndCollocationIsTheLiteralOne) {
    const DataSet& d = generated(GetParam());
    MainWindowState ex(corpus_of(d), quiet());
    ex.ageOption_Click(AgeBand::From41To60);
    ex.genderOption_Click(Gender::Female);
    ex.cmdAgeAndGender_Click();
    const std::string& text2 = ex.store().cleanedText;

    // Every glossary form: its corpus count and its collocations.
    for (int row = 0; row < ex.form1().lstNonStandardForms.count(); ++row) {
        const std::string& w = ex.glossary().forms()[static_cast<std::size_t>(row)];
        ex.selectNonStandardForms(row);
        ASSERT_EQ(ex.form1().lblCorpusTotal, format_whole(count_word(text2, w))) << w;
        ex.cmdColls_Click();
        ASSERT_EQ(ex.form11().Text1, collocations(text2, w)) << w;
    }
    EXPECT_EQ(ex.form1().lblWordTotal, format_whole(literal::count_by_removal(text2, " ")));

    // Every family item in all three buffers, and searches of awkward words.
    for (std::size_t fam = 0; fam < ex.form1().families.size(); ++fam) {
        const FamilyState& f = ex.form1().families[fam];
        for (int row = 0; row < f.list.count(); ++row) {
            const std::string& w = f.list.items[static_cast<std::size_t>(row)];
            ex.selectFamily(fam, row);
            ASSERT_EQ(f.Individual, format_whole(count_word(ex.form1().txtIndividualsTexts, w)));
            ASSERT_EQ(f.InGroup, format_whole(count_word(ex.form1().Text2, w))) << w;
            ASSERT_EQ(f.InCorpus, format_whole(count_word(text2, w))) << w;
        }
    }
    std::set<std::string> words = {"", " ", "u ", "a b", "U", "x", "'", "\x92", "zzzz-not"};
    for_each_piece(text2.substr(0, 20000), [&](std::string_view p) { words.emplace(p); });
    for (const std::string& w : words) {
        ex.txtSearch_Change(w);
        ex.txtSearch_KeyDown(13);
        ASSERT_EQ(ex.form1().lblInstInGroup, format_whole(literal::count_word(ex.form1().Text2, w)))
            << '"' << w << '"';
        ASSERT_EQ(ex.form1().lblInstInCorpus, format_whole(count_word(text2, w)))
            << '"' << w << '"';
    }
    for (const char* w : {"u", "U", "", "the"}) {
        EXPECT_EQ(count_word(text2, w), literal::count_word(text2, w)) << w;
    }

    // Every kind of punctuation count.
    const struct {
        PuncOption option;
        const char* mark;
    } kinds[] = {{PuncOption::Stops, "."},          {PuncOption::Commas, ","},
                 {PuncOption::QuestionMarks, "?"},  {PuncOption::ExclamationMarks, "!"},
                 {PuncOption::Slashes, "/"},        {PuncOption::SemiColons, ";"},
                 {PuncOption::Colons, ":"},         {PuncOption::SpacePlusStop, " ."},
                 {PuncOption::SpacePlusComma, " ,"}};
    for (const auto& k : kinds) {
        ex.puncOption_Click(k.option);
        ex.cmdPuncCount_Click();
        EXPECT_EQ(ex.form1().lblPuncCount,
                  format_whole(literal::count_by_removal(ex.store().corpusText, k.mark)))
            << k.mark;
    }
}

// The comparison of groups against each group's own query: its authors, the
// words and counts of its group text, and each author's count in the author's
// own rows cleaned as the group text cleans them (for the whole corpus, in the
// author's texts cleaned as the cleaned corpus text); the spread and the
// per-author test from those counts.
TEST_P(Scale, EveryComparisonIsTheGroupQuerysCount) {
    const DataSet& d = generated(GetParam());
    MainWindowState ex(corpus_of(d), quiet());
    const GroupIndex index(ex.store(), ex.authors(), ex.corpus().bands());
    std::vector<FormList> lists;
    for (const FamilyState& f : ex.form1().families) lists.push_back(*find_family(ex, f.listName));
    lists.push_back(own_forms("back/bk o.k. U x+y \"hi\" u= 2day"));
    std::vector<Comparison> cs;
    for (const FormList& l : lists) cs.push_back(compare_groups(index, l));

    static constexpr CharSet kGroupMarks(kGroupCleaningSet), kCorpusMarks(kCorpusCleaningSet);
    // The selected author's rows as the group text cleans them.
    auto selected_group_text = [&] {
        std::string own;
        for (const std::string& r : ex.form1().lstTextsFound) {
            append_cleaned(own, r, kGroupMarks);
            append_cleaned(own, " ", kGroupMarks);
        }
        return own;
    };
    // The texts of each folded name, for the whole corpus's authors.
    std::map<std::string, std::string> corpus_text_of_name;
    for (std::size_t n = 0; n < d.corpus.size(); ++n) {
        std::string& t = corpus_text_of_name[fold_text(d.corpus[n].author)];
        std::string one;
        append_cleaned(one, d.corpus[n].text, kCorpusMarks, true);
        append_cleaned(one, " ", kCorpusMarks);
        t += one;
    }
    const auto groups = comparison_groups(AgeBands());
    for (std::size_t gi = 0; gi < groups.size(); ++gi) {
        const GroupKey& g = groups[gi];
        SCOPED_TRACE(group_label(AgeBands(), g));
        // Each author's own text in the group, as the comparison reads it.
        std::vector<std::string> author_texts;
        std::string group_text;
        if (g.all) {
            for (std::size_t j = 0; j < ex.store().authorCodes.size(); ++j) {
                if (!ex.store().authorHasTexts(j)) continue;
                author_texts.push_back(corpus_text_of_name[fold_text(ex.store().authorNames[j])]);
            }
            group_text = ex.store().cleanedText;
        } else {
            ex.ageOption_Click(g.band);
            ex.genderOption_Click(g.gender);
            ex.cmdAgeAndGender_Click();
            group_text = ex.form1().Text2;
            for (int i = 0; i < ex.form1().AgeTable.count(); ++i) {
                ex.selectAgeTable(i);
                author_texts.push_back(selected_group_text());
            }
        }
        for (std::size_t li = 0; li < lists.size(); ++li) {
            const GroupRow& row = cs[li].rows[gi];
            ASSERT_EQ(row.group, g);
            ASSERT_EQ(row.authors, static_cast<int>(author_texts.size()));
            ASSERT_EQ(row.words, word_total(group_text));
            const std::size_t nforms = lists[li].forms.size();
            std::vector<std::vector<int>> by_author;
            for (const std::string& t : author_texts) {
                std::vector<int> counts;
                for (const std::string& f : lists[li].forms) counts.push_back(count_word(t, f));
                by_author.push_back(counts);
            }
            for (std::size_t f = 0; f < nforms; ++f) {
                const std::string& form = lists[li].forms[f];
                const FormCell& cell = row.cells[f];
                ASSERT_EQ(cell.count, count_word(group_text, form)) << form;
                int using_it = 0, top = 0;
                for (const auto& counts : by_author) {
                    using_it += counts[f] > 0;
                    top = std::max(top, counts[f]);
                }
                ASSERT_EQ(cell.authorsUsing, using_it) << form;
                if (cell.spread == SpreadStatus::Shown) {
                    ASSERT_EQ(cell.topAuthorShare, static_cast<double>(top) / cell.count) << form;
                }
            }
        }
    }
    // The per-author test, from the counts of the group query's authors.
    for (std::size_t li = 0; li < lists.size(); ++li) {
        const std::size_t nforms = lists[li].forms.size();
        std::vector<std::vector<std::vector<double>>> shares(nforms);
        for (const GroupKey& g : groups) {
            if (g.all) continue;
            ex.ageOption_Click(g.band);
            ex.genderOption_Click(g.gender);
            ex.cmdAgeAndGender_Click();
            std::vector<std::vector<double>> sample(nforms);
            for (int i = 0; i < ex.form1().AgeTable.count(); ++i) {
                ex.selectAgeTable(i);
                const std::string own = selected_group_text();
                std::vector<int> counts;
                int total = 0;
                for (const std::string& f : lists[li].forms) {
                    counts.push_back(count_word(own, f));
                    total += counts.back();
                }
                if (total == 0) continue;
                for (std::size_t f = 0; f < nforms; ++f) {
                    sample[f].push_back(static_cast<double>(counts[f]) / total);
                }
            }
            for (std::size_t f = 0; f < nforms; ++f) shares[f].push_back(sample[f]);
        }
        for (std::size_t f = 0; f < nforms; ++f) {
            const TestResult kw = kruskal_wallis(shares[f]);
            EXPECT_EQ(cs[li].kruskalWallis[f].statistic, kw.statistic) << lists[li].forms[f];
            EXPECT_EQ(cs[li].kruskalWallis[f].p, kw.p) << lists[li].forms[f];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Generated, Scale, ::testing::Values(1, kLarge));

} // namespace
} // namespace zapt
