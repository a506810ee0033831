// The windows under a real mouse and keyboard: presses and releases on list
// rows, key presses and focus changes sent through the event system by the
// driver, exactly as a person at the desk would make them. Each list box must
// run its handler once per click or keyboard move to another row, and never
// for focus changes, the wheel, Space, Enter or Tab.
#include "drive_harness.h"

#include <set>

namespace {

struct Family {
    std::string list;
    std::string stem;
    std::vector<std::string> items;
};

std::vector<Family> readFamilies(QString& error) {
    std::vector<Family> out;
    QFile f(dataDir() + "/variants.json");
    if (!f.open(QIODevice::ReadOnly)) {
        error = "cannot read variants.json";
        return out;
    }
    for (const json& family : json::parse(f.readAll().toStdString())) {
        Family fam{family.at("list").get<std::string>(), family.at("stem").get<std::string>(), {}};
        for (const json& item : family.at("items")) fam.items.push_back(item.get<std::string>());
        out.push_back(fam);
    }
    return out;
}

int clicksOf(const json& dump, const std::string& list) {
    json c = control(dump, "Form1", list);
    return c.is_object() ? c.value("clicks", -1) : -1;
}

int selectedOf(const json& dump, const std::string& list) {
    json c = control(dump, "Form1", list);
    return c.is_object() ? c.value("selected", -9) : -9;
}

// The group of the author with the most texts: every list of the main window
// then has rows enough to move around in.
struct Choice {
    const Band* band = nullptr;
    std::string gender;
    std::vector<Author> group;
    int row = -1; // the author's row in AgeTable
};

Choice busiestAuthor(const Data& d) {
    Choice best;
    std::size_t most = 0;
    for (const Band& band : kBands) {
        for (const char* gender : {"F", "M"}) {
            std::vector<Author> group = groupOf(d, band, gender);
            for (std::size_t i = 0; i < group.size(); ++i) {
                const std::size_t n = textsOf(d, group[i].name).size();
                if (n > most) {
                    most = n;
                    best = {&band, gender, group, static_cast<int>(i)};
                }
            }
        }
    }
    return best;
}

} // namespace

class RealInputTest : public QObject {
    Q_OBJECT

private:
    Data data_;
    std::vector<Family> families_;
    std::string corpus_;
    Choice choice_;

    // Step 1 and Step 2 for the busiest author, through real presses.
    void openAuthor(Driver& drive) {
        SEND_OK(drive, cmd("press", choice_.band->option));
        SEND_OK(drive, cmd("press", choice_.gender == "F" ? "optFemale" : "optMale"));
        SEND_OK(drive, cmd("press", "cmdAgeAndGender"));
        SEND_OK(drive, cmd("press", "AgeTable", choice_.row));
        SEND_OK(drive, cmd("press", "cmdAuthorData"));
        SEND_OK(drive, cmd("press", "cmdClusterPunctuation"));
    }

