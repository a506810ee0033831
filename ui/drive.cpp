// zapt-drive: opens the program's real windows and plays a script read from
// standard input, one JSON array per line, answering each command with one
// JSON object per line. It lets tests and people use the program as a user
// would and read what its windows show.
//
//   ["click", name]          a button, an option button or a label with a click action
//   ["select", name, row]    a user's click on a row of a list box; the item of a
//                            drop-down list or the tab of a tab bar
//   ["select", spin, value]  sets a spin box to a value within its range
//   ["press", name, row]     a real mouse press and release on a row of a list box
//                            (scrolled into view first), through the event system
//   ["press", table, row]    the same on a row of a table
//   ["press", table, "heading", column]  on a column heading (sorts by it)
//   ["press", name]          a real mouse press and release in the middle of a control
//   ["type", name, text]     replaces the text of a text box
//   ["key", name, KEY]       gives the control the focus as a keyboard user would, then
//                            presses and releases KEY there: "Enter", "Tab", "Backtab",
//                            "Down", "Up", "Home", "End", "PageDown", "PageUp", "Space",
//                            "Escape", "Ctrl+C", "Ctrl+A", "Ctrl+Z", "Ctrl+Y"; a drop-down list
//                            whose list is open (after a press on it) takes the key in that list
//   ["wait", ms]             lets the program handle what reached it for ms milliseconds
//   ["idle", ms]             waits (at most ms milliseconds) until no window is busy with
//                            work on a second thread (the Explore window building a form
//                            index or reading a reference corpus); fails when one still is
//   ["doubleclick", table, row]  a real double-click on a row of a table (what the row
//                            opens: the concordance of its form, a comparison)
//   ["menu", table, caption] the item of that caption on a table's context menu that
//                            opens something for the selected row ("Concordance of this
//                            form"), as the menu runs it
//   ["burst", name, N, ms]   N real clicks on a button (or a label with a click action)
//                            posted through the event system ms milliseconds apart
//                            (0: all at once), without waiting for the program between
//                            them; answers once every click has been handled
//   ["burst", name, row, N, ms]  the same on a row of a list box
//   ["focus", name]          gives the control the focus as a keyboard user would
//   ["wheel", name, steps]   turns the mouse wheel over a control (positive: up)
//   ["copy", name]           the context menu's "Copy" on a control (the selected row)
//   ["copyall", name]        its "Copy all"
//   ["export", name, file]   its "Export..." into `file` (CSV, or TSV/XLSX by the name)
//   ["close", window]        closes a window
//   ["dump"]                 every open window with its controls (a table with its machine
//                            column names, its headings as shown, its sort column, how
//                            each column is drawn (`looks`: align, bold) and, in the
//                            Explore window, whether it is stale; every control with its
//                            place on the screen) and whether the window is busy
//   ["screenshot", window, file]  saves a picture of a window as PNG
//   ["save", chart, file]    saves a chart of the comparison window as its "Save chart..."
//                            does: PNG or SVG by the file's extension
//
// A control is named "Window.Control", or by its bare name when exactly one
// open window holds a control of that name.
#include "ui/corpus_option.h"
#include "ui/input_gate.h"
#include "ui/list_box.h"
#include "ui/main_window.h"
#include "ui/result_table_view.h"
#include "ui/share_chart_view.h"
#include "ui/table_actions.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

using nlohmann::json;

namespace {

QString hex(const QColor& c) {
    return c.name(QColor::HexRgb);
}

std::vector<QWidget*> open_windows() {
    std::vector<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName().startsWith("Form")) out.push_back(w);
    }
    return out;
}

QWidget* find_window(const QString& name) {
    for (QWidget* w : open_windows()) {
        if (w->objectName() == name) return w;
    }
    return nullptr;
}

bool is_control(const QWidget* w) {
    const QString n = w->objectName();
    return !n.isEmpty() && !n.startsWith("qt_");
}

