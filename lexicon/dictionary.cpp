#include "lexicon/dictionary.h"

#include "corpus/text.h"

#include <fstream>

namespace zapt {
namespace {

bool lower(char c) {
    return c >= 'a' && c <= 'z';
}
bool upper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool vowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

bool has_vowel(const std::string& w) {
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (vowel(w[i]) || (i > 0 && w[i] == 'y')) return true;
        if (static_cast<unsigned char>(w[i]) >= 0x80) return true; // a letter beyond ASCII
    }
    return false;
}

// Whether an entry as listed counts as a standard word (see the header).
bool counts(const std::string& entry, const std::string& folded) {
    std::size_t letters = 0, capitals = 0;
    for (char c : entry) {
        letters += lower(c) || upper(c) || static_cast<unsigned char>(c) >= 0x80;
        capitals += upper(c);
    }
    if (letters == 0) return false;
    if (entry == "I" || entry.rfind("I'", 0) == 0) return true;
    if (capitals == 0) {
        if (letters == 1) return folded == "a" || folded == "i";
        return has_vowel(folded);
    }
    if (capitals == letters) return false; // an acronym
    return letters >= 3 && has_vowel(folded);
}

// A word of one vowel group ending consonant, vowel, consonant (not w, x or
// y) doubles its last letter before -ed, -er, -est and -ing ("stop").
bool doubles(const std::string& s) {
    const std::size_t n = s.size();
    if (n < 3) return false;
    const char last = s[n - 1];
    if (vowel(last) || last == 'w' || last == 'x' || last == 'y' || !vowel(s[n - 2]) ||
        vowel(s[n - 3]))
        return false;
    int groups = 0;
    for (std::size_t i = 0; i < n; ++i) groups += vowel(s[i]) && (i == 0 || !vowel(s[i - 1]));
    return groups == 1;
}

// Whether a word's final e stays before an ending ("see", "seeing").
bool keeps_e(const std::string& s) {
    return s.size() >= 2 && s.back() == 'e' &&
           (s[s.size() - 2] == 'e' || s[s.size() - 2] == 'o' || s[s.size() - 2] == 'y');
}

} // namespace

StandardDictionary::StandardDictionary(const std::vector<std::string>& entries, std::string name,
                                       const LexiconLists& lists)
    : name_(std::move(name)), available_(true), lists_(&lists) {
    for (std::string e : entries) {
        if (!e.empty() && e.back() == '\r') e.pop_back();
        if (e.empty() || !valid_utf8(e)) continue;
        const std::string f = fold_text(e);
        if (!counts(e, f) || lists.notStandard.count(f)) continue;
        auto [it, added] = spelling_.emplace(f, e);
        if (added) {
            words_.push_back(f);
        } else if (lower(e[0]) && !lower(it->second[0]) && it->second != "I" &&
                   it->second.rfind("I'", 0) != 0) {
            it->second = e; // the common word before the name ("may" before "May")
        }
    }
}

StandardDictionary StandardDictionary::load(const std::string& path, std::string name,
                                            const LexiconLists& lists) {
    std::ifstream in(path);
    std::vector<std::string> entries;
    std::string line;
    while (in && std::getline(in, line)) entries.push_back(line);
    StandardDictionary d(entries, std::move(name), lists);
    d.path_ = path;
    d.available_ = in.is_open() && !in.bad();
    return d;
}

StandardDictionary StandardDictionary::choose(const std::string& choice,
                                              const LexiconLists& lists) {
    if (choice == "british") return load(kBritishWordList, "british", lists);
    if (choice == "american") return load(kAmericanWordList, "american", lists);
    return load(choice, choice, lists);
}

const std::string& StandardDictionary::spelling(const std::string& folded) const {
    auto it = spelling_.find(folded);
    return it == spelling_.end() ? folded : it->second;
}

bool StandardDictionary::base(const std::string& stem) const {
    if (stem.size() < 3 || !lists(stem)) return false;
    if (lists_ && lists_->functionWords.count(stem)) return false;
    return !upper(spelling(stem)[0]); // names take no endings here
}

bool StandardDictionary::inflected(const std::string& f) const {
    const std::size_t n = f.size();
    auto ends = [&](std::string_view e) {
        return n > e.size() && f.compare(n - e.size(), e.size(), e) == 0;
    };
    auto cut = [&](std::size_t k) { return f.substr(0, n - k); };
    if (ends("'s") && base(cut(2))) return true;
    if (ends("s") && !ends("ss") && base(cut(1))) return true;
    if (ends("es") && base(cut(2))) return true;
    if (ends("ies") && base(cut(3) + "y")) return true;
    for (std::string_view e : {"ed", "er", "est", "ing"}) {
        if (!ends(e)) continue;
        const std::size_t k = e.size();
        const std::string stem = cut(k);
        // walked, walking; stopped, stopping (and not "stoped"); loved, loving
        if (base(stem) && !doubles(stem) && (stem.back() != 'e' || keeps_e(stem))) return true;
        if (e == "ing" && base(stem + "e") && !keeps_e(stem + "e")) return true;
        if (e != "ing" && f[n - k] == 'e' && base(cut(k - 1))) return true;
        if (stem.size() >= 2 && stem.back() == stem[stem.size() - 2] &&
            doubles(stem.substr(0, stem.size() - 1)) && base(stem.substr(0, stem.size() - 1)))
            return true;
        if (e != "ing" && n > k + 1 && f[n - k - 1] == 'i' && base(cut(k + 1) + "y")) return true;
    }
    if (ends("ly")) {
        if (base(cut(2)) || (ends("ily") && base(cut(3) + "y")) ||
            (ends("bly") && base(cut(1) + "e")) || (ends("ally") && base(cut(4))))
            return true;
    }
    return false;
}

bool StandardDictionary::is_standard(const std::string& folded) const {
    if (lists(folded)) return true;
    if (lists_ && lists_->notStandard.count(folded)) return false;
    return inflected(folded);
}

} // namespace zapt
