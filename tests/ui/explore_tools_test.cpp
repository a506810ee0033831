// The Explore window's tools for a paper, through the driver as a user works
// them: every new control changes the table as the core says (the tables
// are made again here by the core's own functions over the same corpus and
// compared with what Copy all puts on the clipboard), a row opens the
// concordance of its form in the right subcorpus, the tally opens the
// comparison, and odd input in every new box never breaks the window.
#include "drive_harness.h"

#include "analysis/glossary.h"
#include "app/corpus_source.h"
#include "corpus/author_register.h"
#include "corpus/corpus_store.h"
#include "corpus/data_files.h"
#include "explore/concordance.h"
#include "explore/emoticons.h"
#include "explore/form_index.h"
#include "explore/tables.h"
#include "explore/word_list.h"
#include "selection/subcorpus.h"

#include <QTemporaryDir>
#include <memory>
#include <set>

namespace {

// The built-in corpus as the core reads it, for the tables made again here.
struct Core {
    zapt::DataSet data = zapt::load_builtin_data();
    zapt::CorpusStore store = zapt::build_corpus_store(data.corpus, data.authors);
    zapt::AuthorRegister authors = zapt::build_author_register(data.authors);
    zapt::Glossary glossary{data.glossary};
    zapt::FormIndex index{store, authors};
    zapt::AuthorFields fields{&authors};

    zapt::Scope subcorpus(const std::string& name, const std::string& conditions) const {
        std::string error;
        const std::optional<zapt::Subcorpus> s =
            zapt::parse_subcorpus(name, conditions, fields, &error);
        return zapt::rows_scope(index, s->members(fields), name);
    }
};

// What Copy all puts on the clipboard for a table: its columns and rows,
// tab-separated.
std::string copied(const zapt::ResultTable& t) {
    zapt::ResultTable copy;
    copy.columns = t.columns;
    copy.rows = t.rows;
    return zapt::write_table(copy, zapt::TableFormat::Tsv);
}

std::string clipboard(Driver& drive, const std::string& table) {
    const json answer = drive.send(cmd("copyall", table));
    if (!ok(answer)) return "<copy failed: " + answer.dump() + ">";
    return drive.dump()["clipboard"].get<std::string>();
}

int columnOf(const json& table, const std::string& name) {
    const auto& columns = table["columns"];
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i] == name) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> columnCells(const json& table, const std::string& name) {
    std::vector<std::string> out;
    const int c = columnOf(table, name);
    if (c < 0) return out;
    for (const json& row : table["rows"]) out.push_back(row[c].get<std::string>());
    return out;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return path;
}

QString fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

const std::string kWindow = "FormExplore";

} // namespace

class ExploreToolsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Core> core_;