// Finds a control by "Window.Control" or by a bare name held by exactly one window.
QWidget* find_control(const std::string& reference, std::string& error) {
    QString name = QString::fromStdString(reference);
    int dot = name.indexOf('.');
    if (dot > 0) {
        QWidget* window = find_window(name.left(dot));
        if (!window) {
            error = "no open window " + name.left(dot).toStdString();
            return nullptr;
        }
        QWidget* c = window->findChild<QWidget*>(name.mid(dot + 1));
        if (!c) error = "unknown control " + reference;
        return c;
    }
    QWidget* found = nullptr;
    int windows = 0;
    for (QWidget* w : open_windows()) {
        if (QWidget* c = w->findChild<QWidget*>(name)) {
            found = c;
            ++windows;
        }
    }
    if (windows == 0) error = "unknown control " + reference;
    if (windows > 1) error = "ambiguous control " + reference + ": name it as Window.Control";
    return windows == 1 ? found : nullptr;
}

std::string kind_of(QWidget* w) {
    if (qobject_cast<QRadioButton*>(w)) return "option";
    if (qobject_cast<QAbstractButton*>(w)) return "button";
    if (qobject_cast<zapt::ui::ClickLabel*>(w)) return "label";
    if (qobject_cast<QLabel*>(w)) return "label";
    if (qobject_cast<QListWidget*>(w)) return "list";
    if (qobject_cast<QTableView*>(w)) return "table";
    if (qobject_cast<QComboBox*>(w)) return "combo";
    if (qobject_cast<QSpinBox*>(w)) return "spin";
    if (qobject_cast<QTabWidget*>(w)) return "tabs";
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) return "text";
    if (qobject_cast<QGroupBox*>(w)) return "frame";
    if (qobject_cast<zapt::ui::ShareChartView*>(w)) return "chart";
    if (QString(w->metaObject()->className()).contains("WebEngine")) return "browser";
    return "shape";
}

// What every control shows: its kind, text, tool tip, state, place and colours.
void describe_common(json& c, QWidget* w, QWidget* window) {
    c["kind"] = kind_of(w);
    QString text;
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        text = b->text();
    else if (auto* l = qobject_cast<QLabel*>(w))
        text = l->text();
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        text = e->text();
    else if (auto* t = qobject_cast<QPlainTextEdit*>(w))
        text = t->toPlainText();
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        text = g->title();
    c["text"] = text.toStdString();
    c["toolTip"] = w->toolTip().toStdString();
    c["enabled"] = w->isEnabled();
    c["visible"] = w->isVisibleTo(window);
    // Where the control stands on the screen, for input from outside the program.
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    c["place"] = json::array({at.x(), at.y(), w->width(), w->height()});
    const QPalette& p = w->palette();
    bool list_or_text = qobject_cast<QListWidget*>(w) || qobject_cast<QLineEdit*>(w) ||
                        qobject_cast<QPlainTextEdit*>(w);
    c["foreground"] = hex(p.color(list_or_text                        ? QPalette::Text
                                  : qobject_cast<QAbstractButton*>(w) ? QPalette::ButtonText
                                                                      : QPalette::WindowText))
                          .toStdString();
    c["background"] = hex(p.color(list_or_text                    ? QPalette::Base
                                  : qobject_cast<QPushButton*>(w) ? QPalette::Button
                                                                  : QPalette::Window))
                          .toStdString();
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
        c["checked"] = b->isChecked();
}

