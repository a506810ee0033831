// The Explore window through the driver, as a user works it: a pattern's word
// list, a subcorpus and its keywords, a concordance, odd input in every box;
// every line checked against the data files and for privacy.
#include "drive_harness.h"

#include "explore/emoticons.h"
#include "explore/form_index.h"

#include <set>

namespace {

// The words of the built-in texts as the exploring tools split them (emoticons
// such as ";)" are pieces of their own; the report check recomputes that split
// independently). The checks below are about the window and the half rule.
std::vector<std::vector<std::string>> piecesOfTexts(const Data& d) {
    std::vector<std::vector<std::string>> out;
    for (const Text& t : d.texts) {
        std::vector<std::string> pieces;
        for (std::string_view p : zapt::text_pieces(t.text, zapt::EmoticonList::builtin()))
            pieces.emplace_back(p);
        out.push_back(std::move(pieces));
    }
    return out;
}

std::vector<std::string> column(const json& table, int c) {
    std::vector<std::string> out;
    for (const json& row : table["rows"]) out.push_back(row[c].get<std::string>());
    return out;
}

int columnOf(const json& table, const std::string& name) {
    const auto& columns = table["columns"];
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i] == name) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> linesOf(const std::string& s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t pos = s.find('\n'); pos != std::string::npos; pos = s.find('\n', start)) {
        out.push_back(s.substr(start, pos - start));
        start = pos + 1;
    }
    if (start < s.size()) out.push_back(s.substr(start));
    return out;
}

// The first field of a CSV record (quoted or not).
std::string firstField(const std::string& line) {
    if (line.empty() || line[0] != '"') return line.substr(0, line.find(','));
    std::string out;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            out += '"';
            ++i;
        } else if (line[i] == '"') {
            break;
        } else {
            out += line[i];
        }
    }
    return out;
}

