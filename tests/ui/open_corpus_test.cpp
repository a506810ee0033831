// The "Open corpus" window on a real table: what it shows of the corpus, that
// no author name and no whole text ever appears in it, and when it lets the
// user start afresh; that nothing in force is dropped on the way (the glossary
// and families, the column mapping), the author and text fields, the encoding
// proposed and confirmed, and the settings kept with each corpus between
// sessions (the Explore window's subcorpora among them).

#include "app/corpus_source.h"
#include "ui/main_window.h"
#include "ui/open_corpus_dialog.h"

#include <QApplication>
#include <QComboBox>
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
    QString write(const QString& name, const QByteArray& content) {
        const QString p = dir.filePath(name);
        QFile f(p);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(content);
        return p;
    }
    QString summary() { return child<QLabel>("lblSummary")->text(); }
    // A window over what the program runs on, with its settings kept in `store`.
    void reopen(const zapt::CorpusOptions& current,
                std::shared_ptr<const zapt::SettingsStore> store = nullptr) {
        delete window;
        window = createOpenCorpusWindow(
            current, std::move(store),
            [this](const std::vector<std::string>& args) { started.push_back(args); });
        window->show();
    }
    // The arguments of the program started by pressing Open.
    std::vector<std::string> openNow() {
        started.clear();
        auto* open = child<QPushButton>("cmdOpen");
        if (!open->isEnabled()) return {"(Open disabled: " + summary().toStdString() + ")"};
        QTest::mouseClick(open, Qt::LeftButton);
        return started.empty() ? std::vector<std::string>{} : started.back();
    }
    static QWidget* topLevel(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) return w;
        return nullptr;
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

    // The glossary and families given on the command line, and the table's
    // column mapping, are shown and go on to the program started afresh; on
    // another table the lists stay and the first table's columns do not.
    void keepsTheListsInForce() {
        const QString glossary = write("g.csv", "form,interpretation\nl8r,later\n");
        const QString families = write("f.csv", "family,form\nLater,later\nLater,l8r\n");
        const QString other = write("other.csv", "author,text\nann,c u l8r\n");
        zapt::CorpusOptions current;
        current.path = table.toStdString();
        current.glossary = glossary.toStdString();
        current.families = families.toStdString();
        current.bands = "16-20,21-30,31-40";
        QVERIFY(!zapt::add_column_mapping(current.table, "text=Message"));
        reopen(current);
        QCOMPARE(child<QLineEdit>("txtCorpusPath")->text(), table);
        QCOMPARE(child<QLineEdit>("txtGlossary")->text(), glossary);
        QCOMPARE(child<QLineEdit>("txtFamilies")->text(), families);
        QCOMPARE(child<QLineEdit>("txtMap")->text(), QString("text=Message"));
        QTest::mouseClick(child<QPushButton>("cmdCheck"), Qt::LeftButton);
        QCOMPARE(openNow(), (std::vector<std::string>{
                                "--corpus", table.toStdString(), "--map", "text=Message",
                                "--glossary", glossary.toStdString(), "--families",
                                families.toStdString(), "--bands", "16-20,21-30,31-40"}));
        check(other, "16-20,21-30,31-40");
        QCOMPARE(child<QLineEdit>("txtMap")->text(), QString());
        QCOMPARE(openNow(), (std::vector<std::string>{"--corpus", other.toStdString(), "--glossary",
                                                      glossary.toStdString(), "--families",
                                                      families.toStdString(), "--bands",
                                                      "16-20,21-30,31-40"}));
        // A broken list stops the opening and is named.
        child<QLineEdit>("txtGlossary")->setText(write("bad.csv", "form\nu\n"));
        QTest::mouseClick(child<QPushButton>("cmdCheck"), Qt::LeftButton);
        QVERIFY2(summary().contains("bad.csv") && summary().contains("interpretation"),
                 qPrintable(summary()));
        QVERIFY(!child<QPushButton>("cmdOpen")->isEnabled());
        // A mapping that cannot be read is said before anything is read.
        child<QLineEdit>("txtGlossary")->setText(glossary);
        child<QLineEdit>("txtMap")->setText("shoe=Message");
        QTest::mouseClick(child<QPushButton>("cmdCheck"), Qt::LeftButton);
        QVERIFY2(summary().startsWith("The column mapping cannot be used"), qPrintable(summary()));
        QVERIFY(!child<QPushButton>("cmdOpen")->isEnabled());
    }

    // The window shows which columns are author fields and which text fields,
    // and switches one on the user's word.
    void showsAndSwitchesAuthorAndTextFields() {
        const QString t = write("ids.csv", "author,text,id,town\n"
                                           "ann,hi,1,Leeds\nbo,ok,2,York\nann,yes,3,Leeds\n"
                                           "bo,no,4,York\n");
        check(t, "");
        auto* fields = child<QTableWidget>("tblFields");
        QCOMPARE(fields->rowCount(), 2);
        QCOMPARE(fields->item(0, 0)->text(), QString("id"));
        QCOMPARE(fields->item(0, 1)->text(), QString("text field"));
        QVERIFY(fields->item(0, 2)->text().contains("differs between the texts of 2 of 2"));
        QCOMPARE(fields->item(1, 1)->text(), QString("author field"));
        auto* rows = child<QTableWidget>("tblFirstRows");
        QCOMPARE(rows->horizontalHeaderItem(6)->text(), QString("id (text field)"));
        QCOMPARE(rows->item(2, 6)->text(), QString("3"));
        fields->selectRow(0);
        QTest::mouseClick(child<QPushButton>("cmdSwitchField"), Qt::LeftButton);
        QCOMPARE(fields->item(0, 1)->text(), QString("author field"));
        QCOMPARE(fields->item(0, 2)->text(), QString("chosen"));
        const std::vector<std::string> args = openNow();
        QCOMPARE(args,
                 (std::vector<std::string>{"--corpus", t.toStdString(), "--author-field", "id"}));
        // And back again.
        fields->selectRow(0);
        QTest::mouseClick(child<QPushButton>("cmdSwitchField"), Qt::LeftButton);
        QCOMPARE(fields->item(0, 1)->text(), QString("text field"));
        QCOMPARE(openNow(),
                 (std::vector<std::string>{"--corpus", t.toStdString(), "--text-field", "id"}));
    }

    // A file in a legacy encoding: refused with ICU's proposal, read once the
    // user confirms it; a spreadsheet's "Unicode text" read as it is.
    void encodings() {
        const QString latin = write("latin.csv", "author,text\nann,\x93"
                                                 "caf\xE9\x94 cr\xE8me\nbo,na\xEFve x\n");
        check(latin, "");
        QVERIFY2(summary().contains("cannot be read") && summary().contains("windows-1252"),
                 qPrintable(summary()));
        auto* use = child<QPushButton>("cmdUseEncoding");
        QVERIFY(use->isVisible());
        QCOMPARE(use->text(), QString("Read as windows-1252"));
        QVERIFY(!child<QPushButton>("cmdOpen")->isEnabled());
        QTest::mouseClick(use, Qt::LeftButton);
        QCOMPARE(child<QLineEdit>("txtEncoding")->text(), QString("windows-1252"));
        QVERIFY2(summary().contains("Read as windows-1252."), qPrintable(summary()));
        QVERIFY(!use->isVisible());
        auto* rows = child<QTableWidget>("tblFirstRows");
        QCOMPARE(rows->item(1, rows->columnCount() - 1)->text(),
                 QString::fromUtf8("na\xC3\xAFve \xE2\x80\xA6"));
        QCOMPARE(openNow(), (std::vector<std::string>{"--corpus", latin.toStdString(), "--encoding",
                                                      "windows-1252"}));

        QByteArray utf16("\xFF\xFE", 2);
        for (QChar c : QString::fromUtf8("author\ttext\nann\tcaf\xC3\xA9 ok\n")) {
            const char16_t u = c.unicode();
            utf16.append(static_cast<char>(u & 0xFF));
            utf16.append(static_cast<char>(u >> 8));
        }
        check(write("unicode.txt", utf16), "");
        QVERIFY2(summary().contains("1 texts by 1 authors") &&
                     summary().contains("Read as UTF-16LE."),
                 qPrintable(summary()));
        QVERIFY(child<QPushButton>("cmdOpen")->isEnabled());
    }

    // An empty band field says the built-in bands are used; a quote never
    // closed is named with its line, not taken for a table without text.
    void saysWhatItDid() {
        check(table, "");
        QVERIFY2(summary().contains("No age bands were given: the built-in bands "
                                    "<18,18-25,26-40,41-60,61+ are used."),
                 qPrintable(summary()));
        check(table, "16-20");
        QVERIFY2(!summary().contains("No age bands"), qPrintable(summary()));
        check(write("quote.csv", "author,text\nann,\"hello\nbo,lost\n"), "");
        QVERIFY2(summary().contains("quote.csv:2: a quoted field opened on line 2 is never closed"),
                 qPrintable(summary()));
        QVERIFY(!summary().contains("holds no text"));
    }

    // Pressing Open keeps the corpus's settings; choosing the corpus again,
    // from another corpus, fills them in.
    void settingsComeBackWhenTheCorpusIsChosen() {
        QTemporaryDir config;
        auto store = std::make_shared<zapt::SettingsStore>(config.filePath("zapt").toStdString());
        const QString t = write("kept.csv", "author,text,id\nann,hi,1\nann,ok,2\nbo,yes,3\n");
        reopen({}, store);
        check(t, "16-20,21+");
        child<QLineEdit>("txtMap")->setText("author=author");
        auto* fields = child<QTableWidget>("tblFields");
        fields->selectRow(0);
        QTest::mouseClick(child<QPushButton>("cmdSwitchField"), Qt::LeftButton);
        const std::vector<std::string> args = openNow();
        QCOMPARE(args,
                 (std::vector<std::string>{"--corpus", t.toStdString(), "--map", "author=author",
                                           "--author-field", "id", "--bands", "16-20,21+"}));
        const auto kept = store->load(t.toStdString());
        QVERIFY(kept);
        QCOMPARE(kept->options.bands, std::string("16-20,21+"));

        zapt::CorpusOptions builtin;
        builtin.bands = "<18,18-25,26-40,41-60,61+";
        reopen(builtin, store);
        child<QLineEdit>("txtCorpusPath")->setText(t);
        QTest::mouseClick(child<QPushButton>("cmdCheck"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>("txtBands")->text(), QString("16-20,21+"));
        QCOMPARE(child<QLineEdit>("txtMap")->text(), QString("author=author"));
        QVERIFY2(summary().contains("The settings kept for this corpus are filled in."),
                 qPrintable(summary()));
        QCOMPARE(openNow(), args);
    }

    // Through the main window: the Open corpus window starts from the lists
    // in force, and the Explore window's subcorpora come back in the next
    // session on the same corpus.
    void theMainWindowKeepsWhatIsInForce() {
        delete window; // the windows looked for are the main window's own
        QTemporaryDir config;
        auto store = std::make_shared<zapt::SettingsStore>(config.filePath("zapt").toStdString());
        const zapt::DataSet data = zapt::load_builtin_data();
        zapt::CorpusOptions options;
        options.glossary = write("g2.csv", "form,interpretation\nu,you\n").toStdString();
        for (int session = 0; session < 2; ++session) {
            MainWindow main(corpus_of(data));
            main.messageHandler = [](const QString&) {};
            main.setCorpusOptions(options, store);
            main.show();
            QTest::mouseClick(main.findChild<QPushButton*>("cmdOpenCorpus"), Qt::LeftButton);
            QWidget* open = topLevel("FormOpenCorpus");
            QVERIFY(open);
            QCOMPARE(open->findChild<QLineEdit*>("txtGlossary")->text(),
                     QString::fromStdString(options.glossary));
            QCOMPARE(open->findChild<QLineEdit*>("txtBands")->text(),
                     QString("<18,18-25,26-40,41-60,61+"));
            QTest::mouseClick(main.findChild<QPushButton*>("cmdExplore"), Qt::LeftButton);
            QWidget* explore = topLevel("FormExplore");
            QVERIFY(explore);
            auto* status = explore->findChild<QLabel*>("lblSubcorporaStatus");
            if (session == 0) {
                explore->findChild<QLineEdit*>("txtSubcorpusName")->setText("teen women");
                explore->findChild<QLineEdit*>("txtConditions")->setText("age=13-19; gender=F");
                QTest::mouseClick(explore->findChild<QPushButton*>("cmdDefine"), Qt::LeftButton);
                QVERIFY2(status->text().startsWith("\"teen women\""), qPrintable(status->text()));
            } else {
                QVERIFY2(status->text().startsWith("1 subcorpus of the last session back"),
                         qPrintable(status->text()));
                auto* scope = explore->findChild<QComboBox*>("cboWordScope");
                QCOMPARE(scope->count(), 2);
                QCOMPARE(scope->itemText(1), QString("teen women"));
            }
            main.windows().closeAll();
        }
        const auto kept = store->load("");
        QVERIFY(kept);
        QCOMPARE(kept->subcorpora.size(), std::size_t(1));
        QCOMPARE(kept->subcorpora[0].conditions, std::string("age=13-19; gender=F"));
    }
};

QTEST_MAIN(OpenCorpusTest)
#include "open_corpus_test.moc"
