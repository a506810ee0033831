#include "ui/input_gate.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace zapt::ui {
namespace {

// The events a person makes with the mouse, the keyboard or a touch screen,
// and the context menu they ask for.
bool is_input(const QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// The top-level window an event goes to, for a widget or a window of the
// window system.
const QObject* window_of(const QObject* o) {
    if (o->isWidgetType()) return static_cast<const QWidget*>(o)->window();
    if (o->isWindowType()) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->windowHandle() == o) return w;
        }
    }
    return o;
}

} // namespace

InputGate& InputGate::instance() {
    static InputGate* gate = [] {
        auto* g = new InputGate;
        QCoreApplication::instance()->installEventFilter(g);
        return g;
    }();
    return *gate;
}

InputGate::InputGate() : QObject(QCoreApplication::instance()) {}

InputGate::Hold::Hold() {
    ++instance().depth_;
}

InputGate::Hold::~Hold() {
    InputGate& gate = instance();
    if (--gate.depth_ == 0) {
        ++gate.finished_;
        gate.release();
    }
}

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
    if (depth_ == 0 || !is_input(event)) return false;
    // A message box that the operation shows waits for its own answer.
    const QObject* window = window_of(watched);
    if (QWidget* modal = QApplication::activeModalWidget(); modal && window == modal) return false;
    if (QWidget* popup = QApplication::activePopupWidget(); popup && window == popup) return false;
    // A copy goes to the back of the queue when the operation ends; the event
    // itself stops here.
    held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
    event->accept();
    return true;
}

void InputGate::release() {
    // Posted in their order, behind whatever the operation itself posted.
    std::vector<Held> events;
    events.swap(held_);
    for (Held& h : events) {
        if (h.receiver) QCoreApplication::postEvent(h.receiver, h.event.release());
    }
}

} // namespace zapt::ui
