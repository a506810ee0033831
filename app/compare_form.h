// The comparison of groups window (Form12) as plain data, with one operation
// per user event, like the main window's state: the chosen
// family or the user's own forms, the tab shown, the collocation settings,
// and every table the window shows. The window builds its widgets, hands
// each event to an operation here and shows the state.
#pragma once

#include "results/result_table.h"
#include "variation/collocation_table.h"
#include "variation/compare.h"
#include "variation/group_index.h"
#include "variation/group_metrics.h"
#include "variation/share_chart.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace zapt {

class FormIndex;

enum class CompareTab { Shares = 0, Metrics = 1, Collocations = 2, Chart = 3, Authors = 4 };

struct CompareForm {
    // The families' captions, then the row of the user's own forms.
    std::vector<std::string> cboFamily;
    int family = 0;
    // What the comparison takes from outside the corpus: the built-in
    // glossary or families applied to a corpus of the user's own ("glossary:
    // built-in (British English, 743 forms)"); empty for the built-in corpus.
    std::string lblApplied;
    // The groupings' captions: age band × gender, each field, each pair.
    std::vector<std::string> cboGroupBy;
    int groupBy = 0;
    // What the groups are and how many authors no group holds; empty for
    // the first grouping.
    std::string lblGroups;
    std::string txtOwnForms;
    bool txtOwnFormsEnabled = false; // only while the own forms' row is chosen
    CompareTab tabResults = CompareTab::Shares;

    // Variant shares: the last comparison, and the note shown instead of its
    // tests when no form was given.
    Comparison comparison;
    std::string note;
    ResultTable tblShares, tblSpread, tblSignificance;
    unsigned sharesRevision = 0; // grows with every new comparison

    // Author figures, worked out when the tab is first shown.
    bool metricsDone = false;
    std::vector<GroupMetricsRow> metrics;
    ResultTable tblMetrics;
    unsigned metricsRevision = 0; // grows with every new table of figures

    // The share chart: one form of the comparison (cboChartForm lists them)
    // across the groups, with each group's n and interval and the authors'
    // dots; tblChart holds its numbers. Made again with every comparison.
    std::vector<std::string> cboChartForm;
    int chartForm = 0;
    ShareChart chart;
    ResultTable tblChart;
    unsigned chartRevision = 0;

    // Authors: one row per author and form of the comparison, as zapt-report
    // authors writes it; made when the tab is shown.
    bool authorsDone = false;
    ResultTable tblAuthors;
    unsigned authorsRevision = 0;

    // Collocations of a form.
    std::string txtCollForm;
    CollocationSettings settings; // span 1, every collocate, inside one text
    CollocationTable collocations;
    ResultTable tblOccurrences, tblCollocates;
    unsigned collocationsRevision = 0;

    int ownFormsRow() const { return static_cast<int>(cboFamily.size()) - 1; }
};

// What the comparison windows of one corpus share for the life of the
// program. The corpus never changes, so a grouping's index and author
// figures, a family's comparison and a form's collocations are worked out
// once and shown again whenever a window asks for them.
struct CompareMemory {
    std::map<int, std::unique_ptr<GroupIndex>> indexes;  // per grouping row but the first
    std::map<int, std::vector<GroupMetricsRow>> metrics; // per grouping row
    std::map<std::pair<int, std::vector<std::string>>, Comparison> comparisons;
    std::map<std::tuple<std::string, int, int, bool>, CollocationTable> collocations;
    // The most comparisons and collocation tables held: past it they are all
    // let go and held afresh, which bounds the memory of a long session.
    static constexpr std::size_t kMostHeld = 32;
};

class CompareGroups {
public:
    // `corpus` and `index` (the groups of age band by gender) must outlive
    // the state. The first family is compared at once; the collocations of
    // `selectedForm` (the glossary form selected in the main window) are
    // found when it is not empty. The groups can be made of any field of the
    // corpus's authors; `applied` gives the lines of applied_lists().
    // `memory`, when given, outlives the state and is shared by every window
    // of the corpus.
    CompareGroups(const Corpus& corpus, const GroupIndex& index, std::string selectedForm,
                  const std::vector<std::string>& applied = {}, CompareMemory* memory = nullptr);

    // The groups of the chosen grouping.
    const GroupIndex& groupIndex() const;

    const CompareForm& form12() const { return form_; }

    // Choosing a row of the family list compares it (the own forms' row
    // compares what is typed).
    void cboFamily_Change(int row);
    // Choosing a grouping compares the family over its groups, and works the
    // author figures out again when they were.
    void cboGroupBy_Change(int row);
    void txtOwnForms_Change(std::string text) { form_.txtOwnForms = std::move(text); }
    // The Compare button, and Enter in the own forms' box.
    void cmdCompareGroups_Click();
    void tabResults_Change(CompareTab tab);
    void txtCollForm_Change(std::string text) { form_.txtCollForm = std::move(text); }
    // The Find button, and Enter in the form's box.
    void cmdFindCollocations_Click();
    // A change of a setting counts the collocations of the form again.
    void spnSpan_Change(int span);
    void spnMinFrequency_Change(int frequency);
    void chkWithinText_Change(bool within);
    // Choosing the form the share chart shows (a row of cboChartForm).
    void cboChartForm_Change(int row);

    // Opening from elsewhere (a concordance's tally of a form): compares the
    // own forms `forms` (as typed in the own forms' box) over the grouping
    // `groupBy` ("band", "gender", "band,gender", "education,region": the
    // names zapt-report's --group-by takes; empty: age band × gender) and
    // shows the shares. False, with `error` set and nothing changed, for a
    // grouping that cannot be read or holds no form.
    bool compareOwnForms(const std::string& forms, std::string_view groupBy, std::string* error);
    // The row of cboGroupBy of a grouping as --group-by names it (two fields
    // in either order); -1, with `error` set, when there is none.
    int groupingRow(std::string_view groupBy, std::string* error) const;

    // The most a minimum frequency may be set to.
    static constexpr int kMaxMinFrequency = 9999;

private:
    void compare();
    void workOutMetrics();
    void findCollocations();
    void makeChart();
    void makeAuthors();
    // The selected form's collocations are still to be counted.
    bool collocationsPending_ = false;

    const Corpus& corpus_;
    const GroupIndex& index_;
    AuthorFields fields_;
    std::vector<GroupBy> groupings_;
    CompareMemory ownMemory_;
    CompareMemory* memory_;
    CompareForm form_;
};

} // namespace zapt