    // The three counts a family shows for `item` of the busiest author.
    void compareFamily(const json& d, const Family& family, const std::string& item,
                       const Author& author) {
        QCOMPARE(textOf(d, "Form1", "lbl" + family.stem + "Individual"),
                 num(countPieces(authorText(data_, author), item)));
        QCOMPARE(textOf(d, "Form1", "lbl" + family.stem + "InGroup"),
                 num(countPieces(groupText(data_, choice_.group), item)));
        QCOMPARE(textOf(d, "Form1", "lbl" + family.stem + "InCorpus"),
                 num(countPieces(corpus_, item)));
    }

private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("ZAPT_DRIVE"),
                 "ZAPT_DRIVE must name the zapt-drive program");
        QString error;
        QVERIFY2(loadData(data_, error), qPrintable(error));
        families_ = readFamilies(error);
        QVERIFY2(families_.size() == 16, qPrintable(error));
        corpus_ = corpusText(data_);
        choice_ = busiestAuthor(data_);
        QVERIFY(choice_.band);
    }

    // Every list of the main window, one after the other in one session: each
    // user selection runs the handler once, nothing else runs it.
    void everyListRunsItsHandlerOncePerUserSelection_data() {
        QTest::addColumn<QString>("list");
        std::vector<std::string> lists = {"lstNonStandards", "lstNonStandardForms",
                                          "lstClusterPunc", "lstEducation"};
        for (const Family& f : families_) lists.push_back(f.list);
        lists.push_back("AgeTable"); // last: a new author resets the author's lists
        for (const std::string& l : lists) QTest::newRow(l.c_str()) << QString::fromStdString(l);
    }

    void everyListRunsItsHandlerOncePerUserSelection() {
        QFETCH(QString, list);
        const std::string name = list.toStdString();
        Driver drive;
        QVERIFY(drive.started());
        openAuthor(drive);
        json d = drive.dump();
        const int rows = itemsOf(d, "Form1", name).size();
        QVERIFY2(rows >= 3, qPrintable(list + " has fewer than three rows"));
        int clicks = clicksOf(d, name);
        const int selectedBefore = selectedOf(d, name);

        // Each step: the command, the handler runs it adds, the row selected after.
        struct Step {
            json command;
            int runs;
            int selected;
        };
        const Step steps[] = {
            {cmd("focus", name), 0, selectedBefore},
            {cmd("press", name, 1), 1, 1},
            {cmd("press", name, 1), 1, 1}, // the row already selected
            {cmd("key", name, std::string("Down")), 1, 2},
            {cmd("key", name, std::string("Up")), 1, 1},
            {cmd("key", name, std::string("Home")), 1, 0},
            {cmd("key", name, std::string("Home")), 0, 0}, // no move
            {cmd("key", name, std::string("Up")), 0, 0},
            {cmd("key", name, std::string("End")), 1, rows - 1},
            {cmd("key", name, std::string("PageDown")), 0, rows - 1},
            {cmd("key", name, std::string("Space")), 0, rows - 1},
            {cmd("key", name, std::string("Enter")), 0, rows - 1},
            {json::array({"wheel", name, 3}), 0, rows - 1},
            {json::array({"wheel", name, -3}), 0, rows - 1},
            {cmd("press", name, 0), 1, 0},
            {cmd("key", name, std::string("Tab")), 0, 0},
            {cmd("focus", name), 0, 0},
            {cmd("key", name, std::string("Backtab")), 0, 0},
        };
        for (const Step& step : steps) {
            SEND_OK(drive, step.command);
            d = drive.dump();
            const QByteArray where = QByteArray::fromStdString(step.command.dump());
            clicks += step.runs;
            QVERIFY2(clicksOf(d, name) == clicks,
                     where + ": handler ran " + QByteArray::number(clicksOf(d, name)) +
                         " times, expected " + QByteArray::number(clicks));
            QVERIFY2(selectedOf(d, name) == step.selected,
                     where + ": row " + QByteArray::number(selectedOf(d, name)) + " selected");
        }
        // Tab took the focus away from the list.
        QVERIFY(d.value("focus", std::string()) != "Form1." + name);
    }

    // A keyboard move to a row, then a click on that very row after another
    // author was chosen: the click must count (it was once swallowed).
    void aClickOnTheRowReachedByKeyboardCounts() {
        Driver drive;
        QVERIFY(drive.started());
        openAuthor(drive);
        const Family* back = nullptr;
        for (const Family& f : families_) {
            if (f.list == "lstBack") back = &f;
        }
        QVERIFY(back && back->items.size() > 1);
        SEND_OK(drive, cmd("focus", "lstBack"));
        SEND_OK(drive, cmd("key", "lstBack", std::string("Down")));
        SEND_OK(drive, cmd("key", "lstBack", std::string("Down")));
        json d = drive.dump();
        QCOMPARE(selectedOf(d, "lstBack"), 1);
        compareFamily(d, *back, back->items[1], choice_.group[choice_.row]);

        // Another author resets the family's labels to 0; one click on the
        // highlighted row shows that author's counts.
        const int other = choice_.row == 0 ? 1 : 0;
        QVERIFY(choice_.group.size() > 1);
        SEND_OK(drive, cmd("press", "AgeTable", other));
        d = drive.dump();
        QCOMPARE(textOf(d, "Form1", "lbl" + back->stem + "InCorpus"), QString("0"));
        SEND_OK(drive, cmd("press", "lstBack", 1));
        d = drive.dump();
        compareFamily(d, *back, back->items[1], choice_.group[other]);

        // The same in AgeTable: keyboard to a row, fetch, then a click on that
        // row resets the author's figures.
        SEND_OK(drive, cmd("focus", "AgeTable"));
        SEND_OK(drive, cmd("key", "AgeTable", std::string("Home")));
        SEND_OK(drive, cmd("press", "cmdAuthorData"));
        d = drive.dump();
        QVERIFY(textOf(d, "Form1", "lblTextTotal") != "0");
        SEND_OK(drive, cmd("press", "AgeTable", 0));
        d = drive.dump();
        QCOMPARE(textOf(d, "Form1", "lblTextTotal"), QString("0"));
        QCOMPARE(textOf(d, "Form1", "lblTotWords"), QString("0"));
        QCOMPARE(selectedOf(d, "AgeTable"), 0);
        QCOMPARE(selectedOf(d, "lstEducation"), 0);
    }

    // Tabbing through the whole main window chooses nothing: the families and
    // the glossary keep "0" and no list gains a selected row.
    void tabbingThroughTheWindowChoosesNothing() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("focus", "cmdAgeAndGender"));
        std::set<std::string> visited;
        for (int i = 0; i < 120; ++i) {
            json d = drive.dump();
            const std::string focus = d.value("focus", std::string());
            QVERIFY2(!focus.empty(), "the focus left the window");
            visited.insert(focus);
            const std::string bare = focus.substr(focus.find('.') + 1);
            SEND_OK(drive, cmd("key", bare, std::string(i % 7 == 6 ? "Backtab" : "Tab")));
        }
        json d = drive.dump();
        for (const Family& f : families_) {
            QVERIFY2(visited.count("Form1." + f.list), f.list.c_str());
            QCOMPARE(selectedOf(d, f.list), -1);
            QCOMPARE(clicksOf(d, f.list), 0);
            for (const char* which : {"Individual", "InGroup", "InCorpus"})
                QCOMPARE(textOf(d, "Form1", "lbl" + f.stem + which), QString("0"));
        }
        QVERIFY(visited.count("Form1.lstNonStandardForms"));
        QCOMPARE(selectedOf(d, "lstNonStandardForms"), -1);
        QCOMPARE(textOf(d, "Form1", "lblCorpusTotal"), QString("0"));
        QCOMPARE(textOf(d, "Form1", "lblForm"), QString(""));
        QCOMPARE(textOf(d, "Form1", "lblInterpretation"), QString(""));
    }

    // The real-input commands refuse what a person could not do, and change nothing.
    void refusedRealInputCommands() {
        Driver drive;
        QVERIFY(drive.started());
        const json before = drive.dump();
        const json refused[] = {
            cmd("press", "AgeTable", 0),                   // empty list
            cmd("press", "lstBack", 99),                   // no such row
            cmd("press", "lstBack", -1),                   // no such row
            json::array({"press", "lstBack", "1"}),        // row is not a number
            cmd("press", "cmdAuthorData"),                 // disabled
            cmd("press", "cmdAbout", 0),                   // not a list
            cmd("key", "lstBack", std::string("F13")),     // unknown key
            cmd("key", "cmdSearch", std::string("Space")), // disabled
            cmd("focus", "noSuchControl"),
            json::array({"wheel", "lstBack"}),
            json::array({"key", "lstBack"}),
        };
        for (const json& c : refused) {
            const json answer = drive.send(c);
            QVERIFY2(answer.is_object() && !answer.value("ok", true),
                     QByteArray::fromStdString(c.dump()));
            QVERIFY(answer.contains("error"));
        }
        const json after = drive.dump();
        QCOMPARE(after["windows"]["Form1"]["controls"].dump(),
                 before["windows"]["Form1"]["controls"].dump());
    }
};

QTEST_MAIN(RealInputTest)
#include "real_input_test.moc"
