#include "ui/window_manager.h"

#include "ui/widgets.h"

namespace zapt::ui {

QWidget* WindowManager::open(const QString& name, const std::function<QWidget*()>& create) {
    QWidget* w = find(name);
    if (!w) {
        w = create();
        if (!w) return nullptr;
        w->setAttribute(Qt::WA_DeleteOnClose);
        windows_[name] = w;
        place_over(w, anchor_);
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

QWidget* WindowManager::find(const QString& name) const {
    auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->data();
}

void WindowManager::closeAll() {
    for (auto& w : windows_) {
        if (w) w->close();
    }
    windows_.clear();
}

} // namespace zapt::ui
