#include "lexicon/keys.h"

#include <algorithm>
#include <vector>

namespace zapt {
namespace {

bool letter(char c) {
    return c >= 'a' && c <= 'z';
}
bool vowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

std::string letters_of(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        if (letter(c)) out += c;
    }
    return out;
}

void replace_all(std::string& s, std::string_view from, std::string_view to) {
    std::size_t at = 0;
    while ((at = s.find(from, at)) != std::string::npos) {
        s.replace(at, from.size(), to);
        at += to.size();
    }
}

} // namespace

std::string consonant_skeleton(std::string_view folded) {
    std::string s = letters_of(folded);
    replace_all(s, "ck", "k");
    replace_all(s, "ph", "f");
    std::string mapped;
    for (char c : s) {
        if (c == 'c' || c == 'q')
            mapped += 'k';
        else if (c == 'x')
            mapped += "ks";
        else if (c == 'z')
            mapped += 's';
        else
            mapped += c;
    }
    std::string out;
    for (std::size_t i = 0; i < mapped.size(); ++i) {
        const char c = mapped[i];
        if (i > 0 && (vowel(c) || c == 'y')) continue;
        if (!out.empty() && out.back() == c) continue;
        out += c;
    }
    return out;
}

std::string sound_key(std::string_view folded) {
    std::string s = letters_of(folded);
    if (s.empty()) return s;
    for (std::string_view silent : {"kn", "gn", "pn", "wr", "ps"}) {
        if (s.size() > 2 && s.compare(0, 2, silent) == 0) {
            s.erase(0, 1);
            break;
        }
    }
    if (s.compare(0, 2, "wh") == 0) s.erase(1, 1);
    if (s[0] == 'x') s[0] = 's';
    replace_all(s, "ould", "ud");
    replace_all(s, "tch", "ch");
    replace_all(s, "sch", "sk");
    replace_all(s, "igh", "i");
    replace_all(s, "ph", "f");
    replace_all(s, "ck", "k");
    replace_all(s, "dg", "j");
    // gh before a consonant or at the end is silent (though, thought).
    std::string t;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == 'g' && i + 1 < s.size() && s[i + 1] == 'h' &&
            (i + 2 == s.size() || !vowel(s[i + 2]))) {
            ++i;
            continue;
        }
        t += s[i];
    }
    s.swap(t);
    std::string key;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const char next = i + 1 < s.size() ? s[i + 1] : '\0';
        const char prev = i > 0 ? s[i - 1] : '\0';
        std::string_view sound;
        switch (c) {
        case 'c':
            if (next == 'h') {
                sound = "X";
                ++i;
            } else {
                sound = next == 'e' || next == 'i' || next == 'y' ? "S" : "K";
            }
            break;
        case 's':
            if (next == 'h') {
                sound = "X";
                ++i;
            } else {
                sound = "S";
            }
            break;
        case 't':
            if (next == 'h') {
                sound = "0";
                ++i;
            } else {
                sound = "T";
            }
            break;
        case 'q':
            sound = "K";
            break;
        case 'x':
            sound = "KS";
            break;
        case 'z':
            sound = "S";
            break;
        case 'w':
        case 'y':
            sound = vowel(next) || i == 0 ? (c == 'w' ? "W" : "Y") : "";
            break;
        case 'v':
            sound = "F";
            break;
        case 'h':
            sound = i == 0 || (vowel(next) && vowel(prev)) ? "H" : "";
            break;
        default:
            if (vowel(c)) {
                sound = i == 0 ? "A" : "";
            } else {
                key += static_cast<char>(c - 32);
                continue;
            }
        }
        key += sound;
    }
    std::string out;
    for (char c : key) {
        if (out.empty() || out.back() != c) out += c;
    }
    return out;
}

std::string_view keypad_letters(char c) {
    static constexpr std::string_view keys[] = {"abc", "def",  "ghi", "jkl",
                                                "mno", "pqrs", "tuv", "wxyz"};
    for (std::string_view k : keys) {
        if (k.find(c) != std::string_view::npos) return k;
    }
    return {};
}

std::string keypad_key(std::string_view folded) {
    std::string out;
    for (char c : letters_of(folded)) {
        static constexpr std::string_view keys[] = {"abc", "def",  "ghi", "jkl",
                                                    "mno", "pqrs", "tuv", "wxyz"};
        for (std::size_t k = 0; k < 8; ++k) {
            if (keys[k].find(c) != std::string_view::npos) out += static_cast<char>('2' + k);
        }
    }
    return out;
}

double spelling_likeness(std::string_view a, std::string_view b) {
    if (a.empty() && b.empty()) return 1;
    std::vector<int> row(b.size() + 1, 0), prev(b.size() + 1, 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            row[j] = a[i - 1] == b[j - 1] ? prev[j - 1] + 1 : std::max(prev[j], row[j - 1]);
        }
        std::swap(row, prev);
    }
    return 2.0 * prev[b.size()] / static_cast<double>(a.size() + b.size());
}

bool abbreviates(std::string_view small, std::string_view large) {
    if (small.empty() || large.empty() || small[0] != large[0]) return false;
    std::size_t j = 0;
    for (char c : large) {
        if (j < small.size() && small[j] == c) ++j;
    }
    return j == small.size();
}

} // namespace zapt
