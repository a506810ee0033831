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
namespace {

using Tab = ExploreForm::Tab;
using Choice = ExploreForm::EmoticonChoice;
using FilterControls = ExploreWindow::FilterControls;
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

ExploreWindow::ExploreWindow(std::shared_ptr<ExploreForm> form,
                             std::function<ExportHeader(std::string)> header, ExploreLinks links)
    : QWidget(nullptr, Qt::Window), form_(std::move(form)), header_(std::move(header)),
      links_(std::move(links)),
      // A slow event shows the wait cursor.
      dispatch_(*form_, {[this] { refresh(); }, [this] { showStatus(); }},
                Dispatcher<ExploreForm>::Cursor::WaitWhileRunning) {
    setObjectName("FormExplore");
    setWindowTitle("Explore");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(dialog_font());
    resize(1080, 700);
    buildLayout();
    workTimer_ = new QTimer(this);
    workTimer_->setInterval(50);
    wire();
    refresh();
    add_window_keys(this);
}

ExploreWindow::~ExploreWindow() {
    // The controls go while the state their events reach is still there.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

// ---- Layout -------------------------------------------------------------------------------------

void ExploreWindow::buildLayout() {
    tabs_ = named(new QTabWidget(this), "tabExplore");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    tabs_->addTab(buildSubcorporaTab(), "Subcorpora");
    tabs_->addTab(buildWordListTab(), "Word list");
    tabs_->addTab(buildKeywordsTab(), "Keywords");
    tabs_->addTab(buildConcordanceTab(), "Concordance");
}

QWidget* ExploreWindow::buildSubcorporaTab() {
    auto* tab = new QWidget(tabs_);
    name_ = named(new QLineEdit(tab), "txtSubcorpusName", "A name for the subcorpus");
    conditions_ =
        named(new QLineEdit(tab), "txtConditions",
              "FIELD=VALUE[,VALUE...], several separated by \";\": OR within a field, AND across "
              "fields, e.g. age=16-25; gender=F");
    conditions_->setPlaceholderText("age=16-25; gender=F");
    define_ = make_layout_button(tab, "cmdDefine", "Define",
                                 "Add the subcorpus, or replace the one of this name");
    remove_ = make_layout_button(tab, "cmdDelete", "Delete", "Delete the selected subcorpus");
    fieldsNote_ = named(new QLabel(tab), "lblFields");
    fieldsNote_->setWordWrap(true);
    subTable_ = named(new ResultTableView(tab), "tblSubcorpora");
    subStatus_ = status_label(tab, "lblSubcorporaStatus");
    QGroupBox* emoticons = buildEmoticonsBox(tab);

    auto* form = new QFormLayout;
    form->addRow("Name:", name_);
    auto* row = new QHBoxLayout;
    row->addWidget(conditions_, 1);
    row->addWidget(define_);
    row->addWidget(remove_);
    form->addRow("Conditions:", row);
    auto* v = new QVBoxLayout(tab);
    v->addLayout(form);
    v->addWidget(fieldsNote_);
    v->addWidget(subTable_, 1);
    v->addWidget(subStatus_);
    v->addWidget(emoticons);

    // The fields conditions may name.
    QStringList fieldNames = {"age", "gender", "education", "native", "code"};
    if (const auto* columns = form_->fields().metadataColumns)
        for (const std::string& c : *columns) fieldNames << toQ(c);
    QString textFields;
    if (const auto* columns = form_->fields().textColumns; columns && !columns->empty()) {
        QStringList names;
        for (const std::string& c : *columns) names << toQ(c);
        textFields = " Text fields (a value per text; they choose texts, e.g. " + names.front() +
                     "=VALUE or FROM..TO): " + names.join(", ") + ".";
    }
    fieldsNote_->setText("Fields: " + fieldNames.join(", ") +
                         ". Ages as numbers or ranges (age=16-25), genders M or F." + textFields);
    return tab;
}

QGroupBox* ExploreWindow::buildEmoticonsBox(QWidget* tab) {
    auto* box = named(new QGroupBox("Emoticons", tab), "fraEmoticons");
    emoticonChoice_ =
        named(new QComboBox(box), "cboEmoticons",
              "What counts as one emoticon in the word list, the keywords and the concordance (not "
              "in the main window's counts): the built-in list, a file of your own, or none");
    emoticonChoice_->addItems({"built-in list", "a file of my own", "none"});
    emoticonsFile_ = named(new QLineEdit(box), "txtEmoticonsFile",
                           "A UTF-8 text file of emoticons, one a line (blank lines and "
                           "lines starting with \"# \" are skipped); Enter uses it");
    emoticonsFile_->setPlaceholderText("a file of emoticons, one a line");
    chooseEmoticons_ = make_layout_button(box, "cmdEmoticonsFile", "File...",
                                          "Choose a file of emoticons and use it");
    emoticonsStatus_ = status_label(box, "lblEmoticons");
    emoticonEntries_ = status_label(box, "lblEmoticonEntries");

    auto* e = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    row->addWidget(caption("&Read as emoticons:", emoticonChoice_, box));
    row->addWidget(emoticonChoice_);
    row->addWidget(emoticonsFile_, 1);
    row->addWidget(chooseEmoticons_);
    e->addLayout(row);
    e->addWidget(emoticonsStatus_);
    e->addWidget(emoticonEntries_);
    return box;
}

QWidget* ExploreWindow::buildWordListTab() {
    auto* tab = new QWidget(tabs_);
    wordScope_ = named(new QComboBox(tab), "cboWordScope", "The subcorpus listed");
    byCode_ = named(new QCheckBox("Author code:", tab), "chkByCode",
                    "List the forms of one author code instead");
    code_ = named(new QLineEdit(tab), "txtCode");
    code_->setMaximumWidth(100);
    glossaryOnly_ = named(new QCheckBox("Glossary forms only", tab), "chkGlossaryOnly");
    notInDictionary_ =
        named(new QCheckBox("Not in a standard dictionary", tab), "chkNotInDictionary",
              "Forms neither in the British English word list nor among the glossary's "
              "interpretations: non-standard forms nobody has glossed yet");
    pattern_ = named(new QLineEdit(tab), "txtPattern",
                     "A form, a pattern with * (any run of characters) and ? (one "
                     "character), re:EXPR for a regular expression, or several separated "
                     "by blanks for a phrase");
    pattern_->setPlaceholderText("e.g. 2*  or  *z  or  re:l[0-9]+r  or  c u");
    list_ = make_layout_button(tab, "cmdWordList", "List", "List every form with its counts");
    wordFilters_ =
        make_filters(tab, "Word", "List only the forms counted at least this many times");
    wordMinAuthors_ = floor_box(tab, "spnWordMinAuthors",
                                "List only the forms used by at least this "
                                "many authors of the subcorpus");
    wordTable_ = named(new ResultTableView(tab), "tblWordList",
                       "Double-click a row (or press Enter) for the concordance of its form");
    wordTable_->setRoundShown(true);
    wordStatus_ = status_label(tab, "lblWordListStatus");

    auto* row1 = new QHBoxLayout;
    row1->addWidget(caption("Subcorpus:", wordScope_, tab));
    row1->addWidget(wordScope_, 1);
    row1->addWidget(byCode_);
    row1->addWidget(code_);
    auto* row2 = new QHBoxLayout;
    row2->addWidget(caption("Pattern:", pattern_, tab));
    row2->addWidget(pattern_, 1);
    row2->addWidget(glossaryOnly_);
    row2->addWidget(notInDictionary_);
    row2->addWidget(list_);
    auto* v = new QVBoxLayout(tab);
    v->addLayout(row1);
    v->addLayout(row2);
    v->addLayout(filters_row(wordFilters_, tab, caption("Min. a&uthors:", wordMinAuthors_, tab),
                             wordMinAuthors_));
    v->addWidget(wordFilters_.stopListNote);
    v->addWidget(wordTable_, 1);
    v->addWidget(wordStatus_);
    // The keyboard goes through the floors in the order they stand.
    QWidget::setTabOrder(wordFilters_.minCount, wordMinAuthors_);
    QWidget::setTabOrder(wordMinAuthors_, wordFilters_.noNumbers);
    return tab;
}

QWidget* ExploreWindow::buildKeywordsTab() {
    auto* tab = new QWidget(tabs_);
    sideA_ = named(new QComboBox(tab), "cboKeywordsA", "Subcorpus A");
    sideB_ = named(new QComboBox(tab), "cboKeywordsB",
                   "Subcorpus B, the rest of the corpus, or the reference corpus read below");
    minAuthors_ = named(new QSpinBox(tab), "spnMinAuthors",
                        "A form is a keyword of its side only when at least this many "
                        "authors of that side use it");
    minAuthors_->setRange(0, 1000);
    findKeywords_ = make_layout_button(tab, "cmdKeywords", "Keywords",
                                       "Forms used relatively more in A than in B, or in B than "
                                       "in A, by log-likelihood");
    keyFilters_ =
        make_filters(tab, "Keywords",
                     "A form is a keyword only when counted at least this many times on its side");
    buildReferenceControls(tab);
    keyTable_ = named(new ResultTableView(tab), "tblKeywords",
                      "Double-click a row (or press Enter) for the concordance of its form "
                      "in A");
    keyTable_->setRoundShown(true);
    keyStatus_ = status_label(tab, "lblKeywordsStatus");

    auto* row = new QHBoxLayout;
    row->addWidget(caption("A:", sideA_, tab));
    row->addWidget(sideA_, 1);
    row->addWidget(caption("against B:", sideB_, tab));
    row->addWidget(sideB_, 1);
    row->addWidget(caption("Min. authors:", minAuthors_, tab));
    row->addWidget(minAuthors_);
    row->addWidget(findKeywords_);
    auto* refRow = new QHBoxLayout;
    refRow->addWidget(caption("&Reference corpus:", reference_, tab));
    refRow->addWidget(reference_, 1);
    refRow->addWidget(referenceTable_);
    refRow->addWidget(referenceFolder_);
    refRow->addWidget(referenceBuiltin_);
    refRow->addWidget(caption("Age ban&ds:", referenceBands_, tab));
    refRow->addWidget(referenceBands_);
    refRow->addWidget(readReference_);
    refRow->addWidget(clearReference_);
    auto* v = new QVBoxLayout(tab);
    v->addLayout(row);
    v->addLayout(filters_row(keyFilters_, tab));
    v->addWidget(keyFilters_.stopListNote);
    v->addLayout(refRow);
    v->addWidget(referenceNote_);
    v->addWidget(keyTable_, 1);
    v->addWidget(keyStatus_);
    return tab;
}

void ExploreWindow::buildReferenceControls(QWidget* tab) {
    reference_ = named(new QLineEdit(tab), "txtReference",
                       "A second corpus whose whole is B: a CSV or TSV table, a folder of "
                       "register.json and corpus.jsonl, or built-in for the built-in "
                       "sample. Enter reads it.");
    reference_->setPlaceholderText("a table, a folder, or built-in");
    referenceTable_ = make_layout_button(tab, "cmdReferenceTable", "Table...",
                                         "Choose a CSV or TSV table and read it as B");
    referenceFolder_ = make_layout_button(tab, "cmdReferenceFolder", "Folder...",
                                          "Choose a corpus folder and read it as B");
    referenceBuiltin_ = make_layout_button(tab, "cmdReferenceBuiltin", "Built-in sample",
                                           "Read the built-in sample corpus as B");
    referenceBands_ =
        named(new QLineEdit(tab), "txtReferenceBands",
              "The reference corpus's age bands, as --bands reads them (e.g. <18,18-25,26+); "
              "optional: since B is the whole corpus they change no figure, and are named in "
              "the exports");
    referenceBands_->setPlaceholderText("optional, e.g. <18,18-25,26+");
    referenceBands_->setMinimumWidth(
        referenceBands_->fontMetrics().horizontalAdvance(referenceBands_->placeholderText()) + 16);
    readReference_ =
        make_layout_button(tab, "cmdReference", "Read", "Read the corpus named in the box as B");
    clearReference_ = make_layout_button(tab, "cmdClearReference", "Forget",
                                         "Forget the reference corpus; B is the rest of "
                                         "the corpus again");
    referenceNote_ = status_label(tab, "lblReference");
}

QWidget* ExploreWindow::buildConcordanceTab() {
    auto* tab = new QWidget(tabs_);
    concScope_ = named(new QComboBox(tab), "cboConcordanceScope", "The subcorpus searched");
    query_ =
        named(new QLineEdit(tab), "txtQuery", "A form, a pattern (* and ?), re:EXPR, or a phrase");
    literal_ = named(new QCheckBox("E&xact form", tab), "chkLiteral",
                     "Search the text as written: * and ? are characters, not wildcards "
                     "(a form such as :* or a*)");
    context_ = named(new QSpinBox(tab), "spnContext",
                     "Words shown each side of the hit, within its own text; a line "
                     "never shows more than half of its text");
    context_->setRange(kMinContext, kMaxContext);
    sort_ = named(new QComboBox(tab), "cboSort", "The order of the lines");
    sort_->addItems({"corpus order", "by words left", "by words right", "by 1st word left",
                     "by 2nd word left", "by 1st word right", "by 2nd word right"});
    search_ = make_layout_button(tab, "cmdConcordance", "Search",
                                 "Show the lines of the form or pattern");
    QWidget* fieldsArea = buildFieldBoxes(tab);
    concTable_ = named(new ResultTableView(tab), "tblConcordance");
    // The left context stands against the hit, which stands out.
    concTable_->setColumnLook("left", {Qt::AlignRight | Qt::AlignVCenter, false});
    concTable_->setColumnLook("hit", {Qt::AlignHCenter | Qt::AlignVCenter, true});
    // The right context takes the room left over.
    concTable_->horizontalHeader()->setStretchLastSection(true);
    auto* tallyCaption =
        named(new QLabel("Hits by group of the author columns (double-click a row, or press "
                         "Enter, to compare the form across these groups):",
                         tab),
              "lblTally");
    tallyCaption->setWordWrap(true);
    tallyTable_ = named(new ResultTableView(tab), "tblTally",
                        "The hits per group: lines shown, every hit (shown or not), and the "
                        "authors with a hit");
    concStatus_ = status_label(tab, "lblConcordanceStatus");

    auto* row = new QHBoxLayout;
    row->addWidget(caption("Subcorpus:", concScope_, tab));
    row->addWidget(concScope_, 1);
    row->addWidget(caption("Form or pattern:", query_, tab));
    row->addWidget(query_, 1);
    row->addWidget(literal_);
    row->addWidget(caption("Context:", context_, tab));
    row->addWidget(context_);
    row->addWidget(sort_);
    row->addWidget(search_);
    auto* split = named(new QSplitter(Qt::Vertical, tab), "splConcordance");
    split->addWidget(concTable_);
    auto* tallyPane = new QWidget(split);
    auto* tv = new QVBoxLayout(tallyPane);
    tv->setContentsMargins(0, 0, 0, 0);
    tv->addWidget(tallyCaption);
    tv->addWidget(tallyTable_, 1);
    split->addWidget(tallyPane);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    auto* v = new QVBoxLayout(tab);
    v->addLayout(row);
    v->addWidget(fieldsArea);
    v->addWidget(split, 1);
    v->addWidget(concStatus_);
    return tab;
}

QWidget* ExploreWindow::buildFieldBoxes(QWidget* tab) {
    // The authors' fields shown beside the lines: one check box each.
    auto* fieldsRow = new QWidget(tab);
    auto* fieldsLayout = new QHBoxLayout(fieldsRow);
    fieldsLayout->setContentsMargins(0, 0, 0, 0);
    fieldsLayout->addWidget(new QLabel("Author columns:", fieldsRow));
    for (const std::string& f : form_->fieldChoices()) {
        auto* box = new QCheckBox(field_caption(f), fieldsRow);
        box->setObjectName("chkField_" + toQ(f));
        box->setToolTip("Show each line's author's " + field_caption(f).toLower() +
                        " as a column, and tally the hits by it");
        fieldsLayout->addWidget(box);
        fieldBoxes_[f] = box;
    }
    fieldsLayout->addStretch(1);
    auto* fieldsArea = new QScrollArea(tab);
    fieldsArea->setWidget(fieldsRow);
    fieldsArea->setWidgetResizable(true);
    fieldsArea->setFrameShape(QFrame::NoFrame);
    fieldsArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fieldsArea->setFixedHeight(fieldsRow->sizeHint().height() + 4);
    return fieldsArea;
}

// ---- Wiring -------------------------------------------------------------------------------------

void ExploreWindow::wire() {
    // The work of the second thread, taken in when done; the state shown when
    // there was some, and once more when the work has ended.
    connect(workTimer_, &QTimer::timeout, this, [this] {
        dispatch_.runIf([](ExploreForm& f) {
            const bool took = f.takeWork();
            return took || !f.working();
        });
        if (!form_->working()) workTimer_->stop();
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        dispatch_.record([i](ExploreForm& f) { f.tab_Click(static_cast<Tab>(i)); });
    });
    wireSubcorpora();
    wireEmoticons();
    wireWordList();
    wireKeywords();
    wireReference();
    wireConcordance();
    wireTables();
}

void ExploreWindow::wireSubcorpora() {
    connect(name_, &QLineEdit::textChanged, this, [this](const QString& t) {
        dispatch_.record([s = fromQ(t)](ExploreForm& f) { f.txtName_Change(s); });
    });
    connect(conditions_, &QLineEdit::textChanged, this, [this](const QString& t) {
        dispatch_.record([s = fromQ(t)](ExploreForm& f) { f.txtConditions_Change(s); });
    });
    auto defineNow = dispatch_.runs([](ExploreForm& f) { f.cmdDefine_Click(); });
    connect(define_, &QPushButton::clicked, this, defineNow);
    connect(conditions_, &QLineEdit::returnPressed, this, defineNow);
    connect(remove_, &QPushButton::clicked, this,
            dispatch_.runs([](ExploreForm& f) { f.cmdDelete_Click(); }));
    connect(subTable_, &QTableView::clicked, this, [this] {
        const int row = subTable_->selectedTableRow();
        dispatch_.run([row](ExploreForm& f) { f.selectSubcorpus(row); });
    });
}

// The emoticons: a choice in the list takes effect at once; "a file of my
// own" reads the file named in the box.
void ExploreWindow::useEmoticons(Choice c) {
    dispatch_.run([c](ExploreForm& f) { f.emoticons_Change(c); });
    if (c == Choice::File && form_->emoticons().txtFile.empty()) emoticonsFile_->setFocus();
}

void ExploreWindow::wireEmoticons() {
    connect(emoticonChoice_, &QComboBox::activated, this,
            [this](int i) { useEmoticons(static_cast<Choice>(i)); });
    connect(emoticonsFile_, &QLineEdit::textChanged, this, [this](const QString& t) {
        dispatch_.record([s = fromQ(t)](ExploreForm& f) { f.txtEmoticonsFile_Change(s); });
    });
    connect(emoticonsFile_, &QLineEdit::returnPressed, this,
            [this] { useEmoticons(Choice::File); });
    connect(chooseEmoticons_, &QPushButton::clicked, this, [this] {
        const QString file =
            QFileDialog::getOpenFileName(this, "Choose a file of emoticons", emoticonsFile_->text(),
                                         "Text files (*.txt);;All files (*)");
        if (file.isEmpty()) return;
        emoticonsFile_->setText(file);
        useEmoticons(Choice::File);
    });
}

void ExploreWindow::wireWordList() {
    connect(wordScope_, &QComboBox::activated, this, [this](int i) {
        const int s = wordScope_->itemData(i).toInt();
        dispatch_.record([s](ExploreForm& f) { f.wordScope_Click(s); });
    });
    connect(byCode_, &QCheckBox::toggled, this,
            [this](bool on) { dispatch_.run([on](ExploreForm& f) { f.byCode_Click(on); }); });
    connect(code_, &QLineEdit::textChanged, this, [this](const QString& t) {
        dispatch_.record([s = fromQ(t)](ExploreForm& f) { f.txtCode_Change(s); });
    });
    connect(glossaryOnly_, &QCheckBox::toggled, this, [this](bool on) {
        dispatch_.record([on](ExploreForm& f) { f.glossaryOnly_Click(on); });
    });
    connect(notInDictionary_, &QCheckBox::toggled, this, [this](bool on) {
        dispatch_.record([on](ExploreForm& f) { f.notInDictionary_Click(on); });
    });
    connect(pattern_, &QLineEdit::textChanged, this, [this](const QString& t) {
        dispatch_.record([s = fromQ(t)](ExploreForm& f) { f.txtPattern_Change(s); });
    });
    connect(wordMinAuthors_, &QSpinBox::valueChanged, this, [this](int k) {
        dispatch_.record([k](ExploreForm& f) { f.wordMinAuthors_Change(k); });
    });
    auto listNow = dispatch_.runs([](ExploreForm& f) { f.cmdWordList_Click(); });
    connect(list_, &QPushButton::clicked, this, listNow);
    connect(pattern_, &QLineEdit::returnPressed, this, listNow);
    connect(code_, &QLineEdit::returnPressed, this, listNow);
    new EnterRuns(wordMinAuthors_, listNow);
    // Enter in any box of the filters makes the word list.
    wireFilters(wordFilters_, Tab::WordList, listNow);
}

void ExploreWindow::chooseStopList(const FilterControls& c, Tab tab) {
    const QString file = QFileDialog::getOpenFileName(
        this, "Choose a stop list", c.stopList->text(), "Text files (*.txt);;All files (*)");
    if (file.isEmpty()) return;
    c.stopList->setText(file);
    dispatch_.run([tab](ExploreForm& f) { f.stopList_Check(tab); });
}

// The filters of the word list and of the keywords; Enter in any of their
// boxes makes the tab's table (`now`).
void ExploreWindow::wireFilters(const FilterControls& c, Tab tab, std::function<void()> now) {
    connect(c.minCount, &QSpinBox::valueChanged, this, [this, tab](int k) {
        dispatch_.record([tab, k](ExploreForm& f) { f.minCount_Change(tab, k); });
    });
    new EnterRuns(c.minCount, now);
    connect(c.noNumbers, &QCheckBox::toggled, this, [this, tab](bool on) {
        dispatch_.record([tab, on](ExploreForm& f) { f.noNumbers_Click(tab, on); });
    });
    connect(c.stopList, &QLineEdit::textChanged, this, [this, tab](const QString& t) {
        dispatch_.record([tab, s = fromQ(t)](ExploreForm& f) { f.txtStopList_Change(tab, s); });
    });
    connect(c.stopList, &QLineEdit::returnPressed, this, now);
    connect(c.chooseStopList, &QPushButton::clicked, this,
            [this, c, tab] { chooseStopList(c, tab); });
    connect(c.clearStopList, &QPushButton::clicked, this,
            dispatch_.runs([tab](ExploreForm& f) { f.txtStopList_Change(tab, ""); }));
}

void ExploreWindow::wireKeywords() {
    auto keywordsNow = dispatch_.runs([](ExploreForm& f) { f.cmdKeywords_Click(); });
    wireFilters(keyFilters_, Tab::Keywords, keywordsNow);
    connect(sideA_, &QComboBox::activated, this, [this](int i) {
        const int s = sideA_->itemData(i).toInt();
        dispatch_.record([s](ExploreForm& f) { f.keywordsA_Click(s); });
    });
    connect(sideB_, &QComboBox::activated, this, [this](int i) {
        const int s = sideB_->itemData(i).toInt();
        dispatch_.record([s](ExploreForm& f) { f.keywordsB_Click(s); });
    });
    connect(minAuthors_, &QSpinBox::valueChanged, this,
            [this](int k) { dispatch_.record([k](ExploreForm& f) { f.minAuthors_Change(k); }); });
    connect(findKeywords_, &QPushButton::clicked, this, keywordsNow);
    new EnterRuns(minAuthors_, keywordsNow);
}

// Chooses the reference corpus's table (or folder) and reads it as B.
void ExploreWindow::chooseReference(bool folder) {
    const QString path =
        folder
            ? QFileDialog::getExistingDirectory(this, "Choose the reference corpus's folder",
                                                reference_->text())
            : QFileDialog::getOpenFileName(this, "Choose the reference corpus", reference_->text(),
                                           "Corpus tables (*.csv *.tsv *.txt);;All files (*)");
    if (path.isEmpty()) return;
    reference_->setText(path);
    dispatch_.run([](ExploreForm& f) { f.cmdReference_Click(); });
}

void ExploreWindow::wireReference() {
    connect(reference_, &QLineEdit::textChanged, this, [this](const QString& t) {
        dispatch_.record([s = fromQ(t)](ExploreForm& f) { f.txtReference_Change(s); });
    });
    connect(referenceBands_, &QLineEdit::textChanged, this, [this](const QString& t) {
        dispatch_.record([s = fromQ(t)](ExploreForm& f) { f.txtReferenceBands_Change(s); });
    });
    auto readNow = dispatch_.runs([](ExploreForm& f) { f.cmdReference_Click(); });
    connect(readReference_, &QPushButton::clicked, this, readNow);
    connect(reference_, &QLineEdit::returnPressed, this, readNow);
    connect(referenceBands_, &QLineEdit::returnPressed, this, readNow);
    connect(referenceTable_, &QPushButton::clicked, this, [this] { chooseReference(false); });
    connect(referenceFolder_, &QPushButton::clicked, this, [this] { chooseReference(true); });
    connect(referenceBuiltin_, &QPushButton::clicked, this, [this, readNow] {
        reference_->setText("built-in");
        readNow();
    });
    connect(clearReference_, &QPushButton::clicked, this,
            dispatch_.runs([](ExploreForm& f) { f.cmdClearReference_Click(); }));
}

void ExploreWindow::wireConcordance() {
    connect(concScope_, &QComboBox::activated, this, [this](int i) {
        const int s = concScope_->itemData(i).toInt();
        dispatch_.record([s](ExploreForm& f) { f.concordanceScope_Click(s); });
    });
    connect(query_, &QLineEdit::textChanged, this, [this](const QString& t) {
        dispatch_.record([s = fromQ(t)](ExploreForm& f) { f.txtQuery_Change(s); });
    });
    connect(literal_, &QCheckBox::toggled, this,
            [this](bool on) { dispatch_.record([on](ExploreForm& f) { f.literal_Click(on); }); });
    connect(context_, &QSpinBox::valueChanged, this,
            [this](int n) { dispatch_.record([n](ExploreForm& f) { f.context_Change(n); }); });
    connect(sort_, &QComboBox::activated, this, [this](int i) {
        // The order picked here replaces a column the user sorted by.
        concTable_->clearSort();
        dispatch_.run([i](ExploreForm& f) { f.sort_Click(static_cast<ConcordanceSort>(i)); });
    });
    for (const auto& [field, box] : fieldBoxes_) {
        connect(box, &QCheckBox::toggled, this, [this, f = field](bool on) {
            dispatch_.run([f, on](ExploreForm& state) { state.lineField_Click(f, on); });
        });
    }
    auto searchNow = dispatch_.runs([](ExploreForm& f) { f.cmdConcordance_Click(); });
    connect(search_, &QPushButton::clicked, this, searchNow);
    connect(query_, &QLineEdit::returnPressed, this, searchNow);
    new EnterRuns(context_, searchNow);
}

TableSource ExploreWindow::tableSource(std::function<ResultTable()> table,
                                       std::function<std::string()> selection,
                                       ResultTableView* view) const {
    return TableSource{
        std::move(table),
        [header = header_, selection = std::move(selection)] { return header(selection()); },
        [view] { return view->selectedTableRow(); }, [view] { return view->selectedTableRows(); }};
}

// Copy and export of every table, as the core holds it, with the subcorpus or
// query in the header: the settings that made the table, which a stale table
// no longer shares with the boxes.
void ExploreWindow::wireTables() {
    const std::shared_ptr<ExploreForm> form = form_;
    attach_table(subTable_,
                 tableSource([form] { return form->subcorpora().table; },
                             [form] { return form->exportSelection(Tab::Subcorpora); }, subTable_));
    TableSource words =
        tableSource([form] { return form->wordList().table; },
                    [form] { return form->exportSelection(Tab::WordList); }, wordTable_);
    // A row of the word list or the keywords opens the concordance of its form.
    words.actions.push_back({"Concordance of this form", [this](const ResultTable&, int row) {
                                 dispatch_.run(
                                     [row](ExploreForm& f) { f.wordListRow_Concordance(row); });
                             }});
    attach_table(wordTable_, std::move(words));
    TableSource keys =
        tableSource([form] { return form->keywords().table; },
                    [form] { return form->exportSelection(Tab::Keywords); }, keyTable_);
    keys.actions.push_back({"Concordance of this form", [this](const ResultTable&, int row) {
                                dispatch_.run(
                                    [row](ExploreForm& f) { f.keywordsRow_Concordance(row); });
                            }});
    attach_table(keyTable_, std::move(keys));
    attach_table(concTable_, tableSource([form] { return form->concordanceTable(); },
                                         [form] { return form->exportSelection(Tab::Concordance); },
                                         concTable_));
    // A row of the tally opens the comparison of the form across its groups.
    TableSource tally = tableSource([form] { return form->concordance().tally; },
                                    [form] { return form->tallySelection(); }, tallyTable_);
    tally.actions.push_back(
        {"Compare this form across these groups", [this](const ResultTable&, int) {
             auto asked = std::make_shared<std::pair<std::string, std::string>>();
             auto ok = std::make_shared<bool>(false);
             dispatch_.run([asked, ok](ExploreForm& f) {
                 *ok = f.tallyComparison(&asked->first, &asked->second);
             });
             if (*ok && links_.compare) links_.compare(asked->first, asked->second);
         }});
    attach_table(tallyTable_, std::move(tally));
}

// ---- Showing the state --------------------------------------------------------------------------

namespace {

void set_text(QLineEdit* e, const std::string& s) {
    if (e->text() != toQ(s)) e->setText(toQ(s));
}

void show_filters(const FilterControls& c, const ExploreForm::Filters& s) {
    const QSignalBlocker b1(c.minCount), b2(c.noNumbers), b3(c.stopList);
    c.minCount->setValue(static_cast<int>(std::min<std::uint64_t>(s.minCount, INT_MAX)));
    c.noNumbers->setChecked(s.noNumbers);
    set_text(c.stopList, s.txtStopList);
}

} // namespace

void ExploreWindow::refresh() {
    {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(static_cast<int>(form_->tab()));
    }
    showSubcorporaChoices();
    showWordListChoices();
    showKeywordsChoices();
    showConcordanceChoices();
    const auto& subs = form_->subcorpora().list;
    fill_choices(wordScope_, subs, form_->wordList().scope, false);
    fill_choices(sideA_, subs, form_->keywords().a, false);
    fill_choices(sideB_, subs, form_->keywords().b, true, form_->reference());
    fill_choices(concScope_, subs, form_->concordance().scope, false);
    remove_->setEnabled(form_->subcorpora().selected > 0);
    emoticonEntries_->setText(entries_text(form_->index().emoticons()));
    showWork();
    showTables();
    showStatus();
}

void ExploreWindow::showSubcorporaChoices() {
    const ExploreForm& f = *form_;
    const QSignalBlocker b1(name_), b2(conditions_), b3(emoticonChoice_), b4(emoticonsFile_);
    set_text(name_, f.subcorpora().txtName);
    set_text(conditions_, f.subcorpora().txtConditions);
    emoticonChoice_->setCurrentIndex(static_cast<int>(f.emoticons().choice));
    set_text(emoticonsFile_, f.emoticons().txtFile);
}

void ExploreWindow::showWordListChoices() {
    const ExploreForm::WordListTab& w = form_->wordList();
    const QSignalBlocker b1(byCode_), b2(code_), b3(glossaryOnly_), b4(notInDictionary_),
        b5(pattern_), b6(wordMinAuthors_);
    byCode_->setChecked(w.byCode);
    code_->setEnabled(w.byCode);
    wordScope_->setEnabled(!w.byCode);
    set_text(code_, w.txtCode);
    glossaryOnly_->setChecked(w.glossaryOnly);
    notInDictionary_->setChecked(w.notInDictionary);
    set_text(pattern_, w.txtPattern);
    wordMinAuthors_->setValue(static_cast<int>(std::min<std::uint32_t>(w.minAuthors, INT_MAX)));
    show_filters(wordFilters_, w.filters);
}

void ExploreWindow::showKeywordsChoices() {
    const ExploreForm::KeywordsTab& k = form_->keywords();
    show_filters(keyFilters_, k.filters);
    const QSignalBlocker b1(minAuthors_), b2(reference_), b3(referenceBands_);
    minAuthors_->setValue(k.minAuthors);
    set_text(reference_, k.txtReference);
    set_text(referenceBands_, k.txtReferenceBands);
}

void ExploreWindow::showConcordanceChoices() {
    const ExploreForm::ConcordanceTab& c = form_->concordance();
    const QSignalBlocker b1(query_), b2(literal_), b3(context_), b4(sort_);
    set_text(query_, c.txtQuery);
    literal_->setChecked(c.literal);
    context_->setValue(c.context);
    sort_->setCurrentIndex(static_cast<int>(c.sort));
    for (const auto& [field, box] : fieldBoxes_) {
        const QSignalBlocker b(box);
        box->setChecked(std::find(c.fields.begin(), c.fields.end(), field) != c.fields.end());
    }
}

// While a form index or a reference corpus is being made, what would start
// another waits; the window says so and stays in use.
void ExploreWindow::showWork() {
    const bool working = form_->working();
    setProperty("busy", working);
    for (QWidget* c : std::initializer_list<QWidget*>{
             emoticonChoice_, emoticonsFile_, chooseEmoticons_, reference_, referenceTable_,
             referenceFolder_, referenceBuiltin_, referenceBands_, readReference_, clearReference_})
        c->setEnabled(!working);
    clearReference_->setEnabled(!working && form_->reference());
    if (working && !workTimer_->isActive()) workTimer_->start();
}

// Only the tables that changed: a concordance may hold a million cells.
void ExploreWindow::showTables() {
    const ExploreForm& f = *form_;
    auto update = [](ResultTableView* view, const ResultTable& table, unsigned revision,
                     unsigned& shownRevision) {
        if (shownRevision == revision) return false;
        shownRevision = revision;
        view->setTable(table);
        return true;
    };
    update(subTable_, f.subcorpora().table, f.subcorpora().revision, shown_.subcorpora);
    update(wordTable_, f.wordList().table, f.wordList().revision, shown_.wordList);
    update(keyTable_, f.keywords().table, f.keywords().revision, shown_.keywords);
    if (update(concTable_, f.concordance().table, f.concordance().revision, shown_.concordance))
        tallyTable_->setTable(f.concordance().tally);
}

void ExploreWindow::showStatus() {
    const ExploreForm& f = *form_;
    auto status = [&f](Tab t, const std::string& line) {
        const std::string note = f.staleNote(t);
        return toQ(note.empty() ? line : note + (line.empty() ? "" : "\n" + line));
    };
    subStatus_->setText(toQ(f.subcorpora().status));
    wordStatus_->setText(status(Tab::WordList, f.wordList().status));
    keyStatus_->setText(status(Tab::Keywords, f.keywords().status));
    concStatus_->setText(status(Tab::Concordance, f.concordance().status));
    mark_stale(wordTable_, f.stale(Tab::WordList));
    mark_stale(keyTable_, f.stale(Tab::Keywords));
    mark_stale(concTable_, f.stale(Tab::Concordance));
    mark_stale(tallyTable_, f.stale(Tab::Concordance));
    auto stopNote = [](QLabel* l, const std::string& note) {
        l->setText(note.empty() ? QString() : "Stop list: " + toQ(note));
        l->setVisible(!note.empty());
    };
    stopNote(wordFilters_.stopListNote, f.wordList().filters.stopListNote);
    stopNote(keyFilters_.stopListNote, f.keywords().filters.stopListNote);
    emoticonsStatus_->setText(toQ(f.emoticons().status));
    referenceNote_->setText(toQ(f.keywords().referenceNote));
}

// ---- Ways in ------------------------------------------------------------------------------------

QWidget* createExploreWindow(std::shared_ptr<ExploreForm> form,
                             std::function<ExportHeader(std::string)> header, ExploreLinks links) {
    return new ExploreWindow(std::move(form), std::move(header), std::move(links));
}

bool run_in_explore_window(QWidget* window, const std::function<void(ExploreForm&)>& op) {
    auto* explore = qobject_cast<ExploreWindow*>(window);
    if (!explore) return false;
    explore->run(op);
    return true;
}

} // namespace zapt::ui
