// The comparison of groups and the copies and exports, through the driver: the
// window's table recomputed from the data files, the clipboard's tab-separated
// rows, the export's "#" preamble, and no author name or whole text in any copy
// or export of any table.
#include "drive_harness.h"

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>

namespace {

std::vector<std::string> splitLines(const std::string& s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t pos = s.find('\n'); pos != std::string::npos; pos = s.find('\n', start)) {
        out.push_back(s.substr(start, pos - start));
        start = pos + 1;
    }
    if (start < s.size()) out.push_back(s.substr(start));
    return out;
}

std::vector<std::string> splitTabs(const std::string& s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t pos = s.find('\t'); pos != std::string::npos; pos = s.find('\t', start)) {
        out.push_back(s.substr(start, pos - start));
        start = pos + 1;
    }
    out.push_back(s.substr(start));
    return out;
}

QString readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

// The Wilson score interval of x of n at 95 %, worked here from its formula.
std::pair<double, double> wilson(double x, double n) {
    const double z = 1.959963984540054, p = x / n;
    const double d = 1 + z * z / n, c = (p + z * z / (2 * n)) / d;
    const double h = z / d * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
    return {std::max(0.0, c - h), std::min(1.0, c + h)};
}

// The column of a table's dump by name; -1 when it has none.
int columnOf(const json& table, const std::string& name) {
    for (std::size_t i = 0; i < table["columns"].size(); ++i) {
        if (table["columns"][i] == name) return static_cast<int>(i);
    }
    return -1;
}

// A table of long group values: two age bands by three regions, and one
// author whose form stands alone in a group.
QString writeRegionsTable(const QTemporaryDir& dir) {
    const QString path = dir.filePath("regions.csv");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write("sender,age,gender,region,message\n");
    const char* regions[] = {"London and the South East of England", "North East England",
                             "Highlands and Islands of Scotland"};
    int author = 0;
    for (const char* region : regions) {
        for (int age : {19, 44}) {
            for (int k = 0; k < 4; ++k, ++author) {
                const QString text = k == 0 ? "u there u ok" : k == 1 ? "you there" : "ya ok u";
                for (int t = 0; t <= k; ++t)
                    f.write(QString("p%1,%2,%3,%4,%5\n")
                                .arg(author)
                                .arg(age)
                                .arg(k % 2 ? "F" : "M", region, text)
                                .toUtf8());
            }
        }
    }
    return path;
}

} // namespace

