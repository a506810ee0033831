// Controls with the behaviour of the classic list box and of a button whose
// caption wraps over several lines.
#pragma once

#include <QListWidget>
#include <QPushButton>
#include <functional>

namespace zapt::ui {

// A list box with one selection rule for every list of the program. Its click
// handler runs exactly once for each of these:
//  - a mouse click (press and release of the left button on a row), on a new
//    row or on the row already selected; a double click counts as one click;
//  - a keyboard move to another row (arrows, Home, End, Page keys, typing the
//    start of a row);
//  - a selection through userSelect().
// It never runs for a change of focus (Tab, a click elsewhere), a press that is
// released off the rows, the wheel, Space or Enter on the selected row, or a
// row set by the program with setSelectedRow(). A list that receives the focus
// with no selected row keeps no selected row.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // Runs when the user selects a row.
    std::function<void(int row)> onClick;

    // Selects `row` as a user's click would; false for a row out of range.
    bool userSelect(int row);

    // Replaces the rows (without running the handler).
    void setRows(const QStringList& rows);
    // Selects a row by program (without running the handler); -1 for none.
    void setSelectedRow(int row);

    // How often the click handler has run (for the driver's reports).
    int handlerRuns() const { return handlerRuns_; }

    // How many whole rows `height` pixels of this list show.
    int wholeRows(int height) const;
    // The height in pixels that shows exactly `rows` whole rows.
    int heightForRows(int rows) const;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    // Runs the handler for `row` (after showing it selected).
    void choose(int row);
    // Shows the row last chosen or set by the program again.
    void restore();
    int rowAt(const QPoint& viewportPos) const;

    int shownRow_ = -1;      // the row last chosen or set by the program
    bool pressed_ = false;   // a left press on this list waits for its release
    bool allMarked_ = false; // Ctrl+A was pressed: the next Ctrl+C copies every row
    int handlerRuns_ = 0;
};

// Keeps two lists that stand row for row scrolled alike: whichever of the two
// the user scrolls (wheel, keys or scroll bar), the other follows.
void follow_scrolling(QListWidget* a, QListWidget* b);

// A push button whose caption wraps within the button's width.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace zapt::ui
