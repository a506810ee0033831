// Keeps user input out of a running operation. An operation runs on the one
// thread of the windows from start to end; the only time the event loop turns
// inside one is while the progress window is painted. Input that reaches the
// program then (a second click of a double click, a burst of clicks on a slow
// button, a key held down) is held back, and handed on in its order once the
// operation has finished, exactly as if it had arrived a moment later. So no
// handler ever runs inside another, and a click never meets a window that the
// running operation is closing or rebuilding.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

namespace zapt::ui {

class InputGate : public QObject {
public:
    // The one gate of the application, installed on first use.
    static InputGate& instance();

    // While a Hold lives, input is held; the outermost Hold hands it on when it ends.
    class Hold {
    public:
        Hold();
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
    };

    // Whether an operation is running.
    bool busy() const { return depth_ > 0; }
    // How many operations have finished: a driver that waits for input to be
    // handled knows from it whether one ran in the meantime.
    unsigned long finished() const { return finished_; }
    // Input events held now.
    std::size_t held() const { return held_.size(); }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputGate();
    void release();

    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    int depth_ = 0;
    unsigned long finished_ = 0;
    std::vector<Held> held_;
};

} // namespace zapt::ui
