// What the end-to-end tests share: the data files read independently of the
// program, the figures worked out from them with small code of the tests' own,
// and the driver process that plays commands on the real windows.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

using nlohmann::json;

namespace zapt_e2e {

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

inline QString dataDir() {
    // The build names the data folder (a path from __FILE__ would depend on how
    // the build tool names the source).
    return QStringLiteral(ZAPT_SAMPLE_DATA_DIR);
}

inline std::string fold(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

inline bool same(std::string_view a, std::string_view b) {
    return fold(a) == fold(b);
}

inline std::string trimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

inline int blanks(std::string_view s) {
    return static_cast<int>(std::count(s.begin(), s.end(), ' '));
}

// Replaces every character of `marks` by a blank and reduces each run of blanks to one.
inline std::string cleaned(std::string_view s, std::string_view marks) {
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
inline int countPieces(std::string_view text, std::string_view word) {
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

inline std::vector<std::string> textsOf(const Data& d, const std::string& name) {
    std::vector<std::string> out;
    for (const Text& t : d.texts) {
        if (same(t.author, name)) out.push_back(t.text);
    }
    return out;
}

// The corpus text: every text followed by a blank, then the marks a word search
// ignores turned into blanks, with runs of blanks reduced.
inline std::string corpusText(const Data& d) {
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
inline const Band kBands[] = {{"optUnder18", -1e9, 17.999999},
                              {"Opt18To25", 17.999999, 25},
                              {"opt26To40", 25, 40},
                              {"opt41To60", 40, 60},
                              {"opt61Plus", 60, 1e9}};

inline std::vector<Author> groupOf(const Data& d, const Band& band, const std::string& gender) {
    std::vector<Author> out;
    for (const Author& a : d.authors) {
        if (!same(a.gender, gender) || textsOf(d, a.name).empty()) continue;
        if (a.age > band.low && a.age <= band.high) out.push_back(a);
    }
    return out;
}

// The group's text for its word search: each of its authors' texts with
// trailing blanks removed, joined by blanks, with the group's marks removed.
inline std::string groupText(const Data& d, const std::vector<Author>& group) {
    std::string all;
    for (const Author& a : group) {
        for (const std::string& t : textsOf(d, a.name)) all += trimRight(t) + "  ";
    }
    return cleaned(all, ".,;:?!()-");
}

// One author's text for the family counts, with the author's marks removed.
inline std::string authorText(const Data& d, const Author& a) {
    std::string all;
    for (const std::string& t : textsOf(d, a.name)) all += trimRight(t) + "  ";
    return cleaned(all, ".,;:?!()/+-<>_=");
}

inline bool loadData(Data& d, QString& error) {
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
    explicit Driver(const QStringList& arguments = {}) {
        proc_.setProgram(qEnvironmentVariable("ZAPT_DRIVE"));
        proc_.setArguments(arguments);
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

inline json cmd(const char* verb, const std::string& name) {
    return json::array({verb, name});
}
inline json cmd(const char* verb, const std::string& name, int row) {
    return json::array({verb, name, row});
}
inline json cmd(const char* verb, const std::string& name, const std::string& text) {
    return json::array({verb, name, text});
}

inline bool ok(const json& answer) {
    return answer.is_object() && answer.value("ok", false);
}
inline QByteArray why(const json& answer) {
    return QByteArray::fromStdString(answer.dump()).left(400);
}

inline json control(const json& dump, const std::string& window, const std::string& name) {
    if (!dump.contains("windows") || !dump["windows"].contains(window)) return nullptr;
    const json& controls = dump["windows"][window]["controls"];
    return controls.contains(name) ? controls[name] : json();
}

inline QString textOf(const json& dump, const std::string& window, const std::string& name) {
    json c = control(dump, window, name);
    if (!c.is_object()) return "<no " + QString::fromStdString(window + "." + name) + ">";
    return QString::fromStdString(c.value("text", std::string("<no text>")));
}

inline QStringList itemsOf(const json& dump, const std::string& window, const std::string& name) {
    QStringList out;
    json c = control(dump, window, name);
    if (c.is_object() && c.contains("items")) {
        for (const json& i : c["items"]) out << QString::fromStdString(i.get<std::string>());
    }
    return out;
}

inline bool isOpen(const json& dump, const std::string& window) {
    return dump.contains("windows") && dump["windows"].contains(window);
}

inline QString num(long long n) {
    return QString::number(n);
}

} // namespace zapt_e2e

using namespace zapt_e2e;

#define SEND_OK(driver, command)                                                                   \
    do {                                                                                           \
        const json answer_ = (driver).send(command);                                               \
        QVERIFY2(                                                                                  \
            ok(answer_),                                                                           \
            (QByteArray::fromStdString((command).dump()) + " -> " + why(answer_)).constData());    \
    } while (0)
