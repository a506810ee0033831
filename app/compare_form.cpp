#include "app/compare_form.h"

#include "app/explorer.h"
#include "variation/tables.h"

#include <algorithm>

namespace zapt {

CompareGroups::CompareGroups(const Explorer& app, const GroupIndex& index, std::string selectedForm)
    : app_(app), index_(index) {
    for (const VariantFamily& f : app.variantFamilies()) form_.cboFamily.push_back(f.caption);
    form_.cboFamily.push_back("Your own forms:");
    form_.txtOwnFormsEnabled = form_.family == form_.ownFormsRow();
    form_.txtCollForm = std::move(selectedForm);
    compare();
    if (!form_.txtCollForm.empty()) findCollocations();
}

void CompareGroups::cboFamily_Change(int row) {
    if (row < 0 || row > form_.ownFormsRow()) return;
    form_.family = row;
    form_.txtOwnFormsEnabled = row == form_.ownFormsRow();
    compare();
}

void CompareGroups::cmdCompareGroups_Click() {
    compare();
}

void CompareGroups::tabResults_Change(CompareTab tab) {
    form_.tabResults = tab;
    if (tab != CompareTab::Metrics || form_.metricsDone) return;
    form_.metrics = group_metrics(app_.authorIndex());
    form_.metricsDone = true;
    form_.tblMetrics = group_metrics_table(form_.metrics);
}

void CompareGroups::cmdFindCollocations_Click() {
    findCollocations();
}

void CompareGroups::spnSpan_Change(int span) {
    form_.settings.span = std::clamp(span, 1, CollocationSettings::kMaxSpan);
    findCollocations();
}

void CompareGroups::spnMinFrequency_Change(int frequency) {
    form_.settings.minFrequency = std::clamp(frequency, 1, kMaxMinFrequency);
    findCollocations();
}

void CompareGroups::chkWithinText_Change(bool within) {
    form_.settings.withinText = within;
    findCollocations();
}

void CompareGroups::compare() {
    FormList forms;
    if (form_.family == form_.ownFormsRow()) {
        forms = own_forms(form_.txtOwnForms);
    } else {
        const std::vector<VariantFamily>& families = app_.variantFamilies();
        const std::string& list = families[static_cast<std::size_t>(form_.family)].list;
        if (auto f = find_family(families, list)) forms = *f;
    }
    if (forms.forms.empty()) {
        // The tables keep the last comparison.
        form_.note = "Type at least one form to compare.";
        return;
    }
    form_.note.clear();
    form_.comparison = compare_groups(index_, forms);
    form_.tblShares = comparison_table(form_.comparison);
    form_.tblSpread = spread_table(form_.comparison);
    form_.tblSignificance = significance_table(form_.comparison);
    ++form_.sharesRevision;
}

void CompareGroups::findCollocations() {
    form_.collocations = collocation_table(app_.form3(), form_.txtCollForm, form_.settings);
    form_.tblOccurrences = occurrences_table(form_.collocations);
    form_.tblCollocates = collocate_measures_table(form_.collocations);
    ++form_.collocationsRevision;
}

} // namespace zapt
