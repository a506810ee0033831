// The order of the program's sorted lists (a user's non-standard forms, the
// "th" family, collocates on a tie).
#pragma once

#include <string>
#include <vector>

namespace zapt {

// The order of the two sorted lists: without regard to case, apostrophes
// ignored first ("dats" before "dat's" before "datz"); among words that differ
// only in apostrophes, fewer apostrophes first, then the earlier apostrophe;
// among words that differ only in case, small letters first.
bool collate_less(const std::string& a, const std::string& b);

// Sorts rows into the order of a sorted list box.
void sort_collated(std::vector<std::string>& rows);

} // namespace zapt
