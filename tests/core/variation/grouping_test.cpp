// Groups made of any field: which authors each grouping puts together, in
// what order, who is left out, and the counts the comparison reads from them.
#include "test_corpus.h"
#include "variation/compare.h"
#include "variation/group_metrics.h"
#include "variation/tables.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

// Education with a missing value and two spellings of one value, a Region
// column with a missing value and two spellings of "North", an author
// without texts and a text of no registered author.
struct FieldCorpus {
    std::shared_ptr<const Corpus> corpus =
        small_corpus({author("001", "Ann", "30", "F", "U"), author("002", "Bo", "17", "F", "hs"),
                      author("003", "Cy", "45", "M", "HS"), author("004", "Dan", "33", "M", "NA"),
                      author("005", "Eve", "70", "F", "U"), author("006", "Fay", "22", "F", "G")},
                     {{"Ann", "bk back"},
                      {"Bo", "bk"},
                      {"Cy", "back back"},
                      {"Dan", "bk bk"},
                      {"Eve", "back"},
                      {"Zed", "bk"}});
    std::vector<std::string> columns{"Region"};
    std::vector<std::vector<std::string>> metadata{{"North"}, {"south"}, {""},
                                                   {"North"}, {"north"}, {"East"}};
    AuthorFields fields() { return {&corpus->authors(), &columns, &metadata}; }
};

GroupBy by(const std::string& text, const AuthorFields& fields) {
    std::string error;
    std::optional<GroupBy> b = parse_group_by(text, fields, &error);
    if (!b) throw std::runtime_error(error);
    return *b;
}

