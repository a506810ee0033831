#include "corpus/collation.h"

#include "corpus/text.h"

#include <algorithm>

namespace zapt {
namespace {

// Compares letter by letter, ASCII folded, skipping apostrophes. With `wide`
// given, it stops where a character beyond ASCII would decide and sets it.
int compare_letters(const std::string& a, const std::string& b, bool* wide) {
    std::size_t i = 0, j = 0;
    while (true) {
        while (i < a.size() && a[i] == '\'') ++i;
        while (j < b.size() && b[j] == '\'') ++j;
        if (i == a.size() || j == b.size()) break;
        unsigned char x = static_cast<unsigned char>(fold_case(a[i]));
        unsigned char y = static_cast<unsigned char>(fold_case(b[j]));
        if (wide && ((x | y) & 0x80)) [[unlikely]] {
            *wide = true;
            return 0;
        }
        if (x != y) return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    bool a_done = i == a.size(), b_done = j == b.size();
    if (a_done != b_done) return a_done ? -1 : 1;
    return 0;
}

// Words compare by their full case folding (in the order of the code points);
// as long as both are plain ASCII, that is folding letter by letter.
int compare_primary(const std::string& a, const std::string& b) {
    bool wide = false;
    const int c = compare_letters(a, b, &wide);
    return wide ? compare_letters(fold_text(a), fold_text(b), nullptr) : c;
}

// Compares the apostrophes of two words that are equal apart from them: fewer
// apostrophes first, then the earlier apostrophe first.
int compare_apostrophes(const std::string& a, const std::string& b) {
    auto count = [](const std::string& s) { return std::count(s.begin(), s.end(), '\''); };
    if (auto ca = count(a), cb = count(b); ca != cb) return ca < cb ? -1 : 1;
    std::size_t i = a.find('\''), j = b.find('\'');
    while (i != std::string::npos && j != std::string::npos) {
        if (i != j) return i < j ? -1 : 1;
        i = a.find('\'', i + 1);
        j = b.find('\'', j + 1);
    }
    return 0;
}

} // namespace

bool collate_less(const std::string& a, const std::string& b) {
    if (int c = compare_primary(a, b)) return c < 0;
    if (int c = compare_apostrophes(a, b)) return c < 0;
    // Same letters apart from case: small letters first, position by position.
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] == b[i]) continue;
        bool a_small = fold_case(a[i]) == a[i], b_small = fold_case(b[i]) == b[i];
        if (a_small != b_small) return a_small;
        return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
    }
    return false;
}

void sort_collated(std::vector<std::string>& rows) {
    std::stable_sort(rows.begin(), rows.end(), collate_less);
}

} // namespace zapt
