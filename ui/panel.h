// The main window is made of four panels, one per column: each builds its
// controls on the window, turns their events into operations of the main window's state
// and shows the part of the state its controls are bound to. A panel only
// reads the state; every change goes through an operation.
#pragma once

#include "app/main_window_state.h"
#include "results/result_table.h"
#include "ui/dispatcher.h"
#include "ui/list_box.h"
#include "ui/window_id.h"

#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

namespace zapt::ui {

// One user event: an operation on the state the main window owns.
using Operation = Dispatcher<MainWindowState>::Operation;

// What the main window gives each panel.
struct PanelContext {
    QWidget* form = nullptr;                // the main window, parent of every control
    const MainWindowState* state = nullptr; // the state, read-only
    // Runs an operation, then shows the new state in every window.
    std::function<void(const Operation&)> run;
    // Runs an operation that only records a choice (an option button, the
    // search box's text), which the next query reads; nothing on screen changes.
    std::function<void(const Operation&)> record;
    // Copy, Copy all and Export... of a result table on a control's context
    // menu; `selectedRow` names the row Copy takes.
    std::function<void(QWidget*, std::function<ResultTable()>, std::function<int()> selectedRow)>
        attachTable;
    // Opens (or brings to the front) one of the secondary windows.
    std::function<void(WindowId)> open;
    // Names the control that takes the focus when an operation sends it to `target`.
    std::function<void(FocusTarget target, QWidget* control)> focusTarget;
};

class Panel : public QObject {
public:
    explicit Panel(PanelContext context);

    // Shows the state: every bound caption, list and enabled flag.
    virtual void refresh();

protected:
    const MainWindowState& state() const { return *context_.state; }
    const MainForm& form1() const { return context_.state->form1(); }
    QWidget* form() const { return context_.form; }

    // The label shows `caption` on every refresh.
    QLabel* bind(QLabel* label, const std::string* caption);
    // The list shows `rows`' items and selection on every refresh; `shown`,
    // when given, says how an item reads on screen.
    ListBox* bindList(ListBox* list, const zapt::ListBox* rows,
                      std::function<QString(const std::string&)> shown = {});
    // The button is enabled while `enabled` holds.
    void bindEnabled(QPushButton* button, const bool* enabled);
    // A click on `button` runs `op`.
    void onClick(QPushButton* button, Operation op);

    void run(const Operation& op) const { context_.run(op); }
    void record(const Operation& op) const { context_.record(op); }
    void attachTable(QWidget* w, std::function<ResultTable()> table,
                     std::function<int()> selectedRow = {}) const {
        context_.attachTable(w, std::move(table), std::move(selectedRow));
    }
    void open(WindowId id) const { context_.open(id); }
    // `control` takes the focus when an operation sends it to `target`.
    void focusTarget(FocusTarget target, QWidget* control) const {
        context_.focusTarget(target, control);
    }

private:
    struct LabelBinding {
        QLabel* label;
        const std::string* caption;
    };
    struct ListBinding {
        ListBox* list;
        const zapt::ListBox* state;
        unsigned revision;
        std::function<QString(const std::string&)> shown;
    };
    struct ButtonBinding {
        QPushButton* button;
        const bool* enabled;
    };

    PanelContext context_;
    std::vector<LabelBinding> labels_;
    std::vector<ListBinding> lists_;
    std::vector<ButtonBinding> buttons_;
};

} // namespace zapt::ui
