#include "ui/panel.h"

#include "ui/form_parts.h"
#include "ui/text_convert.h"

namespace zapt::ui {

Panel::Panel(PanelContext context) : QObject(context.form), context_(std::move(context)) {}

QLabel* Panel::bind(QLabel* label, const std::string* caption) {
    labels_.push_back({label, caption});
    return label;
}

ListBox* Panel::bindList(ListBox* list, const zapt::ListBox* rows,
                         std::function<QString(const std::string&)> shown) {
    // One revision behind, so that the first refresh fills the list.
    lists_.push_back({list, rows, rows->revision - 1, std::move(shown)});
    return list;
}

void Panel::bindEnabled(QPushButton* button, const bool* enabled) {
    buttons_.push_back({button, enabled});
}

void Panel::onClick(QPushButton* button, Operation op) {
    connect(button, &QPushButton::clicked, this, [this, op = std::move(op)] { run(op); });
}

void Panel::refresh() {
    for (LabelBinding& b : labels_) {
        QString text = toQ(*b.caption);
        if (b.label->text() != text) b.label->setText(text);
    }
    for (ListBinding& b : lists_) {
        if (b.revision != b.state->revision) {
            if (b.shown) {
                QStringList rows;
                for (const std::string& item : b.state->items) rows << b.shown(item);
                b.list->setRows(rows);
            } else {
                b.list->setRows(to_rows(b.state->items));
            }
            b.revision = b.state->revision;
        }
        int shown = b.list->currentRow();
        if (shown != b.state->selected || (shown >= 0 && !b.list->item(shown)->isSelected())) {
            b.list->setSelectedRow(b.state->selected);
        }
    }
    for (ButtonBinding& b : buttons_) b.button->setEnabled(*b.enabled);
}

} // namespace zapt::ui
