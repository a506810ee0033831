#include "ui/explore_window.h"

#include "ui/result_table_view.h"
#include "ui/table_actions.h"
#include "ui/text_convert.h"
#include "ui/widgets.h"
#include "ui/window_manager.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zapt::ui {
namespace {

using Tab = ExploreForm::Tab;

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
// corpus") with the state's names, keeping the choice `selected`.
void fill_choices(QComboBox* box, const std::vector<Subcorpus>& list, int selected, bool rest) {
    const QSignalBlocker block(box);
    box->clear();
    for (std::size_t i = 0; i < list.size(); ++i)
        box->addItem(toQ(list[i].name), static_cast<int>(i));
    if (rest) box->addItem("rest of the corpus", ExploreForm::kRestOfCorpus);
    box->setCurrentIndex(std::max(0, box->findData(selected)));
}

} // namespace

QWidget* createExploreWindow(std::shared_ptr<ExploreForm> form,
                             std::function<ExportHeader(std::string)> header) {
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName("FormExplore");
    w->setWindowTitle("Explore");
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setFont(dialog_font());
    w->resize(900, 600);
    auto* tabs = named(new QTabWidget(w), "tabExplore");
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(tabs);

    // Subcorpora.
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
    {
        auto* form_ = new QFormLayout;
        form_->addRow("Name:", name);
        auto* row = new QHBoxLayout;
        row->addWidget(conditions, 1);
        row->addWidget(define);
        row->addWidget(remove);
        form_->addRow("Conditions:", row);
        auto* v = new QVBoxLayout(subTab);
        v->addLayout(form_);
        v->addWidget(fieldsNote);
        v->addWidget(subTable, 1);
        v->addWidget(subStatus);
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
    auto* wordTable = named(new ResultTableView(wordTab), "tblWordList");
    wordTable->setRoundShown(true);
    auto* wordStatus = status_label(wordTab, "lblWordListStatus");
    {
        auto* row1 = new QHBoxLayout;
        row1->addWidget(new QLabel("Subcorpus:", wordTab));
        row1->addWidget(wordScope, 1);
        row1->addWidget(byCode);
        row1->addWidget(code);
        auto* row2 = new QHBoxLayout;
        row2->addWidget(new QLabel("Pattern:", wordTab));
        row2->addWidget(pattern, 1);
        row2->addWidget(glossaryOnly);
        row2->addWidget(notInDictionary);
        row2->addWidget(list);
        auto* v = new QVBoxLayout(wordTab);
        v->addLayout(row1);
        v->addLayout(row2);
        v->addWidget(wordTable, 1);
        v->addWidget(wordStatus);
    }
    tabs->addTab(wordTab, "Word list");

    // Keywords.
    auto* keyTab = new QWidget(tabs);
    auto* sideA = named(new QComboBox(keyTab), "cboKeywordsA", "Subcorpus A");
    auto* sideB =
        named(new QComboBox(keyTab), "cboKeywordsB", "Subcorpus B, or the rest of the corpus");
    auto* minAuthors = named(new QSpinBox(keyTab), "spnMinAuthors",
                             "A form is a keyword of its side only when at least this many "
                             "authors of that side use it");
    minAuthors->setRange(0, 1000);
    auto* findKeywords =
        make_layout_button(keyTab, "cmdKeywords", "Keywords",
                           "Forms used relatively more in A than in B, or in B than in A, "
                           "by log-likelihood");
    auto* keyTable = named(new ResultTableView(keyTab), "tblKeywords");
    keyTable->setRoundShown(true);
    auto* keyStatus = status_label(keyTab, "lblKeywordsStatus");
    {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel("A:", keyTab));
        row->addWidget(sideA, 1);
        row->addWidget(new QLabel("against B:", keyTab));
        row->addWidget(sideB, 1);
        row->addWidget(new QLabel("Min. authors:", keyTab));
        row->addWidget(minAuthors);
        row->addWidget(findKeywords);
        auto* v = new QVBoxLayout(keyTab);
        v->addLayout(row);
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
    auto* context = named(new QSpinBox(concTab), "spnContext",
                          "Words shown each side of the hit, within its own text; a line "
                          "never shows more than half of its text");
    context->setRange(kMinContext, kMaxContext);
    auto* sort = named(new QComboBox(concTab), "cboSort", "The order of the lines");
    sort->addItems({"corpus order", "by words left", "by words right"});
    auto* search = make_layout_button(concTab, "cmdConcordance", "Search",
                                      "Show the lines of the form or pattern");
    auto* concTable = named(new ResultTableView(concTab), "tblConcordance");
    auto* concStatus = status_label(concTab, "lblConcordanceStatus");
    {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel("Subcorpus:", concTab));
        row->addWidget(concScope, 1);
        row->addWidget(new QLabel("Form or pattern:", concTab));
        row->addWidget(query, 1);
        row->addWidget(new QLabel("Context:", concTab));
        row->addWidget(context);
        row->addWidget(sort);
        row->addWidget(search);
        auto* v = new QVBoxLayout(concTab);
        v->addLayout(row);
        v->addWidget(concTable, 1);
        v->addWidget(concStatus);
    }
    tabs->addTab(concTab, "Concordance");

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
    };
    // Shows the state: the choices as the state holds them (without sending
    // their change events back) and every table.
    auto show = [=] {
        const ExploreForm& f = *form;
        const auto& subs = f.subcorpora().list;
        {
            const QSignalBlocker b1(tabs), b2(name), b3(conditions), b4(byCode), b5(code),
                b6(glossaryOnly), b7(notInDictionary), b8(pattern), b9(minAuthors), b10(query),
                b11(context), b12(sort);
            tabs->setCurrentIndex(static_cast<int>(f.tab()));
            if (name->text() != toQ(f.subcorpora().txtName))
                name->setText(toQ(f.subcorpora().txtName));
            if (conditions->text() != toQ(f.subcorpora().txtConditions))
                conditions->setText(toQ(f.subcorpora().txtConditions));
            byCode->setChecked(f.wordList().byCode);
            code->setEnabled(f.wordList().byCode);
            wordScope->setEnabled(!f.wordList().byCode);
            if (code->text() != toQ(f.wordList().txtCode)) code->setText(toQ(f.wordList().txtCode));
            glossaryOnly->setChecked(f.wordList().glossaryOnly);
            notInDictionary->setChecked(f.wordList().notInDictionary);
            if (pattern->text() != toQ(f.wordList().txtPattern))
                pattern->setText(toQ(f.wordList().txtPattern));
            minAuthors->setValue(f.keywords().minAuthors);
            if (query->text() != toQ(f.concordance().txtQuery))
                query->setText(toQ(f.concordance().txtQuery));
            context->setValue(f.concordance().context);
            sort->setCurrentIndex(static_cast<int>(f.concordance().sort));
        }
        fill_choices(wordScope, subs, f.wordList().scope, false);
        fill_choices(sideA, subs, f.keywords().a, false);
        fill_choices(sideB, subs, f.keywords().b, true);
        fill_choices(concScope, subs, f.concordance().scope, false);
        remove->setEnabled(f.subcorpora().selected > 0);
        // Only the tables that changed: a concordance may hold a million cells.
        auto update = [](ResultTableView* view, const ResultTable& table, unsigned revision,
                         unsigned& shownRevision) {
            if (shownRevision == revision) return;
            shownRevision = revision;
            view->setTable(table);
        };
        update(subTable, f.subcorpora().table, f.subcorpora().revision, shown->subcorpora);
        update(wordTable, f.wordList().table, f.wordList().revision, shown->wordList);
        update(keyTable, f.keywords().table, f.keywords().revision, shown->keywords);
        update(concTable, f.concordance().table, f.concordance().revision, shown->concordance);
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

    QStringList fieldNames = {"age", "gender", "education", "native", "code"};
    if (const auto* columns = form->fields().metadataColumns)
        for (const std::string& c : *columns) fieldNames << toQ(c);
    QString textFields;
    if (const auto* columns = form->fields().textColumns; columns && !columns->empty()) {
        QStringList names;
        for (const std::string& c : *columns) names << toQ(c);
        textFields =
            " Text fields (a value per text; they choose no authors): " + names.join(", ") + ".";
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
    auto listNow = [=] { run([](ExploreForm& f) { f.cmdWordList_Click(); }); };
    QObject::connect(list, &QPushButton::clicked, w, listNow);
    QObject::connect(pattern, &QLineEdit::returnPressed, w, listNow);
    QObject::connect(code, &QLineEdit::returnPressed, w, listNow);

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
    auto keywordsNow = [=] { run([](ExploreForm& f) { f.cmdKeywords_Click(); }); };
    QObject::connect(findKeywords, &QPushButton::clicked, w, keywordsNow);
    new EnterRuns(minAuthors, keywordsNow);

    QObject::connect(concScope, &QComboBox::activated, w, [=](int i) {
        const int s = concScope->itemData(i).toInt();
        record([s](ExploreForm& f) { f.concordanceScope_Click(s); });
    });
    QObject::connect(query, &QLineEdit::textChanged, w, [=](const QString& t) {
        record([s = fromQ(t)](ExploreForm& f) { f.txtQuery_Change(s); });
    });
    QObject::connect(context, &QSpinBox::valueChanged, w,
                     [=](int n) { record([n](ExploreForm& f) { f.context_Change(n); }); });
    QObject::connect(sort, &QComboBox::activated, w, [=](int i) {
        // The order picked here replaces a column the user sorted by.
        concTable->clearSort();
        run([i](ExploreForm& f) { f.sort_Click(static_cast<ConcordanceSort>(i)); });
    });
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
    attach_table(wordTable,
                 source([form] { return form->wordList().table; },
                        [form] { return form->exportSelection(Tab::WordList); }, wordTable));
    attach_table(keyTable,
                 source([form] { return form->keywords().table; },
                        [form] { return form->exportSelection(Tab::Keywords); }, keyTable));
    attach_table(concTable,
                 source([form] { return form->concordanceTable(); },
                        [form] { return form->exportSelection(Tab::Concordance); }, concTable));
    show();
    add_window_keys(w);
    return w;
}

} // namespace zapt::ui
