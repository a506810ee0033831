// Where the corpus comes from, as the three programs' command lines give it:
// the built-in sample, a folder of JSON files or one CSV/TSV table, with the
// corpus's own age bands, column names, glossary and variant families. One
// reader of these options and one loader for zapt, zapt-drive and zapt-report.
#pragma once

#include "corpus/author_register.h"
#include "corpus/corpus.h"
#include "corpus/data_files.h"
#include "corpus/load_report.h"
#include "corpus/table_reader.h"
#include "selection/age_band.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zapt {

// Where a corpus read from a folder or a table is kept compiled (see
// app/compiled_corpus.h), for the next open to map instead of reading and
// indexing it again.
enum class CompiledPlace {
    None,   // nowhere: the corpus is read every time (--no-cache; the core's default)
    Cache,  // in the user's cache folder (the programs' default)
    Beside, // beside the corpus (--compile)
};

// Sources smaller than this (all their files together, in bytes) are not
// compiled into the cache folder: reading them takes no longer than mapping.
inline constexpr std::uint64_t kCompileFrom = std::uint64_t{1} << 20;

struct CorpusOptions {
    std::string path;     // a folder or a table; empty: the built-in sample
    TableOptions table;   // for a table: --map FIELD=COLUMN, --encoding NAME, --text-field NAME,
                          // --author-field NAME
    std::string glossary; // --glossary FILE (JSON or CSV); empty: the corpus's or the built-in
    std::string families; // --families FILE (JSON or CSV)
    std::string bands;    // --bands LIST; empty: the built-in five
    CompiledPlace compiled = CompiledPlace::None; // --compile, --no-cache
    // The cache folder; empty: $XDG_CACHE_HOME/zapt, or ~/.cache/zapt.
    std::string cacheFolder;
    std::uint64_t compileFrom = kCompileFrom;
    // --lexicon FILE (a saved lexicon, NAME.json or NAME.csv) or "british"
    // (the built-in British English glossary and families); empty: the
    // lexicon saved beside the corpus, if any (see read_corpus_source).
    std::string lexicon;
};

// The --lexicon value that chooses the built-in British English lists.
inline constexpr const char* kBritishLexicon = "british";

// Takes the corpus option at args[i] ("--corpus PATH", "--corpus=PATH", and
// --map, --glossary, --families, --lexicon, --bands, --encoding, --text-field,
// --author-field in the same two forms; --compile and --no-cache, which take
// no value), moving `i` past its value. Nothing when args[i] is no corpus
// option; otherwise an empty string, or the message for a wrong value.
std::optional<std::string> take_corpus_option(const std::vector<std::string>& args, std::size_t& i,
                                              CorpusOptions& options);

// Whether `name` ("--corpus", "--map", ...) is a corpus option that takes a
// value (--compile and --no-cache take none).
bool is_corpus_option(std::string_view name);

// The help lines of those options, for the programs' --help.
extern const char* const kCorpusOptionsHelp;

struct LoadedCorpus {
    DataSet data;
    LoadReport report;           // what the load found (a table's problems)
    std::string name;            // "built-in", "folder PATH" or "table PATH"
    bool builtInGlossary = true; // the built-in glossary applies to another corpus
    bool builtInFamilies = true;
    std::string lexiconCaption; // the lexicon in force, when one is ("lexicon: NAME (...)")
    std::string lexiconFile;    // the file it was read from
};

// The built-in age bands, in the form --bands reads.
inline constexpr const char* kBuiltinBands = "<18,18-25,26-40,41-60,61+";

// The bands `options` asks for (the built-in five when none); throws DataError
// for a wrong list.
std::vector<BandBounds> bands_of(const CorpusOptions& options);

