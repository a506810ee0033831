// Proposals of the corpus's own lexicon: for each form outside the standard
// dictionary, what it likely is, and for a variant of a standard word its
// likeliest interpretations, each with a score.
//
// Candidates come from the shipped lists and rules (lists.h) applied to the
// form, looked up in the dictionary and among the corpus's own forms; each is
// scored from the cost of the processes that lead to it, how common the word
// is (in general and in the corpus), how alike the spellings are, and how
// alike the places are where the corpus uses the form and the word (their
// neighbours). The kinds that are not variants come first: a form that is a
// placeholder, a number, laughter, an emoticon, a particle, a name or a word
// of another language is never given an English word. A form whose best
// candidate scores below the threshold is unresolved, and says so.
#pragma once

#include "corpus/corpus_store.h"
#include "explore/form_index.h"
#include "lexicon/dictionary.h"
#include "lexicon/lists.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zapt {

enum class LexKind {
    Variant,
    Particle,
    Laughter,
    Emoticon,
    Number,
    Placeholder,
    Name,
    OtherLanguage,
    Unresolved
};
inline constexpr LexKind kAllKinds[] = {
    LexKind::Variant,  LexKind::Particle,      LexKind::Laughter,
    LexKind::Emoticon, LexKind::Number,        LexKind::Placeholder,
    LexKind::Name,     LexKind::OtherLanguage, LexKind::Unresolved};
// "variant", "particle", "laughter", "emoticon", "number", "placeholder",
// "name", "other-language", "unresolved".
const char* kind_name(LexKind kind);
std::optional<LexKind> kind_from_name(std::string_view name);
// The kind in words for a glossary's interpretation ("discourse particle").
const char* kind_description(LexKind kind);

// The last step that finds a candidate, after the rewrites of the rules.
enum class Lookup {
    Shorthand,         // the form is in the shorthand list
    Rewrite,           // the rewritten form is a word
    Apostrophe,        // ... with its apostrophe put back (dont -> don't)
    Possessive,        // ... as a possessive (mums -> mum's)
    LettersLeftOut,    // a word of the same consonants holding all its letters (pls)
    Sound,             // a word of the same sound key (nite, fone)
    Shortened,         // a common word it begins and abbreviates (tmr, congrats)
    RunTogether,       // two words written as one (alot)
    KeypadSlip,        // a letter for another on its keypad key
    KeypadWord,        // another word typed with the same keys
    RewrittenShorthand // the rewritten form is in the shorthand list
};
inline constexpr int kLookups = 11;

// The weights of a candidate's score: logistic(sum of weight x feature).
struct ScoreWeights {
    double bias;
    double rules;            // per unit of the rewrites' cost
    double lookup[kLookups]; // per way of finding it
    double gap;              // a shortening's share of consonants left out
    double prior;            // how common the word is (0 to 1)
    double likeness;         // spelling likeness of form and candidate (0 to 1)
    double capital;          // a proper name
    double context;          // the neighbours' likeness (0 to 1), when measured
    double measured;         // the neighbours could be compared at all
};
extern const ScoreWeights kWeights;

struct Candidate {
    std::string text;              // the interpretation, as the dictionary or list spells it
    double score = 0;              // 0 to 1
    std::string process;           // how the form comes from it ("-in for -ing", "dropped letters")
    double cost = 0;               // the processes' cost
    std::optional<double> context; // the neighbours' likeness, when measured
    double prior = 0;              // how common the word is, 0 to 1
    double likeness = 0;           // spelling likeness of form and candidate, 0 to 1
    Lookup lookup = Lookup::Rewrite;
    double gap = 0;       // a shortening's share of consonants left out
    bool capital = false; // a proper name
};

struct Proposal {
    std::string form;  // folded
    std::string shown; // the most frequent spelling
    std::uint64_t count = 0;
    std::uint32_t authors = 0, texts = 0;
    LexKind kind = LexKind::Unresolved;
    std::vector<Candidate> candidates; // best first, at most ProposalSettings::candidates
    std::string reason;                // why this kind, in words
    bool standard = false;             // the form is in the standard dictionary
};

struct ProposalSettings {
    std::uint64_t minCount = 2; // forms seen fewer times are left out
    double threshold = 0.5;     // a best candidate below it leaves the form unresolved
    std::size_t candidates = 5; // candidates kept per form
};

