// The one rule by which every lookup counts a word in a joined text buffer.
//
// The buffer is split at every single blank; the pieces are numbered 0 to
// `last` (the part after the final blank). Pieces 0 to last-1 are compared with
// the word as whole strings without regard to letter case. Nothing is trimmed or
// cleaned here: which marks a buffer still holds is decided by its builder.
#pragma once

#include <string_view>

namespace zapt {

// Number of examined pieces equal to `word`. An empty buffer counts 0.
int count_word(std::string_view buffer, std::string_view word);

// The word total of a buffer: `last`, the number of blanks; 0 when empty.
int word_total(std::string_view buffer);

// Calls f(piece) for pieces 0 to last-1 of `buffer`, in order.
template <class F> void for_each_piece(std::string_view buffer, F&& f) {
    std::size_t start = 0;
    for (std::size_t pos = buffer.find(' '); pos != std::string_view::npos;
         pos = buffer.find(' ', start)) {
        f(buffer.substr(start, pos - start));
        start = pos + 1;
    }
}

} // namespace zapt
