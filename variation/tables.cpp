#include "variation/tables.h"

#include "corpus/numbers.h"
#include "corpus/text.h"

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

// The cells naming a group: its labels, or band and gender for a row made
// without them (by hand: every row the program makes has labels), named by
// the built-in bands.
std::vector<std::string> group_cells(const std::vector<std::string>& labels, const GroupKey& g) {
    if (!labels.empty()) return labels;
    return {band_label(AgeBands(), g), gender_label(g)};
}

bool query_groups(const std::vector<std::string>& columns) {
    return columns == std::vector<std::string>{"band", "gender"};
}

// The settings lines saying what the groups are, for any grouping but the
// query's groups over the whole corpus (whose tables stay as they were).
void add_grouping(ResultTable& t, const std::string& grouping,
                  const std::vector<std::string>& columns, int leftOut, bool subcorpus,
                  bool allRow = true) {
    if (query_groups(columns) && !subcorpus && leftOut == 0) return;
    t.settings.push_back({"groups", "the authors sharing a value of " + grouping +
                                        (subcorpus ? ", within the subcorpus" : "")});
    t.settings.push_back(
        {"left out", whole(leftOut) + " authors with texts have no value for a field"});
    if (subcorpus && allRow)
        t.settings.push_back(
            {"all", "every author of the subcorpus, their texts as the group text holds them"});
}

} // namespace

// ---- The comparison of groups ----

