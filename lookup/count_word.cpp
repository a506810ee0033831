#include "lookup/count_word.h"

#include "corpus/text.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace zapt {

// One pass over the buffer, eight characters at a time: the blanks of each
// group of eight are found at once, and only a piece as long as the word is
// compared with it. A piece with characters beyond ASCII may fold to another
// length ("STRASSE" and "straße" are equal without regard to case), so such a
// piece is folded whole and compared with the folded word.
namespace {

// A piece that may hold characters beyond ASCII: compared by its full case
// folding when it does, byte by byte (ASCII folded) when it does not. Apart
// from the quick loop, which meets such pieces seldom.
[[gnu::noinline]] bool wide_piece_matches(std::string_view piece, const std::string& folded,
                                          std::size_t len, std::string& scratch) {
    if (!is_ascii(piece)) {
        fold_text_into(piece, scratch);
        return scratch == folded;
    }
    if (piece.size() != len) return false;
    for (std::size_t i = 0; i < len; ++i) {
        if (fold_case(piece[i]) != folded[i]) return false;
    }
    return true;
}

} // namespace

int count_word(std::string_view buffer, std::string_view word) {
    if (word.find(' ') != std::string_view::npos) return 0; // no piece holds a blank
    const std::string folded = fold_text(word);
    const char* s = buffer.data();
    const std::size_t n = buffer.size();
    // An ASCII word is compared only with pieces of its length; a word beyond
    // ASCII only through the pieces beyond ASCII.
    const std::size_t len = is_ascii(folded) ? folded.size() : std::string::npos;
    int count = 0;
    std::size_t start = 0;   // where the current piece starts
    std::size_t wideEnd = 0; // every byte beyond ASCII read so far stands before this place
    std::string scratch;
    auto piece_ends_at = [&](std::size_t blank) {
        if (wideEnd > start) [[unlikely]] {
            count += wide_piece_matches(std::string_view(s + start, blank - start), folded, len,
                                        scratch);
        } else if (blank - start == len) {
            std::size_t i = 0;
            while (i < len && fold_case(s[start + i]) == folded[i]) ++i;
            count += i == len;
        }
        start = blank + 1;
    };
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kBlanks = 0x2020202020202020ull, kLow = 0x7F7F7F7F7F7F7F7Full,
                                kHigh = 0x8080808080808080ull;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t v;
            std::memcpy(&v, s + i, 8);
            if (v & kHigh) [[unlikely]]
                wideEnd = i + 8;
            const std::uint64_t t = v ^ kBlanks; // a zero byte where a blank stands
            std::uint64_t m = ~(((t & kLow) + kLow) | t | kLow);
            while (m) {
                piece_ends_at(i + static_cast<std::size_t>(std::countr_zero(m) >> 3));
                m &= m - 1;
            }
        }
    }
    for (; i < n; ++i) {
        if (static_cast<unsigned char>(s[i]) >= 0x80) wideEnd = i + 1;
        if (s[i] == ' ') piece_ends_at(i);
    }
    return count;
}

int word_total(std::string_view buffer) {
    return static_cast<int>(std::count(buffer.begin(), buffer.end(), ' '));
}

} // namespace zapt
