#include "variation/group_metrics.h"

#include "corpus/numbers.h"

namespace zapt {
namespace {

std::array<const std::string*, 6> group_captions(const MainForm& f) {
    return {&f.NumOfGroupTexts,          &f.GroupAvTextLength,  &f.GroupAvNumOfCharacters,
            &f.GroupAvWordClusterLength, &f.GroupAvPuncDensity, &f.GroupNonStandardFormsDensity};
}

std::array<const std::string*, 6> author_captions(const MainForm& f) {
    return {&f.lblTextTotal,           &f.lblAvTextLength, &f.lblNumOfCharacters,
            &f.lblAvWordClusterLength, &f.lblPuncDensity,  &f.lblNonStandardFormDensity};
}

// The spread of each figure over the authors' captions, in AgeTable order: the
// first author of a smallest or largest value gives its caption.
template <class Captions>
void add_spread(GroupMetricsRow& row, const std::vector<Captions>& authors) {
    std::array<double, 6> lo{}, hi{};
    for (std::size_t i = 0; i < authors.size(); ++i) {
        for (std::size_t k = 0; k < 6; ++k) {
            const std::string& caption = authors[i][k];
            const double v = read_leading_number(caption);
            if (i == 0 || v < lo[k]) lo[k] = v, row.min[k] = caption;
            if (i == 0 || v > hi[k]) hi[k] = v, row.max[k] = caption;
        }
    }
}

} // namespace

std::vector<GroupMetricsRow> group_metrics(const Explorer& app, int privacyThreshold) {
    std::vector<GroupMetricsRow> out;
    for (const GroupKey& g : comparison_groups()) {
        if (g.all) continue;
        const Explorer::GroupFigures figures = app.groupFigures(g.band, g.gender);
        GroupMetricsRow row;
        row.group = g;
        row.values = figures.group;
        row.authors = static_cast<int>(figures.authors.size());
        row.spreadWithheld = row.authors < privacyThreshold;
        if (!row.spreadWithheld) add_spread(row, figures.authors);
        out.push_back(std::move(row));
    }
    return out;
}

std::vector<GroupMetricsRow> group_metrics_by_queries(Explorer& app, int privacyThreshold) {
    std::vector<GroupMetricsRow> out;
    for (const GroupKey& g : comparison_groups()) {
        if (g.all) continue;
        GroupMetricsRow row;
        row.group = g;
        app.ageOption_Click(g.band);
        app.genderOption_Click(g.gender);
        app.cmdAgeAndGender_Click();
        const auto group = group_captions(app.form1());
        for (std::size_t k = 0; k < 6; ++k) row.values[k] = *group[k];
        row.authors = app.form1().AgeTable.count();
        row.spreadWithheld = row.authors < privacyThreshold;
        if (!row.spreadWithheld) {
            std::vector<std::array<std::string, 6>> authors;
            for (int i = 0; i < row.authors; ++i) {
                app.selectAgeTable(i);
                app.cmdAuthorData_Click();
                const auto author = author_captions(app.form1());
                std::array<std::string, 6> c;
                for (std::size_t k = 0; k < 6; ++k) c[k] = *author[k];
                authors.push_back(std::move(c));
            }
            add_spread(row, authors);
        }
        out.push_back(std::move(row));
    }
    return out;
}

std::vector<GroupMetricsRow> group_metrics(const DataSet& data, int privacyThreshold) {
    Effects nowhere;
    Explorer app(data, nowhere);
    return group_metrics(app, privacyThreshold);
}

DataSet data_set_of(const Explorer& app) {
    DataSet d;
    const AuthorRegister& r = app.authors();
    for (std::size_t i = 0; i < r.size(); ++i) {
        d.authors.push_back({r.lstAuthorCode[i], r.lstAuthorName[i], r.lstAuthorAge[i],
                             r.lstAuthorGender[i], r.lstAuthorEducation[i],
                             r.lstAuthorNativeLanguage[i]});
    }
    for (std::size_t n = 0; n < app.form3().texts.size(); ++n) {
        d.corpus.push_back({app.form3().lstTextAuthors[n], app.form3().texts[n]});
    }
    d.glossary.forms = app.glossary().forms();
    d.glossary.interpretations = app.glossary().interpretations();
    d.variants = app.variantFamilies();
    return d;
}

} // namespace zapt
