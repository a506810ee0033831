// How every window turns a user event into a change of its state: the one
// way to dispatch an event.
//
// A window's state lives in the core (the main window's state, the
// comparison, the Explore window's state); each event is an operation on it,
// a plain function of the state. `run` runs the operation and then asks the
// window to show the new state; `record` runs an operation that only stores a
// choice (a box's text, an option), which the next query reads, and shows
// only what such a choice changes on screen.
//
// An operation runs from start to end on the windows' thread, with user input
// held by the InputGate. When the event loop turns inside one anyway (the
// progress window being painted, a window the operation opens), an operation
// asked for meanwhile is not run inside it: it waits in a queue and runs, in
// its order, once the running one has finished, each followed by the state
// shown. So no handler ever runs inside another.
#pragma once

#include <deque>
#include <functional>
#include <utility>

namespace zapt::ui {

// The queue and the input gate, whatever the state.
class EventQueue {
public:
    // How a window shows its state: after every run, and after a record.
    struct Views {
        std::function<void()> show;       // the whole state
        std::function<void()> showChoice; // what a recorded choice changes; none: nothing
    };
    // Whether the wait cursor stands while an operation runs (a window whose
    // operations may take long and show no progress window of their own).
    enum class Cursor { Unchanged, WaitWhileRunning };

    explicit EventQueue(Views views, Cursor cursor = Cursor::Unchanged)
        : views_(std::move(views)), cursor_(cursor) {}
    EventQueue(const EventQueue&) = delete;
    EventQueue& operator=(const EventQueue&) = delete;

    // Runs `step` (an operation bound to its state), then shows the state
    // when `step` says the state changed; queued when another runs.
    void run(std::function<bool()> step);
    // Runs `step`, then shows the recorded choice; queued when another runs
    // (and then followed by the whole state shown, as every queued event).
    void record(std::function<void()> step);
    // Whether an operation of this queue is running.
    bool running() const { return running_; }

private:
    bool apply(const std::function<bool()>& step) const;

    Views views_;
    Cursor cursor_;
    bool running_ = false;
    std::deque<std::function<bool()>> pending_; // asked for while one runs, in order
};

// The dispatcher of a window over a state of type `State`.
template <class State> class Dispatcher {
public:
    using Operation = std::function<void(State&)>;
    using Views = EventQueue::Views;
    using Cursor = EventQueue::Cursor;

    // `state` must outlive the dispatcher.
    Dispatcher(State& state, Views views, Cursor cursor = Cursor::Unchanged)
        : state_(state), queue_(std::move(views), cursor) {}

    void run(Operation op) {
        queue_.run([&state = state_, op = std::move(op)] {
            op(state);
            return true;
        });
    }
    // Runs `op` as run does, but shows the state only when `op` returns true
    // (work of a second thread taken in, when there was any).
    void runIf(std::function<bool(State&)> op) {
        queue_.run([&state = state_, op = std::move(op)] { return op(state); });
    }
    void record(Operation op) {
        queue_.record([&state = state_, op = std::move(op)] { op(state); });
    }
    bool running() const { return queue_.running(); }

    // A slot for a signal: `op` run on every emission (its arguments dropped).
    auto runs(Operation op) {
        return [this, op = std::move(op)](auto&&...) { run(op); };
    }
    auto records(Operation op) {
        return [this, op = std::move(op)](auto&&...) { record(op); };
    }

    const State& state() const { return state_; }

private:
    State& state_;
    EventQueue queue_;
};

} // namespace zapt::ui
