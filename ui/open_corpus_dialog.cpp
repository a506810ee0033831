#include "ui/open_corpus_dialog.h"

#include "app/open_corpus.h"
#include "ui/text_convert.h"
#include "ui/widgets.h"
#include "ui/window_manager.h"

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

} // namespace

QWidget* createOpenCorpusWindow(const std::string& bands,
                                std::function<void(const std::vector<std::string>&)> start) {
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName("FormOpenCorpus");
    w->setWindowTitle("Open corpus");
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setFont(dialog_font());
    w->resize(760, 520);

    auto* grid = new QGridLayout;
    auto* path = line_edit(w, "txtCorpusPath", QString());
    path->setPlaceholderText("a CSV or TSV table, or a folder with register.json and corpus.jsonl");
    auto* chooseTable = make_layout_button(w, "cmdChooseTable", "Table...");
    auto* chooseFolder = make_layout_button(w, "cmdChooseFolder", "Folder...");
    chooseTable->setToolTip("Choose a CSV or TSV file with a header row and one row per text");
    chooseFolder->setToolTip("Choose a folder with register.json and corpus.jsonl");
    grid->addWidget(new QLabel("Corpus:", w), 0, 0);
    grid->addWidget(path, 0, 1);
    grid->addWidget(chooseTable, 0, 2);
    grid->addWidget(chooseFolder, 0, 3);
    auto* bandsEdit = line_edit(w, "txtBands", toQ(bands));
    bandsEdit->setToolTip("Age bands, youngest first, e.g. 16-20,21-25,26-40,41+ "
                          "(at most five for the main window)");
    auto* check = make_layout_button(w, "cmdCheck", "Check");
    check->setToolTip("Read the corpus with these bands and show what was found");
    grid->addWidget(new QLabel("Age bands:", w), 1, 0);
    grid->addWidget(bandsEdit, 1, 1);
    grid->addWidget(check, 1, 2);

    auto* summary = new QLabel("Choose a table or a folder.", w);
    summary->setObjectName("lblSummary");
    summary->setWordWrap(true);

    auto* tabs = new QTabWidget(w);
    tabs->setObjectName("tabPreview");
    auto* columns = new QListWidget(tabs);
    columns->setObjectName("lstColumns");
    auto* rows = table(tabs, "tblFirstRows");
    auto* bandTable = table(tabs, "tblBands");
    auto* problems = new QPlainTextEdit(tabs);
    problems->setObjectName("txtProblems");
    problems->setReadOnly(true);
    problems->setLineWrapMode(QPlainTextEdit::NoWrap);
    tabs->addTab(columns, "Columns");
    tabs->addTab(rows, "First rows");
    tabs->addTab(bandTable, "Age bands");
    tabs->addTab(problems, "Problems");

    auto* open = make_layout_button(w, "cmdOpen", "Open");
    open->setToolTip("Start the explorer afresh on this corpus");
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

    // Reads the corpus named and shows what was found; only a corpus that can
    // be read, with bands the main window can show, may be opened.
    auto checkNow = [=] {
        CorpusOptions options;
        options.path = fromQ(path->text().trimmed());
        options.bands = fromQ(bandsEdit->text().trimmed());
        open->setEnabled(false);
        if (options.path.empty()) {
            summary->setText("Choose a table or a folder.");
            return;
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const CorpusPreview p = preview_corpus(options);
        QApplication::restoreOverrideCursor();
        columns->clear();
        for (const std::string& c : p.columns) columns->addItem(toQ(c));
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
            tabs->setCurrentWidget(problems);
        } else {
            text =
                QString("%1: %2 texts by %3 authors.").arg(toQ(p.name)).arg(p.texts).arg(p.authors);
            if (!p.bandsError.empty())
                text += " The age bands cannot be used: " + toQ(p.bandsError);
            else if (!p.fitsMainWindow)
                text += " The main window shows at most five age bands.";
        }
        summary->setText(text);
        open->setEnabled(p.canOpen());
    };
    QObject::connect(check, &QPushButton::clicked, w, checkNow);
    QObject::connect(path, &QLineEdit::returnPressed, w, checkNow);
    QObject::connect(bandsEdit, &QLineEdit::returnPressed, w, checkNow);
    QObject::connect(path, &QLineEdit::textEdited, w, [open] { open->setEnabled(false); });
    QObject::connect(bandsEdit, &QLineEdit::textEdited, w, [open] { open->setEnabled(false); });
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
    QObject::connect(open, &QPushButton::clicked, w, [=] {
        CorpusOptions options;
        options.path = fromQ(path->text().trimmed());
        options.bands = fromQ(bandsEdit->text().trimmed());
        start(corpus_arguments(options));
    });
    QObject::connect(cancel, &QPushButton::clicked, w, &QWidget::close);
    add_window_keys(w);
    return w;
}

} // namespace zapt::ui
