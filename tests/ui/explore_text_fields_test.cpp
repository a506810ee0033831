// The Explore window over a table with a text field, through the driver: the
// main window hands each text's values to the window, so that a subcorpus
// chosen by the field counts and lists its own texts only.
#include "drive_harness.h"

#include <QTemporaryDir>

namespace {

int columnOf(const json& table, const std::string& name) {
    const auto& columns = table["columns"];
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i] == name) return static_cast<int>(i);
    return -1;
}

} // namespace

class ExploreTextFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void aSubcorpusOfSomeDaysHoldsTheirTextsOnly() {
        QTemporaryDir dir, config;
        QVERIFY(dir.isValid() && config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString path = dir.filePath("dated.csv");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("author,town,sent,text\n"
                    "ann,Leeds,2020-01-01,c u 2moro x\n"
                    "ann,Leeds,2020-01-02,ok see u there\n"
                    "bo,York,2020-01-02,c u l8r m8\n"
                    "bo,York,2020-01-03,u ok\n"
                    "cy,Leeds,2020-01-03,see you tomorrow\n"
                    "cy,Leeds,2020-01-04,u u\n");
        }
        Driver drive({"--corpus", path});
        QVERIFY(drive.started());
        SEND_OK(drive, cmd("press", "cmdExplore"));
        SEND_OK(drive, cmd("type", "txtSubcorpusName", std::string("later days")));
        SEND_OK(drive, cmd("type", "txtConditions", std::string("sent=2020-01-02..2020-01-03")));
        SEND_OK(drive, cmd("press", "cmdDefine"));
        json d = drive.dump();
        const json subcorpora = control(d, "FormExplore", "tblSubcorpora");
        QCOMPARE(subcorpora["rows"].size(), std::size_t(2));
        // Three authors, four texts, 4 + 4 + 2 + 3 words.
        const json& row = subcorpora["rows"][1];
        QCOMPARE(row[columnOf(subcorpora, "authors")].get<std::string>(), std::string("3"));
        QCOMPARE(row[columnOf(subcorpora, "texts")].get<std::string>(), std::string("4"));
        QCOMPARE(row[columnOf(subcorpora, "words")].get<std::string>(), std::string("13"));

        SEND_OK(drive, cmd("select", "tabExplore", 1));
        SEND_OK(drive, cmd("select", "cboWordScope", 1));
        SEND_OK(drive, cmd("press", "cmdWordList"));
        const json list = control(drive.dump(), "FormExplore", "tblWordList");
        std::map<std::string, std::string> counts;
        for (const json& r : list["rows"])
            counts[r[0].get<std::string>()] = r[columnOf(list, "count")].get<std::string>();
        // "u" three times in the four texts; "2moro" and "x" only on the first day.
        QCOMPARE(counts["u"], std::string("3"));
        QVERIFY(!counts.count("2moro") && !counts.count("x"));
        QCOMPARE(counts["you"], std::string("1"));
    }
};

QTEST_MAIN(ExploreTextFieldsTest)
#include "explore_text_fields_test.moc"
