// Word lists and keywords over the form index: every query an aggregation of
// the per-author form counts of the authors in scope.
#pragma once

#include "analysis/glossary.h"
#include "explore/form_index.h"
#include "explore/pattern.h"
#include "selection/subcorpus.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace zapt {

// Which texts count: those of the buckets of the form index marked in `in`
// (register rows, then the texts of no author) and, when `texts` is not
// empty, only those of them marked in `texts` (a subcorpus chosen by a text
// field). With `texts`, `in` marks exactly the buckets with a text marked.
struct Scope {
    std::vector<char> in;    // per bucket
    std::string name;        // "whole corpus", a subcorpus's name, "author 012"
    std::vector<char> texts; // per text of the index; empty: every text of the buckets in

    std::size_t authors() const; // register rows in scope (with a text in it, given `texts`)
    bool choosesTexts() const { return !texts.empty(); }
    // Whether text t of `index` is in scope.
    bool holdsText(const FormIndex& index, std::size_t t) const;
};

// The whole corpus: every author and the texts of no author.
Scope whole_scope(const FormIndex& index);
// The given register rows only.
Scope rows_scope(const FormIndex& index, const std::vector<std::size_t>& rows, std::string name);
// Only the texts of `scope` marked in `texts` (one per text of the index;
// empty: `scope` as it is); the buckets left without a text leave the scope.
Scope texts_scope(const FormIndex& index, Scope scope, const std::vector<char>& texts);
// The texts of a subcorpus (see selection/subcorpus.h), named after it: the
// whole corpus for one without conditions.
Scope subcorpus_scope(const FormIndex& index, const Subcorpus& subcorpus,
                      const AuthorFields& fields);
// Everything `scope` leaves out, the texts of no author included; for a scope
// of buckets alone (without `texts`).
Scope rest_scope(const Scope& scope);
// The same for any scope: every text outside it.
Scope rest_scope(const FormIndex& index, const Scope& scope);

// How large a scope is: its authors (register rows), texts and words.
struct ScopeSize {
    std::size_t authors = 0, texts = 0;
    std::uint64_t words = 0;
};
ScopeSize scope_size(const FormIndex& index, const Scope& scope);
// For a scope holding only some texts of its authors, which texts, for the
// tables' "#" lines: "4 of 10 texts of the corpus, of 3 authors (chosen text
// by text: ...)", or with `how` in the brackets; empty for a scope of whole
// authors.
std::string chosen_texts(const FormIndex& index, const Scope& scope, std::string_view how = {});

// A form's figures in a scope.
struct FormFigures {
    std::uint64_t count = 0;
    std::uint32_t texts = 0;
    std::uint32_t authors = 0;     // register rows using it
    std::uint32_t top = 0;         // the largest single author's count
    std::uint64_t authorCount = 0; // the count in the authors' texts (the DP's parts)
    double dpSum = 0;              // sum over the parts using it of |v - s| - s
};

struct Aggregate {
    std::vector<FormFigures> forms; // by form number
    std::uint64_t words = 0;        // the pieces of the scope's texts
    std::uint64_t partWords = 0;    // the pieces of its authors' texts (those in scope)

    // Gries's DP over the scope's authors (each a part of the size of their
    // words; authors without words left out): half the sum over the parts of
    // |the part's share of the form's count - the part's share of the words|.
    // Nothing when the form has no count in the authors' texts.
    std::optional<double> dp(std::uint32_t form) const;
};

// Each author's part is the pieces of their texts in scope: with `texts`, the
// figures are counted text by text over the texts in scope; without, from
// the index's per-author counts.
Aggregate aggregate(const FormIndex& index, const Scope& scope);

// The glossary by folded form: the distinct interpretations of the rows whose
// form folds alike, in glossary order, joined by "; " (empty for forms without
// an interpretation).
class GlossaryForms {
public:
    GlossaryForms() = default;
    explicit GlossaryForms(const Glossary& glossary);
    bool contains(const std::string& folded) const { return byForm_.count(folded) != 0; }
    const std::string& interpretation(const std::string& folded) const;
    // The folded words of every interpretation.
    const std::unordered_set<std::string>& interpretationWords() const { return words_; }
    std::size_t size() const { return byForm_.size(); }

private:
    std::unordered_map<std::string, std::string> byForm_;
    std::unordered_set<std::string> words_;
};

// A standard dictionary: a word list of one word a line, folded, and the words
// of the glossary's interpretations.
inline constexpr const char* kStandardWordList = "/usr/share/dict/british-english";
struct StandardWords {
    std::string path;
    bool available = false; // whether the word list could be read
    std::unordered_set<std::string> words;
    bool contains(const std::string& folded) const { return words.count(folded) != 0; }
};
StandardWords load_standard_words(const std::string& path, const GlossaryForms& glossary);

// ---- Which forms a list leaves out

// A number: the digits 0-9 only, with at most a currency sign (£ $ €) before
// them or a "%" after them ("2", "2024", "£5", "50%"); "2day" and "4u" are
// words.
bool is_number_form(std::string_view form);
// A placeholder of an anonymised corpus: "<", then "#"s or an ASCII letter
// followed by ASCII letters, digits and "_", then ">" ("<#>", "<DECIMAL>",
// "<EMAIL>", "<URL>"), in either case.
bool is_placeholder_form(std::string_view form);

