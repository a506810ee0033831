#include "report/report.h"

#include "app/corpus_source.h"

#include "app/main_window_state.h"
#include "corpus/text.h"
#include "explore/collocates.h"
#include "explore/tables.h"
#include "results/result_table.h"
#include "selection/age_band.h"
#include "selection/subcorpus.h"
#include "variation/collocation_table.h"
#include "variation/compare.h"
#include "variation/group_index.h"
#include "variation/group_metrics.h"
#include "variation/tables.h"

#include <charconv>
#include <memory>
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
                (variants, spread, significance and metrics take --group-by
                and --where: the groups of other fields, of a subcorpus)
  collocations  one row per occurrence of a form: word before, form, word after
  collocates    the words beside a form: word,left,right,corpus_frequency,mi,
                log_dice,ll,t_score (ll and t_score signed: negative where
                the word stands beside the form less often than expected)
  families      the sixteen variant families and their forms
  check         every problem of the corpus (--corpus) in one list
  wordlist      every form of subcorpus A (or of one author, --code) with
                form,count,per_10k,texts,authors_using,dp,top_author_share,
                interpretation, by count descending then form
  keywords      the forms of A against B (--against, or --reference; absent:
                the rest of the corpus): form,count_a,count_b,per_10k_a,
                per_10k_b,g2,log_ratio,pct_diff,authors_a,authors_b,side,
                top_author_share, a row only when at least --min-authors
                authors of the side where the form's rate is higher use it;
                g2 is signed (negative where B's rate is higher), rows by
                signed g2 descending: A's keywords first
  concordance   the lines of a form (--form) or pattern (--pattern) within
                their texts: code,left,hit,right in corpus order (with
                --fields, the authors' values after code); a line never
                shows more than half of its text's pieces
  authors       per author of A and form (--family or --forms): code, the
                register's fields and metadata columns, form,count,words,
                share (of the author's count of all the forms)
  lexicon       the proposals of the corpus's own lexicon for the forms outside
                the standard dictionary (see zapt-report lexicon --help)

Options:
  --family NAME   a variant family by list name ("lstBack") or stem ("Back"),
                  without regard to case (variants, spread, significance)
  --forms LIST    an own list of forms instead, separated by commas or blanks
  --form FORM     the form of collocations and collocates
  --format FMT    csv (the default) or tsv
  --group-by FIELD[,FIELD]
                  variants, spread, significance, metrics: the groups are the
                  authors sharing a value of FIELD (age band, gender,
                  education, native language or a metadata column), or of two
                  fields crossed; the group columns are named after them.
                  Authors without a value are in no group (the "#" lines say
                  how many). Absent: age band x gender (band,gender)
  --where FIELD=VALUE[,VALUE...]
                  subcorpus A of wordlist, keywords, concordance and authors,
                  the texts whose collocates are counted (collocates: over
                  the pieces of the exploring tools, inside each text, N and
                  F those of the subcorpus's texts),
                  and the authors the groups of variants, spread,
                  significance and metrics are made of:
                  authors whose FIELD (age, gender, education, native
                  language, code or a metadata column of the corpus) holds one
                  of the values; repeatable, all must hold. An age is a number
                  or a range (age=16-25: the age, or the whole of the age
                  range, lies inside). A text field of a table (a value per
                  text: an id, a date) chooses texts instead, for wordlist,
                  keywords, concordance, collocates and authors: the texts
                  whose own value is one of the values, or lies in a range
                  FROM..TO of numbers or of ISO dates (YYYY-MM-DD), the
                  authors being those with a text chosen; variants, spread,
                  significance and metrics refuse it. Absent: the whole corpus
  --against FIELD=VALUE[,VALUE...]
                  subcorpus B of keywords, in the same way; absent: the rest
                  of the corpus
  --reference PATH
                  keywords: B is a second corpus, a folder or a table read as
                  --corpus reads one, or "built-in" for the built-in sample
                  (a file of that name: ./built-in); forms are matched by
                  their folded form. Not with --against
  --reference-bands LIST
                  the reference corpus's age bands, read as --bands reads
                  them (B is the whole reference corpus)
  --min-authors K the keywords' author floor (default 3); wordlist: only forms
                  used by at least K authors (default 0)
  --min-count K   wordlist: only forms counted at least K times; keywords:
                  only forms counted at least K times on their side
  --stoplist FILE wordlist, keywords: leave out the forms of FILE (UTF-8, one
                  form a line, lines starting with "# " skipped), compared
                  without regard to case
  --no-numbers    wordlist, keywords: leave out numbers (digits, with at most
                  a currency sign before or % after) and placeholders of
                  anonymised corpora (<#>, <DECIMAL>, <EMAIL>, <URL>...)
  --emoticons FILE
                  wordlist, keywords, concordance, authors and collocates
                  with --where: the emoticons that are pieces of their own
                  (one a line, lines starting with "# " skipped) instead of
                  the built-in list; "none" for no emoticons
  --code CODE     wordlist: the forms of one author code
  --pattern P     wordlist: only the forms (or phrases) matching P;
                  concordance: the lines of P. "*" any characters, "?" one
                  character (a grapheme cluster), "re:EXPR" a regular
                  expression (RE2) over the whole folded form; blanks separate
                  a phrase's words
  --context N     concordance: pieces each side, 1 to 5 (default 3)
  --sort ORDER    concordance: corpus (default), left or right (the words on
                  that side, nearest first), left1, left2, right1 or right2
                  (the first or second word on that side alone)
  --fields FIELD[,FIELD...]
                  concordance: one column per field after code, named after
                  it (band, gender, education, native_language or a metadata
                  column; the names --group-by takes), with the author's value
  --tally         concordance with --fields: instead of the lines, the hits
                  per group of the fields' values: lines,hits,authors
  --span N        collocates: words on either side, 1 to 5 (default 1)
  --min-freq K    collocates: only words seen beside the form K times or more
  --within-texts  collocates: pairs inside one text only (always so with
                  --where)
  --glossary-only wordlist: the glossary's forms only
  --non-standard  wordlist: only forms in no standard dictionary (the word list
                  /usr/share/dict/british-english and the words of the
                  glossary's interpretations) and not in the glossary
  --dictionary FILE  the word list of --non-standard instead of that one
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
    std::optional<std::string> pattern, code, context, minAuthors, sort, dictionary, groupBy;
    std::optional<std::string> minCount, stoplist, emoticons, reference, referenceBands, fields,
        span, minFreq;
    std::vector<std::string> where, against;
    bool glossaryOnly = false, nonStandard = false;
    bool noNumbers = false, withinTexts = false, tally = false;
    CorpusOptions corpus;
    TableFormat format = TableFormat::Csv;
    bool help = false;
    bool version = false;
};

struct UsageError {
    std::string message;
};

// A command line that is right but asks for a table that cannot be made (a
// side of the keywords without words, a reference corpus that cannot be read).
struct NoTable {
    std::string message;
};

Options parse(const std::vector<std::string>& args) {
    Options o;
    // A corpus of the user's own is kept compiled in the cache folder
    // (--compile: beside it; --no-cache: nowhere).
    o.corpus.compiled = CompiledPlace::Cache;
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
        if (arg == "--glossary-only" || arg == "--non-standard") {
            (arg == "--glossary-only" ? o.glossaryOnly : o.nonStandard) = true;
            continue;
        }
        if (arg == "--no-numbers" || arg == "--within-texts" || arg == "--tally") {
            (arg == "--no-numbers" ? o.noNumbers
             : arg == "--tally"    ? o.tally
                                   : o.withinTexts) = true;
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
        std::optional<std::string>* slot = arg == "--family"            ? &o.family
                                           : arg == "--forms"           ? &o.forms
                                           : arg == "--form"            ? &o.form
                                           : arg == "--pattern"         ? &o.pattern
                                           : arg == "--code"            ? &o.code
                                           : arg == "--context"         ? &o.context
                                           : arg == "--min-authors"     ? &o.minAuthors
                                           : arg == "--sort"            ? &o.sort
                                           : arg == "--dictionary"      ? &o.dictionary
                                           : arg == "--group-by"        ? &o.groupBy
                                           : arg == "--min-count"       ? &o.minCount
                                           : arg == "--stoplist"        ? &o.stoplist
                                           : arg == "--emoticons"       ? &o.emoticons
                                           : arg == "--reference"       ? &o.reference
                                           : arg == "--reference-bands" ? &o.referenceBands
                                           : arg == "--fields"          ? &o.fields
                                           : arg == "--span"            ? &o.span
                                           : arg == "--min-freq"        ? &o.minFreq
                                                                        : nullptr;
        std::vector<std::string>* list = arg == "--where"     ? &o.where
                                         : arg == "--against" ? &o.against
                                                              : nullptr;
        if (!slot && !list && arg != "--format") throw UsageError{"unknown option '" + arg + "'"};
        if (!value) {
            if (i + 1 >= args.size()) throw UsageError{"option '" + arg + "' needs a value"};
            value = args[++i];
        }
        if (list) {
            list->push_back(*value);
        } else if (slot) {
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

FormList forms_of(const Options& o, const Corpus& corpus) {
    if (o.family && o.forms) throw UsageError{"give either --family or --forms, not both"};
    if (o.forms) {
        FormList f = own_forms(typed(*o.forms));
        if (f.forms.empty()) throw UsageError{"--forms holds no form"};
        return f;
    }
    if (!o.family) throw UsageError{"'" + o.command + "' needs --family NAME or --forms LIST"};
    auto f = find_family(corpus.families(), typed(*o.family));
    if (!f) {
        std::string names;
        for (const VariantFamily& s : corpus.families()) names += " " + s.stem;
        throw UsageError{"unknown family '" + *o.family + "'; the families are:" + names};
    }
    return *f;
}

std::string form_of(const Options& o) {
    if (!o.form || o.form->empty()) throw UsageError{"'" + o.command + "' needs --form FORM"};
    return typed(*o.form);
}

// A whole number option within [lo, hi].
int number_option(const std::optional<std::string>& value, const char* name, int fallback, int lo,
                  int hi) {
    if (!value) return fallback;
    int n = 0;
    const char* end = value->data() + value->size();
    const auto res = std::from_chars(value->data(), end, n);
    if (value->empty() || res.ec != std::errc() || res.ptr != end || n < lo || n > hi) {
        throw UsageError{std::string(name) + " takes a whole number from " + std::to_string(lo) +
                         " to " + std::to_string(hi) + ", not '" + *value + "'"};
    }
    return n;
}

Subcorpus subcorpus_of(const std::vector<std::string>& conditions, const AuthorFields& fields,
                       const char* option) {
    Subcorpus s;
    for (const std::string& text : conditions) {
        std::string error;
        std::optional<SubcorpusCondition> c = parse_condition(text, fields, &error);
        if (!c) throw UsageError{std::string(option) + ": " + error};
        s.conditions.push_back(std::move(*c));
    }
    s.name = s.describe();
    return s;
}

// What the exploring commands need beyond the corpus: its author fields, and
// the form index of the emoticons asked for.
struct Exploring {
    AuthorFields fields;
    // The corpus's own form index (mapped from a compiled corpus) for the
    // built-in emoticons; one made for the command for other emoticons.
    const FormIndex* forms = nullptr;
    std::optional<FormIndex> own;
    const FormIndex& index() const { return *forms; }
};

// The emoticons of --emoticons: the built-in list, none, or a file's.
EmoticonList emoticons_of(const Options& o) {
    if (!o.emoticons) return EmoticonList::builtin();
    if (*o.emoticons == "none") return {};
    std::string error;
    std::optional<EmoticonList> list = EmoticonList::read_file(*o.emoticons, &error);
    if (!list) throw UsageError{"--emoticons: " + error};
    return std::move(*list);
}

// The forms --no-numbers and --stoplist leave out.
FormFilter filter_of(const Options& o) {
    FormFilter f;
    f.noNumbers = o.noNumbers;
    if (o.stoplist) {
        std::string error;
        std::optional<StopList> list = read_stop_list(*o.stoplist, &error);
        if (!list) throw UsageError{"--stoplist: " + error};
        f.stopList = std::move(*list);
    }
    return f;
}

// A second corpus, B of the keywords: read as --corpus reads one.
struct Reference {
    LoadedCorpus loaded;
    CorpusStore store;
    AuthorRegister authors;
    FormIndex index;
};

std::unique_ptr<Reference> load_reference(const Options& o, const EmoticonList& emoticons,
                                          std::ostream& err) {
    if (o.reference->empty()) throw UsageError{"--reference needs a folder, a table or built-in"};
    CorpusOptions c;
    c.path = *o.reference == "built-in" ? std::string() : *o.reference;
    if (o.referenceBands) {
        std::string error;
        if (!parse_bands(*o.referenceBands, &error))
            throw UsageError{"--reference-bands: " + error};
        c.bands = *o.referenceBands;
    }
    auto r = std::make_unique<Reference>();
    try {
        // Read alone: the bands in force stay the corpus's own.
        r->loaded = read_corpus_source(c);
    } catch (const std::exception& e) {
        throw NoTable{"cannot read the reference corpus: " + std::string(e.what())};
    }
    if (!r->loaded.report.problems().empty()) {
        err << "zapt-report: the reference corpus was read with problems:\n"
            << format_report(r->loaded.report);
    }
    r->store = build_corpus_store(r->loaded.data.corpus, r->loaded.data.authors);
    r->authors = build_author_register(r->loaded.data.authors);
    r->index = FormIndex(r->store, r->authors, emoticons);
    return r;
}

// A whole number option from 0 on.
std::uint64_t floor_option(const std::optional<std::string>& value, const char* name) {
    return static_cast<std::uint64_t>(number_option(value, name, 0, 0, 1000000000));
}

// zapt-report wordlist: of the subcorpus, or of one author's texts in it.
ResultTable wordlist_command(const Options& o, const Corpus& corpus, Exploring& x,
                             const Subcorpus& a, const Scope& scopeA, std::string& selection) {
    Scope scope = scopeA;
    if (o.code) {
        const long long c = corpus.store().codes.find(*o.code);
        if (c < 0) throw UsageError{"no author has the code '" + *o.code + "'"};
        std::vector<std::size_t> ofCode;
        const auto k = static_cast<std::size_t>(c);
        for (std::uint32_t i = corpus.store().codeRowsFrom[k];
             i < corpus.store().codeRowsFrom[k + 1]; ++i) {
            const auto row = static_cast<std::size_t>(corpus.store().codeRows[i]);
            if (a.holds(x.fields, row)) ofCode.push_back(row);
        }
        scope = texts_scope(x.index(), rows_scope(x.index(), ofCode, "author " + *o.code),
                            scopeA.texts);
        selection = "author " + *o.code + (a.whole() ? "" : " within " + a.describe());
    }
    WordListOptions options;
    options.pattern = o.pattern.value_or("");
    options.glossaryOnly = o.glossaryOnly;
    options.notInDictionary = o.nonStandard;
    options.minCount = floor_option(o.minCount, "--min-count");
    options.minAuthors = static_cast<std::uint32_t>(floor_option(o.minAuthors, "--min-authors"));
    options.filter = filter_of(o);
    const GlossaryForms glossary(corpus.glossary());
    StandardWords dictionary;
    if (o.nonStandard) {
        dictionary = load_standard_words(o.dictionary.value_or(kStandardWordList), glossary);
    }
    const WordList list = word_list(x.index(), scope, glossary, &dictionary, options);
    if (!list.error.empty()) throw UsageError{list.error};
    return word_list_table(list, scope.name, options);
}

// zapt-report keywords: of the subcorpus against another, the rest of the
// corpus or a reference corpus.
ResultTable keywords_command(const Options& o, Exploring& x, const Scope& scopeA,
                             std::string& selection, std::ostream& err) {
    if (o.reference && !o.against.empty())
        throw UsageError{"give either --against or --reference, not both"};
    if (o.referenceBands && !o.reference)
        throw UsageError{"--reference-bands is for the corpus of --reference"};
    KeywordOptions options;
    options.minAuthors =
        number_option(o.minAuthors, "--min-authors", kDefaultKeywordAuthors, 0, 1000000000);
    options.minCount = floor_option(o.minCount, "--min-count");
    options.filter = filter_of(o);
    const Scope& sa = scopeA;
    Keywords k;
    std::string nameB;
    if (o.reference) {
        const std::unique_ptr<Reference> r = load_reference(o, x.index().emoticons(), err);
        const Scope sb = whole_scope(r->index);
        k = keywords(x.index(), sa, r->index, sb, options, r->loaded.name);
        nameB = sb.name;
        selection = "a: " + sa.name + "; b: the reference corpus, " + r->loaded.name;
    } else {
        Scope sb;
        if (o.against.empty()) {
            sb = rest_scope(x.index(), sa);
        } else {
            sb = subcorpus_scope(x.index(), subcorpus_of(o.against, x.fields, "--against"),
                                 x.fields);
        }
        k = keywords(x.index(), sa, sb, options);
        nameB = sb.name;
        selection = "a: " + sa.name + "; b: " + sb.name;
    }
    if (!k.error.empty()) throw NoTable{k.error};
    return keywords_table(x.index(), k, sa.name, nameB);
}

ResultTable explore_table(const Options& o, const Corpus& corpus, Exploring& x,
                          std::string& selection, std::ostream& err) {
    // A condition on a text field keeps only the texts meeting it (and the
    // authors with a text among them).
    const Subcorpus a = subcorpus_of(o.where, x.fields, "--where");
    const std::vector<std::size_t> rows = a.members(x.fields);
    const Scope scopeA = subcorpus_scope(x.index(), a, x.fields);
    selection = a.whole() ? "whole corpus" : "subcorpus " + a.describe();
    if (o.command == "wordlist") return wordlist_command(o, corpus, x, a, scopeA, selection);
    if (o.command == "keywords") return keywords_command(o, x, scopeA, selection, err);
    if (o.command == "concordance") {
        if (o.form && o.pattern) throw UsageError{"give either --form or --pattern, not both"};
        if (!o.form && !o.pattern) throw UsageError{"'concordance' needs --form F or --pattern P"};
        const int n =
            number_option(o.context, "--context", kDefaultContext, kMinContext, kMaxContext);
        ConcordanceSort sort = ConcordanceSort::Corpus;
        if (o.sort) {
            const std::optional<ConcordanceSort> by = parse_sort(*o.sort);
            if (!by) {
                throw UsageError{"unknown order '" + *o.sort +
                                 "' (corpus, left, right, left1, left2, right1 or right2)"};
            }
            sort = *by;
        }
        LineFields fields;
        if (o.fields) {
            std::string error;
            std::optional<LineFields> f = line_fields(*o.fields, x.fields, &error);
            if (!f) throw UsageError{"--fields: " + error};
            fields = std::move(*f);
        }
        if (o.tally && !o.fields) throw UsageError{"--tally needs --fields"};
        const Pattern p = o.form ? literal_pattern(*o.form) : compile_pattern(*o.pattern);
        if (!p.ok()) throw UsageError{p.error};
        Concordance c = concordance(x.index(), p, n, scopeA.in, scopeA.texts);
        const std::string query = o.form ? *o.form : *o.pattern;
        if (o.tally) return concordance_tally_table(c, fields, query);
        sort_lines(x.index(), c.lines, sort);
        return concordance_table(x.index(), c, query, n, sort, static_cast<std::size_t>(-1),
                                 fields);
    }
    if (o.command == "collocates") {
        // Within a subcorpus: over the exploring tools' pieces.
        const std::string form = form_of(o);
        if (text_pieces_at_blanks(form).size() != 1)
            throw UsageError{"--form takes one form for the collocates"};
        CollocationSettings settings;
        settings.span = number_option(o.span, "--span", 1, 1, CollocationSettings::kMaxSpan);
        settings.minFrequency = number_option(o.minFreq, "--min-freq", 1, 1, 1000000000);
        settings.withinText = true;
        return scope_collocates_table(x.index(),
                                      scope_collocates(x.index(), scopeA, form, settings),
                                      scopeA.name, chosen_texts(x.index(), scopeA));
    }
    // authors
    const FormList forms = forms_of(o, corpus);
    return authors_table(
        x.index(), x.fields, rows, forms.forms,
        "Authors and forms: " + (forms.caption.empty() ? forms.name : forms.caption), scopeA.texts);
}

// The collocates of the whole corpus: the cleaned corpus text, as the
// collocations window and the comparison window count them.
ResultTable collocates_of_corpus(const Options& o, const Corpus& corpus) {
    const std::string form = form_of(o);
    if (!o.span && !o.minFreq && !o.withinTexts)
        return collocates_table(collocation_table(corpus.store(), form));
    CollocationSettings settings = kWindowCollocations;
    settings.span = number_option(o.span, "--span", 1, 1, CollocationSettings::kMaxSpan);
    settings.minFrequency = number_option(o.minFreq, "--min-freq", 1, 1, 1000000000);
    settings.withinText = o.withinTexts;
    return collocates_table(collocation_table(corpus.store(), form, settings));
}

// The commands each option of the exploring tools is for, when they are not
// every exploring command; the message for another command.
std::string misplaced_option(const Options& o) {
    struct Use {
        const char* option;
        bool given;
        std::vector<std::string> commands;
    };
    const bool subcorpusCollocates = o.command == "collocates" && !o.where.empty();
    const Use uses[] = {
        {"--family", o.family.has_value(), {"variants", "spread", "significance", "authors"}},
        {"--forms", o.forms.has_value(), {"variants", "spread", "significance", "authors"}},
        {"--form", o.form.has_value(), {"collocations", "collocates", "concordance"}},
        {"--min-count", o.minCount.has_value(), {"wordlist", "keywords"}},
        {"--stoplist", o.stoplist.has_value(), {"wordlist", "keywords"}},
        {"--no-numbers", o.noNumbers, {"wordlist", "keywords"}},
        {"--reference", o.reference.has_value(), {"keywords"}},
        {"--reference-bands", o.referenceBands.has_value(), {"keywords"}},
        {"--fields", o.fields.has_value(), {"concordance"}},
        {"--tally", o.tally, {"concordance"}},
        {"--span", o.span.has_value(), {"collocates"}},
        {"--min-freq", o.minFreq.has_value(), {"collocates"}},
        {"--within-texts", o.withinTexts, {"collocates"}},
        {"--emoticons",
         o.emoticons.has_value() && !(o.command == "collocates" && subcorpusCollocates),
         {"wordlist", "keywords", "concordance", "authors"}},
    };
    for (const Use& u : uses) {
        if (!u.given) continue;
        if (std::find(u.commands.begin(), u.commands.end(), o.command) != u.commands.end())
            continue;
        std::string list;
        for (std::size_t i = 0; i < u.commands.size(); ++i) {
            list += (i == 0 ? "" : i + 1 == u.commands.size() ? " and " : ", ") + u.commands[i];
        }
        if (std::string(u.option) == "--emoticons") list += " (and collocates with --where)";
        return "'" + o.command + "' does not take " + u.option + " (it is for " + list + ")";
    }
    return {};
}

// The groups of a comparison: the query's groups over the whole corpus, or
// those of --group-by within the subcorpus of --where.
ResultTable grouped_table(const Options& o, const Corpus& corpus, const AuthorFields& fields,
                          std::string& selection) {
    GroupBy by;
    if (o.groupBy) {
        // A text field holds a value per text: no author is in one of its groups.
        for (std::size_t from = 0; from <= o.groupBy->size();) {
            std::size_t comma = o.groupBy->find(',', from);
            if (comma == std::string::npos) comma = o.groupBy->size();
            if (auto why = text_field_refusal(o.groupBy->substr(from, comma - from), fields))
                throw UsageError{"--group-by: " + *why};
            from = comma + 1;
        }
        std::string error;
        std::optional<GroupBy> b = parse_group_by(*o.groupBy, fields, &error);
        if (!b) throw UsageError{"--group-by: " + error};
        by = std::move(*b);
    }
    // Their figures are per author, over all of each author's texts: a
    // condition on a text field, which keeps some texts of an author, cannot
    // choose them.
    for (const std::string& w : o.where) {
        if (w.find('=') == std::string::npos) continue;
        const std::string name = w.substr(0, w.find('='));
        if (!text_field_refusal(name, fields)) continue;
        const std::string shown(trim_blanks(name));
        std::string column = shown;
        for (const std::string& c : *fields.textColumns)
            if (loose_key(c) == loose_key(name)) column = c;
        throw UsageError{
            "--where: \"" + shown +
            "\" is a text field: its value differs between an author's texts, and variants, "
            "spread, significance and metrics compare authors by the figures of all their texts, "
            "so it cannot choose their authors (it chooses texts for wordlist, keywords, "
            "concordance, collocates and authors); to compare authors by it, open the corpus "
            "with --author-field \"" +
            column + "\" (each author then has the value of most of their texts)"};
    }
    const Subcorpus within = subcorpus_of(o.where, fields, "--where");
    std::vector<char> keep;
    if (!within.whole()) {
        keep.assign(fields.size(), 0);
        for (std::size_t k : within.members(fields)) keep[k] = 1;
    }
    selection =
        "groups: " + by.caption() + (within.whole() ? "" : "; subcorpus " + within.describe());
    if (by.bandByGender() && within.whole()) selection = "all groups";
    const GroupIndex index(corpus.store(), fields, by, within.whole() ? nullptr : &keep);
    if (o.command == "metrics") {
        return group_metrics_table(group_metrics(corpus.authorIndex(), index), index.groupBy(),
                                   index.leftOut(), index.restricted());
    }
    const Comparison c = compare_groups(index, forms_of(o, corpus));
    return o.command == "variants" ? comparison_table(c)
           : o.command == "spread" ? spread_table(c)
                                   : significance_table(c);
}

ResultTable families_table(const Corpus& corpus) {
    ResultTable t;
    t.title = "Variant families";
    t.columns = {"list", "stem", "caption", "forms"};
    for (const VariantFamily& f : corpus.families()) {
        const FormList forms = *find_family(corpus.families(), f.list);
        std::string joined;
        for (const std::string& w : forms.forms) joined += (joined.empty() ? "" : " ") + w;
        t.rows.push_back({f.list, f.stem, forms.caption, joined});
    }
    return t;
}

} // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (auto code = run_lexicon_command(args, out, err)) return *code;
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
    static const char* const kCommands[] = {
        "variants", "spread", "significance", "metrics",  "collocations", "collocates",
        "families", "check",  "wordlist",     "keywords", "concordance",  "authors"};
    if (o.command.empty()) return usage("no command given");
    if (std::find(std::begin(kCommands), std::end(kCommands), o.command) == std::end(kCommands)) {
        return usage("unknown command '" + o.command + "'");
    }

    const bool subcorpusCollocates = o.command == "collocates" && !o.where.empty();
    const bool exploring = o.command == "wordlist" || o.command == "keywords" ||
                           o.command == "concordance" || o.command == "authors" ||
                           subcorpusCollocates;
    const bool grouped = o.command == "variants" || o.command == "spread" ||
                         o.command == "significance" || o.command == "metrics";
    const bool exploringOptions = !o.against.empty() || o.pattern || o.code || o.context ||
                                  o.minAuthors || o.sort || o.dictionary || o.glossaryOnly ||
                                  o.nonStandard;
    if ((!exploring && ((!grouped && !o.where.empty()) || exploringOptions)) ||
        (subcorpusCollocates && exploringOptions)) {
        return usage("'" + o.command +
                     "' takes none of the options of wordlist, keywords, concordance and authors");
    }
    if (!grouped && o.groupBy) {
        return usage("--group-by is for variants, spread, significance and metrics");
    }
    if (const std::string misplaced = misplaced_option(o); !misplaced.empty()) {
        return usage(misplaced);
    }

    std::shared_ptr<const Corpus> loaded;
    try {
        // The author index is made only if the command asks for it.
        std::vector<std::string> notes;
        loaded = load_corpus_source(o.corpus, {}, AuthorIndexWhen::WhenAsked, &notes);
        for (const std::string& n : notes) err << "zapt-report: " << n << "\n";
    } catch (const std::exception& e) {
        if (o.command == "check") out << "cannot be read: " << e.what() << "\n";
        err << "zapt-report: cannot read the corpus: " << e.what() << "\n";
        return kNoCorpus;
    }
    const Corpus& corpus = *loaded;
    if (o.command == "check") {
        // Every problem of the corpus in one list (none for the built-in sample).
        out << format_report(corpus.report());
        if (corpus.report().problems().empty()) out << "no problems found\n";
        return out.flush() ? kOk : kFailed;
    }
    if (!corpus.report().problems().empty())
        err << "zapt-report: the corpus was read with problems (see zapt-report check):\n"
            << format_report(corpus.report());
    // What applies beyond the corpus and what its reading changed, in the header.
    std::vector<std::string> applied = applied_lists(corpus);
    for (std::string& n : load_notes(corpus.report())) applied.push_back(std::move(n));
    Exploring x;
    x.fields = author_fields(corpus);

    ResultTable table;
    std::string selection = "all groups";
    try {
        if (exploring) {
            if (o.emoticons) {
                x.own.emplace(corpus.store(), corpus.authors(), emoticons_of(o));
                x.forms = &*x.own;
            } else {
                x.forms = &corpus.forms();
            }
            table = explore_table(o, corpus, x, selection, err);
        } else if (grouped) {
            table = grouped_table(o, corpus, x.fields, selection);
        } else if (o.command == "collocations") {
            table = occurrences_table(collocation_table(corpus.store(), form_of(o)));
            selection = "whole corpus";
        } else if (o.command == "collocates") {
            table = collocates_of_corpus(o, corpus);
            selection = "whole corpus";
        } else {
            table = families_table(corpus);
            selection = "none";
        }
    } catch (const UsageError& e) {
        return usage(e.message);
    } catch (const NoTable& e) {
        err << "zapt-report: " << e.message << "\n";
        return kUsage;
    }
    if (o.referenceBands) applied.push_back("reference corpus's age bands: " + *o.referenceBands);
    ExportHeader header = export_header(corpus, selection);
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
