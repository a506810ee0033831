#include "ui/list_box.h"

#include "ui/table_actions.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zapt::ui {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setSpacing(0);
}

bool ListBox::userSelect(int row) {
    if (row < 0 || row >= count()) return false;
    choose(row);
    return true;
}

void ListBox::setRows(const QStringList& rows) {
    QSignalBlocker block(this);
    clear();
    addItems(rows);
    shownRow_ = -1;
}

void ListBox::setSelectedRow(int row) {
    QSignalBlocker block(this);
    if (row < 0 || row >= count()) {
        setCurrentRow(-1);
        clearSelection();
        shownRow_ = -1;
    } else {
        setCurrentRow(row);
        scrollToItem(item(row));
        shownRow_ = row;
    }
}

void ListBox::choose(int row) {
    setSelectedRow(row);
    ++handlerRuns_;
    if (onClick) onClick(row);
}

void ListBox::restore() {
    const int current = currentRow();
    if (current != shownRow_ || (current >= 0 && !item(current)->isSelected()) ||
        (current < 0 && !selectedItems().isEmpty()))
        setSelectedRow(shownRow_);
}

int ListBox::rowAt(const QPoint& viewportPos) const {
    if (!viewport()->rect().contains(viewportPos)) return -1;
    const QModelIndex index = indexAt(viewportPos);
    return index.isValid() ? index.row() : -1;
}

void ListBox::mousePressEvent(QMouseEvent* e) {
    allMarked_ = false;
    // Only the left button selects; the others leave the rows alone.
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    pressed_ = true;
    QListWidget::mousePressEvent(e);
}

void ListBox::mouseReleaseEvent(QMouseEvent* e) {
    QListWidget::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    const int row = rowAt(e->position().toPoint());
    if (row >= 0)
        choose(row);
    else
        restore();
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    // The second press of a double click on the row its first click chose adds
    // nothing; on another row it is a press of its own.
    if (rowAt(e->position().toPoint()) == shownRow_ && shownRow_ >= 0) {
        e->accept();
        return;
    }
    mousePressEvent(e);
}

void ListBox::keyPressEvent(QKeyEvent* e) {
    // Ctrl+C copies the list's table: the selected row with the header, or
    // all of it when nothing is selected or Ctrl+A came just before.
    if (e->matches(QKeySequence::Copy)) {
        if (const TableSource* source = table_source(this)) {
            if (allMarked_)
                copy_table(source->table());
            else
                copy_selection(*source);
            e->accept();
            return;
        }
    }
    // Ctrl+A marks the whole list for the next copy, without choosing a row.
    if (e->matches(QKeySequence::SelectAll)) {
        allMarked_ = true;
        e->accept();
        return;
    }
    allMarked_ = false;
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    const int after = currentRow();
    if (after >= 0 && after != before)
        choose(after);
    else
        restore();
}

void ListBox::focusInEvent(QFocusEvent* e) {
    // The view makes the first row current when it gets the focus by keyboard;
    // a list without a selected row keeps none.
    const int before = currentRow();
    {
        QSignalBlocker block(this);
        QListWidget::focusInEvent(e);
    }
    if (before < 0 && currentRow() >= 0) setSelectedRow(-1);
}

int ListBox::heightForRows(int rows) const {
    // The height of one row in this list's font, measured on a list of the same kind.
    QListWidget probe;
    probe.setFont(font());
    probe.setUniformItemSizes(true);
    probe.addItem(QStringLiteral("Xg"));
    const int rowHeight = std::max(1, probe.sizeHintForRow(0));
    return rows * rowHeight + 2 * frameWidth();
}

int ListBox::wholeRows(int height) const {
    const int one = heightForRows(1) - 2 * frameWidth();
    return std::max(1, (height - 2 * frameWidth()) / one);
}

void follow_scrolling(QListWidget* a, QListWidget* b) {
    QScrollBar* sa = a->verticalScrollBar();
    QScrollBar* sb = b->verticalScrollBar();
    // Setting the value a bar already has sends nothing, so the two never
    // chase each other.
    QObject::connect(sa, &QScrollBar::valueChanged, sb, [sb](int v) { sb->setValue(v); });
    QObject::connect(sb, &QScrollBar::valueChanged, sa, [sa](int v) { sa->setValue(v); });
    // A list that grows after the other was scrolled takes the other's place.
    QObject::connect(sa, &QScrollBar::rangeChanged, sb, [sa, sb] { sb->setValue(sa->value()); });
    QObject::connect(sb, &QScrollBar::rangeChanged, sa, [sa, sb] { sa->setValue(sb->value()); });
}

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setFont(font());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, caption);
}

} // namespace zapt::ui
