#include "app/window_tables.h"

#include "app/main_window_state.h"
#include "corpus/numbers.h"
#include "corpus/text.h"
#include "lookup/count_word.h"

namespace zapt {
namespace {

std::string whole(long long v) {
    return format_whole(v);
}

ResultTable caption_values(std::string title,
                           std::vector<std::pair<std::string, std::string>> rows) {
    ResultTable t;
    t.title = std::move(title);
    t.columns = {"caption", "value"};
    for (auto& [caption, value] : rows) t.rows.push_back({std::move(caption), std::move(value)});
    return t;
}

void add_selection(ResultTable& t, const MainWindowState& app) {
    const std::string group = shown_group(app);
    t.settings.push_back({"group", group.empty() ? "none" : group});
    const std::string& code = app.form1().AgeTable.text();
    t.settings.push_back({"author code", code.empty() ? "none" : code});
}

std::array<const std::string*, 6> group_panel_captions(const MainForm& f) {
    return {&f.NumOfGroupTexts,          &f.GroupAvTextLength,  &f.GroupAvNumOfCharacters,
            &f.GroupAvWordClusterLength, &f.GroupAvPuncDensity, &f.GroupNonStandardFormsDensity};
}

std::array<const std::string*, 6> author_panel_captions(const MainForm& f) {
    return {&f.lblTextTotal,           &f.lblAvTextLength, &f.lblNumOfCharacters,
            &f.lblAvWordClusterLength, &f.lblPuncDensity,  &f.lblNonStandardFormDensity};
}

} // namespace

ResultTable collocation_window_table(const MainWindowState& app) {
    ResultTable t;
    t.title = "Collocations for: " + app.form11().Label2;
    t.columns = {"before", "after"};
    for (const CollocationOccurrence& o :
         collocation_pairs(app.form11().Text1, app.form11().Label2)) {
        t.rows.push_back({o.before, o.after});
    }
    t.settings = {{"form", app.form11().Label2}};
    return t;
}

// ---- The main window and the corpus data window ----

ResultTable author_panel_table(const MainWindowState& app) {
    const MainForm& f = app.form1();
    ResultTable t = caption_values("INDIVIDUAL DATA",
                                   {{"Total Number of Texts:", f.lblTextTotal},
                                    {"Av. Text Length (words):", f.lblAvTextLength},
                                    {"Av. Text Length (No. of chars):", f.lblNumOfCharacters},
                                    {"Average word/cluster length:", f.lblAvWordClusterLength},
                                    {"Punctuation Density:", f.lblPuncDensity},
                                    {"Non-standard form density:", f.lblNonStandardFormDensity},
                                    {"Word Total for this author:", f.lblTotWords}});
    add_selection(t, app);
    return t;
}

ResultTable group_panel_table(const MainWindowState& app) {
    const MainForm& f = app.form1();
    const std::string* values[] = {&f.NumOfGroupTexts,        &f.GroupAvTextLength,
                                   &f.GroupAvNumOfCharacters, &f.GroupAvWordClusterLength,
                                   &f.GroupAvPuncDensity,     &f.GroupNonStandardFormsDensity};
    std::vector<std::pair<std::string, std::string>> rows;
    for (std::size_t k = 0; k < kGroupFigures.size(); ++k) {
        rows.push_back({kGroupFigures[k].heading, *values[k]});
    }
    ResultTable t = caption_values("Group averages/totals:", std::move(rows));
    t.settings.push_back({"group", shown_group(app).empty() ? "none" : shown_group(app)});
    return t;
}

ResultTable family_counts_table(const MainWindowState& app, std::size_t family) {
    ResultTable t;
    if (family >= app.form1().families.size()) return t;
    const FamilyState& f = app.form1().families[family];
    // One row that says on its own what its numbers are: which form, counted
    // where, for which author and group.
    t.title = f.listName;
    t.columns = {"family",       "form",        "author_code", "group",
                 "author_count", "group_count", "corpus_count"};
    const std::string group = shown_group(app);
    const std::string& code = app.form1().AgeTable.text();
    t.rows.push_back({f.listName, f.list.text(), code.empty() ? "none" : code,
                      group.empty() ? "none" : group, f.Individual, f.InGroup, f.InCorpus});
    t.settings.push_back({"family", f.listName});
    t.settings.push_back({"item", f.list.text().empty() ? "none" : f.list.text()});
    add_selection(t, app);
    return t;
}

ResultTable glossary_table(const MainWindowState& app) {
    ResultTable t;
    t.title = "Non-standard forms in corpus";
    t.columns = {"form", "interpretation", "corpus_count"};
    const Glossary& g = app.glossary();
    const WordIndex& index = app.store().cleanedIndex;
    const ListBox& forms = app.form1().lstNonStandardForms;
    for (std::size_t i = 0; i < forms.items.size(); ++i) {
        const std::string& form = forms.items[i];
        t.rows.push_back({form, g.interpretation(static_cast<int>(i)), whole(index.count(form))});
    }
    t.settings.push_back({"corpus words", whole(index.total())});
    return t;
}

ResultTable group_authors_table(const MainWindowState& app) {
    ResultTable t;
    t.title = "Authors of the group";
    t.columns = {"code", "education"};
    const MainForm& f = app.form1();
    for (std::size_t i = 0; i < f.AgeTable.items.size(); ++i) {
        t.rows.push_back(
            {f.AgeTable.items[i], i < f.lstEducation.items.size() ? f.lstEducation.items[i] : ""});
    }
    add_selection(t, app);
    return t;
}

ResultTable non_standards_table(const MainWindowState& app) {
    ResultTable t;
    t.title = "Non-standard forms of the author";
    t.columns = {"form", "interpretation", "corpus_count"};
    for (const std::string& use : app.form1().lstNonStandards.items) {
        const int row = app.glossary().row_for_use(use);
        t.rows.push_back({use, row >= 0 ? app.glossary().interpretation(row) : "",
                          whole(count_word(app.store().cleanedText, use))});
    }
    add_selection(t, app);
    t.settings.push_back({"corpus words", whole(word_total(app.store().cleanedText))});
    return t;
}

ResultTable cluster_table(const MainWindowState& app) {
    ResultTable t;
    t.title = "Punctuation clusters of the author";
    t.columns = {"cluster"};
    for (const std::string& c : app.form1().lstClusterPunc.items) t.rows.push_back({c});
    add_selection(t, app);
    return t;
}

ResultTable corpus_data_table(const MainWindowState& app) {
    const CorpusDataForm& f = app.form4();
    const std::string* counts[] = {&f.lblUnder18s, &f.lbl18To25, &f.lbl25To40, &f.lbl41To60,
                                   &f.lbl61Plus};
    std::vector<std::pair<std::string, std::string>> rows;
    const AgeBands& bands = app.corpus().bands();
    for (std::size_t i = 0; i < bands.size() && i < std::size(counts); ++i)
        rows.push_back({bands.caption(bands.bands()[i]), *counts[i]});
    rows.push_back({"Male", f.lblMale});
    rows.push_back({"Female", f.lblFemale});
    return caption_values("Corpus data", std::move(rows));
}

// ---- Export ----

std::string shown_group(const MainWindowState& app) {
    const MainForm& f = app.form1();
    if (f.AgeTable.count() == 0) {
        // An empty group: the options still name it once a query has run.
        if (!iequals(f.lblGoingGroup, "y")) return {};
        return group_label(app.corpus().bands(), {false, f.ageOption, f.genderOption});
    }
    const std::string& code = f.AgeTable.items.front();
    const AuthorRegister& r = app.authors();
    for (std::size_t j = 0; j < r.size(); ++j) {
        if (!iequals(r.codes[j], code)) continue;
        GroupKey g;
        const AgeBands& bands = app.corpus().bands();
        g.band = bands.query_band(read_age(r.ages[j])).value_or(AgeBand::Under18);
        g.gender = iequals(r.genders[j], "M") ? Gender::Male : Gender::Female;
        return group_label(bands, g);
    }
    return {};
}

std::string shown_selection(const MainWindowState& app) {
    const std::string group = shown_group(app);
    if (group.empty()) return {};
    const std::string& code = app.form1().AgeTable.text();
    return "group " + group + (code.empty() ? "" : ", author " + code);
}

ExportHeader export_header(const MainWindowState& app, std::string selection) {
    return export_header(app.corpus(), std::move(selection));
}

ExportHeader export_header(const Corpus& corpus, std::string selection) {
    ExportHeader h;
    h.corpus = corpus.source();
    h.corpusTexts = corpus.textCount();
    h.selection = std::move(selection);
    return h;
}

// ---- The main window state's data for the comparison of groups ----

std::optional<FormList> find_family(const MainWindowState& app, std::string_view name) {
    return find_family(app.variantFamilies(), name);
}

std::vector<GroupMetricsRow> group_metrics(const MainWindowState& app, int privacyThreshold) {
    return group_metrics(app.authorIndex(), app.corpus().bands(), privacyThreshold);
}

std::vector<GroupMetricsRow> group_metrics_by_queries(MainWindowState& app, int privacyThreshold) {
    std::vector<GroupMetricsRow> out;
    for (const GroupKey& g : comparison_groups(app.corpus().bands())) {
        if (g.all) continue;
        GroupMetricsRow row;
        row.group = g;
        row.labels = {band_label(app.corpus().bands(), g), gender_label(g)};
        app.ageOption_Click(g.band);
        app.genderOption_Click(g.gender);
        app.cmdAgeAndGender_Click();
        const auto group = group_panel_captions(app.form1());
        for (std::size_t k = 0; k < 6; ++k) row.values[k] = *group[k];
        row.authors = app.form1().AgeTable.count();
        row.spreadWithheld = row.authors < privacyThreshold;
        if (!row.spreadWithheld) {
            std::vector<std::array<std::string, 6>> authors;
            for (int i = 0; i < row.authors; ++i) {
                app.selectAgeTable(i);
                app.cmdAuthorData_Click();
                const auto author = author_panel_captions(app.form1());
                std::array<std::string, 6> c;
                for (std::size_t k = 0; k < 6; ++k) c[k] = *author[k];
                authors.push_back(std::move(c));
            }
            add_author_spread(row, authors);
        }
        out.push_back(std::move(row));
    }
    return out;
}

DataSet data_set_of(const MainWindowState& app) {
    DataSet d;
    const AuthorRegister& r = app.authors();
    for (std::size_t i = 0; i < r.size(); ++i) {
        d.authors.push_back({r.codes[i], r.names[i], r.ages[i], r.genders[i], r.educations[i],
                             r.nativeLanguages[i]});
    }
    for (std::size_t n = 0; n < app.store().texts.size(); ++n) {
        d.corpus.push_back({app.store().textNames[n], app.store().texts[n]});
    }
    d.glossary.forms = app.glossary().forms();
    d.glossary.interpretations = app.glossary().interpretations();
    d.variants = app.variantFamilies();
    return d;
}

} // namespace zapt
