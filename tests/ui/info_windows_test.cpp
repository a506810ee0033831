// The small information windows: their names, captions and sizes, their fixed
// texts, the buttons' behaviour, and that nothing in them overlaps or is cut off.
//
// Set ZAPT_SHOT_DIR to a folder to also save a picture of every window there.

#include "ui/deployment.h"
#include "ui/info_windows.h"
#include "ui/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLibrary>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

using namespace zapt::ui;

namespace {

// One window as the program builds it, with what it must look like.
struct WindowCase {
    const char* objectName;
    QString caption;
    int widthTw;
    int heightTw;
    std::function<QWidget*()> create;
};

std::vector<WindowCase> fixed_windows() {
    return {
        {"Form2", "About ZAPT the Corpus", 7875, 8445, [] { return createAboutWindow(); }},
        {"Form5", "Help...!", 13635, 8895, [] { return createHelpWindow({}); }},
        {"Form6", "More Help...(ZAPT)", 6885, 6930, [] { return createMoreHelpWindow(); }},
        {"Form7", "Facts...", 7710, 5340, [] { return createFactsWindow(); }},
        {"Form8", "Donate", 13005, 8910, [] { return createDonateWindow({}); }},
        {"Form10", "Progress", 5880, 2490, [] { return createProgressWindow(); }},
    };
}

QStringList label_texts(const QWidget* w) {
    QStringList texts;
    for (const QLabel* l : w->findChildren<QLabel*>()) texts << l->text();
    return texts;
}

QLabel* label_with_text(const QWidget* w, const QString& text) {
    for (QLabel* l : w->findChildren<QLabel*>())
        if (l->text() == text) return l;
    return nullptr;
}

// Runs the deletions that close() scheduled.
void flush_deletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every control lies inside the window, shows its whole text, and does not
// overlap its neighbours. Hidden controls count too: they must fit once shown.
void check_layout(QWidget* window) {
    const QRect client(QPoint(0, 0), window->size());
    std::vector<QWidget*> controls;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(c) || qobject_cast<QPushButton*>(c) ||
            c->objectName().startsWith("Shape") || c->objectName().startsWith("Frame"))
            controls.push_back(c);
    }
    QVERIFY(!controls.empty());
    for (QWidget* c : controls) {
        const QString where = window->objectName() + "." + c->objectName();
        const QRect inWindow(c->mapTo(window, QPoint(0, 0)), c->size());
        QVERIFY2(client.contains(inWindow), qPrintable(where + " lies outside the window"));
        if (auto* l = qobject_cast<QLabel*>(c)) {
            if (l->wordWrap()) {
                QVERIFY2(l->heightForWidth(l->width()) <= l->height(),
                         qPrintable(where + " cuts off its text"));
            } else {
                QVERIFY2(l->sizeHint().width() <= l->width() &&
                             l->sizeHint().height() <= l->height(),
                         qPrintable(where + " cuts off its text"));
            }
        }
        if (auto* b = qobject_cast<QPushButton*>(c)) {
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 8 <= b->width(),
                     qPrintable(where + "'s caption does not fit"));
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (a->parentWidget() != b->parentWidget()) continue;
            QVERIFY2(!a->geometry().intersects(b->geometry()),
                     qPrintable(window->objectName() + ": " + a->objectName() + " overlaps " +
                                b->objectName()));
        }
    }
}

void save_picture(QWidget* window, const QString& suffix = {}) {
    const QString dir = qEnvironmentVariable("ZAPT_SHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    QVERIFY(window->grab().save(QDir(dir).filePath(window->objectName() + suffix + ".png")));
}

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsAreNamedCaptionedAndSized();
    void textsAreAsWritten();
    void layoutsFit();
    void okButtonsCloseAndDiscard();
    void helpNoteTogglesAndOpensMoreHelp();
    void donateAddressAndWebsite();
    void progressWindowStaysOnTop();
    void uploadPage();
};

