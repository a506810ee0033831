#include "ui/window_manager.h"

#include "ui/widgets.h"

namespace zapt::ui {

QWidget* WindowManager::open(WindowId id, const std::function<QWidget*()>& create) {
    QWidget* w = find(id);
    if (!w) {
        w = create();
        if (!w) return nullptr;
        // The window's own name is the one the rest of the program finds it by.
        w->setObjectName(window_name(id));
        w->setAttribute(Qt::WA_DeleteOnClose);
        windows_[id] = w;
        place_over(w, anchor_);
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

QWidget* WindowManager::find(WindowId id) const {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second.data();
}

void WindowManager::closeAll() {
    for (auto& [id, w] : windows_) {
        if (w) w->close();
    }
    windows_.clear();
}

} // namespace zapt::ui
