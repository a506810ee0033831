// A tiny corpus for the exploring tools: register rows and texts, with the
// store, the register and the form index built over them.
#pragma once

#include "corpus/author_register.h"
#include "corpus/corpus_store.h"
#include "explore/form_index.h"

#include <memory>
#include <string>
#include <vector>

namespace zapt::testing {

struct ExploreCorpus {
    std::vector<RegisterRow> rows;
    CorpusStore store;
    AuthorRegister authors;
    std::unique_ptr<FormIndex> index;

    // Texts as (author name, text); register rows as (code, name, age, gender).
    ExploreCorpus(std::vector<RegisterRow> register_rows, const std::vector<CorpusRow>& texts)
        : rows(std::move(register_rows)) {
        store = build_corpus_store(texts, rows);
        authors = build_author_register(rows);
        index = std::make_unique<FormIndex>(store, authors);
    }
    const FormIndex& operator*() const { return *index; }
    const FormIndex* operator->() const { return index.get(); }
};

inline RegisterRow writer(std::string code, std::string name, std::string age = "20",
                          std::string gender = "F", std::string education = "U") {
    return {std::move(code),   std::move(name),      std::move(age),
            std::move(gender), std::move(education), "E"};
}

} // namespace zapt::testing
