// The comparison of groups for a set of spelling variants: a variant family
// of the main window or a user's own list of forms.
//
// For each group and each form: its count in the group's text by the
// counting rule (the number the family's group label shows after that
// group's query; for the whole corpus, in the cleaned corpus text), the word
// total of that text, the rate per 10,000 words, the share of the family's
// count, and how many of the group's authors use the form. Each cell also
// tells how much of its count comes from the group's top author; a cell whose
// count comes from fewer authors than the privacy threshold withholds that.
#pragma once

#include "corpus/data_files.h"
#include "variation/group_index.h"
#include "variation/intervals.h"
#include "variation/statistics.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

// A cell describing fewer authors than this shows its counts but not how they
// spread over the authors.
inline constexpr int kPrivacyThreshold = 3;

// The forms compared: distinct without regard to letter case (a word counts
// the same for "bk" and "BK"), in list order, never empty.
struct FormList {
    std::string name;    // "lstBack", or "own list"
    std::string caption; // "Forms of 'back'"; empty for an own list
    std::vector<std::string> forms;
};

// A family's items in the order its list shows them: the list of "th" words
// is a sorted list box, every other list keeps the data file's order.
std::vector<std::string> listed_items(const VariantFamily& family);

// The family whose list name ("lstBack", "LstWeForms"), stem ("Back", "We") or
// list name without its "lst" ("WeForms") equals `name` without regard to
// case, with its items as the window lists them; nothing for another name.
std::optional<FormList> find_family(const std::vector<VariantFamily>& families,
                                    std::string_view name);

// The forms a user typed, separated by blanks, tabs, line breaks, commas or
// semicolons (none of which a counted word can hold).
FormList own_forms(std::string_view typed);

// How the count of one cell spreads over the group's authors.
enum class SpreadStatus {
    Shown,         // topAuthorShare holds the share of the top author
    NoOccurrences, // the count is 0
    Withheld,      // fewer authors than the threshold use the form
};

struct FormCell {
    std::string form;
    int count = 0;
    std::optional<double> per10k; // count × 10000 / words; none when the text has no words
    std::optional<double> share;  // count / the family's count; none when that is 0
    // The Wilson interval of the share at kIntervalConfidence (count out of the
    // family's count); none when the family's count is 0.
    std::optional<Interval> interval;
    int authorsUsing = 0; // authors of the group whose texts hold the form
    SpreadStatus spread = SpreadStatus::NoOccurrences;
    double topAuthorShare = 0;      // meaningful only when spread is Shown
    bool oneAuthorOverHalf = false; // the top author gives more than half (Shown only)
};

// One author of a group who uses a form of the family: the code (never the
// name), the author's count of the family's forms and of each form.
struct AuthorUse {
    std::string code;
    int uses = 0;            // the sum of `counts`, above 0
    std::vector<int> counts; // per form, in the order of the form list
};

struct GroupRow {
    GroupKey group;
    std::vector<std::string> labels; // the values naming the group, one per group column
    int authors = 0;                 // authors in the group
    int words = 0;                   // word total of the group's text
    int familyCount = 0;             // sum of the counts of the distinct forms
    std::vector<FormCell> cells;     // one per form, in the order of the form list
    // The group's authors who use a form of the family, in the order of the
    // group's authors, each counted as the cells count (for the whole corpus,
    // in the cleaned corpus text).
    std::vector<AuthorUse> authorUses;
};

struct Comparison {
    FormList forms;
    int privacyThreshold = kPrivacyThreshold;
    // The columns naming a group ("band", "gender" for the query's groups),
    // the grouping's caption, the authors it left out for a missing value,
    // and whether the groups hold a subcorpus's authors only.
    std::vector<std::string> groupColumns{"band", "gender"};
    std::string grouping = "age band × gender";
    int leftOut = 0;
    bool subcorpus = false;
    std::vector<GroupRow> rows; // the index's groups, then the whole corpus
    // On the table of the groups (not the whole corpus) by the forms.
    TestResult chiSquare;
    TestResult logLikelihood;
    // Per form: each author's share of the family that the form has, one
    // sample per group (authors who use no form of the family are left out).
    std::vector<TestResult> kruskalWallis;
    std::string independenceNote;
};

Comparison compare_groups(const GroupIndex& index, const FormList& forms,
                          int privacyThreshold = kPrivacyThreshold);

} // namespace zapt
