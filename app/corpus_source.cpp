#include "app/corpus_source.h"
#include "app/compiled_corpus.h"

#include "analysis/glossary.h"
#include "authors/author_index.h"
#include "explore/form_index.h"
#include "lexicon/lexicon_file.h"

#include "corpus/encoding.h"
#include "corpus/text.h"
#include "selection/age_band.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace zapt {

const char* const kCorpusOptionsHelp =
    R"(  --corpus PATH     read the corpus from PATH instead of the built-in one: a
                    folder (register.json and corpus.jsonl, optionally
                    glossary.json and variants.json) or one CSV or TSV table
                    with a header row and one row per text
  --map FIELD=COLUMN  read the table's column COLUMN as FIELD (text, author,
                    age, gender, education, native or code); repeatable
  --encoding NAME   read a table that is not UTF-8 in this encoding, e.g.
                    windows-1252 or ISO-8859-1 (a table in UTF-16 with its
                    byte-order mark is read without it)
  --text-field COLUMN, --author-field COLUMN
                    read a table's column as a text field (a value per text,
                    such as an id or a date: never a group or a condition of
                    authors) or as an author field (each author has the value
                    of most of their texts); repeatable. Without them, a column
                    whose value differs between an author's texts for most
                    authors is a text field
  --glossary FILE   the glossary (JSON, or CSV with form,interpretation)
  --families FILE   the variant families (JSON, or CSV with family,form)
  --lexicon FILE    the corpus's lexicon saved by the Lexicon window (NAME.json,
                    or its NAME.csv table): its accepted forms are the glossary,
                    its kept families the variant families. "--lexicon british"
                    chooses the built-in British English glossary and families.
                    Without it a corpus of your own is read with the lexicon
                    saved beside it (lexicon.json in a folder, TABLE.lexicon.json
                    beside a table), else with the folder's own glossary.json
                    and variants.json, else with none
  --bands LIST      the age bands, youngest first, e.g. "16-20,21-25,26-40,41+"
                    (default "<18,18-25,26-40,41-60,61+")
  --compile         keep the compiled corpus beside the corpus (FILE.zapt beside
                    a table FILE, compiled.zapt in a folder) rather than in the
                    cache folder ($XDG_CACHE_HOME/zapt or ~/.cache/zapt); a
                    compiled corpus is mapped, not read again, until it changes
  --no-cache        read the corpus afresh, using and keeping no compiled file
)";

bool is_corpus_option(std::string_view name) {
    for (const char* o : {"--corpus", "--map", "--glossary", "--families", "--lexicon", "--bands",
                          "--encoding", "--text-field", "--author-field"}) {
        if (name == o) return true;
    }
    return false;
}

std::optional<std::string> take_corpus_option(const std::vector<std::string>& args, std::size_t& i,
                                              CorpusOptions& options) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); eq != std::string::npos && name.rfind("--", 0) == 0) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
    }
    if (name == "--compile" || name == "--no-cache") {
        if (value) return name + " takes no value";
        options.compiled = name == "--compile" ? CompiledPlace::Beside : CompiledPlace::None;
        return std::string();
    }
    if (!is_corpus_option(name)) return std::nullopt;
    if (!value) {
        if (i + 1 >= args.size()) return name + " needs a value";
        value = args[++i];
    }
    if (value->empty()) return name + " needs a value";
    if (name == "--corpus") options.path = *value;
    if (name == "--glossary") options.glossary = *value;
    if (name == "--families") options.families = *value;
    if (name == "--lexicon") options.lexicon = *value;
    if (name == "--bands") {
        std::string error;
        if (!parse_bands(*value, &error)) return "--bands: " + error;
        options.bands = *value;
    }
    if (name == "--map") {
        if (auto error = add_column_mapping(options.table, *value)) return "--map: " + *error;
    }
    if (name == "--encoding") {
        if (!known_encoding(*value)) {
            return "--encoding: no encoding \"" + *value +
                   "\" is known (e.g. windows-1252, ISO-8859-1, ISO-8859-15)";
        }
        options.table.encoding = *value;
    }
    if (name == "--text-field") options.table.textFields.push_back(*value);
    if (name == "--author-field") options.table.authorFields.push_back(*value);
    return std::string();
}

