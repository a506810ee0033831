// The standard dictionary in force for the lexicon: a word list (Debian's
// wbritish or wamerican, or one of the user's), read for texting.
//
// A word list names letters, abbreviations and proper names beside words;
// texting writes many of them as spellings of other words ("u", "r", "c",
// "ur", "cu", "tx"). So an entry counts as a standard word when it is
//   - written in small letters with a vowel (a, e, i, o, u, or y after the
//     first letter): single letters other than "a" and "i" and consonant-only
//     abbreviations ("pt", "wk", "hmm") do not count;
//   - or capitalised with three letters or more (a proper name: "London",
//     "Monday"), or "I" and its contractions ("I'm", "I'll");
// and not in the shipped list of entries that texting uses as other words
// ("hes", "wot", "thru"). Acronyms in capitals ("OK", "TX") never count.
// An inflected form of a standard word counts too (-s, -es, -ed, -ing, -er,
// -est, -ly, 's, with doubled consonants, a dropped e and y -> i), unless the
// word is a closed-class word ("she" makes no "shes").
#pragma once

#include "lexicon/lists.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace zapt {

inline constexpr const char* kBritishWordList = "/usr/share/dict/british-english";
inline constexpr const char* kAmericanWordList = "/usr/share/dict/american-english";

class StandardDictionary {
public:
    StandardDictionary() = default;
    // The entries of a word list, one a line; `name` says which in headers.
    StandardDictionary(const std::vector<std::string>& entries, std::string name,
                       const LexiconLists& lists = shipped_lists());

    // Reads the word list at `path`; available() says whether it could be read.
    static StandardDictionary load(const std::string& path, std::string name,
                                   const LexiconLists& lists = shipped_lists());
    // "british", "american" (Debian's lists) or the path of a word list.
    static StandardDictionary choose(const std::string& choice,
                                     const LexiconLists& lists = shipped_lists());

    bool available() const { return available_; }
    const std::string& name() const { return name_; }
    const std::string& path() const { return path_; }

    // Whether a folded form is standard: an entry that counts, or an
    // inflected form of one.
    bool is_standard(const std::string& folded) const;
    // Whether the folded form is itself an entry that counts.
    bool lists(const std::string& folded) const { return spelling_.count(folded) != 0; }
    // The entry as the list spells it ("I'm", "London"); the folded form for
    // a form it lacks.
    const std::string& spelling(const std::string& folded) const;
    // The folded entries that count, in list order.
    const std::vector<std::string>& words() const { return words_; }

private:
    bool inflected(const std::string& folded) const;
    bool base(const std::string& stem) const;

    std::string name_, path_;
    bool available_ = false;
    std::vector<std::string> words_;
    std::unordered_map<std::string, std::string> spelling_;
    const LexiconLists* lists_ = nullptr;
};

} // namespace zapt
