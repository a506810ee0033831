// The group figures the author index works out without a query: on the
// built-in corpus every author with texts stands in exactly one of the ten
// groups, and an author index built from the corpus's parts gives the same
// figures; where codes and names are awkward, the authors a group lists are
// the ones its query would list.
#include "analysis/glossary.h"
#include "authors/author_index.h"
#include "authors/group_figures.h"
#include "test_corpus.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

TEST(GroupFigures, TheTenGroupsShareOutTheAuthorsWithTexts) {
    const Corpus& corpus = builtin_corpus();
    const AuthorIndex rebuilt(corpus.store(), corpus.authors(), corpus.glossary());
    std::size_t authors = 0;
    for (AgeBand band : corpus.bands().bands()) {
        for (Gender gender : {Gender::Female, Gender::Male}) {
            SCOPED_TRACE(corpus.bands().caption(band) + " " + std::string(gender_letter(gender)));
            const GroupFigures f =
                group_figures(corpus.authorIndex(), corpus.bands(), band, gender);
            const GroupFigures again = group_figures(rebuilt, corpus.bands(), band, gender);
            EXPECT_EQ(f.group, again.group);
            EXPECT_EQ(f.authors, again.authors);
            EXPECT_EQ(f.values, again.values);
            EXPECT_EQ(f.values.size(), f.authors.size());
            authors += f.authors.size();
        }
    }
    EXPECT_EQ(corpus.bands().size(), 5u);
    EXPECT_EQ(authors, 53u);
}

TEST(GroupFigures, TheAuthorsOfAGroupWhereCodesAndNamesAreAwkward) {
    // A code given twice (the selection finds the last row), an author
    // without texts, names matched without regard to case, an age between
    // two bands, a gender in small letters.
    const std::shared_ptr<const Corpus> corpus =
        small_corpus({author("001", "Ann", "30", "F"), author("002", "Bo", "25.5", "f"),
                      author("001", "Cy", "33", "F"), author("004", "Dee", "35", "F"),
                      author("005", "Eve", "70", "M")},
                     {{"Ann", "hi there, u ok?"},
                      {"BO", "bk soon x"},
                      {"Cy", "c u l8r"},
                      {"cy", "wot, wen?"},
                      {"Eve", "Back at 5."},
                      {"Zed", "nobody's"}});
    const GroupFigures f =
        group_figures(corpus->authorIndex(), corpus->bands(), AgeBand::From26To40, Gender::Female);
    // Each of the two register rows of 001 lists the code once for each of
    // them (both have texts): four rows of 001; Bo's 25.5 lies in this band too;
    // Dee has no texts.
    ASSERT_EQ(f.authors.size(), 5u);
    EXPECT_EQ(f.authors[0], f.authors[4]); // every row of 001 selects Cy, the last
    EXPECT_EQ(f.authors[0][0], "2");
}

} // namespace
} // namespace zapt::testing
