#include "analysis/metrics.h"

#include "corpus/text.h"

namespace zapt {

std::string join_rows(const std::vector<std::string>& rows) {
    std::string joined;
    std::size_t total = 0;
    for (const std::string& r : rows) total += r.size() + 1;
    joined.reserve(total + 1);
    for (const std::string& r : rows) {
        joined += r;
        joined += ' ';
    }
    return joined;
}

AuthorFigures author_figures(const std::vector<std::string>& rows) {
    static constexpr CharSet kMarks(kPunctuationMarks);
    AuthorFigures f;
    f.n = static_cast<int>(rows.size());
    int blanks = 0;
    for (const std::string& r : rows) {
        int row_blanks = 0;
        unsigned char high = 0;
        for (char c : r) {
            row_blanks += c == ' ';
            f.P += kMarks.contains(c);
            high |= static_cast<unsigned char>(c);
        }
        // Characters as a reader sees them; in plain ASCII, one a byte.
        const std::size_t chars = high & 0x80 ? char_count(r) : r.size();
        f.Sw += row_blanks;
        f.Sc += static_cast<int>(chars);
        blanks += row_blanks + 1; // the blank added after each row
        f.length += chars + 1;
    }
    f.W = blanks + 1; // the final blank
    f.length += 1;
    return f;
}

} // namespace zapt
