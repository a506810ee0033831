#include "ui/result_table_view.h"

#include "ui/table_actions.h"
#include "ui/text_convert.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <charconv>
#include <numeric>
#include <optional>

namespace zapt::ui {
namespace {

// The value of a cell that is a number as a whole ("12", "0.1234", "-3"); a
// percentage sign or any other text makes it no number.
std::optional<double> number_of(const std::string& s) {
    if (s.empty()) return std::nullopt;
    double v = 0;
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, v);
    if (ec != std::errc() || p != end) return std::nullopt;
    return v;
}

} // namespace

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
    if (role == Qt::DisplayRole && c && roundShown_ && c->size() > 8) {
        // Six significant digits on screen; the cell's tool tip, copies and
        // exports keep every digit.
        const std::size_t point = c->find('.');
        if (point != std::string::npos && c->size() - point > 5) {
            if (const auto v = number_of(*c)) return QString::number(*v, 'g', 6);
        }
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return c ? toQ(*c) : QString();
    if (role == Qt::TextAlignmentRole && c && number_of(*c))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= static_cast<int>(table_.columns.size())) return {};
    return toQ(table_.columns[static_cast<std::size_t>(section)]);
}

void ResultTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount()) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> beforeRows;
    for (const QModelIndex& i : before) beforeRows.push_back(tableRow(i.row()));

    // Every row's key once: its value, or its text.
    struct Key {
        std::optional<double> number;
        QString text;
    };
    std::vector<Key> keys(table_.rows.size());
    for (std::size_t r = 0; r < table_.rows.size(); ++r) {
        const auto& cells = table_.rows[r];
        const std::string empty;
        const std::string& s = static_cast<std::size_t>(column) < cells.size()
                                   ? cells[static_cast<std::size_t>(column)]
                                   : empty;
        keys[r].number = number_of(s);
        if (!keys[r].number) keys[r].text = toQ(s);
    }
    auto less = [&](int a, int b) {
        const Key& x = keys[static_cast<std::size_t>(a)];
        const Key& y = keys[static_cast<std::size_t>(b)];
        if (x.number && y.number) return *x.number < *y.number;
        if (x.number || y.number) return x.number.has_value(); // numbers first
        return QString::compare(x.text, y.text, Qt::CaseInsensitive) < 0;
    };
    std::iota(order_.begin(), order_.end(), 0);
    if (order == Qt::AscendingOrder)
        std::stable_sort(order_.begin(), order_.end(), less);
    else
        std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) { return less(b, a); });

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
    horizontalHeader()->setSortIndicatorShown(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int) { userSorted_ = true; });
}

void ResultTableView::setTable(ResultTable table) {
    model_->setTable(std::move(table));
    if (!userSorted_) {
        // Until the user picks a column the rows stand in the core's order
        // (turning sorting on would have sorted by the first column).
        horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    } else if (isSortingEnabled()) {
        model_->sort(horizontalHeader()->sortIndicatorSection(),
                     horizontalHeader()->sortIndicatorOrder());
    }
    resizeColumnsToContents();
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
        if (const TableSource* source = table_source(this))
            copy_table(source->table(), selectedTableRows());
        else
            copy_table(table(), selectedTableRows());
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
