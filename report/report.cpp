#include "report/report.h"

#include "app/corpus_source.h"

#include "app/explorer.h"
#include "corpus/text.h"
#include "variation/collocation_table.h"
#include "variation/compare.h"
#include "variation/group_index.h"
#include "variation/group_metrics.h"
#include "variation/result_table.h"
#include "variation/tables.h"

#include <optional>
#include <ostream>

namespace zapt::report {
namespace {

const std::string kHelpText = std::string(R"(Usage: zapt-report COMMAND [OPTIONS]

Prints one of the program's result tables on standard output. The first
lines start with "#" and state the program version, the corpus, the selection,
the counting rule and the table's settings; then a header row and the rows.

Commands:
  variants      the comparison of the groups for a variant family or a list
                of forms: one row per group (5 age bands x 2 genders, then the
                whole corpus as band "all", gender "all") and form, with the
                columns band,gender,form,count,words,per_10k,share,
                authors_using,authors; the "#" lines hold the significance tests
  spread        for the same rows, the share of the count from the group's
                top author (withheld below the privacy threshold of 3 authors)
  significance  chi-square, log-likelihood G2 and Kruskal-Wallis per form
  metrics       one row per group with the six figures of the group panel and
                their smallest and largest author value
  collocations  one row per occurrence of a form: word before, form, word after
  collocates    the words beside a form: left, right, corpus frequency, MI,
                logDice
  families      the sixteen variant families and their forms
  check         every problem of the corpus (--corpus) in one list

Options:
  --family NAME   a variant family by list name ("lstBack") or stem ("Back"),
                  without regard to case (variants, spread, significance)
  --forms LIST    an own list of forms instead, separated by commas or blanks
  --form FORM     the form of collocations and collocates
  --format FMT    csv (the default) or tsv
)") + kCorpusOptionsHelp + R"(  --version       print the program's version and exit
  -h, --help      show this help

CSV follows RFC 4180 with LF line ends; an empty cell is a value that is not
defined (a rate of a text without words, a share of a group without any form).
`check` reads the corpus and lists every problem it found, grouped by rule,
with the count, the first five places and what was done.
Exit status: 0 done, 1 the output not written, 2 a wrong command line or a
corpus that cannot be read.
)";
const char* const kHelp = kHelpText.c_str();

struct Options {
    std::string command;
    std::optional<std::string> family, forms, form;
    CorpusOptions corpus;
    TableFormat format = TableFormat::Csv;
    bool help = false;
    bool version = false;
};

struct UsageError {
    std::string message;
};

Options parse(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "-h" || arg == "--help") {
            o.help = true;
            continue;
        }
        if (arg == "--version") {
            o.version = true;
            continue;
        }
        if (arg.rfind("-", 0) != 0) {
            if (!o.command.empty()) throw UsageError{"unexpected argument '" + arg + "'"};
            o.command = arg;
            continue;
        }
        if (auto taken = take_corpus_option(args, i, o.corpus)) {
            if (!taken->empty()) throw UsageError{*taken};
            continue;
        }
        std::optional<std::string> value;
        if (auto eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        std::optional<std::string>* slot = arg == "--family"  ? &o.family
                                           : arg == "--forms" ? &o.forms
                                           : arg == "--form"  ? &o.form
                                                              : nullptr;
        if (!slot && arg != "--format") throw UsageError{"unknown option '" + arg + "'"};
        if (!value) {
            if (i + 1 >= args.size()) throw UsageError{"option '" + arg + "' needs a value"};
            value = args[++i];
        }
        if (slot) {
            *slot = *value;
        } else if (*value == "csv") {
            o.format = TableFormat::Csv;
        } else if (*value == "tsv") {
            o.format = TableFormat::Tsv;
        } else {
            throw UsageError{"unknown format '" + *value + "' (csv or tsv)"};
        }
    }
    return o;
}

// Command-line text is UTF-8, as the core holds it.
std::string typed(const std::string& utf8) {
    return utf8;
}

FormList forms_of(const Options& o, const Explorer& app) {
    if (o.family && o.forms) throw UsageError{"give either --family or --forms, not both"};
    if (o.forms) {
        FormList f = own_forms(typed(*o.forms));
        if (f.forms.empty()) throw UsageError{"--forms holds no form"};
        return f;
    }
    if (!o.family) throw UsageError{"'" + o.command + "' needs --family NAME or --forms LIST"};
    auto f = find_family(app, typed(*o.family));
    if (!f) {
        std::string names;
        for (const FamilyState& s : app.form1().families) names += " " + s.stem;
        throw UsageError{"unknown family '" + *o.family + "'; the families are:" + names};
    }
    return *f;
}

std::string form_of(const Options& o) {
    if (!o.form || o.form->empty()) throw UsageError{"'" + o.command + "' needs --form FORM"};
    return typed(*o.form);
}

ResultTable families_table(const Explorer& app) {
    ResultTable t;
    t.title = "Variant families";
    t.columns = {"list", "stem", "caption", "forms"};
    for (const FamilyState& f : app.form1().families) {
        const FormList forms = *find_family(app, f.listName);
        std::string joined;
        for (const std::string& w : forms.forms) joined += (joined.empty() ? "" : " ") + w;
        t.rows.push_back({f.listName, f.stem, forms.caption, joined});
    }
    return t;
}

} // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto usage = [&](const std::string& message) {
        err << "zapt-report: " << message << "\nTry 'zapt-report --help'.\n";
        return kUsage;
    };
    Options o;
    try {
        o = parse(args);
    } catch (const UsageError& e) {
        return usage(e.message);
    }
    if (o.help) {
        out << kHelp;
        return out.flush() ? kOk : kFailed;
    }
    if (o.version) {
        out << "zapt-report " << program_version() << '\n';
        return out.flush() ? kOk : kFailed;
    }
    static const char* const kCommands[] = {"variants",     "spread",     "significance", "metrics",
                                            "collocations", "collocates", "families",     "check"};
    if (o.command.empty()) return usage("no command given");
    if (std::find(std::begin(kCommands), std::end(kCommands), o.command) == std::end(kCommands)) {
        return usage("unknown command '" + o.command + "'");
    }

    LoadedCorpus loaded;
    try {
        loaded = load_corpus_source(o.corpus);
    } catch (const std::exception& e) {
        if (o.command == "check") out << "cannot be read: " << e.what() << "\n";
        err << "zapt-report: cannot read the corpus: " << e.what() << "\n";
        return kNoCorpus;
    }
    if (o.command == "check") {
        // Every problem of the corpus in one list (none for the built-in sample).
        out << format_report(loaded.report);
        if (loaded.report.problems().empty()) out << "no problems found\n";
        return out.flush() ? kOk : kFailed;
    }
    if (!loaded.report.problems().empty())
        err << "zapt-report: the corpus was read with problems (see zapt-report check):\n"
            << format_report(loaded.report);
    const std::string corpus_name = loaded.name;
    // What applies beyond the corpus and what its reading changed, in the header.
    std::vector<std::string> applied = applied_lists(loaded);
    for (std::string& n : load_notes(loaded.report)) applied.push_back(std::move(n));
    Effects nowhere;
    Explorer app(std::move(loaded.data), nowhere);

    ResultTable table;
    std::string selection = "all groups";
    try {
        if (o.command == "variants" || o.command == "spread" || o.command == "significance") {
            const FormList forms = forms_of(o, app);
            GroupIndex index(app.form3(), app.authors());
            Comparison c = compare_groups(index, forms);
            table = o.command == "variants" ? comparison_table(c)
                    : o.command == "spread" ? spread_table(c)
                                            : significance_table(c);
        } else if (o.command == "metrics") {
            table = group_metrics_table(group_metrics(app));
        } else if (o.command == "collocations" || o.command == "collocates") {
            CollocationTable c = collocation_table(app.form3(), form_of(o));
            table = o.command == "collocations" ? occurrences_table(c) : collocates_table(c);
            selection = "whole corpus";
        } else {
            table = families_table(app);
            selection = "none";
        }
    } catch (const UsageError& e) {
        return usage(e.message);
    }
    ExportHeader header = export_header(app, selection);
    header.corpus = corpus_name;
    header.notes = applied;
    out << write_export(table, o.format, header);
    out.flush();
    if (!out) {
        err << "zapt-report: cannot write the output\n";
        return kFailed;
    }
    return kOk;
}

} // namespace zapt::report