inline constexpr std::uint64_t kDefaultMinCount = 2;

class Proposer {
public:
    // Over the form index of a corpus. A form is an emoticon when the index's
    // emoticon list (explore/emoticons.h) reads it as one (":)", ":P", "<3").
    // For an index made without emoticons, `store` (the index's store) gives
    // the texts as written, for the emoticons whose marks the pieces lose
    // (":D" is the piece "D"), read with the built-in list; without it only
    // pieces made of signs count as emoticons. The index, the dictionary, the
    // lists and the store must outlive the proposer.
    Proposer(const FormIndex& index, const StandardDictionary& dictionary,
             const CorpusStore* store = nullptr, const LexiconLists& lists = shipped_lists());

    // Every form outside the dictionary seen at least minCount times, by
    // count descending, then form; on two threads when there are many.
    std::vector<Proposal> propose_all(const ProposalSettings& settings = {});
    // The proposal for one form, whatever its count, in the dictionary or
    // not, in the corpus or not.
    Proposal propose(std::string_view form, const ProposalSettings& settings = {});

    const StandardDictionary& dictionary() const { return *dictionary_; }
    // How long the constructor took (indexes of the dictionary, emoticons), ms.
    double setupMilliseconds() const { return setupMs_; }

private:
    // The steps of rewriting: rules by number, or the letter steps.
    static constexpr int kMaxSteps = 3;
    using Steps = std::array<std::int16_t, kMaxSteps>;
    struct Raw {
        std::string key;   // folded
        std::string shown; // as the list writes it; empty: the dictionary's spelling
        double rules = 0;  // the rewrites' cost
        Lookup lookup = Lookup::Rewrite;
        double gap = 0;
        Steps steps{};
        std::uint8_t depth = 0;
        bool capital = false;
    };
    struct Vector {
        std::vector<std::pair<std::uint32_t, float>> entries; // sorted by key
        double norm = 0;
        std::uint64_t mass = 0;
    };

    void generate(const std::string& form, std::vector<Raw>& out) const;
    void expand(const std::string& form, std::vector<Raw>& out) const;
    void add(std::vector<Raw>& out, std::string key, double rules, Lookup lookup, const Raw& from,
             double gap = 0, std::string shown = {}) const;
    std::string process_of(const Raw& r) const;
    double linear_score(const Raw& r, double prior, double likeness) const;
    std::optional<std::pair<std::string, double>> resolve_part(const std::string& part) const;
    // What one thread of proposing keeps from form to form: the neighbours
    // of the forms met, the numbers' neighbours, the priors of words.
    struct Work {
        std::unordered_map<std::uint32_t, Vector> vectors;
        std::optional<Vector> numbers;
        std::unordered_map<std::string, double> priors;
    };
    double prior(const std::string& word) const;
    double prior(const std::string& word, Work& work) const;
    const Vector& vector_of(std::uint32_t form, Work& work) const;
    double context_likeness(std::uint32_t a, std::uint32_t b, Work& work) const;
    std::vector<Candidate> rank(const std::string& form, long long id, std::size_t keep,
                                std::size_t scored, Work& work) const;
    void classify(Proposal& p, long long id, const ProposalSettings& s, Work& work) const;
    double number_likeness(std::uint32_t form, Work& work) const;
    Proposal propose(std::string_view form, const ProposalSettings& settings, Work& work) const;
    std::string display(const std::string& folded) const;
    // The emoticons in force: the index's list, or the built-in one for an
    // index made without emoticons.
    const EmoticonList& emoticons() const;

    const FormIndex* index_;
    const StandardDictionary* dictionary_;
    const LexiconLists* lists_;
    std::unordered_map<std::string, std::vector<std::uint32_t>> bySkeleton_, bySound_;
    std::unordered_map<std::string, std::vector<std::uint32_t>> byKeypad_;
    std::vector<std::string> small_; // common words and the corpus's frequent standard forms
    std::unordered_set<std::string> smallSet_;
    std::vector<std::vector<std::uint32_t>> smallByLetter_;
    std::vector<std::string> smallSkeleton_;
    std::vector<std::uint32_t> emoticonUses_; // per form: uses within emoticons as written
                                              // (an index made without emoticons)
    Work work_;                               // for the forms asked for one by one
    std::vector<double> idf_;
    std::uint64_t maxCount_ = 1;
    double setupMs_ = 0;
};

} // namespace zapt
