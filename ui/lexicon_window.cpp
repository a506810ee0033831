#include "ui/lexicon_window.h"

#include "app/corpus_source.h"
#include "ui/result_table_view.h"
#include "ui/table_actions.h"
#include "ui/text_convert.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zapt::ui {
namespace {

template <class T> T* named(T* w, const char* name, const QString& tip = QString()) {
    w->setObjectName(name);
    if (!tip.isEmpty()) w->setToolTip(tip);
    return w;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    return make_layout_button(parent, name, text, tip);
}

// Selects, without a signal, the view row showing table row `row` (-1: none).
void select_table_row(ResultTableView* view, int row) {
    QItemSelectionModel* s = view->selectionModel();
    const QSignalBlocker block(s);
    s->clearSelection();
    if (row < 0) return;
    for (int r = 0; r < view->model()->rowCount(); ++r) {
        if (view->tableRowAt(r) != row) continue;
        const QModelIndex at = view->model()->index(r, 0);
        s->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(at);
        return;
    }
}

} // namespace

LexiconWindow::LexiconWindow(std::shared_ptr<LexiconForm> form,
                             std::function<ExportHeader()> header,
                             std::function<void(const std::string& file)> use)
    : QWidget(nullptr, Qt::Window), form_(std::move(form)), header_(std::move(header)),
      use_(std::move(use)), dispatch_(*form_, {[this] { refresh(); }, {}}) {
    setObjectName("FormLexicon");
    setWindowTitle("Lexicon");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(dialog_font());
    resize(1080, 680);
    buildLayout();
    wire();
    // Proposing starts with the window; the list fills when it is done.
    run([](LexiconForm& f) { f.cmdPropose_Click(); });
}

void LexiconWindow::buildLayout() {
    auto* layout = new QVBoxLayout(this);
    inForce_ = named(new QLabel(this), "lblInForce",
                     "The glossary and variant families the corpus is read with now");
    inForce_->setWordWrap(true);
    layout->addWidget(inForce_);
    tabs_ = named(new QTabWidget(this), "tabLexicon");
    layout->addWidget(tabs_, 1);
    // Saving, and putting the lexicon in force.
    saveBase_ = named(new QLineEdit(this), "txtSaveBase",
                      "Where the lexicon is saved: NAME.json, NAME.csv, NAME-glossary.csv and "
                      "NAME-families.csv (beside the corpus by default, read again when it opens)");
    saveBase_->setPlaceholderText("a path without extension");
    save_ = button(this, "cmdSave", "Save", "Save the lexicon: decisions, glossary and families");
    useIt_ = button(this, "cmdUseLexicon", "Save and use",
                    "Save the lexicon and start the program again over this corpus with its "
                    "accepted forms as the glossary and its kept families as the variant "
                    "families (the other windows close)");
    useIt_->setVisible(static_cast<bool>(use_));
    useBritish_ = button(this, "cmdUseBritish", "Use British lists",
                         "Start the program again over this corpus with the built-in British "
                         "English glossary and variant families instead (the other windows close)");
    useBritish_->setVisible(use_ && form_->ownCorpus());
    auto* files = new QHBoxLayout;
    files->addWidget(new QLabel("Save as:", this));
    files->addWidget(saveBase_, 1);
    files->addWidget(save_);
    files->addWidget(useIt_);
    files->addWidget(useBritish_);
    layout->addLayout(files);
    status_ = named(new QLabel(this), "lblStatus");
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(status_);

    tabs_->addTab(buildFormsTab(), "Forms");
    tabs_->addTab(buildFamiliesTab(), "Families");

    work_ = new QTimer(this);
    work_->setInterval(50);
}

