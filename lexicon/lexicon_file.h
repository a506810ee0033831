// The lexicon saved with the corpus: as JSON (everything: the glossary, the
// families and the decisions), as a CSV table of the decisions a spreadsheet
// opens and edits, and as the glossary and families tables that --glossary
// and --families read.
//
//   NAME.json           {"lexicon", "corpus", "dictionary", "minCount",
//                        "forms", "interpretations",      the glossary
//                        "families": [{"name", "standard", "forms", "kept"}],
//                        "decisions": [{"form", "status", "kind", "interpretation"}]}
//                       (read by --glossary as a glossary file, and by
//                        --lexicon as the lexicon)
//   NAME.csv            form,status,kind,interpretation,count,authors_using,score
//                       (one row per listed form, and the decisions on others;
//                       read back, the accepted and rejected rows are the
//                       decisions, a proposed row shows the proposal only)
//   NAME-glossary.csv   form,interpretation (--glossary)
//   NAME-families.csv   family,form, the kept families (--families)
#pragma once

#include "lexicon/lexicon.h"

#include <string>
#include <string_view>
#include <vector>

namespace zapt {

// Where the lexicon was made.
struct LexiconOrigin {
    std::string corpus;     // the corpus's name ("folder PATH", "built-in")
    std::string dictionary; // the standard dictionary's name
    std::uint64_t minCount = kDefaultMinCount;
};

std::string lexicon_json(const Lexicon& lexicon, const LexiconOrigin& origin);
std::string lexicon_decisions_csv(const Lexicon& lexicon);
std::string lexicon_glossary_csv(const Lexicon& lexicon);

struct SavedLexicon {
    std::vector<std::string> files; // the files written, JSON first
};
// Writes the files of the lexicon beside `base` (a path without extension:
// base.json, base.csv, base-glossary.csv and, when a family is kept,
// base-families.csv). A file that cannot be written raises a DataError.
SavedLexicon save_lexicon(const Lexicon& lexicon, const LexiconOrigin& origin,
                          const std::string& base);

// A lexicon as read from a file.
struct LexiconFile {
    std::string path;
    std::string name;
    LexiconOrigin origin;
    std::vector<Decision> decisions;
    std::vector<LexFamily> families;
    // The glossary a JSON file holds ("forms", "interpretations"); for a
    // table, or a JSON file without one, that of its accepted decisions.
    GlossaryData glossary;
};

// What a lexicon file gives the program as the lexicon in force, without the
// corpus being proposed again: the accepted forms with their interpretations
// (a JSON file's glossary; a table's accepted rows), the kept families, and
// the caption headers name it by ("lexicon: NAME (N accepted forms, M kept
// families)").
struct LexiconInForce {
    GlossaryData glossary;
    std::vector<VariantFamily> families;
    std::string caption;
};
LexiconInForce lexicon_in_force(const LexiconFile& file);

// Reads NAME.json, or a decisions table (.csv/.tsv); a file that breaks its
// format raises a DataError naming the file, the line and the rule.
LexiconFile read_lexicon_file(const std::string& path);
LexiconFile parse_lexicon_json(std::string_view file, std::string_view content);
LexiconFile parse_lexicon_table(std::string_view file, std::string_view content);

// Puts a file's decisions and families into a lexicon (one step to undo each)
// and takes its name.
void apply_lexicon_file(Lexicon& lexicon, const LexiconFile& file);

// Where a corpus's lexicon is saved by default: beside the corpus, as
// "lexicon" in a corpus folder and as "TABLE.lexicon" beside a table; empty
// for the built-in corpus.
std::string default_lexicon_base(const std::string& corpusPath);

} // namespace zapt
