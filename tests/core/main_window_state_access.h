// Writes to the main window's state that no window event can make (a code without
// texts in AgeTable, say, or a group list trimmed between timed selections).
// Only tests and benchmarks include this; the windows change the state through
// the main window state's operations alone.
#pragma once

#include "app/main_window_state.h"

namespace zapt {

struct MainWindowStateTestAccess {
    static MainForm& form1(MainWindowState& e) { return e.form1_; }
};

} // namespace zapt