TEST(Grouping, GroupsOrderLeftOutAndCountsByHand) {
    FieldCorpus fw;
    const AuthorFields fields = fw.fields();
    std::vector<char> women(fields.size(), 0);
    for (std::size_t k : {0u, 1u, 4u, 5u}) women[k] = 1;
    const FormList forms = own_forms("bk back");
    // Per group: its labels, authors, words, and the counts of bk and back;
    // the whole corpus last.
    struct Row {
        std::vector<std::string> labels;
        int authors, words, bk, back;
    };
    const struct {
        std::string groupBy;
        bool womenOnly;
        std::vector<std::string> columns;
        int leftOut;
        std::vector<Row> rows;
    } cases[] = {
        {"education",
         false,
         {"education"},
         1, // Dan's "NA"
         {{{"hs"}, 2, 3, 1, 2}, {{"U"}, 2, 3, 1, 2}, {{"all"}, 5, 9, 5, 4}}},
        {"region, sex",
         false,
         {"Region", "gender"},
         1, // Cy has no region
         {{{"North", "F"}, 2, 3, 1, 2},
          {{"North", "M"}, 1, 2, 2, 0},
          {{"south", "F"}, 1, 1, 1, 0},
          {{"all", "all"}, 5, 9, 5, 4}}},
        {"age",
         false,
         {"band"},
         0,
         {{{"<18"}, 1, 1, 1, 0},
          {{"26 to 40"}, 2, 4, 3, 1},
          {{"41 to 60"}, 1, 2, 0, 2},
          {{"61+"}, 1, 1, 0, 1},
          {{"all"}, 5, 9, 5, 4}}},
        // Within the women: the whole-corpus row is theirs, as the group text.
        {"education",
         true,
         {"education"},
         0,
         {{{"hs"}, 1, 1, 1, 0}, {{"U"}, 2, 3, 1, 2}, {{"all"}, 3, 4, 2, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.groupBy + (c.womenOnly ? " within the women" : ""));
        const GroupIndex index(fw.corpus->store(), fields, by(c.groupBy, fields),
                               c.womenOnly ? &women : nullptr);
        const Comparison cmp = compare_groups(index, forms);
        EXPECT_EQ(cmp.groupColumns, c.columns);
        EXPECT_EQ(cmp.leftOut, c.leftOut);
        ASSERT_EQ(cmp.rows.size(), c.rows.size());
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const GroupRow& got = cmp.rows[i];
            const Row& want = c.rows[i];
            EXPECT_EQ(got.labels, want.labels) << i;
            EXPECT_EQ(got.authors, want.authors) << i;
            EXPECT_EQ(got.words, want.words) << i;
            EXPECT_EQ(got.cells[0].count, want.bk) << i;
            EXPECT_EQ(got.cells[1].count, want.back) << i;
        }
        // The tables name the group columns after the fields.
        ResultTable t = comparison_table(cmp);
        EXPECT_EQ(std::vector<std::string>(t.columns.begin(),
                                           t.columns.begin() + static_cast<long>(c.columns.size())),
                  c.columns);
        EXPECT_EQ(t.columns[c.columns.size()], "form");
    }
}

TEST(Grouping, TheQueryGroupsThroughAnyConstructorGiveTheSameTables) {
    FieldCorpus fw;
    const AuthorFields fields = fw.fields();
    const FormList forms = *find_family(fw.corpus->families(), "Back");
    const GroupIndex plain(fw.corpus->store(), fw.corpus->authors(), fw.corpus->bands());
    const GroupIndex chosen(fw.corpus->store(), fields, by("Age, Gender", fields));
    EXPECT_TRUE(chosen.groupBy().bandByGender());
    const Comparison a = compare_groups(plain, forms), b = compare_groups(chosen, forms);
    EXPECT_EQ(write_export(comparison_table(a), TableFormat::Csv, {}),
              write_export(comparison_table(b), TableFormat::Csv, {}));
    EXPECT_EQ(comparison_table(a).columns[0], "band");
    EXPECT_EQ(write_export(group_metrics_table(group_metrics(fw.corpus->authorIndex(), AgeBands())),
                           TableFormat::Csv, {}),
              write_export(group_metrics_table(group_metrics(fw.corpus->authorIndex(), chosen),
                                               chosen.groupBy(), 0, false),
                           TableFormat::Csv, {}));
}

TEST(Grouping, AuthorFiguresOfAChosenGrouping) {
    FieldCorpus fw;
    const AuthorFields fields = fw.fields();
    const GroupIndex index(fw.corpus->store(), fields, by("education", fields));
    const std::vector<GroupMetricsRow> rows = group_metrics(fw.corpus->authorIndex(), index);
    ASSERT_EQ(rows.size(), 2u);
    // Bo and Cy: one text each; Ann and Eve likewise.
    EXPECT_EQ(rows[0].labels, std::vector<std::string>{"hs"});
    EXPECT_EQ(rows[0].authors, 2);
    EXPECT_EQ(rows[0].values[0], "2");
    // Average text length: Bo 2 pieces, Cy 3 (the empty piece after the blank).
    EXPECT_EQ(rows[0].values[1], "2.5");
    EXPECT_TRUE(rows[0].spreadWithheld);
    const ResultTable t = group_metrics_table(rows, index.groupBy(), index.leftOut(), false);
    EXPECT_EQ(t.columns[0], "education");
    EXPECT_EQ(t.rows[1][0], "U");
}

TEST(Grouping, ChoicesAndWhatIsRefused) {
    FieldCorpus fw;
    const AuthorFields fields = fw.fields();
    const std::vector<GroupBy> choices = group_by_choices(fields);
    // The query's groups, five fields, and the ten pairs but age band × gender.
    ASSERT_EQ(choices.size(), 1u + 5u + 9u);
    EXPECT_EQ(choices[0].caption(), "age band × gender");
    EXPECT_EQ(choices[1].caption(), "age band");
    EXPECT_EQ(choices[5].caption(), "Region");
    EXPECT_EQ(choices.back().caption(), "native language × Region");
    for (const char* bad : {"colour", "education,Education", "age,gender,education", ""}) {
        std::string error;
        EXPECT_FALSE(parse_group_by(bad, fields, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

} // namespace
} // namespace zapt::testing