QWidget* LexiconWindow::buildFormsTab() {
    // ---- Forms: the list, its filters, the selected form and its decision.
    auto* formsTab = new QWidget(tabs_);
    propose_ = button(formsTab, "cmdPropose", "Propose",
                      "Find the forms outside the standard dictionary (wbritish) seen at least "
                      "twice and propose what each one is");
    kindFilter_ = named(new QComboBox(formsTab), "cboKind", "Show the forms of one kind only");
    kindFilter_->addItem("all kinds");
    for (LexKind k : kAllKinds) kindFilter_->addItem(kind_name(k));
    statusFilter_ =
        named(new QComboBox(formsTab), "cboStatus", "Show the forms of one status only");
    statusFilter_->addItems({"all statuses", "proposed", "accepted", "rejected"});
    minScore_ = named(new QLineEdit(formsTab), "txtMinScore",
                      "A score from 0 to 1: Accept above accepts the best candidate of every "
                      "proposed variant listed whose score is at least this");
    minScore_->setText("0.9");
    minScore_->setMaximumWidth(60);
    acceptAbove_ = button(formsTab, "cmdAcceptAbove", "Accept above",
                          "Accept the best candidate of every proposed variant listed scoring at "
                          "least the score typed (one step to undo)");
    mergeBritish_ =
        button(formsTab, "cmdMergeBritish", "Merge British glossary",
               "Accept the built-in British English glossary's interpretations for the forms "
               "still proposed, as a starting point (one step to undo)");
    undo_ = button(formsTab, "cmdUndo", "Undo", "Undo the last change (Ctrl+Z)");
    redo_ = button(formsTab, "cmdRedo", "Redo", "Redo the change undone (Ctrl+Y)");
    auto* filters = new QHBoxLayout;
    filters->addWidget(propose_);
    filters->addWidget(new QLabel("Show:", formsTab));
    filters->addWidget(kindFilter_);
    filters->addWidget(statusFilter_);
    filters->addSpacing(12);
    filters->addWidget(new QLabel("Score at least:", formsTab));
    filters->addWidget(minScore_);
    filters->addWidget(acceptAbove_);
    filters->addWidget(mergeBritish_);
    filters->addStretch(1);
    filters->addWidget(undo_);
    filters->addWidget(redo_);

    forms_ = named(new ResultTableView(formsTab), "tblForms",
                   "The forms outside the standard dictionary, by count; select one to see its "
                   "candidates and lines");
    forms_->setRoundShown(true);
    forms_->setSelectionMode(QAbstractItemView::SingleSelection);
    forms_->setSelectionBehavior(QAbstractItemView::SelectRows);

    QWidget* side = buildFormSide(formsTab);

    auto* split = new QSplitter(formsTab);
    split->addWidget(forms_);
    split->addWidget(side);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    auto* formsLayout = new QVBoxLayout(formsTab);
    formsLayout->addLayout(filters);
    formsLayout->addWidget(split, 1);
    return formsTab;
}

QWidget* LexiconWindow::buildFormSide(QWidget* parent) {
    auto* side = new QWidget(parent);
    selectedForm_ = named(new QLabel(side), "lblForm");
    selectedForm_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    candidates_ = named(new ResultTableView(side), "tblCandidates",
                        "The likeliest standard words the form stands for, best first; "
                        "double-click one to accept it");
    candidates_->setRoundShown(true);
    candidates_->setSelectionMode(QAbstractItemView::SingleSelection);
    candidates_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lines_ = named(new ResultTableView(side), "tblLines",
                   "A few lines of the form in the corpus (author codes only, never more than "
                   "half of a text)");
    lines_->setColumnLook("left", ColumnLook{Qt::AlignRight | Qt::AlignVCenter, false});
    lines_->setColumnLook("hit", ColumnLook{Qt::AlignHCenter | Qt::AlignVCenter, true});
    accept_ = button(side, "cmdAccept", "Accept",
                     "Accept the proposal: a variant's best candidate, or the kind proposed");
    interpretation_ = named(new QLineEdit(side), "txtInterpretation",
                            "Another interpretation of the form; Enter accepts it");
    interpretation_->setPlaceholderText("type an interpretation");
    acceptTyped_ = button(side, "cmdAcceptTyped", "Accept typed",
                          "Accept the interpretation typed for the form");
    setKind_ = named(new QComboBox(side), "cboSetKind",
                     "Set the form's kind (a kind other than variant or unresolved is accepted)");
    setKind_->addItem("set kind...");
    for (LexKind k : kAllKinds) setKind_->addItem(kind_name(k));
    reject_ = button(side, "cmdReject", "Reject", "Not a form of the lexicon");
    reset_ = button(side, "cmdReset", "Reset", "Back to the proposal");
    auto* decide = new QHBoxLayout;
    decide->addWidget(accept_);
    decide->addWidget(setKind_);
    decide->addWidget(reject_);
    decide->addWidget(reset_);
    auto* typed = new QHBoxLayout;
    typed->addWidget(interpretation_, 1);
    typed->addWidget(acceptTyped_);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(selectedForm_);
    sideLayout->addLayout(decide);
    sideLayout->addLayout(typed);
    sideLayout->addWidget(new QLabel("Candidates:", side));
    sideLayout->addWidget(candidates_, 1);
    sideLayout->addWidget(new QLabel("Lines:", side));
    sideLayout->addWidget(lines_, 1);

    return side;
}

