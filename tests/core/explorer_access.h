// Writes to the explorer's state that no window event can make (a code without
// texts in AgeTable, say, or a group list trimmed between timed selections).
// Only tests and benchmarks include this; the windows change the state through
// the explorer's operations alone.
#pragma once

#include "app/explorer.h"

namespace zapt {

struct ExplorerTestAccess {
    static MainForm& form1(Explorer& e) { return e.form1_; }
};

} // namespace zapt
