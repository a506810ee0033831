// The program used from outside, through zapt-drive: sessions of clicks, list
// selections and typing on the real windows, read back from the driver's dumps.
//
// Every expected figure is worked out here from the data files of the source
// tree (data/register.json and data/corpus.jsonl), with small code of this
// test's own, and compared with what the windows show.
#include "drive_harness.h"

#include <cmath>
#include <functional>
#include <set>

class DriveTest : public QObject {
    Q_OBJECT

private:
    Data data_;
    std::string corpus_;

private slots:
    void initTestCase();
    void groupAuthorAndWordCounts();
    void secondaryWindows();
    void refusedCommandsChangeNothing();
    void awkwardSearchText();
    void corpusDataWindow();
    void noNamesOrWholeTextsInOutput();
};

void DriveTest::initTestCase() {
    QVERIFY2(!qEnvironmentVariableIsEmpty("ZAPT_DRIVE"),
             "ZAPT_DRIVE must name the zapt-drive program");
    QVERIFY2(QFileInfo(qEnvironmentVariable("ZAPT_DRIVE")).isExecutable(),
             "ZAPT_DRIVE is not executable");
    QString error;
    QVERIFY2(loadData(data_, error), qPrintable(error));
    QVERIFY(!data_.authors.empty());
    QVERIFY(!data_.texts.empty());
    corpus_ = corpusText(data_);
}

