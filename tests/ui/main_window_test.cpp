// The main window: every control with its name, caption, tool tip and colours;
// nothing cut off; events reaching the main window's state and the widgets showing its
// state; the secondary windows opened once and raised.
#include "app/corpus_source.h"
#include "ui/list_box.h"
#include "ui/main_window.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>
#include <type_traits>
#include <utility>

using namespace zapt::ui;

// The windows reach the state only read-only: every change is an operation
// of the main window's state, so none of them can write a caption or a list behind its back.
static_assert(
    std::is_const_v<std::remove_reference_t<decltype(std::declval<MainWindow&>().state())>>);
static_assert(
    std::is_const_v<
        std::remove_reference_t<decltype(std::declval<const zapt::MainWindowState&>().form1())>>);
static_assert(std::is_const_v<
              std::remove_reference_t<decltype(std::declval<zapt::MainWindowState&>().form1())>>);

namespace {

// One control as the window must show it. Empty strings are not checked, except
// for the caption, which must match exactly ("" for an empty caption). Colours
// are "#rrggbb"; "-" skips the colour.
struct ControlCase {
    const char* name;
    const char* caption;
    const char* toolTip;
    const char* foreground;
    const char* background;
};

const ControlCase kControls[] = {
    // Column 1: Step 1.
    {"Label3", "Step 1:", "", "#000000", "-"},
    {"Label2", "GROUP DATA", "", "#0000ff", "-"},
    {"Label1",
     "Select your grouping from the permutations below and click the 'Get Group Data' button at "
     "the bottom.",
     "", "-", "#c0ffff"},
    {"optUnder18", "<18", "", "-", "#c0ffff"},
    {"Opt18To25", "18 to 25", "", "-", "#c0ffff"},
    {"opt26To40", "26 to 40", "", "-", "#c0ffff"},
    {"opt41To60", "41 to 60", "", "-", "#c0ffff"},
    {"opt61Plus", "61+", "", "-", "#c0ffff"},
    {"optFemale", "Female", "", "-", "#c0ffff"},
    {"optMale", "Male", "", "-", "#c0ffff"},
    {"cmdAgeAndGender", "Get Group Data", "", "-", "#c0ffff"},
    {"Command1", "How to donate Texts", "", "-", "#ff0000"},
    {"cmdAbout", "About", "", "-", "-"},
    {"cmdHelp", "Help", "", "-", "-"},
    {"cmdStrange", "Strange but true...!", "", "-", "-"},
    // Column 2: group averages.
    {"Label18", "Group averages/totals:", "", "-", "-"},
    {"Label41", "No. of texts in Group", "", "-", "-"},
    {"Label42", "Av. text length in Group", "", "-", "-"},
    {"Label44", "Av. no. of characters per text in Group", "", "-", "-"},
    {"Label45", "Av. word cluster in Group", "", "-", "-"},
    {"Label46", "Av. punctuation density in Group", "", "-", "-"},
    {"Label48", "Av. Non-Standard Density", "", "-", "-"},
    {"NumOfGroupTexts", "0", "Total no. of texts for group", "-", "#ffffff"},
    {"GroupAvTextLength", "0", "Average text length for group", "-", "#ffffff"},
    {"GroupAvNumOfCharacters", "0", "Average number of characters per text for group", "-",
     "#ffffff"},
    {"GroupAvWordClusterLength", "0", "Average word/cluster length for this group", "-", "#ffffff"},
    {"GroupAvPuncDensity", "0", "Average punctuation density for this  group", "-", "#ffffff"},
    {"GroupNonStandardFormsDensity", "0", "Average non-standard density for group", "-", "#ffffff"},
    // Column 2: Step 2.
    {"Label4", "Step 2:", "", "-", "-"},
    {"Label5", "INDIVIDUAL DATA", "", "#ff0000", "-"},
    {"Label6",
     "Click on an author code in the yellow list. Then click on the 'Get Author Data' button .", "",
     "-", "#ffc0c0"},
    {"AgeTable", "", "Author Code", "-", "#ffffc0"},
    {"lstEducation", "",
     "Education Level: 'G' = Middle School/GCSE certificate; HS = High School Diploma/'A "
     "Level'/Bacc; U = University Graduate",
     "-", "#ffc0ff"},
    {"Label17", "Total Number of Texts:", "", "-", "#ffc0c0"},
    {"lblTextTotal", "0", "", "-", "#ffc0c0"},
    {"Label8", "Av. Text Length (words):", "Example of a cluster: toldu2go", "-", "#ffc0c0"},
    {"lblAvTextLength", "0",
     "A cluster is any string unbroken by spaces, can include punctuation marks", "-", "#ffc0c0"},
    {"Label13", "Av. Text Length (No. of chars):", "", "-", "#ffc0c0"},
    {"lblNumOfCharacters", "0", "", "-", "#ffc0c0"},
    {"Label12", "Average word/cluster length:", "Example of a cluster: toldu2go", "-", "#ffc0c0"},
    {"lblAvWordClusterLength", "0", "", "-", "#ffc0c0"},
    {"Label9", "Punctuation Density:", "", "-", "#ffc0c0"},
    {"lblPuncDensity", "0", "Total number of punctuation marks/number of characters", "-",
     "#ffc0c0"},
    {"Label14", "Non-standard form density:",
     "No. of non standard forms used/total number of words in texts:", "-", "#ffc0c0"},
    {"lblNonStandardFormDensity", "0",
     "Number of non-standard uses / total number of words or clusters", "-", "#ffc0c0"},
    {"Label16", "Word Total for this author:", "", "-", "#ffc0c0"},
    {"lblTotWords", "0", "", "-", "#ffc0c0"},
    {"cmdAuthorData", "Get Author Data", "", "-", "#ffc0c0"},
    {"cmdGetCorpusData", "Get Overall Corpus Data", "", "-", "-"},
    // Column 3.
    {"Label7", "NON-STANDARD FORMS", "", "-", "-"},
    {"Label11",
     "The author has used the non-standard forms seen in the white-coloured list below. Click on "
     "any item in the list for an interpretation:",
     "", "-", "-"},
    {"lstNonStandards", "", "", "-", "#c0ffff"},
    {"Label10", "Form:", "", "-", "-"},
    {"lblForm", "", "", "-", "-"},
    {"Label15", "Interpretation:", "", "-", "-"},
    {"lblInterpretation", "", "", "-", "-"},
    {"Label21", "Number of Instances of selected word in corpus:", "", "-", "-"},
    {"lblInstancesOfSearchWord", "0", "", "-", "-"},
    {"Label19", "Number of Words in Corpus:", "", "-", "-"},
    {"lblWordTotal", "0", "", "-", "-"},
    {"Label20", "Non-standard forms in corpus:", "", "-", "-"},
    {"lstNonStandardForms", "", "", "-", "#e0e0e0"},
    {"Label22", "Number of Instances of selected word in corpus:", "", "-", "-"},
    {"lblCorpusTotal", "0", "", "-", "-"},
    {"cmdColls", "Select item from list and search for collocations (unsorted)", "", "-", "-"},
    {"txtSearch", "4get", "", "-", "#c0ffc0"},
    {"cmdSearchGroup", "Search Group", "", "-", "-"},
    {"cmdSearch", "Search Corpus", "", "-", "-"},
    {"Label25", "No. of instances in group:", "", "-", "-"},
    {"lblInstInGroup", "0", "", "-", "-"},
    {"Label23", "No. of instances in corpus:", "", "-", "-"},
    {"lblInstInCorpus", "0", "", "-", "-"},
    {"optStops", "Stops", "Stops", "-", "-"},
    {"optCommas", "Commas", "Commas", "-", "-"},
    {"optQM", "?", "Question Marks", "-", "-"},
    {"optExc", "!", "Exclamation Marks", "-", "-"},
    {"optSlash", "/", "Slashes", "-", "-"},
    {"optBrackets", "( )", "Brackets", "-", "-"},
    {"optSemiColon", ";", "Semi-colons", "-", "-"},
    {"optColon", ":", "Colons", "-", "-"},
    {"optSpacePlusStop", "#.", "Space + Stop", "-", "-"},
    {"optSpacePlusComma", "#,", "Space + Comma", "-", "-"},
    {"cmdPuncCount", "Count", "", "-", "-"},
    {"lblPuncCount", "0", "", "-", "-"},
    // Column 4.
    {"Label24", "WORDS AND CONTRACTIONS COMMONLY USED NON-STANDARDLY", "", "-", "-"},
    {"Label33", "", "", "-", "#ff0000"},
    {"Label34", "Group", "", "-", "-"},
    {"Label35", "", "", "-", "#0000ff"},
    {"Label36", "Corpus", "", "-", "-"},
    {"Label38", "", "", "-", "#000000"},
    {"Label39", "Individ.", "", "-", "-"},
    {"Label29",
     "Some results will not be case-sensitive. Also, caution regarding polysemy for some items is "
     "advised.",
     "", "-", "-"},
    {"Label30", "No. of Texts in Group:", "", "-", "-"},
    {"lblNumOfGroupTexts2", "0", "Total no. of texts for group", "-", "#ffffff"},
    {"Label37", "No. of Texts in Corpus:", "", "-", "-"},
    {"lblNumOfCorpusTexts", "977", "Total no. of texts for group", "-", "#ffffff"},
    {"Label67", "PUNCTUATION", "", "#ff0000", "-"},
    {"Label40", " Note: the % sign indicates text separation between two texts", "", "#0000ff",
     "-"},
    {"lstClusterPunc", "", "The \"%\" sign means 'text separator'.", "#ff0000", "-"},
    {"cmdClusterPunctuation", "Punctuation", "", "-", "-"},
};

// The families: heading label, caption, list and stem.
const struct {
    const char* label;
    const char* caption;
    const char* list;
    const char* stem;
} kFamilies[] = {
    {"Label26", "You", "lstUForms", "You"},
    {"Label28", "I'm, I'll, I'd, I've", "lstIForms", "I"},
    {"Label68", "Forms of 'back'", "lstBack", "Back"},
    {"Label31", "We, we're, we'd, we'll, we've", "LstWeForms", "We"},
    {"Label32", "What, what's", "lstWhat", "What"},
    {"Label43", "Who, who's, etc.", "lstWho", "Who"},
    {"Label92", "Be, been, etc.", "lstBeen", "Been"},
    {"Label47", "How, how's, etc.", "lstHow", "How"},
    {"Label63", "'Text' and var'ns.", "lstText", "Text"},
    {"Label57", "Tomorrow, etc", "lstTomorrow", "Tomorrow"},
    {"Label53", "Have, etc", "lstHave", "Have"},
    {"Label56", "The word 'the'", "lstThe", "The"},
    {"Label87", "'Th' Words", "lstThWords", "ThWords"},
    {"Label77", "Today, etc", "lstToday", "Today"},
    {"Label75", "Forms of 'is'", "lstIs", "Is"},
    {"Label76", "Okay", "lstOkay", "Okay"},
};

QString caption_of(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    return {};
}

QString colour_of(QWidget* w, bool foreground) {
    const QPalette& p = w->palette();
    bool box = qobject_cast<QListWidget*>(w) || qobject_cast<QLineEdit*>(w);
    if (foreground) {
        return p
            .color(box                                 ? QPalette::Text
                   : qobject_cast<QAbstractButton*>(w) ? QPalette::ButtonText
                                                       : QPalette::WindowText)
            .name();
    }
    return p
        .color(box                             ? QPalette::Base
               : qobject_cast<QPushButton*>(w) ? QPalette::Button
                                               : QPalette::Window)
        .name();
}

QStringList items_of(QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    const zapt::DataSet data = zapt::load_builtin_data();

    template <class T = QWidget> T* control(const char* name) {
        T* w = window->findChild<T*>(name);
        if (!w) qWarning("no control %s", name);
        return w;
    }

private slots:
    void init() {
        window = std::make_unique<MainWindow>(corpus_of(data));
        window->messageHandler = [](const QString&) {};
        window->show();
    }
    void cleanup() { window.reset(); }

    void windowHasItsCaptionAndSize() {
        QCOMPARE(window->objectName(), QString("Form1"));
        QCOMPARE(window->windowTitle(), QString("ZAPT...The Mobile Phone Text Corpus"));
        QCOMPARE(window->width(), 1110);
        // The specified client area, then the strip of the buttons that reach beyond it.
        QCOMPARE(window->height(), 594 + 32);
    }

    void everyControlHasItsNameCaptionToolTipAndColours() {
        for (const ControlCase& c : kControls) {
            QWidget* w = control(c.name);
            QVERIFY2(w, c.name);
            if (!qobject_cast<QListWidget*>(w))
                QCOMPARE(caption_of(w), QString::fromUtf8(c.caption));
            if (*c.toolTip) QCOMPARE(w->toolTip(), QString::fromUtf8(c.toolTip));
            if (std::string(c.foreground) != "-")
                QCOMPARE(colour_of(w, true), QString(c.foreground));
            if (std::string(c.background) != "-")
                QCOMPARE(colour_of(w, false), QString(c.background));
        }
        for (const auto& f : kFamilies) {
            QCOMPARE(caption_of(control(f.label)), QString(f.caption));
            QVERIFY(control<QListWidget>(f.list));
            const struct {
                const char* suffix;
                const char* tip;
                const char* colour;
            } results[] = {{"Individual", "Individual Results", "#000000"},
                           {"InGroup", "Results in Group", "#ff0000"},
                           {"InCorpus", "Results in Corpus", "#0000ff"}};
            for (const auto& r : results) {
                QByteArray name = QByteArray("lbl") + f.stem + r.suffix;
                QWidget* l = control(name.constData());
                QVERIFY2(l, name.constData());
                QCOMPARE(caption_of(l), QString("0"));
                QCOMPARE(l->toolTip(), QString(r.tip));
                QCOMPARE(colour_of(l, true), QString(r.colour));
            }
        }
        // Fonts: the dialog font, headings at 9.75 point bold.
        for (const char* name : {"Label3", "Label2", "Label4", "Label5", "Label18", "Label7"}) {
            QLabel* l = control<QLabel>(name);
            QCOMPARE(l->font().pointSizeF(), 9.75);
            QVERIFY(l->font().bold());
        }
        QCOMPARE(control("Label41")->font().pointSizeF(), 8.25);
        QVERIFY(control("cmdAgeAndGender")->font().bold());
        QVERIFY(control("cmdAuthorData")->font().bold());
        QVERIFY(control("Command1")->font().bold());
    }

    void startsInItsInitialState() {
        QVERIFY(control<QRadioButton>("optUnder18")->isChecked());
        QVERIFY(control<QRadioButton>("optFemale")->isChecked());
        QVERIFY(control<QRadioButton>("optStops")->isChecked());
        QVERIFY(!control("cmdAuthorData")->isEnabled());
        QVERIFY(!control("cmdSearch")->isEnabled());
        QVERIFY(!control("cmdSearchGroup")->isEnabled());
        QCOMPARE(control<QListWidget>("AgeTable")->count(), 0);
        QCOMPARE(control<QListWidget>("lstNonStandardForms")->count(), 743);
        QCOMPARE(control<QListWidget>("lstThWords")->count(), 43);
        QCOMPARE(control<QListWidget>("lstBack")->item(2)->text(), QString("bk"));
        // The work lists are state, not widgets.
        for (const char* name : {"GenderTable", "lstGroupTexts", "txtTexts", "lblGoingGroup",
                                 "lstAuthorName", "lstNonStandardInterpretations"}) {
            QVERIFY2(!window->findChild<QWidget*>(name), name);
        }
    }

    void nothingIsCutOffOrOverlapping() {
        // The widest values the result labels show.
        control<QLabel>("lblAvWordClusterLength")->setText("4.50530035335689");
        control<QLabel>("lblTotWords")->setText("32767");
        control<QLabel>("lblWordTotal")->setText("148000");
        const QRect client(QPoint(0, 0), window->size());
        std::vector<QWidget*> placed;
        QStringList problems;
        for (QWidget* c : window->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty() || c->objectName().startsWith("qt_")) continue;
            const QRect inWindow(c->mapTo(window.get(), QPoint(0, 0)), c->size());
            if (!client.contains(inWindow))
                problems << c->objectName() + " lies outside the window";
            if (auto* l = qobject_cast<QLabel*>(c)) {
                bool fits = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                          : l->sizeHint().width() <= l->width() + 2;
                if (!fits) {
                    problems << QString("%1 cuts off its caption (%2x%3 needs %4x%5)")
                                    .arg(c->objectName())
                                    .arg(l->width())
                                    .arg(l->height())
                                    .arg(l->sizeHint().width())
                                    .arg(l->wordWrap() ? l->heightForWidth(l->width())
                                                       : l->sizeHint().height());
                }
            }
            if (auto* b = qobject_cast<QPushButton*>(c); b && !qobject_cast<WrapButton*>(b)) {
                if (b->fontMetrics().horizontalAdvance(b->text()) + 8 > b->width()) {
                    problems << QString("%1's caption does not fit (%2 < %3)")
                                    .arg(c->objectName())
                                    .arg(b->width())
                                    .arg(b->fontMetrics().horizontalAdvance(b->text()) + 8);
                }
            }
            if (auto* o = qobject_cast<QRadioButton*>(c); o && o->sizeHint().width() > o->width()) {
                problems << QString("%1 cuts off its caption (%2 < %3)")
                                .arg(c->objectName())
                                .arg(o->width())
                                .arg(o->sizeHint().width());
            }
            if (c->parentWidget() == window.get() && !c->objectName().startsWith("Shape") &&
                (qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c) ||
                 qobject_cast<QListWidget*>(c))) {
                placed.push_back(c);
            }
        }
        for (std::size_t i = 0; i < placed.size(); ++i) {
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                if (placed[i]->geometry().intersects(placed[j]->geometry())) {
                    problems << placed[i]->objectName() + " overlaps " + placed[j]->objectName();
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }

    // The areas the controls belong to: the author's forms inside x 6960-9975,
    // the corpus forms stacked top to bottom, the plain heading of the families,
    // and every list showing whole rows only.
    void controlsStandInTheirAreasAndListsShowWholeRows() {
        QVERIFY(!control<QLabel>("Label24")->font().bold());
        for (const char* name : {"Label7", "Label11", "lstNonStandards", "Label10", "lblForm",
                                 "Label15", "lblInterpretation", "Label21", "Label19"}) {
            const QRect g = control<QWidget>(name)->geometry();
            QVERIFY2(g.left() >= tw(6960) && g.right() < tw(9975) + 1, name);
            QVERIFY2(g.top() >= tw(240) && g.bottom() < tw(3600), name);
        }
        const QRect forms = control<QWidget>("lstNonStandardForms")->geometry();
        for (const char* name : {"Label22", "lblCorpusTotal", "cmdColls"}) {
            const QRect g = control<QWidget>(name)->geometry();
            QVERIFY2(g.top() >= forms.bottom(), name);
            QVERIFY2(g.bottom() < tw(6075), name);
        }
        int lists = 0;
        for (auto* list : window->findChildren<ListBox*>()) {
            ++lists;
            const int oneRow = list->heightForRows(1) - list->heightForRows(0);
            QVERIFY(oneRow > 8);
            const int inside = list->height() - 2 * list->frameWidth();
            QVERIFY2(inside % oneRow == 0 && inside / oneRow >= 3,
                     qPrintable(list->objectName() + QString(" shows %1 rows of %2 px in %3 px")
                                                         .arg(double(inside) / oneRow)
                                                         .arg(oneRow)
                                                         .arg(inside)));
        }
        QCOMPARE(lists, 21);
    }

    void eventsReachTheExplorerAndTheWidgetsShowItsState() {
        control<QRadioButton>("opt41To60")->click();
        control<QPushButton>("cmdAgeAndGender")->click();
        auto* ageTable = control<ListBox>("AgeTable");
        QCOMPARE(ageTable->count(), 10);
        QCOMPARE(items_of(ageTable), [&] {
            QStringList codes;
            for (const auto& c : window->state().form1().AgeTable.items)
                codes << QString::fromStdString(c);
            return codes;
        }());
        QCOMPARE(control<QLabel>("NumOfGroupTexts")->text(), QString("234"));
        QCOMPARE(control<QLabel>("lblNumOfGroupTexts2")->text(), QString("234"));
        QVERIFY(control("cmdSearch")->isEnabled());
        QCOMPARE(ageTable->currentRow(), 9); // the last author of the run stays selected

        // The group's run leaves the focus on the code list.
        QCOMPARE(window->focusWidget(), ageTable);

        QVERIFY(ageTable->userSelect(0));
        QCOMPARE(control<QListWidget>("lstEducation")->currentRow(), 0);
        QVERIFY(control("cmdAuthorData")->isEnabled());
        control<QPushButton>("cmdAuthorData")->click();
        const auto& f = window->state().form1();
        QCOMPARE(control<QLabel>("lblTotWords")->text(), QString::fromStdString(f.lblTotWords));
        QVERIFY(f.lblTotWords != "0");
        QCOMPARE(control<QListWidget>("lstNonStandards")->count(), f.lstNonStandards.count());
        // A use of the author's: its interpretation, and the focus on the list.
        control<QPushButton>("cmdAuthorData")->setFocus();
        QVERIFY(control<ListBox>("lstNonStandards")->userSelect(0));
        QCOMPARE(window->focusWidget(), control("lstNonStandards"));
        QCOMPARE(control<QLabel>("lblForm")->text(),
                 QString::fromStdString(f.lstNonStandards.items[0]));

        // A variant: its three labels.
        control<ListBox>("lstUForms")->userSelect(1);
        QCOMPARE(control<QLabel>("lblYouInCorpus")->text(),
                 QString::fromStdString(f.families[15].InCorpus));
        QVERIFY(control<QLabel>("lblYouInCorpus")->text().toInt() > 0);

        // Enter in the search box runs both searches.
        auto* search = control<QLineEdit>("txtSearch");
        search->setText("tea");
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(control<QLabel>("lblWordTotal")->text(), QString("14800"));
        QVERIFY(control<QLabel>("lblInstInCorpus")->text().toInt() > 0);
        // Text a user types that the corpus cannot hold counts 0 and harms nothing.
        search->setText(QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD"));
        QTest::keyClick(search, Qt::Key_Enter);
        QCOMPARE(control<QLabel>("lblInstInCorpus")->text(), QString("0"));
        QCOMPARE(search->text(), QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD"));

        // A glossary form, its collocations window.
        control<ListBox>("lstNonStandardForms")->userSelect(10); // "4"
        QVERIFY(control<QLabel>("lblCorpusTotal")->text().toInt() > 0);
        control<QPushButton>("cmdColls")->click();
        QWidget* colls = window->windows().find(WindowId::Collocations);
        QVERIFY(colls);
        QCOMPARE(colls->findChild<QLabel*>("Label2")->text(), QString("4"));
        QVERIFY(!colls->findChild<QPlainTextEdit*>("Text1")->toPlainText().isEmpty());
    }

    void secondaryWindowsOpenOnceAndAreRaised() {
        for (const char* button :
             {"cmdAbout", "cmdHelp", "cmdStrange", "Command1", "cmdGetCorpusData"}) {
            control<QPushButton>(button)->click();
        }
        for (WindowId id : {WindowId::About, WindowId::Help, WindowId::Facts, WindowId::Donate,
                            WindowId::CorpusData}) {
            QWidget* w = window->windows().find(id);
            QVERIFY2(w, window_name(id));
            QCOMPARE(w->objectName(), QString(window_name(id)));
        }
        QWidget* about = window->windows().find(WindowId::About);
        control<QPushButton>("cmdAbout")->click();
        QCOMPARE(window->windows().find(WindowId::About),
                 about); // the same window, not a second one

        // The corpus data window counts afresh on every click.
        QWidget* form4 = window->windows().find(WindowId::CorpusData);
        form4->findChild<QPushButton*>("cmdAges")->click();
        form4->findChild<QPushButton*>("cmdAges")->click();
        form4->findChild<QPushButton*>("cmdGender")->click();
        int ages = 0;
        for (const char* l : {"lblUnder18s", "lbl18To25", "lbl25To40", "lbl41To60", "lbl61Plus"}) {
            ages += form4->findChild<QLabel*>(l)->text().toInt();
        }
        QCOMPARE(ages, 53);
        QCOMPARE(form4->findChild<QLabel*>("lblMale")->text(), QString("20"));
        QCOMPARE(form4->findChild<QLabel*>("lblFemale")->text(), QString("33"));
        // Closed, it is discarded and opens afresh at zero.
        form4->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window->windows().find(WindowId::CorpusData));
        control<QPushButton>("cmdGetCorpusData")->click();
        QCOMPARE(
            window->windows().find(WindowId::CorpusData)->findChild<QLabel*>("lblMale")->text(),
            QString("0"));
    }

    void windowsBehaveAsOnADesktop() {
        // Closed and asked for again before the closed window is gone (both
        // in one turn of the event loop, as a quick user does it): a fresh
        // window opens, and stays.
        control<QPushButton>("cmdGetCorpusData")->click();
        QWidget* form4 = window->windows().find(WindowId::CorpusData);
        QVERIFY(form4);
        form4->findChild<QPushButton*>("cmdGender")->click();
        QVERIFY(form4->findChild<QLabel*>("lblMale")->text() != "0");
        form4->close();
        control<QPushButton>("cmdGetCorpusData")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget* again = window->windows().find(WindowId::CorpusData);
        QVERIFY(again);
        QVERIFY(again->isVisible());
        QCOMPARE(again->findChild<QLabel*>("lblMale")->text(), QString("0"));
        again->findChild<QPushButton*>("cmdGender")->click();
        QVERIFY(again->findChild<QLabel*>("lblMale")->text() != "0");

        // A minimised window comes back restored when it is asked for again.
        control<QPushButton>("cmdCompareGroups")->click();
        QWidget* compare = window->windows().find(WindowId::Compare);
        QVERIFY(compare);
        compare->setWindowState(compare->windowState() | Qt::WindowMinimized);
        control<QPushButton>("cmdCompareGroups")->click();
        QCOMPARE(window->windows().find(WindowId::Compare), compare);
        QVERIFY(!(compare->windowState() & Qt::WindowMinimized));
        QVERIFY(compare->isVisible());

        // Escape closes each secondary window; Enter presses the one "OK".
        const struct {
            const char* button;
            WindowId id;
        } opened[] = {{"cmdAbout", WindowId::About},
                      {"cmdHelp", WindowId::Help},
                      {"cmdStrange", WindowId::Facts},
                      {"Command1", WindowId::Donate},
                      {"cmdGetCorpusData", WindowId::CorpusData},
                      {"cmdCompareGroups", WindowId::Compare}};
        for (const auto& o : opened) {
            control<QPushButton>(o.button)->click();
            QWidget* w = window->windows().find(o.id);
            QVERIFY2(w, o.button);
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY2(!window->windows().find(o.id), o.button);
        }
        for (const auto& o : {opened[0], opened[2]}) {
            const char* button = o.button;
            control<QPushButton>(button)->click();
            QWidget* w = window->windows().find(o.id);
            QVERIFY(w);
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTest::keyClick(w, Qt::Key_Return);
            QVERIFY2(!w->isVisible(), button);
        }
    }

    void groupAveragesShowTheProgressWindowAndRestoreTheWidth() {
        control<QPushButton>("cmdAgeAndGender")->click();
        QCOMPARE(window->width(), 1110);
        // The progress window was closed again.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "Form10") QVERIFY(!w->isVisible());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
