// The one way every window dispatches an event: an operation on the window's
// state, then the state shown; a recorded choice shown as such; an operation
// asked for while another runs (from inside it or from the window showing
// its state) held back and run after it, in order, each followed by the state
// shown, never inside another; user input held by the gate while one runs;
// the wait cursor only around the operations of a window that asks for it.
#include "ui/dispatcher.h"
#include "ui/input_gate.h"

#include <QApplication>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

using namespace zapt::ui;

namespace {

// A state that writes down what happened to it: each operation its letter,
// "S" when the window showed it, "C" when it showed a recorded choice. `depth`
// counts the operations running now, so one run inside another shows.
struct Log {
    std::string events;
    int depth = 0;
    int deepest = 0;
};

// A window over a Log: the dispatcher, and what it does when it shows the state.
struct Window {
    Log log;
    std::function<void(Window&)> onShow; // once, on the first show
    Dispatcher<Log> dispatch{log,
                             {[this] {
                                  log.events += "S";
                                  if (auto f = std::exchange(onShow, nullptr)) f(*this);
                              },
                              [this] { log.events += "C"; }}};
};

// An operation writing `letter`, after doing `inside` while it runs.
Dispatcher<Log>::Operation op(char letter, std::function<void()> inside = {}) {
    return [letter, inside](Log& log) {
        ++log.depth;
        log.deepest = std::max(log.deepest, log.depth);
        log.events += letter;
        if (inside) inside();
        --log.depth;
    };
}

} // namespace

class DispatcherTest : public QObject {
    Q_OBJECT

private slots:
    void runsRecordsAndHoldsBackInOrder() {
        const struct {
            const char* what;
            std::function<void(Window&)> play;
            const char* events;
        } cases[] = {
            {"a run shows the state", [](Window& w) { w.dispatch.run(op('a')); }, "aS"},
            {"a record shows the choice", [](Window& w) { w.dispatch.record(op('a')); }, "aC"},
            {"runIf shows only when the state changed",
             [](Window& w) {
                 w.dispatch.runIf([](Log& l) {
                     op('a')(l);
                     return false;
                 });
                 w.dispatch.runIf([](Log& l) {
                     op('b')(l);
                     return true;
                 });
             },
             "abS"},
            {"events one after another",
             [](Window& w) {
                 w.dispatch.run(op('a'));
                 w.dispatch.record(op('b'));
                 w.dispatch.run(op('c'));
             },
             "aSbCcS"},
            {"a run and a record asked for inside a run wait, in order",
             [](Window& w) {
                 w.dispatch.run(op('a', [&w] {
                     w.dispatch.run(op('b'));
                     w.dispatch.record(op('c'));
                 }));
             },
             // The held-back record is followed by the whole state shown.
             "aSbScS"},
            {"what the queue runs may ask for more, run after it",
             [](Window& w) {
                 w.dispatch.run(
                     op('a', [&w] { w.dispatch.run(op('b', [&w] { w.dispatch.run(op('c')); })); }));
             },
             "aSbScS"},
            {"an event asked for while the state is shown waits for the show",
             [](Window& w) {
                 w.onShow = [](Window& self) { self.dispatch.record(op('b')); };
                 w.dispatch.run(op('a'));
                 w.dispatch.record(op('c'));
             },
             "aSbScC"},
            {"a held-back runIf that changed nothing shows nothing",
             [](Window& w) {
                 w.dispatch.run(op('a', [&w] {
                     w.dispatch.runIf([](Log& l) {
                         op('b')(l);
                         return false;
                     });
                 }));
             },
             "aSb"},
        };
        for (const auto& c : cases) {
            Window w;
            c.play(w);
            QVERIFY2(w.log.events == c.events, qPrintable(QString("%1: %2").arg(
                                                   c.what, QString::fromStdString(w.log.events))));
            QVERIFY2(w.log.deepest == 1, c.what);
            QVERIFY2(!w.dispatch.running(), c.what);
        }
    }

    void holdsInputWhileAnOperationRuns() {
        InputGate& gate = InputGate::instance();
        Window w;
        const unsigned long before = gate.finished();
        bool busyInside = false, busyInsideQueued = false;
        w.dispatch.run(op('a', [&] {
            busyInside = gate.busy() && w.dispatch.running();
            w.dispatch.run([&](Log&) { busyInsideQueued = gate.busy(); });
        }));
        QVERIFY(busyInside);
        QVERIFY(busyInsideQueued);
        QVERIFY(!gate.busy());
        // One run with its queue is one operation for whoever waits on the gate.
        QCOMPARE(gate.finished(), before + 1);
        // A record stores a choice at once and takes no hold.
        w.dispatch.record([&](Log&) { busyInside = gate.busy(); });
        QVERIFY(!busyInside);
        QCOMPARE(gate.finished(), before + 1);
    }

    void showsTheWaitCursorOnlyWhereAsked() {
        for (const auto cursor :
             {Dispatcher<Log>::Cursor::Unchanged, Dispatcher<Log>::Cursor::WaitWhileRunning}) {
            Log log;
            bool waitingInOp = false, waitingInShow = true;
            Dispatcher<Log> dispatch(
                log, {[&] { waitingInShow = QApplication::overrideCursor() != nullptr; }, {}},
                cursor);
            dispatch.run([&](Log&) {
                waitingInOp = QApplication::overrideCursor() &&
                              QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            });
            QCOMPARE(waitingInOp, cursor == Dispatcher<Log>::Cursor::WaitWhileRunning);
            QVERIFY(!waitingInShow);
            QVERIFY(!QApplication::overrideCursor());
        }
    }
};

QTEST_MAIN(DispatcherTest)
#include "dispatcher_test.moc"