// Step 1 and Step 2 as a linguist runs them on the built-in corpus: a group, one
// of its authors, a variant family and a word search; also the progress window
// and the window width around the group run.
void DriveTest::groupAuthorAndWordCounts() {
    Driver drive;
    QVERIFY(drive.started());

    json before = drive.dump();
    QVERIFY2(ok(before), why(before));
    QCOMPARE(before["windows"]["Form1"]["width"].get<int>(), 1110);
    QCOMPARE(textOf(before, "Form1", "cmdAuthorData"), QString("Get Author Data"));
    QVERIFY(!control(before, "Form1", "cmdAuthorData")["enabled"].get<bool>());
    QVERIFY(!control(before, "Form1", "cmdSearch")["enabled"].get<bool>());

    SEND_OK(drive, cmd("click", "opt26To40"));
    SEND_OK(drive, cmd("click", "optFemale"));
    SEND_OK(drive, cmd("click", "cmdAgeAndGender"));
    json d = drive.dump();
    QVERIFY2(ok(d), why(d));

    // The group: its codes and education levels, in register order.
    const std::vector<Author> group = groupOf(data_, kBands[2], "F");
    QCOMPARE(int(group.size()), 11);
    QStringList codes, levels;
    long long groupTexts = 0;
    for (const Author& a : group) {
        codes << QString::fromStdString(a.code);
        levels << QString::fromStdString(a.education);
        groupTexts += static_cast<long long>(textsOf(data_, a.name).size());
    }
    QCOMPARE(itemsOf(d, "Form1", "AgeTable"), codes);
    QCOMPARE(itemsOf(d, "Form1", "lstEducation"), levels);
    QCOMPARE(textOf(d, "Form1", "NumOfGroupTexts"), num(groupTexts));
    QCOMPARE(textOf(d, "Form1", "lblNumOfGroupTexts2"), num(groupTexts));
    QCOMPARE(textOf(d, "Form1", "lblNumOfCorpusTexts"),
             num(static_cast<long long>(data_.texts.size())));
    QVERIFY(control(d, "Form1", "cmdSearch")["enabled"].get<bool>());
    QVERIFY(control(d, "Form1", "cmdSearchGroup")["enabled"].get<bool>());

    // The progress window has gone and the main window is back at its width.
    QVERIFY2(!isOpen(d, "Form10"), "the progress window stays open after the group run");
    QCOMPARE(d["windows"]["Form1"]["width"].get<int>(), 1110);
    QVERIFY(d["messages"].empty());

    // Step 2: an author with texts containing 'bk' once bare and once next to a mark.
    int row = -1;
    for (int i = 0; i < int(group.size()); ++i) {
        const std::string individual = authorText(data_, group[i]);
        if (countPieces(individual, "bk") > 0) {
            row = i;
            break;
        }
    }
    if (row < 0) row = int(group.size()) - 1;
    const Author& author = group[row];
    const std::vector<std::string> texts = textsOf(data_, author.name);
    SEND_OK(drive, cmd("select", "AgeTable", row));
    d = drive.dump();
    QCOMPARE(control(d, "Form1", "AgeTable")["selected"].get<int>(), row);
    QCOMPARE(control(d, "Form1", "lstEducation")["selected"].get<int>(), row);
    QVERIFY(control(d, "Form1", "cmdAuthorData")["enabled"].get<bool>());
    SEND_OK(drive, cmd("click", "cmdAuthorData"));
    d = drive.dump();
    long long w = 2 * static_cast<long long>(texts.size()) + 1;
    for (const std::string& t : texts) w += blanks(trimRight(t));
    QCOMPARE(textOf(d, "Form1", "lblTextTotal"), num(static_cast<long long>(texts.size())));
    QCOMPARE(textOf(d, "Form1", "lblTotWords"), num(w));
    // The group figures are unchanged by the author's.
    QCOMPARE(textOf(d, "Form1", "NumOfGroupTexts"), num(groupTexts));

    // The 'back' family: 'bk' for the author, the group and the corpus.
    QCOMPARE(itemsOf(d, "Form1", "lstBack").value(2), QString("bk"));
    SEND_OK(drive, cmd("select", "lstBack", 2));
    d = drive.dump();
    const std::string groupWords = groupText(data_, group);
    QCOMPARE(textOf(d, "Form1", "lblBackIndividual"),
             num(countPieces(authorText(data_, author), "bk")));
    QCOMPARE(textOf(d, "Form1", "lblBackInGroup"), num(countPieces(groupWords, "bk")));
    QCOMPARE(textOf(d, "Form1", "lblBackInCorpus"), num(countPieces(corpus_, "bk")));
    // The other families still read 0.
    QCOMPARE(textOf(d, "Form1", "lblBeenInCorpus"), QString("0"));

    // Every author of the group: the text and word totals, and the average
    // length in characters (each text with the blank that ends it), counted in
    // characters, not in the bytes of the file's UTF-8.
    auto characters = [](std::string_view s) {
        return std::count_if(s.begin(), s.end(),
                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    };
    for (int i = 0; i < int(group.size()); ++i) {
        const std::vector<std::string> own = textsOf(data_, group[i].name);
        SEND_OK(drive, cmd("select", "AgeTable", i));
        SEND_OK(drive, cmd("click", "cmdAuthorData"));
        d = drive.dump();
        long long words = 2 * static_cast<long long>(own.size()) + 1, chars = 0;
        for (const std::string& t : own) {
            words += blanks(trimRight(t));
            chars += characters(trimRight(t)) + 1;
        }
        const QByteArray who = QByteArray::fromStdString(group[i].code);
        QVERIFY2(textOf(d, "Form1", "lblTextTotal") == num(static_cast<long long>(own.size())),
                 who);
        QVERIFY2(textOf(d, "Form1", "lblTotWords") == num(words), who);
        const double shown = textOf(d, "Form1", "lblNumOfCharacters").toDouble();
        const double expected = double(chars) / double(own.size());
        QVERIFY2(std::fabs(shown - expected) < 0.00006, who + ": " + QByteArray::number(shown) +
                                                            " characters, expected " +
                                                            QByteArray::number(expected));
    }

    // The word search, from the text box with Enter, for a few words, one of
    // them with a character beyond ASCII when the corpus has one.
    std::vector<std::string> searchWords = {"bk", "U", "x", "tomorrow", "4get"};
    for (std::size_t start = 0, end; (end = corpus_.find(' ', start)) != std::string::npos;
         start = end + 1) {
        const std::string piece = corpus_.substr(start, end - start);
        if (piece.find("\xE2\x80\x99") != std::string::npos ||
            piece.find("\xC2\xA3") != std::string::npos) {
            searchWords.push_back(piece); // a word with ’ or £
            qInfo("searching also for %s", piece.c_str());
            break;
        }
    }
    for (const std::string& word : searchWords) {
        SEND_OK(drive, cmd("type", "txtSearch", std::string(word)));
        SEND_OK(drive, cmd("key", "txtSearch", std::string("Enter")));
        d = drive.dump();
        QCOMPARE(textOf(d, "Form1", "txtSearch"), QString::fromStdString(word));
        QCOMPARE(textOf(d, "Form1", "lblWordTotal"), num(blanks(corpus_)));
        QCOMPARE(textOf(d, "Form1", "lblInstInCorpus"), num(countPieces(corpus_, word)));
        QCOMPARE(textOf(d, "Form1", "lblInstInGroup"), num(countPieces(groupWords, word)));
    }
    // A word that is in the corpus at all, so the searches above are not all zero.
    QVERIFY(countPieces(corpus_, "u") > 0);
    QVERIFY(drive.running());
}

// The information windows: opened once, their buttons, and names that two open
// windows share.
void DriveTest::secondaryWindows() {
    Driver drive;
    QVERIFY(drive.started());

    // About twice: one window, so a single close leaves none.
    SEND_OK(drive, cmd("click", "cmdAbout"));
    SEND_OK(drive, cmd("click", "cmdAbout"));
    json d = drive.dump();
    QVERIFY(isOpen(d, "Form2"));
    SEND_OK(drive, cmd("close", "Form2"));
    d = drive.dump();
    QVERIFY2(!isOpen(d, "Form2"), "a second About window was left open");
    QVERIFY(isOpen(d, "Form1"));

    // Help: the NOTE button shows and hides the education note.
    SEND_OK(drive, cmd("click", "cmdHelp"));
    d = drive.dump();
    QVERIFY(isOpen(d, "Form5"));
    QVERIFY(!control(d, "Form5", "Label22")["visible"].get<bool>());
    SEND_OK(drive, cmd("click", "Form5.Command1"));
    d = drive.dump();
    QVERIFY(control(d, "Form5", "Label22")["visible"].get<bool>());
    QCOMPARE(textOf(d, "Form5", "Command1"), QString("HIDE"));
    SEND_OK(drive, cmd("click", "Form5.Command1"));
    d = drive.dump();
    QVERIFY(!control(d, "Form5", "Label22")["visible"].get<bool>());
    QCOMPARE(textOf(d, "Form5", "Command1"), QString("NOTE"));

    // More help from Help outlives Help.
    SEND_OK(drive, cmd("click", "Form5.cmdClusters"));
    d = drive.dump();
    QVERIFY(isOpen(d, "Form6"));
    SEND_OK(drive, cmd("close", "Form5"));
    d = drive.dump();
    QVERIFY(!isOpen(d, "Form5"));
    QVERIFY(isOpen(d, "Form6"));

    // Two windows with an OK button: the bare name is refused, the full one works.
    SEND_OK(drive, cmd("click", "cmdAbout"));
    json answer = drive.send(cmd("click", "cmdOK"));
    QVERIFY2(!ok(answer), why(answer));
    QVERIFY2(answer.value("error", std::string()).find("ambiguous") != std::string::npos,
             why(answer));
    d = drive.dump();
    QVERIFY(isOpen(d, "Form2"));
    QVERIFY(isOpen(d, "Form6"));
    SEND_OK(drive, cmd("click", "Form6.cmdOK"));
    d = drive.dump();
    QVERIFY(!isOpen(d, "Form6"));
    QVERIFY(isOpen(d, "Form2"));
    SEND_OK(drive, cmd("click", "cmdOK")); // now only About has one
    d = drive.dump();
    QVERIFY(!isOpen(d, "Form2"));

    // Donate: the main window and Help both have a Command1.
    SEND_OK(drive, cmd("click", "cmdHelp"));
    answer = drive.send(cmd("click", "Command1"));
    QVERIFY2(!ok(answer), why(answer));
    QVERIFY2(answer.value("error", std::string()).find("ambiguous") != std::string::npos,
             why(answer));
    d = drive.dump();
    QVERIFY(!isOpen(d, "Form8"));
    QCOMPARE(textOf(d, "Form5", "Command1"), QString("NOTE:")); // Help's button was not pressed
    SEND_OK(drive, cmd("click", "Form1.Command1"));
    d = drive.dump();
    QVERIFY(isOpen(d, "Form8"));
    QCOMPARE(control(d, "Form8", "Label7")["foreground"].get<std::string>(),
             std::string("#000000"));
    const QString address = textOf(d, "Form8", "Label7");
    QVERIFY2(address.contains('@'), qPrintable(address));
    SEND_OK(drive, cmd("click", "Form8.Label7"));
    d = drive.dump();
    QCOMPARE(QString::fromStdString(d["clipboard"].get<std::string>()), address);
    QCOMPARE(control(d, "Form8", "Label7")["foreground"].get<std::string>(),
             std::string("#0000ff"));

    // Unknown windows.
    answer = drive.send(cmd("close", "Form99"));
    QVERIFY2(!ok(answer), why(answer));
    answer = drive.send(cmd("click", "Form3.cmdOK"));
    QVERIFY2(!ok(answer), why(answer));
}

// A refused command answers ok false and leaves every window as it was.
void DriveTest::refusedCommandsChangeNothing() {
    Driver drive;
    QVERIFY(drive.started());

    const std::vector<json> atStart = {
        cmd("click", "cmdNoSuchButton"),
        cmd("click", "Form1.cmdNoSuchButton"),
        cmd("click", "cmdAuthorData"), // disabled until an author is selected
        cmd("click", "cmdSearch"),     // disabled until a group is chosen
        cmd("select", "AgeTable", 0),  // empty before any group
        cmd("select", "lstBack", 99),
        cmd("select", "lstBack", -1),
        cmd("select", "cmdAbout", 0),
        cmd("type", "cmdAbout", std::string("x")),
        cmd("type", "lblWordTotal", std::string("123")),
        cmd("key", "txtSearch", std::string("F13")),
        cmd("click", "Label19"), // a plain label
        json::array({"fly", "cmdAbout"}),
        json::array({"select", "lstBack", "two"}),
        json::array({"type", "txtSearch", 5}),
        json::array({}),
        json::object({{"click", "cmdAbout"}}),
    };
    json before = drive.dump();
    QVERIFY2(ok(before), why(before));
    for (const json& c : atStart) {
        json answer = drive.send(c);
        QVERIFY2(!ok(answer), (c.dump() + " -> " + answer.dump()).c_str());
        QVERIFY2(!answer.value("error", std::string()).empty(),
                 (c.dump() + " has no error text").c_str());
    }
    json answer = drive.sendLine("[\"click\", \"cmdAbout\"");
    QVERIFY2(!ok(answer), why(answer));
    json after = drive.dump();
    QVERIFY2(after == before, "a refused command changed the windows");

    // Again with a group and an author chosen.
    SEND_OK(drive, cmd("click", "optMale"));
    SEND_OK(drive, cmd("click", "Opt18To25"));
    SEND_OK(drive, cmd("click", "cmdAgeAndGender"));
    SEND_OK(drive, cmd("select", "AgeTable", 0));
    SEND_OK(drive, cmd("click", "cmdAuthorData"));
    before = drive.dump();
    const int rows = itemsOf(before, "Form1", "AgeTable").size();
    QVERIFY(rows > 0);
    QCOMPARE(rows, int(groupOf(data_, kBands[1], "M").size()));
    for (const json& c : {cmd("select", "AgeTable", rows), cmd("select", "AgeTable", -1),
                          cmd("select", "lstNonStandards", 100000), cmd("select", "lstBack", 99),
                          cmd("select", "lstClusterPunc", 0), cmd("click", "Form4.cmdAges")}) {
        answer = drive.send(c);
        QVERIFY2(!ok(answer), (c.dump() + " -> " + answer.dump()).c_str());
    }
    after = drive.dump();
    QVERIFY2(after == before, "a refused command changed the windows");
}

// The search box takes any text; Enter never breaks the program.
void DriveTest::awkwardSearchText() {
    Driver drive;
    QVERIFY(drive.started());
    SEND_OK(drive, cmd("click", "optUnder18"));
    SEND_OK(drive, cmd("click", "optMale"));
    SEND_OK(drive, cmd("click", "cmdAgeAndGender"));
    const std::string groupWords = groupText(data_, groupOf(data_, kBands[0], "M"));

    const std::string awkward[] = {
        "", std::string(10000, 'a'), "\x01\t", "你好", "   ", "bk bk", "\"", "'"};
    for (const std::string& word : awkward) {
        SEND_OK(drive, cmd("type", "txtSearch", word));
        SEND_OK(drive, cmd("key", "txtSearch", std::string("Enter")));
        json d = drive.dump();
        QVERIFY2(ok(d), "no dump after a search");
        QCOMPARE(textOf(d, "Form1", "txtSearch"), QString::fromStdString(word));
        QCOMPARE(textOf(d, "Form1", "lblWordTotal"), num(blanks(corpus_)));
        QCOMPARE(textOf(d, "Form1", "lblInstInCorpus"), num(countPieces(corpus_, word)));
        QCOMPARE(textOf(d, "Form1", "lblInstInGroup"), num(countPieces(groupWords, word)));
        if (&word - awkward < 5) {
            // Nothing, blanks, control characters or a word of another script:
            // none of them can stand between two blanks of a text.
            QCOMPARE(textOf(d, "Form1", "lblInstInCorpus"), QString("0"));
            QCOMPARE(textOf(d, "Form1", "lblInstInGroup"), QString("0"));
        }
        QVERIFY(d["messages"].empty());
    }
    // The empty search also by the buttons.
    SEND_OK(drive, cmd("type", "txtSearch", std::string()));
    SEND_OK(drive, cmd("click", "cmdSearch"));
    SEND_OK(drive, cmd("click", "cmdSearchGroup"));
    json d = drive.dump();
    QCOMPARE(textOf(d, "Form1", "lblInstInCorpus"), QString("0"));
    QCOMPARE(textOf(d, "Form1", "lblInstInGroup"), QString("0"));

    // And an ordinary search still works afterwards.
    SEND_OK(drive, cmd("type", "txtSearch", std::string("U")));
    SEND_OK(drive, cmd("key", "txtSearch", std::string("Enter")));
    d = drive.dump();
    QCOMPARE(textOf(d, "Form1", "lblInstInCorpus"), num(countPieces(corpus_, "u")));
    QCOMPARE(textOf(d, "Form1", "lblInstInGroup"), num(countPieces(groupWords, "u")));
    QVERIFY(countPieces(corpus_, "u") > 0);
}

// The corpus data window: authors with texts by age band and by gender.
void DriveTest::corpusDataWindow() {
    int bands[5] = {0, 0, 0, 0, 0};
    int male = 0, female = 0, withTexts = 0;
    for (const Author& a : data_.authors) {
        if (textsOf(data_, a.name).empty()) continue;
        ++withTexts;
        if (a.age < 18)
            ++bands[0];
        else if (a.age <= 25)
            ++bands[1];
        else if (a.age <= 40)
            ++bands[2];
        else if (a.age <= 60)
            ++bands[3];
        else if (a.age <= 100)
            ++bands[4];
        if (same(a.gender, "M")) ++male;
        if (same(a.gender, "F")) ++female;
    }
    QCOMPARE(bands[0] + bands[1] + bands[2] + bands[3] + bands[4], withTexts);
    QCOMPARE(male + female, withTexts);

    Driver drive;
    QVERIFY(drive.started());
    SEND_OK(drive, cmd("click", "cmdGetCorpusData"));
    json d = drive.dump();
    QVERIFY(isOpen(d, "Form4"));
    QCOMPARE(QString::fromStdString(d["windows"]["Form4"]["caption"].get<std::string>()),
             QString("Corpus Data"));
    const char* labels[] = {"lblUnder18s", "lbl18To25", "lbl25To40", "lbl41To60", "lbl61Plus"};
    for (const char* l : labels) QCOMPARE(textOf(d, "Form4", l), QString("0"));
    QCOMPARE(textOf(d, "Form4", "lblMale"), QString("0"));

    for (int click = 0; click < 2; ++click) {
        SEND_OK(drive, cmd("click", "Form4.cmdAges"));
        d = drive.dump();
        int sum = 0;
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(textOf(d, "Form4", labels[i]), num(bands[i]));
            sum += textOf(d, "Form4", labels[i]).toInt();
        }
        QCOMPARE(sum, withTexts);
        QCOMPARE(textOf(d, "Form4", "lblMale"), QString("0")); // not yet asked for
    }
    SEND_OK(drive, cmd("click", "Form4.cmdGender"));
    d = drive.dump();
    QCOMPARE(textOf(d, "Form4", "lblMale"), num(male));
    QCOMPARE(textOf(d, "Form4", "lblFemale"), num(female));

    // Closed and opened again, it starts afresh.
    SEND_OK(drive, cmd("close", "Form4"));
    SEND_OK(drive, cmd("click", "cmdGetCorpusData"));
    d = drive.dump();
    QCOMPARE(textOf(d, "Form4", "lblUnder18s"), QString("0"));
    QCOMPARE(textOf(d, "Form4", "lblFemale"), QString("0"));
}

