// The built-in data files: their records, and the reader that checks them.
//
// The files are UTF-8. The reader converts every string to Windows-1252 and
// enforces the rules the program relies on; a file that breaks one raises a
// DataError that names the file, the line and the rule.
#pragma once

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

// The most rows a list of the program holds (its counters are 16-bit).
inline constexpr std::size_t kMaxRows = 32767;

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

// Each reader takes the file's name (for messages) and its UTF-8 content.
std::vector<RegisterRow> read_register(std::string_view file, std::string_view content);
std::vector<CorpusRow> read_corpus(std::string_view file, std::string_view content);
GlossaryData read_glossary(std::string_view file, std::string_view content);
std::vector<VariantFamily> read_variants(std::string_view file, std::string_view content);

// Reads the data built into the program.
DataSet load_builtin_data();

} // namespace zapt
