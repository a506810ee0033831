// A view of a result table of the core, of any size: the cells are read from
// the table when they are painted (no widget item per cell), and a click on a
// column heading sorts the rows, numbers by their value. Columns are headed
// for a reader ("Count A", "G²"); the heading's tool tip gives the machine
// name that copies and exports write, and what the column holds.
#pragma once

#include "results/result_table.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <map>
#include <string>
#include <vector>

namespace zapt::ui {

// How the cells of a column are drawn beyond the usual: aligned another way
// (a concordance's left context stands right-aligned against the hit), in
// bold (the hit).
struct ColumnLook {
    Qt::Alignment align = {};
    bool bold = false;
};

class ResultTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(ResultTable table);
    const ResultTable& table() const { return table_; }
    // The row of the table that view row `row` shows; -1 for none.
    int tableRow(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The heading of a column: its reader's heading (Qt::DisplayRole), its
    // machine name (kMachineNameRole) and both with its definition (tool tip).
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    static constexpr int kMachineNameRole = Qt::UserRole;
    // Numbers with many decimals shown to six significant digits (the table
    // itself, copies and exports keep them whole).
    void setRoundShown(bool on) { roundShown_ = on; }
    // The look of the column of that machine name, whatever its place.
    void setColumnLook(const std::string& column, ColumnLook look);
    ColumnLook columnLook(int column) const;

    // As sorted_rows of the core orders them: stable, numbers by value before
    // texts, empty cells last.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    const std::string* cell(int row, int column) const;

    ResultTable table_;
    std::vector<int> order_; // view row -> table row
    bool roundShown_ = false;
    std::map<std::string, ColumnLook> looks_;
};

class ResultTableView : public QTableView {
public:
    explicit ResultTableView(QWidget* parent = nullptr);

    // Shows `table` (in its own order; a column the user sorted by is sorted
    // again, in the same direction).
    void setTable(ResultTable table);
    // Forgets the user's sort: the rows stand in the table's own order again.
    void clearSort();
    // `whole` (this view's table, or a longer table of the same columns whose
    // first rows the view shows) with its rows in the order the view shows:
    // what Copy all and Export write.
    ResultTable arranged(ResultTable whole) const;
    const ResultTable& table() const { return model_->table(); }
    // Numbers with many decimals shown to six significant digits.
    void setRoundShown(bool on) { model_->setRoundShown(on); }
    // The look of a column by its machine name. A right-aligned column too
    // narrow for a cell loses the cell's start ("…rest of the words"), not
    // its end.
    void setColumnLook(const std::string& column, ColumnLook look) {
        model_->setColumnLook(column, look);
    }
    // The table row that view row `row` shows; -1 for none.
    int tableRowAt(int row) const { return model_->tableRow(row); }
    // The table row of the selected row; -1 when none is selected.
    int selectedTableRow() const;
    // The table rows of every selected row, in the order the view shows them.
    std::vector<int> selectedTableRows() const;

protected:
    // Ctrl+C copies the selected rows with the header line (Ctrl+A selects every row).
    void keyPressEvent(QKeyEvent* e) override;

private:
    ResultTableModel* model_;
    bool userSorted_ = false; // a heading was clicked: new rows keep that order
};

} // namespace zapt::ui
