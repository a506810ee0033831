#include "ui/open_corpus_dialog.h"

#include "ui/text_convert.h"
#include "ui/widgets.h"
#include "ui/window_manager.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zapt::ui {
namespace {

QLineEdit* line_edit(QWidget* parent, const char* name, const QString& text) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    return e;
}

void fill_table(QTableWidget* t, const std::vector<std::string>& headings,
                const std::vector<std::vector<std::string>>& rows) {
    t->clear();
    t->setColumnCount(static_cast<int>(headings.size()));
    t->setRowCount(static_cast<int>(rows.size()));
    QStringList h;
    for (const std::string& s : headings) h << toQ(s);
    t->setHorizontalHeaderLabels(h);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size() && c < headings.size(); ++c) {
            auto* item = new QTableWidgetItem(toQ(rows[r][c]));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            t->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    t->resizeColumnsToContents();
}

QTableWidget* table(QWidget* parent, const char* name) {
    auto* t = new QTableWidget(parent);
    t->setObjectName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

// Why a column is the kind of field it is, in a few words.
std::string field_reason(const MetadataField& f) {
    if (f.chosen) return "chosen";
    if (f.informative == 0) return "no author has two texts giving a value";
    return (f.textField ? "its value differs between the texts of " : "the same in the texts of ") +
           std::to_string(f.textField ? f.differing : f.informative - f.differing) + " of " +
           std::to_string(f.informative) + " authors with two texts or more";
}

} // namespace

// ---- The state's operations ---------------------------------------------------------------------

std::optional<CorpusOptions> OpenCorpusState::offer(const std::string& chosen, bool* kept) {
    const std::string key = SettingsStore::key(chosen);
    if (key == offeredFor) return std::nullopt;
    offeredFor = key;
    *kept = false;
    CorpusOptions o = offered_options(chosen, current, settings.get(), kept);
    keptNote = *kept ? " The settings kept for this corpus are filled in." : "";
    fields.textFields = o.table.textFields;
    fields.authorFields = o.table.authorFields;
    return o;
}

void OpenCorpusState::check(const CorpusOptions& options) {
    preview = preview_corpus(options);
    found = preview->fields;
}

// ---- The window ---------------------------------------------------------------------------------

OpenCorpusWindow::OpenCorpusWindow(const CorpusOptions& current,
                                   std::shared_ptr<const SettingsStore> settings,
                                   std::function<void(const std::vector<std::string>&)> start)
    : QWidget(nullptr, Qt::Window),
      // Reading a corpus may take a while: the wait cursor stands meanwhile.
      dispatch_(state_, {[this] { refresh(); }, {}},
                Dispatcher<OpenCorpusState>::Cursor::WaitWhileRunning),
      start_(std::move(start)) {
    setObjectName("FormOpenCorpus");
    setWindowTitle("Open corpus");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(dialog_font());
    resize(800, 600);
    state_.current = current;
    state_.current.table.progress = {};
    state_.settings = std::move(settings);
    state_.fields.textFields = current.table.textFields;
    state_.fields.authorFields = current.table.authorFields;
    state_.offeredFor = current.path.empty() ? std::string() : SettingsStore::key(current.path);
    buildLayout();
    wire();
    add_window_keys(this);
}