std::vector<BandBounds> bands_of(const CorpusOptions& options) {
    std::string error;
    auto b = parse_bands(options.bands.empty() ? kBuiltinBands : options.bands, &error);
    if (!b) throw DataError("--bands", 0, error);
    return std::move(*b);
}

LoadedCorpus read_corpus_source(const CorpusOptions& options, const LoadProgress& progress,
                                LoadReport* failed) {
    LoadedCorpus c;
    const bool table = !options.path.empty() && is_table_path(options.path) &&
                       !std::filesystem::is_directory(options.path);
    const TableOptions& t = options.table;
    const char* only = !t.map.empty()            ? "--map"
                       : !t.encoding.empty()     ? "--encoding"
                       : !t.textFields.empty()   ? "--text-field"
                       : !t.authorFields.empty() ? "--author-field"
                                                 : nullptr;
    if (only && !table) {
        throw DataError(options.path.empty() ? "--corpus" : options.path, 0,
                        std::string(only) + " is for a table (CSV or TSV), not " +
                            (options.path.empty() ? "the built-in corpus" : "a folder"));
    }
    if (options.path.empty()) {
        c.data = load_builtin_data();
        c.name = "built-in";
    } else if (table) {
        TableOptions table = options.table;
        table.progress = progress;
        try {
            c.data = load_table_corpus(options.path, table, c.report);
        } catch (const DataError&) {
            if (failed) *failed = c.report;
            throw;
        }
        // Tabs and line breaks in a text read as blanks, as in every corpus.
        for (CorpusRow& row : c.data.corpus) blanks_for_breaks(row.text);
        c.name = "table " + options.path;
    } else {
        c.data = load_data_dir(options.path, progress, &c.report);
        c.name = "folder " + options.path;
        const std::filesystem::path dir(options.path);
        c.builtInGlossary = !std::filesystem::exists(dir / "glossary.json");
        c.builtInFamilies = !std::filesystem::exists(dir / "variants.json");
    }
    if (!options.lexicon.empty() && (!options.glossary.empty() || !options.families.empty())) {
        throw DataError("--lexicon", 0,
                        "a lexicon gives both the glossary and the variant families: give "
                        "either --lexicon or --glossary and --families");
    }
    if (!options.path.empty()) {
        // A corpus of the user's own has no glossary and no families but its
        // own until the user chooses others: the built-in British lists are
        // not put on it unasked.
        if (c.builtInGlossary) c.data.glossary = {};
        if (c.builtInFamilies) c.data.variants = {};
        c.builtInGlossary = c.builtInFamilies = false;
    }
    std::string lexicon = options.lexicon;
    bool besideCorpus = false;
    if (lexicon.empty() && !options.path.empty() && options.glossary.empty() &&
        options.families.empty()) {
        const std::string beside = default_lexicon_base(options.path) + ".json";
        std::error_code e;
        if (std::filesystem::is_regular_file(beside, e)) {
            lexicon = beside;
            besideCorpus = true;
        }
    }
    if (lexicon == kBritishLexicon) {
        c.data.glossary = load_builtin_glossary();
        c.data.variants = load_builtin_variants();
        c.builtInGlossary = c.builtInFamilies = !options.path.empty();
    } else if (!lexicon.empty()) {
        try {
            LexiconInForce l = lexicon_in_force(read_lexicon_file(lexicon));
            c.data.glossary = std::move(l.glossary);
            c.data.variants = std::move(l.families);
            c.builtInGlossary = c.builtInFamilies = false;
            c.lexiconCaption = std::move(l.caption);
            c.lexiconFile = lexicon;
        } catch (const DataError& e) {
            if (!besideCorpus) throw;
            c.report.add("lexicon not read", e.what(), "the corpus is read without a lexicon",
                         lexicon, e.line());
        }
    }
    if (!options.glossary.empty()) {
        c.data.glossary = load_glossary_file(options.glossary);
        c.builtInGlossary = false;
    }
    if (!options.families.empty()) {
        c.data.variants = load_families_file(options.families);
        c.builtInFamilies = false;
    }
    return c;
}

AgeBands age_bands_of(const CorpusOptions& options) {
    return AgeBands(bands_of(options));
}

