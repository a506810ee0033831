// Small corpora made for the tests, as the programs make a corpus (corpus_of):
// register rows, texts, a small glossary and the built-in variant families.
// Each core folder's tests read the corpus through their own folder's API; only
// the tests of the main window's state (tests/core/app) build that state over it.
#pragma once

#include "app/corpus_source.h"
#include "corpus/corpus.h"
#include "corpus/data_files.h"

#include <memory>
#include <string>
#include <vector>

namespace zapt::testing {

// A small glossary with the case pairs and a form without interpretation.
inline GlossaryData small_glossary() {
    return {{"cu", "nite", "Nite", "thort", "Thort", "wiv", "Yer", "yer", "u", "texn"},
            {"see you", "night", "night", "thought", "thought", "with", "you", "yeah", "you"}};
}

// Register rows: code, name, age, gender, education.
inline RegisterRow author(std::string code, std::string name, std::string age, std::string gender,
                          std::string education = "U") {
    return {std::move(code),   std::move(name),      std::move(age),
            std::move(gender), std::move(education), "E"};
}

// The data the program carries, read once.
inline const DataSet& builtin_data() {
    static const DataSet data = load_builtin_data();
    return data;
}

// The built-in corpus, made once.
inline const Corpus& builtin_corpus() {
    static const std::shared_ptr<const Corpus> corpus = corpus_of(builtin_data());
    return *corpus;
}

// The data set of a small corpus: the given register and texts, the glossary
// and the built-in variant families.
inline DataSet small_data(std::vector<RegisterRow> authors, std::vector<CorpusRow> texts,
                          GlossaryData glossary = small_glossary()) {
    DataSet d;
    d.authors = std::move(authors);
    d.corpus = std::move(texts);
    d.glossary = std::move(glossary);
    d.variants = builtin_data().variants;
    return d;
}

// The corpus of that data set, with the built-in age bands.
inline std::shared_ptr<const Corpus> small_corpus(std::vector<RegisterRow> authors,
                                                  std::vector<CorpusRow> texts,
                                                  GlossaryData glossary = small_glossary()) {
    return corpus_of(small_data(std::move(authors), std::move(texts), std::move(glossary)));
}

} // namespace zapt::testing
