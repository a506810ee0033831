// The corpus's own lexicon as the linguist decides it: the proposals, each
// with the user's decision, and the variant families, with every change
// undoable. Plain data with one operation per user event, for the Lexicon
// window and zapt-report.
//
// An entry's decision is its status (proposed, accepted, rejected), its kind
// and, for an accepted variant, its interpretation. A proposed entry follows
// its proposal. Families gather the accepted variants of one standard form
// (tomorrow <- tmr, tml, tmrw, 2moro): those the user has not touched are
// proposed afresh from the accepted variants whenever asked for; a family the
// user renames, merges, splits or keeps is the user's from then on.
#pragma once

#include "corpus/data_files.h"
#include "lexicon/proposal.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zapt {

enum class LexStatus { Proposed, Accepted, Rejected };
// "proposed", "accepted", "rejected".
const char* status_name(LexStatus status);
std::optional<LexStatus> status_from_name(std::string_view name);

// The user's decision on one form: plain data, saved with the lexicon.
struct Decision {
    std::string form; // folded
    LexStatus status = LexStatus::Proposed;
    LexKind kind = LexKind::Unresolved;
    std::string interpretation; // an accepted variant's; empty otherwise
    friend bool operator==(const Decision&, const Decision&) = default;
};

struct LexiconEntry {
    Proposal proposal;
    Decision decision; // in force: the proposal's kind while proposed
};

struct LexFamily {
    std::string name;                  // the caption, by default the standard form
    std::string standard;              // the standard form (folded)
    std::vector<std::string> variants; // folded forms, the standard form not among them
    bool kept = false;                 // the user keeps it: one of the corpus's families
    bool own = false;                  // the user has changed it (no longer re-proposed)
    friend bool operator==(const LexFamily&, const LexFamily&) = default;
};

struct LexiconFilter {
    std::optional<LexKind> kind;
    std::optional<LexStatus> status;
    double minScore = 0; // the best candidate's score at least this
};

// "lexicon: NAME (N accepted forms, M kept families)", as headers name a lexicon.
std::string lexicon_caption(std::string_view name, std::size_t accepted, std::size_t kept);
// The kept families among `families` as a families table (family,form), as
// --families reads it, standard form first; empty when none is kept.
std::string kept_families_csv(const std::vector<LexFamily>& families);
// The same as the program's variant families.
std::vector<VariantFamily> kept_variant_families(const std::vector<LexFamily>& families);

class Lexicon {
public:
    Lexicon() = default;
    // The proposals in the order to list them (by count descending).
    explicit Lexicon(std::vector<Proposal> proposals, std::string name = "corpus lexicon");

    // ---- What the window lists
    std::size_t size() const { return entries_.size(); }
    const LexiconEntry& entry(std::size_t i) const { return entries_[i]; }
    // The entry of a form (folded or as written), or -1.
    long long find(std::string_view form) const;
    // The entries passing the filter, in list order.
    std::vector<std::size_t> rows(const LexiconFilter& filter) const;
    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    // ---- Decisions: one call per user event; each returns whether anything
    // changed (nothing does for a form not listed or a candidate not there).
    bool accept(std::string_view form, std::size_t candidate = 0);
    bool acceptAs(std::string_view form, std::string interpretation); // typed by the user
    bool setKind(std::string_view form, LexKind kind);
    bool reject(std::string_view form);
    bool reset(std::string_view form); // back to the proposal
    // Accepts the best candidate of every proposed variant whose best score
    // is at least `minScore` (among the rows of `filter`); one step to undo.
    std::size_t acceptAbove(double minScore, const LexiconFilter& filter = {});
    // Applies decisions (read from a file) to the forms listed; one step.
    // Returns the number applied; decisions on forms not listed are kept
    // aside and saved again with the lexicon.
    std::size_t apply(const std::vector<Decision>& decisions);
    // Accepts the interpretations of a glossary (the built-in British one, or
    // another) for the listed forms still proposed; one step.
    std::size_t mergeGlossary(const GlossaryData& glossary);

    // ---- Families. Indices are into families().
    // The user's families, then those proposed from the accepted variants
    // that are in none of them, by standard form.
    std::vector<LexFamily> families() const;
    bool renameFamily(std::size_t i, std::string name);
    bool mergeFamilies(std::size_t into, std::size_t from);
    // Moves `forms` (variants of family i) into a new family named `name`.
    bool splitFamily(std::size_t i, const std::vector<std::string>& forms, std::string name);
    bool keepFamily(std::size_t i, bool keep = true);
    // Replaces the user's families (read from a file); one step.
    void setFamilies(std::vector<LexFamily> families);

    // ---- Undo
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < history_.size(); }
    bool undo();
    bool redo();
    // Forgets what could be undone or redone: the state as it stands is the
    // starting point (decisions read from a saved lexicon).
    void forgetHistory() {
        history_.clear();
        done_ = 0;
    }

    // ---- What the lexicon gives the program
    // Every decision that differs from the proposal, and those kept aside.
    std::vector<Decision> decisions() const;
    // The accepted forms with their interpretations: variants with theirs,
    // other kinds with the kind in words ("laughter", "discourse particle").
    GlossaryData glossary() const;
    // The kept families, as the program's variant families (standard form first).
    std::vector<VariantFamily> keptFamilies() const;
    // The kept families as a families table (family,form), as --families
    // reads it; empty when none is kept.
    std::string keptFamiliesCsv() const;
    // "lexicon: NAME (N accepted forms, M kept families)" for headers.
    std::string caption() const;

private:
    struct Change {
        std::vector<std::pair<std::size_t, Decision>> before, after;
        std::optional<std::vector<LexFamily>> familiesBefore, familiesAfter;
    };
    long long at(std::string_view form) const;
    Decision proposed(std::size_t i) const;
    bool change(std::vector<std::pair<std::size_t, Decision>> to);
    bool changeFamilies(std::vector<LexFamily> to);
    void record(Change c);
    LexFamily* familyAt(std::size_t i, std::vector<LexFamily>& own) const;

    std::string name_;
    std::vector<LexiconEntry> entries_;
    std::unordered_map<std::string, std::size_t> byForm_;
    std::vector<LexFamily> own_;  // the user's families
    std::vector<Decision> aside_; // decisions on forms not listed
    std::vector<Change> history_;
    std::size_t done_ = 0;
};

} // namespace zapt