// A table: the rows as the view shows them (after a sort, in its order); the
// columns by their machine names, as copies and exports write them, and by
// the headings shown; how each column's cells are drawn.
void describe_table(json& c, QTableView* t) {
    const QAbstractItemModel* m = t->model();
    json columns = json::array();
    json headings = json::array();
    for (int i = 0; i < m->columnCount(); ++i) {
        const QVariant machine = m->headerData(i, Qt::Horizontal, Qt::UserRole);
        const QString shown = m->headerData(i, Qt::Horizontal).toString();
        columns.push_back((machine.isValid() ? machine.toString() : shown).toStdString());
        headings.push_back(shown.toStdString());
    }
    c["headings"] = headings;
    const QHeaderView* header = t->horizontalHeader();
    c["sortColumn"] = header->isSortIndicatorShown() ? header->sortIndicatorSection() : -1;
    c["sortDescending"] = header->sortIndicatorOrder() == Qt::DescendingOrder;
    if (const QVariant stale = t->property("stale"); stale.isValid()) c["stale"] = stale.toBool();
    json rows = json::array();
    for (int r = 0; r < m->rowCount(); ++r) {
        json row = json::array();
        for (int i = 0; i < m->columnCount(); ++i)
            row.push_back(m->data(m->index(r, i)).toString().toStdString());
        rows.push_back(row);
    }
    c["columns"] = columns;
    c["rows"] = rows;
    // How each column's cells are drawn: aligned left, right or centred, and
    // in bold.
    if (const auto* model = dynamic_cast<const zapt::ui::ResultTableModel*>(m)) {
        json looks = json::array();
        for (int i = 0; i < m->columnCount(); ++i) {
            const zapt::ui::ColumnLook look = model->columnLook(i);
            const Qt::Alignment align =
                m->rowCount() > 0
                    ? m->data(m->index(0, i), Qt::TextAlignmentRole).value<Qt::Alignment>()
                    : look.align;
            looks.push_back({{"align", align & Qt::AlignRight     ? "right"
                                       : align & Qt::AlignHCenter ? "center"
                                                                  : "left"},
                             {"bold", look.bold}});
        }
        c["looks"] = looks;
    }
    const QModelIndex current = t->currentIndex();
    c["selected"] = current.isValid() && t->selectionModel()->isRowSelected(current.row(), {})
                        ? current.row()
                        : -1;
}

// A chart: the bars as drawn, and whether every group label shows whole: the
// room its text needs lies inside its own box and inside the chart.
void describe_chart(json& c, const zapt::ui::ShareChartView* chart) {
    json bars = json::array();
    for (const zapt::ShareBar& b : chart->chart().bars) {
        bars.push_back({{"label", b.label},
                        {"n", b.n},
                        {"count", b.count},
                        {"dots", b.dots.size()},
                        {"withheld", b.dotsWithheld}});
    }
    c["bars"] = bars;
    c["form"] = chart->chart().form;
    c["stacked"] = chart->stacked();
    const QRectF area(chart->rect());
    bool whole = true;
    json upright = false;
    for (const auto& place : chart->labelPlaces()) {
        const QRectF room = place.box.adjusted(-0.5, -0.5, 0.5, 0.5);
        whole = whole && room.contains(place.needed) && area.contains(place.needed);
        upright = place.upright;
    }
    c["labelsWhole"] = whole;
    c["labelsUpright"] = upright;
}

json describe(QWidget* w, QWidget* window) {
    json c;
    describe_common(c, w, window);
    if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        c["value"] = spin->value();
        c["minimum"] = spin->minimum();
        c["maximum"] = spin->maximum();
        c["text"] = spin->text().toStdString();
    }
    if (auto* l = qobject_cast<QListWidget*>(w)) {
        json items = json::array();
        for (int i = 0; i < l->count(); ++i) items.push_back(l->item(i)->text().toStdString());
        c["items"] = items;
        c["selected"] = l->currentRow();
        c["top"] = l->indexAt(QPoint(2, 2)).row(); // the first row in view; -1 when empty
        if (auto* box = qobject_cast<zapt::ui::ListBox*>(w)) c["clicks"] = box->handlerRuns();
    }
    if (auto* t = qobject_cast<QTableView*>(w); t && t->model()) describe_table(c, t);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        json items = json::array();
        for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
        c["items"] = items;
        c["selected"] = combo->currentIndex();
        c["text"] = combo->currentText().toStdString();
        c["popupOpen"] = combo->view() && combo->view()->isVisible();
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        c["selected"] = tabs->currentIndex();
        c["text"] = tabs->tabText(tabs->currentIndex()).toStdString();
    }
    if (auto* chart = qobject_cast<zapt::ui::ShareChartView*>(w)) describe_chart(c, chart);
    return c;
}

