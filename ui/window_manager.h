// Opens the secondary windows: each is created on first request, brought to
// the front on a later one, and discarded when closed (the next request creates
// it afresh).
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace zapt::ui {

class WindowManager {
public:
    // Shows the window `name`, creating it with `create` when it is not open.
    // Returns the window, or nullptr when `create` could not make it.
    QWidget* open(const QString& name, const std::function<QWidget*()>& create);
    // The open window `name`, or nullptr.
    QWidget* find(const QString& name) const;
    // Closes every window this manager opened.
    void closeAll();
    // New windows open over `anchor` (the main window) rather than at the
    // screen's edge.
    void setAnchor(QWidget* anchor) { anchor_ = anchor; }

private:
    QPointer<QWidget> anchor_;
    QHash<QString, QPointer<QWidget>> windows_;
};

} // namespace zapt::ui
