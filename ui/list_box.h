// Controls with the behaviour of the classic list box and of a button whose
// caption wraps over several lines.
#pragma once

#include <QListWidget>
#include <QPushButton>
#include <functional>

namespace zapt::ui {

// A list box whose click handler runs on every user selection of a row: a
// mouse click (also on the row already selected) or a keyboard move. Rows set
// by the program do not run it; the program runs its handlers itself.
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

private:
    int changedRow_ = -2;
};

// A push button whose caption wraps within the button's width.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace zapt::ui