class CompareTest : public QObject {
    Q_OBJECT

private:
    Data data_;

private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("ZAPT_DRIVE"),
                 "ZAPT_DRIVE must name the zapt-drive program");
        QString error;
        QVERIFY2(loadData(data_, error), qPrintable(error));
    }

    // The 'back' family in every group: count, words and authors as worked
    // out from the data files.
    void sharesTableHoldsEveryGroupsCounts() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        json d = drive.dump();
        QVERIFY(isOpen(d, "Form12"));
        // It opens over the main window, not at the screen's edge.
        const json& main = d["windows"]["Form1"];
        const json& form12 = d["windows"]["Form12"];
        const int cx = form12["x"].get<int>() + form12["width"].get<int>() / 2;
        QVERIFY2(cx > main["x"].get<int>() + main["width"].get<int>() / 4 &&
                     cx < main["x"].get<int>() + 3 * main["width"].get<int>() / 4,
                 "the comparison window opened away from the main window");
        QCOMPARE(QString::fromStdString(d["windows"]["Form12"]["caption"].get<std::string>()),
                 QString("Compare groups"));
        const json combo = control(d, "Form12", "cboFamily");
        int back = -1;
        for (int i = 0; i < int(combo["items"].size()); ++i) {
            if (combo["items"][i] == "Forms of 'back'") back = i;
        }
        QVERIFY(back >= 0);
        SEND_OK(drive, json::array({"select", "cboFamily", back}));
        d = drive.dump();
        const json table = control(d, "Form12", "tblShares");
        QCOMPARE(table["columns"].dump(),
                 json::array({"band", "gender", "form", "count", "words", "per_10k", "share",
                              "authors_using", "authors"})
                     .dump());
        const std::vector<std::string> forms = {"back", "bak", "bk", "bck"};
        const char* bandNames[] = {"<18", "18 to 25", "26 to 40", "41 to 60", "61+"};
        int checked = 0;
        for (const json& row : table["rows"]) {
            const std::string band = row[0], gender = row[1], form = row[2];
            if (band == "all") continue;
            int b = 0;
            while (b < 5 && band != bandNames[b]) ++b;
            QVERIFY2(b < 5, band.c_str());
            const std::vector<Author> group = groupOf(data_, kBands[b], gender);
            const std::string text = groupText(data_, group);
            QCOMPARE(QString::fromStdString(row[3]), num(countPieces(text, form)));
            QCOMPARE(QString::fromStdString(row[8]), num(static_cast<long long>(group.size())));
            int using_ = 0;
            for (const Author& a : group) using_ += countPieces(groupText(data_, {a}), form) > 0;
            QCOMPARE(QString::fromStdString(row[7]), num(using_));
            ++checked;
        }
        QCOMPARE(checked, 10 * int(forms.size()));
    }

    // The collocations tab's settings: inside one text by default, a wider
    // span counts more pairs, a minimum frequency drops the rare collocates.
    void collocationSettingsCountAgain() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        SEND_OK(drive, cmd("select", "tabResults", 2));
        SEND_OK(drive, cmd("type", "txtCollForm", std::string("u")));
        SEND_OK(drive, cmd("click", "cmdFindCollocations"));
        auto pairs = [&](int* rows, int* least) {
            const json t = control(drive.dump(), "Form12", "tblCollocates");
            int sum = 0;
            *least = 1 << 30;
            for (const json& r : t["rows"]) {
                const int o =
                    std::stoi(r[1].get<std::string>()) + std::stoi(r[2].get<std::string>());
                sum += o;
                *least = std::min(*least, o);
            }
            *rows = int(t["rows"].size());
            return sum;
        };
        const json d = drive.dump();
        QVERIFY(control(d, "Form12", "chkWithinText")["checked"].get<bool>());
        QCOMPARE(control(d, "Form12", "spnSpan")["value"].get<int>(), 1);
        QCOMPARE(control(d, "Form12", "tblCollocates")["columns"].back().get<std::string>(),
                 std::string("t_score"));
        int rows1 = 0, least = 0;
        const int one = pairs(&rows1, &least);
        SEND_OK(drive, cmd("select", "spnSpan", 3));
        int rows3 = 0;
        const int three = pairs(&rows3, &least);
        QVERIFY2(three > one, qPrintable(QString("%1 pairs, then %2").arg(one).arg(three)));
        SEND_OK(drive, cmd("select", "spnMinFrequency", 2));
        int rowsMin = 0;
        pairs(&rowsMin, &least);
        QVERIFY(rowsMin < rows3);
        QVERIFY(least >= 2);
        SEND_OK(drive, cmd("click", "chkWithinText"));
        QVERIFY(!control(drive.dump(), "Form12", "chkWithinText")["checked"].get<bool>());
        QVERIFY(!ok(drive.send(cmd("select", "spnSpan", 6)))); // beyond the range: refused
    }

    // A click on a column heading sorts by it, numbers by value ("9" before
    // "10"); Copy then takes the row the user pressed, wherever it now stands.
    void sortedTablesSortNumbersByValueAndCopyThePressedRow() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        const json before = control(drive.dump(), "Form12", "tblShares");
        // Until a heading is clicked the rows stand in the core's order: the
        // youngest group first, the whole corpus last.
        QCOMPARE(before["rows"].front()[0].get<std::string>(), std::string("<18"));
        QCOMPARE(before["rows"].back()[0].get<std::string>(), std::string("all"));
        const json spread = control(drive.dump(), "Form12", "tblSpread");
        QCOMPARE(spread["rows"].front()[0].get<std::string>(), std::string("<18"));
        const int words = 4; // the column of the group texts' word totals
        QCOMPARE(before["columns"][words].get<std::string>(), std::string("words"));
        SEND_OK(drive, json::array({"press", "tblShares", "heading", words}));
        json table = control(drive.dump(), "Form12", "tblShares");
        QCOMPARE(table["rows"].size(), before["rows"].size());
        std::vector<double> values;
        for (const json& row : table["rows"])
            values.push_back(std::stod(row[words].get<std::string>()));
        const bool ascending = std::is_sorted(values.begin(), values.end());
        const bool descending = std::is_sorted(values.rbegin(), values.rend());
        QVERIFY2(ascending || descending, "the word totals are not in numeric order");
        QVERIFY(values.front() != values.back());
        // Sorting again turns the order round.
        SEND_OK(drive, json::array({"press", "tblShares", "heading", words}));
        json again = control(drive.dump(), "Form12", "tblShares");
        QCOMPARE(std::stod(again["rows"][0][words].get<std::string>()),
                 ascending ? values.back() : values.front());

        // The pressed row, copied: the header and exactly the cells shown.
        const int row = 3;
        SEND_OK(drive, cmd("press", "tblShares", row));
        json d = drive.dump();
        QCOMPARE(control(d, "Form12", "tblShares")["selected"].get<int>(), row);
        SEND_OK(drive, cmd("copy", "tblShares"));
        d = drive.dump();
        const std::vector<std::string> lines = splitLines(d["clipboard"].get<std::string>());
        QCOMPARE(int(lines.size()), 2);
        const std::vector<std::string> cells = splitTabs(lines[1]);
        const json& shown = again["rows"][row];
        QCOMPARE(int(cells.size()), int(shown.size()));
        for (std::size_t i = 0; i < cells.size(); ++i)
            QCOMPARE(QString::fromStdString(cells[i]), QString::fromStdString(shown[i]));

        // Ctrl+C copies as the menu's Copy does: the header and the selected row,
        // not the one cell under the cursor.
        SEND_OK(drive, cmd("key", "tblShares", std::string("Ctrl+C")));
        QCOMPARE(drive.dump()["clipboard"].get<std::string>(), d["clipboard"].get<std::string>());
        // Ctrl+A, then Ctrl+C: the whole table in the order shown, under its header.
        SEND_OK(drive, cmd("key", "tblShares", std::string("Ctrl+A")));
        SEND_OK(drive, cmd("key", "tblShares", std::string("Ctrl+C")));
        const std::vector<std::string> all =
            splitLines(drive.dump()["clipboard"].get<std::string>());
        QCOMPARE(int(all.size()), int(again["rows"].size()) + 1);
        QCOMPARE(splitTabs(all[0]).size(), again["columns"].size());
        for (std::size_t r = 0; r < again["rows"].size(); ++r)
            QCOMPARE(QString::fromStdString(splitTabs(all[r + 1])[words]),
                     QString::fromStdString(again["rows"][r][words].get<std::string>()));
    }

    // Escape with a drop-down list of the window open closes the list alone:
    // the window and its settings stay. Without an open list it closes the
    // window, as before.
    void escapeInAnOpenDropDownClosesTheListAlone() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        SEND_OK(drive, cmd("select", "cboFamily", 1));
        for (const char* box : {"cboFamily", "cboGroupBy"}) {
            SEND_OK(drive, cmd("press", box));
            json d = drive.dump();
            QVERIFY2(control(d, "Form12", box)["popupOpen"].get<bool>(), box);
            SEND_OK(drive, cmd("key", box, std::string("Escape")));
            d = drive.dump();
            QVERIFY2(isOpen(d, "Form12"), box);
            QVERIFY2(!control(d, "Form12", box)["popupOpen"].get<bool>(), box);
            QCOMPARE(control(d, "Form12", "cboFamily")["selected"].get<int>(), 1);
        }
        SEND_OK(drive, cmd("key", "cboFamily", std::string("Escape")));
        QVERIFY(!isOpen(drive.dump(), "Form12"));
    }

    // Every table of the window sorts by its headings, the significance tests
    // and the author figures too, under headings a reader understands.
    void everyTableSortsUnderReadersHeadings() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        const struct {
            int tab;
            std::string table, column, heading;
        } cases[] = {
            {0, "tblSignificance", "statistic", "Statistic"},
            {0, "tblShares", "per_10k", "Per 10k"},
            {0, "tblSpread", "top_author_share", "Top author's share"},
            {1, "tblMetrics", "av_text_length", "Av. text length"},
        };
        for (const auto& c : cases) {
            SEND_OK(drive, json::array({"select", "tabResults", c.tab}));
            json d = drive.dump();
            const json before = control(d, "Form12", c.table);
            int i = 0;
            while (i < int(before["columns"].size()) && before["columns"][i] != c.column) ++i;
            QVERIFY2(i < int(before["columns"].size()), c.column.c_str());
            QCOMPARE(before["headings"][i].get<std::string>(), c.heading);
            SEND_OK(drive, json::array({"press", c.table, "heading", i}));
            SEND_OK(drive, json::array({"press", c.table, "heading", i}));
            d = drive.dump();
            const json after = control(d, "Form12", c.table);
            QCOMPARE(after["sortColumn"].get<int>(), i);
            std::vector<double> v;
            for (const json& row : after["rows"]) {
                QString cell = QString::fromStdString(row[i].get<std::string>());
                if (cell.isEmpty()) continue;
                if (cell.endsWith(" %")) cell.chop(2);
                bool number = false;
                v.push_back(cell.toDouble(&number));
                QVERIFY2(number, qPrintable(cell));
            }
            QVERIFY2(v.size() > 1, c.table.c_str());
            QVERIFY2(std::is_sorted(v.rbegin(), v.rend()), c.table.c_str());
        }
    }

    // A copy from a list says what its numbers are; every list has the menu;
    // the education list keeps row for row with the codes however either scrolls.
    void listsCopyWithTheirContextAndScrollTogether() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "opt26To40"));
        SEND_OK(drive, cmd("press", "cmdAgeAndGender"));
        SEND_OK(drive, cmd("press", "AgeTable", 0));
        SEND_OK(drive, cmd("press", "cmdAuthorData"));
        SEND_OK(drive, cmd("press", "lstUForms", 1));
        json d = drive.dump();
        const json& c = d["windows"]["Form1"]["controls"];
        SEND_OK(drive, cmd("key", "lstUForms", std::string("Ctrl+C")));
        const std::vector<std::string> lines =
            splitLines(drive.dump()["clipboard"].get<std::string>());
        QCOMPARE(int(lines.size()), 2);
        QCOMPARE(QString::fromStdString(lines[0]),
                 QString("family\tform\tauthor_code\tgroup\tauthor_count\tgroup_count\t"
                         "corpus_count"));
        const std::vector<std::string> row = splitTabs(lines[1]);
        QCOMPARE(int(row.size()), 7);
        QCOMPARE(row[0], std::string("lstUForms"));
        QCOMPARE(row[1], c["lstUForms"]["items"][1].get<std::string>());
        QCOMPARE(row[2], c["AgeTable"]["items"][0].get<std::string>());
        QCOMPARE(row[3], std::string("26 to 40 F"));
        QCOMPARE(row[4], c["lblYouIndividual"]["text"].get<std::string>());
        QCOMPARE(row[5], c["lblYouInGroup"]["text"].get<std::string>());
        QCOMPARE(row[6], c["lblYouInCorpus"]["text"].get<std::string>());

        for (const char* list : {"lstNonStandardForms", "AgeTable", "lstEducation"})
            SEND_OK(drive, cmd("copyall", list));
        SEND_OK(drive, cmd("copyall", "lstNonStandardForms"));
        const std::vector<std::string> glossary =
            splitLines(drive.dump()["clipboard"].get<std::string>());
        QCOMPARE(QString::fromStdString(glossary[0]),
                 QString("form\tinterpretation\tcorpus_count"));
        QCOMPARE(glossary.size(), c["lstNonStandardForms"]["items"].size() + 1);

        // Scrolled by the wheel over either list, by keys, the two stay level.
        const int codes = int(c["AgeTable"]["items"].size());
        QVERIFY(codes > 6);
        auto tops = [&] {
            const json now = drive.dump()["windows"]["Form1"]["controls"];
            return std::make_pair(now["AgeTable"]["top"].get<int>(),
                                  now["lstEducation"]["top"].get<int>());
        };
        SEND_OK(drive, json::array({"wheel", "lstEducation", -3}));
        auto [a, e] = tops();
        QVERIFY(a > 0);
        QCOMPARE(a, e);
        SEND_OK(drive, json::array({"wheel", "AgeTable", 3}));
        std::tie(a, e) = tops();
        QCOMPARE(a, 0);
        QCOMPARE(e, 0);
        SEND_OK(drive, cmd("key", "AgeTable", std::string("End")));
        std::tie(a, e) = tops();
        QVERIFY(a > 0);
        QCOMPARE(a, e);
        SEND_OK(drive, cmd("key", "lstEducation", std::string("Home")));
        std::tie(a, e) = tops();
        QCOMPARE(a, 0);
        QCOMPARE(e, 0);
    }

    // Copy, Copy all and Export of the main window's tables.
    void copiesAndExportsCarryHeaderAndRows() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "opt41To60"));
        SEND_OK(drive, cmd("press", "cmdAgeAndGender"));
        SEND_OK(drive, cmd("press", "AgeTable", 0));
        SEND_OK(drive, cmd("press", "cmdAuthorData"));
        json d = drive.dump();
        const QStringList uses = itemsOf(d, "Form1", "lstNonStandards");
        QVERIFY(uses.size() >= 2);

        SEND_OK(drive, cmd("copyall", "lstNonStandards"));
        d = drive.dump();
        std::vector<std::string> lines = splitLines(d["clipboard"].get<std::string>());
        QCOMPARE(int(lines.size()), uses.size() + 1);
        QCOMPARE(QString::fromStdString(lines[0]), QString("form\tinterpretation\tcorpus_count"));
        for (int i = 0; i < uses.size(); ++i)
            QCOMPARE(QString::fromStdString(splitTabs(lines[i + 1])[0]), uses[i]);

        // Ctrl+C on the list: the selected row with the header.
        SEND_OK(drive, cmd("press", "lstNonStandards", 1));
        SEND_OK(drive, cmd("key", "lstNonStandards", std::string("Ctrl+C")));
        d = drive.dump();
        lines = splitLines(d["clipboard"].get<std::string>());
        QCOMPARE(int(lines.size()), 2);
        QCOMPARE(QString::fromStdString(splitTabs(lines[1])[0]), uses[1]);

        // The author panel: caption and value per row, as the window shows them.
        SEND_OK(drive, cmd("copyall", "lblTotWords"));
        d = drive.dump();
        lines = splitLines(d["clipboard"].get<std::string>());
        bool found = false;
        for (const std::string& l : lines) {
            const auto cells = splitTabs(l);
            if (cells.size() == 2 && cells[0] == "Word Total for this author:") {
                QCOMPARE(QString::fromStdString(cells[1]), textOf(d, "Form1", "lblTotWords"));
                found = true;
            }
        }
        QVERIFY(found);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("uses.csv");
        SEND_OK(drive, cmd("export", "lstNonStandards", file.toStdString()));
        const QStringList exported = readFile(file).split('\n', Qt::SkipEmptyParts);
        QVERIFY(exported.size() > 4);
        QVERIFY(exported[0].startsWith("# "));
        QVERIFY(exported.filter(QRegularExpression("^# corpus: built-in, 977 texts$")).size() == 1);
        const int header = exported.indexOf("form,interpretation,corpus_count");
        QVERIFY(header > 0);
        for (int i = 0; i < header; ++i) QVERIFY(exported[i].startsWith("#"));
        QCOMPARE(exported.size() - header - 1, uses.size());

        // Refused: a control without a table, an export without a file, a file
        // that cannot be written.
        for (const json& c :
             {cmd("copy", "cmdAbout"), json::array({"export", "lstNonStandards"}),
              cmd("export", "lstNonStandards", std::string("/no/such/dir/x.csv"))}) {
            const json answer = drive.send(c);
            QVERIFY2(!answer.value("ok", true), QByteArray::fromStdString(c.dump()));
        }
    }

    // Another corpus from a folder: codes of any length, the counts follow the
    // folder; a broken file stops the start with "file:line: rule" and code 2.
    void anotherCorpusFromAFolder() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        auto write = [&](const QString& name, const QByteArray& content) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        };
        write("register.json",
              R"([{"code": "10001", "name": "Ann Example", "age": "30", "gender": "F",
                   "education": "U", "nativeLanguage": "E"},
                  {"code": "7", "name": "Bea Example", "age": "33", "gender": "F",
                   "education": "G", "nativeLanguage": "E"}])");
        write("corpus.jsonl", "{\"author\": \"Ann Example\", \"text\": \"c u l8r bk soon\"}\n"
                              "{\"author\": \"bea example\", \"text\": \"bk in 5\"}\n"
                              "{\"author\": \"Ann Example\", \"text\": \"back now x\"}\n");
        {
            // The built-in British families, chosen for the folder.
            Driver drive({"--corpus", dir.path(), "--lexicon", "british"});
            QVERIFY(drive.started());
            SEND_OK(drive, cmd("press", "opt26To40"));
            SEND_OK(drive, cmd("press", "cmdAgeAndGender"));
            const json d = drive.dump();
            QCOMPARE(textOf(d, "Form1", "lblNumOfCorpusTexts"), QString("3"));
            QCOMPARE(itemsOf(d, "Form1", "AgeTable"), QStringList({"10001", "7"}));
            QCOMPARE(textOf(d, "Form1", "NumOfGroupTexts"), QString("3"));
            SEND_OK(drive, cmd("press", "lstBack", 2)); // "bk"
            QCOMPARE(textOf(drive.dump(), "Form1", "lblBackInCorpus"), QString("2"));
        }
        write("corpus.jsonl", "{\"author\": \"Ann Example\", \"text\": \"ok\"}\n"
                              "{\"author\": \"Ann Example\", \"text\": \"50\xFF off\"}\n");
        // A line that cannot be read is left out and reported with its place;
        // the rest of the corpus opens.
        QProcess partly;
        partly.start(qEnvironmentVariable("ZAPT_DRIVE"), {"--corpus", dir.path()});
        QVERIFY(partly.waitForStarted());
        partly.closeWriteChannel();
        QVERIFY(partly.waitForFinished(30000));
        QCOMPARE(partly.exitCode(), 0);
        const QString report = QString::fromUtf8(partly.readAllStandardError());
        QVERIFY2(report.contains("invalid UTF-8 (1x)") &&
                     report.contains(dir.filePath("corpus.jsonl") + ":2"),
                 qPrintable(report));
        // A corpus without its register cannot be read at all.
        QVERIFY(QFile::remove(dir.filePath("register.json")));
        QProcess broken;
        broken.start(qEnvironmentVariable("ZAPT_DRIVE"), {"--corpus", dir.path()});
        QVERIFY(broken.waitForStarted());
        broken.closeWriteChannel();
        QVERIFY(broken.waitForFinished(30000));
        QCOMPARE(broken.exitCode(), 2);
        const QString err = QString::fromUtf8(broken.readAllStandardError());
        QVERIFY2(err.contains(dir.filePath("register.json") + ":1: the file is missing"),
                 qPrintable(err));
        QVERIFY(broken.readAllStandardOutput().isEmpty());
    }

    // A linguist's own table with its own age bands: the option buttons show
    // the bands, an author whose range straddles two bands is in neither, and
    // the exports say the built-in glossary applies (the user chose it with
    // --lexicon british). More bands than the main window shows stop the start.
    void aTableWithItsOwnBands() {
        const QString table = QStringLiteral(ZAPT_TEST_DATA_DIR) + "/awkward_corpus.csv";
        Driver drive(
            {"--corpus", table, "--bands", "0-17,18-29,30-49,50+", "--lexicon", "british"});
        QVERIFY(drive.started());
        json d = drive.dump();
        const json& c = d["windows"]["Form1"]["controls"];
        QCOMPARE(QString::fromStdString(c["optUnder18"]["text"].get<std::string>()),
                 QString("0 to 17"));
        QCOMPARE(QString::fromStdString(c["opt41To60"]["text"].get<std::string>()), QString("50+"));
        QVERIFY(c["opt41To60"]["visible"].get<bool>());
        QVERIFY(!c["opt61Plus"]["visible"].get<bool>());
        SEND_OK(drive, cmd("press", "Opt18To25"));
        SEND_OK(drive, cmd("press", "optMale"));
        SEND_OK(drive, cmd("press", "cmdAgeAndGender"));
        d = drive.dump();
        const int authors = int(d["windows"]["Form1"]["controls"]["AgeTable"]["items"].size());
        QVERIFY(authors > 0);
        QCOMPARE(textOf(d, "Form1", "lblNumOfCorpusTexts"), QString("384"));
        QTemporaryDir dir;
        const QString file = dir.filePath("group.csv");
        SEND_OK(drive, json::array({"export", "GroupAvTextLength", file.toStdString()}));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString head = QString::fromUtf8(f.readAll());
        QVERIFY2(head.contains("# corpus: table " + table), qPrintable(head.left(300)));
        QVERIFY(head.contains("# glossary: built-in (British English, 743 forms)"));

        QProcess six;
        six.start(qEnvironmentVariable("ZAPT_DRIVE"),
                  {"--corpus", table, "--bands", "0-9,10-19,20-29,30-39,40-49,50+"});
        QVERIFY(six.waitForStarted());
        six.closeWriteChannel();
        QVERIFY(six.waitForFinished(30000));
        QCOMPARE(six.exitCode(), 2);
        QVERIFY(QString::fromUtf8(six.readAllStandardError()).contains("at most 5 bands"));

        // A table without education data: the lavender list says so.
        const QString plain = dir.filePath("plain.csv");
        QFile p(plain);
        QVERIFY(p.open(QIODevice::WriteOnly));
        p.write("sender,age,gender,message\np1,30,F,hi u ok\np2,31,f,\xF0\x9F\x91\x8D ok\n");
        p.close();
        Driver none({"--corpus", plain});
        QVERIFY(none.started());
        SEND_OK(none, cmd("press", "opt26To40"));
        SEND_OK(none, cmd("press", "cmdAgeAndGender"));
        const json e = none.dump()["windows"]["Form1"]["controls"]["lstEducation"];
        QCOMPARE(e["items"].size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(e["items"][0].get<std::string>()),
                 QString::fromUtf8("\u2013"));
        QVERIFY(
            QString::fromStdString(e["toolTip"].get<std::string>()).contains("no education data"));
    }

    // Groups of another field: the education column of a table, crossed
    // with its region column; each group's counts worked out here from the
    // table's rows, the authors without an education left out and counted.
    void groupsOfAnyField() {
        struct Text {
            const char *author, *education, *region, *message;
        };
        const Text texts[] = {{"p1", "U", "North", "bk soon bk"},
                              {"p2", "HS", "South", "back bk"},
                              {"p3", "U", "", "bk"},
                              {"p4", "", "North", "bak back"},
                              {"p5", "hs", "South", "bk bk bk"},
                              {"p1", "U", "North", "back"}};
        QTemporaryDir dir;
        const QString path = dir.filePath("t.csv");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("sender,age,gender,education,region,message\n");
        for (const Text& t : texts)
            f.write(QString("%1,30,F,%2,%3,%4\n")
                        .arg(t.author, t.education, t.region, t.message)
                        .toUtf8());
        f.close();
        Driver drive({"--corpus", path});
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        json d = drive.dump();
        const json& combo = control(d, "Form12", "cboGroupBy");
        std::vector<std::string> items = combo["items"];
        QCOMPARE(items.front(), std::string("age band × gender"));
        QCOMPARE(combo["selected"].get<int>(), 0);
        // The table brings no glossary and no families, and the built-in
        // British ones are not put on it unasked: the window says so, and
        // offers only the user's own forms.
        const std::string applied = control(d, "Form12", "lblApplied")["text"].get<std::string>();
        QVERIFY2(applied.find("glossary: none") != std::string::npos, applied.c_str());
        QVERIFY2(applied.find("variant families: none") != std::string::npos, applied.c_str());
        const json& families = control(d, "Form12", "cboFamily");
        QCOMPARE(families["items"].size(), std::size_t(1));
        SEND_OK(drive, cmd("select", "cboFamily", int(families["items"].size()) - 1));
        SEND_OK(drive, cmd("type", "txtOwnForms", std::string("bk back")));
        SEND_OK(drive, cmd("click", "Form12.cmdCompareGroups"));

        // Per grouping: the group of a text (empty: left out), in the order
        // of the groups' values.
        const struct {
            std::string caption;
            std::vector<std::string> columns;
            std::function<std::string(const Text&)> group;
            int leftOut;
        } cases[] = {
            {"education",
             {"education"},
             [](const Text& t) {
                 const QString e = QString(t.education).toUpper();
                 return e.isEmpty() ? std::string() : e.toStdString();
             },
             1},
            {"education × region",
             {"education", "region"},
             [](const Text& t) {
                 const QString e = QString(t.education).toUpper();
                 return e.isEmpty() || !*t.region ? std::string()
                                                  : (e + "\t" + t.region).toStdString();
             },
             2},
        };
        for (const auto& c : cases) {
            const auto at = std::find(items.begin(), items.end(), c.caption);
            QVERIFY2(at != items.end(), c.caption.c_str());
            SEND_OK(drive, cmd("select", "cboGroupBy", int(at - items.begin())));
            const json shares = control(drive.dump(), "Form12", "tblShares");
            std::vector<std::string> columns = shares["columns"];
            QVERIFY(std::equal(c.columns.begin(), c.columns.end(), columns.begin()));
            QCOMPARE(columns[c.columns.size()], std::string("form"));
            // Counts and authors per group and form, from the rows above.
            std::map<std::pair<std::string, std::string>, int> counts;
            std::map<std::string, std::set<std::string>> authors;
            std::set<std::string> leftOut;
            for (const Text& t : texts) {
                const std::string g = c.group(t);
                if (g.empty()) {
                    leftOut.insert(t.author);
                    continue;
                }
                authors[g].insert(t.author);
                for (const QString& piece : QString(t.message).split(' '))
                    ++counts[{g, piece.toStdString()}];
            }
            QCOMPARE(int(leftOut.size()), c.leftOut);
            QVERIFY(textOf(drive.dump(), "Form12", "lblGroups")
                        .contains(QString(" %1 author").arg(c.leftOut)));
            std::vector<std::string> seen;
            for (const json& row : shares["rows"]) {
                std::string g = row[0];
                for (std::size_t k = 1; k < c.columns.size(); ++k)
                    g += "\t" + row[k].get<std::string>();
                if (row[0] == "all") continue;
                // "HS" names its group: the first author's spelling.
                const std::string key = g;
                const std::string form = row[c.columns.size()];
                QCOMPARE(row[c.columns.size() + 1].get<std::string>(),
                         std::to_string(counts[{key, form}]));
                QCOMPARE(row[c.columns.size() + 6].get<std::string>(),
                         std::to_string(authors[key].size()));
                if (seen.empty() || seen.back() != key) seen.push_back(key);
            }
            std::vector<std::string> groups;
            for (const auto& [g, a] : authors) groups.push_back(g);
            QCOMPARE(seen, groups); // in the order of the values
        }
        // The author figures follow the grouping.
        SEND_OK(drive, json::array({"select", "tabResults", 1}));
        const json metrics = control(drive.dump(), "Form12", "tblMetrics");
        QCOMPARE(metrics["columns"][0].get<std::string>(), std::string("education"));
        QCOMPARE(metrics["columns"][1].get<std::string>(), std::string("region"));
    }

    // Both charts with two crossed fields of long values: every group label
    // shows whole (wrapped, or upright when a column is too narrow), and each
    // bar's n is the family's count in its group; the share chart's interval
    // is the Wilson interval of count of n.
    void chartsShowWholeLabelsAndEachGroupsN() {
        QTemporaryDir dir;
        const QString table = writeRegionsTable(dir);
        QVERIFY(!table.isEmpty());
        Driver drive({"--corpus", table});
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        json d = drive.dump();
        const json families = control(d, "Form12", "cboFamily");
        SEND_OK(drive, cmd("select", "cboFamily", int(families["items"].size()) - 1));
        SEND_OK(drive, cmd("type", "txtOwnForms", std::string("u you ya")));
        SEND_OK(drive, cmd("click", "Form12.cmdCompareGroups"));
        const std::vector<std::string> groupings = control(d, "Form12", "cboGroupBy")["items"];
        const auto crossed = std::find(groupings.begin(), groupings.end(), "age band × region");
        QVERIFY(crossed != groupings.end());
        SEND_OK(drive, cmd("select", "cboGroupBy", int(crossed - groupings.begin())));
        SEND_OK(drive, cmd("select", "tabResults", 3));
        d = drive.dump();
        const json shares = control(d, "Form12", "tblShares");
        // The family's count per group, from the shares table: the sum of its
        // forms' counts, in the table's order of groups.
        std::vector<std::pair<std::string, int>> families_n;
        const int form = columnOf(shares, "form"), count = columnOf(shares, "count");
        for (const json& row : shares["rows"]) {
            std::string key;
            for (int c = 0; c < form; ++c) key += row[c].get<std::string>() + "|";
            if (families_n.empty() || families_n.back().first != key)
                families_n.push_back({key, 0});
            families_n.back().second += std::stoi(row[count].get<std::string>());
        }
        for (const char* name : {"chtShares", "chtShareDots"}) {
            const json chart = control(d, "Form12", name);
            QCOMPARE(QString::fromStdString(chart["kind"]), QString("chart"));
            QVERIFY2(chart["labelsWhole"].get<bool>(), name);
            QCOMPARE(chart["bars"].size(), families_n.size());
            for (std::size_t i = 0; i < families_n.size(); ++i)
                QCOMPARE(chart["bars"][i]["n"].get<int>(), families_n[i].second);
            // "<18 · London and the South East of England" is the label: not a word cut.
            bool london = false;
            for (const json& bar : chart["bars"])
                london = london || bar["label"].get<std::string>().find(
                                       "London and the South East of England") != std::string::npos;
            QVERIFY(london);
        }
        const json numbers = control(d, "Form12", "tblChart");
        const int n = columnOf(numbers, "n"), c = columnOf(numbers, "count");
        const int low = columnOf(numbers, "ci_low"), high = columnOf(numbers, "ci_high");
        QVERIFY(n > 0 && c > 0 && low > 0 && high > 0);
        int checked = 0;
        for (const json& row : numbers["rows"]) {
            const double total = std::stod(row[n].get<std::string>());
            if (total == 0) {
                QCOMPARE(row[low].get<std::string>(), std::string());
                continue;
            }
            const auto [lo, hi] = wilson(std::stod(row[c].get<std::string>()), total);
            QVERIFY(std::abs(std::stod(row[low].get<std::string>()) - lo) < 1e-9);
            QVERIFY(std::abs(std::stod(row[high].get<std::string>()) - hi) < 1e-9);
            ++checked;
        }
        QVERIFY(checked >= 6);
    }

    // The share chart of "back" and of "bk" on the built-in corpus: a dot for
    // every author of the group who uses a form of the family, worked out from
    // the data files, and none where fewer than 3 authors use the form (the
    // spread's rule).
    void shareChartDotsAreTheGroupsAuthorsAboveThePrivacyThreshold() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        const json combo = control(drive.dump(), "Form12", "cboFamily");
        int back = -1;
        for (int i = 0; i < int(combo["items"].size()); ++i) {
            if (combo["items"][i] == "Forms of 'back'") back = i;
        }
        QVERIFY(back >= 0);
        SEND_OK(drive, cmd("select", "cboFamily", back));
        SEND_OK(drive, cmd("select", "tabResults", 3));
        const std::vector<std::string> forms = {"back", "bak", "bk", "bck"};
        const char* genders[] = {"F", "M"};
        int withheld = 0, shown = 0;
        for (int f : {0, 2}) {
            SEND_OK(drive, cmd("select", "cboChartForm", f));
            const json chart = control(drive.dump(), "Form12", "chtShareDots");
            QCOMPARE(chart["form"].get<std::string>(), forms[f]);
            for (int b = 0; b < 5; ++b) {
                for (int g = 0; g < 2; ++g) {
                    const json& bar = chart["bars"][2 * b + g];
                    const std::vector<Author> group = groupOf(data_, kBands[b], genders[g]);
                    int family = 0, using_ = 0;
                    for (const Author& a : group) {
                        const std::string text = groupText(data_, {a});
                        int uses = 0;
                        for (const std::string& form : forms) uses += countPieces(text, form);
                        family += uses > 0;
                        using_ += countPieces(text, forms[f]) > 0;
                    }
                    const bool hide = using_ > 0 && using_ < 3;
                    QCOMPARE(bar["withheld"].get<bool>(), hide);
                    QCOMPARE(bar["dots"].get<int>(), using_ >= 3 ? family : 0);
                    withheld += hide;
                    shown += using_ >= 3;
                }
            }
        }
        QVERIFY(withheld > 0);
        QVERIFY(shown > 0);
    }

    // Each chart saves as PNG (twice the screen's resolution) and SVG (its
    // title and labels as text); another kind of file is refused.
    void chartsSaveAsPngAndSvg() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        SEND_OK(drive, cmd("select", "tabResults", 3));
        const json d = drive.dump();
        QTemporaryDir dir;
        for (const char* name : {"chtShareDots", "chtShares"}) {
            const json chart = control(d, "Form12", name);
            const QString png = dir.filePath(QString(name) + ".png");
            const QString svg = dir.filePath(QString(name) + ".svg");
            SEND_OK(drive, cmd("save", name, png.toStdString()));
            SEND_OK(drive, cmd("save", name, svg.toStdString()));
            QImage image(png);
            QVERIFY2(!image.isNull(), name);
            QVERIFY(image.width() >= 2 * 360);
            const QString text = readFile(svg);
            QVERIFY2(text.contains("<svg"), name);
            QVERIFY2(text.contains("Share of"), name);
            // Every group label is in the picture, as text (wrapped: word by word).
            for (const json& bar : chart["bars"]) {
                const QString label = QString::fromStdString(bar["label"].get<std::string>());
                for (const QString& word : label.split(' '))
                    QVERIFY2(text.contains(word.toHtmlEscaped()), qPrintable(label));
            }
        }
        QVERIFY(!ok(drive.send(cmd("save", "chtShareDots", dir.filePath("x.jpg").toStdString()))));
        QVERIFY(!ok(drive.send(cmd("save", "chtShareDots", std::string("/no/such/dir/x.svg")))));
        QVERIFY(!ok(drive.send(cmd("save", "tblShares", dir.filePath("t.png").toStdString()))));
    }

    // The Authors tab: one row per register author and form, the form's share
    // of the author's count of the forms, sortable by it, and exported exactly
    // as zapt-report authors writes the same table.
    void authorsTabIsTheReportsLongTable() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        const json combo = control(drive.dump(), "Form12", "cboFamily");
        int back = -1;
        for (int i = 0; i < int(combo["items"].size()); ++i) {
            if (combo["items"][i] == "Forms of 'back'") back = i;
        }
        SEND_OK(drive, cmd("select", "cboFamily", back));
        SEND_OK(drive, cmd("select", "tabResults", 4));
        const json table = control(drive.dump(), "Form12", "tblAuthors");
        QCOMPARE(table["columns"].dump(),
                 json::array({"code", "age", "gender", "education", "native_language", "form",
                              "count", "words", "share"})
                     .dump());
        QCOMPARE(table["rows"].size(), data_.authors.size() * 4);
        // Per author: the share is the count over the author's counts of the four.
        std::map<std::string, int> total;
        for (const json& r : table["rows"]) total[r[0]] += std::stoi(r[6].get<std::string>());
        for (const json& r : table["rows"]) {
            const int t = total[r[0]];
            const std::string share = r[8];
            if (t == 0) {
                QCOMPARE(share, std::string());
            } else {
                QVERIFY(std::abs(std::stod(share) - std::stod(r[6].get<std::string>()) / t) <
                        1e-12);
            }
        }
        // Sorted by share: numbers by value.
        SEND_OK(drive, json::array({"press", "tblAuthors", "heading", 8}));
        std::vector<double> values;
        const json sorted = control(drive.dump(), "Form12", "tblAuthors");
        for (const json& r : sorted["rows"]) {
            if (!r[8].get<std::string>().empty())
                values.push_back(std::stod(r[8].get<std::string>()));
        }
        QVERIFY(std::is_sorted(values.begin(), values.end()) ||
                std::is_sorted(values.rbegin(), values.rend()));
        QVERIFY(values.front() != values.back());

        // The export's rows are zapt-report's, line for line.
        QTemporaryDir dir;
        const QString file = dir.filePath("authors.csv");
        SEND_OK(drive, cmd("export", "tblAuthors", file.toStdString()));
        const QString report =
            QFileInfo(qEnvironmentVariable("ZAPT_DRIVE")).dir().filePath("zapt-report");
        if (!QFileInfo(report).isExecutable()) QSKIP("zapt-report is not built beside the driver");
        QProcess run;
        run.start(report, {"authors", "--family", "lstBack"});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        auto rows = [](const QString& text) {
            QStringList out;
            for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
                if (!line.startsWith('#')) out << line;
            }
            return out;
        };
        const QStringList exported = rows(readFile(file));
        const QStringList printed = rows(QString::fromUtf8(run.readAllStandardOutput()));
        QCOMPARE(exported.size(), int(data_.authors.size() * 4) + 1);
        // In the same rows, whatever order the window's sorting left them in.
        QVERIFY2(QSet<QString>(exported.begin(), exported.end()) ==
                         QSet<QString>(printed.begin(), printed.end()) &&
                     exported.size() == printed.size(),
                 qPrintable(exported.mid(0, 3).join(" / ") + " against " +
                            printed.mid(0, 3).join(" / ")));
    }

    // A corpus's own families: those named after a built-in family stand in
    // its list, the others in the places left free, and what finds no place is
    // named under the columns; the comparison window lists every one of them.
    void ownFamiliesStandInTheMainWindowOrAreNamed() {
        QTemporaryDir dir;
        auto write = [&](const QString& name, const QByteArray& content) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        };
        write("t.csv", "sender,age,gender,message\np1,30,F,c u 2nite\np2,31,F,lol 2nite tonite\n"
                       "p3,33,M,tonight lol x\n");
        write("four.csv", "family,form\nBack,bk\nBack,back\nTonight,tonight\nTonight,2nite\n"
                          "Tonight,tonite\nYou,u\nYou,you\nLaugh,lol\nLaugh,haha\n");
        const char* stems[] = {"Been", "ThWords",  "Okay", "Is",  "Today", "Back", "Text", "The",
                               "Have", "Tomorrow", "How",  "Who", "What",  "We",   "I",    "You"};
        QByteArray all = "family,form\n";
        for (const char* stem : stems) all += QByteArray(stem) + "," + stem + "x\n";
        all += "Tonight,2nite\nLaugh,lol\n";
        write("eighteen.csv", all);

        const struct {
            const char* families;
            std::vector<std::string> lists; // lists the main window must show
            std::string note;               // "" for none shown
            int familiesInCompare;
        } cases[] = {
            {"four.csv",
             {"lstBack", "lstUForms", "lstTonight", "lstLaugh"},
             "The lists show all 4 of the corpus's families.",
             4},
            {"eighteen.csv",
             {"lstBack", "lstUForms", "lstBeen", "LstWeForms"},
             "The lists show 16 of the corpus's 18 families; 2 more families in Compare "
             "groups...",
             18},
        };
        for (const auto& c : cases) {
            Driver drive(
                {"--corpus", dir.filePath("t.csv"), "--families", dir.filePath(c.families)});
            QVERIFY2(drive.started(), c.families);
            json d = drive.dump();
            const json& controls = d["windows"]["Form1"]["controls"];
            for (const std::string& list : c.lists) {
                QVERIFY2(controls.contains(list),
                         (std::string(c.families) + ": no " + list).c_str());
                QVERIFY2(controls[list]["visible"].get<bool>(), list.c_str());
            }
            const json& note = controls["lblFamiliesNote"];
            QCOMPARE(note["text"].get<std::string>(), c.note);
            QVERIFY(note["visible"].get<bool>());
            SEND_OK(drive, cmd("press", "cmdCompareGroups"));
            const json combo = control(drive.dump(), "Form12", "cboFamily");
            QCOMPARE(int(combo["items"].size()), c.familiesInCompare + 1);
            if (std::string(c.families) == "eighteen.csv") {
                const std::string tip = note["toolTip"].get<std::string>();
                QVERIFY2(tip.find("only: Tonight, Laugh") != std::string::npos, tip.c_str());
                continue;
            }
            // The own family's list works as any other: "2nite" twice in the corpus.
            const QStringList items = itemsOf(d, "Form1", "lstTonight");
            QCOMPARE(items, QStringList({"tonight", "2nite", "tonite"}));
            SEND_OK(drive, cmd("press", "lstTonight", 1));
            QCOMPARE(textOf(drive.dump(), "Form1", "lblTonightInCorpus"), QString("2"));
        }
        // The built-in corpus: every family in its own list, nothing to say.
        Driver builtin;
        QVERIFY(builtin.started());
        const json note = control(builtin.dump(), "Form1", "lblFamiliesNote");
        QVERIFY(!note["visible"].get<bool>());
    }

    // Every copy and export of every table of every window, for several
    // groups and authors: author codes, never a name and never a whole text.
    void noCopyOrExportShowsANameOrAWholeText() {
        std::set<std::string> names;
        for (const Author& a : data_.authors) names.insert(fold(a.name));
        for (const Text& t : data_.texts) names.insert(fold(t.author));
        for (const std::string& w : data_.fixedWords) names.erase(fold(w));
        std::vector<std::string> longTexts;
        for (const Text& t : data_.texts) {
            const QString words = QString::fromStdString(t.text).simplified();
            if (words.split(' ').size() >= 4) longTexts.push_back(fold(words.toStdString()));
        }

        Driver drive;
        QVERIFY(drive.started());
        QTemporaryDir dir;
        std::string everything;
        auto collect = [&](const std::string& control) {
            SEND_OK(drive, cmd("copyall", control));
            everything += drive.dump()["clipboard"].get<std::string>() + "\n";
            const QString file = dir.filePath("t.csv");
            SEND_OK(drive, cmd("export", control, file.toStdString()));
            everything += readFile(file).toStdString() + "\n";
        };
        SEND_OK(drive, cmd("press", "lstNonStandardForms", 0));
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        SEND_OK(drive, json::array({"select", "tabResults", 1}));
        SEND_OK(drive, json::array({"select", "tabResults", 4}));
        for (const char* table : {"tblShares", "tblSpread", "tblSignificance", "tblMetrics",
                                  "tblOccurrences", "tblCollocates", "tblChart", "tblAuthors"})
            collect(table);
        const char* genders[] = {"optFemale", "optMale"};
        for (int b = 0; b < 5; ++b) {
            SEND_OK(drive, cmd("press", kBands[b].option));
            SEND_OK(drive, cmd("press", genders[b % 2]));
            SEND_OK(drive, cmd("press", "cmdAgeAndGender"));
            if (itemsOf(drive.dump(), "Form1", "AgeTable").isEmpty()) continue;
            SEND_OK(drive, cmd("press", "AgeTable", 0));
            SEND_OK(drive, cmd("press", "cmdAuthorData"));
            SEND_OK(drive, cmd("press", "cmdClusterPunctuation"));
            SEND_OK(drive, cmd("press", "lstBack", 0));
            SEND_OK(drive, cmd("press", "cmdColls"));
            for (const char* c : {"lblTotWords", "GroupAvTextLength", "lstNonStandards",
                                  "lstClusterPunc", "lblBackInGroup", "Form11.Text1"})
                collect(c);
        }
        SEND_OK(drive, cmd("press", "cmdGetCorpusData"));
        SEND_OK(drive, cmd("press", "Form4.cmdAges"));
        collect("Form4.cmdAges");
        QVERIFY(everything.size() > 2000);

        const std::string folded = fold(everything);
        for (const std::string& t : longTexts)
            QVERIFY2(folded.find(t) == std::string::npos, ("a whole text is shown: " + t).c_str());
        // A name as a cell of its own (between separators).
        for (const std::string& line : splitLines(folded)) {
            QString l = QString::fromStdString(line);
            for (const QString& cell : l.split(QRegularExpression("[\\t,]"))) {
                QString c = cell.trimmed();
                if (c.startsWith('"') && c.endsWith('"') && c.size() > 1)
                    c = c.mid(1, c.size() - 2);
                QVERIFY2(!names.count(c.toStdString()),
                         qPrintable("an author's name is shown: " + c));
            }
        }
    }
};

QTEST_MAIN(CompareTest)
#include "compare_test.moc"
