#include "ui/list_box.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zapt::ui {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // A changed row (click on a new row or keyboard move) runs the handler at
    // once; the click that follows on the same row must not run it again, while
    // a click on the row already selected runs it.
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        changedRow_ = row;
        if (onClick) onClick(row);
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        int row = this->row(item);
        if (row == changedRow_) {
            changedRow_ = -2;
            return;
        }
        if (onClick) onClick(row);
    });
}

bool ListBox::userSelect(int row) {
    if (row < 0 || row >= count()) return false;
    setSelectedRow(row);
    if (onClick) onClick(row);
    return true;
}

void ListBox::setRows(const QStringList& rows) {
    QSignalBlocker block(this);
    clear();
    addItems(rows);
    changedRow_ = -2;
}

void ListBox::setSelectedRow(int row) {
    QSignalBlocker block(this);
    if (row < 0 || row >= count()) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(row);
        scrollToItem(item(row));
    }
    changedRow_ = -2;
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
