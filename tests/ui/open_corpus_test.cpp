// The "Open corpus" window on a real table: what it shows of the corpus, that
// no author name and no whole text ever appears in it, and when it lets the
// user start afresh.

#include "ui/open_corpus_dialog.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace zapt::ui;

class OpenCorpusTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString table;
    std::vector<std::vector<std::string>> started;
    QPointer<QWidget> window;

    template <class T> T* child(const char* name) { return window->findChild<T*>(name); }
    void check(const QString& path, const QString& bands) {
        child<QLineEdit>("txtCorpusPath")->setText(path);
        child<QLineEdit>("txtBands")->setText(bands);
        QTest::mouseClick(child<QPushButton>("cmdCheck"), Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        table = dir.filePath("texts.csv");
        QFile f(table);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBFSender,Age,Sex,Message,Town\r\n"
                "Alice Smith,16-20,female,see u at the caf\xC3\xA9 l8r ok,Leeds\r\n"
                "Bob Jones,35,M,\"on my way, 10 mins\",York\r\n"
                "Alice Smith,16-20,F,\xF0\x9F\x91\x8D\r\n"
                "Carol King,unknown,,,Hull\r\n"
                "Carol King,unknown,,gr8 thx,Hull\r\n");
    }
    void init() {
        started.clear();
        window = createOpenCorpusWindow(
            "<18,18-25,26-40,41-60,61+",
            [this](const std::vector<std::string>& args) { started.push_back(args); });
        window->show();
    }
    void cleanup() { delete window; }

    void showsTheTableWithoutANameOrAWholeText() {
        check(table, "16-20,21-30,31-40");
        const QString summary = child<QLabel>("lblSummary")->text();
        QVERIFY2(summary.contains("4 texts by 3 authors"), qPrintable(summary));
        auto* rows = child<QTableWidget>("tblFirstRows");
        QCOMPARE(rows->rowCount(), 4);
        QStringList cells;
        for (int r = 0; r < rows->rowCount(); ++r)
            for (int c = 0; c < rows->columnCount(); ++c)
                cells << (rows->item(r, c) ? rows->item(r, c)->text() : QString());
        const QString all = cells.join("|");
        for (const char* secret :
             {"Alice", "Bob", "Carol", "see u at the caf\xC3\xA9 l8r ok", "on my way", "gr8 thx"})
            QVERIFY2(!all.contains(QString::fromUtf8(secret)), secret);
        // Codes in order of first appearance; each text cut to its first half.
        QCOMPARE(rows->item(0, 0)->text(), QString("1"));
        QCOMPARE(rows->item(1, 0)->text(), QString("2"));
        QCOMPARE(rows->item(0, rows->columnCount() - 1)->text(),
                 QString::fromUtf8("see u at \xE2\x80\xA6"));
        QCOMPARE(rows->item(2, rows->columnCount() - 1)->text(), QString::fromUtf8("\xE2\x80\xA6"));
        // The bands: Alice in 16 to 20, Bob in 31 to 40, Carol's age not known.
        auto* bands = child<QTableWidget>("tblBands");
        QCOMPARE(bands->item(0, 0)->text(), QString("16 to 20"));
        QCOMPARE(bands->item(0, 1)->text(), QString("1"));
        QCOMPARE(bands->item(2, 1)->text(), QString("1"));
        QCOMPARE(bands->item(bands->rowCount() - 1, 1)->text(), QString("1"));
        // The empty text is reported; the unused column is the author's metadata.
        QVERIFY(child<QPlainTextEdit>("txtProblems")->toPlainText().contains("empty text (1x)"));
        auto* open = child<QPushButton>("cmdOpen");
        QVERIFY(open->isEnabled());
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(started.size(), std::size_t(1));
        QCOMPARE(started[0], (std::vector<std::string>{"--corpus", table.toStdString(), "--bands",
                                                       "16-20,21-30,31-40"}));
    }

    void refusesWhatTheProgramCannotOpen() {
        const struct {
            QString path, bands, says;
        } cases[] = {
            {dir.filePath("missing.csv"), "", "cannot be read"},
            {"", "", "Choose a table or a folder"},
            {"TABLE", "20-10", "age bands cannot be used"},
            {"TABLE", "1-2,3-4,5-6,7-8,9-10,11-12", "at most five age bands"},
        };
        for (const auto& c : cases) {
            check(c.path == "TABLE" ? table : c.path, c.bands);
            const QString summary = child<QLabel>("lblSummary")->text();
            QVERIFY2(summary.contains(c.says), qPrintable(summary));
            QVERIFY(!child<QPushButton>("cmdOpen")->isEnabled());
        }
        // Editing the path after a good check asks for another check first.
        check(table, "");
        QVERIFY(child<QPushButton>("cmdOpen")->isEnabled());
        QTest::keyClick(child<QLineEdit>("txtCorpusPath"), Qt::Key_X);
        QVERIFY(!child<QPushButton>("cmdOpen")->isEnabled());
        QVERIFY(started.empty());
    }
};

QTEST_MAIN(OpenCorpusTest)
#include "open_corpus_test.moc"
