// The Explore window's new tools as state: the filters of the word list and
// the keywords, the emoticon list (a new form index built on a second thread),
// a reference corpus as B, the authors' fields beside the concordance lines
// with their tally, and the click through from a row to its concordance or
// from the tally to the comparison. Each is checked against the core's own
// functions over the same corpus.
#include "app/explore_form.h"
#include "tests/core/app/main_window_world.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

namespace zapt {
namespace {

using testing::ExploreCorpus;
using testing::writer;
using Tab = ExploreForm::Tab;

// A folder of its own for the files a test writes, removed afterwards.
struct TempDir {
    std::filesystem::path path;
    TempDir() {
        path = std::filesystem::temp_directory_path() /
               ("zapt-explore-tools-" +
                std::to_string(::testing::UnitTest::GetInstance()->current_test_info()->line()) +
                "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string write(const std::string& name, const std::string& text) const {
        const std::filesystem::path p = path / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
};

struct Window {
    ExploreCorpus corpus{{writer("01", "Ann Lee", "17", "F", "S"),
                          writer("02", "Bo Ray", "19", "M"), writer("03", "Cy Day", "40", "F", "G"),
                          writer("04", "Di Fay", "16", "F")},
                         {{"Ann Lee", "c u 2moro x :) 5 <#>"},
                          {"Bo Ray", "c u l8r m8 :P 5"},
                          {"Cy Day", "see you tomorrow a* ab"},
                          {"Di Fay", "u"},
                          {"Di Fay", "2moro u x x :-) a* <#>"}}};
    Glossary glossary{GlossaryData{{"u", "2moro"}, {"you", "tomorrow"}}};
    std::vector<std::string> columns{"town"};
    std::vector<std::vector<std::string>> towns{{"Leeds"}, {"York"}, {"Leeds"}, {"York"}};
    std::shared_ptr<const Corpus> made =
        testing::corpus_like(corpus, glossary.data(), columns, towns);
    ExploreForm form{*made, "/nonexistent/words"};

    void define(const std::string& name, const std::string& conditions) {
        form.txtName_Change(name);
        form.txtConditions_Change(conditions);
        form.cmdDefine_Click();
    }
};

// Every hit of a concordance, shown or not: the sum of its tally's hits.
std::size_t total_hits(const ResultTable& tally) {
    const auto at = std::find(tally.columns.begin(), tally.columns.end(), "hits");
    std::size_t n = 0;
    for (const auto& row : tally.rows)
        n += std::stoul(row.at(static_cast<std::size_t>(at - tally.columns.begin())));
    return n;
}

std::vector<std::string> first_column(const ResultTable& t) {
    std::vector<std::string> out;
    for (const auto& row : t.rows) out.push_back(row.at(0));
    return out;
}

// Each filter of the word list gives the rows the core's word list gives
// with the same options, is named in the table's settings, and makes a table
// made without it stale.
TEST(ExploreTools, WordListFiltersGiveTheCoresRows) {
    TempDir dir;
    const std::string stop = dir.write("stop.txt", "# forms left out\nU\n\nx\n");
    const struct {
        const char* name;
        std::function<void(ExploreForm&)> set;
        std::function<void(WordListOptions&)> options;
        const char* setting; // a "#" line the table then has
    } cases[] = {
        {"minimum count", [](ExploreForm& f) { f.minCount_Change(Tab::WordList, 2); },
         [](WordListOptions& o) { o.minCount = 2; }, "minimum count"},
        {"minimum authors", [](ExploreForm& f) { f.wordMinAuthors_Change(2); },
         [](WordListOptions& o) { o.minAuthors = 2; }, "minimum authors"},
        {"no numbers", [](ExploreForm& f) { f.noNumbers_Click(Tab::WordList, true); },
         [](WordListOptions& o) { o.filter.noNumbers = true; }, "numbers"},
        {"stop list",
         [&](ExploreForm& f) { f.txtStopList_Change(Tab::WordList, " " + stop + " "); },
         [&](WordListOptions& o) {
             std::string error;
             o.filter.stopList = *read_stop_list(stop, &error);
         },
         "stop list"},
    };
    for (const auto& c : cases) {
        Window w;
        ExploreForm& f = w.form;
        f.cmdWordList_Click();
        const ResultTable before = f.wordList().table;
        c.set(f);
        EXPECT_TRUE(f.stale(Tab::WordList)) << c.name;
        EXPECT_FALSE(f.stale(Tab::Keywords)) << c.name;
        f.cmdWordList_Click();
        EXPECT_FALSE(f.stale(Tab::WordList)) << c.name;
        WordListOptions o;
        c.options(o);
        const WordList want =
            word_list(*w.corpus, whole_scope(*w.corpus), GlossaryForms(w.glossary), nullptr, o);
        const ResultTable t = word_list_table(want, "whole corpus", o);
        EXPECT_EQ(f.wordList().table.rows, t.rows) << c.name;
        EXPECT_NE(f.wordList().table.rows, before.rows) << c.name; // the filter left something out
        EXPECT_FALSE(f.wordList().table.setting(c.setting).empty()) << c.name;
    }
    // The numbers and placeholders themselves.
    Window w;
    w.form.noNumbers_Click(Tab::WordList, true);
    w.form.cmdWordList_Click();
    for (const std::string& form : first_column(w.form.wordList().table)) {
        EXPECT_NE(form, "5");
        EXPECT_NE(form, "<#>");
    }
}

// A stop list that cannot be read says so and changes nothing; one read is
// named with its forms before it is used.
TEST(ExploreTools, AStopListThatCannotBeReadLeavesTheTableAsItWas) {
    TempDir dir;
    Window w;
    ExploreForm& f = w.form;
    f.cmdWordList_Click();
    const ResultTable before = f.wordList().table;
    const struct {
        std::string path, said;
    } cases[] = {
        {(dir.path / "missing.txt").string(), "missing.txt"},
        {dir.write("two.txt", "u\nc u\n"), "two.txt, line 2"},
        {dir.write("bad.txt", "u\n\xFF\n"), "UTF-8"},
        {std::string("a\x01") + "b", "control characters"},
        {dir.path.string(), "is a folder"}, // which would read as an empty list
    };
    for (const auto& c : cases) {
        for (Tab tab : {Tab::WordList, Tab::Keywords}) {
            f.txtStopList_Change(tab, c.path);
            f.stopList_Check(tab);
            const std::string& status =
                tab == Tab::WordList ? f.wordList().status : f.keywords().status;
            EXPECT_NE(status.find(c.said), std::string::npos) << status;
            EXPECT_NE(status.find("stop list"), std::string::npos) << status;
        }
        f.cmdWordList_Click();
        EXPECT_EQ(f.wordList().table.rows, before.rows) << c.path;
        EXPECT_EQ(f.wordList().revision, 1u) << c.path;
        f.cmdKeywords_Click();
        EXPECT_EQ(f.keywords().revision, 0u) << c.path;
    }
    f.txtStopList_Change(Tab::WordList, dir.write("ok.txt", "u\nx\n"));
    f.stopList_Check(Tab::WordList);
    EXPECT_NE(f.wordList().filters.stopListNote.find("(2 forms)"), std::string::npos);
    f.txtStopList_Change(Tab::WordList, "");
    f.cmdWordList_Click();
    EXPECT_EQ(f.wordList().table.rows, before.rows);
}

// The keywords' count floor, number filter and stop list give the core's rows.
TEST(ExploreTools, KeywordFiltersGiveTheCoresRows) {
    TempDir dir;
    Window w;
    ExploreForm& f = w.form;
    w.define("young", "age=11-18");
    f.keywordsA_Click(1);
    f.minAuthors_Change(1);
    f.minCount_Change(Tab::Keywords, 2);
    f.noNumbers_Click(Tab::Keywords, true);
    f.txtStopList_Change(Tab::Keywords, dir.write("stop.txt", "x\n"));
    f.cmdKeywords_Click();
    KeywordOptions o;
    o.minAuthors = 1;
    o.minCount = 2;
    o.filter.noNumbers = true;
    std::string error;
    o.filter.stopList = *read_stop_list((dir.path / "stop.txt").string(), &error);
    const Scope a = rows_scope(*w.corpus, {0, 3}, "young");
    const Keywords want = keywords(*w.corpus, a, rest_scope(a), o);
    EXPECT_EQ(f.keywords().table.rows,
              keywords_table(*w.corpus, want, "young", "rest of corpus").rows);
    EXPECT_FALSE(f.keywords().table.rows.empty());
    for (const char* setting : {"minimum count", "numbers", "stop list"})
        EXPECT_FALSE(f.keywords().table.setting(setting).empty()) << setting;
    for (const auto& change : std::vector<std::function<void(ExploreForm&)>>{
             [](ExploreForm& g) { g.minCount_Change(Tab::Keywords, 3); },
             [](ExploreForm& g) { g.noNumbers_Click(Tab::Keywords, false); },
             [](ExploreForm& g) { g.txtStopList_Change(Tab::Keywords, ""); }}) {
        change(f);
        EXPECT_TRUE(f.stale(Tab::Keywords));
        EXPECT_FALSE(f.stale(Tab::WordList));
        f.cmdKeywords_Click();
        EXPECT_FALSE(f.stale(Tab::Keywords));
    }
}

// Another emoticon list builds the form index anew on a second thread: until
// it is taken in nothing changes; afterwards the pieces are cut with it,
// every table made before is stale, and a concordance made before still
// shows, sorts and exports its own lines.
TEST(ExploreTools, AnotherEmoticonListBuildsTheIndexAnew) {
    TempDir dir;
    Window w;
    ExploreForm& f = w.form;
    EXPECT_EQ(f.emoticons().choice, ExploreForm::EmoticonChoice::Builtin);
    EXPECT_EQ(f.emoticons().status, "emoticons: " + EmoticonList::builtin().describe());
    auto forms = [&f] {
        f.cmdWordList_Click();
        const std::vector<std::string> v = first_column(f.wordList().table);
        return std::set<std::string>(v.begin(), v.end());
    };
    EXPECT_TRUE(forms().count(":)"));
    f.txtQuery_Change("u");
    f.cmdConcordance_Click();
    const ResultTable lines = f.concordanceTable();
    const std::string made = f.exportSelection(Tab::Concordance);

    const std::string own = dir.write("mine.txt", "# mine\n:P\n");
    const struct {
        ExploreForm::EmoticonChoice choice;
        std::string file;
        bool smile, tongue; // whether ":)" and ":P" are forms
        const char* inForce;
    } cases[] = {
        {ExploreForm::EmoticonChoice::None, "", false, false, "none"},
        {ExploreForm::EmoticonChoice::File, own, false, true, "(1 emoticon)"},
        {ExploreForm::EmoticonChoice::Builtin, "", true, true, "built-in list"},
    };
    for (const auto& c : cases) {
        f.txtEmoticonsFile_Change(c.file);
        const ExploreForm::EmoticonChoice before = f.emoticons().choice;
        const std::size_t formsBefore = f.index().formCount();
        f.emoticons_Change(c.choice);
        ASSERT_TRUE(f.working());
        // Nothing is in force before the index is: the state is never half changed.
        EXPECT_EQ(f.emoticons().choice, before);
        EXPECT_EQ(f.index().formCount(), formsBefore);
        // One thing at a time: asking again meanwhile says to wait.
        f.emoticons_Change(ExploreForm::EmoticonChoice::None);
        EXPECT_EQ(f.emoticons().status.rfind("wait:", 0), 0u) << f.emoticons().status;
        ASSERT_TRUE(f.takeWork(true));
        EXPECT_FALSE(f.working());
        EXPECT_EQ(f.emoticons().choice, c.choice);
        EXPECT_NE(f.emoticons().status.find(c.inForce), std::string::npos) << f.emoticons().status;
        // The tables made before are stale (but with the list that made them
        // again), the concordance's own lines stay.
        EXPECT_EQ(f.stale(Tab::Concordance), c.choice != ExploreForm::EmoticonChoice::Builtin);
        EXPECT_EQ(f.concordanceTable().rows, lines.rows);
        f.sort_Click(ConcordanceSort::Corpus);
        EXPECT_EQ(f.concordanceTable().rows, lines.rows);
        EXPECT_EQ(f.exportSelection(Tab::Concordance), made);
        const std::set<std::string> now = forms();
        EXPECT_EQ(now.count(":)") == 1, c.smile) << c.inForce;
        EXPECT_EQ(now.count(":P") == 1, c.tongue) << c.inForce;
        EXPECT_NE(f.wordList().table.setting("emoticons").find(c.inForce), std::string::npos)
            << f.wordList().table.setting("emoticons");
        // The index is the core's with the same list.
        const EmoticonList list = c.choice == ExploreForm::EmoticonChoice::None ? EmoticonList()
                                  : c.choice == ExploreForm::EmoticonChoice::Builtin
                                      ? EmoticonList::builtin()
                                      : *EmoticonList::read_file(own, nullptr);
        const FormIndex want(w.corpus.store, w.corpus.authors, list);
        EXPECT_EQ(f.index().formCount(), want.formCount());
        EXPECT_EQ(f.index().totalWords(), want.totalWords());
        // The subcorpora's words follow the pieces.
        EXPECT_EQ(f.subcorpora().table.rows[0][4], std::to_string(want.totalWords()));
    }
    // A list that cannot be read changes nothing.
    const std::size_t formsBefore = f.index().formCount();
    for (const std::string& bad :
         {(dir.path / "none.txt").string(), dir.write("blank.txt", ": )\n"), std::string(),
          dir.path.string()}) {
        f.txtEmoticonsFile_Change(bad);
        f.emoticons_Change(ExploreForm::EmoticonChoice::File);
        EXPECT_FALSE(f.working()) << bad;
        EXPECT_EQ(f.emoticons().choice, ExploreForm::EmoticonChoice::Builtin) << bad;
        EXPECT_NE(f.emoticons().status.find("in force: built-in list"), std::string::npos)
            << f.emoticons().status;
        EXPECT_EQ(f.index().formCount(), formsBefore);
    }
    // Choosing the list in force again builds nothing.
    f.emoticons_Change(ExploreForm::EmoticonChoice::Builtin);
    EXPECT_FALSE(f.working());
}

// B from a second corpus: read on a second thread, then the core's keywords of
// A against the whole of it, with the reference named and the same emoticons.
TEST(ExploreTools, KeywordsAgainstAReferenceCorpus) {
    TempDir dir;
    const std::string table = dir.write("ref.csv", "author,text,age,gender\n"
                                                   "r1,you are great you know :),30,F\n"
                                                   "r2,ok you,40,M\n"
                                                   "r3,gr8 ok u you,20,F\n");
    Window w;
    ExploreForm& f = w.form;
    EXPECT_FALSE(f.keywordsB_Click(ExploreForm::kReferenceCorpus)); // none read yet
    f.cmdKeywords_Click();

    // What cannot be read says why and leaves everything as it was.
    const struct {
        std::string path, bands, said;
    } refused[] = {
        {"", "", "give the reference corpus"},
        {(dir.path / "missing.csv").string(), "", "cannot be read"},
        {dir.write("empty.csv", ""), "", "cannot be read"},
        {dir.write("noheader.csv", "\xFF\xFE\x00"), "", "cannot be read"},
        {table, "30-20", "age bands"},
        {table, "x\x01", "control characters"},
        {"a\nb", "", "control characters"},
    };
    for (const auto& c : refused) {
        f.txtReference_Change(c.path);
        f.txtReferenceBands_Change(c.bands);
        f.cmdReference_Click();
        f.takeWork(true);
        EXPECT_NE(f.keywords().status.find(c.said), std::string::npos)
            << c.path << ": " << f.keywords().status;
        EXPECT_EQ(f.reference(), nullptr);
        EXPECT_EQ(f.keywords().b, ExploreForm::kRestOfCorpus);
        EXPECT_EQ(f.keywords().referenceNote, "no reference corpus read");
    }

    f.txtReference_Change(table);
    f.txtReferenceBands_Change("<25,25-35,36+");
    f.cmdReference_Click();
    EXPECT_TRUE(f.working());
    f.cmdReference_Click(); // asked again meanwhile
    EXPECT_EQ(f.keywords().status.rfind("wait:", 0), 0u);
    ASSERT_TRUE(f.takeWork(true));
    ASSERT_NE(f.reference(), nullptr);
    EXPECT_EQ(f.keywords().b, ExploreForm::kReferenceCorpus);
    EXPECT_NE(f.keywords().referenceNote.find("table " + table + " (3 authors, 3 texts, 12 words)"),
              std::string::npos)
        << f.keywords().referenceNote;
    EXPECT_TRUE(f.stale(Tab::Keywords));
    f.minAuthors_Change(1);
    f.cmdKeywords_Click();

    ExploreCorpus ref(
        {writer("r1", "r1", "30"), writer("r2", "r2", "40", "M"), writer("r3", "r3", "20")},
        {{"r1", "you are great you know :)"}, {"r2", "ok you"}, {"r3", "gr8 ok u you"}});
    KeywordOptions o;
    o.minAuthors = 1;
    const Keywords want =
        keywords(*w.corpus, whole_scope(*w.corpus), *ref, whole_scope(*ref), o, "table " + table);
    const ResultTable t = f.keywords().table;
    EXPECT_EQ(t.rows, keywords_table(*w.corpus, want, "whole corpus", "whole corpus").rows);
    EXPECT_EQ(t.setting("b"), "whole corpus of the reference corpus table " + table + ", 12 words");
    EXPECT_EQ(t.setting("reference corpus's age bands"), "<25,25-35,36+");
    EXPECT_EQ(f.exportSelection(Tab::Keywords),
              "keywords of whole corpus against the reference corpus table " + table);

    // The reference corpus is cut with the window's emoticons too.
    f.emoticons_Change(ExploreForm::EmoticonChoice::None);
    ASSERT_TRUE(f.takeWork(true));
    EXPECT_TRUE(f.stale(Tab::Keywords));
    f.cmdKeywords_Click();
    bool smile = false;
    for (const std::string& form : first_column(f.keywords().table)) smile = smile || form == ":)";
    EXPECT_FALSE(smile);

    // The built-in sample as B; then none again.
    f.txtReference_Change(" built-in ");
    f.txtReferenceBands_Change("");
    f.cmdReference_Click();
    ASSERT_TRUE(f.takeWork(true));
    EXPECT_NE(f.keywords().referenceNote.find("reference corpus: built-in ("), std::string::npos);
    f.cmdClearReference_Click();
    EXPECT_EQ(f.reference(), nullptr);
    EXPECT_EQ(f.keywords().b, ExploreForm::kRestOfCorpus);
    f.cmdKeywords_Click();
    EXPECT_NE(f.keywords().table.setting("b").find("rest"), std::string::npos);
    w.define("young", "age=11-18");
    f.keywordsA_Click(1);
    f.cmdKeywords_Click();
    KeywordOptions one;
    one.minAuthors = 1;
    const Scope young = rows_scope(f.index(), {0, 3}, "young");
    EXPECT_EQ(f.keywords().table.rows,
              keywords_table(f.index(), keywords(f.index(), young, rest_scope(young), one), "young",
                             "rest of corpus")
                  .rows);
    EXPECT_FALSE(f.keywords().table.rows.empty());
}

// The authors' fields beside the lines (age band and gender at first), any
// field added or taken away at once, and the tally of hits per group, as the
// core makes them.
TEST(ExploreTools, ConcordanceFieldsAndTally) {
    Window w;
    ExploreForm& f = w.form;
    EXPECT_EQ(f.fieldChoices(),
              (std::vector<std::string>{"band", "gender", "education", "native_language", "town"}));
    EXPECT_EQ(f.concordance().fields, (std::vector<std::string>{"band", "gender"}));
    f.txtQuery_Change("u");
    f.cmdConcordance_Click();
    const struct {
        const char* field;
        bool on;
        std::vector<std::string> fields;
    } steps[] = {
        {"town", true, {"band", "gender", "town"}},
        {"band", false, {"gender", "town"}},
        {"education", true, {"gender", "education", "town"}},
        {"gender", false, {"education", "town"}},
        {"education", false, {"town"}},
        {"town", false, {}},
        {"band", true, {"band"}},
    };
    for (const auto& s : steps) {
        const unsigned revision = f.concordance().revision;
        ASSERT_TRUE(f.lineField_Click(s.field, s.on)) << s.field;
        EXPECT_EQ(f.concordance().fields, s.fields) << s.field;
        EXPECT_GT(f.concordance().revision, revision) << s.field;
        EXPECT_FALSE(f.stale(Tab::Concordance)) << s.field;
        std::string names;
        for (const std::string& n : s.fields) names += (names.empty() ? "" : ",") + n;
        std::string error;
        const std::optional<LineFields> lf = line_fields(names, f.fields(), &error);
        ASSERT_TRUE(lf || names.empty()) << error;
        const LineFields fields = lf ? *lf : LineFields{};
        const Concordance c = concordance(*w.corpus, compile_pattern("u"), kDefaultContext);
        EXPECT_EQ(f.concordance().table.rows,
                  concordance_table(*w.corpus, c, "u", kDefaultContext, ConcordanceSort::Corpus,
                                    static_cast<std::size_t>(-1), fields)
                      .rows)
            << s.field;
        EXPECT_EQ(f.concordance().tally.rows, concordance_tally_table(c, fields, "u").rows)
            << s.field;
        std::vector<std::string> want{"code"};
        want.insert(want.end(), s.fields.begin(), s.fields.end());
        want.insert(want.end(), {"left", "hit", "right"});
        EXPECT_EQ(f.concordance().table.columns, want);
    }
    EXPECT_FALSE(f.lineField_Click("code", true));
    EXPECT_FALSE(f.lineField_Click("", true));
    EXPECT_FALSE(f.lineField_Click("name", true)); // authors are shown by code only
}

// A row of the word list or the keywords opens the concordance of its form in
// the subcorpus that made the table, the form taken as written.
TEST(ExploreTools, ARowOpensTheConcordanceOfItsForm) {
    Window w;
    ExploreForm& f = w.form;
    w.define("Leeds", "town=Leeds");
    w.define("young", "age=11-18");
    f.wordScope_Click(1);
    f.cmdWordList_Click();
    const auto row_of = [](const ResultTable& t, const std::string& form) {
        for (std::size_t i = 0; i < t.rows.size(); ++i)
            if (t.rows[i][0] == form) return static_cast<int>(i);
        return -1;
    };
    // "a*" is a form of its own, which a pattern would take for every form
    // starting with "a".
    const int star = row_of(f.wordList().table, "a*");
    ASSERT_GE(star, 0);
    f.wordScope_Click(2); // the boxes changed since the list was made
    ASSERT_TRUE(f.wordListRow_Concordance(star));
    EXPECT_EQ(f.tab(), Tab::Concordance);
    EXPECT_EQ(f.concordance().txtQuery, "a*");
    EXPECT_TRUE(f.concordance().literal);
    EXPECT_EQ(f.concordance().scope, 1);              // Leeds, which made the list
    EXPECT_EQ(total_hits(f.concordance().tally), 1u); // Cy Day's; Di Fay is of York
    ASSERT_EQ(f.concordance().table.rows.size(), 1u);
    EXPECT_EQ(f.concordance().table.rows[0][0], "03");
    EXPECT_EQ(f.concordance().table.rows[0][4], "a*");
    EXPECT_EQ(f.exportSelection(Tab::Concordance), "concordance of \"a*\" (as a form) in Leeds");
    // Typed as a pattern, it is a pattern again.
    f.literal_Click(false);
    EXPECT_TRUE(f.stale(Tab::Concordance));
    f.cmdConcordance_Click();
    EXPECT_EQ(total_hits(f.concordance().tally), 2u); // a* and ab

    f.keywordsA_Click(2);
    f.minAuthors_Change(1);
    f.cmdKeywords_Click();
    const int u = row_of(f.keywords().table, "u");
    ASSERT_GE(u, 0);
    f.keywordsA_Click(0);
    ASSERT_TRUE(f.keywordsRow_Concordance(u));
    EXPECT_EQ(f.concordance().scope, 2); // young, A of the keywords
    EXPECT_EQ(f.concordance().txtQuery, "u");
    for (const auto& row : f.concordance().table.rows)
        EXPECT_TRUE(row[0] == "01" || row[0] == "04");

    // A list of one author's forms: the concordance of the whole corpus.
    f.byCode_Click(true);
    f.txtCode_Change("02");
    f.cmdWordList_Click();
    ASSERT_TRUE(f.wordListRow_Concordance(0));
    EXPECT_EQ(f.concordance().scope, 0);
    EXPECT_NE(f.concordance().status.find("whole corpus"), std::string::npos);

    // Rows that are not there, or a subcorpus defined anew since: nothing runs.
    const unsigned revision = f.concordance().revision;
    EXPECT_FALSE(f.wordListRow_Concordance(-1));
    EXPECT_FALSE(f.wordListRow_Concordance(100000));
    EXPECT_FALSE(f.keywordsRow_Concordance(static_cast<int>(f.keywords().table.rows.size())));
    w.define("young", "age=19-99");
    EXPECT_FALSE(f.keywordsRow_Concordance(u));
    EXPECT_NE(f.keywords().status.find("no longer defined"), std::string::npos);
    EXPECT_EQ(f.concordance().revision, revision);
    // A form of the comparison window (whole corpus).
    f.concordanceOf("2moro");
    EXPECT_EQ(f.concordance().scope, 0);
    EXPECT_EQ(f.concordance().table.rows.size(), 2u);
}

// The tally opens the comparison of the form across its fields' groups.
TEST(ExploreTools, TheTallyComparesTheFormAcrossItsGroups) {
    Window w;
    ExploreForm& f = w.form;
    std::string forms, groupBy;
    EXPECT_FALSE(f.tallyComparison(&forms, &groupBy));
    EXPECT_NE(f.concordance().status.find("search first"), std::string::npos);
    const struct {
        std::string query;
        bool literal;
        std::vector<std::pair<std::string, bool>> fields;
        bool ok;
        std::string forms, groupBy, said;
    } cases[] = {
        {"U", false, {}, true, "U", "band,gender", ""},
        {"2*", false, {{"gender", false}}, true, "2moro", "band", ""},
        {"*", false, {}, true, "", "band", ""}, // every form: checked below
        {"a*", true, {{"gender", true}, {"town", true}}, false, "", "", "at most two fields"},
        {"a*", true, {{"band", false}}, true, "a*", "gender,town", ""},
        {"c u", false, {}, false, "", "", "a phrase"},
        {"re:zzz", false, {}, false, "", "", "no form matches"},
        {"u", false, {{"gender", false}, {"town", false}}, false, "", "", "tick one or two"},
    };
    for (const auto& c : cases) {
        for (const auto& [field, on] : c.fields) f.lineField_Click(field, on);
        f.txtQuery_Change(c.query);
        f.literal_Click(c.literal);
        f.cmdConcordance_Click();
        forms.clear();
        groupBy.clear();
        EXPECT_EQ(f.tallyComparison(&forms, &groupBy), c.ok) << c.query;
        if (!c.ok) {
            EXPECT_NE(f.concordance().status.find(c.said), std::string::npos)
                << c.query << ": " << f.concordance().status;
            continue;
        }
        EXPECT_EQ(groupBy, c.groupBy) << c.query;
        if (c.query == "*") {
            EXPECT_EQ(std::count(forms.begin(), forms.end(), ' ') + 1,
                      static_cast<long>(w.corpus->formCount()));
        } else {
            EXPECT_EQ(forms, c.forms) << c.query;
        }
    }
}

} // namespace
} // namespace zapt