CorpusLexicon make_lexicon(GlossaryData glossary, std::vector<VariantFamily> families,
                           bool builtinGlossary, bool builtinFamilies) {
    CorpusLexicon l;
    l.glossary = std::make_shared<const Glossary>(glossary);
    l.glossaryData = std::move(glossary);
    l.families = std::move(families);
    l.builtinGlossary = builtinGlossary;
    l.builtinFamilies = builtinFamilies;
    return l;
}

CorpusLexicon british_lexicon() {
    return make_lexicon(load_builtin_glossary(), load_builtin_variants(), true, true);
}

namespace {

// The form index of a store and register, made when first asked for.
Once<FormIndex> form_index_of(std::shared_ptr<const CorpusStore> store,
                              std::shared_ptr<const AuthorRegister> authors) {
    return Once<FormIndex>([store = std::move(store), authors = std::move(authors)] {
        return std::make_shared<const FormIndex>(*store, *authors);
    });
}

// The author index of a store, register and glossary, made when first asked for.
Once<AuthorIndex> author_index_of(std::shared_ptr<const CorpusStore> store,
                                  std::shared_ptr<const AuthorRegister> authors,
                                  std::shared_ptr<const Glossary> glossary) {
    return Once<AuthorIndex>(
        [store = std::move(store), authors = std::move(authors), glossary = std::move(glossary)] {
            return std::make_shared<const AuthorIndex>(*store, *authors, *glossary);
        });
}

} // namespace

void count_ranges_across_bands(const std::vector<std::string>& codes,
                               const std::vector<std::string>& ages, const AgeBands& bands,
                               LoadReport& report) {
    for (std::size_t k = 0; k < codes.size() && k < ages.size(); ++k) {
        const AgeSpan age = read_age(ages[k]);
        if (age.known && age.lo != age.hi && !bands.query_band(age) && bands.query_band(age.lo) &&
            bands.query_band(age.hi))
            report.add("age range across bands", "an author's age range lies across two age bands",
                       "the author is in no age group", "author " + codes[k], 0);
    }
}

std::shared_ptr<const Corpus> make_corpus(LoadedCorpus loaded, AgeBands bands,
                                          AuthorIndexWhen when) {
    DataSet& data = loaded.data;
    Corpus::Parts p;
    auto authors = std::make_shared<const AuthorRegister>(build_author_register(data.authors));
    count_ranges_across_bands(authors->codes, authors->ages, bands, loaded.report);
    CorpusLexicon corpusLexicon = make_lexicon(std::move(data.glossary), std::move(data.variants),
                                               loaded.builtInGlossary, loaded.builtInFamilies);
    corpusLexicon.caption = std::move(loaded.lexiconCaption);
    auto lexicon = std::make_shared<const CorpusLexicon>(std::move(corpusLexicon));
    std::shared_ptr<const CorpusStore> store;
    if (when == AuthorIndexWhen::WhileReading) {
        // The figures of the texts are counted while the corpus text is indexed.
        auto index = std::make_shared<AuthorIndex>();
        store = std::make_shared<const CorpusStore>(
            build_corpus_store(data.corpus, data.authors, [&](const CorpusStore& s) {
                index->countTexts(s, *lexicon->glossary);
            }));
        index->readRegister(*store, *authors);
        p.authorIndex = Once<AuthorIndex>(std::shared_ptr<const AuthorIndex>(std::move(index)));
    } else {
        store = std::make_shared<const CorpusStore>(build_corpus_store(data.corpus, data.authors));
        p.authorIndex = author_index_of(store, authors, lexicon->glossary);
    }
    data.corpus = {}; // the store holds the texts now
    auto metadata = std::make_shared<CorpusMetadata>();
    metadata->authorColumns = std::move(data.metadataColumns);
    metadata->authorValues = std::move(data.authorMetadata);
    metadata->textColumns = std::move(data.textColumns);
    metadata->textValues = std::move(data.textMetadata);
    p.forms = form_index_of(store, authors);
    p.store = std::move(store);
    p.authors = std::move(authors);
    p.metadata = std::move(metadata);
    p.bands = std::make_shared<const AgeBands>(std::move(bands));
    p.lexicon = std::move(lexicon);
    p.source = std::move(loaded.name);
    p.report = std::make_shared<const LoadReport>(std::move(loaded.report));
    return std::make_shared<const Corpus>(std::move(p));
}

