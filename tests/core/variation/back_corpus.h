// The small corpus of the comparison's tests: forms of "back" by three women
// aged 26 to 40 and one man of that age, a woman without texts and a text
// whose author is in no register row.
#pragma once

#include "tests/core/test_corpus.h"

#include <vector>

namespace zapt::testing {

inline std::vector<RegisterRow> back_authors() {
    return {author("001", "Ann", "30", "F"), author("002", "Bo", "35", "F"),
            author("003", "Cy", "28", "F"), author("004", "Dan", "33", "M"),
            author("005", "Eve", "70", "F")};
}

inline std::vector<CorpusRow> back_texts() {
    return {{"Ann", "bk soon, back at 5"},
            {"ann", "BK!"},
            {"Bo", "  back/bk"}, // the group text keeps "/", the corpus text does not
            {"Cy", "?"},         // nothing but a mark: the part is one blank
            {"Cy", "bak back"},
            {"Dan", "bk bk bk"},
            {"Zed", "bk"}};
}

} // namespace zapt::testing
