#include "ui/widgets.h"

#include <QScreen>
#include <algorithm>

#include <QPalette>

namespace zapt::ui {

QFont dialog_font(double points, bool bold, bool italic) {
    QFont f("Liberation Sans");
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void set_background(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void set_foreground(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

QLabel* make_label(QWidget* parent, const char* name, const QString& text, QRect twips,
                   double points, bool bold) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(dialog_font(points, bold));
    l->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QLabel* make_value_label(QWidget* parent, const char* name, const QString& text, QRect twips) {
    QLabel* l = make_label(parent, name, text, twips);
    l->setFrameStyle(QFrame::Box | QFrame::Plain);
    l->setWordWrap(false);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& text, QRect twips,
                         bool bold) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFont(dialog_font(8.25, bold));
    b->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}

QPushButton* make_layout_button(QWidget* parent, const char* name, const QString& text,
                                const QString& tip) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    if (!tip.isEmpty()) b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

void place_over(QWidget* w, const QWidget* anchor) {
    if (!w || !anchor) return;
    const QRect over = anchor->frameGeometry();
    const QSize size = w->frameGeometry().size().expandedTo(w->size());
    QPoint topLeft(over.center().x() - size.width() / 2,
                   over.top() + std::max(0, (over.height() - size.height()) / 3));
    if (const QScreen* screen = anchor->screen()) {
        const QRect room = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), room.left(),
                                std::max(room.left(), room.right() - size.width())));
        topLeft.setY(std::clamp(topLeft.y(), room.top(),
                                std::max(room.top(), room.bottom() - size.height())));
    }
    w->move(topLeft);
}

} // namespace zapt::ui