// A long session over every list and window: nothing the program shows names an
// author or gives away a whole text.
void DriveTest::noNamesOrWholeTextsInOutput() {
    Driver drive;
    QVERIFY(drive.started());

    const char* genders[] = {"optFemale", "optMale"};
    int session = 0;
    for (int g = 0; g < 2; ++g) {
        for (int b = 0; b < 5; ++b) {
            SEND_OK(drive, cmd("click", kBands[b].option));
            SEND_OK(drive, cmd("click", genders[g]));
            SEND_OK(drive, cmd("click", "cmdAgeAndGender"));
            json d = drive.dump();
            const std::vector<Author> group = groupOf(data_, kBands[b], g == 0 ? "F" : "M");
            QStringList codes;
            long long texts = 0;
            for (const Author& a : group) {
                codes << QString::fromStdString(a.code);
                texts += static_cast<long long>(textsOf(data_, a.name).size());
            }
            QCOMPARE(itemsOf(d, "Form1", "AgeTable"), codes);
            QCOMPARE(textOf(d, "Form1", "NumOfGroupTexts"), num(texts));
            QVERIFY(!isOpen(d, "Form10"));
            QCOMPARE(d["windows"]["Form1"]["width"].get<int>(), 1110);

            // Every author of every third group, and the first author of the others.
            const int authors =
                (session++ % 3 == 0) ? int(group.size()) : std::min<int>(1, int(group.size()));
            for (int row = 0; row < authors; ++row) {
                SEND_OK(drive, cmd("select", "AgeTable", row));
                drive.dump();
                SEND_OK(drive, cmd("select", "lstEducation", row));
                SEND_OK(drive, cmd("click", "cmdAuthorData"));
                d = drive.dump();
                QCOMPARE(textOf(d, "Form1", "lblTextTotal"),
                         num(static_cast<long long>(textsOf(data_, group[row].name).size())));
                SEND_OK(drive, cmd("click", "cmdClusterPunctuation"));
                d = drive.dump();
                const int clusters = itemsOf(d, "Form1", "lstClusterPunc").size();
                for (int i = 0; i < clusters && i < 5; ++i)
                    SEND_OK(drive, cmd("select", "lstClusterPunc", i));
                const int uses = itemsOf(d, "Form1", "lstNonStandards").size();
                for (int i = 0; i < uses; ++i) {
                    SEND_OK(drive, cmd("select", "lstNonStandards", i));
                    if (i < 3) {
                        SEND_OK(drive, cmd("click", "cmdColls"));
                        drive.dump();
                    }
                }
                // Every row of every family list.
                for (const auto& [name, c] : d["windows"]["Form1"]["controls"].items()) {
                    if (c.value("kind", std::string()) != "list" || name.rfind("ls", 0) != 0)
                        continue;
                    if (name == "lstNonStandards" || name == "lstNonStandardForms" ||
                        name == "lstClusterPunc" || name == "lstEducation")
                        continue;
                    for (int i = 0; i < int(c["items"].size()); ++i)
                        SEND_OK(drive, cmd("select", name, i));
                }
                SEND_OK(drive, cmd("click", "cmdSearchGroup"));
                SEND_OK(drive, cmd("click", "cmdPuncCount"));
                drive.dump();
            }
        }
    }
    // The glossary list and collocations for some of its forms.
    json d = drive.dump();
    const int forms = itemsOf(d, "Form1", "lstNonStandardForms").size();
    QVERIFY(forms > 0);
    for (int i = 0; i < forms; i += std::max(1, forms / 25)) {
        SEND_OK(drive, cmd("select", "lstNonStandardForms", i));
        SEND_OK(drive, cmd("click", "cmdColls"));
        drive.dump();
    }
    for (const char* option :
         {"optStops", "optCommas", "optQM", "optExc", "optSlash", "optBrackets", "optSemiColon",
          "optColon", "optSpacePlusStop", "optSpacePlusComma"}) {
        SEND_OK(drive, cmd("click", option));
        SEND_OK(drive, cmd("click", "cmdPuncCount"));
    }
    // Every other window.
    for (const char* button :
         {"cmdAbout", "cmdHelp", "Form5.cmdClusters", "cmdStrange", "Form1.Command1",
          "Form8.Label7", "cmdGetCorpusData", "Form4.cmdAges", "Form4.cmdGender"})
        SEND_OK(drive, cmd("click", button));
    d = drive.dump();
    for (const char* w : {"Form2", "Form4", "Form5", "Form6", "Form7", "Form8", "Form11"})
        QVERIFY2(isOpen(d, w), w);
    QVERIFY(drive.running());

    // The names: of the register and of the texts. A name that is also one of the
    // program's own fixed words (a glossary form or a family item, such as "mo")
    // may show as that word.
    std::set<std::string> names;
    for (const Author& a : data_.authors) names.insert(fold(a.name));
    for (const Text& t : data_.texts) names.insert(fold(t.author));
    std::set<std::string> fixedNames;
    for (const std::string& w : data_.fixedWords) {
        if (names.erase(fold(w))) fixedNames.insert(fold(w));
    }
    if (!fixedNames.empty()) {
        std::string list;
        for (const std::string& n : fixedNames) list += " " + n;
        qInfo("names that are also fixed words of the program, not checked:%s", list.c_str());
    }
    // The texts of four or more words.
    std::vector<std::string> longTexts;
    for (const Text& t : data_.texts) {
        std::string s = trimRight(t.text);
        std::size_t first = s.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        s = fold(s.substr(first));
        QString words = QString::fromStdString(s).simplified();
        if (words.split(' ').size() >= 4) longTexts.push_back(s);
    }
    QVERIFY(!longTexts.empty());

    // Every string value of every answer.
    std::set<std::string> values;
    std::function<void(const json&)> walk = [&](const json& j) {
        if (j.is_string())
            values.insert(fold(j.get<std::string>()));
        else if (j.is_array() || j.is_object())
            for (const json& v : j) walk(v);
    };
    for (const std::string& line : drive.output()) {
        json j = json::parse(line, nullptr, false);
        QVERIFY2(!j.is_discarded(), line.substr(0, 200).c_str());
        walk(j);
    }
    qInfo("%zu answers, %zu distinct strings", drive.output().size(), values.size());
    QVERIFY(drive.output().size() > 500);
    for (const std::string& v : values) {
        QVERIFY2(!names.count(v), ("an author's name is shown: " + v).c_str());
        for (const std::string& t : longTexts) {
            QVERIFY2(v.find(t) == std::string::npos, ("a whole text is shown: " + t).c_str());
        }
    }
}

QTEST_MAIN(DriveTest)
#include "drive_test.moc"
