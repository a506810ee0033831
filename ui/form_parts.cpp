#include "ui/form_parts.h"

#include "ui/text_convert.h"

namespace zapt::ui {

QFrame* make_shape(QWidget* parent, const char* name, QRect twips, const QColor* fill) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (fill) {
        set_background(f, *fill);
    } else {
        f->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    return f;
}

void make_line(QWidget* parent, QRect twips) {
    auto* f = new QFrame(parent);
    f->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setStyleSheet("border: none; background: #808080;");
}

QRadioButton* make_option(QWidget* parent, const char* name, const QString& text, QRect twips,
                          QButtonGroup* group, const QColor* background) {
    auto* o = new QRadioButton(text, parent);
    o->setObjectName(name);
    o->setFont(dialog_font());
    o->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (background) set_background(o, *background);
    group->addButton(o);
    return o;
}

QGroupBox* make_frame(QWidget* parent, const char* name, QRect twips, const QColor* background) {
    auto* g = new QGroupBox(parent);
    g->setObjectName(name);
    g->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (background) set_background(g, *background);
    return g;
}

ListBox* make_list(QWidget* parent, const char* name, QRect twips, const QColor& background) {
    auto* l = new ListBox(parent);
    l->setObjectName(name);
    l->setFont(dialog_font());
    l->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    // Never a row cut in half: the list keeps the whole rows that fit its place.
    l->resize(l->width(), l->heightForRows(l->wholeRows(l->height())));
    QPalette p = l->palette();
    p.setColor(QPalette::Base, background);
    l->setPalette(p);
    return l;
}

QLabel* value_box(QWidget* parent, const char* name, QRect twips, const QColor& background,
                  const QString& toolTip) {
    QLabel* l = make_value_label(parent, name, "0", twips);
    set_background(l, background);
    if (!toolTip.isEmpty()) l->setToolTip(toolTip);
    return l;
}

QLabel* heading(QWidget* parent, const char* name, const QString& text, QRect twips,
                const QColor& colour) {
    QLabel* l = make_label(parent, name, text, twips, 9.75, true);
    set_foreground(l, colour);
    return l;
}

QStringList to_rows(const std::vector<std::string>& items) {
    QStringList rows;
    rows.reserve(static_cast<int>(items.size()));
    for (const std::string& s : items) rows << toQ(s);
    return rows;
}

} // namespace zapt::ui