ResultTable comparison_table(const Comparison& c) {
    ResultTable t;
    t.title = "Compare groups: " + (c.forms.caption.empty() ? c.forms.name : c.forms.caption);
    t.columns = c.groupColumns;
    for (const char* col :
         {"form", "count", "words", "per_10k", "share", "authors_using", "authors"})
        t.columns.push_back(col);
    for (const GroupRow& row : c.rows) {
        for (const FormCell& cell : row.cells) {
            std::vector<std::string> cells = group_cells(row.labels, row.group);
            for (std::string v :
                 {cell.form, whole(cell.count), whole(row.words), fixed4(cell.per10k),
                  fixed4(cell.share), whole(cell.authorsUsing), whole(row.authors)})
                cells.push_back(std::move(v));
            t.rows.push_back(std::move(cells));
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
    add_grouping(t, c.grouping, c.groupColumns, c.leftOut, c.subcorpus);
    return t;
}

ResultTable spread_table(const Comparison& c) {
    ResultTable t;
    t.title = "Spread over authors: " + c.forms.name;
    t.columns = c.groupColumns;
    for (const char* col :
         {"form", "count", "authors_using", "top_author_share", "one_author_over_half", "note"})
        t.columns.push_back(col);
    for (const GroupRow& row : c.rows) {
        for (const FormCell& cell : row.cells) {
            const bool shown = cell.spread == SpreadStatus::Shown;
            std::vector<std::string> cells = group_cells(row.labels, row.group);
            for (std::string v :
                 {cell.form, whole(cell.count), whole(cell.authorsUsing),
                  shown ? fixed4(cell.topAuthorShare) : std::string(),
                  shown ? std::string(cell.oneAuthorOverHalf ? "yes" : "no") : std::string(),
                  std::string(spread_word(cell))})
                cells.push_back(std::move(v));
            t.rows.push_back(std::move(cells));
        }
    }
    t.settings = {{"family", c.forms.name},
                  {"top_author_share", "the count of the group's top author / the cell's count"},
                  {"privacy threshold", whole(c.privacyThreshold)}};
    add_grouping(t, c.grouping, c.groupColumns, c.leftOut, c.subcorpus);
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
    const bool query = query_groups(c.groupColumns) && !c.subcorpus;
    t.settings = {{"family", c.forms.name},
                  {"table", std::string(query ? "the ten groups" : "the groups") +
                                " (not the whole corpus) by the forms; empty rows and "
                                "columns left out"},
                  {"note", c.independenceNote}};
    add_grouping(t, c.grouping, c.groupColumns, c.leftOut, c.subcorpus);
    return t;
}

// ---- Collocations ----

ResultTable occurrences_table(const CollocationTable& c) {
    ResultTable t;
    t.title = "Collocations of " + c.form;
    t.columns = {"word_before", "form", "word_after"};
    for (const CollocationOccurrence& o : c.occurrences)
        t.rows.push_back({o.before, o.form, o.after});
    t.settings = {
        {"form", c.form},
        {"text", c.settings.withinText
                     ? "the cleaned corpus text; a neighbour in another text is left empty"
                     : "the cleaned corpus text; neighbours are taken across text "
                       "boundaries"}};
    return t;
}

ResultTable collocates_table(const CollocationTable& c) {
    ResultTable t;
    t.title = "Collocates of " + c.form;
    t.columns = {"word", "left", "right", "corpus_frequency", "mi", "log_dice", "ll", "t_score"};
    for (const Collocate& k : c.collocates) {
        t.rows.push_back({k.word, whole(k.left), whole(k.right), whole(k.corpusFrequency),
                          fixed4(k.mi), fixed4(k.logDice), fixed4(k.logLikelihood),
                          fixed4(k.tScore)});
    }
    const bool window = c.settings.span == kWindowCollocations.span &&
                        c.settings.minFrequency == kWindowCollocations.minFrequency &&
                        c.settings.withinText == kWindowCollocations.withinText;
    t.settings = {{"form", c.form},
                  {"form frequency", whole(c.formFrequency)},
                  {"corpus words", whole(c.corpusWords)}};
    if (!window) {
        t.settings.push_back({"span", whole(c.settings.span) + " words on either side"});
        t.settings.push_back({"minimum frequency", whole(c.settings.minFrequency)});
        t.settings.push_back(
            {"pairs", c.settings.withinText ? "inside one text only" : "across texts too"});
    }
    t.settings.push_back({"MI", std::string(window ? kMiFormula : kSpanMiFormula)});
    t.settings.push_back({"logDice", std::string(kLogDiceFormula)});
    t.settings.push_back({"ll", std::string(kLogLikelihoodFormula)});
    t.settings.push_back({"t_score", std::string(kTScoreFormula)});
    return t;
}

ResultTable collocate_measures_table(const CollocationTable& c) {
    ResultTable t;
    t.title = "Collocates of " + c.form;
    t.columns = {"word", "left",     "right",          "corpus_frequency",
                 "mi",   "log_dice", "log_likelihood", "t_score"};
    for (const Collocate& k : c.collocates) {
        t.rows.push_back({k.word, whole(k.left), whole(k.right), whole(k.corpusFrequency),
                          fixed4(k.mi), fixed4(k.logDice), fixed4(k.logLikelihood),
                          fixed4(k.tScore)});
    }
    t.settings = {{"form", c.form},
                  {"form frequency", whole(c.formFrequency)},
                  {"corpus words", whole(c.corpusWords)},
                  {"span", whole(c.settings.span) + " words on either side"},
                  {"minimum frequency", whole(c.settings.minFrequency)},
                  {"pairs", c.settings.withinText ? "inside one text only" : "across texts too"},
                  {"MI", std::string(kSpanMiFormula)},
                  {"logDice", std::string(kLogDiceFormula)},
                  {"log-likelihood", std::string(kLogLikelihoodFormula)},
                  {"t-score", std::string(kTScoreFormula)}};
    return t;
}

// ---- Author figures by group ----

ResultTable group_metrics_table(const std::vector<GroupMetricsRow>& rows, int privacyThreshold) {
    return group_metrics_table(rows, GroupBy{}, 0, false, privacyThreshold);
}

ResultTable group_metrics_table(const std::vector<GroupMetricsRow>& rows, const GroupBy& by,
                                int leftOut, bool subcorpus, int privacyThreshold) {
    ResultTable t;
    t.title = "Group averages by group";
    t.columns = by.columns();
    t.columns.push_back("authors");
    for (const GroupFigure& f : kGroupFigures) t.columns.push_back(f.column);
    for (const GroupFigure& f : kGroupFigures) {
        t.columns.push_back(std::string(f.column) + "_min");
        t.columns.push_back(std::string(f.column) + "_max");
    }
    for (const GroupMetricsRow& r : rows) {
        std::vector<std::string> cells = group_cells(r.labels, r.group);
        cells.push_back(whole(r.authors));
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
    add_grouping(t, by.caption(), by.columns(), leftOut, subcorpus, false);
    return t;
}

} // namespace zapt
