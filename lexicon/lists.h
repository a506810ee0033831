// The lexicon's shipped lists: the general knowledge of texting the proposals
// draw on, written for the program and built into it (data/lexicon_*).
//
//   lexicon_shorthand.tsv        acronyms, multi-word forms, whole-word letter
//                                and number homophones, with interpretations
//   lexicon_rules.tsv            spelling processes as rewrites that undo them
//   lexicon_particles.txt        discourse particles and interjections
//   lexicon_laughter.txt         laughter
//   lexicon_other_languages.txt  words of other languages met in messages
//   lexicon_common_words.txt     common English words, the most frequent first
//   lexicon_not_standard.txt     word-list entries taken as texting spellings
//   lexicon_function_words.txt   closed-class words, which take no endings
//
// Emoticons are not among them: the lexicon reads the exploring tools' list
// (data/emoticons.txt, explore/emoticons.h), the one the form index uses.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace re2 {
class RE2;
}

namespace zapt {

// One shipped file: its name (without folder) and content.
struct ShippedFile {
    const char* name;
    std::string_view content;
};
// The files built into the program.
const std::vector<ShippedFile>& shipped_files();

// A rewrite undoing a spelling process: `from` in the form becomes `to`.
struct RewriteRule {
    enum class Where { Start, End, Any, Whole };
    std::string from, to;
    Where where = Where::Any;
    double cost = 1;
    std::string process;
};

// Forms listed one by one and patterns (RE2, matching the whole folded form).
class FormSet {
public:
    void add_word(std::string folded) { words_.insert(std::move(folded)); }
    // Returns RE2's message when it refuses the expression, else "".
    std::string add_pattern(const std::string& expression);
    bool matches(const std::string& folded) const;
    bool lists(const std::string& folded) const { return words_.count(folded) != 0; }

private:
    std::unordered_set<std::string> words_;
    std::vector<std::shared_ptr<const re2::RE2>> patterns_;
};

struct LexiconLists {
    // folded form -> interpretations, the likeliest first
    std::unordered_map<std::string, std::vector<std::string>> shorthand;
    std::vector<RewriteRule> rules;
    FormSet particles, laughter;
    std::unordered_map<std::string, std::string> otherLanguage; // folded word -> language
    std::vector<std::string> commonWords;                       // most frequent first
    std::unordered_map<std::string, std::uint32_t> commonRank;  // folded word -> 1-based place
    std::unordered_set<std::string> notStandard, functionWords;
};

// Reads the lists from the files (by name; a missing file leaves its list
// empty). A line that breaks its file's format raises a DataError naming the
// file, the line and the rule.
LexiconLists parse_lists(const std::vector<ShippedFile>& files);

// The lists built into the program, read once.
const LexiconLists& shipped_lists();

} // namespace zapt
