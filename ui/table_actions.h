// Copy and export of result tables: every list and result panel of the windows
// offers "Copy", "Copy all" and "Export..." on its context menu, and Ctrl+C on
// a list copies it. A copy is tab-separated with a header line; an export is a
// CSV (or TSV, or XLSX) file whose first lines, starting with "#", say what
// produced it. Tables name authors by code only.
#pragma once

#include "results/result_table.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace zapt::ui {

// What a row of a table opens: "Concordance of this form", ... The first
// action of a table also runs on a double-click on a row and on Enter.
struct TableAction {
    QString caption;
    // Runs on table row `row` of `table` (the table as the source gives it).
    std::function<void(const ResultTable& table, int row)> run;
};

struct TableSource {
    // The whole table as the control shows it now.
    std::function<ResultTable()> table;
    // The header of an export (corpus, selection).
    std::function<ExportHeader()> header;
    // The row of the table that "Copy" takes alone; -1 copies the whole table.
    std::function<int()> selectedRow;
    // The rows of the table that "Copy" and Ctrl+C take, in the order shown
    // (a table with several selected rows); empty: as selectedRow says.
    std::function<std::vector<int>()> selectedRows;
    // The whole table with its rows in the order the control shows them (a
    // table the user sorted by a column); none: the table's own order.
    // attach_table sets it for a ResultTableView.
    std::function<ResultTable(ResultTable)> arrange = {};
    // What a row opens, on top of the context menu (see TableAction).
    std::vector<TableAction> actions = {};

    // The rows "Copy" takes: the selected ones; none selected, the whole table.
    std::vector<int> rowsToCopy() const;
};

// Puts `table` (only `row` of it when row >= 0) on the clipboard as tab-separated
// rows with a header line.
void copy_table(const ResultTable& table, int row = -1);
// The same for the rows `rows` of the table in that order; every row when
// `rows` is empty.
void copy_table(const ResultTable& table, const std::vector<int>& rows);
// The whole table of the source, its rows in the order shown: what "Copy all"
// and "Export..." write.
ResultTable table_as_shown(const TableSource& source);
// What "Copy" does for the source: its selected rows with the header line;
// none selected, the whole table in the order shown.
void copy_selection(const TableSource& source);
// What "Copy all" does: the whole table in the order shown.
void copy_all(const TableSource& source);

// Writes the table to `path`: XLSX for a name ending in ".xlsx", TSV for
// ".tsv" or ".txt", CSV otherwise. Returns an empty string or what went wrong.
QString export_table(const ResultTable& table, const ExportHeader& header, const QString& path);

// Gives `w` the context menu "Copy", "Copy all", "Export..." for `source`
// (and keeps the source with the widget, for the driver's copy and export).
void attach_table(QWidget* w, TableSource source);

// The source attached to `w` or to the nearest parent that has one.
const TableSource* table_source(const QWidget* w);

// Adds an action to the rows of the table attached to `w` (after
// attach_table); false when `w` has no table attached.
bool add_table_action(QWidget* w, TableAction action);

// Runs the action of `w`'s table named `caption` on table row `row`, as its
// menu item does. An empty string, or what is wrong (no such action, no such
// row).
QString run_table_action(QWidget* w, const QString& caption, int row);

} // namespace zapt::ui