QString fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class ExploreTest : public QObject {
    Q_OBJECT

    Data data_;

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(loadData(data_, error), qPrintable(error));
    }

    void aPatternsWordListHoldsEveryMatchingFormWithItsCount() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("type", "txtPattern", std::string("2*")));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        const json table = control(drive.dump(), "FormExplore", "tblWordList");
        QCOMPARE(table["columns"][0].get<std::string>(), std::string("form"));
        QCOMPARE(table["columns"][1].get<std::string>(), std::string("count"));
        // Every piece of every text that starts with "2", counted by folded form.
        std::map<std::string, int> want;
        for (const auto& pieces : piecesOfTexts(data_))
            for (const std::string& p : pieces)
                if (!p.empty() && p[0] == '2') ++want[fold(p)];
        std::map<std::string, int> got;
        for (const json& row : table["rows"])
            got[fold(row[0].get<std::string>())] = std::stoi(row[1].get<std::string>());
        for (const auto& [form, n] : want)
            QVERIFY2(got.count(form) && got[form] == n,
                     qPrintable(QString::fromStdString(form) + " " + QString::number(n)));
        QCOMPARE(got.size(), want.size());
        QVERIFY(want.size() > 5);
    }

    void aSubcorpusGivesKeywordsAndTheConcordanceNeverShowsHalfAText() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("type", "txtSubcorpusName", std::string("young")));
        SEND_OK(drive, cmd("type", "txtConditions", std::string("age=11-17")));
        SEND_OK(drive, cmd("press", "cmdDefine"));
        json d = drive.dump();
        QCOMPARE(control(d, "FormExplore", "tblSubcorpora")["rows"].size(), std::size_t(2));
        QCOMPARE(itemsOf(d, "FormExplore", "cboKeywordsA").size(), 2);
        SEND_OK(drive, cmd("select", "tabExplore", 2));
        SEND_OK(drive, cmd("select", "cboKeywordsA", 1));
        SEND_OK(drive, cmd("select", "spnMinAuthors", 2));
        SEND_OK(drive, cmd("press", "cmdKeywords"));
        const json keys = control(drive.dump(), "FormExplore", "tblKeywords");
        QVERIFY(!keys["rows"].empty());
        for (const std::string& side : column(keys, 10)) QVERIFY(side == "a" || side == "b");

        SEND_OK(drive, cmd("select", "tabExplore", 3));
        SEND_OK(drive, cmd("type", "txtQuery", std::string("u")));
        SEND_OK(drive, cmd("select", "spnContext", 5));
        SEND_OK(drive, cmd("press", "cmdConcordance"));
        const json lines = control(drive.dump(), "FormExplore", "tblConcordance");
        QVERIFY(lines["rows"].size() > 50);
        // A line is a run of one text's pieces, at most half of them.
        const auto texts = piecesOfTexts(data_);
        std::set<std::string> names;
        for (const Author& a : data_.authors) names.insert(fold(a.name));
        // The authors' groups stand between the code and the line.
        const int cCode = columnOf(lines, "code"), cLeft = columnOf(lines, "left"),
                  cHit = columnOf(lines, "hit"), cRight = columnOf(lines, "right");
        QCOMPARE(cCode, 0);
        QVERIFY(cLeft > 0 && cHit == cLeft + 1 && cRight == cHit + 1);
        for (const json& row : lines["rows"]) {
            const std::string code = row[cCode], left = row[cLeft], hit = row[cHit],
                              right = row[cRight];
            QCOMPARE(fold(hit), std::string("u"));
            QVERIFY2(!names.count(fold(code)), code.c_str());
            std::string line = left.empty() ? hit : left + " " + hit;
            if (!right.empty()) line += " " + right;
            const std::size_t shown = std::count(line.begin(), line.end(), ' ') + 1;
            bool inAText = false;
            for (const auto& pieces : texts) {
                std::string joined;
                for (const std::string& p : pieces) joined += (joined.empty() ? "" : " ") + p;
                if ((" " + joined + " ").find(" " + line + " ") != std::string::npos &&
                    shown <= pieces.size() / 2)
                    inAText = true;
            }
            QVERIFY2(inAText, line.c_str());
        }
    }

    // Every table of the window sorts by a click on any heading, numbers by
    // value and texts without regard to case; a second click turns the order;
    // the order survives a new run and is the order Copy all and Export write.
    void everyTableSortsByItsHeadingsAndCopiesInThatOrder() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("type", "txtSubcorpusName", std::string("young")));
        SEND_OK(drive, cmd("type", "txtConditions", std::string("age=11-17")));
        SEND_OK(drive, cmd("press", "cmdDefine"));
        SEND_OK(drive, cmd("type", "txtSubcorpusName", std::string("Adults")));
        SEND_OK(drive, cmd("type", "txtConditions", std::string("age=18-99")));
        SEND_OK(drive, cmd("press", "cmdDefine"));
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        SEND_OK(drive, cmd("select", "tabExplore", 2));
        SEND_OK(drive, cmd("select", "cboKeywordsA", 1));
        SEND_OK(drive, cmd("select", "spnMinAuthors", 1));
        SEND_OK(drive, cmd("press", "cmdKeywords"));
        SEND_OK(drive, cmd("select", "tabExplore", 3));
        SEND_OK(drive, cmd("type", "txtQuery", std::string("u")));
        SEND_OK(drive, cmd("press", "cmdConcordance"));

        const struct {
            int tab;
            std::string table, number, text, rerun;
        } cases[] = {
            {0, "tblSubcorpora", "authors", "name", "cmdDefine"},
            {1, "tblWordList", "count", "form", "cmdWordList"},
            {2, "tblKeywords", "count_a", "form", "cmdKeywords"},
            {3, "tblConcordance", "code", "right", "cmdConcordance"},
        };
        QTemporaryDir dir;
        for (const auto& c : cases) {
            const QByteArray what = QByteArray::fromStdString(c.table);
            SEND_OK(drive, cmd("select", "tabExplore", c.tab));
            const json before = control(drive.dump(), "FormExplore", c.table);
            QVERIFY2(before["rows"].size() > 1, what);
            QCOMPARE(before["sortColumn"].get<int>(), -1);
            const int n = columnOf(before, c.number), t = columnOf(before, c.text);
            QVERIFY2(n >= 0 && t >= 0, what);
            // The values of the column as shown; empty cells (a text of no
            // author has no code) must all stand last.
            auto values = [&](const json& table) {
                std::vector<double> v;
                bool emptySeen = false;
                for (const std::string& cell : column(table, n)) {
                    if (cell.empty()) {
                        emptySeen = true;
                        continue;
                    }
                    bool number = false;
                    v.push_back(QString::fromStdString(cell).toDouble(&number));
                    if (!number || emptySeen) {
                        qWarning("%s: \"%s\" out of place", what.constData(), cell.c_str());
                        v.push_back(-1e300); // breaks the order checked
                    }
                }
                return v;
            };
            SEND_OK(drive, json::array({"press", c.table, "heading", n}));
            json up = control(drive.dump(), "FormExplore", c.table);
            QCOMPARE(up["rows"].size(), before["rows"].size());
            std::vector<double> v = values(up);
            QVERIFY2(std::is_sorted(v.begin(), v.end()), what);
            QVERIFY2(v.front() < v.back(), what); // the order did change something
            SEND_OK(drive, json::array({"press", c.table, "heading", n}));
            json down = control(drive.dump(), "FormExplore", c.table);
            v = values(down);
            QVERIFY2(std::is_sorted(v.rbegin(), v.rend()), what);
            QVERIFY(down["sortDescending"].get<bool>());

            // A new run keeps the column and its order.
            SEND_OK(drive, cmd("press", c.rerun));
            json rerun = control(drive.dump(), "FormExplore", c.table);
            QCOMPARE(rerun["sortColumn"].get<int>(), n);
            v = values(rerun);
            QVERIFY2(std::is_sorted(v.rbegin(), v.rend()), what);

            // Texts without regard to case, after the cells that are numbers.
            SEND_OK(drive, json::array({"press", c.table, "heading", t}));
            json byText = control(drive.dump(), "FormExplore", c.table);
            std::vector<std::string> texts;
            bool textSeen = false;
            for (const std::string& cell : column(byText, t)) {
                bool number = false;
                const double v = QString::fromStdString(cell).toDouble(&number);
                number = number && qIsFinite(v); // "nan" is a word (a grandmother)
                QVERIFY2(!(number && textSeen), cell.c_str());
                if (number || cell.empty()) continue;
                textSeen = true;
                texts.push_back(QString::fromStdString(cell).toCaseFolded().toStdString());
            }
            QVERIFY2(std::is_sorted(texts.begin(), texts.end()), what);
            QVERIFY2(texts.size() > 1, what);

            // Copy all and Export write the rows in the order shown, under the
            // machine names of the columns.
            SEND_OK(drive, cmd("copyall", c.table));
            const std::vector<std::string> copied =
                linesOf(drive.dump()["clipboard"].get<std::string>());
            QCOMPARE(copied.size(), byText["rows"].size() + 1);
            const QString file = dir.filePath(QString::fromStdString(c.table) + ".csv");
            SEND_OK(drive, cmd("export", c.table, file.toStdString()));
            std::vector<std::string> exported;
            for (const std::string& line : linesOf(fileText(file).toStdString()))
                if (line.empty() || line[0] != '#') exported.push_back(line);
            QCOMPARE(exported.size(), byText["rows"].size() + 1);
            QCOMPARE(QString::fromStdString(copied[0]).split('\t').size(),
                     int(byText["columns"].size()));
            QCOMPARE(firstField(exported[0]), byText["columns"][0].get<std::string>());
            for (std::size_t r = 0; r < byText["rows"].size(); ++r) {
                const std::string first = byText["rows"][r][0];
                QCOMPARE(QString::fromStdString(copied[r + 1]).split('\t')[0].toStdString(), first);
                QCOMPARE(firstField(exported[r + 1]), first);
            }
        }
    }

    // Headings a reader understands; the machine names stay in the copies
    // and in the heading's tool tip, and a share reads as a percentage.
    void headingsAreForAReaderAndSharesArePercentages() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("type", "txtSubcorpusName", std::string("young")));
        SEND_OK(drive, cmd("type", "txtConditions", std::string("age=11-17")));
        SEND_OK(drive, cmd("press", "cmdDefine"));
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        SEND_OK(drive, cmd("select", "tabExplore", 2));
        SEND_OK(drive, cmd("select", "cboKeywordsA", 1));
        SEND_OK(drive, cmd("press", "cmdKeywords"));
        const json d = drive.dump();
        const json words = control(d, "FormExplore", "tblWordList");
        const json keys = control(d, "FormExplore", "tblKeywords");
        const struct {
            const json& table;
            std::string column, heading;
        } cases[] = {
            {words, "count", "Count"},
            {words, "per_10k", "Per 10k"},
            {words, "top_author_share", "Top author's share"},
            {words, "dp", "DP"},
            {keys, "count_a", "Count A"},
            {keys, "per_10k_a", "Per 10k A"},
            {keys, "g2", "G\u00b2"},
            {keys, "log_ratio", "Log ratio"},
            {keys, "pct_diff", "%DIFF"},
            {keys, "top_author_share", "Top author's share"},
        };
        for (const auto& c : cases) {
            const int i = columnOf(c.table, c.column);
            QVERIFY2(i >= 0, c.column.c_str());
            QCOMPARE(c.table["headings"][i].get<std::string>(), c.heading);
        }
        const int share = columnOf(words, "top_author_share");
        QVERIFY(!words["rows"].empty());
        for (const json& row : words["rows"]) {
            const QString cell = QString::fromStdString(row[share].get<std::string>());
            if (cell.isEmpty()) continue;
            QVERIFY2(cell.endsWith(" %"), qPrintable(cell));
            const double percent = cell.chopped(2).toDouble();
            QVERIFY2(percent > 0 && percent <= 100, qPrintable(cell));
        }
        SEND_OK(drive, cmd("copyall", "tblWordList"));
        const std::string copied = drive.dump()["clipboard"];
        QVERIFY(copied.rfind("form\tcount\tper_10k\t", 0) == 0);
        QVERIFY(copied.find(" %") == std::string::npos);
    }

    // Escape closes the Explore and Open corpus windows (a second Escape
    // shortcut of the window made both ambiguous, and neither ran).
    void escapeClosesTheWindow() {
        Driver drive;
        QVERIFY(drive.started());
        const struct {
            const char* button;
            std::string window, control;
        } cases[] = {
            {"cmdExplore", "FormExplore", "FormExplore.tabExplore"},
            {"cmdOpenCorpus", "FormOpenCorpus", "FormOpenCorpus.cmdCheck"},
        };
        for (const auto& c : cases) {
            SEND_OK(drive, cmd("press", c.button));
            QVERIFY2(isOpen(drive.dump(), c.window), c.button);
            SEND_OK(drive, cmd("key", c.control, std::string("Escape")));
            QVERIFY2(!isOpen(drive.dump(), c.window), c.button);
        }
    }

    // Keywords A changed without pressing Keywords: the old table is marked
    // stale and exports under the header of the settings that made it.
    void aTableWhoseSettingsChangedIsStaleAndExportsUnderItsOwnHeader() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("type", "txtSubcorpusName", std::string("young")));
        SEND_OK(drive, cmd("type", "txtConditions", std::string("age=11-17")));
        SEND_OK(drive, cmd("press", "cmdDefine"));
        SEND_OK(drive, cmd("type", "txtSubcorpusName", std::string("women")));
        SEND_OK(drive, cmd("type", "txtConditions", std::string("gender=F")));
        SEND_OK(drive, cmd("press", "cmdDefine"));
        SEND_OK(drive, cmd("select", "tabExplore", 2));
        SEND_OK(drive, cmd("select", "cboKeywordsA", 1));
        SEND_OK(drive, cmd("press", "cmdKeywords"));
        json d = drive.dump();
        const QString fresh = textOf(d, "FormExplore", "lblKeywordsStatus");
        QVERIFY(!control(d, "FormExplore", "tblKeywords").value("stale", false));

        SEND_OK(drive, cmd("select", "cboKeywordsA", 2));
        QTemporaryDir dir;
        const QString file = dir.filePath("k.csv");
        SEND_OK(drive, cmd("export", "tblKeywords", file.toStdString()));
        const QString text = fileText(file);
        QVERIFY2(text.contains("# selection: keywords of young against rest of the corpus\n"),
                 qPrintable(text.left(600)));
        QVERIFY(text.contains("# table: Keywords: young against"));
        QVERIFY(!text.contains("women"));
        d = drive.dump();
        QVERIFY(control(d, "FormExplore", "tblKeywords")["stale"].get<bool>());
        const QString status = textOf(d, "FormExplore", "lblKeywordsStatus");
        QVERIFY2(status.contains("changed") && status.contains("press Keywords"),
                 qPrintable(status));
        QVERIFY2(status.contains(fresh), qPrintable(status)); // the table's own line stays

        // Made again, the table is fresh and of the new A.
        SEND_OK(drive, cmd("press", "cmdKeywords"));
        d = drive.dump();
        QVERIFY(!control(d, "FormExplore", "tblKeywords")["stale"].get<bool>());
        SEND_OK(drive, cmd("export", "tblKeywords", file.toStdString()));
        QVERIFY(fileText(file).contains("# selection: keywords of women against rest"));
        // Back to the settings that made it, a table is no longer stale.
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        SEND_OK(drive, cmd("type", "txtPattern", std::string("2*")));
        QVERIFY(control(drive.dump(), "FormExplore", "tblWordList")["stale"].get<bool>());
        SEND_OK(drive, cmd("type", "txtPattern", std::string()));
        QVERIFY(!control(drive.dump(), "FormExplore", "tblWordList")["stale"].get<bool>());
    }

    // Enter in "Min. authors" runs the keywords, as Enter in a box runs its tab.
    void enterInMinAuthorsRunsTheKeywords() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("type", "txtSubcorpusName", std::string("young")));
        SEND_OK(drive, cmd("type", "txtConditions", std::string("age=11-17")));
        SEND_OK(drive, cmd("press", "cmdDefine"));
        SEND_OK(drive, cmd("select", "tabExplore", 2));
        SEND_OK(drive, cmd("select", "cboKeywordsA", 1));
        SEND_OK(drive, cmd("select", "spnMinAuthors", 2));
        QVERIFY(control(drive.dump(), "FormExplore", "tblKeywords")["rows"].empty());
        SEND_OK(drive, cmd("key", "spnMinAuthors", std::string("Enter")));
        const json d = drive.dump();
        QVERIFY(!control(d, "FormExplore", "tblKeywords")["rows"].empty());
        QVERIFY(textOf(d, "FormExplore", "lblKeywordsStatus").contains("keyword"));
        QVERIFY(isOpen(d, "FormExplore"));
    }

    void oddInputNeverBreaksTheWindow() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        const int tabs[] = {1, 3, 0};
        for (const std::string& text :
             {std::string("re:("), std::string("re:(a*)*b"), std::string(5000, '*'),
              std::string("\x01\x02"), std::string("\xE4\xBD\xA0\xE5\xA5\xBD *"), std::string()}) {
            SEND_OK(drive, cmd("select", "tabExplore", tabs[0]));
            SEND_OK(drive, cmd("type", "txtPattern", text));
            SEND_OK(drive, cmd("press", "cmdWordList"));
            SEND_OK(drive, cmd("select", "tabExplore", tabs[1]));
            SEND_OK(drive, cmd("type", "txtQuery", text));
            SEND_OK(drive, cmd("press", "cmdConcordance"));
            SEND_OK(drive, cmd("select", "tabExplore", tabs[2]));
            SEND_OK(drive, cmd("type", "txtConditions", text));
            SEND_OK(drive, cmd("press", "cmdDefine"));
        }
        const json d = drive.dump();
        // A bad regular expression says why; the whole corpus stays listed.
        QCOMPARE(control(d, "FormExplore", "tblSubcorpora")["rows"].size(), std::size_t(1));
        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("type", "txtPattern", std::string("re:(")));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        QVERIFY(!textOf(drive.dump(), "FormExplore", "lblWordListStatus").isEmpty());
    }
};

QTEST_MAIN(ExploreTest)
#include "explore_test.moc"