// A stop list: forms to leave out, compared by their folded form.
struct StopList {
    std::string name; // the file it was read from
    std::unordered_set<std::string> forms;

    bool empty() const { return forms.empty(); }
    bool contains(const std::string& folded) const { return forms.count(folded) != 0; }
    // "FILE (12 forms)".
    std::string describe() const;
};
// Reads a stop list: one form a line; blank lines and lines starting with
// "# " are skipped, blanks around a form dropped. Nothing, with `error` naming
// the line, for text that is not UTF-8 or a line holding two words.
std::optional<StopList> parse_stop_list(std::string_view text, std::string name,
                                        std::string* error);
std::optional<StopList> read_stop_list(const std::string& path, std::string* error);

// The forms a word list or keyword list keeps.
struct FormFilter {
    bool noNumbers = false; // numbers and placeholders left out
    StopList stopList;

    bool any() const { return noNumbers || !stopList.empty(); }
    bool keeps(const std::string& folded) const;
};

// ---- Word lists

struct WordListOptions {
    bool glossaryOnly = false;    // forms of the glossary only
    bool notInDictionary = false; // forms neither in the word list nor in an interpretation
    std::string pattern;          // empty: every form
    std::uint64_t minCount = 0;   // rows from this count on
    std::uint32_t minAuthors = 0; // rows from this many authors using the form on
    FormFilter filter;            // numbers, placeholders, a stop list out (forms, not phrases)
};

struct WordListRow {
    std::string form; // shown spelling (a phrase: its spellings joined by blanks)
    std::uint64_t count = 0;
    std::optional<double> per10k;
    std::uint32_t texts = 0, authors = 0;
    std::optional<double> dp, topShare;
    std::string interpretation;
};

struct WordList {
    std::vector<WordListRow> rows; // count descending, then form
    std::uint64_t words = 0;       // the scope's words
    std::string error;             // a pattern's or the dictionary's message
    std::string emoticons;         // the index's emoticon list, described
    std::string texts;             // the texts chosen (see chosen_texts); empty: whole authors
};

WordList word_list(const FormIndex& index, const Scope& scope, const GlossaryForms& glossary,
                   const StandardWords* dictionary, const WordListOptions& options);

// ---- Keywords

// The figures of one form in A against B, counts a and b of word totals A and B.
struct KeywordStats {
    std::optional<double> rateA, rateB; // per 10,000 words; none for no words
    double g2 = 0;                      // 2 (a ln(a/E1) + b ln(b/E2)), 0 ln 0 = 0
    std::optional<double> logRatio;     // log2((a/A)/(b/B)), 0.5 for a zero count
    std::optional<double> pctDiff;      // 100 (a/A - b/B) / (b/B); none when b = 0
};
KeywordStats keyword_stats(std::uint64_t a, std::uint64_t b, std::uint64_t A, std::uint64_t B);

// No form of the index: a form only the reference corpus has.
inline constexpr std::uint32_t kNoForm = UINT32_MAX;

struct KeywordRow {
    std::uint32_t form = 0; // the form in A's index; kNoForm for one only B's corpus has
    std::string shown;      // its spelling
    std::uint64_t a = 0, b = 0;
    KeywordStats stats;
    std::uint32_t authorsA = 0, authorsB = 0;
    char side = 'a';     // where the rate is higher (never equal: a tie is no keyword)
    double topShare = 0; // the side's top author's count / the side's count

    // G2 with the sign of the side: positive where A's rate is higher (the
    // form is a keyword of A), negative where B's is.
    double signedG2() const { return side == 'b' ? -stats.g2 : stats.g2; }
};

inline constexpr int kDefaultKeywordAuthors = 3;

struct KeywordOptions {
    int minAuthors = kDefaultKeywordAuthors; // authors of the form's side who use it
    std::uint64_t minCount = 0;              // the form's count on its side
    FormFilter filter;
};

struct Keywords {
    std::vector<KeywordRow> rows; // signed G2 descending (A's keywords first), then form
    std::uint64_t wordsA = 0, wordsB = 0;
    int minAuthors = 3;
    KeywordOptions options;
    std::string reference; // B's corpus when it is another one ("table PATH"); empty: A's
    std::string emoticons; // the emoticon list, described
    // The texts chosen on each side (see chosen_texts); empty: whole authors.
    std::string textsA, textsB;
    // Why there are no rows: a side without words ("B has no words: the rest
    // of the whole corpus is empty"); empty otherwise.
    std::string error;
};

// The forms of A or B used by at least `minAuthors` authors of the side where
// their rate is higher.
Keywords keywords(const FormIndex& index, const Scope& a, const Scope& b,
                  int minAuthors = kDefaultKeywordAuthors);
// The same with every option.
Keywords keywords(const FormIndex& index, const Scope& a, const Scope& b,
                  const KeywordOptions& options);
// The keywords of scope `a` of `index` against scope `b` of another corpus's
// index (a reference corpus), forms matched by their folded form; a form
// either corpus lacks counts 0 there. `referenceName` names B's corpus.
Keywords keywords(const FormIndex& index, const Scope& a, const FormIndex& reference,
                  const Scope& b, const KeywordOptions& options, std::string referenceName);

} // namespace zapt
