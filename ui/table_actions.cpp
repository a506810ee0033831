#include "ui/table_actions.h"

#include "ui/result_table_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHash>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <memory>

namespace zapt::ui {
namespace {

// The sources by widget; an entry goes with its widget.
QHash<const QWidget*, std::shared_ptr<TableSource>>& sources() {
    static QHash<const QWidget*, std::shared_ptr<TableSource>> map;
    return map;
}

void export_with_dialog(QWidget* parent, const TableSource& source) {
    const ResultTable table = table_as_shown(source);
    QString filter = "CSV files (*.csv);;Tab-separated files (*.tsv)";
    if (xlsx_available()) filter += ";;Excel workbooks (*.xlsx)";
    QString name = QString::fromStdString(table.title).toLower();
    name.replace(QRegularExpression("[^a-z0-9]+"), "-");
    const QString path = QFileDialog::getSaveFileName(parent, "Export", name + ".csv", filter);
    if (path.isEmpty()) return;
    const QString error = export_table(table, source.header(), path);
    if (!error.isEmpty()) QMessageBox::warning(parent, "Export", error);
}

} // namespace

std::vector<int> TableSource::rowsToCopy() const {
    if (selectedRows) return selectedRows();
    const int row = selectedRow ? selectedRow() : -1;
    return row >= 0 ? std::vector<int>{row} : std::vector<int>{};
}

void copy_table(const ResultTable& table, int row) {
    copy_table(table, row >= 0 ? std::vector<int>{row} : std::vector<int>{});
}

void copy_table(const ResultTable& table, const std::vector<int>& rows) {
    ResultTable copy;
    copy.columns = table.columns;
    for (int r : rows) {
        if (r >= 0 && r < static_cast<int>(table.rows.size()))
            copy.rows.push_back(table.rows[static_cast<std::size_t>(r)]);
    }
    if (copy.rows.empty()) copy.rows = table.rows;
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(write_table(copy, TableFormat::Tsv)));
}

ResultTable table_as_shown(const TableSource& source) {
    return source.arrange ? source.arrange(source.table()) : source.table();
}

void copy_selection(const TableSource& source) {
    const std::vector<int> rows = source.rowsToCopy();
    if (rows.empty())
        copy_table(table_as_shown(source));
    else
        copy_table(source.table(), rows);
}

void copy_all(const TableSource& source) {
    copy_table(table_as_shown(source));
}

QString export_table(const ResultTable& table, const ExportHeader& header, const QString& path) {
    const QString lower = path.toLower();
    if (lower.endsWith(".xlsx")) {
        if (!xlsx_available()) return "this build cannot write XLSX files";
        const std::string error = write_xlsx(table, header, path.toStdString());
        return QString::fromStdString(error);
    }
    const TableFormat format =
        lower.endsWith(".tsv") || lower.endsWith(".txt") ? TableFormat::Tsv : TableFormat::Csv;
    const std::string bytes = write_export(table, format, header);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return "cannot write " + path + ": " + file.errorString();
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size()))
        return "cannot write " + path + ": " + file.errorString();
    return {};
}

void attach_table(QWidget* w, TableSource source) {
    if (!source.arrange) {
        if (auto* view = dynamic_cast<ResultTableView*>(w)) {
            QPointer<ResultTableView> guard(view);
            source.arrange = [guard](ResultTable t) {
                return guard ? guard->arranged(std::move(t)) : t;
            };
        }
    }
    auto shared = std::make_shared<TableSource>(std::move(source));
    sources()[w] = shared;
    QObject::connect(w, &QObject::destroyed, [w] { sources().remove(w); });
    // A double-click on a row, or Enter, opens what its first action opens.
    if (auto* view = dynamic_cast<ResultTableView*>(w)) {
        QObject::connect(view, &QAbstractItemView::activated, view,
                         [view, shared](const QModelIndex& index) {
                             const int row = view->tableRowAt(index.row());
                             if (shared->actions.empty() || row < 0) return;
                             shared->actions.front().run(shared->table(), row);
                         });
    }
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, w, [w, shared](const QPoint& at) {
        QMenu menu(w);
        const std::vector<int> rows = shared->rowsToCopy();
        // What the row opens comes first; it needs one selected row.
        const int selected = shared->selectedRow ? shared->selectedRow() : -1;
        std::vector<std::pair<QAction*, const TableAction*>> opens;
        for (const TableAction& a : shared->actions) {
            QAction* item = menu.addAction(a.caption);
            item->setEnabled(selected >= 0);
            opens.emplace_back(item, &a);
        }
        if (!opens.empty()) menu.addSeparator();
        QAction* copy = menu.addAction("Copy");
        copy->setShortcut(QKeySequence::Copy);
        QAction* copyAll = menu.addAction("Copy all");
        menu.addSeparator();
        QAction* exportAction = menu.addAction("Export...");
        QAction* chosen = menu.exec(w->mapToGlobal(at));
        for (const auto& [item, action] : opens) {
            if (chosen == item && selected >= 0) {
                const TableAction run = *action; // what it opens may change the menu's source
                run.run(shared->table(), selected);
            }
        }
        if (chosen == copy && rows.empty())
            copy_all(*shared);
        else if (chosen == copy)
            copy_table(shared->table(), rows);
        else if (chosen == copyAll)
            copy_all(*shared);
        else if (chosen == exportAction)
            export_with_dialog(w, *shared);
    });
}

const TableSource* table_source(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        auto it = sources().find(w);
        if (it != sources().end()) return it->get();
    }
    return nullptr;
}

bool add_table_action(QWidget* w, TableAction action) {
    auto it = sources().find(w);
    if (it == sources().end()) return false;
    it.value()->actions.push_back(std::move(action));
    return true;
}

QString run_table_action(QWidget* w, const QString& caption, int row) {
    const TableSource* source = table_source(w);
    if (!source) return "no table";
    for (const TableAction& a : source->actions) {
        if (a.caption != caption) continue;
        const ResultTable table = source->table();
        if (row < 0 || row >= static_cast<int>(table.rows.size())) return "no such row";
        a.run(table, row);
        return {};
    }
    return "no action \"" + caption + "\"";
}

} // namespace zapt::ui
