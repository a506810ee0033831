#include "ui/dispatcher.h"

#include "ui/input_gate.h"

#include <QApplication>

namespace zapt::ui {

void EventQueue::run(std::function<bool()> step) {
    // An operation asked for while another runs (the program's own nested
    // steps never do this; input is held by the gate) waits for it to end.
    if (running_) {
        pending_.push_back(std::move(step));
        return;
    }
    InputGate::Hold hold;
    running_ = true;
    if (apply(step)) views_.show();
    while (!pending_.empty()) {
        const std::function<bool()> next = std::move(pending_.front());
        pending_.pop_front();
        if (apply(next)) views_.show();
    }
    running_ = false;
}

void EventQueue::record(std::function<void()> step) {
    if (running_) {
        // Run later with the others, and so followed by the state shown.
        pending_.push_back([step = std::move(step)] {
            step();
            return true;
        });
        return;
    }
    step();
    if (views_.showChoice) views_.showChoice();
}

bool EventQueue::apply(const std::function<bool()>& step) const {
    if (cursor_ == Cursor::WaitWhileRunning) QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool changed = step();
    if (cursor_ == Cursor::WaitWhileRunning) QApplication::restoreOverrideCursor();
    return changed;
}

} // namespace zapt::ui
