#include "ui/result_table_view.h"

#include "ui/table_actions.h"
#include "ui/text_convert.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <algorithm>
#include <numeric>

namespace zapt::ui {
namespace {

// Draws the cells of a right-aligned text column cut at their start when the
// column is too narrow, so that the words next to the column on the right
// (a concordance's hit) stay in view; and a bold column in bold.
class LookDelegate : public QStyledItemDelegate {
public:
    LookDelegate(const ResultTableModel* model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const ColumnLook look = model_->columnLook(index.column());
        if (look.align & Qt::AlignRight) option->textElideMode = Qt::ElideLeft;
        if (look.bold) option->font.setBold(true);
    }

private:
    const ResultTableModel* model_;
};

} // namespace

void ResultTableModel::setColumnLook(const std::string& column, ColumnLook look) {
    beginResetModel();
    looks_[column] = look;
    endResetModel();
}

ColumnLook ResultTableModel::columnLook(int column) const {
    if (column < 0 || static_cast<std::size_t>(column) >= table_.columns.size()) return {};
    const auto it = looks_.find(table_.columns[static_cast<std::size_t>(column)]);
    return it == looks_.end() ? ColumnLook{} : it->second;
}

void ResultTableModel::setTable(ResultTable table) {
    beginResetModel();
    table_ = std::move(table);
    order_.resize(table_.rows.size());
    std::iota(order_.begin(), order_.end(), 0);
    endResetModel();
}

int ResultTableModel::tableRow(int row) const {
    return row >= 0 && row < static_cast<int>(order_.size()) ? order_[static_cast<std::size_t>(row)]
                                                             : -1;
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
}

const std::string* ResultTableModel::cell(int row, int column) const {
    const int r = tableRow(row);
    if (r < 0 || column < 0) return nullptr;
    const auto& cells = table_.rows[static_cast<std::size_t>(r)];
    return static_cast<std::size_t>(column) < cells.size()
               ? &cells[static_cast<std::size_t>(column)]
               : nullptr;
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const std::string* c = cell(index.row(), index.column());
    if (!c)
        return role == Qt::DisplayRole || role == Qt::ToolTipRole ? QVariant(QString())
                                                                  : QVariant();
    const std::string& column = table_.columns[static_cast<std::size_t>(index.column())];
    // On screen a share is a percentage and long decimals are rounded; the
    // cell's tool tip, copies and exports keep the cell as it is.
    if (role == Qt::DisplayRole) return toQ(shown_cell(column, *c, roundShown_));
    if (role == Qt::ToolTipRole) return toQ(*c);
    const ColumnLook look = columnLook(index.column());
    if (role == Qt::TextAlignmentRole && look.align) return QVariant::fromValue(look.align);
    if (role == Qt::TextAlignmentRole && !c->empty()) {
        // Figures to the right: the cells of a number column, and any cell
        // that reads as a number.
        bool number = column_heading(column).kind != CellKind::Text;
        if (!number) toQ(*c).toDouble(&number);
        if (number) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= static_cast<int>(table_.columns.size())) return {};
    const std::string& column = table_.columns[static_cast<std::size_t>(section)];
    if (role == kMachineNameRole) return toQ(column);
    const ColumnHeading h = column_heading(column);
    if (role == Qt::DisplayRole) return toQ(h.heading);
    if (role == Qt::ToolTipRole) {
        // The table's own definition of the column where it gives one.
        std::string definition = table_.setting(column);
        if (definition.empty()) definition = h.definition;
        return toQ(column + (definition.empty() ? "" : ": " + definition));
    }
    return {};
}

void ResultTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount()) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> beforeRows;
    for (const QModelIndex& i : before) beforeRows.push_back(tableRow(i.row()));

    const std::vector<std::size_t> sorted =
        sorted_rows(table_, static_cast<std::size_t>(column), order == Qt::DescendingOrder);
    for (std::size_t v = 0; v < sorted.size(); ++v) order_[v] = static_cast<int>(sorted[v]);

    // Selections and the current row follow their rows.
    std::vector<int> where(order_.size());
    for (std::size_t v = 0; v < order_.size(); ++v)
        where[static_cast<std::size_t>(order_[v])] = static_cast<int>(v);
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k) {
        const int r = beforeRows[static_cast<std::size_t>(k)];
        after << (r < 0 ? QModelIndex()
                        : index(where[static_cast<std::size_t>(r)], before[k].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

ResultTableView::ResultTableView(QWidget* parent)
    : QTableView(parent), model_(new ResultTableModel(this)) {
    setModel(model_);
    setItemDelegate(new LookDelegate(model_, this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Rows are picked as in a spreadsheet: Shift and Ctrl add to the selection.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setAlternatingRowColors(true);
    setWordWrap(false);
    // Column widths from the first rows only: a table of a million rows opens
    // as quickly as one of ten.
    horizontalHeader()->setResizeContentsPrecision(200);
    // A click on a heading sorts by that column; a second click turns the order.
    // Until the user picks a column the rows stand in the core's order.
    setSortingEnabled(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int) { userSorted_ = true; });
}

void ResultTableView::setTable(ResultTable table) {
    model_->setTable(std::move(table));
    const int column = horizontalHeader()->sortIndicatorSection();
    if (!userSorted_ || column < 0 || column >= model_->columnCount()) {
        // Until the user picks a column the rows stand in the core's order (a
        // table without the column sorted by shows its own order too).
        horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        userSorted_ = false;
    } else {
        model_->sort(column, horizontalHeader()->sortIndicatorOrder());
    }
    resizeColumnsToContents();
}

void ResultTableView::clearSort() {
    userSorted_ = false;
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    model_->setTable(model_->table());
}

ResultTable ResultTableView::arranged(ResultTable whole) const {
    const int column = horizontalHeader()->sortIndicatorSection();
    if (!userSorted_ || column < 0 || column >= model_->columnCount()) return whole;
    const bool descending = horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
    const std::vector<std::size_t> order =
        sorted_rows(whole, static_cast<std::size_t>(column), descending);
    return rows_in_order(std::move(whole), order);
}

std::vector<int> ResultTableView::selectedTableRows() const {
    std::vector<int> viewRows;
    for (const QModelIndex& i : selectionModel()->selectedRows()) viewRows.push_back(i.row());
    std::sort(viewRows.begin(), viewRows.end());
    std::vector<int> rows;
    for (int v : viewRows) rows.push_back(model_->tableRow(v));
    return rows;
}

void ResultTableView::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) {
        // The selected rows in the order shown; none selected, every row.
        if (const TableSource* source = table_source(this)) {
            copy_selection(*source);
        } else {
            const std::vector<int> rows = selectedTableRows();
            copy_table(rows.empty() ? arranged(table()) : table(), rows);
        }
        e->accept();
        return;
    }
    QTableView::keyPressEvent(e);
}

int ResultTableView::selectedTableRow() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isRowSelected(current.row(), {})) return -1;
    return model_->tableRow(current.row());
}

} // namespace zapt::ui
