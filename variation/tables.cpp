#include "variation/tables.h"

#include "corpus/numbers.h"
#include "corpus/text.h"
#include "lookup/count_word.h"

#include <charconv>

namespace zapt {
namespace {

std::string fixed4(double v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 4);
    return std::string(buf, res.ptr);
}

std::string fixed4(const std::optional<double>& v) {
    return v ? fixed4(*v) : std::string();
}

std::string whole(long long v) {
    return format_whole(v);
}

// "X2 = 12.3, df = 9, p = 0.2" or "no p-value: why".
std::string test_summary(const TestResult& t) {
    std::string s;
    if (t.statistic) {
        s = format_significant(*t.statistic) + ", df = " + whole(t.df);
        if (t.p) s += ", p = " + format_significant(*t.p);
    } else {
        s = "no p-value";
    }
    if (!t.note.empty()) s += " (" + t.note + ")";
    return s;
}

ResultTable caption_values(std::string title,
                           std::vector<std::pair<std::string, std::string>> rows) {
    ResultTable t;
    t.title = std::move(title);
    t.columns = {"caption", "value"};
    for (auto& [caption, value] : rows) t.rows.push_back({std::move(caption), std::move(value)});
    return t;
}

void add_selection(ResultTable& t, const Explorer& app) {
    const std::string group = shown_group(app);
    t.settings.push_back({"group", group.empty() ? "none" : group});
    const std::string& code = app.form1().AgeTable.text();
    t.settings.push_back({"author code", code.empty() ? "none" : code});
}

const char* spread_word(const FormCell& c) {
    switch (c.spread) {
    case SpreadStatus::Shown:
        return c.oneAuthorOverHalf ? "one author gives more than half" : "";
    case SpreadStatus::NoOccurrences:
        return "no occurrences";
    case SpreadStatus::Withheld:
        return "withheld: fewer authors than the privacy threshold";
    }
    return "";
}

} // namespace

// ---- The comparison of groups ----

ResultTable comparison_table(const Comparison& c) {
    ResultTable t;
    t.title = "Compare groups: " + (c.forms.caption.empty() ? c.forms.name : c.forms.caption);
    t.columns = {"band",    "gender", "form",          "count",  "words",
                 "per_10k", "share",  "authors_using", "authors"};
    for (const GroupRow& row : c.rows) {
        for (const FormCell& cell : row.cells) {
            t.rows.push_back({band_label(row.group), gender_label(row.group), cell.form,
                              whole(cell.count), whole(row.words), fixed4(cell.per10k),
                              fixed4(cell.share), whole(cell.authorsUsing), whole(row.authors)});
        }
    }
    std::string forms;
    for (const std::string& f : c.forms.forms) forms += (forms.empty() ? "" : " ") + f;
    t.settings = {
        {"family", c.forms.name},
        {"forms", forms},
        {"count", "occurrences in the group text (all: in the cleaned corpus text)"},
        {"words", "word total of that text; per_10k = count * 10000 / words"},
        {"share", "count / the sum of the counts of the distinct forms in that group; empty when "
                  "that sum is 0"},
        {"authors_using", "authors of the group whose texts hold the form"},
        {"privacy threshold",
         whole(c.privacyThreshold) + " authors: below it a cell withholds its spread over authors"},
        {"chi-square", test_summary(c.chiSquare)},
        {"log-likelihood G2", test_summary(c.logLikelihood)},
    };
    for (const TestResult& kw : c.kruskalWallis) t.settings.push_back({kw.name, test_summary(kw)});
    t.settings.push_back({"note", c.independenceNote});
    return t;
}

