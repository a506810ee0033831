// Small helpers that build the windows' controls the same way everywhere: a
// name (the control name the rest of the program uses), a place in twips, and
// the fonts and colours of the classic dialog look.
#pragma once

#include "ui/twips.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace zapt::ui {

// The standard dialog font at 8.25 point; headings use 9.75 point bold.
QFont dialog_font(double points = 8.25, bool bold = false, bool italic = false);

// Sets the background colour of a widget (and marks it auto-filled).
void set_background(QWidget* w, const QColor& c);
// Sets the text colour of a widget.
void set_foreground(QWidget* w, const QColor& c);

// A label that reacts to a click (used for the Donate window's address).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) emit clicked();
        QLabel::mousePressEvent(e);
    }
};

// A label named `name` at (left, top, width, height) twips in `parent`.
QLabel* make_label(QWidget* parent, const char* name, const QString& text, QRect twips,
                   double points = 8.25, bool bold = false);

// A boxed value label (a small framed label showing a result).
QLabel* make_value_label(QWidget* parent, const char* name, const QString& text, QRect twips);

// A push button named `name`.
QPushButton* make_button(QWidget* parent, const char* name, const QString& text, QRect twips,
                         bool bold = false);

// A push button named `name` for a window laid out by Qt's layouts (no fixed
// place), with tool tip `tip`; it never takes Enter as the window's default.
QPushButton* make_layout_button(QWidget* parent, const char* name, const QString& text,
                                const QString& tip = QString());

// Moves the top-level window `w` over `anchor` (centred on it, a little above
// the middle, kept on the anchor's screen); does nothing without an anchor.
void place_over(QWidget* w, const QWidget* anchor);

// Colours of the classic look.
namespace colour {
inline const QColor paleCyan{192, 255, 255};
inline const QColor paleYellow{255, 255, 192};
inline const QColor paleMagenta{255, 192, 255};
inline const QColor palePink{255, 192, 192};
inline const QColor paleGreen{192, 255, 192};
inline const QColor lightGrey{224, 224, 224};
inline const QColor white{255, 255, 255};
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor black{0, 0, 0};
} // namespace colour

} // namespace zapt::ui
