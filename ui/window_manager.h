// Opens the secondary windows: each is created on first request, brought to
// the front on a later one, and discarded when closed (the next request creates
// it afresh).
#pragma once

#include "ui/window_id.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

namespace zapt::ui {

class WindowManager {
public:
    // Shows the window `id`, creating it with `create` when it is not open.
    // Returns the window, or nullptr when `create` could not make it.
    QWidget* open(WindowId id, const std::function<QWidget*()>& create);
    // The open window `id`, or nullptr.
    QWidget* find(WindowId id) const;
    // Closes every window this manager opened.
    void closeAll();
    // New windows open over `anchor` (the main window) rather than at the
    // screen's edge.
    void setAnchor(QWidget* anchor) { anchor_ = anchor; }

private:
    QPointer<QWidget> anchor_;
    std::map<WindowId, QPointer<QWidget>> windows_;
};

} // namespace zapt::ui