QWidget* LexiconWindow::buildFamiliesTab() {
    // ---- Families: the accepted variants gathered by their interpretation.
    auto* famTab = new QWidget(tabs_);
    families_ = named(new ResultTableView(famTab), "tblFamilies",
                      "The variant families: the accepted variants of one interpretation; the "
                      "kept ones are the corpus's families");
    families_->setSelectionMode(QAbstractItemView::SingleSelection);
    families_->setSelectionBehavior(QAbstractItemView::SelectRows);
    keep_ = named(new QCheckBox("Keep", famTab), "chkKeep",
                  "Keep the selected family as one of the corpus's variant families");
    familyName_ = named(new QLineEdit(famTab), "txtFamilyName",
                        "A new name for the selected family; Enter renames it");
    rename_ = button(famTab, "cmdRenameFamily", "Rename", "Rename the selected family");
    mergeFrom_ =
        named(new QComboBox(famTab), "cboMergeFrom", "The family to merge into the selected one");
    merge_ = button(famTab, "cmdMergeFamily", "Merge into selected",
                    "Move every form of the family chosen into the selected family");
    splitForms_ = named(new QLineEdit(famTab), "txtSplitForms",
                        "Variants of the selected family to move out, separated by blanks");
    splitForms_->setPlaceholderText("variants to move");
    splitName_ = named(new QLineEdit(famTab), "txtSplitName", "The new family's name");
    splitName_->setPlaceholderText("new family");
    split_ = button(famTab, "cmdSplitFamily", "Split off",
                    "Move the variants typed into a new family of the name typed");
    auto* famRow1 = new QHBoxLayout;
    famRow1->addWidget(keep_);
    famRow1->addWidget(familyName_, 1);
    famRow1->addWidget(rename_);
    famRow1->addSpacing(12);
    famRow1->addWidget(mergeFrom_, 1);
    famRow1->addWidget(merge_);
    auto* famRow2 = new QHBoxLayout;
    famRow2->addWidget(splitForms_, 2);
    famRow2->addWidget(splitName_, 1);
    famRow2->addWidget(split_);
    familiesNote_ = named(new QLabel(famTab), "lblFamiliesHelp");
    familiesNote_->setWordWrap(true);
    auto* famLayout = new QVBoxLayout(famTab);
    famLayout->addWidget(familiesNote_);
    famLayout->addLayout(famRow1);
    famLayout->addLayout(famRow2);
    famLayout->addWidget(families_, 1);
    return famTab;
}