std::shared_ptr<const Corpus> corpus_of(DataSet data, AgeBands bands, std::string source) {
    LoadedCorpus loaded;
    loaded.data = std::move(data);
    loaded.name = std::move(source);
    return make_corpus(std::move(loaded), std::move(bands));
}

std::shared_ptr<const Corpus> load_corpus_source(const CorpusOptions& options,
                                                 const LoadProgress& progress, AuthorIndexWhen when,
                                                 std::vector<std::string>* notes) {
    if (options.compiled != CompiledPlace::None && !options.path.empty())
        return load_compiled_corpus(options, progress, when, notes);
    AgeBands bands = age_bands_of(options);
    return make_corpus(read_corpus_source(options, progress), std::move(bands), when);
}

std::shared_ptr<const Corpus> with_bands(const Corpus& corpus, AgeBands bands) {
    Corpus::Parts p = corpus.parts();
    p.bands = std::make_shared<const AgeBands>(std::move(bands));
    return std::make_shared<const Corpus>(std::move(p));
}

std::shared_ptr<const Corpus> with_lexicon(const Corpus& corpus, CorpusLexicon lexicon) {
    Corpus::Parts p = corpus.parts();
    p.lexicon = std::make_shared<const CorpusLexicon>(std::move(lexicon));
    // The author index counts the uses of the glossary's forms.
    p.authorIndex = author_index_of(p.store, p.authors, p.lexicon->glossary);
    return std::make_shared<const Corpus>(std::move(p));
}

std::string describe_authors(const AuthorRegister& authors) {
    const std::size_t n = authors.size();
    double youngest = 0, oldest = 0;
    std::size_t aged = 0, women = 0, men = 0;
    std::map<std::string, std::size_t> education;
    for (std::size_t i = 0; i < n; ++i) {
        const AgeSpan age = read_age(authors.ages[i]);
        if (age.known) {
            youngest = aged ? std::min(youngest, age.lo) : age.lo;
            oldest = aged ? std::max(oldest, age.hi) : age.hi;
            ++aged;
        }
        women += authors.genders[i] == "F";
        men += authors.genders[i] == "M";
        if (!authors.educations[i].empty()) ++education[authors.educations[i]];
    }
    auto whole = [](double x) { return std::to_string(static_cast<long long>(x)); };
    std::string s = "The corpus has " + std::to_string(n) + (n == 1 ? " author. " : " authors. ");
    if (aged == 0) {
        s += "It gives no ages. ";
    } else {
        s += "Their ages run from " + whole(youngest) + " to " + whole(oldest);
        if (aged < n) s += " (" + std::to_string(n - aged) + " not known)";
        s += ". ";
    }
    if (women + men == 0) {
        s += "It gives no genders. ";
    } else {
        s += std::to_string(women) + (women == 1 ? " is a woman" : " are women") + " and " +
             std::to_string(men) + (men == 1 ? " a man" : " men");
        if (women + men < n) s += " (" + std::to_string(n - women - men) + " not known)";
        s += ". ";
    }
    if (education.empty()) {
        s += "It has no education data.";
    } else {
        s += "Their education codes are ";
        std::size_t k = 0;
        for (const auto& [code, count] : education) {
            if (k++) s += k == education.size() ? " and " : ", ";
            s += code + " (" + std::to_string(count) + ")";
        }
        s += ".";
    }
    return s;
}

std::vector<std::string> applied_lists(const Corpus& corpus) {
    std::vector<std::string> out;
    const CorpusLexicon& l = corpus.lexicon();
    if (!l.caption.empty()) out.push_back(l.caption);
    // The built-in lists are the built-in corpus's own: named only for
    // another corpus.
    const bool own = corpus.source() != "built-in";
    if (own && l.builtinGlossary)
        out.push_back("glossary: built-in (British English, " +
                      std::to_string(l.glossaryData.forms.size()) + " forms)");
    else if (!l.builtinGlossary && l.glossaryData.forms.empty() && l.caption.empty())
        out.push_back("glossary: none (the Lexicon window proposes one)");
    if (own && l.builtinFamilies)
        out.push_back("variant families: built-in (British English, " +
                      std::to_string(l.families.size()) + " families)");
    else if (!l.builtinFamilies && l.families.empty() && l.caption.empty())
        out.push_back("variant families: none");
    return out;
}

} // namespace zapt
