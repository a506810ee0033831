// The privacy scan of everything a set of tables writes: no author name and no
// whole text of five words or more may appear in it.
#pragma once

#include "corpus/author_register.h"
#include "corpus/corpus_store.h"
#include "corpus/text.h"
#include "lookup/count_word.h"

#include <gtest/gtest.h>

#include <string>

namespace zapt::testing {

// Fails for every author name of `authors` and every text of `store` of five
// words or more that `out` holds (without regard to case); returns the number
// of texts of five words or more it looked for.
inline int expect_no_name_or_whole_text(const std::string& out, const AuthorRegister& authors,
                                        const CorpusStore& store) {
    std::string folded_out;
    for (char c : out) folded_out += fold_case(c);
    auto contains = [&](const std::string& s) {
        std::string f;
        for (char c : s) f += fold_case(c);
        return folded_out.find(f) != std::string::npos;
    };
    // Names match as cells or between separators (tab, line break, blank).
    for (const std::string& name : authors.names) {
        for (const char* before : {"\t", "\n", " "}) {
            for (const char* after : {"\t", "\n"}) {
                EXPECT_FALSE(contains(before + cp1252_to_utf8(name) + after)) << name;
            }
        }
    }
    int long_texts = 0;
    for (const std::string& text : store.texts) {
        if (word_total(reduce_blanks(text) + " ") < 5) continue;
        ++long_texts;
        EXPECT_FALSE(contains(cp1252_to_utf8(std::string(trim_trailing_blanks(text))))) << text;
    }
    return long_texts;
}

} // namespace zapt::testing