ResultTable spread_table(const Comparison& c) {
    ResultTable t;
    t.title = "Spread over authors: " + c.forms.name;
    t.columns = {"band",
                 "gender",
                 "form",
                 "count",
                 "authors_using",
                 "top_author_share",
                 "one_author_over_half",
                 "note"};
    for (const GroupRow& row : c.rows) {
        for (const FormCell& cell : row.cells) {
            const bool shown = cell.spread == SpreadStatus::Shown;
            t.rows.push_back(
                {band_label(row.group), gender_label(row.group), cell.form, whole(cell.count),
                 whole(cell.authorsUsing), shown ? fixed4(cell.topAuthorShare) : "",
                 shown ? (cell.oneAuthorOverHalf ? "yes" : "no") : "", spread_word(cell)});
        }
    }
    t.settings = {{"family", c.forms.name},
                  {"top_author_share", "the count of the group's top author / the cell's count"},
                  {"privacy threshold", whole(c.privacyThreshold)}};
    return t;
}

ResultTable significance_table(const Comparison& c) {
    ResultTable t;
    t.title = "Significance: " + c.forms.name;
    t.columns = {"test", "statistic", "df", "p", "note"};
    auto add = [&](const TestResult& r) {
        t.rows.push_back({r.name, r.statistic ? format_significant(*r.statistic) : "",
                          r.statistic ? whole(r.df) : "", r.p ? format_significant(*r.p) : "",
                          r.note});
    };
    add(c.chiSquare);
    add(c.logLikelihood);
    for (const TestResult& kw : c.kruskalWallis) add(kw);
    t.settings = {{"family", c.forms.name},
                  {"table", "the ten groups (not the whole corpus) by the forms; empty rows and "
                            "columns left out"},
                  {"note", c.independenceNote}};
    return t;
}

// ---- Collocations ----

ResultTable occurrences_table(const CollocationTable& c) {
    ResultTable t;
    t.title = "Collocations of " + c.form;
    t.columns = {"word_before", "form", "word_after"};
    for (const CollocationOccurrence& o : c.occurrences)
        t.rows.push_back({o.before, o.form, o.after});
    t.settings = {{"form", c.form},
                  {"text", "the cleaned corpus text; neighbours are taken across text boundaries"}};
    return t;
}

ResultTable collocates_table(const CollocationTable& c) {
    ResultTable t;
    t.title = "Collocates of " + c.form;
    t.columns = {"word", "left", "right", "corpus_frequency", "mi", "log_dice"};
    for (const Collocate& k : c.collocates) {
        t.rows.push_back({k.word, whole(k.left), whole(k.right), whole(k.corpusFrequency),
                          fixed4(k.mi), fixed4(k.logDice)});
    }
    t.settings = {{"form", c.form},
                  {"form frequency", whole(c.formFrequency)},
                  {"corpus words", whole(c.corpusWords)},
                  {"MI", std::string(kMiFormula)},
                  {"logDice", std::string(kLogDiceFormula)}};
    return t;
}

