// The comparison of groups window (Form12) as plain data, with one operation
// per user event, like the main window's state and the explorer: the chosen
// family or the user's own forms, the tab shown, the collocation settings,
// and every table the window shows. The window builds its widgets, hands
// each event to an operation here and shows the state.
#pragma once

#include "variation/collocation_table.h"
#include "variation/compare.h"
#include "variation/group_index.h"
#include "variation/group_metrics.h"
#include "variation/result_table.h"

#include <string>
#include <vector>

namespace zapt {

class Explorer;

enum class CompareTab { Shares = 0, Metrics = 1, Collocations = 2 };

struct CompareForm {
    // The families' captions, then the row of the user's own forms.
    std::vector<std::string> cboFamily;
    int family = 0;
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

    // Collocations of a form.
    std::string txtCollForm;
    CollocationSettings settings; // span 1, every collocate, inside one text
    CollocationTable collocations;
    ResultTable tblOccurrences, tblCollocates;
    unsigned collocationsRevision = 0;

    int ownFormsRow() const { return static_cast<int>(cboFamily.size()) - 1; }
};

class CompareGroups {
public:
    // `app` and `index` must outlive the state. The first family is compared
    // at once; the collocations of `selectedForm` (the glossary form selected
    // in the main window) are found when it is not empty.
    CompareGroups(const Explorer& app, const GroupIndex& index, std::string selectedForm);

    const CompareForm& form12() const { return form_; }

    // Choosing a row of the family list compares it (the own forms' row
    // compares what is typed).
    void cboFamily_Change(int row);
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

    // The most a minimum frequency may be set to.
    static constexpr int kMaxMinFrequency = 9999;

private:
    void compare();
    void findCollocations();

    const Explorer& app_;
    const GroupIndex& index_;
    CompareForm form_;
};

} // namespace zapt
