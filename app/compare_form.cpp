#include "app/compare_form.h"

#include "authors/author_index.h"
#include "corpus/corpus.h"
#include "explore/form_index.h"
#include "explore/tables.h"
#include "variation/tables.h"

#include <algorithm>

namespace zapt {

CompareGroups::CompareGroups(const Corpus& corpus, const GroupIndex& index,
                             std::string selectedForm, const std::vector<std::string>& applied,
                             CompareMemory* memory)
    : corpus_(corpus), index_(index), fields_(author_fields(corpus)),
      memory_(memory ? memory : &ownMemory_) {
    groupings_ = group_by_choices(fields_);
    for (const GroupBy& g : groupings_) form_.cboGroupBy.push_back(g.caption());
    for (const std::string& line : applied)
        form_.lblApplied += (form_.lblApplied.empty() ? "" : "; ") + line;
    for (const VariantFamily& f : corpus.families()) form_.cboFamily.push_back(f.caption);
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
        made = std::make_unique<GroupIndex>(corpus_.store(), fields_,
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
    if (tab == CompareTab::Authors && !form_.authorsDone) makeAuthors();
    if (tab != CompareTab::Metrics || form_.metricsDone) return;
    workOutMetrics();
}

void CompareGroups::workOutMetrics() {
    const GroupIndex& groups = groupIndex();
    auto held = memory_->metrics.find(form_.groupBy);
    if (held == memory_->metrics.end())
        held = memory_->metrics.emplace(form_.groupBy, group_metrics(corpus_.authorIndex(), groups))
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

void CompareGroups::cboChartForm_Change(int row) {
    if (row < 0 || row >= static_cast<int>(form_.cboChartForm.size()) || row == form_.chartForm)
        return;
    form_.chartForm = row;
    makeChart();
}

int CompareGroups::groupingRow(std::string_view groupBy, std::string* error) const {
    if (groupBy.find_first_not_of(" \t") == std::string_view::npos) return 0;
    std::string why;
    const std::optional<GroupBy> by = parse_group_by(groupBy, fields_, &why);
    if (!by) {
        if (error) *error = why;
        return -1;
    }
    // Two fields crossed in either order are the window's one grouping of them.
    GroupBy reversed = *by;
    std::reverse(reversed.fields.begin(), reversed.fields.end());
    for (const GroupBy& wanted : {*by, reversed}) {
        for (std::size_t i = 0; i < groupings_.size(); ++i) {
            if (groupings_[i] == wanted) return static_cast<int>(i);
        }
    }
    if (error) *error = "the comparison offers no grouping " + by->caption();
    return -1;
}

bool CompareGroups::compareOwnForms(const std::string& forms, std::string_view groupBy,
                                    std::string* error) {
    const int row = groupingRow(groupBy, error);
    if (row < 0) return false;
    if (own_forms(forms).forms.empty()) {
        if (error) *error = "no form to compare";
        return false;
    }
    form_.family = form_.ownFormsRow();
    form_.txtOwnFormsEnabled = true;
    form_.txtOwnForms = forms;
    form_.tabResults = CompareTab::Shares;
    if (row != form_.groupBy)
        cboGroupBy_Change(row); // compares the forms over the new groups
    else
        compare();
    return true;
}

void CompareGroups::makeChart() {
    std::optional<ShareChart> chart =
        share_chart(form_.comparison, static_cast<std::size_t>(form_.chartForm));
    form_.chart = chart ? std::move(*chart) : ShareChart{};
    form_.tblChart = chart ? share_chart_table(form_.chart) : ResultTable{};
    ++form_.chartRevision;
}

void CompareGroups::makeAuthors() {
    const FormList& forms = form_.comparison.forms;
    // The authors compared: every register row, or the subcorpus's authors.
    std::vector<std::size_t> rows;
    const GroupIndex& groups = groupIndex();
    if (groups.restricted()) {
        for (const GroupKey& g : groups.groups()) {
            if (g.all) rows = groups.memberRows(g);
        }
    } else {
        for (std::size_t k = 0; k < corpus_.authors().size(); ++k) rows.push_back(k);
    }
    form_.tblAuthors =
        authors_table(corpus_.forms(), fields_, rows, forms.forms,
                      "Authors and forms: " + (forms.caption.empty() ? forms.name : forms.caption));
    form_.authorsDone = true;
    ++form_.authorsRevision;
}

void CompareGroups::compare() {
    FormList forms;
    if (form_.family == form_.ownFormsRow()) {
        forms = own_forms(form_.txtOwnForms);
    } else {
        const std::vector<VariantFamily>& families = corpus_.families();
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
    // The chart keeps its form when the new comparison holds it.
    const std::string shown = form_.chart.form;
    form_.cboChartForm = form_.comparison.forms.forms;
    const auto same = std::find(form_.cboChartForm.begin(), form_.cboChartForm.end(), shown);
    form_.chartForm =
        same == form_.cboChartForm.end() ? 0 : static_cast<int>(same - form_.cboChartForm.begin());
    makeChart();
    // The authors' table follows the forms; made now when it is shown.
    form_.authorsDone = false;
    if (form_.tabResults == CompareTab::Authors) makeAuthors();
}

void CompareGroups::findCollocations() {
    collocationsPending_ = false;
    auto& held = memory_->collocations;
    const auto key = std::make_tuple(form_.txtCollForm, form_.settings.span,
                                     form_.settings.minFrequency, form_.settings.withinText);
    auto it = held.find(key);
    if (it == held.end()) {
        if (held.size() >= CompareMemory::kMostHeld) held.clear();
        it =
            held.emplace(key, collocation_table(corpus_.store(), form_.txtCollForm, form_.settings))
                .first;
    }
    form_.collocations = it->second;
    form_.tblOccurrences = occurrences_table(form_.collocations);
    form_.tblCollocates = collocate_measures_table(form_.collocations);
    ++form_.collocationsRevision;
}

} // namespace zapt
