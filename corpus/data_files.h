// The built-in data files: their records, and the reader that checks them.
//
// The files are UTF-8, and their strings stay UTF-8 in memory. The readers
// enforce the rules the program relies on; a file that breaks one raises a
// DataError that names the file, the line and the rule. The built-in sample
// keeps to the characters of Windows-1252 and to texts without "%" or line
// breaks; a corpus of the user's own may hold any character, and its tabs and
// line breaks read as blanks.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

struct RegisterRow {
    std::string code;
    std::string name;
    std::string age;
    std::string gender;
    std::string education;
    std::string nativeLanguage;
};

struct CorpusRow {
    std::string author; // the per-text author name
    std::string text;   // the text exactly, blanks included
};

struct GlossaryData {
    std::vector<std::string> forms;
    std::vector<std::string> interpretations; // row n pairs with forms row n
};

struct VariantFamily {
    std::string list;         // name of the family's list box, e.g. "lstBeen"
    std::string stem;         // stem of the result labels, e.g. "Been"
    std::string captionLabel; // name of the heading label, e.g. "Label92"
    std::string caption;      // heading text, e.g. "Be, been, etc."
    std::vector<std::string> items;
};

struct DataSet {
    std::vector<RegisterRow> authors;
    std::vector<CorpusRow> corpus;
    GlossaryData glossary;
    std::vector<VariantFamily> variants;
    // Metadata of the authors beyond the register's six fields, from a corpus
    // read from a table: the names of the columns, and per author (parallel to
    // `authors`) one value per column, "" when not known.
    std::vector<std::string> metadataColumns;
    std::vector<std::vector<std::string>> authorMetadata;
    // The text fields of a corpus read from a table: columns whose value
    // belongs to each text (an id, a date), not to its author. Their names,
    // and per text (parallel to `corpus`) one value per column, "" when not
    // known.
    std::vector<std::string> textColumns;
    std::vector<std::vector<std::string>> textMetadata;
};

class DataError : public std::runtime_error {
public:
    DataError(std::string file, int line, std::string rule);
    const std::string& file() const { return file_; }
    int line() const { return line_; }
    const std::string& rule() const { return rule_; }

private:
    std::string file_;
    int line_;
    std::string rule_;
};

// The most rows a list of the built-in sample holds (its counters are 16-bit).
inline constexpr std::size_t kMaxRows = 32767;

// Where a data file comes from. The built-in sample keeps the limits of the
// program it reproduces: at most 32,767 rows per list and three-digit codes. A
// corpus loaded from a folder may hold any number of texts and authors, with
// codes of any length; its texts together may hold at most kMaxCorpusCharacters
// characters (each text counted with the blank that follows it), so that every
// count and position in a buffer built from them fits an int.
enum class DataOrigin { BuiltIn, Loaded };
inline constexpr std::size_t kMaxCorpusCharacters = 2147483647;

// Progress of a long load: called now and then with the fraction done (0 to
// 1); returning false cancels the load, which then throws LoadCancelled.
using LoadProgress = std::function<bool(double fraction)>;

// The user cancelled a load. Not a DataError: no file broke a rule.
class LoadCancelled : public std::runtime_error {
public:
    LoadCancelled();
};

// The list names and stems of the sixteen variant families, in file order.
struct FamilyName {
    const char* list;
    const char* stem;
};
inline constexpr FamilyName kFamilyNames[16] = {
    {"lstBeen", "Been"},   {"lstThWords", "ThWords"},   {"lstOkay", "Okay"}, {"lstIs", "Is"},
    {"lstToday", "Today"}, {"lstBack", "Back"},         {"lstText", "Text"}, {"lstThe", "The"},
    {"lstHave", "Have"},   {"lstTomorrow", "Tomorrow"}, {"lstHow", "How"},   {"lstWho", "Who"},
    {"lstWhat", "What"},   {"LstWeForms", "We"},        {"lstIForms", "I"},  {"lstUForms", "You"}};

// Each reader takes the file's name (for messages) and its UTF-8 content; the
// two-argument forms apply the rules of the built-in sample.
std::vector<RegisterRow> read_register(std::string_view file, std::string_view content);
std::vector<CorpusRow> read_corpus(std::string_view file, std::string_view content);
GlossaryData read_glossary(std::string_view file, std::string_view content);
std::vector<VariantFamily> read_variants(std::string_view file, std::string_view content);

class LoadReport;

// With a `report`, a loaded corpus's rows that break a rule are recorded in it
// and left out (an unreadable age or gender is taken as not known), so that one
// pass finds every problem; without one the first broken rule raises its
// DataError. A file that cannot be read at all raises a DataError either way.
std::vector<RegisterRow> read_register(std::string_view file, std::string_view content,
                                       DataOrigin origin, LoadReport* report = nullptr);
// `progress` receives the fraction of `content` read so far.
std::vector<CorpusRow> read_corpus(std::string_view file, std::string_view content,
                                   DataOrigin origin, const LoadProgress& progress = {},
                                   LoadReport* report = nullptr);
GlossaryData read_glossary(std::string_view file, std::string_view content, DataOrigin origin);
std::vector<VariantFamily> read_variants(std::string_view file, std::string_view content,
                                         DataOrigin origin);

// Reads the data built into the program.
DataSet load_builtin_data();
// The built-in glossary and variant families alone.
GlossaryData load_builtin_glossary();
std::vector<VariantFamily> load_builtin_variants();

// Reads a corpus from a folder: register.json and corpus.jsonl, and
// glossary.json and variants.json when present (the built-in ones otherwise),
// with the checks of the build step under the rules of loaded data. A file that
// cannot be read or breaks a rule raises a DataError naming it (with its path
// inside `dir`), the line and the rule. `progress` receives the fraction of the
// whole load done; when it returns false the load stops with LoadCancelled.
// With a `report`, broken rows are recorded and left out as the readers above
// do, and the report gets the counts of what was read.
DataSet load_data_dir(const std::string& dir, const LoadProgress& progress = {},
                      LoadReport* report = nullptr);

} // namespace zapt
