// The figures the built-in corpus must show, checked on the corpus made of the
// data the program carries: its store, its register, its glossary and its
// variant families. What the main window shows of it, and the road of a typical
// use, are tested with the main window's state (tests/core/app).
#include "corpus/collation.h"
#include "corpus/text.h"
#include "test_corpus.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace zapt::testing {
namespace {

const DataSet& data() {
    return builtin_data();
}
const Corpus& corpus() {
    return builtin_corpus();
}

TEST(BuiltInCorpus, CorpusStoreFigures) {
    const CorpusStore& s = corpus().store();
    EXPECT_EQ(corpus().textCount(), 977);
    EXPECT_EQ(s.rows.size(), 977u);
    // Lengths in characters (the seventeen "£" take two bytes each).
    EXPECT_EQ(char_count(s.corpusText), 66784u);
    EXPECT_EQ(char_count(s.cleanedText), 65346u);
    EXPECT_EQ(s.cleanedIndex.total(), 14800);
    EXPECT_NE(s.cleanedText.front(), ' ');
    EXPECT_EQ(s.corpusText.find("  "), std::string::npos);
    EXPECT_EQ(s.corpusText.back(), ' ');

    int with_texts = 0, sum = 0, most = 0;
    for (int n : s.textsPerAuthor) {
        with_texts += n > 0;
        sum += n;
        most = std::max(most, n);
    }
    EXPECT_EQ(s.textsPerAuthorCaptions.size(), 81u);
    EXPECT_EQ(with_texts, 53);
    EXPECT_EQ(sum, 950);
    EXPECT_EQ(most, 104);
}

TEST(BuiltInCorpus, TextsKeepTheirBlanksAndRules) {
    int trailing = 0, leading = 0, inner_double = 0;
    std::size_t longest = 0;
    for (std::size_t n = 0; n < data().corpus.size(); ++n) {
        const std::string& t = data().corpus[n].text;
        longest = std::max(longest, t.size());
        std::string_view trimmed = trim_trailing_blanks(t);
        std::size_t tail = t.size() - trimmed.size();
        trailing += tail > 0;
        EXPECT_LE(tail, 2u) << n;
        leading += t.front() == ' ';
        inner_double += trimmed.find("  ") != std::string_view::npos;
        EXPECT_EQ(corpus().store().rows[n], std::string(trimmed) + " ");
    }
    EXPECT_EQ(trailing, 104);
    EXPECT_EQ(leading, 1);
    EXPECT_EQ(inner_double, 39);
    EXPECT_LE(longest, 441u);
    EXPECT_NE(data().corpus.front().text.front(), ' ');
}

TEST(BuiltInCorpus, AuthorNamesTieTextsToTheRegister) {
    const CorpusStore& s = corpus().store();
    std::set<std::string> exact(s.authorNames.begin(), s.authorNames.end());
    int matched = 0, in_case = 0;
    for (const std::string& name : s.textNames) {
        bool any = std::any_of(s.authorNames.begin(), s.authorNames.end(),
                               [&](const std::string& c) { return iequals(c, name); });
        matched += any;
        in_case += exact.count(name) > 0;
    }
    EXPECT_EQ(matched, 950);
    EXPECT_EQ(in_case, 922);
}

TEST(BuiltInCorpus, RegisterFigures) {
    const AuthorRegister& r = corpus().authors();
    ASSERT_EQ(r.size(), 81u);
    EXPECT_EQ(r.codes.front(), "060");
    EXPECT_TRUE(std::is_sorted(r.codes.begin() + 1, r.codes.end()));
    std::set<std::string> codes(r.codes.begin(), r.codes.end());
    EXPECT_EQ(codes.size(), 81u);
    EXPECT_EQ(codes.count("062"), 0u);
    EXPECT_EQ(*codes.begin(), "001");
    EXPECT_EQ(*codes.rbegin(), "082");
    EXPECT_EQ(std::set<std::string>(r.names.begin(), r.names.end()).size(), 81u);

    std::map<std::string, int> gender, education, language;
    std::set<int> ages;
    for (std::size_t i = 0; i < r.size(); ++i) {
        ++gender[r.genders[i]];
        ++education[r.educations[i]];
        ++language[r.nativeLanguages[i]];
        ages.insert(std::stoi(r.ages[i]));
    }
    EXPECT_EQ(gender, (std::map<std::string, int>{{"F", 51}, {"M", 30}}));
    EXPECT_EQ(education, (std::map<std::string, int>{{"G", 25}, {"HS", 26}, {"U", 30}}));
    EXPECT_EQ(language, (std::map<std::string, int>{{"C", 1}, {"Cr", 1}, {"E", 79}}));
    EXPECT_EQ(ages.size(), 32u);
    EXPECT_EQ(*ages.begin(), 11);
    EXPECT_EQ(*ages.rbegin(), 70);
    // "060": male, under 18, one text.
    EXPECT_EQ(r.genders[0], "M");
    EXPECT_LT(std::stoi(r.ages[0]), 18);
    EXPECT_EQ(corpus().store().textsPerAuthor[0], 1);
}

TEST(BuiltInCorpus, GlossaryAndVariantLists) {
    const GlossaryData& g = corpus().lexicon().glossaryData;
    ASSERT_EQ(g.forms.size(), 743u);
    ASSERT_EQ(g.interpretations.size(), 739u); // the last four forms have none
    EXPECT_EQ(g.forms[591], "Thort");
    EXPECT_EQ(g.interpretations[591], "thought");
    EXPECT_EQ(g.forms[444], "oclok");
    EXPECT_EQ(g.interpretations[29],
              "isn\xE2\x80\x99t, aren\xE2\x80\x99t"); // typographic apostrophes
    for (std::size_t row = 0; row < 739; ++row) EXPECT_FALSE(g.interpretations[row].empty()) << row;
    // Seven pairs differ only in case: 736 distinct forms without regard to case.
    std::set<std::string> folded;
    for (std::string f : g.forms) {
        for (char& c : f) c = fold_case(c);
        folded.insert(f);
    }
    EXPECT_EQ(folded.size(), 736u);

    const std::size_t sizes[] = {5, 43, 7, 10, 12, 4, 19, 6, 12, 17, 8, 12, 10, 14, 12, 7};
    const std::vector<VariantFamily>& families = corpus().families();
    ASSERT_EQ(families.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(families[i].items.size(), sizes[i]) << i;
    // The 'Th' list is given in the order its sorted list box shows it.
    EXPECT_EQ(families[1].stem, "ThWords");
    std::vector<std::string> sorted = families[1].items;
    sort_collated(sorted);
    EXPECT_EQ(sorted, families[1].items);
}

TEST(BuiltInCorpus, NoTextHoldsTheFourFormsWithoutInterpretation) {
    const CorpusStore& s = corpus().store();
    for (const char* form : {"texin", "texn", "txtn", "textn"}) {
        EXPECT_EQ(s.cleanedIndex.count(form), 0) << form;
    }
    std::string first = s.cleanedText.substr(0, s.cleanedText.find(' '));
    const std::vector<std::string>& forms = corpus().lexicon().glossaryData.forms;
    EXPECT_FALSE(std::any_of(forms.begin(), forms.end(), [&](const std::string& f) {
        return iequals(f, first);
    })) << first;
}

} // namespace
} // namespace zapt::testing
