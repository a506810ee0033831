// zapt-report lexicon: the proposals of the corpus's own lexicon, one row per
// form outside the standard dictionary seen at least --min-count times.
#include "report/report.h"

#include "app/corpus_source.h"
#include "corpus/author_register.h"
#include "corpus/corpus_store.h"
#include "explore/form_index.h"
#include "explore/tables.h"
#include "lexicon/lexicon.h"
#include "lexicon/lexicon_file.h"
#include "lexicon/proposal.h"
#include "results/result_table.h"

#include <charconv>
#include <optional>
#include <ostream>

namespace zapt::report {
namespace {

const std::string kLexiconHelp = std::string(R"(Usage: zapt-report lexicon [OPTIONS]

Prints the proposals of the corpus's own lexicon: every form outside the
standard dictionary seen at least K times, by count descending, with the
columns form,count,authors_using,kind,candidate_1,score_1,...,candidate_5,
score_5,status. kind is variant, particle, laughter, emoticon, number,
placeholder, name, other-language or unresolved; the candidates (the likeliest
standard words the form stands for, each with a score from 0 to 1) are given
for variants only, best first. status is proposed, accepted or rejected.

Options:
  --min-count K       forms seen at least K times (default 2)
  --dictionary D      the standard dictionary: british (the default, Debian's
                      wbritish), american (wamerican) or the path of a word
                      list, one word a line
  --lexicon FILE      a saved lexicon (NAME.json or its NAME.csv table): its
                      decisions are shown (an accepted variant's
                      interpretation as candidate_1)
  --format FMT        csv (the default) or tsv
)") + kCorpusOptionsHelp + R"(  -h, --help          show this help
)";

struct LexiconOptions {
    std::optional<std::string> minCount, dictionary, lexicon;
    TableFormat format = TableFormat::Csv;
    CorpusOptions corpus;
    bool help = false;
};

struct Wrong {
    std::string message;
};

// The options of every command that take a value, so that a value is never
// taken for the command.
bool takes_value(const std::string& arg) {
    static const char* const kValued[] = {
        "--family",  "--forms",       "--form",   "--pattern",    "--code",
        "--context", "--min-authors", "--sort",   "--dictionary", "--group-by",
        "--where",   "--against",     "--format", "--min-count",  "--lexicon"};
    for (const char* v : kValued) {
        if (arg == v) return true;
    }
    return false;
}

std::string command_of(const std::vector<std::string>& args) {
    CorpusOptions ignored;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (take_corpus_option(args, i, ignored)) continue;
        if (a.rfind("-", 0) != 0) return a;
        if (a.find('=') == std::string::npos && takes_value(a)) ++i;
    }
    return {};
}

LexiconOptions parse(const std::vector<std::string>& args) {
    LexiconOptions o;
    bool command = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "-h" || arg == "--help") {
            o.help = true;
            continue;
        }
        if (arg.rfind("-", 0) != 0) {
            if (arg != "lexicon" || command) throw Wrong{"unexpected argument '" + arg + "'"};
            command = true;
            continue;
        }
        if (auto taken = take_corpus_option(args, i, o.corpus)) {
            if (!taken->empty()) throw Wrong{*taken};
            continue;
        }
        std::optional<std::string> value;
        if (auto eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        std::optional<std::string>* slot = arg == "--min-count"    ? &o.minCount
                                           : arg == "--dictionary" ? &o.dictionary
                                           : arg == "--lexicon"    ? &o.lexicon
                                                                   : nullptr;
        if (!slot && arg != "--format") throw Wrong{"'lexicon' takes no option '" + arg + "'"};
        if (!value) {
            if (i + 1 >= args.size()) throw Wrong{"option '" + arg + "' needs a value"};
            value = args[++i];
        }
        if (slot) {
            *slot = *value;
        } else if (*value == "csv") {
            o.format = TableFormat::Csv;
        } else if (*value == "tsv") {
            o.format = TableFormat::Tsv;
        } else {
            throw Wrong{"unknown format '" + *value + "' (csv or tsv)"};
        }
    }
    return o;
}

std::uint64_t min_count(const std::optional<std::string>& value) {
    if (!value) return kDefaultMinCount;
    std::uint64_t n = 0;
    const char* end = value->data() + value->size();
    const auto res = std::from_chars(value->data(), end, n);
    if (value->empty() || res.ec != std::errc() || res.ptr != end || n < 1)
        throw Wrong{"--min-count takes a whole number of 1 or more, not '" + *value + "'"};
    return n;
}

std::string score_cell(double score) {
    return full_precision(score);
}

