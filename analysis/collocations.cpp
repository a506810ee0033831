#include "analysis/collocations.h"

#include "corpus/text.h"

namespace zapt {

std::string collocations(std::string_view text, std::string_view word) {
    std::string out;
    std::string_view before; // the piece before the current one; empty for piece 0
    std::size_t start = 0;
    for (std::size_t pos = text.find(' '); pos != std::string_view::npos;
         pos = text.find(' ', start)) {
        std::string_view piece = text.substr(start, pos - start);
        std::size_t next_start = pos + 1;
        if (iequals(piece, word)) {
            std::size_t next_end = text.find(' ', next_start);
            if (next_end == std::string_view::npos) next_end = text.size();
            out.append(before);
            out += ' ';
            out.append(text.substr(next_start, next_end - next_start));
            out += ' ';
        }
        before = piece;
        start = next_start;
    }
    return out;
}

} // namespace zapt