void InfoWindowsTest::windowsAreNamedCaptionedAndSized() {
    for (const WindowCase& c : fixed_windows()) {
        std::unique_ptr<QWidget> w(c.create());
        QVERIFY(w);
        QCOMPARE(w->objectName(), QString(c.objectName));
        QCOMPARE(w->windowTitle(), c.caption);
        QVERIFY2(w->isWindow(), c.objectName);
        QVERIFY2(!w->isVisible(), c.objectName);
        QVERIFY2(w->testAttribute(Qt::WA_DeleteOnClose), c.objectName);
        // Fixed client size: the minimum and maximum are both the given size.
        const QSize size(tw(c.widthTw), tw(c.heightTw));
        QCOMPARE(w->minimumSize(), size);
        QCOMPARE(w->maximumSize(), size);
        QCOMPARE(w->font().family(), QString("Liberation Sans"));
    }
}

void InfoWindowsTest::textsAreAsWritten() {
    const QString host = QLatin1String(kSiteHost);
    {
        std::unique_ptr<QWidget> w(createAboutWindow());
        const QStringList texts = label_texts(w.get());
        for (const char* heading : {"INTRO:", "HOW BIG?", "WHO?", "WHAT ARE THEY TEXTING ABOUT?",
                                    "DO THEY SWEAR?", "THE FUTURE:"}) {
            QLabel* l = label_with_text(w.get(), heading);
            QVERIFY2(l, heading);
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QVERIFY(l->font().bold());
        }
        QVERIFY(texts.contains("Everything from baby clothes to cars that won't go, what's for "
                               "tea, what books to buy, as well as the inevitable recriminations "
                               "for various domestic offences."));
        QCOMPARE(texts.filter("What you have here is a sample of ZAPT the Corpus").size(), 1);
        QVERIFY(!texts.filter(host).isEmpty());
        QCOMPARE(w->findChild<QPushButton*>("cmdOK")->text(), QString("OK"));
        // Seven headings with their answers.
        QCOMPARE(texts.size(), 14);
    }
    {
        // A corpus of the user's own is described by its own authors, not the sample's.
        LoadedCorpusFigures figures;
        figures.folder = "/data/texts.csv";
        figures.who = "The corpus has 3 authors.";
        std::unique_ptr<QWidget> w(createAboutWindow(&figures));
        const QString all = label_texts(w.get()).join("\n");
        QVERIFY(all.contains("The corpus has 3 authors. No name of any author is ever shown"));
        for (const char* sample : {"baby clothes", "aged from 11 to 70", "977 texts", "with gusto"})
            QVERIFY2(!all.contains(sample), sample);
    }
    {
        std::unique_ptr<QWidget> w(createHelpWindow({}));
        const QStringList texts = label_texts(w.get());
        QVERIFY(texts.first().startsWith(
            "Well, not exactly help as such, more a sort of general guide"));
        QVERIFY(w->findChildren<QLabel*>().first()->font().bold());
        QCOMPARE(w->findChildren<QLabel*>().first()->font().pointSizeF(), 12.0);
        for (const char* heading :
             {"WHERE DO I BEGIN...?", "THEN WHAT?", "WHY CAN'T I JUST SEE THE TEXTS?",
              "..AND THEN?", "SO I CLICK ON THE YELLOW LIST....OK?", "WHAT DOES THAT DO?"}) {
            QLabel* l = label_with_text(w.get(), heading);
            QVERIFY2(l, heading);
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        }
        for (const char* heading : {"AND NOW...?", "OK....", "SEARCH...", "ANYTHING ELSE?",
                                    "THE LITTLE WHITE BOXES", "AND.......?"}) {
            QLabel* l = label_with_text(w.get(), heading);
            QVERIFY2(l, heading);
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        }
        QVERIFY(texts.contains("Click on the 'Get Group Data' button. It collects the texts for "
                               "that group so you can extract information from those texts."));
        QVERIFY(texts.contains("You can search for any word in the corpus using the pale green "
                               "box. Just type your word in and hit return. It gives you group "
                               "and corpus results."));
        QVERIFY(texts.contains(
            "You can also search for collocations, punctuation data and frequencies."));
        auto* note = w->findChild<QLabel*>("Label22");
        QVERIFY(note);
        QVERIFY(note->text().startsWith("The pale lavender box next to the yellow list box gives "
                                        "you the education level of the author selected."));
        for (const char* code : {"G =", "HS =", "U ="}) QVERIFY(note->text().contains(code));
        QCOMPARE(w->findChild<QPushButton*>("Command1")->text(), QString("NOTE:"));
        QCOMPARE(w->findChild<QPushButton*>("cmdClusters")->text(),
                 QString("A note on Clusters and Punctuation"));
        QCOMPARE(w->findChild<QPushButton*>("cmdOK")->text(), QString("OK"));
    }
    {
        std::unique_ptr<QWidget> w(createMoreHelpWindow());
        const QStringList texts = label_texts(w.get());
        for (const char* heading : {"WHAT ARE CLUSTERS?", "ARE CLUSTERS IMPORTANT?",
                                    "HOW CAN I GET TO SEE SOME CLUSTERS?", "ANYTHING ELSE...?"}) {
            QLabel* l = label_with_text(w.get(), heading);
            QVERIFY2(l, heading);
            QVERIFY(l->font().bold());
        }
        QVERIFY(texts.contains("Clusters are combinations of words together linked by "
                               "punctuation, e.g. 'OK.cu' or 'went2town.gotback' etc."));
        QVERIFY(texts.contains(
            "Well, they can be. Some people have habitually got longer clusters than others."));
        QCOMPARE(texts.filter("Punctuation").size(), 1);
        QCOMPARE(w->findChild<QPushButton*>("cmdOK")->text(), QString("OK"));
    }
    {
        std::unique_ptr<QWidget> w(createFactsWindow());
        const QStringList facts = {
            "One texter writes 'you' in five different ways!",
            "Nearly a fifth of instances of 'u', meaning 'you' are texted by one author.",
            "Another texter writes 'back' in three different ways.",
            "In compiling this corpus we came across epithets we had never heard of. And one of "
            "us is the son of a sailor!"};
        for (int i = 0; i < facts.size(); ++i) {
            QLabel* heading = label_with_text(w.get(), QString("Fact %1").arg(i + 1));
            QVERIFY(heading);
            QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QVERIFY(heading->font().bold());
            QLabel* text = label_with_text(w.get(), facts[i]);
            QVERIFY2(text, qPrintable(facts[i]));
            QVERIFY(text->y() > heading->y());
        }
        const QList<QColor> squares = {{255, 255, 192}, {192, 192, 255}, {224, 224, 224},
                                       {192, 255, 192}, {192, 0, 0},     {0, 192, 192},
                                       {0, 0, 255}};
        int lastTop = -1;
        for (int i = 0; i < squares.size(); ++i) {
            auto* s = w->findChild<QWidget*>(QString("Shape%1").arg(i + 1));
            QVERIFY(s);
            QCOMPARE(s->palette().color(QPalette::Window), squares[i]);
            QCOMPARE(s->width(), s->height());
            QVERIFY(s->y() > lastTop);
            lastTop = s->y();
        }
        QCOMPARE(w->findChild<QPushButton*>("cmdOK")->text(),
                 QString("OK, I get it. Life is rich and people are colourful."));
    }
    {
        std::unique_ptr<QWidget> w(createDonateWindow({}));
        const QStringList texts = label_texts(w.get());
        QLabel* title = label_with_text(w.get(), "How to donate texts to the ZAPT corpus");
        QVERIFY(title);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(title->font().pointSizeF(), 18.0);
        QLabel* ways =
            label_with_text(w.get(), "You can send texts to us in one of a number of ways.");
        QVERIFY(ways);
        QCOMPARE(ways->palette().color(QPalette::WindowText), QColor(128, 128, 255));
        for (const char* text :
             {"Forward your texts to this UK number:",
              kPhoneNumber,
              "Hint: Forward as 'SMS' if this option is available, or just 'forward'. You will "
              "need to do this for each message.",
              "This is a UK number, so please precede with the appropriate international code if "
              "forwarding messages from abroad.",
              "Please use existing messages only.",
              "Email your texts to:",
              "Click on this email address to copy it to your clipboard.",
              "Click this link to be taken to our website, where you will see an empty box. Just "
              "transcribe your texts and deposit them in the empty box.",
              "Please use the following format for each text:",
              "Anonymise any people or place names with generic ones if you wish, e.g. 'John', "
              "'Townville', etc.***",
              "Please separate with TAB if possible.",
              "Gender and age of sender:",
              "Education Level of sender:",
              "Sender's nationality:",
              "Message:",
              "Gender and age of receiver:",
              "Education Level of receiver:",
              "Receiver's nationality:",
              "F35",
              "M29",
              "Please state if you are NOT a native speaker of English. In that case please state "
              "native/first language.",
              "*** Don't worry if you haven't got time to anonymise. We will anonymise all texts.",
              "Education Level codes: U = university graduate; HS = High School Diploma or "
              "equivalent; G = general education (to approximately 14 or 16 years of age).",
              "phone type/predictive ",
              "Thank you for your participation!"}) {
            QVERIFY2(texts.contains(text), text);
        }
        QCOMPARE(texts.count("OR"), 2);
        QCOMPARE(texts.count("U"), 2);
        QCOMPARE(texts.count("UK"), 2);
        QVERIFY(label_with_text(w.get(), "Please separate with TAB if possible.")->font().italic());
        QLabel* thanks = label_with_text(w.get(), "Thank you for your participation!");
        QVERIFY(thanks->font().italic() && thanks->font().bold());
        QCOMPARE(thanks->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        auto* address = w->findChild<QLabel*>("Label7");
        QVERIFY(address);
        QCOMPARE(address->text(), QString(kEmailAddress));
        QCOMPARE(address->font().pointSizeF(), 13.5);
        QVERIFY(address->font().bold());
        // The window has no button that closes it.
        QVERIFY(!w->findChild<QPushButton*>("cmdOK"));
        QCOMPARE(w->findChildren<QPushButton*>().size(), 1);
    }
    {
        std::unique_ptr<QWidget> w(createProgressWindow());
        const QList<QLabel*> labels = w->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0]->text(), QString("Calculating....please wait......"));
        QCOMPARE(labels[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(labels[0]->font().pointSizeF(), 13.5);
        QVERIFY(labels[0]->font().bold());
        QVERIFY(w->findChildren<QPushButton*>().isEmpty());
    }
}

void InfoWindowsTest::layoutsFit() {
    for (const WindowCase& c : fixed_windows()) {
        std::unique_ptr<QWidget> w(c.create());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        check_layout(w.get());
        if (QTest::currentTestFailed()) return;
        save_picture(w.get());
    }
    // The help window with its education note showing.
    std::unique_ptr<QWidget> help(createHelpWindow({}));
    help->show();
    QTest::mouseClick(help->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(help->findChild<QLabel*>("Label22")->isVisible());
    check_layout(help.get());
    save_picture(help.get(), "-note");
}

void InfoWindowsTest::okButtonsCloseAndDiscard() {
    for (const WindowCase& c : fixed_windows()) {
        QPointer<QWidget> w = c.create();
        auto* ok = w->findChild<QPushButton*>("cmdOK");
        if (!ok) continue; // Donate and Progress are closed by other means
        w->show();
        QVERIFY(w->isVisible());
        QTest::mouseClick(ok, Qt::LeftButton);
        flush_deletes();
        QVERIFY2(w.isNull(), c.objectName);
    }
    // Closing by the window frame discards a window without a button just the same.
    QPointer<QWidget> donate = createDonateWindow({});
    donate->show();
    donate->close();
    flush_deletes();
    QVERIFY(donate.isNull());
}

void InfoWindowsTest::helpNoteTogglesAndOpensMoreHelp() {
    QPointer<QWidget> moreHelp;
    int requests = 0;
    QPointer<QWidget> help = createHelpWindow([&] {
        ++requests;
        if (!moreHelp) moreHelp = createMoreHelpWindow();
        moreHelp->show();
    });
    help->show();
    auto* note = help->findChild<QLabel*>("Label22");
    auto* button = help->findChild<QPushButton*>("Command1");
    QVERIFY(note->isHidden());

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(note->isVisible());
    QCOMPARE(button->text(), QString("HIDE"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(note->isHidden());
    QCOMPARE(button->text(), QString("NOTE"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(note->isVisible());
    QCOMPARE(button->text(), QString("HIDE"));

    // "A note on Clusters and Punctuation" asks for More Help; closing Help
    // afterwards leaves More Help open.
    QTest::mouseClick(help->findChild<QPushButton*>("cmdClusters"), Qt::LeftButton);
    QCOMPARE(requests, 1);
    QVERIFY(moreHelp && moreHelp->isVisible());
    help->close();
    flush_deletes();
    QVERIFY(help.isNull());
    QVERIFY(moreHelp && moreHelp->isVisible());
    moreHelp->close();
    flush_deletes();
    QVERIFY(moreHelp.isNull());

    // A fresh Help window starts with the note hidden again.
    std::unique_ptr<QWidget> again(createHelpWindow({}));
    QVERIFY(again->findChild<QLabel*>("Label22")->isHidden());
    QCOMPARE(again->findChild<QPushButton*>("Command1")->text(), QString("NOTE:"));
    // Without a callback the button does nothing harmful.
    QTest::mouseClick(again->findChild<QPushButton*>("cmdClusters"), Qt::LeftButton);
}

void InfoWindowsTest::donateAddressAndWebsite() {
    int uploads = 0;
    QPointer<QWidget> w = createDonateWindow([&] { ++uploads; });
    w->show();
    auto* address = w->findChild<QLabel*>("Label7");
    QCOMPARE(address->palette().color(QPalette::WindowText), QColor(0, 0, 0));

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("something else");
    QTest::mouseClick(address, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QString(kEmailAddress));
    QCOMPARE(address->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseClick(address, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QString(kEmailAddress));
    QCOMPARE(address->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    // Only the text itself: no rich text or other formats alongside.
    QCOMPARE(clipboard->mimeData()->formats(), QStringList{"text/plain"});

    auto* browse = w->findChild<QPushButton*>("cmdBrowse");
    QCOMPARE(browse->text(), "Click to go to " + QString(kSiteHost) + " website");
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(uploads, 1);

    // A reopened window starts with the address black again.
    w->close();
    flush_deletes();
    QVERIFY(w.isNull());
    std::unique_ptr<QWidget> again(createDonateWindow({}));
    QCOMPARE(again->findChild<QLabel*>("Label7")->palette().color(QPalette::WindowText),
             QColor(0, 0, 0));
}

void InfoWindowsTest::progressWindowStaysOnTop() {
    std::unique_ptr<QWidget> w(createProgressWindow());
    QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w->windowFlags().testFlag(Qt::Window));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(w->size(), QSize(tw(5880), tw(2490)));
}

void InfoWindowsTest::uploadPage() {
    // The page's address: secure, on the site's host, at the upload path.
    const QUrl url(uploadUrl());
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QString("https"));
    QCOMPARE(url.host(), QString(kSiteHost));
    QCOMPARE(url.path(), QString("/uploadyourtexts"));
    QVERIFY(url.query().isEmpty() && url.fragment().isEmpty() && url.port() == -1);

    // The module with the browser is built into the module folder. (It is not
    // loaded here: that would start the browser engine.)
    const QString moduleDir = qEnvironmentVariable("ZAPT_MODULE_DIR");
    QVERIFY2(!moduleDir.isEmpty(), "ZAPT_MODULE_DIR is not set");
    QVERIFY(QFileInfo::exists(QDir(moduleDir).filePath("libzapt_upload.so")));

    // Without the module there is no upload page, and no crash.
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    qputenv("ZAPT_MODULE_DIR", empty.path().toUtf8());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^The upload page is unavailable: .*"));
    QVERIFY(!createUploadWindow());
    qputenv("ZAPT_MODULE_DIR", moduleDir.toUtf8());
}

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