OpenCorpusWindow::~OpenCorpusWindow() {
    // The controls go while the state their events reach is still there.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

// ---- Layout -------------------------------------------------------------------------------------

void OpenCorpusWindow::buildLayout() {
    QGridLayout* grid = buildChoices();
    summary_ = new QLabel("Choose a table or a folder.", this);
    summary_->setObjectName("lblSummary");
    summary_->setWordWrap(true);
    QTabWidget* tabs = buildPreviewTabs();

    open_ = make_layout_button(this, "cmdOpen", "Open");
    open_->setToolTip("Start the program afresh on this corpus");
    open_->setEnabled(false);
    cancel_ = make_layout_button(this, "cmdCancel", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(open_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(summary_);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
}

// The corpus and how it is read, one row each.
QGridLayout* OpenCorpusWindow::buildChoices() {
    const CorpusOptions& current = state_.current;
    auto* grid = new QGridLayout;
    path_ = line_edit(this, "txtCorpusPath", toQ(current.path));
    path_->setPlaceholderText(
        "a CSV or TSV table, or a folder with register.json and corpus.jsonl");
    chooseTable_ = make_layout_button(this, "cmdChooseTable", "Table...");
    chooseFolder_ = make_layout_button(this, "cmdChooseFolder", "Folder...");
    chooseTable_->setToolTip("Choose a CSV or TSV file with a header row and one row per text");
    chooseFolder_->setToolTip("Choose a folder with register.json and corpus.jsonl");
    grid->addWidget(new QLabel("Corpus:", this), 0, 0);
    grid->addWidget(path_, 0, 1);
    grid->addWidget(chooseTable_, 0, 2);
    grid->addWidget(chooseFolder_, 0, 3);
    bands_ = line_edit(this, "txtBands", toQ(current.bands));
    bands_->setToolTip("Age bands, youngest first, e.g. 16-20,21-25,26-40,41+ "
                       "(at most five for the main window; empty: the built-in five)");
    check_ = make_layout_button(this, "cmdCheck", "Check");
    check_->setToolTip("Read the corpus with these settings and show what was found");
    grid->addWidget(new QLabel("Age bands:", this), 1, 0);
    grid->addWidget(bands_, 1, 1);
    grid->addWidget(check_, 1, 2);
    map_ = line_edit(this, "txtMap", toQ(map_text(current.table)));
    map_->setPlaceholderText("columns found by their names; or FIELD=COLUMN; ..., e.g. "
                             "author=Sender ID; text=Message");
    map_->setToolTip("A table's column read as a field (text, author, age, gender, "
                     "education, native or code), as --map gives it");
    grid->addWidget(new QLabel("Columns:", this), 2, 0);
    grid->addWidget(map_, 2, 1);
    glossary_ = line_edit(this, "txtGlossary", toQ(current.glossary));
    glossary_->setPlaceholderText("the corpus's own, or the built-in British-English glossary");
    chooseGlossary_ = make_layout_button(this, "cmdChooseGlossary", "File...",
                                         "Choose a glossary (JSON, or CSV with "
                                         "form,interpretation)");
    grid->addWidget(new QLabel("Glossary:", this), 3, 0);
    grid->addWidget(glossary_, 3, 1);
    grid->addWidget(chooseGlossary_, 3, 2);
    families_ = line_edit(this, "txtFamilies", toQ(current.families));
    families_->setPlaceholderText(
        "the corpus's own, or the built-in British-English variant families");
    chooseFamilies_ = make_layout_button(this, "cmdChooseFamilies", "File...",
                                         "Choose the variant families (JSON, or CSV with "
                                         "family,form)");
    grid->addWidget(new QLabel("Families:", this), 4, 0);
    grid->addWidget(families_, 4, 1);
    grid->addWidget(chooseFamilies_, 4, 2);
    encoding_ = line_edit(this, "txtEncoding", toQ(current.table.encoding));
    encoding_->setPlaceholderText("UTF-8 (or UTF-16 with its byte-order mark)");
    encoding_->setToolTip("The encoding of a table that is not UTF-8, e.g. windows-1252");
    useEncoding_ = make_layout_button(this, "cmdUseEncoding", "Read as...",
                                      "Read the table in the encoding proposed");
    useEncoding_->setVisible(false);
    grid->addWidget(new QLabel("Encoding:", this), 5, 0);
    grid->addWidget(encoding_, 5, 1);
    grid->addWidget(useEncoding_, 5, 2, 1, 2);
    return grid;
}

// What a check found: the columns, the fields, the first rows, the bands and
// the problems, one tab each.
QTabWidget* OpenCorpusWindow::buildPreviewTabs() {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabPreview");
    columns_ = new QListWidget(tabs_);
    columns_->setObjectName("lstColumns");
    auto* fieldsPage = new QWidget(tabs_);
    fieldsTable_ = table(fieldsPage, "tblFields");
    fieldsTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fieldsTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    switchField_ = make_layout_button(fieldsPage, "cmdSwitchField", "Switch author/text field",
                                      "Read the selected column as the other kind of field");
    switchField_->setEnabled(false);
    auto* fieldsHelp = new QLabel(
        "An author field gives each author one value (that of most of their texts): it can "
        "choose subcorpora and make groups. A text field gives each text its own value (an id, "
        "a date): it never makes a group of authors.",
        fieldsPage);
    fieldsHelp->setWordWrap(true);
    auto* l = new QVBoxLayout(fieldsPage);
    l->addWidget(fieldsHelp);
    l->addWidget(fieldsTable_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(switchField_);
    l->addLayout(row);
    rows_ = table(tabs_, "tblFirstRows");
    bandTable_ = table(tabs_, "tblBands");
    problems_ = new QPlainTextEdit(tabs_);
    problems_->setObjectName("txtProblems");
    problems_->setReadOnly(true);
    problems_->setLineWrapMode(QPlainTextEdit::NoWrap);
    tabs_->addTab(columns_, "Columns");
    tabs_->addTab(fieldsPage, "Author and text fields");
    tabs_->addTab(rows_, "First rows");
    tabs_->addTab(bandTable_, "Age bands");
    tabs_->addTab(problems_, "Problems");
    return tabs_;
}

// ---- Wiring -------------------------------------------------------------------------------------

void OpenCorpusWindow::wire() {
    connect(check_, &QPushButton::clicked, this, [this] { check(); });
    for (QLineEdit* e : {path_, bands_, map_, glossary_, families_, encoding_}) {
        connect(e, &QLineEdit::returnPressed, this, [this] { check(); });
        // Anything changed asks for another check before the corpus is opened.
        connect(e, &QLineEdit::textEdited, this, [this] { open_->setEnabled(false); });
    }
    connect(useEncoding_, &QPushButton::clicked, this, [this] { useEncoding(); });
    connect(switchField_, &QPushButton::clicked, this, [this] { switchField(); });
    wireChoosers();
    connect(open_, &QPushButton::clicked, this, [this] { openCorpus(); });
    connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
}

// The file and folder choosers: what is chosen is checked at once.
void OpenCorpusWindow::wireChoosers() {
    connect(chooseTable_, &QPushButton::clicked, this, [this] {
        choose(path_, QFileDialog::getOpenFileName(
                          this, "Open a corpus table", path_->text(),
                          "Tables (*.csv *.tsv *.txt *.CSV *.TSV *.TXT);;All files (*)"));
    });
    connect(chooseFolder_, &QPushButton::clicked, this, [this] {
        choose(path_,
               QFileDialog::getExistingDirectory(this, "Open a corpus folder", path_->text()));
    });
    auto chooseList = [this](QLineEdit* edit, const char* title) {
        choose(edit,
               QFileDialog::getOpenFileName(this, title, edit->text(),
                                            "Lists (*.json *.csv *.tsv *.txt);;All files (*)"));
    };
    connect(chooseGlossary_, &QPushButton::clicked, this,
            [chooseList, this] { chooseList(glossary_, "Choose a glossary"); });
    connect(chooseFamilies_, &QPushButton::clicked, this,
            [chooseList, this] { chooseList(families_, "Choose the variant families"); });
}

// ---- Events -------------------------------------------------------------------------------------

void OpenCorpusWindow::choose(QLineEdit* edit, const QString& path) {
    if (path.isEmpty()) return;
    edit->setText(path);
    check();
}

// The boxes of a newly chosen corpus: its kept settings, or else nothing of
// another table's columns (the bands and lists in force stay).
void OpenCorpusWindow::offer(const std::string& chosen) {
    auto offered = std::make_shared<std::optional<CorpusOptions>>();
    auto kept = std::make_shared<bool>(false);
    dispatch_.record(
        [chosen, offered, kept](OpenCorpusState& s) { *offered = s.offer(chosen, kept.get()); });
    if (!*offered) return;
    const CorpusOptions& o = **offered;
    if (*kept) {
        bands_->setText(toQ(o.bands));
        glossary_->setText(toQ(o.glossary));
        families_->setText(toQ(o.families));
    }
    map_->setText(toQ(map_text(o.table)));
    encoding_->setText(toQ(o.table.encoding));
}

// The options in the boxes; nothing, with the summary saying why, for a
// column mapping that cannot be read.
std::optional<CorpusOptions> OpenCorpusWindow::gather() {
    CorpusOptions o;
    o.path = fromQ(path_->text().trimmed());
    o.bands = fromQ(bands_->text().trimmed());
    o.glossary = fromQ(glossary_->text().trimmed());
    o.families = fromQ(families_->text().trimmed());
    o.table.encoding = fromQ(encoding_->text().trimmed());
    o.table.textFields = state_.fields.textFields;
    o.table.authorFields = state_.fields.authorFields;
    if (auto error = read_map_text(fromQ(map_->text()), o.table)) {
        summary_->setText("The column mapping cannot be used: " + toQ(*error));
        return std::nullopt;
    }
    return o;
}

// Reads the corpus named and shows what was found; only a corpus that can
// be read, with bands the main window can show, may be opened.
void OpenCorpusWindow::check() {
    open_->setEnabled(false);
    useEncoding_->setVisible(false);
    const std::string chosen = fromQ(path_->text().trimmed());
    if (chosen.empty()) {
        summary_->setText("Choose a table or a folder.");
        return;
    }
    offer(chosen);
    const std::optional<CorpusOptions> options = gather();
    if (!options) return;
    dispatch_.run([options = *options](OpenCorpusState& s) { s.check(options); });
}

void OpenCorpusWindow::switchField() {
    const int r = fieldsTable_->currentRow();
    if (r < 0 || static_cast<std::size_t>(r) >= state_.found.size()) {
        summary_->setText("Select a column in the list of author and text fields first.");
        return;
    }
    const MetadataField& f = state_.found[static_cast<std::size_t>(r)];
    dispatch_.record([name = f.name, text = !f.textField](OpenCorpusState& s) {
        choose_field_kind(s.fields, name, text);
    });
    check();
    fieldsTable_->selectRow(r);
}

void OpenCorpusWindow::useEncoding() {
    encoding_->setText(useEncoding_->property("encoding").toString());
    check();
    tabs_->setCurrentWidget(rows_);
}

void OpenCorpusWindow::openCorpus() {
    const std::optional<CorpusOptions> options = gather();
    if (!options) return;
    // Kept for the next time the corpus is chosen; a store that cannot be
    // written keeps nothing, and the program opens all the same.
    if (state_.settings) {
        std::string error;
        if (!state_.settings->saveOptions(*options, &error))
            qWarning("zapt: the corpus's settings are not kept: %s", error.c_str());
    }
    start_(corpus_arguments(*options));
}

// ---- Showing the preview ------------------------------------------------------------------------

void OpenCorpusWindow::refresh() {
    if (!state_.preview) return;
    const CorpusPreview& p = *state_.preview;
    columns_->clear();
    for (const std::string& c : p.columns) columns_->addItem(toQ(c));
    std::vector<std::vector<std::string>> fieldRows;
    for (const MetadataField& f : p.fields)
        fieldRows.push_back({f.name, f.textField ? "text field" : "author field", field_reason(f)});
    fill_table(fieldsTable_, {"column", "read as", "why"}, fieldRows);
    switchField_->setEnabled(!p.fields.empty());
    fill_table(rows_, p.headings, p.rows);
    std::vector<std::vector<std::string>> bandRows;
    for (const auto& [caption, n] : p.bands) bandRows.push_back({caption, std::to_string(n)});
    bandRows.push_back(
        {"in no band (age across two bands or outside all)", std::to_string(p.authorsInNoBand)});
    bandRows.push_back({"age not known", std::to_string(p.authorsWithoutAge)});
    fill_table(bandTable_, {"band", "authors"},
               p.readable && p.bandsError.empty() ? bandRows
                                                  : std::vector<std::vector<std::string>>{});
    problems_->setPlainText(toQ(p.report));
    if (!p.readable && !p.proposedEncoding.empty()) {
        useEncoding_->setText("Read as " + toQ(p.proposedEncoding));
        useEncoding_->setProperty("encoding", toQ(p.proposedEncoding));
        useEncoding_->setVisible(true);
    }
    if (!p.readable) tabs_->setCurrentWidget(problems_);
    summary_->setText(summaryOf(p) + toQ(state_.keptNote));
    open_->setEnabled(p.canOpen());
}

// What the check found, in a sentence or two.
QString OpenCorpusWindow::summaryOf(const CorpusPreview& p) const {
    if (!p.readable) {
        QString text = "This corpus cannot be read: " + toQ(p.error);
        if (!p.proposedEncoding.empty())
            text += " ICU's detection proposes the encoding " + toQ(p.proposedEncoding) +
                    ": read it so, then check that the first rows read right.";
        return text;
    }
    QString text =
        QString("%1: %2 texts by %3 authors.").arg(toQ(p.name)).arg(p.texts).arg(p.authors);
    if (!p.encoding.empty() && p.encoding != "UTF-8") text += " Read as " + toQ(p.encoding) + ".";
    if (!p.bandsError.empty())
        text += " The age bands cannot be used: " + toQ(p.bandsError);
    else if (!p.fitsMainWindow)
        text += " The main window shows at most five age bands.";
    else if (!p.bandsNote.empty())
        text +=
            " No age bands were given: the built-in bands " + caption(kBuiltinBands) + " are used.";
    return text;
}

// ---- Ways in ------------------------------------------------------------------------------------

QWidget* createOpenCorpusWindow(const std::string& bands,
                                std::function<void(const std::vector<std::string>&)> start) {
    CorpusOptions current;
    current.bands = bands;
    return createOpenCorpusWindow(current, nullptr, std::move(start));
}

QWidget* createOpenCorpusWindow(const CorpusOptions& current,
                                std::shared_ptr<const SettingsStore> settings,
                                std::function<void(const std::vector<std::string>&)> start) {
    return new OpenCorpusWindow(current, std::move(settings), std::move(start));
}

} // namespace zapt::ui
