#include "ui/open_corpus_dialog.h"

#include "app/open_corpus.h"
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

// What the window holds beyond its boxes.
struct OpenState {
    CorpusOptions current;                         // what the program runs on
    std::shared_ptr<const SettingsStore> settings; // none: nothing kept
    TableOptions fields;                           // the text and author fields the user chose
    std::string offeredFor;                        // the corpus whose settings were last filled in
    std::string keptNote;                          // that a corpus's kept settings were filled in
    std::vector<MetadataField> found;              // the fields of the last check
};

} // namespace

QWidget* createOpenCorpusWindow(const std::string& bands,
                                std::function<void(const std::vector<std::string>&)> start) {
    CorpusOptions current;
    current.bands = bands;
    return createOpenCorpusWindow(current, nullptr, std::move(start));
}

QWidget* createOpenCorpusWindow(const CorpusOptions& current,
                                std::shared_ptr<const SettingsStore> settings,
                                std::function<void(const std::vector<std::string>&)> start) {
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName("FormOpenCorpus");
    w->setWindowTitle("Open corpus");
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setFont(dialog_font());
    w->resize(800, 600);
    auto state = std::make_shared<OpenState>();
    state->current = current;
    state->current.table.progress = {};
    state->settings = std::move(settings);
    state->fields.textFields = current.table.textFields;
    state->fields.authorFields = current.table.authorFields;
    state->offeredFor = current.path.empty() ? std::string() : SettingsStore::key(current.path);

    auto* grid = new QGridLayout;
    auto* path = line_edit(w, "txtCorpusPath", toQ(current.path));
    path->setPlaceholderText("a CSV or TSV table, or a folder with register.json and corpus.jsonl");
    auto* chooseTable = make_layout_button(w, "cmdChooseTable", "Table...");
    auto* chooseFolder = make_layout_button(w, "cmdChooseFolder", "Folder...");
    chooseTable->setToolTip("Choose a CSV or TSV file with a header row and one row per text");
    chooseFolder->setToolTip("Choose a folder with register.json and corpus.jsonl");
    grid->addWidget(new QLabel("Corpus:", w), 0, 0);
    grid->addWidget(path, 0, 1);
    grid->addWidget(chooseTable, 0, 2);
    grid->addWidget(chooseFolder, 0, 3);
    auto* bandsEdit = line_edit(w, "txtBands", toQ(current.bands));
    bandsEdit->setToolTip("Age bands, youngest first, e.g. 16-20,21-25,26-40,41+ "
                          "(at most five for the main window; empty: the built-in five)");
    auto* check = make_layout_button(w, "cmdCheck", "Check");
    check->setToolTip("Read the corpus with these settings and show what was found");
    grid->addWidget(new QLabel("Age bands:", w), 1, 0);
    grid->addWidget(bandsEdit, 1, 1);
    grid->addWidget(check, 1, 2);
    auto* mapEdit = line_edit(w, "txtMap", toQ(map_text(current.table)));
    mapEdit->setPlaceholderText("columns found by their names; or FIELD=COLUMN; ..., e.g. "
                                "author=Sender ID; text=Message");
    mapEdit->setToolTip("A table's column read as a field (text, author, age, gender, "
                        "education, native or code), as --map gives it");
    grid->addWidget(new QLabel("Columns:", w), 2, 0);
    grid->addWidget(mapEdit, 2, 1);
    auto* glossaryEdit = line_edit(w, "txtGlossary", toQ(current.glossary));
    glossaryEdit->setPlaceholderText("the corpus's own, or the built-in British-English glossary");
    auto* chooseGlossary = make_layout_button(w, "cmdChooseGlossary", "File...",
                                              "Choose a glossary (JSON, or CSV with "
                                              "form,interpretation)");
    grid->addWidget(new QLabel("Glossary:", w), 3, 0);
    grid->addWidget(glossaryEdit, 3, 1);
    grid->addWidget(chooseGlossary, 3, 2);
    auto* familiesEdit = line_edit(w, "txtFamilies", toQ(current.families));
    familiesEdit->setPlaceholderText(
        "the corpus's own, or the built-in British-English variant families");
    auto* chooseFamilies = make_layout_button(w, "cmdChooseFamilies", "File...",
                                              "Choose the variant families (JSON, or CSV with "
                                              "family,form)");
    grid->addWidget(new QLabel("Families:", w), 4, 0);
    grid->addWidget(familiesEdit, 4, 1);
    grid->addWidget(chooseFamilies, 4, 2);
    auto* encodingEdit = line_edit(w, "txtEncoding", toQ(current.table.encoding));
    encodingEdit->setPlaceholderText("UTF-8 (or UTF-16 with its byte-order mark)");
    encodingEdit->setToolTip("The encoding of a table that is not UTF-8, e.g. windows-1252");
    auto* useEncoding = make_layout_button(w, "cmdUseEncoding", "Read as...",
                                           "Read the table in the encoding proposed");
    useEncoding->setVisible(false);
    grid->addWidget(new QLabel("Encoding:", w), 5, 0);
    grid->addWidget(encodingEdit, 5, 1);
    grid->addWidget(useEncoding, 5, 2, 1, 2);

    auto* summary = new QLabel("Choose a table or a folder.", w);
    summary->setObjectName("lblSummary");
    summary->setWordWrap(true);

    auto* tabs = new QTabWidget(w);
    tabs->setObjectName("tabPreview");
    auto* columns = new QListWidget(tabs);
    columns->setObjectName("lstColumns");
    auto* fieldsPage = new QWidget(tabs);
    auto* fieldsTable = table(fieldsPage, "tblFields");
    fieldsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    fieldsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* switchField = make_layout_button(fieldsPage, "cmdSwitchField", "Switch author/text field",
                                           "Read the selected column as the other kind of field");
    switchField->setEnabled(false);
    auto* fieldsHelp = new QLabel(
        "An author field gives each author one value (that of most of their texts): it can "
        "choose subcorpora and make groups. A text field gives each text its own value (an id, "
        "a date): it never makes a group of authors.",
        fieldsPage);
    fieldsHelp->setWordWrap(true);
    {
        auto* l = new QVBoxLayout(fieldsPage);
        l->addWidget(fieldsHelp);
        l->addWidget(fieldsTable, 1);
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(switchField);
        l->addLayout(row);
    }
    auto* rows = table(tabs, "tblFirstRows");
    auto* bandTable = table(tabs, "tblBands");
    auto* problems = new QPlainTextEdit(tabs);
    problems->setObjectName("txtProblems");
    problems->setReadOnly(true);
    problems->setLineWrapMode(QPlainTextEdit::NoWrap);
    tabs->addTab(columns, "Columns");
    tabs->addTab(fieldsPage, "Author and text fields");
    tabs->addTab(rows, "First rows");
    tabs->addTab(bandTable, "Age bands");
    tabs->addTab(problems, "Problems");

    auto* open = make_layout_button(w, "cmdOpen", "Open");
    open->setToolTip("Start the program afresh on this corpus");
    open->setEnabled(false);
    auto* cancel = make_layout_button(w, "cmdCancel", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(open);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(w);
    layout->addLayout(grid);
    layout->addWidget(summary);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);

    // The boxes of a newly chosen corpus: its kept settings, or else nothing of
    // another table's columns (the bands and lists in force stay).
    auto offer = [=](const std::string& chosen) {
        const std::string key = SettingsStore::key(chosen);
        if (key == state->offeredFor) return;
        state->offeredFor = key;
        bool kept = false;
        const CorpusOptions o =
            offered_options(chosen, state->current, state->settings.get(), &kept);
        state->keptNote = kept ? " The settings kept for this corpus are filled in." : "";
        if (kept) {
            bandsEdit->setText(toQ(o.bands));
            glossaryEdit->setText(toQ(o.glossary));
            familiesEdit->setText(toQ(o.families));
        }
        mapEdit->setText(toQ(map_text(o.table)));
        encodingEdit->setText(toQ(o.table.encoding));
        state->fields.textFields = o.table.textFields;
        state->fields.authorFields = o.table.authorFields;
    };
    // The options in the boxes; nothing, with the summary saying why, for a
    // column mapping that cannot be read.
    auto gather = [=]() -> std::optional<CorpusOptions> {
        CorpusOptions o;
        o.path = fromQ(path->text().trimmed());
        o.bands = fromQ(bandsEdit->text().trimmed());
        o.glossary = fromQ(glossaryEdit->text().trimmed());
        o.families = fromQ(familiesEdit->text().trimmed());
        o.table.encoding = fromQ(encodingEdit->text().trimmed());
        o.table.textFields = state->fields.textFields;
        o.table.authorFields = state->fields.authorFields;
        if (auto error = read_map_text(fromQ(mapEdit->text()), o.table)) {
            summary->setText("The column mapping cannot be used: " + toQ(*error));
            return std::nullopt;
        }
        return o;
    };

    // Reads the corpus named and shows what was found; only a corpus that can
    // be read, with bands the main window can show, may be opened.
    auto checkNow = [=] {
        open->setEnabled(false);
        useEncoding->setVisible(false);
        const std::string chosen = fromQ(path->text().trimmed());
        if (chosen.empty()) {
            summary->setText("Choose a table or a folder.");
            return;
        }
        offer(chosen);
        const std::optional<CorpusOptions> options = gather();
        if (!options) return;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const CorpusPreview p = preview_corpus(*options);
        QApplication::restoreOverrideCursor();
        columns->clear();
        for (const std::string& c : p.columns) columns->addItem(toQ(c));
        state->found = p.fields;
        std::vector<std::vector<std::string>> fieldRows;
        for (const MetadataField& f : p.fields)
            fieldRows.push_back(
                {f.name, f.textField ? "text field" : "author field", field_reason(f)});
        fill_table(fieldsTable, {"column", "read as", "why"}, fieldRows);
        switchField->setEnabled(!p.fields.empty());
        fill_table(rows, p.headings, p.rows);
        std::vector<std::vector<std::string>> bandRows;
        for (const auto& [caption, n] : p.bands) bandRows.push_back({caption, std::to_string(n)});
        bandRows.push_back({"in no band (age across two bands or outside all)",
                            std::to_string(p.authorsInNoBand)});
        bandRows.push_back({"age not known", std::to_string(p.authorsWithoutAge)});
        fill_table(bandTable, {"band", "authors"},
                   p.readable && p.bandsError.empty() ? bandRows
                                                      : std::vector<std::vector<std::string>>{});
        problems->setPlainText(toQ(p.report));
        QString text;
        if (!p.readable) {
            text = "This corpus cannot be read: " + toQ(p.error);
            if (!p.proposedEncoding.empty()) {
                text += " ICU's detection proposes the encoding " + toQ(p.proposedEncoding) +
                        ": read it so, then check that the first rows read right.";
                useEncoding->setText("Read as " + toQ(p.proposedEncoding));
                useEncoding->setProperty("encoding", toQ(p.proposedEncoding));
                useEncoding->setVisible(true);
            }
            tabs->setCurrentWidget(problems);
        } else {
            text =
                QString("%1: %2 texts by %3 authors.").arg(toQ(p.name)).arg(p.texts).arg(p.authors);
            if (!p.encoding.empty() && p.encoding != "UTF-8")
                text += " Read as " + toQ(p.encoding) + ".";
            if (!p.bandsError.empty())
                text += " The age bands cannot be used: " + toQ(p.bandsError);
            else if (!p.fitsMainWindow)
                text += " The main window shows at most five age bands.";
            else if (!p.bandsNote.empty())
                text += " No age bands were given: the built-in bands " + caption(kBuiltinBands) +
                        " are used.";
        }
        summary->setText(text + toQ(state->keptNote));
        open->setEnabled(p.canOpen());
    };
    QObject::connect(check, &QPushButton::clicked, w, checkNow);
    for (QLineEdit* e : {path, bandsEdit, mapEdit, glossaryEdit, familiesEdit, encodingEdit}) {
        QObject::connect(e, &QLineEdit::returnPressed, w, checkNow);
        // Anything changed asks for another check before the corpus is opened.
        QObject::connect(e, &QLineEdit::textEdited, w, [open] { open->setEnabled(false); });
    }
    QObject::connect(useEncoding, &QPushButton::clicked, w, [=] {
        encodingEdit->setText(useEncoding->property("encoding").toString());
        checkNow();
        tabs->setCurrentWidget(rows);
    });
    QObject::connect(switchField, &QPushButton::clicked, w, [=] {
        const int r = fieldsTable->currentRow();
        if (r < 0 || static_cast<std::size_t>(r) >= state->found.size()) {
            summary->setText("Select a column in the list of author and text fields first.");
            return;
        }
        const MetadataField& f = state->found[static_cast<std::size_t>(r)];
        choose_field_kind(state->fields, f.name, !f.textField);
        checkNow();
        fieldsTable->selectRow(r);
    });
    QObject::connect(chooseTable, &QPushButton::clicked, w, [=] {
        const QString f = QFileDialog::getOpenFileName(
            w, "Open a corpus table", path->text(),
            "Tables (*.csv *.tsv *.txt *.CSV *.TSV *.TXT);;All files (*)");
        if (f.isEmpty()) return;
        path->setText(f);
        checkNow();
    });
    QObject::connect(chooseFolder, &QPushButton::clicked, w, [=] {
        const QString d =
            QFileDialog::getExistingDirectory(w, "Open a corpus folder", path->text());
        if (d.isEmpty()) return;
        path->setText(d);
        checkNow();
    });
    auto chooseList = [=](QLineEdit* edit, const char* title) {
        const QString f = QFileDialog::getOpenFileName(
            w, title, edit->text(), "Lists (*.json *.csv *.tsv *.txt);;All files (*)");
        if (f.isEmpty()) return;
        edit->setText(f);
        checkNow();
    };
    QObject::connect(chooseGlossary, &QPushButton::clicked, w,
                     [=] { chooseList(glossaryEdit, "Choose a glossary"); });
    QObject::connect(chooseFamilies, &QPushButton::clicked, w,
                     [=] { chooseList(familiesEdit, "Choose the variant families"); });
    QObject::connect(open, &QPushButton::clicked, w, [=] {
        const std::optional<CorpusOptions> options = gather();
        if (!options) return;
        // Kept for the next time the corpus is chosen; a store that cannot be
        // written keeps nothing, and the program opens all the same.
        if (state->settings) {
            std::string error;
            if (!state->settings->saveOptions(*options, &error))
                qWarning("zapt: the corpus's settings are not kept: %s", error.c_str());
        }
        start(corpus_arguments(*options));
    });
    QObject::connect(cancel, &QPushButton::clicked, w, &QWidget::close);
    add_window_keys(w);
    return w;
}

} // namespace zapt::ui
