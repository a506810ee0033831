// The building blocks of the main window's layout: shapes, lines, option
// buttons, frames, lists, value boxes and headings, each placed in twips.
#pragma once

#include "ui/list_box.h"
#include "ui/widgets.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <string>
#include <vector>

namespace zapt::ui {

// A rectangle in twips: left, top, width, height.
inline QRect R(int left, int top, int width, int height) {
    return QRect(left, top, width, height);
}

// A filled rectangle (`fill`) or an outlined one (no fill).
QFrame* make_shape(QWidget* parent, const char* name, QRect twips, const QColor* fill);
// A line of the layout: a thin dark frame.
void make_line(QWidget* parent, QRect twips);
QRadioButton* make_option(QWidget* parent, const char* name, const QString& text, QRect twips,
                          QButtonGroup* group, const QColor* background);
QGroupBox* make_frame(QWidget* parent, const char* name, QRect twips, const QColor* background);
// A list box sized to the whole rows that fit its place.
ListBox* make_list(QWidget* parent, const char* name, QRect twips, const QColor& background);
// A boxed value showing "0" until the state fills it.
QLabel* value_box(QWidget* parent, const char* name, QRect twips, const QColor& background,
                  const QString& toolTip = {});
// A bold 9.75 point heading.
QLabel* heading(QWidget* parent, const char* name, const QString& text, QRect twips,
                const QColor& colour = colour::black);

QStringList to_rows(const std::vector<std::string>& items);

} // namespace zapt::ui