ResultTable collocation_window_table(const Explorer& app) {
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

// ---- Author figures by group ----

ResultTable group_metrics_table(const std::vector<GroupMetricsRow>& rows, int privacyThreshold) {
    ResultTable t;
    t.title = "Group averages by group";
    t.columns = {"band", "gender", "authors"};
    for (const GroupFigure& f : kGroupFigures) t.columns.push_back(f.column);
    for (const GroupFigure& f : kGroupFigures) {
        t.columns.push_back(std::string(f.column) + "_min");
        t.columns.push_back(std::string(f.column) + "_max");
    }
    for (const GroupMetricsRow& r : rows) {
        std::vector<std::string> cells = {band_label(r.group), gender_label(r.group),
                                          whole(r.authors)};
        for (const std::string& v : r.values) cells.push_back(v);
        for (std::size_t k = 0; k < 6; ++k) {
            cells.push_back(r.spreadWithheld ? "" : r.min[k]);
            cells.push_back(r.spreadWithheld ? "" : r.max[k]);
        }
        t.rows.push_back(std::move(cells));
    }
    std::string headings;
    for (const GroupFigure& f : kGroupFigures) {
        headings += (headings.empty() ? "" : "; ") + std::string(f.column) + " = " + f.heading;
    }
    t.settings = {{"values", "the group panel after that group's query"},
                  {"columns", headings},
                  {"min, max", "the smallest and largest value among the group's authors, as "
                               "the author panel shows it"},
                  {"privacy threshold",
                   whole(privacyThreshold) + " authors: smaller groups withhold min and max"}};
    return t;
}

// ---- The main window and the corpus data window ----

ResultTable author_panel_table(const Explorer& app) {
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

ResultTable group_panel_table(const Explorer& app) {
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

ResultTable family_counts_table(const Explorer& app, std::size_t family) {
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

ResultTable glossary_table(const Explorer& app) {
    ResultTable t;
    t.title = "Non-standard forms in corpus";
    t.columns = {"form", "interpretation", "corpus_count"};
    const Glossary& g = app.glossary();
    const WordIndex& index = app.form3().text2Index;
    const ListBox& forms = app.form1().lstNonStandardForms;
    for (std::size_t i = 0; i < forms.items.size(); ++i) {
        const std::string& form = forms.items[i];
        t.rows.push_back({form, g.interpretation(static_cast<int>(i)), whole(index.count(form))});
    }
    t.settings.push_back({"corpus words", whole(index.total())});
    return t;
}

ResultTable group_authors_table(const Explorer& app) {
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

ResultTable non_standards_table(const Explorer& app) {
    ResultTable t;
    t.title = "Non-standard forms of the author";
    t.columns = {"form", "interpretation", "corpus_count"};
    for (const std::string& use : app.form1().lstNonStandards.items) {
        const int row = app.glossary().row_for_use(use);
        t.rows.push_back({use, row >= 0 ? app.glossary().interpretation(row) : "",
                          whole(count_word(app.form3().Text2, use))});
    }
    add_selection(t, app);
    t.settings.push_back({"corpus words", whole(word_total(app.form3().Text2))});
    return t;
}

ResultTable cluster_table(const Explorer& app) {
    ResultTable t;
    t.title = "Punctuation clusters of the author";
    t.columns = {"cluster"};
    for (const std::string& c : app.form1().lstClusterPunc.items) t.rows.push_back({c});
    add_selection(t, app);
    return t;
}

ResultTable corpus_data_table(const Explorer& app) {
    const CorpusDataForm& f = app.form4();
    const std::string* counts[] = {&f.lblUnder18s, &f.lbl18To25, &f.lbl25To40, &f.lbl41To60,
                                   &f.lbl61Plus};
    std::vector<std::pair<std::string, std::string>> rows;
    const std::vector<AgeBand>& bands = age_bands();
    for (std::size_t i = 0; i < bands.size() && i < std::size(counts); ++i)
        rows.push_back({band_caption(bands[i]), *counts[i]});
    rows.push_back({"Male", f.lblMale});
    rows.push_back({"Female", f.lblFemale});
    return caption_values("Corpus data", std::move(rows));
}

// ---- Export ----

std::string shown_group(const Explorer& app) {
    const MainForm& f = app.form1();
    if (f.AgeTable.count() == 0) {
        // An empty group: the options still name it once a query has run.
        if (!iequals(f.lblGoingGroup, "y")) return {};
        return group_label({false, f.ageOption, f.genderOption});
    }
    const std::string& code = f.AgeTable.items.front();
    const AuthorRegister& r = app.authors();
    for (std::size_t j = 0; j < r.size(); ++j) {
        if (!iequals(r.lstAuthorCode[j], code)) continue;
        GroupKey g;
        g.band = query_band(read_age(r.lstAuthorAge[j])).value_or(AgeBand::Under18);
        g.gender = iequals(r.lstAuthorGender[j], "M") ? Gender::Male : Gender::Female;
        return group_label(g);
    }
    return {};
}

std::string shown_selection(const Explorer& app) {
    const std::string group = shown_group(app);
    if (group.empty()) return {};
    const std::string& code = app.form1().AgeTable.text();
    return "group " + group + (code.empty() ? "" : ", author " + code);
}

ExportHeader export_header(const Explorer& app, std::string selection) {
    ExportHeader h;
    h.corpusTexts = app.form3().corpusTextCount();
    h.selection = std::move(selection);
    return h;
}

} // namespace zapt
