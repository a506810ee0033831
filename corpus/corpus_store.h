// The corpus store: the fixed corpus and the buffers derived from it once at
// start-up. Nothing here changes after it has been built.
#pragma once

#include "corpus/data_files.h"

#include <string>
#include <vector>

namespace zapt {

// Marks replaced by blanks in the cleaned corpus text (with the CR/LF pair).
inline constexpr std::string_view kCorpusCleaningSet = ".,?!:;()/-+=\"";

struct CorpusStore {
    // Parallel to the corpus, indexed by text number 0..976.
    std::vector<std::string> texts;          // each text exactly as supplied
    std::vector<std::string> lstTextAuthors; // the author name of each text
    std::vector<std::string> lstTextList;    // each text without trailing blanks, plus one blank

    // Parallel to the author register, same rows in the same order.
    std::vector<std::string> lstAuthorCode;
    std::vector<std::string> lstCodeName;
    std::vector<std::string> lstNumOfTextsPerAuthor; // counts as text ("0", "12")
    std::vector<int> textsPerAuthor;                 // the same counts as numbers

    std::string Text1; // the corpus text: every text plus a blank, blank runs reduced
    std::string Text2; // the cleaned corpus text: Text1 with punctuation turned into blanks

    // Work fields of the author selection: the selected author's name and code.
    std::string lblCodeName;
    std::string lblAuthorName;

    int corpusTextCount() const { return static_cast<int>(lstTextList.size()); }
    bool authorHasTexts(std::size_t row) const {
        return row < textsPerAuthor.size() && textsPerAuthor[row] > 0;
    }
};

// Builds the store: every buffer in one linear pass.
CorpusStore build_corpus_store(const std::vector<CorpusRow>& corpus,
                               const std::vector<RegisterRow>& authors);

// The row text of a stored text: trailing blanks removed, one blank appended.
std::string stored_row(std::string_view text);

} // namespace zapt
