// The program used from outside, through zapt-drive: sessions of clicks, list
// selections and typing on the real windows, read back from the driver's dumps.
//
// Every expected figure is worked out here from the data files of the source
// tree (data/register.json and data/corpus.jsonl), with small code of this
// test's own, and compared with what the windows show.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using nlohmann::json;

namespace {

// ---- The data files, read independently of the program ------------------------------

struct Author {
    std::string code;
    std::string name;
    std::string gender;
    std::string education;
    double age = -1;
};

struct Text {
    std::string author;
    std::string text;
};

struct Data {
    std::vector<Author> authors;
    std::vector<Text> texts;
    std::vector<std::string> fixedWords; // glossary forms and variant family items
};

QString dataDir() {
    // tests/ui/drive_test.cpp -> data/
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../data");
}

std::string fold(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool same(std::string_view a, std::string_view b) {
    return fold(a) == fold(b);
}

std::string trimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

int blanks(std::string_view s) {
    return static_cast<int>(std::count(s.begin(), s.end(), ' '));
}

// Replaces every character of `marks` by a blank and reduces each run of blanks to one.
std::string cleaned(std::string_view s, std::string_view marks) {
    std::string out;
    bool blank = false;
    for (char c : s) {
        if (c == ' ' || marks.find(c) != std::string_view::npos) {
            if (!blank) out += ' ';
            blank = true;
        } else {
            out += c;
            blank = false;
        }
    }
    return out;
}

// Pieces of `text` between blanks equal to `word` without regard to case; the
// piece after the last blank does not count.
int countPieces(std::string_view text, std::string_view word) {
    const std::string w = fold(word);
    int n = 0;
    std::size_t start = 0;
    for (std::size_t pos = text.find(' '); pos != std::string_view::npos;
         pos = text.find(' ', start)) {
        n += fold(text.substr(start, pos - start)) == w;
        start = pos + 1;
    }
    return n;
}

std::vector<std::string> textsOf(const Data& d, const std::string& name) {
    std::vector<std::string> out;
    for (const Text& t : d.texts) {
        if (same(t.author, name)) out.push_back(t.text);
    }
    return out;
}

// The corpus text: every text followed by a blank, then the marks a word search
// ignores turned into blanks, with runs of blanks reduced.
std::string corpusText(const Data& d) {
    std::string all;
    for (const Text& t : d.texts) all += t.text + " ";
    return cleaned(all, ".,?!:;()/-+=\"");
}

// One group: the authors of a gender and age band that have texts, in register order.
struct Band {
    const char* option;
    double low;  // exclusive; -inf for the first band
    double high; // inclusive
};
const Band kBands[] = {{"optUnder18", -1e9, 17.999999},
                       {"Opt18To25", 17.999999, 25},
                       {"opt26To40", 25, 40},
                       {"opt41To60", 40, 60},
                       {"opt61Plus", 60, 1e9}};

std::vector<Author> groupOf(const Data& d, const Band& band, const std::string& gender) {
    std::vector<Author> out;
    for (const Author& a : d.authors) {
        if (!same(a.gender, gender) || textsOf(d, a.name).empty()) continue;
        if (a.age > band.low && a.age <= band.high) out.push_back(a);
    }
    return out;
}

// The group's text for its word search: each of its authors' texts with
// trailing blanks removed, joined by blanks, with the group's marks removed.
std::string groupText(const Data& d, const std::vector<Author>& group) {
    std::string all;
    for (const Author& a : group) {
        for (const std::string& t : textsOf(d, a.name)) all += trimRight(t) + "  ";
    }
    return cleaned(all, ".,;:?!()-");
}

// One author's text for the family counts, with the author's marks removed.
std::string authorText(const Data& d, const Author& a) {
    std::string all;
    for (const std::string& t : textsOf(d, a.name)) all += trimRight(t) + "  ";
    return cleaned(all, ".,;:?!()/+-<>_=");
}

bool loadData(Data& d, QString& error) {
    QFile reg(dataDir() + "/register.json");
    QFile corpus(dataDir() + "/corpus.jsonl");
    QFile glossary(dataDir() + "/glossary.json");
    QFile variants(dataDir() + "/variants.json");
    for (QFile* f : {&reg, &corpus, &glossary, &variants}) {
        if (!f->open(QIODevice::ReadOnly)) {
            error = "cannot read " + f->fileName();
            return false;
        }
    }
    try {
        for (const json& r : json::parse(reg.readAll().toStdString())) {
            Author a;
            a.code = r.at("code").get<std::string>();
            a.name = r.at("name").get<std::string>();
            a.gender = r.at("gender").get<std::string>();
            a.education = r.at("education").get<std::string>();
            bool ok = false;
            a.age = QString::fromStdString(r.at("age").get<std::string>()).trimmed().toDouble(&ok);
            if (!ok) {
                error = "unreadable age of " + QString::fromStdString(a.code);
                return false;
            }
            d.authors.push_back(a);
        }
        while (!corpus.atEnd()) {
            const QByteArray line = corpus.readLine().trimmed();
            if (line.isEmpty()) continue;
            json row = json::parse(line.toStdString());
            d.texts.push_back(
                {row.at("author").get<std::string>(), row.at("text").get<std::string>()});
        }
        json g = json::parse(glossary.readAll().toStdString());
        for (const json& f : g.at("forms")) d.fixedWords.push_back(f.get<std::string>());
        for (const json& family : json::parse(variants.readAll().toStdString())) {
            for (const json& item : family.at("items"))
                d.fixedWords.push_back(item.get<std::string>());
        }
    } catch (const json::exception& e) {
        error = QString("bad data file: ") + e.what();
        return false;
    }
    return true;
}

// ---- The driver --------------------------------------------------------------------------

class Driver {
public:
    Driver() {
        proc_.setProgram(qEnvironmentVariable("ZAPT_DRIVE"));
        proc_.setStandardErrorFile(QProcess::nullDevice()); // Qt warnings
        proc_.start();
        started_ = proc_.waitForStarted(30000);
    }
    ~Driver() {
        proc_.closeWriteChannel();
        if (!proc_.waitForFinished(20000)) {
            proc_.kill();
            proc_.waitForFinished(5000);
        }
    }
    bool started() const { return started_; }
    bool running() const { return proc_.state() == QProcess::Running; }

    // Sends one command and returns its answer; a missing answer reads as a failure.
    json send(const json& cmd) { return sendLine(QByteArray::fromStdString(cmd.dump())); }

    json sendLine(const QByteArray& line) {
        if (!running()) return {{"ok", false}, {"error", "driver not running"}};
        proc_.write(line + '\n');
        while (!proc_.canReadLine()) {
            if (!proc_.waitForReadyRead(120000)) return {{"ok", false}, {"error", "no answer"}};
        }
        const QByteArray answer = proc_.readLine();
        output_.push_back(answer.toStdString());
        json j = json::parse(answer.toStdString(), nullptr, false);
        if (j.is_discarded())
            return {{"ok", false}, {"error", "answer is not JSON: " + answer.toStdString()}};
        return j;
    }

    json dump() { return send(json::array({"dump"})); }

    // Every line the driver wrote, in order.
    const std::vector<std::string>& output() const { return output_; }

private:
    QProcess proc_;
    bool started_ = false;
    std::vector<std::string> output_;
};

json cmd(const char* verb, const std::string& name) {
    return json::array({verb, name});
}
json cmd(const char* verb, const std::string& name, int row) {
    return json::array({verb, name, row});
}
json cmd(const char* verb, const std::string& name, const std::string& text) {
    return json::array({verb, name, text});
}

bool ok(const json& answer) {
    return answer.is_object() && answer.value("ok", false);
}
QByteArray why(const json& answer) {
    return QByteArray::fromStdString(answer.dump()).left(400);
}

json control(const json& dump, const std::string& window, const std::string& name) {
    if (!dump.contains("windows") || !dump["windows"].contains(window)) return nullptr;
    const json& controls = dump["windows"][window]["controls"];
    return controls.contains(name) ? controls[name] : json();
}

QString textOf(const json& dump, const std::string& window, const std::string& name) {
    json c = control(dump, window, name);
    if (!c.is_object()) return "<no " + QString::fromStdString(window + "." + name) + ">";
    return QString::fromStdString(c.value("text", std::string("<no text>")));
}

QStringList itemsOf(const json& dump, const std::string& window, const std::string& name) {
    QStringList out;
    json c = control(dump, window, name);
    if (c.is_object() && c.contains("items")) {
        for (const json& i : c["items"]) out << QString::fromStdString(i.get<std::string>());
    }
    return out;
}

bool isOpen(const json& dump, const std::string& window) {
    return dump.contains("windows") && dump["windows"].contains(window);
}

QString num(long long n) {
    return QString::number(n);
}

} // namespace

#define SEND_OK(driver, command)                                                                   \
    do {                                                                                           \
        const json answer_ = (driver).send(command);                                               \
        QVERIFY2(                                                                                  \
            ok(answer_),                                                                           \
            (QByteArray::fromStdString((command).dump()) + " -> " + why(answer_)).constData());    \
    } while (0)

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
        cmd("key", "txtSearch", std::string("Escape")),
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
