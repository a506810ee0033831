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
// compared with it.
int count_word(std::string_view buffer, std::string_view word) {
    if (word.find(' ') != std::string_view::npos) return 0; // no piece holds a blank
    std::string folded(word);
    for (char& c : folded) c = fold_case(c);
    const char* s = buffer.data();
    const std::size_t n = buffer.size(), len = folded.size();
    int count = 0;
    std::size_t start = 0; // where the current piece starts
    auto piece_ends_at = [&](std::size_t blank) {
        if (blank - start == len) {
            std::size_t i = 0;
            while (i < len && fold_case(s[start + i]) == folded[i]) ++i;
            count += i == len;
        }
        start = blank + 1;
    };
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kBlanks = 0x2020202020202020ull, kLow = 0x7F7F7F7F7F7F7F7Full;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t v;
            std::memcpy(&v, s + i, 8);
            const std::uint64_t t = v ^ kBlanks; // a zero byte where a blank stands
            std::uint64_t m = ~(((t & kLow) + kLow) | t | kLow);
            while (m) {
                piece_ends_at(i + static_cast<std::size_t>(std::countr_zero(m) >> 3));
                m &= m - 1;
            }
        }
    }
    for (; i < n; ++i) {
        if (s[i] == ' ') piece_ends_at(i);
    }
    return count;
}

int word_total(std::string_view buffer) {
    return static_cast<int>(std::count(buffer.begin(), buffer.end(), ' '));
}

} // namespace zapt
