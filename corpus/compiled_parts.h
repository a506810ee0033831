// The small parts of a corpus in its compiled file: the register, the
// metadata, the lexicon's lists and the load's report. They are copied out
// of the file when it is opened (the large arrays of the store and of the
// indexes are viewed in place instead).
#pragma once

#include "corpus/author_register.h"
#include "corpus/compiled_file.h"
#include "corpus/corpus.h"
#include "corpus/load_report.h"

#include <vector>

namespace zapt {

void write_author_register(CompiledWriter& out, const AuthorRegister& authors);
AuthorRegister read_author_register(const CompiledFile& file);

void write_corpus_metadata(CompiledWriter& out, const CorpusMetadata& metadata);
CorpusMetadata read_corpus_metadata(const CompiledFile& file);

// The glossary's rows and the variant families, with whether they are the
// built-in ones.
struct CompiledLexiconLists {
    GlossaryData glossary;
    std::vector<VariantFamily> families;
    bool builtinGlossary = true;
    bool builtinFamilies = true;
    std::string caption; // the saved lexicon the lists come from, when one is
};
void write_lexicon_lists(CompiledWriter& out, const CompiledLexiconLists& lists);
CompiledLexiconLists read_lexicon_lists(const CompiledFile& file);

void write_load_report(CompiledWriter& out, const LoadReport& report);
LoadReport read_load_report(const CompiledFile& file);

} // namespace zapt
