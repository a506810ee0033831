#include "ui/window_manager.h"

#include "ui/widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace zapt::ui {
namespace {

// The property that marks a window whose keys are set.
constexpr const char* kWindowKeys = "zaptWindowKeys";

// Keeps Escape in an open drop-down list: the list claims the key before any
// shortcut of its window sees it (the list closes itself while Qt asks who
// wants the key, and would otherwise leave it to the window's Escape).
class ListKeepsEscape : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
            e->accept();
            return true;
        }
        return false;
    }
};

} // namespace

QWidget* WindowManager::open(WindowId id, const std::function<QWidget*()>& create,
                             std::function<void()> closed) {
    QWidget* w = find(id);
    if (!w) {
        w = create();
        if (!w) return nullptr;
        // The window's own name is the one the rest of the program finds it by.
        w->setObjectName(window_name(id));
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->installEventFilter(this);
        add_window_keys(w);
        windows_[id] = {w, std::move(closed)};
        place_over(w, anchor_);
    }
    // Asked for again, a minimised window comes back as it was before.
    if (w->windowState() & Qt::WindowMinimized)
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

QWidget* WindowManager::find(WindowId id) const {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second.window.data();
}

void WindowManager::forget(QWidget* w) {
    for (auto it = windows_.begin(); it != windows_.end(); ++it) {
        if (it->second.window != w) continue;
        std::function<void()> closed = std::move(it->second.closed);
        windows_.erase(it);
        // Until it is gone, the closed window answers to no name.
        w->setObjectName(QString());
        if (closed) closed();
        return;
    }
}

bool WindowManager::eventFilter(QObject* watched, QEvent* event) {
    // No window of this program refuses to close, so a close event closes it.
    if (event->type() == QEvent::Close && watched->isWidgetType())
        forget(static_cast<QWidget*>(watched));
    return false;
}

void WindowManager::closeAll() {
    std::vector<QPointer<QWidget>> open;
    for (auto& [id, entry] : windows_) open.push_back(entry.window);
    for (QWidget* w : open) {
        if (w) w->close();
    }
    windows_.clear();
}

void add_window_keys(QWidget* w) {
    // Once per window: a second shortcut of the same key would make both
    // ambiguous, and Qt would run neither.
    if (w->property(kWindowKeys).toBool()) return;
    w->setProperty(kWindowKeys, true);
    auto* keep = new ListKeepsEscape(w);
    for (QComboBox* combo : w->findChildren<QComboBox*>()) combo->view()->installEventFilter(keep);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), w);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, w, [w] {
        // With a drop-down list or a menu of the window open, Escape closes
        // that alone, as everywhere else on the desktop.
        for (QComboBox* combo : w->findChildren<QComboBox*>()) {
            if (combo->view()->isVisible()) {
                combo->hidePopup();
                return;
            }
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            return;
        }
        w->close();
    });
    const QList<QPushButton*> ok = w->findChildren<QPushButton*>("cmdOK");
    if (ok.size() != 1) return;
    QPushButton* button = ok.front();
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), w);
        enter->setContext(Qt::WindowShortcut);
        QObject::connect(enter, &QShortcut::activated, button, &QPushButton::click);
    }
}

} // namespace zapt::ui
