#include "ui/explore_window.h"

#include "ui/result_table_view.h"
#include "ui/table_actions.h"
#include "ui/text_convert.h"
#include "ui/widgets.h"
#include "ui/window_manager.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <map>

namespace zapt::ui {

// What an Explore window offers from outside: running an event on its state.
class ExploreEntry : public QObject {
    Q_OBJECT

public:
    explicit ExploreEntry(QObject* parent) : QObject(parent) {}
    std::function<void(const std::function<void(ExploreForm&)>&)> run;
};

namespace {

using Tab = ExploreForm::Tab;
using Choice = ExploreForm::EmoticonChoice;

template <class T> T* named(T* w, const char* name, const QString& tip = QString()) {
    w->setObjectName(name);
    if (!tip.isEmpty()) w->setToolTip(tip);
    return w;
}

QLabel* status_label(QWidget* parent, const char* name) {
    auto* l = named(new QLabel(parent), name);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// A caption before a control, which Alt+letter of its & reaches.
QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

// Runs `action` when Enter or Return is pressed in a spin box, after the
// value typed in has been taken (a spin box has no returnPressed of its own).
class EnterRuns : public QObject {
public:
    EnterRuns(QAbstractSpinBox* box, std::function<void()> action)
        : QObject(box), box_(box), action_(std::move(action)) {
        box->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == box_ && e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                box_->interpretText();
                action_();
                return true;
            }
        }
        return false;
    }

private:
    QAbstractSpinBox* box_;
    std::function<void()> action_;
};

// Greys a stale table out (its rows stay readable, sortable and copyable).
void mark_stale(ResultTableView* view, bool stale) {
    if (view->property("stale").toBool() == stale && view->property("stale").isValid()) return;
    view->setProperty("stale", stale);
    QPalette p = view->palette();
    const QPalette normal = QApplication::palette(view);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Text,
                   stale ? normal.color(QPalette::Disabled, QPalette::Text)
                         : normal.color(g, QPalette::Text));
    }
    view->setPalette(p);
}

// Fills a list of subcorpora (and, for the keywords' B side, "rest of the
// corpus" and the reference corpus) with the state's names, keeping the
// choice `selected`.
void fill_choices(QComboBox* box, const std::vector<Subcorpus>& list, int selected, bool rest,
                  const ReferenceCorpus* reference = nullptr) {
    const QSignalBlocker block(box);
    box->clear();
    for (std::size_t i = 0; i < list.size(); ++i)
        box->addItem(toQ(list[i].name), static_cast<int>(i));
    if (rest) box->addItem("rest of the corpus", ExploreForm::kRestOfCorpus);
    if (reference)
        box->addItem("reference corpus: " + toQ(reference->name), ExploreForm::kReferenceCorpus);
    box->setCurrentIndex(std::max(0, box->findData(selected)));
}

// A spin box of a whole number floor from 0 on.
QSpinBox* floor_box(QWidget* parent, const QString& name, const QString& tip) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setToolTip(tip);
    s->setRange(0, INT_MAX);
    s->setSpecialValueText("none");
    s->setAccelerated(true);
    return s;
}

// How a field of the authors is captioned beside its check box.
QString field_caption(const std::string& name) {
    if (name == "band") return "Age band";
    if (name == "gender") return "Gender";
    if (name == "education") return "Education";
    if (name == "native_language") return "Native language";
    return toQ(name);
}

// The controls of a tab's filters: count floor, numbers, stop list.
struct FilterControls {
    QSpinBox* minCount;
    QCheckBox* noNumbers;
    QLineEdit* stopList;
    QPushButton* chooseStopList;
    QPushButton* clearStopList;
    QLabel* stopListNote;
};

FilterControls make_filters(QWidget* parent, const QString& prefix, const QString& countTip) {
    FilterControls c;
    c.minCount = floor_box(parent, "spn" + prefix + "MinCount", countTip);
    c.noNumbers = new QCheckBox("No &numbers or placeholders", parent);
    c.noNumbers->setObjectName("chk" + prefix + "NoNumbers");
    c.noNumbers->setToolTip("Leave out numbers (digits only, with at most a currency sign before "
                            "them or % after them: 2, 2024, £5, 50%) and the placeholders of an "
                            "anonymised corpus (<#>, <DECIMAL>, <EMAIL>). 2day and 4u stay.");
    c.stopList = new QLineEdit(parent);
    c.stopList->setObjectName("txt" + prefix + "StopList");
    c.stopList->setPlaceholderText("no stop list");
    c.stopList->setToolTip("A stop list: a UTF-8 text file of forms to leave out, one a line "
                           "(blank lines and lines starting with \"# \" are skipped); forms are "
                           "compared without regard to case. Read when the table is made.");
    c.stopList->setClearButtonEnabled(true);
    c.chooseStopList = make_layout_button(parent, "", "File...", "Choose the stop list's file");
    c.chooseStopList->setObjectName("cmd" + prefix + "StopListFile");
    c.clearStopList = make_layout_button(parent, "", "No stop list", "Use no stop list");
    c.clearStopList->setObjectName("cmd" + prefix + "ClearStopList");
    c.stopListNote = status_label(parent, "");
    c.stopListNote->setObjectName("lbl" + prefix + "StopList");
    return c;
}

