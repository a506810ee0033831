// Plain-data state of the controls the handlers read and write. The windows
// show this state; the handlers change only this state.
#pragma once

#include "corpus/collation.h"

#include <string>
#include <vector>

namespace zapt {

// A list box: its rows and the selected row (-1 for none). `revision` grows with
// every change of the rows, so a view can tell cheaply whether to refill.
struct ListBox {
    std::vector<std::string> items;
    int selected = -1;
    unsigned revision = 0;

    void clear() {
        items.clear();
        selected = -1;
        ++revision;
    }
    void add(std::string item) {
        items.push_back(std::move(item));
        ++revision;
    }
    void assign(std::vector<std::string> rows) {
        items = std::move(rows);
        selected = -1;
        ++revision;
    }
    // The text of the selected row; empty when no row is selected.
    const std::string& text() const {
        static const std::string none;
        return selected >= 0 && selected < static_cast<int>(items.size())
                   ? items[static_cast<std::size_t>(selected)]
                   : none;
    }
    int count() const { return static_cast<int>(items.size()); }
};

} // namespace zapt
