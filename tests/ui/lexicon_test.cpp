// The Lexicon window through the driver, as a user works it: the button of
// the main window's strip opens it, the proposals come in off the window's
// thread, a selected form shows its candidates and private lines, decisions
// are undone and redone from the keyboard, a bulk accept, the families, and a
// closed window that keeps its decisions.
#include "drive_harness.h"

#include <QTemporaryDir>
#include <set>

namespace {

int columnOf(const json& table, const std::string& name) {
    const auto& columns = table["columns"];
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i] == name) return static_cast<int>(i);
    return -1;
}

std::string cell(const json& table, std::size_t row, const std::string& column) {
    return table["rows"][row][static_cast<std::size_t>(columnOf(table, column))];
}

} // namespace

class LexiconTest : public QObject {
    Q_OBJECT

    Data data_;

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(loadData(data_, error), qPrintable(error));
    }

    void theLinguistDecidesAndEveryChangeIsUndone() {
        Driver drive;
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdLexicon"));
        // Proposing runs on a second thread: the window says so, then lists.
        SEND_OK(drive, json::array({"idle", 30000}));
        json d = drive.dump();
        const std::string status = control(d, "FormLexicon", "lblStatus")["text"];
        QVERIFY2(status.find("forms proposed") != std::string::npos, status.c_str());
        json forms = control(d, "FormLexicon", "tblForms");
        const std::size_t listed = forms["rows"].size();
        QVERIFY2(listed > 100, std::to_string(listed).c_str());
        for (const char* c :
             {"form", "count", "authors_using", "kind", "status", "interpretation", "score"})
            QVERIFY2(columnOf(forms, c) >= 0, c);
        for (std::size_t r = 1; r < listed; ++r)
            QVERIFY(std::stoi(cell(forms, r - 1, "count")) >= std::stoi(cell(forms, r, "count")));
        // Every control the user works has a tool tip; the built-in corpus
        // has its own lists, so the British ones are not offered.
        for (const auto& [name, c] : d["windows"]["FormLexicon"]["controls"].items()) {
            const std::string prefix = name.substr(0, 3);
            if (prefix == "cmd" || prefix == "txt" || prefix == "cbo" || prefix == "chk" ||
                prefix == "tbl")
                QVERIFY2(!c["toolTip"].get<std::string>().empty(), name.c_str());
        }
        QVERIFY(!control(d, "FormLexicon", "cmdUseBritish")["visible"].get<bool>());
        QVERIFY(control(d, "FormLexicon", "cmdUseLexicon")["visible"].get<bool>());
        // Nothing selected yet: the decisions wait for a form.
        QVERIFY(!control(d, "FormLexicon", "cmdReject")["enabled"].get<bool>());

        // The first variant: its candidates and a few private lines.
        std::size_t v = 0;
        while (v < listed && cell(forms, v, "kind") != "variant") ++v;
        QVERIFY(v < listed);
        const std::string form = cell(forms, v, "form");
        SEND_OK(drive, cmd("press", "tblForms", int(v)));
        d = drive.dump();
        const json candidates = control(d, "FormLexicon", "tblCandidates");
        QVERIFY(!candidates["rows"].empty());
        QCOMPARE(std::string(candidates["rows"][0][0]), cell(forms, v, "interpretation"));
        const json lines = control(d, "FormLexicon", "tblLines");
        QVERIFY(!lines["rows"].empty());
        QVERIFY(lines["rows"].size() <= 3);
        std::set<std::string> codes, names;
        for (const Author& a : data_.authors) {
            codes.insert(a.code);
            names.insert(fold(a.name));
        }
        for (const json& row : lines["rows"]) {
            const std::string code = row[0], hit = row[2];
            QVERIFY2(codes.count(code), code.c_str());
            QVERIFY2(!names.count(fold(code)), code.c_str());
            QCOMPARE(fold(hit), fold(form));
            // Never a whole text: some text of the corpus holds more than the line.
            std::string line = std::string(row[1]).empty() ? hit : std::string(row[1]) + " " + hit;
            if (!std::string(row[3]).empty()) line += " " + std::string(row[3]);
            bool shorter = false;
            for (const Text& t : data_.texts)
                shorter = shorter || (fold(t.text).find(fold(hit)) != std::string::npos &&
                                      blanks(line) < blanks(t.text));
            QVERIFY2(shorter, line.c_str());
        }

        // Reject, then Ctrl+Z, Ctrl+Y, and the Undo button.
        auto statusOf = [&](const json& dump) {
            const json t = control(dump, "FormLexicon", "tblForms");
            for (std::size_t r = 0; r < t["rows"].size(); ++r)
                if (cell(t, r, "form") == form) return cell(t, r, "status");
            return std::string("missing");
        };
        SEND_OK(drive, cmd("press", "cmdReject"));
        QCOMPARE(statusOf(drive.dump()), std::string("rejected"));
        SEND_OK(drive, json::array({"key", "tblForms", "Ctrl+Z"}));
        QCOMPARE(statusOf(drive.dump()), std::string("proposed"));
        SEND_OK(drive, json::array({"key", "tblForms", "Ctrl+Y"}));
        QCOMPARE(statusOf(drive.dump()), std::string("rejected"));
        SEND_OK(drive, cmd("press", "cmdUndo"));
        QCOMPARE(statusOf(drive.dump()), std::string("proposed"));
        // A typed interpretation, Enter in its box.
        SEND_OK(drive, cmd("type", "txtInterpretation", std::string("something else")));
        SEND_OK(drive, json::array({"key", "txtInterpretation", "Enter"}));
        d = drive.dump();
        QCOMPARE(statusOf(d), std::string("accepted"));

        // Enter on another variant accepts its best candidate.
        std::size_t w = v + 1;
        while (w < listed && cell(forms, w, "kind") != "variant") ++w;
        QVERIFY(w < listed);
        const std::string other = cell(forms, w, "form");
        SEND_OK(drive, cmd("press", "tblForms", int(w)));
        SEND_OK(drive, json::array({"key", "tblForms", "Enter"}));
        {
            const json t = control(drive.dump(), "FormLexicon", "tblForms");
            QCOMPARE(cell(t, w, "form"), other);
            QCOMPARE(cell(t, w, "status"), std::string("accepted"));
            QCOMPARE(cell(t, w, "interpretation"), cell(forms, w, "interpretation"));
        }
        // The export's header names the lexicon being decided.
        QTemporaryDir out;
        const std::string file = out.filePath("forms.csv").toStdString();
        SEND_OK(drive, json::array({"export", "tblForms", file}));
        {
            QFile f(QString::fromStdString(file));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const std::string text = f.readAll().toStdString();
            QVERIFY2(text.find("# lexicon: corpus lexicon (2 accepted forms, 0 kept families) "
                               "(being decided)") != std::string::npos,
                     text.substr(0, 600).c_str());
        }

        // Accept above 0.9, then show the accepted ones only.
        SEND_OK(drive, cmd("type", "txtMinScore", std::string("0.9")));
        SEND_OK(drive, cmd("press", "cmdAcceptAbove"));
        SEND_OK(drive, cmd("select", "cboStatus", 2)); // accepted
        d = drive.dump();
        const json accepted = control(d, "FormLexicon", "tblForms");
        QVERIFY(accepted["rows"].size() > 1);
        for (std::size_t r = 0; r < accepted["rows"].size(); ++r) {
            QCOMPARE(cell(accepted, r, "status"), std::string("accepted"));
            if (cell(accepted, r, "form") == form) continue;
            QCOMPARE(cell(accepted, r, "kind"), std::string("variant"));
            QVERIFY(std::stod(cell(accepted, r, "score")) >= 0.9);
        }
        // A bad score changes nothing and says why.
        SEND_OK(drive, cmd("type", "txtMinScore", std::string("lots")));
        SEND_OK(drive, cmd("press", "cmdAcceptAbove"));
        d = drive.dump();
        QCOMPARE(control(d, "FormLexicon", "tblForms")["rows"].size(), accepted["rows"].size());
        QVERIFY(std::string(control(d, "FormLexicon", "lblStatus")["text"]).find("0 to 1") !=
                std::string::npos);

        // The accepted variants make families; keep the first.
        SEND_OK(drive, cmd("select", "tabLexicon", 1));
        d = drive.dump();
        const json families = control(d, "FormLexicon", "tblFamilies");
        QVERIFY(!families["rows"].empty());
        SEND_OK(drive, cmd("press", "tblFamilies", 0));
        SEND_OK(drive, cmd("click", "chkKeep"));
        d = drive.dump();
        QCOMPARE(cell(control(d, "FormLexicon", "tblFamilies"), 0, "kept"), std::string("yes"));

        // Escape closes the window; opened again, it keeps every decision.
        SEND_OK(drive, json::array({"key", "tblFamilies", "Escape"}));
        QVERIFY(!drive.dump()["windows"].contains("FormLexicon"));
        SEND_OK(drive, cmd("press", "cmdLexicon"));
        SEND_OK(drive, json::array({"idle", 30000}));
        d = drive.dump();
        QCOMPARE(statusOf(d), std::string("accepted"));
        QCOMPARE(cell(control(d, "FormLexicon", "tblFamilies"), 0, "kept"), std::string("yes"));
    }

    // A folder of the user's own: the lexicon is saved beside it and put in
    // force; the program, started again over the folder, reads it there: the
    // comparison lists the kept family and names the lexicon, and the window
    // shows the decisions again.
    void aSavedLexiconIsInForceWhenTheCorpusOpensAgain() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char* f : {"corpus.jsonl", "register.json"})
            QVERIFY(QFile::copy(dataDir() + "/" + f, dir.filePath(f)));
        const std::string folder = dir.path().toStdString();
        std::string family;
        std::size_t accepted = 0;
        {
            Driver drive({"--corpus", dir.path()});
            QVERIFY(drive.started());
            SEND_OK(drive, cmd("press", "cmdLexicon"));
            SEND_OK(drive, json::array({"idle", 30000}));
            json d = drive.dump();
            QCOMPARE(std::string(control(d, "FormLexicon", "txtSaveBase")["text"]),
                     folder + "/lexicon");
            // The folder brings no glossary and no families: the window says so.
            const std::string inForce = control(d, "FormLexicon", "lblInForce")["text"];
            QVERIFY2(inForce.find("glossary: none") != std::string::npos, inForce.c_str());
            SEND_OK(drive, cmd("type", "txtMinScore", std::string("0.8")));
            SEND_OK(drive, cmd("press", "cmdAcceptAbove"));
            SEND_OK(drive, cmd("select", "cboStatus", 2)); // accepted
            accepted = control(drive.dump(), "FormLexicon", "tblForms")["rows"].size();
            QVERIFY(accepted > 5);
            SEND_OK(drive, cmd("select", "tabLexicon", 1));
            SEND_OK(drive, cmd("press", "tblFamilies", 0));
            SEND_OK(drive, cmd("type", "txtFamilyName", std::string("Mine")));
            SEND_OK(drive, cmd("press", "cmdRenameFamily"));
            SEND_OK(drive, cmd("click", "chkKeep"));
            d = drive.dump();
            const json fam = control(d, "FormLexicon", "tblFamilies");
            family = cell(fam, 0, "family");
            QCOMPARE(family, std::string("Mine"));
            QCOMPARE(cell(fam, 0, "kept"), std::string("yes"));
            SEND_OK(drive, cmd("press", "cmdUseLexicon"));
            const std::string started = drive.dump()["messages"].dump();
            QVERIFY2(started.find("start afresh: --corpus " + folder + " --lexicon " + folder +
                                  "/lexicon.json") != std::string::npos,
                     started.c_str());
        }
        for (const char* f :
             {"lexicon.json", "lexicon.csv", "lexicon-glossary.csv", "lexicon-families.csv"})
            QVERIFY2(QFile::exists(dir.filePath(f)), f);

        Driver drive({"--corpus", dir.path()});
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdCompareGroups"));
        json d = drive.dump();
        const std::string applied = control(d, "Form12", "lblApplied")["text"];
        QVERIFY2(applied.find("lexicon: corpus lexicon (" + std::to_string(accepted) +
                              " accepted forms, 1 kept family)") != std::string::npos,
                 applied.c_str());
        const std::vector<std::string> items = control(d, "Form12", "cboFamily")["items"];
        QVERIFY2(std::find(items.begin(), items.end(), family) != items.end(),
                 json(items).dump().c_str());
        const std::string note = control(d, "Form1", "lblFamiliesNote")["text"];
        // The main window's family lists show the one kept family.
        QVERIFY2(note.find("1 of the corpus's families") != std::string::npos, note.c_str());
        SEND_OK(drive, cmd("press", "cmdLexicon"));
        SEND_OK(drive, json::array({"idle", 30000}));
        SEND_OK(drive, cmd("select", "cboStatus", 2));
        d = drive.dump();
        const std::string inForce = control(d, "FormLexicon", "lblInForce")["text"];
        QVERIFY2(inForce.find("lexicon: corpus lexicon (" + std::to_string(accepted) +
                              " accepted forms, 1 kept family)") != std::string::npos,
                 inForce.c_str());
        QCOMPARE(control(d, "FormLexicon", "tblForms")["rows"].size(), accepted);
        QCOMPARE(cell(control(d, "FormLexicon", "tblFamilies"), 0, "kept"), std::string("yes"));
        // The British lists are offered instead, on request.
        SEND_OK(drive, cmd("press", "cmdUseBritish"));
        const std::string started = drive.dump()["messages"].dump();
        QVERIFY2(started.find("start afresh: --corpus " + folder + " --lexicon british") !=
                     std::string::npos,
                 started.c_str());
    }
};

QTEST_MAIN(LexiconTest)
#include "lexicon_test.moc"
