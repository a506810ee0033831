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
        for (const json& row : lines["rows"]) {
            const std::string code = row[0], left = row[1], hit = row[2], right = row[3];
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