void LexiconWindow::wire() {
    // Exports name the lexicon being decided beside the one in force.
    auto header = [this] {
        ExportHeader h = header_ ? header_() : ExportHeader{};
        if (form_->ready())
            h.notes.insert(h.notes.begin(), form_->lexicon().caption() + " (being decided)");
        return h;
    };
    auto source = [this, header](ResultTableView* view, std::function<ResultTable()> table) {
        attach_table(view,
                     {std::move(table), header, [view] { return view->selectedTableRow(); }, {}});
    };
    source(forms_, [this] { return form_->table(); });
    source(candidates_, [this] { return form_->candidates(); });
    source(lines_, [this] { return form_->lines(); });
    source(families_, [this] { return form_->familiesTable(); });

    connect(work_, &QTimer::timeout, this, [this] {
        dispatch_.runIf([](LexiconForm& f) { return f.poll(); });
        if (!form_->proposing()) work_->stop();
    });
    connect(save_, &QPushButton::clicked, this, [this] {
        const std::string base = fromQ(saveBase_->text());
        run([base](LexiconForm& f) { f.cmdSave_Click(base); });
    });
    connect(useIt_, &QPushButton::clicked, this, [this] {
        const std::string base = fromQ(saveBase_->text());
        run([this, base](LexiconForm& f) {
            // The program starts again once this event has been handled.
            if (std::optional<std::string> file = f.cmdSave_Click(base); file && use_)
                QTimer::singleShot(0, this, [this, file = *file] { use_(file); });
        });
    });
    connect(useBritish_, &QPushButton::clicked, this, [this] {
        if (use_) use_(kBritishLexicon);
    });
    // Enter on a form accepts its proposal; on a candidate, that candidate.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* onForm =
            new QShortcut(QKeySequence(key), forms_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(onForm, &QShortcut::activated, this,
                [this] { run([](LexiconForm& f) { f.cmdAccept_Click(); }); });
        auto* onCandidate =
            new QShortcut(QKeySequence(key), candidates_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(onCandidate, &QShortcut::activated, this, [this] {
            const int k = candidates_->selectedTableRow();
            run([k](LexiconForm& f) { f.lstCandidates_DblClick(k); });
        });
    }
    wireForms();
    wireFamilies();
}

void LexiconWindow::wireForms() {
    connect(propose_, &QPushButton::clicked, this,
            [this] { run([](LexiconForm& f) { f.cmdPropose_Click(); }); });
    connect(kindFilter_, &QComboBox::activated, this, [this](int i) {
        std::optional<LexKind> k;
        if (i > 0) k = kAllKinds[i - 1];
        run([k](LexiconForm& f) { f.cboKind_Change(k); });
    });
    connect(statusFilter_, &QComboBox::activated, this, [this](int i) {
        std::optional<LexStatus> s;
        if (i > 0) s = static_cast<LexStatus>(i - 1);
        run([s](LexiconForm& f) { f.cboStatus_Change(s); });
    });
    auto acceptAbove = [this] {
        const std::string score = fromQ(minScore_->text());
        run([score](LexiconForm& f) { f.cmdAcceptAbove_Click(score); });
    };
    connect(acceptAbove_, &QPushButton::clicked, this, acceptAbove);
    connect(minScore_, &QLineEdit::returnPressed, this, acceptAbove);
    connect(mergeBritish_, &QPushButton::clicked, this,
            [this] { run([](LexiconForm& f) { f.cmdMergeBritish_Click(); }); });
    connect(undo_, &QPushButton::clicked, this,
            [this] { run([](LexiconForm& f) { f.cmdUndo_Click(); }); });
    connect(redo_, &QPushButton::clicked, this,
            [this] { run([](LexiconForm& f) { f.cmdRedo_Click(); }); });
    auto* undoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    connect(undoKey, &QShortcut::activated, this,
            [this] { run([](LexiconForm& f) { f.cmdUndo_Click(); }); });
    auto* redoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), this);
    connect(redoKey, &QShortcut::activated, this,
            [this] { run([](LexiconForm& f) { f.cmdRedo_Click(); }); });

    // The row made current (its selection follows after this signal).
    connect(forms_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (showing_) return;
                const int row = current.isValid() ? forms_->tableRowAt(current.row()) : -1;
                run([row](LexiconForm& f) { f.lstForms_Click(row); });
            });
    connect(accept_, &QPushButton::clicked, this,
            [this] { run([](LexiconForm& f) { f.cmdAccept_Click(); }); });
    connect(candidates_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& at) {
        const int k = candidates_->tableRowAt(at.row());
        run([k](LexiconForm& f) { f.lstCandidates_DblClick(k); });
    });
    auto acceptTyped = [this] {
        const std::string text = fromQ(interpretation_->text());
        run([text](LexiconForm& f) { f.cmdAcceptTyped_Click(text); });
    };
    connect(acceptTyped_, &QPushButton::clicked, this, acceptTyped);
    connect(interpretation_, &QLineEdit::returnPressed, this, acceptTyped);
    connect(setKind_, &QComboBox::activated, this, [this](int i) {
        if (i <= 0) return;
        const LexKind k = kAllKinds[i - 1];
        run([k](LexiconForm& f) { f.cboSetKind_Change(k); });
    });
    connect(reject_, &QPushButton::clicked, this,
            [this] { run([](LexiconForm& f) { f.cmdReject_Click(); }); });
    connect(reset_, &QPushButton::clicked, this,
            [this] { run([](LexiconForm& f) { f.cmdReset_Click(); }); });
}