// Which glossary and families a corpus is read with:
//   - the built-in corpus: the built-in ones, as always;
//   - --lexicon FILE: the lexicon's accepted forms and kept families;
//     --lexicon british: the built-in British English lists;
//   - --glossary FILE, --families FILE: those files (not with --lexicon);
//   - otherwise, for a corpus of the user's own: the lexicon saved beside it
//     (default_lexicon_base: "lexicon.json" in a folder, "TABLE.lexicon.json"
//     beside a table) when there is one, else a folder's own glossary.json
//     and variants.json; nothing more. The built-in British lists apply to a
//     corpus of the user's own only when the user chooses them.
// A saved lexicon beside the corpus that cannot be read is left out, and the
// load report says why; a lexicon named on the command line must be read.
//
// Reads the corpus alone: the bands in use stay as they are. Throws as
// load_corpus_source does (and a DataError for the options of a table given
// with a folder or the built-in corpus).
// When a table cannot be read, `failed` (when given) receives its load's report
// (with the encoding ICU proposes for a file that is not UTF-8) first.
LoadedCorpus read_corpus_source(const CorpusOptions& options, const LoadProgress& progress = {},
                                LoadReport* failed = nullptr);

// The bands `options` asks for, as a value (the built-in five when none);
// throws DataError for a wrong list.
AgeBands age_bands_of(const CorpusOptions& options);

// When the author index of a corpus is made: while the corpus is read (the
// windows, which show it at once), or when first asked for (zapt-report,
// whose commands mostly need other parts).
enum class AuthorIndexWhen { WhileReading, WhenAsked };

// Makes the corpus of what read_corpus_source read, with `bands`: the store,
// the register, the metadata, the lexicon, the author index (see `when`) and
// the form index (made when first asked for). Counts in its report the authors
// whose age range lies across two bands.
std::shared_ptr<const Corpus> make_corpus(LoadedCorpus loaded, AgeBands bands,
                                          AuthorIndexWhen when = AuthorIndexWhen::WhileReading);

// The corpus of a data set in hand (the built-in age bands unless others are
// given), made as make_corpus makes one.
std::shared_ptr<const Corpus> corpus_of(DataSet data, AgeBands bands = {},
                                        std::string source = "built-in");

// Reads the corpus `options` name and makes it. Throws DataError for a corpus
// that cannot be read at all (or a wrong --bands list), LoadCancelled when
// `progress` says stop. With options.compiled, the corpus's compiled file is
// mapped instead when it answers for the corpus as it now is, and written
// when it does not (see app/compiled_corpus.h); what the user should know
// about it (a damaged compiled file compiled again, a cache folder that
// cannot be written) is added to `notes`.
std::shared_ptr<const Corpus>
load_corpus_source(const CorpusOptions& options, const LoadProgress& progress = {},
                   AuthorIndexWhen when = AuthorIndexWhen::WhileReading,
                   std::vector<std::string>* notes = nullptr);

// An age range across two bands puts its author in none: counted in
// `report`, so that no author drops out of the groups unseen.
void count_ranges_across_bands(const std::vector<std::string>& codes,
                               const std::vector<std::string>& ages, const AgeBands& bands,
                               LoadReport& report);

// The same corpus with other bands, or another lexicon: a new corpus sharing
// every part that does not depend on them.
std::shared_ptr<const Corpus> with_bands(const Corpus& corpus, AgeBands bands);
std::shared_ptr<const Corpus> with_lexicon(const Corpus& corpus, CorpusLexicon lexicon);

// A lexicon of a glossary and families read from files.
CorpusLexicon make_lexicon(GlossaryData glossary, std::vector<VariantFamily> families,
                           bool builtinGlossary, bool builtinFamilies);
// The built-in British English glossary and families, chosen by the user for
// a corpus.
CorpusLexicon british_lexicon();

// What applies beyond the corpus itself, for the About window and every
// export's header: the lexicon in force ("lexicon: NAME (N accepted forms, M
// kept families)"); "glossary: built-in (British English, 743 forms)" and the
// same for the families, when a corpus of the user's own uses the built-in
// ones; "glossary: none" and "variant families: none" when it has none.
// Nothing for the built-in corpus with its own lists.
std::vector<std::string> applied_lists(const Corpus& corpus);

// Who the authors of a corpus are, in a sentence or two for the About window:
// the span of their ages, how many are women and men, their education codes;
// a field the corpus has no value for is said to be absent.
std::string describe_authors(const AuthorRegister& authors);

} // namespace zapt