ResultTable lexicon_table(const Lexicon& lexicon) {
    ResultTable t;
    t.title = "Lexicon proposals";
    t.columns = {"form", "count", "authors_using", "kind"};
    for (int k = 1; k <= 5; ++k) {
        t.columns.push_back("candidate_" + std::to_string(k));
        t.columns.push_back("score_" + std::to_string(k));
    }
    t.columns.push_back("status");
    for (std::size_t i = 0; i < lexicon.size(); ++i) {
        const LexiconEntry& e = lexicon.entry(i);
        const Decision& d = e.decision;
        std::vector<std::string> row = {e.proposal.shown, std::to_string(e.proposal.count),
                                        std::to_string(e.proposal.authors), kind_name(d.kind)};
        std::vector<std::pair<std::string, std::string>> cells;
        if (d.kind == LexKind::Variant) {
            if (!d.interpretation.empty()) {
                std::string score;
                for (const Candidate& c : e.proposal.candidates) {
                    if (c.text == d.interpretation) score = score_cell(c.score);
                }
                cells.emplace_back(d.interpretation, score);
            }
            for (const Candidate& c : e.proposal.candidates) {
                if (cells.size() < 5 && c.text != d.interpretation)
                    cells.emplace_back(c.text, score_cell(c.score));
            }
        }
        for (std::size_t k = 0; k < 5; ++k) {
            row.push_back(k < cells.size() ? cells[k].first : "");
            row.push_back(k < cells.size() ? cells[k].second : "");
        }
        row.push_back(status_name(d.status));
        t.rows.push_back(std::move(row));
    }
    return t;
}

} // namespace

std::optional<int> run_lexicon_command(const std::vector<std::string>& args, std::ostream& out,
                                       std::ostream& err) {
    if (command_of(args) != "lexicon") return std::nullopt;
    auto usage = [&](const std::string& message) {
        err << "zapt-report: " << message << "\nTry 'zapt-report lexicon --help'.\n";
        return kUsage;
    };
    LexiconOptions o;
    ProposalSettings settings;
    try {
        o = parse(args);
        settings.minCount = min_count(o.minCount);
    } catch (const Wrong& w) {
        return usage(w.message);
    }
    // --lexicon is read as a corpus option first: a saved lexicon is both the
    // lexicon in force and the decisions shown ("british" has no decisions).
    if (!o.lexicon && !o.corpus.lexicon.empty() && o.corpus.lexicon != kBritishLexicon)
        o.lexicon = o.corpus.lexicon;
    if (o.help) {
        out << kLexiconHelp;
        return out.flush() ? kOk : kFailed;
    }
    const std::string choice = o.dictionary.value_or("british");
    const StandardDictionary dictionary = StandardDictionary::choose(choice);
    if (!dictionary.available()) {
        return usage("the standard dictionary '" + choice + "' cannot be read" +
                     (choice == "british"    ? " (Debian's wbritish package installs it)"
                      : choice == "american" ? " (Debian's wamerican package installs it)"
                                             : ""));
    }
    std::optional<LexiconFile> file;
    if (o.lexicon) {
        try {
            file = read_lexicon_file(*o.lexicon);
        } catch (const DataError& e) {
            err << "zapt-report: cannot read the lexicon: " << e.what() << "\n";
            return kNoCorpus;
        }
    }
    std::shared_ptr<const Corpus> loaded;
    try {
        loaded = load_corpus_source(o.corpus, {}, AuthorIndexWhen::WhenAsked);
    } catch (const std::exception& e) {
        err << "zapt-report: cannot read the corpus: " << e.what() << "\n";
        return kNoCorpus;
    }
    if (!loaded->report().problems().empty())
        err << "zapt-report: the corpus was read with problems (see zapt-report check):\n"
            << format_report(loaded->report());
    const CorpusStore& store = loaded->store();
    const FormIndex& index = loaded->forms();
    Proposer proposer(index, dictionary, &store);
    Lexicon lexicon(proposer.propose_all(settings), "proposals");
    if (file) apply_lexicon_file(lexicon, *file);

    ResultTable table = lexicon_table(lexicon);
    table.settings = {{"minimum count", std::to_string(settings.minCount)},
                      {"standard dictionary", dictionary.name() + " (" + dictionary.path() + ")"},
                      {"unresolved below score", full_precision(settings.threshold)},
                      {"decisions", o.lexicon ? *o.lexicon : "none"}};
    ExportHeader header;
    header.corpus = loaded->source();
    header.corpusTexts = store.corpusTextCount();
    header.selection = "whole corpus";
    header.notes.push_back(lexicon.caption());
    for (std::string& n : load_notes(loaded->report())) header.notes.push_back(std::move(n));
    out << write_export(table, o.format, header);
    out.flush();
    if (!out) {
        err << "zapt-report: cannot write the output\n";
        return kFailed;
    }
    return kOk;
}

} // namespace zapt::report