void LexiconWindow::wireFamilies() {
    // The row made current (its selection follows after this signal).
    connect(families_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (showing_) return;
                const int row = current.isValid() ? families_->tableRowAt(current.row()) : -1;
                run([row](LexiconForm& f) { f.lstFamilies_Click(row); });
            });
    connect(keep_, &QCheckBox::clicked, this,
            [this](bool on) { run([on](LexiconForm& f) { f.chkKeep_Click(on); }); });
    auto rename = [this] {
        const std::string name = fromQ(familyName_->text());
        run([name](LexiconForm& f) { f.cmdRenameFamily_Click(name); });
    };
    connect(rename_, &QPushButton::clicked, this, rename);
    connect(familyName_, &QLineEdit::returnPressed, this, rename);
    connect(merge_, &QPushButton::clicked, this, [this] {
        const int from = mergeFrom_->currentIndex();
        run([from](LexiconForm& f) { f.cmdMergeFamily_Click(from); });
    });
    auto splitOff = [this] {
        const std::string forms = fromQ(splitForms_->text()), name = fromQ(splitName_->text());
        run([forms, name](LexiconForm& f) { f.cmdSplitFamily_Click(forms, name); });
    };
    connect(split_, &QPushButton::clicked, this, splitOff);
    connect(splitName_, &QLineEdit::returnPressed, this, splitOff);
}

void LexiconWindow::refresh() {
    const LexiconForm& f = *form_;
    if (f.proposing() && !work_->isActive()) work_->start();
    setProperty("busy", f.proposing());
    status_->setText(toQ(f.status()));
    inForce_->setText(toQ(f.inForce()));
    if (shown_ == f.revision()) return;
    shown_ = f.revision();
    showing_ = true;
    const QScopeGuard done([this] { showing_ = false; });
    const bool ready = f.ready();
    propose_->setEnabled(!ready && !f.proposing());
    if (saveBase_->text().isEmpty() || !ready) saveBase_->setText(toQ(f.saveBase()));
    for (QWidget* c :
         std::initializer_list<QWidget*>{kindFilter_, statusFilter_, minScore_, acceptAbove_,
                                         mergeBritish_, saveBase_, save_, useIt_})
        c->setEnabled(ready);
    undo_->setEnabled(f.canUndo());
    redo_->setEnabled(f.canRedo());

    forms_->setTable(f.table());
    select_table_row(forms_, f.selected());
    const LexiconEntry* e = nullptr;
    if (f.selected() >= 0) e = &f.lexicon().entry(f.rows()[static_cast<std::size_t>(f.selected())]);
    if (e) {
        selectedForm_->setText(toQ("\"" + e->proposal.shown + "\": " + kind_name(e->decision.kind) +
                                   ", " + status_name(e->decision.status) + ". " +
                                   e->proposal.reason));
    } else {
        selectedForm_->setText(ready ? "Select a form in the list." : QString());
    }
    for (QWidget* c : std::initializer_list<QWidget*>{accept_, interpretation_, acceptTyped_,
                                                      setKind_, reject_, reset_})
        c->setEnabled(e != nullptr);
    {
        const QSignalBlocker block(setKind_);
        setKind_->setCurrentIndex(0);
    }
    candidates_->setTable(f.candidates());
    lines_->setTable(f.lines());

    const ResultTable& fam = f.familiesTable();
    families_->setTable(fam);
    select_table_row(families_, f.selectedFamily());
    {
        const QSignalBlocker block(mergeFrom_);
        const int at = mergeFrom_->currentIndex();
        mergeFrom_->clear();
        for (const auto& row : fam.rows) mergeFrom_->addItem(toQ(row[0]));
        if (at >= 0 && at < mergeFrom_->count()) mergeFrom_->setCurrentIndex(at);
    }
    std::size_t kept = 0;
    for (const auto& row : fam.rows) kept += row[3] == "yes";
    familiesNote_->setText(
        fam.rows.empty()
            ? QString("A family gathers the accepted variants of one interpretation (tomorrow: "
                      "tmr, 2moro). Accept variants on the Forms tab first.")
            : QString("%1 families, %2 kept. Kept families become the corpus's variant "
                      "families when the lexicon is used (Save and use).")
                  .arg(fam.rows.size())
                  .arg(kept));
    const bool family = f.selectedFamily() >= 0;
    for (QWidget* c : std::initializer_list<QWidget*>{keep_, familyName_, rename_, mergeFrom_,
                                                      merge_, splitForms_, splitName_, split_})
        c->setEnabled(family);
    // The name box starts from the selected family's name.
    const std::string familyName =
        family ? fam.rows[static_cast<std::size_t>(f.selectedFamily())][0] : std::string();
    if (familyName != familyShown_) {
        familyShown_ = familyName;
        familyName_->setText(toQ(familyName));
    }
    {
        const QSignalBlocker block(keep_);
        keep_->setChecked(family &&
                          fam.rows[static_cast<std::size_t>(f.selectedFamily())][3] == "yes");
    }
}

} // namespace zapt::ui