QHBoxLayout* filters_row(const FilterControls& c, QWidget* parent, QWidget* before = nullptr,
                         QWidget* beforeBox = nullptr) {
    auto* row = new QHBoxLayout;
    row->addWidget(caption("Min. &count:", c.minCount, parent));
    row->addWidget(c.minCount);
    if (before) {
        row->addWidget(before);
        row->addWidget(beforeBox);
    }
    row->addWidget(c.noNumbers);
    row->addSpacing(12);
    row->addWidget(caption("&Stop list:", c.stopList, parent));
    row->addWidget(c.stopList, 1);
    row->addWidget(c.chooseStopList);
    row->addWidget(c.clearStopList);
    return row;
}

// The entries of an emoticon list, as a reader checks them.
QString entries_text(const EmoticonList& list) {
    if (list.empty())
        return "No emoticons: every mark is cleaned away as in the cleaned corpus text.";
    QStringList all;
    for (const std::string& e : list.entries()) all << toQ(e);
    return "Read as one piece each (letters in either case, the last character repeated as "
           "in :))) or <333): " +
           all.join("   ");
}

} // namespace

QWidget* createExploreWindow(std::shared_ptr<ExploreForm> form,
                             std::function<ExportHeader(std::string)> header, ExploreLinks links) {
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName("FormExplore");
    w->setWindowTitle("Explore");
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setFont(dialog_font());
    w->resize(1080, 700);
    auto* tabs = named(new QTabWidget(w), "tabExplore");
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(tabs);

    // Subcorpora, and the emoticons every tool reads as pieces of their own.
    auto* subTab = new QWidget(tabs);
    auto* name = named(new QLineEdit(subTab), "txtSubcorpusName", "A name for the subcorpus");
    auto* conditions =
        named(new QLineEdit(subTab), "txtConditions",
              "FIELD=VALUE[,VALUE...], several separated by \";\": OR within a field, AND across "
              "fields, e.g. age=16-25; gender=F");
    conditions->setPlaceholderText("age=16-25; gender=F");
    auto* define = make_layout_button(subTab, "cmdDefine", "Define",
                                      "Add the subcorpus, or replace the one of this name");
    auto* remove =
        make_layout_button(subTab, "cmdDelete", "Delete", "Delete the selected subcorpus");
    auto* fieldsNote = named(new QLabel(subTab), "lblFields");
    fieldsNote->setWordWrap(true);
    auto* subTable = named(new ResultTableView(subTab), "tblSubcorpora");
    auto* subStatus = status_label(subTab, "lblSubcorporaStatus");
    auto* emoticonsBox = named(new QGroupBox("Emoticons", subTab), "fraEmoticons");
    auto* emoticonChoice =
        named(new QComboBox(emoticonsBox), "cboEmoticons",
              "What counts as one emoticon in the word list, the keywords and the concordance (not "
              "in the main window's counts): the built-in list, a file of your own, or none");
    emoticonChoice->addItems({"built-in list", "a file of my own", "none"});
    auto* emoticonsFile = named(new QLineEdit(emoticonsBox), "txtEmoticonsFile",
                                "A UTF-8 text file of emoticons, one a line (blank lines and "
                                "lines starting with \"# \" are skipped); Enter uses it");
    emoticonsFile->setPlaceholderText("a file of emoticons, one a line");
    auto* chooseEmoticons = make_layout_button(emoticonsBox, "cmdEmoticonsFile", "File...",
                                               "Choose a file of emoticons and use it");
    auto* emoticonsStatus = status_label(emoticonsBox, "lblEmoticons");
    auto* emoticonEntries = status_label(emoticonsBox, "lblEmoticonEntries");
    {
        auto* form_ = new QFormLayout;
        form_->addRow("Name:", name);
        auto* row = new QHBoxLayout;
        row->addWidget(conditions, 1);
        row->addWidget(define);
        row->addWidget(remove);
        form_->addRow("Conditions:", row);
        auto* e = new QVBoxLayout(emoticonsBox);
        auto* eRow = new QHBoxLayout;
        eRow->addWidget(caption("&Read as emoticons:", emoticonChoice, emoticonsBox));
        eRow->addWidget(emoticonChoice);
        eRow->addWidget(emoticonsFile, 1);
        eRow->addWidget(chooseEmoticons);
        e->addLayout(eRow);
        e->addWidget(emoticonsStatus);
        e->addWidget(emoticonEntries);
        auto* v = new QVBoxLayout(subTab);
        v->addLayout(form_);
        v->addWidget(fieldsNote);
        v->addWidget(subTable, 1);
        v->addWidget(subStatus);
        v->addWidget(emoticonsBox);
    }
    tabs->addTab(subTab, "Subcorpora");

    // Word list.
    auto* wordTab = new QWidget(tabs);
    auto* wordScope = named(new QComboBox(wordTab), "cboWordScope", "The subcorpus listed");
    auto* byCode = named(new QCheckBox("Author code:", wordTab), "chkByCode",
                         "List the forms of one author code instead");
    auto* code = named(new QLineEdit(wordTab), "txtCode");
    code->setMaximumWidth(100);
    auto* glossaryOnly = named(new QCheckBox("Glossary forms only", wordTab), "chkGlossaryOnly");
    auto* notInDictionary =
        named(new QCheckBox("Not in a standard dictionary", wordTab), "chkNotInDictionary",
              "Forms neither in the British English word list nor among the glossary's "
              "interpretations: non-standard forms nobody has glossed yet");
    auto* pattern = named(new QLineEdit(wordTab), "txtPattern",
                          "A form, a pattern with * (any run of characters) and ? (one "
                          "character), re:EXPR for a regular expression, or several separated "
                          "by blanks for a phrase");
    pattern->setPlaceholderText("e.g. 2*  or  *z  or  re:l[0-9]+r  or  c u");
    auto* list =
        make_layout_button(wordTab, "cmdWordList", "List", "List every form with its counts");
    const FilterControls wordFilters =
        make_filters(wordTab, "Word", "List only the forms counted at least this many times");
    auto* wordMinAuthors = floor_box(wordTab, "spnWordMinAuthors",
                                     "List only the forms used by at least this "
                                     "many authors of the subcorpus");
    auto* wordTable = named(new ResultTableView(wordTab), "tblWordList",
                            "Double-click a row (or press Enter) for the concordance of its form");
    wordTable->setRoundShown(true);
    auto* wordStatus = status_label(wordTab, "lblWordListStatus");
    {
        auto* row1 = new QHBoxLayout;
        row1->addWidget(caption("Subcorpus:", wordScope, wordTab));
        row1->addWidget(wordScope, 1);
        row1->addWidget(byCode);
        row1->addWidget(code);
        auto* row2 = new QHBoxLayout;
        row2->addWidget(caption("Pattern:", pattern, wordTab));
        row2->addWidget(pattern, 1);
        row2->addWidget(glossaryOnly);
        row2->addWidget(notInDictionary);
        row2->addWidget(list);
        auto* v = new QVBoxLayout(wordTab);
        v->addLayout(row1);
        v->addLayout(row2);
        v->addLayout(filters_row(wordFilters, wordTab,
                                 caption("Min. a&uthors:", wordMinAuthors, wordTab),
                                 wordMinAuthors));
        v->addWidget(wordFilters.stopListNote);
        v->addWidget(wordTable, 1);
        v->addWidget(wordStatus);
    }
    // The keyboard goes through the floors in the order they stand.
    QWidget::setTabOrder(wordFilters.minCount, wordMinAuthors);
    QWidget::setTabOrder(wordMinAuthors, wordFilters.noNumbers);
    tabs->addTab(wordTab, "Word list");

    // Keywords.
    auto* keyTab = new QWidget(tabs);
    auto* sideA = named(new QComboBox(keyTab), "cboKeywordsA", "Subcorpus A");
    auto* sideB = named(new QComboBox(keyTab), "cboKeywordsB",
                        "Subcorpus B, the rest of the corpus, or the reference corpus read below");
    auto* minAuthors = named(new QSpinBox(keyTab), "spnMinAuthors",
                             "A form is a keyword of its side only when at least this many "
                             "authors of that side use it");
    minAuthors->setRange(0, 1000);
    auto* findKeywords =
        make_layout_button(keyTab, "cmdKeywords", "Keywords",
                           "Forms used relatively more in A than in B, or in B than in A, "
                           "by log-likelihood");
    const FilterControls keyFilters =
        make_filters(keyTab, "Keywords",
                     "A form is a keyword only when counted at least this many times on its side");
    auto* reference = named(new QLineEdit(keyTab), "txtReference",
                            "A second corpus whose whole is B: a CSV or TSV table, a folder of "
                            "register.json and corpus.jsonl, or built-in for the built-in "
                            "sample. Enter reads it.");
    reference->setPlaceholderText("a table, a folder, or built-in");
    auto* referenceTable = make_layout_button(keyTab, "cmdReferenceTable", "Table...",
                                              "Choose a CSV or TSV table and read it as B");
    auto* referenceFolder = make_layout_button(keyTab, "cmdReferenceFolder", "Folder...",
                                               "Choose a corpus folder and read it as B");
    auto* referenceBuiltin = make_layout_button(keyTab, "cmdReferenceBuiltin", "Built-in sample",
                                                "Read the built-in sample corpus as B");
    auto* referenceBands =
        named(new QLineEdit(keyTab), "txtReferenceBands",
              "The reference corpus's age bands, as --bands reads them (e.g. <18,18-25,26+); "
              "optional: since B is the whole corpus they change no figure, and are named in "
              "the exports");
    referenceBands->setPlaceholderText("optional, e.g. <18,18-25,26+");
    referenceBands->setMinimumWidth(
        referenceBands->fontMetrics().horizontalAdvance(referenceBands->placeholderText()) + 16);
    auto* readReference =
        make_layout_button(keyTab, "cmdReference", "Read", "Read the corpus named in the box as B");
    auto* clearReference = make_layout_button(keyTab, "cmdClearReference", "Forget",
                                              "Forget the reference corpus; B is the rest of "
                                              "the corpus again");
    auto* referenceNote = status_label(keyTab, "lblReference");
    auto* keyTable = named(new ResultTableView(keyTab), "tblKeywords",
                           "Double-click a row (or press Enter) for the concordance of its form "
                           "in A");
    keyTable->setRoundShown(true);
    auto* keyStatus = status_label(keyTab, "lblKeywordsStatus");
    {
        auto* row = new QHBoxLayout;
        row->addWidget(caption("A:", sideA, keyTab));
        row->addWidget(sideA, 1);
        row->addWidget(caption("against B:", sideB, keyTab));
        row->addWidget(sideB, 1);
        row->addWidget(caption("Min. authors:", minAuthors, keyTab));
        row->addWidget(minAuthors);
        row->addWidget(findKeywords);
        auto* refRow = new QHBoxLayout;
        refRow->addWidget(caption("&Reference corpus:", reference, keyTab));
        refRow->addWidget(reference, 1);
        refRow->addWidget(referenceTable);
        refRow->addWidget(referenceFolder);
        refRow->addWidget(referenceBuiltin);
        refRow->addWidget(caption("Age ban&ds:", referenceBands, keyTab));
        refRow->addWidget(referenceBands);
        refRow->addWidget(readReference);
        refRow->addWidget(clearReference);
        auto* v = new QVBoxLayout(keyTab);
        v->addLayout(row);
        v->addLayout(filters_row(keyFilters, keyTab));
        v->addWidget(keyFilters.stopListNote);
        v->addLayout(refRow);
        v->addWidget(referenceNote);
        v->addWidget(keyTable, 1);
        v->addWidget(keyStatus);
    }
    tabs->addTab(keyTab, "Keywords");

    // Concordance.
    auto* concTab = new QWidget(tabs);
    auto* concScope =
        named(new QComboBox(concTab), "cboConcordanceScope", "The subcorpus searched");
    auto* query = named(new QLineEdit(concTab), "txtQuery",
                        "A form, a pattern (* and ?), re:EXPR, or a phrase");
    auto* literal = named(new QCheckBox("E&xact form", concTab), "chkLiteral",
                          "Search the text as written: * and ? are characters, not wildcards "
                          "(a form such as :* or a*)");
    auto* context = named(new QSpinBox(concTab), "spnContext",
                          "Words shown each side of the hit, within its own text; a line "
                          "never shows more than half of its text");
    context->setRange(kMinContext, kMaxContext);
    auto* sort = named(new QComboBox(concTab), "cboSort", "The order of the lines");
    sort->addItems({"corpus order", "by words left", "by words right", "by 1st word left",
                    "by 2nd word left", "by 1st word right", "by 2nd word right"});
    auto* search = make_layout_button(concTab, "cmdConcordance", "Search",
                                      "Show the lines of the form or pattern");
    // The authors' fields shown beside the lines: one check box each.
    auto* fieldsRow = new QWidget(concTab);
    auto* fieldsLayout = new QHBoxLayout(fieldsRow);
    fieldsLayout->setContentsMargins(0, 0, 0, 0);
    fieldsLayout->addWidget(new QLabel("Author columns:", fieldsRow));
    std::map<std::string, QCheckBox*> fieldBoxes;
    for (const std::string& f : form->fieldChoices()) {
        auto* box = new QCheckBox(field_caption(f), fieldsRow);
        box->setObjectName("chkField_" + toQ(f));
        box->setToolTip("Show each line's author's " + field_caption(f).toLower() +
                        " as a column, and tally the hits by it");
        fieldsLayout->addWidget(box);
        fieldBoxes[f] = box;
    }
    fieldsLayout->addStretch(1);
    auto* fieldsArea = new QScrollArea(concTab);
    fieldsArea->setWidget(fieldsRow);
    fieldsArea->setWidgetResizable(true);
    fieldsArea->setFrameShape(QFrame::NoFrame);
    fieldsArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fieldsArea->setFixedHeight(fieldsRow->sizeHint().height() + 4);
    auto* concTable = named(new ResultTableView(concTab), "tblConcordance");
    // The left context stands against the hit, which stands out.
    concTable->setColumnLook("left", {Qt::AlignRight | Qt::AlignVCenter, false});
    concTable->setColumnLook("hit", {Qt::AlignHCenter | Qt::AlignVCenter, true});
    // The right context takes the room left over.
    concTable->horizontalHeader()->setStretchLastSection(true);
    auto* tallyCaption =
        named(new QLabel("Hits by group of the author columns (double-click a row, or press "
                         "Enter, to compare the form across these groups):",
                         concTab),
              "lblTally");
    tallyCaption->setWordWrap(true);
    auto* tallyTable = named(new ResultTableView(concTab), "tblTally",
                             "The hits per group: lines shown, every hit (shown or not), and the "
                             "authors with a hit");
    auto* concStatus = status_label(concTab, "lblConcordanceStatus");
    {
        auto* row = new QHBoxLayout;
        row->addWidget(caption("Subcorpus:", concScope, concTab));
        row->addWidget(concScope, 1);
        row->addWidget(caption("Form or pattern:", query, concTab));
        row->addWidget(query, 1);
        row->addWidget(literal);
        row->addWidget(caption("Context:", context, concTab));
        row->addWidget(context);
        row->addWidget(sort);
        row->addWidget(search);
        auto* split = named(new QSplitter(Qt::Vertical, concTab), "splConcordance");
        split->addWidget(concTable);
        auto* tallyPane = new QWidget(split);
        auto* tv = new QVBoxLayout(tallyPane);
        tv->setContentsMargins(0, 0, 0, 0);
        tv->addWidget(tallyCaption);
        tv->addWidget(tallyTable, 1);
        split->addWidget(tallyPane);
        split->setStretchFactor(0, 3);
        split->setStretchFactor(1, 1);
        split->setChildrenCollapsible(false);
        auto* v = new QVBoxLayout(concTab);
        v->addLayout(row);
        v->addWidget(fieldsArea);
        v->addWidget(split, 1);
        v->addWidget(concStatus);
    }
    tabs->addTab(concTab, "Concordance");

    // Work on the second thread (a new form index, a reference corpus) is
    // taken in when done, without holding the window meanwhile.
    auto* workTimer = new QTimer(w);
    workTimer->setInterval(50);

    // The revision of each table on screen (~0u: none shown yet).
    struct Shown {
        unsigned subcorpora = ~0u, wordList = ~0u, keywords = ~0u, concordance = ~0u;
    };
    auto shown = std::make_shared<Shown>();
    // The status lines, and each table marked stale once the settings that
    // made it have changed.
    auto showStale = [=] {
        const ExploreForm& f = *form;
        auto status = [&f](Tab t, const std::string& line) {
            const std::string note = f.staleNote(t);
            return toQ(note.empty() ? line : note + (line.empty() ? "" : "\n" + line));
        };
        subStatus->setText(toQ(f.subcorpora().status));
        wordStatus->setText(status(Tab::WordList, f.wordList().status));
        keyStatus->setText(status(Tab::Keywords, f.keywords().status));
        concStatus->setText(status(Tab::Concordance, f.concordance().status));
        mark_stale(wordTable, f.stale(Tab::WordList));
        mark_stale(keyTable, f.stale(Tab::Keywords));
        mark_stale(concTable, f.stale(Tab::Concordance));
        mark_stale(tallyTable, f.stale(Tab::Concordance));
        auto stopNote = [](QLabel* l, const std::string& note) {
            l->setText(note.empty() ? QString() : "Stop list: " + toQ(note));
            l->setVisible(!note.empty());
        };
        stopNote(wordFilters.stopListNote, f.wordList().filters.stopListNote);
        stopNote(keyFilters.stopListNote, f.keywords().filters.stopListNote);
        emoticonsStatus->setText(toQ(f.emoticons().status));
        referenceNote->setText(toQ(f.keywords().referenceNote));
    };
    // Shows the state: the choices as the state holds them (without sending
    // their change events back) and every table.
    auto show = [=] {
        const ExploreForm& f = *form;
        const auto& subs = f.subcorpora().list;
        auto setText = [](QLineEdit* e, const std::string& s) {
            if (e->text() != toQ(s)) e->setText(toQ(s));
        };
        {
            const QSignalBlocker b1(tabs), b2(name), b3(conditions), b4(byCode), b5(code),
                b6(glossaryOnly), b7(notInDictionary), b8(pattern), b9(minAuthors), b10(query),
                b11(context), b12(sort), b13(wordMinAuthors), b14(wordFilters.minCount),
                b15(wordFilters.noNumbers), b16(wordFilters.stopList), b17(keyFilters.minCount),
                b18(keyFilters.noNumbers), b19(keyFilters.stopList), b20(reference),
                b21(referenceBands), b22(literal), b23(emoticonChoice), b24(emoticonsFile);
            tabs->setCurrentIndex(static_cast<int>(f.tab()));
            setText(name, f.subcorpora().txtName);
            setText(conditions, f.subcorpora().txtConditions);
            byCode->setChecked(f.wordList().byCode);
            code->setEnabled(f.wordList().byCode);
            wordScope->setEnabled(!f.wordList().byCode);
            setText(code, f.wordList().txtCode);
            glossaryOnly->setChecked(f.wordList().glossaryOnly);
            notInDictionary->setChecked(f.wordList().notInDictionary);
            setText(pattern, f.wordList().txtPattern);
            wordMinAuthors->setValue(
                static_cast<int>(std::min<std::uint32_t>(f.wordList().minAuthors, INT_MAX)));
            auto showFilters = [&](const FilterControls& c, const ExploreForm::Filters& s) {
                c.minCount->setValue(
                    static_cast<int>(std::min<std::uint64_t>(s.minCount, INT_MAX)));
                c.noNumbers->setChecked(s.noNumbers);
                setText(c.stopList, s.txtStopList);
            };
            showFilters(wordFilters, f.wordList().filters);
            showFilters(keyFilters, f.keywords().filters);
            minAuthors->setValue(f.keywords().minAuthors);
            setText(reference, f.keywords().txtReference);
            setText(referenceBands, f.keywords().txtReferenceBands);
            setText(query, f.concordance().txtQuery);
            literal->setChecked(f.concordance().literal);
            context->setValue(f.concordance().context);
            sort->setCurrentIndex(static_cast<int>(f.concordance().sort));
            for (const auto& [field, box] : fieldBoxes) {
                const auto& on = f.concordance().fields;
                const QSignalBlocker b(box);
                box->setChecked(std::find(on.begin(), on.end(), field) != on.end());
            }
            emoticonChoice->setCurrentIndex(static_cast<int>(f.emoticons().choice));
            setText(emoticonsFile, f.emoticons().txtFile);
        }
        fill_choices(wordScope, subs, f.wordList().scope, false);
        fill_choices(sideA, subs, f.keywords().a, false);
        fill_choices(sideB, subs, f.keywords().b, true, f.reference());
        fill_choices(concScope, subs, f.concordance().scope, false);
        remove->setEnabled(f.subcorpora().selected > 0);
        emoticonEntries->setText(entries_text(f.index().emoticons()));
        // While a form index or a reference corpus is being made, what would
        // start another waits; the window says so and stays in use.
        const bool working = f.working();
        w->setProperty("busy", working);
        for (QWidget* c : std::initializer_list<QWidget*>{
                 emoticonChoice, emoticonsFile, chooseEmoticons, reference, referenceTable,
                 referenceFolder, referenceBuiltin, referenceBands, readReference, clearReference})
            c->setEnabled(!working);
        clearReference->setEnabled(!working && f.reference());
        if (working && !workTimer->isActive()) workTimer->start();
        // Only the tables that changed: a concordance may hold a million cells.
        auto update = [](ResultTableView* view, const ResultTable& table, unsigned revision,
                         unsigned& shownRevision) {
            if (shownRevision == revision) return false;
            shownRevision = revision;
            view->setTable(table);
            return true;
        };
        update(subTable, f.subcorpora().table, f.subcorpora().revision, shown->subcorpora);
        update(wordTable, f.wordList().table, f.wordList().revision, shown->wordList);
        update(keyTable, f.keywords().table, f.keywords().revision, shown->keywords);
        if (update(concTable, f.concordance().table, f.concordance().revision, shown->concordance))
            tallyTable->setTable(f.concordance().tally);
        showStale();
    };
    // One event: the operation, then the state on screen. A slow one shows
    // the wait cursor.
    auto run = [=](const std::function<void(ExploreForm&)>& op) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        op(*form);
        QApplication::restoreOverrideCursor();
        show();
    };
    auto record = [=](const std::function<void(ExploreForm&)>& op) {
        op(*form);
        showStale();
    };
    QObject::connect(workTimer, &QTimer::timeout, w, [=] {
        if (form->takeWork()) show();
        if (!form->working()) {
            workTimer->stop();
            show();
        }
    });

    QStringList fieldNames = {"age", "gender", "education", "native", "code"};
    if (const auto* columns = form->fields().metadataColumns)
        for (const std::string& c : *columns) fieldNames << toQ(c);
    QString textFields;
    if (const auto* columns = form->fields().textColumns; columns && !columns->empty()) {
        QStringList names;
        for (const std::string& c : *columns) names << toQ(c);
        textFields = " Text fields (a value per text; they choose texts, e.g. " + names.front() +
                     "=VALUE or FROM..TO): " + names.join(", ") + ".";
    }
    fieldsNote->setText("Fields: " + fieldNames.join(", ") +
                        ". Ages as numbers or ranges (age=16-25), genders M or F." + textFields);

    QObject::connect(tabs, &QTabWidget::currentChanged, w, [=](int i) {
        record([i](ExploreForm& f) { f.tab_Click(static_cast<Tab>(i)); });
    });
    QObject::connect(name, &QLineEdit::textChanged, w, [=](const QString& t) {
        record([s = fromQ(t)](ExploreForm& f) { f.txtName_Change(s); });
    });
    QObject::connect(conditions, &QLineEdit::textChanged, w, [=](const QString& t) {
        record([s = fromQ(t)](ExploreForm& f) { f.txtConditions_Change(s); });
    });
    auto defineNow = [=] { run([](ExploreForm& f) { f.cmdDefine_Click(); }); };
    QObject::connect(define, &QPushButton::clicked, w, defineNow);
    QObject::connect(conditions, &QLineEdit::returnPressed, w, defineNow);
    QObject::connect(remove, &QPushButton::clicked, w,
                     [=] { run([](ExploreForm& f) { f.cmdDelete_Click(); }); });
    QObject::connect(subTable, &QTableView::clicked, w, [=] {
        const int row = subTable->selectedTableRow();
        run([row](ExploreForm& f) { f.selectSubcorpus(row); });
    });

    // The emoticons: a choice in the list takes effect at once; "a file of my
    // own" reads the file named in the box.
    auto useEmoticons = [=](Choice c) {
        run([c](ExploreForm& f) { f.emoticons_Change(c); });
        if (c == Choice::File && form->emoticons().txtFile.empty()) emoticonsFile->setFocus();
    };
    QObject::connect(emoticonChoice, &QComboBox::activated, w,
                     [=](int i) { useEmoticons(static_cast<Choice>(i)); });
    QObject::connect(emoticonsFile, &QLineEdit::textChanged, w, [=](const QString& t) {
        record([s = fromQ(t)](ExploreForm& f) { f.txtEmoticonsFile_Change(s); });
    });
    QObject::connect(emoticonsFile, &QLineEdit::returnPressed, w,
                     [=] { useEmoticons(Choice::File); });
    QObject::connect(chooseEmoticons, &QPushButton::clicked, w, [=] {
        const QString file =
            QFileDialog::getOpenFileName(w, "Choose a file of emoticons", emoticonsFile->text(),
                                         "Text files (*.txt);;All files (*)");
        if (file.isEmpty()) return;
        emoticonsFile->setText(file);
        useEmoticons(Choice::File);
    });

    QObject::connect(wordScope, &QComboBox::activated, w, [=](int i) {
        const int s = wordScope->itemData(i).toInt();
        record([s](ExploreForm& f) { f.wordScope_Click(s); });
    });
    QObject::connect(byCode, &QCheckBox::toggled, w,
                     [=](bool on) { run([on](ExploreForm& f) { f.byCode_Click(on); }); });
    QObject::connect(code, &QLineEdit::textChanged, w, [=](const QString& t) {
        record([s = fromQ(t)](ExploreForm& f) { f.txtCode_Change(s); });
    });
    QObject::connect(glossaryOnly, &QCheckBox::toggled, w,
                     [=](bool on) { record([on](ExploreForm& f) { f.glossaryOnly_Click(on); }); });
    QObject::connect(notInDictionary, &QCheckBox::toggled, w, [=](bool on) {
        record([on](ExploreForm& f) { f.notInDictionary_Click(on); });
    });
    QObject::connect(pattern, &QLineEdit::textChanged, w, [=](const QString& t) {
        record([s = fromQ(t)](ExploreForm& f) { f.txtPattern_Change(s); });
    });
    QObject::connect(wordMinAuthors, &QSpinBox::valueChanged, w,
                     [=](int k) { record([k](ExploreForm& f) { f.wordMinAuthors_Change(k); }); });
    auto listNow = [=] { run([](ExploreForm& f) { f.cmdWordList_Click(); }); };
    QObject::connect(list, &QPushButton::clicked, w, listNow);
    QObject::connect(pattern, &QLineEdit::returnPressed, w, listNow);
    QObject::connect(code, &QLineEdit::returnPressed, w, listNow);
    new EnterRuns(wordMinAuthors, listNow);

    auto keywordsNow = [=] { run([](ExploreForm& f) { f.cmdKeywords_Click(); }); };
    // The filters of the word list and of the keywords; Enter in any of
    // their boxes makes the tab's table.
    auto connectFilters = [=](const FilterControls& c, Tab tab, std::function<void()> now) {
        QObject::connect(c.minCount, &QSpinBox::valueChanged, w, [=](int k) {
            record([tab, k](ExploreForm& f) { f.minCount_Change(tab, k); });
        });
        new EnterRuns(c.minCount, now);
        QObject::connect(c.noNumbers, &QCheckBox::toggled, w, [=](bool on) {
            record([tab, on](ExploreForm& f) { f.noNumbers_Click(tab, on); });
        });
        QObject::connect(c.stopList, &QLineEdit::textChanged, w, [=](const QString& t) {
            record([tab, s = fromQ(t)](ExploreForm& f) { f.txtStopList_Change(tab, s); });
        });
        QObject::connect(c.stopList, &QLineEdit::returnPressed, w, now);
        QObject::connect(c.chooseStopList, &QPushButton::clicked, w, [=] {
            const QString file = QFileDialog::getOpenFileName(
                w, "Choose a stop list", c.stopList->text(), "Text files (*.txt);;All files (*)");
            if (file.isEmpty()) return;
            c.stopList->setText(file);
            run([tab](ExploreForm& f) { f.stopList_Check(tab); });
        });
        QObject::connect(c.clearStopList, &QPushButton::clicked, w,
                         [=] { run([tab](ExploreForm& f) { f.txtStopList_Change(tab, ""); }); });
    };
    connectFilters(wordFilters, Tab::WordList, listNow);
    connectFilters(keyFilters, Tab::Keywords, keywordsNow);

    QObject::connect(sideA, &QComboBox::activated, w, [=](int i) {
        const int s = sideA->itemData(i).toInt();
        record([s](ExploreForm& f) { f.keywordsA_Click(s); });
    });
    QObject::connect(sideB, &QComboBox::activated, w, [=](int i) {
        const int s = sideB->itemData(i).toInt();
        record([s](ExploreForm& f) { f.keywordsB_Click(s); });
    });
    QObject::connect(minAuthors, &QSpinBox::valueChanged, w,
                     [=](int k) { record([k](ExploreForm& f) { f.minAuthors_Change(k); }); });
    QObject::connect(findKeywords, &QPushButton::clicked, w, keywordsNow);
    new EnterRuns(minAuthors, keywordsNow);

    QObject::connect(reference, &QLineEdit::textChanged, w, [=](const QString& t) {
        record([s = fromQ(t)](ExploreForm& f) { f.txtReference_Change(s); });
    });
    QObject::connect(referenceBands, &QLineEdit::textChanged, w, [=](const QString& t) {
        record([s = fromQ(t)](ExploreForm& f) { f.txtReferenceBands_Change(s); });
    });
    auto readNow = [=] { run([](ExploreForm& f) { f.cmdReference_Click(); }); };
    QObject::connect(readReference, &QPushButton::clicked, w, readNow);
    QObject::connect(reference, &QLineEdit::returnPressed, w, readNow);
    QObject::connect(referenceBands, &QLineEdit::returnPressed, w, readNow);
    QObject::connect(referenceTable, &QPushButton::clicked, w, [=] {
        const QString file =
            QFileDialog::getOpenFileName(w, "Choose the reference corpus", reference->text(),
                                         "Corpus tables (*.csv *.tsv *.txt);;All files (*)");
        if (file.isEmpty()) return;
        reference->setText(file);
        readNow();
    });
    QObject::connect(referenceFolder, &QPushButton::clicked, w, [=] {
        const QString dir = QFileDialog::getExistingDirectory(
            w, "Choose the reference corpus's folder", reference->text());
        if (dir.isEmpty()) return;
        reference->setText(dir);
        readNow();
    });
    QObject::connect(referenceBuiltin, &QPushButton::clicked, w, [=] {
        reference->setText("built-in");
        readNow();
    });
    QObject::connect(clearReference, &QPushButton::clicked, w,
                     [=] { run([](ExploreForm& f) { f.cmdClearReference_Click(); }); });

    QObject::connect(concScope, &QComboBox::activated, w, [=](int i) {
        const int s = concScope->itemData(i).toInt();
        record([s](ExploreForm& f) { f.concordanceScope_Click(s); });
    });
    QObject::connect(query, &QLineEdit::textChanged, w, [=](const QString& t) {
        record([s = fromQ(t)](ExploreForm& f) { f.txtQuery_Change(s); });
    });
    QObject::connect(literal, &QCheckBox::toggled, w,
                     [=](bool on) { record([on](ExploreForm& f) { f.literal_Click(on); }); });
    QObject::connect(context, &QSpinBox::valueChanged, w,
                     [=](int n) { record([n](ExploreForm& f) { f.context_Change(n); }); });
    QObject::connect(sort, &QComboBox::activated, w, [=](int i) {
        // The order picked here replaces a column the user sorted by.
        concTable->clearSort();
        run([i](ExploreForm& f) { f.sort_Click(static_cast<ConcordanceSort>(i)); });
    });
    for (const auto& [field, box] : fieldBoxes) {
        QObject::connect(box, &QCheckBox::toggled, w, [=, f = field](bool on) {
            run([f, on](ExploreForm& state) { state.lineField_Click(f, on); });
        });
    }
    auto searchNow = [=] { run([](ExploreForm& f) { f.cmdConcordance_Click(); }); };
    QObject::connect(search, &QPushButton::clicked, w, searchNow);
    QObject::connect(query, &QLineEdit::returnPressed, w, searchNow);
    new EnterRuns(context, searchNow);

    // Copy and export of every table, as the core holds it, with the
    // subcorpus or query in the header.
    auto source = [=](std::function<ResultTable()> table, std::function<std::string()> selection,
                      ResultTableView* view) {
        return TableSource{std::move(table), [=] { return header(selection()); },
                           [view] { return view->selectedTableRow(); },
                           [view] { return view->selectedTableRows(); }};
    };
    // An export is headed by the settings that made its table, which a stale
    // table no longer shares with the boxes.
    attach_table(subTable,
                 source([form] { return form->subcorpora().table; },
                        [form] { return form->exportSelection(Tab::Subcorpora); }, subTable));
    TableSource words = source([form] { return form->wordList().table; },
                               [form] { return form->exportSelection(Tab::WordList); }, wordTable);
    // A row of the word list or the keywords opens the concordance of its form.
    words.actions.push_back({"Concordance of this form", [=](const ResultTable&, int row) {
                                 run([row](ExploreForm& f) { f.wordListRow_Concordance(row); });
                             }});
    attach_table(wordTable, std::move(words));
    TableSource keys = source([form] { return form->keywords().table; },
                              [form] { return form->exportSelection(Tab::Keywords); }, keyTable);
    keys.actions.push_back({"Concordance of this form", [=](const ResultTable&, int row) {
                                run([row](ExploreForm& f) { f.keywordsRow_Concordance(row); });
                            }});
    attach_table(keyTable, std::move(keys));
    attach_table(concTable,
                 source([form] { return form->concordanceTable(); },
                        [form] { return form->exportSelection(Tab::Concordance); }, concTable));
    // A row of the tally opens the comparison of the form across its groups.
    TableSource tally = source([form] { return form->concordance().tally; },
                               [form] { return form->tallySelection(); }, tallyTable);
    tally.actions.push_back({"Compare this form across these groups", [=](const ResultTable&, int) {
                                 std::string forms, groupBy;
                                 const bool ok = form->tallyComparison(&forms, &groupBy);
                                 show();
                                 if (ok && links.compare) links.compare(forms, groupBy);
                             }});
    attach_table(tallyTable, std::move(tally));

    auto* entry = new ExploreEntry(w);
    entry->run = run;
    show();
    add_window_keys(w);
    return w;
}

bool run_in_explore_window(QWidget* window, const std::function<void(ExploreForm&)>& op) {
    auto* entry =
        window ? window->findChild<ExploreEntry*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!entry || !entry->run) return false;
    entry->run(op);
    return true;
}

} // namespace zapt::ui

#include "explore_window.moc"
