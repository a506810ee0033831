// A tiny corpus for the exploring tools: register rows and texts, made into a
// corpus as the programs make one, with its store, its register and its form
// index at hand.
#pragma once

#include "app/corpus_source.h"
#include "corpus/author_register.h"
#include "corpus/corpus.h"
#include "corpus/corpus_store.h"
#include "explore/form_index.h"

#include <memory>
#include <string>
#include <vector>

namespace zapt::testing {

struct ExploreCorpus {
    std::vector<RegisterRow> rows;
    std::shared_ptr<const Corpus> corpus;
    const CorpusStore& store;
    const AuthorRegister& authors;

    // Texts as (author name, text); register rows as (code, name, age, gender).
    ExploreCorpus(std::vector<RegisterRow> register_rows, const std::vector<CorpusRow>& texts)
        : rows(std::move(register_rows)), corpus(make(rows, texts)), store(corpus->store()),
          authors(corpus->authors()) {}
    const FormIndex& operator*() const { return corpus->forms(); }
    const FormIndex* operator->() const { return &corpus->forms(); }

private:
    static std::shared_ptr<const Corpus> make(const std::vector<RegisterRow>& rows,
                                              const std::vector<CorpusRow>& texts) {
        DataSet d;
        d.authors = rows;
        d.corpus = texts;
        return corpus_of(std::move(d));
    }
};

inline RegisterRow writer(std::string code, std::string name, std::string age = "20",
                          std::string gender = "F", std::string education = "U") {
    return {std::move(code),   std::move(name),      std::move(age),
            std::move(gender), std::move(education), "E"};
}

} // namespace zapt::testing
