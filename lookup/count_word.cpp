#include "lookup/count_word.h"

#include "corpus/text.h"

#include <algorithm>

namespace zapt {

int count_word(std::string_view buffer, std::string_view word) {
    int n = 0;
    for_each_piece(buffer, [&](std::string_view piece) { n += iequals(piece, word); });
    return n;
}

int word_total(std::string_view buffer) {
    return static_cast<int>(std::count(buffer.begin(), buffer.end(), ' '));
}

} // namespace zapt
