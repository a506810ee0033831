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

std::string collocations(std::string_view text, const WordIndex& index, std::string_view word) {
    std::string out;
    auto [begin, end] = index.positions(word);
    for (const std::uint32_t* p = begin; p != end; ++p) {
        const std::size_t start = *p;
        // The piece before: from after the blank before it up to the blank
        // that ends it; empty for the first piece.
        std::size_t before_start = 0, before_end = 0;
        if (start > 0) {
            before_end = start - 1;
            const std::size_t blank =
                before_end == 0 ? std::string_view::npos : text.rfind(' ', before_end - 1);
            before_start = blank == std::string_view::npos ? 0 : blank + 1;
        }
        const std::size_t next_start = text.find(' ', start) + 1;
        std::size_t next_end = text.find(' ', next_start);
        if (next_end == std::string_view::npos) next_end = text.size();
        out.append(text.substr(before_start, before_end - before_start));
        out += ' ';
        out.append(text.substr(next_start, next_end - next_start));
        out += ' ';
    }
    return out;
}

} // namespace zapt
