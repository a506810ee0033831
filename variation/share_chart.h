// The picture of one form across the groups of a comparison, as plain data:
// per group the form's share of the family with its n (the family's tokens in
// the group) and its 95 % Wilson interval, and one dot per author who uses the
// family (the author's own share, sized by the author's uses), so that the
// variation between writers shows beside the group's figure. The window
// draws it and saves it as a picture; its numbers are also a result table.
//
// Privacy: a dot names an author by code only, and a group shows its dots
// only where the comparison shows the spread of the form's count (at least
// the privacy threshold of authors use the form); elsewhere the dots are
// withheld, as the spread is.
#pragma once

#include "results/result_table.h"
#include "variation/compare.h"

#include <optional>
#include <string>
#include <vector>

namespace zapt {

// One author of a group: the share of the author's uses of the family that
// the form has, and those uses.
struct ShareDot {
    std::string code;
    double share = 0;
    int uses = 0;
};

struct ShareBar {
    std::vector<std::string> labels; // the values naming the group; "all" for the whole corpus
    std::string label;               // the values joined by " · " ("16 to 20 · F"); "all"
    bool all = false;                // the whole corpus
    int n = 0;                       // the family's count in the group (the share's base)
    int count = 0;                   // the form's count there
    std::optional<double> share;     // count / n; none when n is 0
    std::optional<Interval> interval;
    int authors = 0;      // authors in the group
    int authorsUsing = 0; // authors whose texts hold the form
    // Whether the authors' dots are withheld (fewer authors than the
    // threshold use the form); `dots` is then empty.
    bool dotsWithheld = false;
    std::vector<ShareDot> dots; // by share, then by uses (largest first), then by code
};

struct ShareChart {
    std::string form;
    std::string family; // the family's caption, or its name for an own list
    std::vector<std::string> groupColumns;
    std::string grouping;
    int privacyThreshold = kPrivacyThreshold;
    int forms = 0;              // the number of forms compared (1: every share is 100 % or none)
    std::vector<ShareBar> bars; // the comparison's rows: the groups, then the whole corpus
};

// The picture of form number `form` of `c` (nothing past the last form).
std::optional<ShareChart> share_chart(const Comparison& c, std::size_t form);

// The picture's numbers, one row per group: the group columns, then
// form,count,n,share,ci_low,ci_high,authors_using,authors,authors_shown.
// share and the interval in full precision, empty where n is 0;
// authors_shown is the number of dots drawn (0 where withheld).
ResultTable share_chart_table(const ShareChart& chart);

} // namespace zapt
