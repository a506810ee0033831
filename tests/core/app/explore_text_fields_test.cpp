// The Explore window over a table with text fields: a subcorpus chosen by a
// text field counts its authors, texts and words over the texts it holds,
// and the word list, keywords and concordance use those texts only.
#include "app/corpus_source.h"
#include "app/explore_form.h"
#include "corpus/table_reader.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

// Three authors; "sent" differs between each author's texts (a text field).
const char* const kTable = "author,town,sent,text\n"
                           "ann,Leeds,2020-01-01,c u 2moro x\n"
                           "ann,Leeds,2020-01-02,ok see u there\n"
                           "bo,York,2020-01-02,c u l8r m8\n"
                           "bo,York,2020-01-03,u ok\n"
                           "cy,Leeds,2020-01-03,see you tomorrow\n"
                           "cy,Leeds,2020-01-04,u u\n";

struct Window {
    std::shared_ptr<const Corpus> corpus;
    std::unique_ptr<ExploreForm> form;

    // The corpus of the table; without `values`, one that knows the text
    // fields' names only.
    explicit Window(bool values = true) {
        LoadReport report;
        DataSet d = read_table_text("t.csv", kTable, TableOptions{}, report);
        d.glossary = GlossaryData{{"u"}, {"you"}};
        if (!values) d.textMetadata.clear();
        corpus = corpus_of(std::move(d));
        form = std::make_unique<ExploreForm>(*corpus, "/nonexistent/words");
    }
    void define(const std::string& name, const std::string& conditions) {
        form->txtName_Change(name);
        form->txtConditions_Change(conditions);
        form->cmdDefine_Click();
    }
};

std::size_t column(const ResultTable& t, const std::string& name) {
    return static_cast<std::size_t>(std::find(t.columns.begin(), t.columns.end(), name) -
                                    t.columns.begin());
}

TEST(ExploreTextFieldsWindow, SubcorporaOfTextsCountTheirAuthorsTextsAndWords) {
    Window w;
    ASSERT_EQ(w.corpus->metadata().textColumns, std::vector<std::string>{"sent"});
    struct Case {
        std::string name, conditions, status;
        std::vector<std::string> counts; // authors, texts, words
    };
    const Case cases[] = {
        {"second day", "sent=2020-01-02", "\"second day\": 2 authors", {"2", "2", "8"}},
        {"Leeds later",
         "town=leeds; sent=2020-01-02..2020-01-31",
         "\"Leeds later\": 2 authors",
         {"2", "3", "9"}},
        {"first day", "sent=2020-01-01", "\"first day\": 1 author", {"1", "1", "4"}},
        {"York", "town=York", "\"York\": 1 author", {"1", "2", "6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.conditions);
        w.define(c.name, c.conditions);
        EXPECT_EQ(w.form->subcorpora().status, c.status);
        const auto& row = w.form->subcorpora().table.rows.back();
        EXPECT_EQ(row[0], c.name);
        EXPECT_EQ(std::vector<std::string>(row.begin() + 2, row.end()), c.counts);
    }
    // The whole corpus stays as it was.
    EXPECT_EQ(w.form->subcorpora().table.rows[0],
              (std::vector<std::string>{"whole corpus", "whole corpus", "3", "6", "19"}));
    // A value no text has names the values the field has.
    w.define("never", "sent=1999-01-01");
    EXPECT_NE(w.form->subcorpora().status.find(
                  "sent (a text field) has the values 2020-01-01, 2020-01-02, 2020-01-03, "
                  "2020-01-04; no text has \"1999-01-01\""),
              std::string::npos)
        << w.form->subcorpora().status;

    // The tools use the chosen texts only.
    w.form->wordScope_Click(1); // second day: "ok see u there", "c u l8r m8"
    w.form->cmdWordList_Click();
    const ResultTable& list = w.form->wordList().table;
    EXPECT_EQ(list.rows.size(), 7u);
    EXPECT_EQ(list.rows[0][0], "u");
    EXPECT_EQ(list.rows[0][column(list, "count")], "2");
    EXPECT_EQ(list.rows[0][column(list, "authors_using")], "2");
    EXPECT_EQ(w.form->wordList().status, "7 forms in 8 words");

    w.form->keywordsA_Click(1);
    w.form->minAuthors_Change(0);
    w.form->cmdKeywords_Click();
    // B is the rest: the four other texts, of all three authors.
    EXPECT_EQ(w.form->keywords().status.rfind("11 keywords (A: 8 words, B: 11 words)", 0), 0u)
        << w.form->keywords().status;

    w.form->concordanceScope_Click(3); // first day: ann's first text alone
    w.form->txtQuery_Change("u");
    w.form->cmdConcordance_Click();
    const ResultTable& lines = w.form->concordance().table;
    ASSERT_EQ(lines.rows.size(), 1u);
    // Half of the text's four pieces: the hit and one word left.
    EXPECT_EQ(lines.rows[0][column(lines, "left")], "c");
    EXPECT_EQ(lines.rows[0][column(lines, "right")], "");
}

// Without each text's values (a window told only the fields' names), a
// condition on a text field is refused as before.
TEST(ExploreTextFieldsWindow, WithoutTheValuesATextFieldIsRefused) {
    Window w(false);
    w.define("second day", "sent=2020-01-02");
    EXPECT_NE(w.form->subcorpora().status.find("\"sent\" is a text field"), std::string::npos)
        << w.form->subcorpora().status;
    EXPECT_EQ(w.form->subcorpora().list.size(), 1u);
}

} // namespace
} // namespace zapt
