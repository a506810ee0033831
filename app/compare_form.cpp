#include "app/compare_form.h"

#include "app/explorer.h"
#include "variation/tables.h"

#include <algorithm>

namespace zapt {

CompareGroups::CompareGroups(const Explorer& app, const GroupIndex& index, std::string selectedForm,
                             const AuthorFields& fields, const std::vector<std::string>& applied,
                             CompareMemory* memory)
    : app_(app), index_(index), fields_(fields), memory_(memory ? memory : &ownMemory_) {
    fields_.authors = &app.authors();
    groupings_ = group_by_choices(fields_);
    for (const GroupBy& g : groupings_) form_.cboGroupBy.push_back(g.caption());
    for (const std::string& line : applied)
        form_.lblApplied += (form_.lblApplied.empty() ? "" : "; ") + line;
    for (const VariantFamily& f : app.variantFamilies()) form_.cboFamily.push_back(f.caption);
    form_.cboFamily.push_back("Your own forms:");
    form_.txtOwnFormsEnabled = form_.family == form_.ownFormsRow();
    form_.txtCollForm = std::move(selectedForm);
    compare();
    // The collocations of the selected form are counted when their tab is
    // first shown: the window opens on the shares.
    collocationsPending_ = !form_.txtCollForm.empty();
}

void CompareGroups::cboFamily_Change(int row) {
    if (row < 0 || row > form_.ownFormsRow()) return;
    form_.family = row;
    form_.txtOwnFormsEnabled = row == form_.ownFormsRow();
    compare();
}

const GroupIndex& CompareGroups::groupIndex() const {
    if (form_.groupBy == 0) return index_;
    return *memory_->indexes.at(form_.groupBy);
}

void CompareGroups::cboGroupBy_Change(int row) {
    if (row < 0 || row >= static_cast<int>(groupings_.size()) || row == form_.groupBy) return;
    form_.groupBy = row;
    std::unique_ptr<GroupIndex>& made = memory_->indexes[row];
    if (row != 0 && !made) {
        made = std::make_unique<GroupIndex>(app_.form3(), fields_,
                                            groupings_[static_cast<std::size_t>(row)]);
    }
    form_.lblGroups.clear();
    if (row != 0) {
        const int left = groupIndex().leftOut();
        form_.lblGroups = "Groups: the authors sharing a value of " +
                          groupings_[static_cast<std::size_t>(row)].caption() + "; " +
                          std::to_string(left) + (left == 1 ? " author" : " authors") +
                          " with texts without a value, in no group.";
    }
    compare();
    if (form_.metricsDone) workOutMetrics();
}

void CompareGroups::cmdCompareGroups_Click() {
    compare();
}

void CompareGroups::tabResults_Change(CompareTab tab) {
    form_.tabResults = tab;
    if (tab == CompareTab::Collocations && collocationsPending_) findCollocations();
    if (tab != CompareTab::Metrics || form_.metricsDone) return;
    workOutMetrics();
}

void CompareGroups::workOutMetrics() {
    const GroupIndex& groups = groupIndex();
    auto held = memory_->metrics.find(form_.groupBy);
    if (held == memory_->metrics.end())
        held = memory_->metrics.emplace(form_.groupBy, group_metrics(app_.authorIndex(), groups))
                   .first;
    form_.metrics = held->second;
    form_.metricsDone = true;
    form_.tblMetrics =
        group_metrics_table(form_.metrics, groups.groupBy(), groups.leftOut(), groups.restricted());
    ++form_.metricsRevision;
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
    auto& held = memory_->comparisons;
    const auto key = std::make_pair(form_.groupBy, forms.forms);
    auto it = held.find(key);
    // A family's forms name it; an own list of the same forms is compared alike
    // but named apart.
    if (it != held.end() && it->second.forms.name != forms.name) it = held.end();
    if (it == held.end()) {
        if (held.size() >= CompareMemory::kMostHeld) held.clear();
        it = held.insert_or_assign(key, compare_groups(groupIndex(), forms)).first;
    }
    form_.comparison = it->second;
    form_.tblShares = comparison_table(form_.comparison);
    form_.tblSpread = spread_table(form_.comparison);
    form_.tblSignificance = significance_table(form_.comparison);
    ++form_.sharesRevision;
}

void CompareGroups::findCollocations() {
    collocationsPending_ = false;
    auto& held = memory_->collocations;
    const auto key = std::make_tuple(form_.txtCollForm, form_.settings.span,
                                     form_.settings.minFrequency, form_.settings.withinText);
    auto it = held.find(key);
    if (it == held.end()) {
        if (held.size() >= CompareMemory::kMostHeld) held.clear();
        it = held.emplace(key, collocation_table(app_.form3(), form_.txtCollForm, form_.settings))
                 .first;
    }
    form_.collocations = it->second;
    form_.tblOccurrences = occurrences_table(form_.collocations);
    form_.tblCollocates = collocate_measures_table(form_.collocations);
    ++form_.collocationsRevision;
}

} // namespace zapt
