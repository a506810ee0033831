#include "variation/group_metrics.h"

#include "authors/group_figures.h"
#include "corpus/numbers.h"

namespace zapt {

std::vector<GroupMetricsRow> group_metrics(const AuthorIndex& index, const AgeBands& bands,
                                           int privacyThreshold) {
    std::vector<GroupMetricsRow> out;
    for (const GroupKey& g : comparison_groups(bands)) {
        if (g.all) continue;
        const GroupFigures figures = group_figures(index, bands, g.band, g.gender);
        GroupMetricsRow row;
        row.group = g;
        row.labels = {band_label(bands, g), gender_label(g)};
        row.values = figures.group;
        row.authors = static_cast<int>(figures.authors.size());
        row.spreadWithheld = row.authors < privacyThreshold;
        if (!row.spreadWithheld) add_author_spread(row, figures.authors, figures.values);
        out.push_back(std::move(row));
    }
    return out;
}

std::vector<GroupMetricsRow> group_metrics(const AuthorIndex& index, const GroupIndex& groups,
                                           int privacyThreshold) {
    // The query's groups over the whole corpus: as each group's query shows them.
    if (groups.groupBy().bandByGender() && !groups.restricted()) {
        std::vector<GroupMetricsRow> out = group_metrics(index, groups.bands(), privacyThreshold);
        for (GroupMetricsRow& row : out) row.labels = groups.labels(row.group);
        return out;
    }
    std::vector<GroupMetricsRow> out;
    std::vector<const AuthorEntry*> entries;
    for (const GroupKey& g : groups.groups()) {
        if (g.all) continue;
        entries.clear();
        for (std::size_t row : groups.memberRows(g)) entries.push_back(index.entryOfRow(row));
        const GroupFigures figures = group_figures(entries);
        GroupMetricsRow row;
        row.group = g;
        row.labels = groups.labels(g);
        row.values = figures.group;
        row.authors = static_cast<int>(figures.authors.size());
        row.spreadWithheld = row.authors < privacyThreshold;
        if (!row.spreadWithheld) add_author_spread(row, figures.authors, figures.values);
        out.push_back(std::move(row));
    }
    return out;
}

std::vector<GroupMetricsRow> group_metrics(const DataSet& data, const AgeBands& bands,
                                           int privacyThreshold) {
    const CorpusStore store = build_corpus_store(data.corpus, data.authors);
    const AuthorRegister authors = build_author_register(data.authors);
    return group_metrics(AuthorIndex(store, authors, Glossary(data.glossary)), bands,
                         privacyThreshold);
}

} // namespace zapt