private slots:
    void initTestCase() { core_ = std::make_unique<Core>(); }

    // Each filter of the word list, added one after another, gives the rows
    // the core gives with the same options; a stop list that cannot be read
    // says so and leaves the table as it was.
    void wordListFiltersGiveTheCoresRows() {
        QTemporaryDir dir;
        const QString stop = writeFile(dir, "stop.txt", "# left out\nu\nthe\nX\n");
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        zapt::WordListOptions o;
        const zapt::GlossaryForms glossary(core_->glossary);
        const struct {
            const char* what;
            json command;
            std::function<void(zapt::WordListOptions&)> option;
        } steps[] = {
            {"min. count", cmd("select", "spnWordMinCount", 3),
             [](zapt::WordListOptions& w) { w.minCount = 3; }},
            {"min. authors", cmd("select", "spnWordMinAuthors", 4),
             [](zapt::WordListOptions& w) { w.minAuthors = 4; }},
            {"no numbers", cmd("click", "chkWordNoNumbers"),
             [](zapt::WordListOptions& w) { w.filter.noNumbers = true; }},
            {"stop list", cmd("type", "txtWordStopList", stop.toStdString()),
             [&](zapt::WordListOptions& w) {
                 std::string error;
                 w.filter.stopList = *zapt::read_stop_list(stop.toStdString(), &error);
             }},
        };
        std::string before;
        for (const auto& s : steps) {
            SEND_OK(drive, s.command);
            s.option(o);
            // Enter in the stop list's box makes the list, as List does.
            if (std::string(s.what) == "stop list")
                SEND_OK(drive, cmd("key", "txtWordStopList", std::string("Enter")));
            else
                SEND_OK(drive, cmd("press", "cmdWordList"));
            const zapt::WordList want = zapt::word_list(
                core_->index, zapt::whole_scope(core_->index), glossary, nullptr, o);
            const std::string got = clipboard(drive, "tblWordList");
            QVERIFY2(got == copied(zapt::word_list_table(want, "whole corpus", o)), s.what);
            QVERIFY2(got != before, s.what); // the filter left something out
            before = got;
        }
        json d = drive.dump();
        QVERIFY(textOf(d, kWindow, "lblWordStopList").contains("(3 forms)"));
        QTemporaryDir out;
        SEND_OK(drive, cmd("export", "tblWordList", out.filePath("w.csv").toStdString()));
        const QString exported = fileText(out.filePath("w.csv"));
        for (const char* line :
             {"# minimum count: 3", "# minimum authors: 4", "# numbers: left out", "# stop list: "})
            QVERIFY2(exported.contains(line), line);

        // A stop list that cannot be read: named, and nothing else changes.
        SEND_OK(drive, cmd("type", "txtWordStopList", dir.filePath("missing.txt").toStdString()));
        QVERIFY(control(drive.dump(), kWindow, "tblWordList")["stale"].get<bool>());
        SEND_OK(drive, cmd("press", "cmdWordList"));
        d = drive.dump();
        const QString status = textOf(d, kWindow, "lblWordListStatus");
        QVERIFY2(status.contains("stop list") && status.contains("missing.txt"),
                 qPrintable(status));
        QCOMPARE(clipboard(drive, "tblWordList"), before);
        // "No stop list" empties the box.
        SEND_OK(drive, cmd("click", "cmdWordClearStopList"));
        QCOMPARE(textOf(drive.dump(), kWindow, "txtWordStopList"), QString());
    }

    // The keywords' filters, and B from a reference corpus read beside the
    // window: the core's keywords of A against the whole of it.
    void keywordsWithFiltersAndAReferenceCorpus() {
        QTemporaryDir dir;
        const QString ref = writeFile(dir, "ref.csv",
                                      "author,text,age,gender\n"
                                      "r1,you are great you know :) u,30,F\n"
                                      "r2,ok you u,40,M\n"
                                      "r3,gr8 ok u you 2,20,F\n");
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("type", "txtSubcorpusName", std::string("young")));
        SEND_OK(drive, cmd("type", "txtConditions", std::string("age=11-17")));
        SEND_OK(drive, cmd("press", "cmdDefine"));
        SEND_OK(drive, cmd("select", "tabExplore", 2));
        SEND_OK(drive, cmd("select", "cboKeywordsA", 1));
        SEND_OK(drive, cmd("select", "spnMinAuthors", 2));
        SEND_OK(drive, cmd("select", "spnKeywordsMinCount", 3));
        SEND_OK(drive, cmd("click", "chkKeywordsNoNumbers"));
        SEND_OK(drive, cmd("key", "spnKeywordsMinCount", std::string("Enter")));
        zapt::KeywordOptions o;
        o.minAuthors = 2;
        o.minCount = 3;
        o.filter.noNumbers = true;
        const zapt::Scope young = core_->subcorpus("young", "age=11-17");
        std::string got = clipboard(drive, "tblKeywords");
        QCOMPARE(got,
                 copied(zapt::keywords_table(
                     core_->index, zapt::keywords(core_->index, young, zapt::rest_scope(young), o),
                     "young", "rest of corpus")));

        // What cannot be read leaves B as it was and says why.
        const struct {
            QString path, bands, said;
        } refused[] = {
            {dir.filePath("missing.csv"), "", "cannot be read"},
            {dir.path(), "", "cannot be read"}, // a folder without a corpus
            {writeFile(dir, "junk.csv", QByteArray("\x00\x01\x02", 3)), "", "cannot be read"},
            {ref, "30-20", "age bands"},
            {"", "", "give the reference corpus"},
        };
        for (const auto& r : refused) {
            SEND_OK(drive, cmd("type", "txtReference", r.path.toStdString()));
            SEND_OK(drive, cmd("type", "txtReferenceBands", r.bands.toStdString()));
            SEND_OK(drive, cmd("press", "cmdReference"));
            SEND_OK(drive, json::array({"idle", 30000}));
            const json d = drive.dump();
            const QString status = textOf(d, kWindow, "lblKeywordsStatus");
            QVERIFY2(status.contains(r.said), qPrintable(r.path + ": " + status));
            QCOMPARE(textOf(d, kWindow, "cboKeywordsB"), QString("rest of the corpus"));
            QCOMPARE(textOf(d, kWindow, "lblReference"), QString("no reference corpus read"));
        }

        SEND_OK(drive, cmd("type", "txtReference", ref.toStdString()));
        SEND_OK(drive, cmd("type", "txtReferenceBands", std::string("<30,30+")));
        SEND_OK(drive, cmd("key", "txtReference", std::string("Enter")));
        SEND_OK(drive, json::array({"idle", 30000}));
        json d = drive.dump();
        QCOMPARE(textOf(d, kWindow, "cboKeywordsB"), "reference corpus: table " + ref);
        QVERIFY2(textOf(d, kWindow, "lblReference").contains("(3 authors, 3 texts, 15 words)"),
                 qPrintable(textOf(d, kWindow, "lblReference")));
        QVERIFY(control(d, kWindow, "tblKeywords")["stale"].get<bool>());
        SEND_OK(drive, cmd("select", "spnKeywordsMinCount", 0));
        SEND_OK(drive, cmd("select", "spnMinAuthors", 1));
        SEND_OK(drive, cmd("press", "cmdKeywords"));
        zapt::CorpusOptions options;
        options.path = ref.toStdString();
        const zapt::LoadedCorpus loaded = zapt::read_corpus_source(options);
        const zapt::CorpusStore refStore =
            zapt::build_corpus_store(loaded.data.corpus, loaded.data.authors);
        const zapt::AuthorRegister refAuthors = zapt::build_author_register(loaded.data.authors);
        const zapt::FormIndex refIndex(refStore, refAuthors);
        o.minAuthors = 1;
        o.minCount = 0;
        const zapt::Keywords want = zapt::keywords(core_->index, young, refIndex,
                                                   zapt::whole_scope(refIndex), o, loaded.name);
        QVERIFY(!want.rows.empty());
        got = clipboard(drive, "tblKeywords");
        QCOMPARE(got, copied(zapt::keywords_table(core_->index, want, "young", "whole corpus")));
        const QString file = dir.filePath("k.csv");
        SEND_OK(drive, cmd("export", "tblKeywords", file.toStdString()));
        const QString text = fileText(file);
        QVERIFY2(text.contains("# selection: keywords of young against the reference corpus "
                               "table " +
                               ref + "\n"),
                 qPrintable(text.left(800)));
        QVERIFY(text.contains("# reference corpus's age bands: <30,30+\n"));
        // A failed read later leaves the reference in force.
        SEND_OK(drive, cmd("type", "txtReference", dir.filePath("missing.csv").toStdString()));
        SEND_OK(drive, cmd("press", "cmdReference"));
        SEND_OK(drive, json::array({"idle", 30000}));
        QCOMPARE(textOf(drive.dump(), kWindow, "cboKeywordsB"), "reference corpus: table " + ref);

        // The built-in sample as B, then none.
        SEND_OK(drive, cmd("type", "txtReferenceBands", std::string()));
        SEND_OK(drive, cmd("press", "cmdReferenceBuiltin"));
        SEND_OK(drive, json::array({"idle", 30000}));
        d = drive.dump();
        QCOMPARE(textOf(d, kWindow, "txtReference"), QString("built-in"));
        QCOMPARE(textOf(d, kWindow, "cboKeywordsB"), QString("reference corpus: built-in"));
        QVERIFY(control(d, kWindow, "cmdClearReference")["enabled"].get<bool>());
        SEND_OK(drive, cmd("press", "cmdClearReference"));
        d = drive.dump();
        QCOMPARE(textOf(d, kWindow, "cboKeywordsB"), QString("rest of the corpus"));
        QVERIFY(!itemsOf(d, kWindow, "cboKeywordsB").join("|").contains("reference"));
    }

    // The emoticon list in force: none, a file of one's own, the built-in one
    // again; each time the form index is built anew and the word list is the
    // core's over an index with that list.
    void theEmoticonListBuildsTheIndexAnew() {
        // An emoticon of the built-in list that the corpus has.
        std::string smiley;
        for (std::uint32_t f = 0; f < core_->index.formCount() && smiley.empty(); ++f) {
            const std::string& s = core_->index.shown(f);
            if (zapt::EmoticonList::builtin().only_emoticons(s) && s.size() == 2) smiley = s;
        }
        QVERIFY(!smiley.empty());
        QTemporaryDir dir;
        const QString own = writeFile(dir, "mine.txt", QByteArray::fromStdString(smiley + "\n"));
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        json d = drive.dump();
        QVERIFY(textOf(d, kWindow, "lblEmoticonEntries").contains(QString::fromStdString(smiley)));
        std::string error;
        const struct {
            const char* what;
            std::vector<json> commands;
            zapt::EmoticonList list;
            QString inForce;
        } steps[] = {
            {"none", {cmd("select", "cboEmoticons", 2)}, zapt::EmoticonList(), "emoticons: none"},
            {"own file",
             {cmd("type", "txtEmoticonsFile", own.toStdString()),
              cmd("key", "txtEmoticonsFile", std::string("Enter"))},
             *zapt::EmoticonList::read_file(own.toStdString(), &error),
             "(1 emoticon)"},
            {"built-in",
             {cmd("select", "cboEmoticons", 0)},
             zapt::EmoticonList::builtin(),
             "built-in list"},
        };
        const zapt::GlossaryForms glossary(core_->glossary);
        for (const auto& s : steps) {
            for (const json& c : s.commands) SEND_OK(drive, c);
            SEND_OK(drive, json::array({"idle", 60000}));
            d = drive.dump();
            QVERIFY2(textOf(d, kWindow, "lblEmoticons").contains(s.inForce),
                     qPrintable(textOf(d, kWindow, "lblEmoticons")));
            QVERIFY2(control(d, kWindow, "tblWordList")["stale"].get<bool>(), s.what);
            SEND_OK(drive, cmd("press", "cmdWordList"));
            const zapt::FormIndex index(core_->store, core_->authors, s.list);
            const zapt::WordListOptions none;
            const zapt::WordList want =
                zapt::word_list(index, zapt::whole_scope(index), glossary, nullptr, none);
            QVERIFY2(clipboard(drive, "tblWordList") ==
                         copied(zapt::word_list_table(want, "whole corpus", none)),
                     s.what);
            const std::vector<std::string> forms =
                columnCells(control(drive.dump(), kWindow, "tblWordList"), "form");
            const bool has = std::find(forms.begin(), forms.end(), smiley) != forms.end();
            QVERIFY2(has == !s.list.empty(), s.what);
        }
        // A file that cannot be read changes nothing and says why.
        for (const QString& bad :
             {dir.filePath("none.txt"), writeFile(dir, "blank.txt", ": )\n"), QString()}) {
            SEND_OK(drive, cmd("type", "txtEmoticonsFile", bad.toStdString()));
            SEND_OK(drive, cmd("select", "cboEmoticons", 1));
            d = drive.dump();
            QVERIFY(!d["windows"][kWindow]["busy"].get<bool>());
            QVERIFY2(textOf(d, kWindow, "lblEmoticons").contains("in force: built-in list"),
                     qPrintable(textOf(d, kWindow, "lblEmoticons")));
            QCOMPARE(control(d, kWindow, "cboEmoticons")["selected"].get<int>(), 0);
            QVERIFY(!control(d, kWindow, "tblWordList")["stale"].get<bool>());
        }
    }

    // Each line shows its author's age band and gender (and any field ticked)
    // after the code; the left context stands right-aligned against the hit in
    // bold; the one-word orders and the tally are the core's.
    void concordanceColumnsOrdersAndTally() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("select", "tabExplore", 3));
        SEND_OK(drive, cmd("type", "txtQuery", std::string("u")));
        SEND_OK(drive, cmd("press", "cmdConcordance"));
        json d = drive.dump();
        json table = control(d, kWindow, "tblConcordance");
        QCOMPARE(table["columns"], json::array({"code", "band", "gender", "left", "hit", "right"}));
        QCOMPARE(table["looks"][3]["align"].get<std::string>(), std::string("right"));
        QVERIFY(table["looks"][4]["bold"].get<bool>());
        QVERIFY(!table["looks"][5]["bold"].get<bool>());
        QCOMPARE(table["looks"][5]["align"].get<std::string>(), std::string("left"));
        QVERIFY(control(d, kWindow, "chkField_band")["checked"].get<bool>());
        QVERIFY(!control(d, kWindow, "chkField_education")["checked"].get<bool>());

        const zapt::Pattern u = zapt::compile_pattern("u");
        zapt::Concordance c = zapt::concordance(core_->index, u, zapt::kDefaultContext);
        auto fieldsOf = [&](const std::string& names) {
            std::string error;
            return *zapt::line_fields(names, core_->fields, &error);
        };
        const struct {
            const char* field; // ticked or unticked first; none
            std::string fields;
            int sort; // the order list's row
            zapt::ConcordanceSort by;
        } steps[] = {
            {nullptr, "band,gender", 0, zapt::ConcordanceSort::Corpus},
            {"chkField_education", "band,gender,education", 3, zapt::ConcordanceSort::Left1},
            {"chkField_band", "gender,education", 4, zapt::ConcordanceSort::Left2},
            {"chkField_gender", "education", 5, zapt::ConcordanceSort::Right1},
            {nullptr, "education", 6, zapt::ConcordanceSort::Right2},
            {nullptr, "education", 1, zapt::ConcordanceSort::Left},
        };
        for (const auto& s : steps) {
            if (s.field) SEND_OK(drive, cmd("click", s.field));
            SEND_OK(drive, cmd("select", "cboSort", s.sort));
            const zapt::LineFields fields = fieldsOf(s.fields);
            zapt::sort_lines(core_->index, c.lines, s.by);
            const std::string want =
                copied(zapt::concordance_table(core_->index, c, "u", zapt::kDefaultContext, s.by,
                                               static_cast<std::size_t>(-1), fields));
            QVERIFY2(clipboard(drive, "tblConcordance") == want, s.fields.c_str());
            QVERIFY2(clipboard(drive, "tblTally") ==
                         copied(zapt::concordance_tally_table(c, fields, "u")),
                     s.fields.c_str());
            // Only the lines' own order and columns changed: nothing is stale.
            QVERIFY(!control(drive.dump(), kWindow, "tblConcordance")["stale"].get<bool>());
        }
        // The tally sorts and exports, headed by the concordance it counts.
        SEND_OK(drive, json::array({"press", "tblTally", "heading", 1}));
        const json tally = control(drive.dump(), kWindow, "tblTally");
        QCOMPARE(tally["sortColumn"].get<int>(), 1);
        QTemporaryDir dir;
        SEND_OK(drive, cmd("export", "tblTally", dir.filePath("t.csv").toStdString()));
        const QString text = fileText(dir.filePath("t.csv"));
        QVERIFY2(text.contains("# selection: hits by group of the concordance of \"u\" in whole "
                               "corpus\n"),
                 qPrintable(text.left(600)));
    }

    // A row of the word list or of the keywords opens the concordance of its
    // form (as written) in the subcorpus that made the table: by double-click,
    // Enter, or the context menu.
    void aRowOpensTheConcordanceOfItsForm() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("type", "txtSubcorpusName", std::string("young")));
        SEND_OK(drive, cmd("type", "txtConditions", std::string("age=11-17")));
        SEND_OK(drive, cmd("press", "cmdDefine"));
        std::set<std::string> youngCodes;
        {
            std::string error;
            const auto s = zapt::parse_subcorpus("young", "age=11-17", core_->fields, &error);
            for (std::size_t r : s->members(core_->fields))
                youngCodes.insert(core_->authors.codes[r]);
        }
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("type", "txtPattern", std::string("2*")));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        const std::vector<std::string> forms =
            columnCells(control(drive.dump(), kWindow, "tblWordList"), "form");
        const auto two = std::find(forms.begin(), forms.end(), "2");
        QVERIFY(two != forms.end());
        // The way in: a double-click, Enter on the row, the menu's item.
        const struct {
            const char* how;
            int tab;
            std::string table;
            std::vector<json> commands;
        } ways[] = {
            {"double-click",
             1,
             "tblWordList",
             {cmd("doubleclick", "tblWordList", static_cast<int>(two - forms.begin()))}},
            {"Enter",
             1,
             "tblWordList",
             {cmd("press", "tblWordList", static_cast<int>(two - forms.begin())),
              cmd("key", "tblWordList", std::string("Enter"))}},
            {"menu",
             1,
             "tblWordList",
             {cmd("press", "tblWordList", static_cast<int>(two - forms.begin())),
              cmd("menu", "tblWordList", std::string("Concordance of this form"))}},
        };
        for (const auto& w : ways) {
            SEND_OK(drive, cmd("select", "tabExplore", w.tab));
            SEND_OK(drive, cmd("type", "txtQuery", std::string("x")));
            for (const json& c : w.commands) SEND_OK(drive, c);
            const json d = drive.dump();
            QVERIFY2(control(d, kWindow, "tabExplore")["selected"].get<int>() == 3, w.how);
            QCOMPARE(textOf(d, kWindow, "txtQuery"), QString("2"));
            QVERIFY(control(d, kWindow, "chkLiteral")["checked"].get<bool>());
            const json lines = control(d, kWindow, "tblConcordance");
            QVERIFY2(!lines["rows"].empty(), w.how);
            for (const std::string& hit : columnCells(lines, "hit"))
                QCOMPARE(hit, std::string("2")); // not "2moro", "2nite"
        }
        // The word list of a subcorpus: the concordance in that subcorpus.
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("type", "txtPattern", std::string()));
        SEND_OK(drive, cmd("select", "cboWordScope", 1));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        SEND_OK(drive, cmd("select", "cboWordScope", 0)); // changed since: the list's own counts
        SEND_OK(drive, cmd("doubleclick", "tblWordList", 0));
        json d = drive.dump();
        QCOMPARE(textOf(d, kWindow, "cboConcordanceScope"), QString("young"));
        const std::vector<std::string> first =
            columnCells(control(drive.dump(), kWindow, "tblWordList"), "form");
        QCOMPARE(textOf(d, kWindow, "txtQuery").toStdString(), first[0]);
        for (const std::string& code : columnCells(control(d, kWindow, "tblConcordance"), "code"))
            QVERIFY2(youngCodes.count(code), code.c_str());
        // A keyword: in A.
        SEND_OK(drive, cmd("select", "tabExplore", 2));
        SEND_OK(drive, cmd("select", "cboKeywordsA", 1));
        SEND_OK(drive, cmd("press", "cmdKeywords"));
        const std::string keyword =
            columnCells(control(drive.dump(), kWindow, "tblKeywords"), "form").at(0);
        SEND_OK(drive, cmd("press", "tblKeywords", 0));
        SEND_OK(drive, cmd("menu", "tblKeywords", std::string("Concordance of this form")));
        d = drive.dump();
        QCOMPARE(textOf(d, kWindow, "txtQuery").toStdString(), keyword);
        QCOMPARE(textOf(d, kWindow, "cboConcordanceScope"), QString("young"));
        const json lines = control(d, kWindow, "tblConcordance");
        QVERIFY(!lines["rows"].empty());
        for (const std::string& code : columnCells(lines, "code"))
            QVERIFY2(youngCodes.count(code), code.c_str());
        // The menu's item needs a row.
        SEND_OK(drive, cmd("select", "tabExplore", 2));
        SEND_OK(drive, cmd("press", "cmdKeywords"));
        QVERIFY(
            !ok(drive.send(cmd("menu", "tblKeywords", std::string("Concordance of this form")))));
    }

    // A row of the tally opens the comparison of the form across the groups
    // of the ticked fields; a collocate of the comparison opens its
    // concordance here.
    void theTallyOpensTheComparisonAndACollocateItsConcordance() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("select", "tabExplore", 3));
        SEND_OK(drive, cmd("type", "txtQuery", std::string("2moro")));
        SEND_OK(drive, cmd("press", "cmdConcordance"));
        SEND_OK(drive, cmd("doubleclick", "tblTally", 0));
        json d = drive.dump();
        QVERIFY(isOpen(d, "Form12"));
        QCOMPARE(textOf(d, "Form12", "txtOwnForms"), QString("2moro"));
        const QString byBandAndGender = textOf(d, "Form12", "cboGroupBy");
        QVERIFY2(byBandAndGender.contains("age band") && byBandAndGender.contains("gender"),
                 qPrintable(byBandAndGender));
        // Another grouping: education alone.
        SEND_OK(drive, cmd("click", "chkField_band"));
        SEND_OK(drive, cmd("click", "chkField_gender"));
        SEND_OK(drive, cmd("click", "chkField_education"));
        SEND_OK(drive, cmd("press", "FormExplore.tblTally", 0));
        SEND_OK(drive, cmd("key", "FormExplore.tblTally", std::string("Enter")));
        d = drive.dump();
        QCOMPARE(textOf(d, "Form12", "cboGroupBy"), QString("education"));
        // Three fields are more than the comparison crosses: the status says so.
        SEND_OK(drive, cmd("click", "chkField_band"));
        SEND_OK(drive, cmd("click", "chkField_gender"));
        SEND_OK(drive, cmd("doubleclick", "FormExplore.tblTally", 0));
        d = drive.dump();
        QVERIFY(textOf(d, kWindow, "lblConcordanceStatus").contains("at most two fields"));
        QCOMPARE(textOf(d, "Form12", "cboGroupBy"), QString("education"));

        // The comparison's collocates: a row opens its concordance here.
        SEND_OK(drive, cmd("select", "Form12.tabResults", 2));
        SEND_OK(drive, cmd("type", "Form12.txtCollForm", std::string("u")));
        SEND_OK(drive, cmd("click", "Form12.cmdFindCollocations"));
        const json coll = control(drive.dump(), "Form12", "tblCollocates");
        QVERIFY(!coll["rows"].empty());
        const std::string word = columnCells(coll, "word").at(0);
        SEND_OK(drive, cmd("doubleclick", "Form12.tblCollocates", 0));
        d = drive.dump();
        QCOMPARE(textOf(d, kWindow, "txtQuery").toStdString(), word);
        QVERIFY(control(d, kWindow, "chkLiteral")["checked"].get<bool>());
        QCOMPARE(textOf(d, kWindow, "cboConcordanceScope"), QString("whole corpus"));
        QCOMPARE(control(d, kWindow, "tabExplore")["selected"].get<int>(), 3);
        for (const std::string& hit : columnCells(control(d, kWindow, "tblConcordance"), "hit"))
            QCOMPARE(QString::fromStdString(hit).toCaseFolded(),
                     QString::fromStdString(word).toCaseFolded());
    }

    // A form holding * is searched as itself from its row, never as a pattern.
    void aFormWithAWildcardIsSearchedAsWritten() {
        QTemporaryDir dir;
        const QString corpus = writeFile(dir, "c.csv",
                                         "author,text,age,gender\n"
                                         "a1,so a* is here now ok,20,F\n"
                                         "a2,ab ab ab and more words here,30,M\n"
                                         "a3,we said a* and ab then,40,F\n");
        Driver drive({"--corpus", corpus});
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        const std::vector<std::string> forms =
            columnCells(control(drive.dump(), kWindow, "tblWordList"), "form");
        const auto star = std::find(forms.begin(), forms.end(), "a*");
        QVERIFY(star != forms.end());
        SEND_OK(drive, cmd("doubleclick", "tblWordList", static_cast<int>(star - forms.begin())));
        json d = drive.dump();
        const json lines = control(d, kWindow, "tblConcordance");
        QCOMPARE(lines["rows"].size(), std::size_t(2));
        for (const std::string& hit : columnCells(lines, "hit")) QCOMPARE(hit, std::string("a*"));
        // Unticked, the same text is a pattern again: every form starting with a.
        SEND_OK(drive, cmd("click", "chkLiteral"));
        QVERIFY(control(drive.dump(), kWindow, "tblConcordance")["stale"].get<bool>());
        SEND_OK(drive, cmd("press", "cmdConcordance"));
        const std::vector<std::string> hits =
            columnCells(control(drive.dump(), kWindow, "tblConcordance"), "hit");
        QVERIFY(std::find(hits.begin(), hits.end(), "ab") != hits.end());
    }

    // Odd input in every new box never breaks the window: each box says what
    // is wrong, and the window stays open and answers.
    void oddInputInEveryNewBoxNeverBreaksTheWindow() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        const std::vector<std::string> texts = {std::string(),
                                                std::string(6000, 'x'),
                                                std::string("\x01\x02\t\n"),
                                                std::string("\xE4\xBD\xA0\xE5\xA5\xBD *"),
                                                std::string("\xF0\x9F\x98\x80"),
                                                std::string("/"),
                                                std::string("built-in/../..")};
        for (const std::string& text : texts) {
            const std::vector<json> script = {
                cmd("select", "tabExplore", 1),
                cmd("type", "txtWordStopList", text),
                cmd("press", "cmdWordList"),
                cmd("select", "tabExplore", 2),
                cmd("type", "txtKeywordsStopList", text),
                cmd("press", "cmdKeywords"),
                cmd("type", "txtKeywordsStopList", std::string()),
                cmd("type", "txtReference", text),
                cmd("type", "txtReferenceBands", text),
                cmd("key", "txtReferenceBands", std::string("Enter")),
                json::array({"idle", 60000}),
                cmd("select", "tabExplore", 0),
                cmd("type", "txtEmoticonsFile", text),
                cmd("key", "txtEmoticonsFile", std::string("Enter")),
                json::array({"idle", 60000}),
                cmd("select", "cboEmoticons", 1),
                json::array({"idle", 60000}),
                cmd("select", "tabExplore", 3),
                cmd("click", "chkLiteral"),
                cmd("type", "txtQuery", text),
                cmd("press", "cmdConcordance"),
                cmd("doubleclick", "tblTally", 0),
            };
            for (const json& c : script) {
                const json answer = drive.send(c);
                // A table without rows has no row to double-click; everything
                // else is done.
                if (c[0] == "doubleclick") continue;
                QVERIFY2(ok(answer),
                         (QByteArray::fromStdString(c.dump()).left(200) + " -> " + why(answer))
                             .constData());
            }
            const json d = drive.dump();
            QVERIFY(isOpen(d, kWindow));
            QVERIFY(!textOf(d, kWindow, "lblKeywordsStatus").isEmpty());
            QVERIFY(!textOf(d, kWindow, "lblEmoticons").isEmpty());
        }
        // The largest floors: nothing left, and said.
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("type", "txtWordStopList", std::string()));
        SEND_OK(drive, cmd("select", "spnWordMinCount", 2147483647));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        json d = drive.dump();
        QCOMPARE(textOf(d, kWindow, "lblWordListStatus").left(7), QString("0 forms"));
        QVERIFY(control(d, kWindow, "tblWordList")["rows"].empty());
        // The emoticons are still the built-in ones.
        QVERIFY(textOf(d, kWindow, "lblEmoticons").contains("built-in list"));
    }

    // Every new control says what it does, and the keyboard reaches it.
    void everyNewControlHasAToolTipAndTakesTheFocus() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        const struct {
            int tab;
            const char* name;
        } controls[] = {
            {0, "cboEmoticons"},
            {0, "txtEmoticonsFile"},
            {0, "cmdEmoticonsFile"},
            {1, "spnWordMinCount"},
            {1, "spnWordMinAuthors"},
            {1, "chkWordNoNumbers"},
            {1, "txtWordStopList"},
            {1, "cmdWordStopListFile"},
            {1, "cmdWordClearStopList"},
            {1, "tblWordList"},
            {2, "spnKeywordsMinCount"},
            {2, "chkKeywordsNoNumbers"},
            {2, "txtKeywordsStopList"},
            {2, "cmdKeywordsStopListFile"},
            {2, "cmdKeywordsClearStopList"},
            {2, "txtReference"},
            {2, "cmdReferenceTable"},
            {2, "cmdReferenceFolder"},
            {2, "cmdReferenceBuiltin"},
            {2, "txtReferenceBands"},
            {2, "cmdReference"},
            {2, "tblKeywords"},
            {3, "chkLiteral"},
            {3, "chkField_band"},
            {3, "chkField_gender"},
            {3, "chkField_education"},
            {3, "chkField_native_language"},
            {3, "tblTally"},
        };
        for (const auto& c : controls) {
            SEND_OK(drive, cmd("select", "tabExplore", c.tab));
            const json d = drive.dump();
            const json control_ = control(d, kWindow, c.name);
            QVERIFY2(control_.is_object(), c.name);
            QVERIFY2(!control_["toolTip"].get<std::string>().empty(), c.name);
            SEND_OK(drive, cmd("focus", c.name));
            QCOMPARE(drive.dump()["focus"].get<std::string>(), kWindow + "." + c.name);
        }
        // Tab goes through the new controls of each tab in the order they
        // stand, from the control before them.
        const struct {
            int tab;
            std::vector<std::string> chain;
        } chains[] = {
            {0, {"cboEmoticons", "txtEmoticonsFile", "cmdEmoticonsFile"}},
            {1,
             {"spnWordMinCount", "spnWordMinAuthors", "chkWordNoNumbers", "txtWordStopList",
              "cmdWordStopListFile", "cmdWordClearStopList"}},
            {2,
             {"spnKeywordsMinCount", "chkKeywordsNoNumbers", "txtKeywordsStopList",
              "cmdKeywordsStopListFile", "cmdKeywordsClearStopList", "txtReference",
              "cmdReferenceTable", "cmdReferenceFolder", "cmdReferenceBuiltin", "txtReferenceBands",
              "cmdReference"}},
            {3,
             {"chkLiteral", "spnContext", "cboSort", "cmdConcordance", "chkField_band",
              "chkField_gender", "chkField_education", "chkField_native_language"}},
        };
        for (const auto& c : chains) {
            SEND_OK(drive, cmd("select", "tabExplore", c.tab));
            for (std::size_t i = 0; i + 1 < c.chain.size(); ++i) {
                SEND_OK(drive, cmd("key", c.chain[i], std::string("Tab")));
                QCOMPARE(drive.dump()["focus"].get<std::string>(), kWindow + "." + c.chain[i + 1]);
            }
        }
    }
};

QTEST_MAIN(ExploreToolsTest)
#include "explore_tools_test.moc"
