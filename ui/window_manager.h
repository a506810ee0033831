// Opens the secondary windows: each is created on first request, brought to
// the front on a later one (restored first when it was minimised), and
// discarded when closed: the next request creates it afresh, even when it
// comes before the closed window is gone. Escape closes each of them, and
// Enter presses a window's only "OK" button.
#pragma once

#include "ui/window_id.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

namespace zapt::ui {

class WindowManager : public QObject {
public:
    // Shows the window `id`, creating it with `create` when it is not open;
    // `closed` runs once when that window is closed (by the user, by Escape or
    // by the program). Returns the window, or nullptr when `create` could not
    // make it.
    QWidget* open(WindowId id, const std::function<QWidget*()>& create,
                  std::function<void()> closed = {});
    // The open window `id`, or nullptr.
    QWidget* find(WindowId id) const;
    // Closes every window this manager opened.
    void closeAll();
    // New windows open over `anchor` (the main window) rather than at the
    // screen's edge.
    void setAnchor(QWidget* anchor) { anchor_ = anchor; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> window;
        std::function<void()> closed;
    };
    // Forgets the window (it is closing) and runs its `closed`.
    void forget(QWidget* w);

    QPointer<QWidget> anchor_;
    std::map<WindowId, Entry> windows_;
};

// Escape closes `w`; when `w` has one "OK" button (named "cmdOK"), Enter and
// Return press it.
void add_window_keys(QWidget* w);

} // namespace zapt::ui