// The keys a script may press, as a keyboard sends them.
struct Key {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
const Key kKeys[] = {{"Enter", Qt::Key_Return, Qt::NoModifier},
                     {"Tab", Qt::Key_Tab, Qt::NoModifier},
                     {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier},
                     {"Down", Qt::Key_Down, Qt::NoModifier},
                     {"Up", Qt::Key_Up, Qt::NoModifier},
                     {"Home", Qt::Key_Home, Qt::NoModifier},
                     {"End", Qt::Key_End, Qt::NoModifier},
                     {"PageDown", Qt::Key_PageDown, Qt::NoModifier},
                     {"PageUp", Qt::Key_PageUp, Qt::NoModifier},
                     {"Space", Qt::Key_Space, Qt::NoModifier},
                     {"Escape", Qt::Key_Escape, Qt::NoModifier},
                     {"Ctrl+C", Qt::Key_C, Qt::ControlModifier},
                     {"Ctrl+A", Qt::Key_A, Qt::ControlModifier},
                     {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier},
                     {"Ctrl+Y", Qt::Key_Y, Qt::ControlModifier}};

// The control's window comes to the front and takes the keyboard, and the
// control gets the focus the way Tab would give it.
void give_focus(QWidget* control) {
    QWidget* window = control->window();
    window->raise();
    window->activateWindow();
    if (!window->isActiveWindow()) (void)QTest::qWaitForWindowActive(window, 1000);
    control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

std::string qualified_name(const QWidget* w) {
    if (!w || w->objectName().isEmpty()) return "";
    const QWidget* window = w->window();
    if (window == w) return w->objectName().toStdString();
    return (window->objectName() + "." + w->objectName()).toStdString();
}

json dump(const std::vector<std::string>& messages) {
    json windows = json::object();
    for (QWidget* w : open_windows()) {
        json win;
        win["caption"] = w->windowTitle().toStdString();
        win["visible"] = w->isVisible();
        win["x"] = w->frameGeometry().x();
        win["y"] = w->frameGeometry().y();
        win["width"] = w->width();
        win["height"] = w->height();
        win["onTop"] = bool(w->windowFlags() & Qt::WindowStaysOnTopHint);
        win["busy"] = w->property("busy").toBool();
        json controls = json::object();
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (is_control(c)) controls[c->objectName().toStdString()] = describe(c, w);
        }
        win["controls"] = controls;
        windows[w->objectName().toStdString()] = win;
    }
    return {{"ok", true},
            {"windows", windows},
            {"clipboard", QGuiApplication::clipboard()->text().toStdString()},
            {"focus", qualified_name(QApplication::focusWidget())},
            {"messages", messages}};
}

json fail(const std::string& error) {
    return {{"ok", false}, {"error", error}};
}

// A press and a release of the left button at `at` in `target`, posted to the
// event queue as the window system delivers a person's click.
void post_click(QWidget* target, QPoint at) {
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonPress, local, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonRelease, local, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// Posts `count` clicks `ms` milliseconds apart while the program runs, then
// waits until every one of them has been handled: no operation runs, no input
// is held back, and a marker posted after the last click has come through
// without an operation running in between. False when that takes over a minute.
bool play_clicks(QWidget* target, QPoint at, int count, int ms) {
    QPointer<QWidget> guard(target);
    int posted = 0;
    auto post = [&] {
        if (guard) post_click(guard, at);
        ++posted;
    };
    std::vector<std::unique_ptr<QTimer>> timers;
    if (ms == 0) {
        while (posted < count) post();
    } else {
        post();
        for (int i = 1; i < count; ++i) {
            auto timer = std::make_unique<QTimer>();
            timer->setSingleShot(true);
            QObject::connect(timer.get(), &QTimer::timeout, post);
            timer->start(i * ms);
            timers.push_back(std::move(timer));
        }
    }
    zapt::ui::InputGate& gate = zapt::ui::InputGate::instance();
    QObject marker;
    bool markerOut = false;
    bool done = false;
    unsigned long runsWhenPosted = 0;
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 60000) {
        if (posted == count && !markerOut && !gate.busy() && gate.held() == 0) {
            markerOut = true;
            runsWhenPosted = gate.finished();
            QMetaObject::invokeMethod(
                &marker,
                [&] {
                    markerOut = false;
                    done = !gate.busy() && gate.held() == 0 && gate.finished() == runsWhenPosted;
                },
                Qt::QueuedConnection);
        }
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return done;
}

// One command of a script: its verb and its arguments.
struct Command {
    const json& cmd;
    std::string verb;
    // The text argument `i`; empty when there is none.
    std::string arg(std::size_t i) const {
        return i < cmd.size() && cmd[i].is_string() ? cmd[i].get<std::string>() : std::string();
    }
    // Whether argument `i` is a whole number, and its value.
    bool hasInt(std::size_t i) const { return i < cmd.size() && cmd[i].is_number_integer(); }
    int integer(std::size_t i) const { return cmd[i].get<int>(); }
};

json done() {
    return {{"ok", true}};
}

// ---- Commands on the program's windows ----------------------------------------------------------

json play_wait(const Command& command) {
    // Lets the program handle whatever reached it meanwhile (input from
    // outside the program included) for the given milliseconds.
    if (!command.hasInt(1)) return fail("wait needs milliseconds");
    QElapsedTimer clock;
    clock.start();
    const int ms = std::clamp(command.integer(1), 0, 10000);
    while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

json play_idle(const Command& command) {
    if (!command.hasInt(1)) return fail("idle needs milliseconds");
    const int ms = std::clamp(command.integer(1), 0, 120000);
    QElapsedTimer clock;
    clock.start();
    auto busy = [] {
        for (QWidget* w : open_windows())
            if (w->property("busy").toBool()) return true;
        return false;
    };
    while (busy() && clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
    // What the window does once the work is taken in.
    QApplication::processEvents();
    if (busy()) return fail("still busy after " + std::to_string(ms) + " ms");
    return done();
}

json play_close(const Command& command) {
    QWidget* w = find_window(QString::fromStdString(command.arg(1)));
    if (!w) return fail("no open window " + command.arg(1));
    w->close();
    return done();
}

json play_screenshot(const Command& command) {
    QWidget* w = find_window(QString::fromStdString(command.arg(1)));
    if (!w) return fail("no open window " + command.arg(1));
    if (!w->grab().save(QString::fromStdString(command.arg(2)), "PNG"))
        return fail("cannot write " + command.arg(2));
    return done();
}

// ---- Commands on a control ----------------------------------------------------------------------

json play_save(const Command& command, QWidget* c) {
    if (command.arg(2).empty()) return fail("save needs a file name");
    const QString why = zapt::ui::save_chart_picture(c, QString::fromStdString(command.arg(2)));
    if (!why.isEmpty()) return fail(why.toStdString());
    return done();
}

json play_click(const Command& command, QWidget* c) {
    if (!c->isEnabled()) return fail(command.arg(1) + " is disabled");
    if (auto* b = qobject_cast<QAbstractButton*>(c)) {
        b->click();
        return done();
    }
    if (auto* l = qobject_cast<zapt::ui::ClickLabel*>(c)) {
        emit l->clicked();
        return done();
    }
    return fail(command.arg(1) + " has no click action");
}

json play_select(const Command& command, QWidget* c) {
    if (auto* spin = qobject_cast<QSpinBox*>(c)) {
        // A spin box takes a value within its range, as its arrows would.
        if (!spin->isEnabled()) return fail(command.arg(1) + " is disabled");
        if (!command.hasInt(2)) return fail("select needs a value");
        const int value = command.integer(2);
        if (value < spin->minimum() || value > spin->maximum()) return fail("value out of range");
        spin->setValue(value);
        return done();
    }
    if (qobject_cast<QComboBox*>(c) || qobject_cast<QTabWidget*>(c)) {
        if (!c->isEnabled()) return fail(command.arg(1) + " is disabled");
        if (!command.hasInt(2)) return fail("select needs a row number");
        const int row = command.integer(2);
        if (auto* combo = qobject_cast<QComboBox*>(c)) {
            if (row < 0 || row >= combo->count()) return fail("row out of range");
            // As a user's choice: the index changes, then the choice is reported.
            combo->setCurrentIndex(row);
            emit combo->activated(row);
        } else {
            auto* tabs = qobject_cast<QTabWidget*>(c);
            if (row < 0 || row >= tabs->count()) return fail("row out of range");
            tabs->setCurrentIndex(row);
        }
        return done();
    }
    auto* list = qobject_cast<zapt::ui::ListBox*>(c);
    if (!list) return fail(command.arg(1) + " is not a list box");
    if (!list->isEnabled()) return fail(command.arg(1) + " is disabled");
    if (!command.hasInt(2)) return fail("select needs a row number");
    if (!list->userSelect(command.integer(2))) return fail("row out of range");
    return done();
}

// ["press", table, row]: a row; ["press", table, "heading", column]: a column
// heading, which sorts by that column.
json press_table(const Command& command, QTableView* table) {
    QAbstractItemModel* m = table->model();
    const json& cmd = command.cmd;
    if (cmd.size() == 4 && cmd[2] == "heading" && cmd[3].is_number_integer()) {
        const int column = cmd[3].get<int>();
        if (column < 0 || column >= m->columnCount()) return fail("column out of range");
        QHeaderView* header = table->horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        if (x < 0 || x >= header->viewport()->width())
            return fail("column " + std::to_string(column) + " cannot be shown");
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
        return done();
    }
    if (!command.hasInt(2))
        return fail("press on a table needs a row number or \"heading\", column");
    const int row = command.integer(2);
    if (row < 0 || row >= m->rowCount()) return fail("row out of range");
    table->scrollTo(m->index(row, 0));
    const QRect place = table->visualRect(m->index(row, 0));
    if (!table->viewport()->rect().contains(place.center()))
        return fail("row " + std::to_string(row) + " cannot be shown");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
    return done();
}

json play_press(const Command& command, QWidget* c) {
    if (!c->isEnabled()) return fail(command.arg(1) + " is disabled");
    if (!c->isVisible()) return fail(command.arg(1) + " is not visible");
    if (auto* list = qobject_cast<QListWidget*>(c)) {
        if (!command.hasInt(2)) return fail("press on a list box needs a row number");
        const int row = command.integer(2);
        if (row < 0 || row >= list->count()) return fail("row out of range");
        list->scrollToItem(list->item(row));
        const QRect place = list->visualItemRect(list->item(row));
        if (!list->viewport()->rect().contains(place.center()))
            return fail("row " + std::to_string(row) + " cannot be shown");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
        return done();
    }
    if (auto* table = qobject_cast<QTableView*>(c); table && table->model())
        return press_table(command, table);
    if (command.cmd.size() > 2) return fail(command.arg(1) + " is not a list box or a table");
    QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, c->rect().center());
    return done();
}

json play_doubleclick(const Command& command, QWidget* c) {
    auto* table = qobject_cast<QTableView*>(c);
    if (!table || !table->model()) return fail(command.arg(1) + " is not a table");
    if (!c->isEnabled() || !c->isVisible()) return fail(command.arg(1) + " cannot be reached");
    if (!command.hasInt(2)) return fail("doubleclick needs a row");
    const int row = command.integer(2);
    if (row < 0 || row >= table->model()->rowCount()) return fail("row out of range");
    table->scrollTo(table->model()->index(row, 0));
    const QRect place = table->visualRect(table->model()->index(row, 0));
    if (!table->viewport()->rect().contains(place.center()))
        return fail("row " + std::to_string(row) + " cannot be shown");
    // A double-click is a press and release, then a second press that is a
    // double-click, then its release.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
    return done();
}

json play_menu(const Command& command, QWidget* c) {
    auto* table = qobject_cast<QTableView*>(c);
    const zapt::ui::TableSource* source = zapt::ui::table_source(c);
    if (!table || !source) return fail(command.arg(1) + " has no table menu");
    const int row = source->selectedRow ? source->selectedRow() : -1;
    if (row < 0) return fail("no row of " + command.arg(1) + " is selected");
    const QString error =
        zapt::ui::run_table_action(c, QString::fromStdString(command.arg(2)), row);
    if (!error.isEmpty()) return fail(error.toStdString());
    return done();
}

json play_wheel(const Command& command, QWidget* c) {
    if (!command.hasInt(2)) return fail("wheel needs a step count");
    const int steps = std::clamp(command.integer(2), -100, 100);
    QWidget* target = c;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(c)) target = area->viewport();
    const QPointF at = QRectF(target->rect()).center();
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    return done();
}

// "copy", "copyall" and "export".
json play_copy(const Command& command, QWidget* c) {
    const zapt::ui::TableSource* source = zapt::ui::table_source(c);
    if (!source) return fail(command.arg(1) + " has no table to copy");
    if (command.verb == "export") {
        if (command.arg(2).empty()) return fail("export needs a file name");
        const QString error =
            zapt::ui::export_table(zapt::ui::table_as_shown(*source), source->header(),
                                   QString::fromStdString(command.arg(2)));
        if (!error.isEmpty()) return fail(error.toStdString());
        return done();
    }
    if (command.verb == "copy")
        zapt::ui::copy_selection(*source);
    else
        zapt::ui::copy_all(*source);
    return done();
}

json play_burst(const Command& command, QWidget* c) {
    // ["burst", name, N, ms] or ["burst", list, row, N, ms]
    const json& cmd = command.cmd;
    const bool onRow = cmd.size() == 5;
    const std::size_t n = onRow ? 3 : 2;
    if (cmd.size() != n + 2 || !command.hasInt(n) || !command.hasInt(n + 1))
        return fail("burst needs a click count and milliseconds");
    const int count = command.integer(n);
    const int ms = command.integer(n + 1);
    if (count < 1 || count > 1000 || ms < 0 || ms > 10000)
        return fail("burst takes 1 to 1000 clicks, 0 to 10000 ms apart");
    if (!c->isVisible()) return fail(command.arg(1) + " is not visible");
    QWidget* target = c;
    QPoint at = c->rect().center();
    if (onRow) {
        auto* list = qobject_cast<QListWidget*>(c);
        if (!list || !command.hasInt(2)) return fail(command.arg(1) + " is not a list box");
        const int row = command.integer(2);
        if (row < 0 || row >= list->count()) return fail("row out of range");
        list->scrollToItem(list->item(row));
        target = list->viewport();
        at = list->visualItemRect(list->item(row)).center();
        if (!target->rect().contains(at))
            return fail("row " + std::to_string(row) + " cannot be shown");
    } else if (!qobject_cast<QAbstractButton*>(c) && !qobject_cast<zapt::ui::ClickLabel*>(c)) {
        return fail(command.arg(1) + " has no click action");
    }
    // A disabled button takes the clicks and does nothing, as on screen.
    if (!play_clicks(target, at, count, ms)) return fail("the clicks were not handled in time");
    return done();
}

json play_focus(const Command& command, QWidget* c) {
    if (!c->isEnabled()) return fail(command.arg(1) + " is disabled");
    give_focus(c);
    return done();
}

json play_type(const Command& command, QWidget* c) {
    auto* edit = qobject_cast<QLineEdit*>(c);
    if (!edit) return fail(command.arg(1) + " is not a text box");
    if (command.cmd.size() < 3 || !command.cmd[2].is_string()) return fail("type needs a text");
    edit->setText(QString::fromStdString(command.cmd[2].get<std::string>()));
    return done();
}

json play_key(const Command& command, QWidget* c) {
    const Key* key = nullptr;
    for (const Key& k : kKeys) {
        if (command.arg(2) == k.name) key = &k;
    }
    if (!key) return fail("unknown key " + command.arg(2));
    if (!c->isEnabled()) return fail(command.arg(1) + " is disabled");
    // A drop-down list that is open holds the keyboard, as on the desktop:
    // the key goes to the list.
    if (auto* combo = qobject_cast<QComboBox*>(c); combo && combo->view()->isVisible()) {
        QTest::keyClick(combo->view(), key->key, key->modifiers);
        return done();
    }
    give_focus(c);
    QTest::keyClick(c, key->key, key->modifiers);
    return done();
}

json play(const json& cmd, std::vector<std::string>& messages) {
    if (!cmd.is_array() || cmd.empty() || !cmd[0].is_string())
        return fail("a command is a JSON array");
    const Command command{cmd, cmd[0].get<std::string>()};
    if (command.verb == "dump") return dump(messages);
    static const std::pair<const char*, json (*)(const Command&)> onWindows[] = {
        {"wait", play_wait},
        {"idle", play_idle},
        {"close", play_close},
        {"screenshot", play_screenshot},
    };
    for (const auto& [verb, run] : onWindows)
        if (command.verb == verb) return run(command);
    std::string error;
    QWidget* c = find_control(command.arg(1), error);
    if (!c) return fail(error);
    static const std::pair<const char*, json (*)(const Command&, QWidget*)> onControls[] = {
        {"save", play_save},
        {"click", play_click},
        {"select", play_select},
        {"press", play_press},
        {"doubleclick", play_doubleclick},
        {"menu", play_menu},
        {"wheel", play_wheel},
        {"copy", play_copy},
        {"copyall", play_copy},
        {"export", play_copy},
        {"burst", play_burst},
        {"focus", play_focus},
        {"type", play_type},
        {"key", play_key},
    };
    for (const auto& [verb, run] : onControls)
        if (command.verb == verb) return run(command, c);
    return fail("unknown command " + command.verb);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setFont(zapt::ui::dialog_font());
    const zapt::ui::CorpusArgument corpus = zapt::ui::corpus_argument(argc, argv);
    if (!corpus.error.empty()) {
        std::cerr << "zapt-drive: " << corpus.error << "\n";
        return 2;
    }
    std::shared_ptr<const zapt::Corpus> loaded;
    if (int code = zapt::ui::load_corpus_or_report(corpus.options, false, loaded)) return code;
    const std::vector<std::string> applied = zapt::applied_lists(*loaded);
    const std::vector<std::string> notes = zapt::load_notes(loaded->report());
    const std::string name = loaded->source();
    zapt::ui::MainWindow window(std::move(loaded));
    window.setCorpusSource(QString::fromStdString(corpus.options.path), name, applied, notes);
    // What the program runs on, for the Open corpus window; no settings are
    // kept between the driver's sessions.
    window.setCorpusOptions(corpus.options);
    std::vector<std::string> messages;
    // Message boxes are answered with OK at once; their texts are collected.
    window.messageHandler = [&](const QString& text) { messages.push_back(text.toStdString()); };
    // Starting afresh on another corpus is reported, not done: the driver
    // keeps its one window.
    window.restartHandler = [&](const std::vector<std::string>& args) {
        std::string line = "start afresh:";
        for (const std::string& a : args) line += " " + a;
        messages.push_back(line);
    };
    window.show();
    QApplication::processEvents();

    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        json answer;
        try {
            answer = play(json::parse(line), messages);
        } catch (const json::exception& e) {
            answer = fail(std::string("not a JSON command: ") + e.what());
        }
        QApplication::processEvents();
        std::cout << answer.dump(-1, ' ', false, json::error_handler_t::replace) << std::endl;
    }
    window.close();
    return 0;
}
