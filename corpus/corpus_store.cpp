#include "corpus/corpus_store.h"

#include "corpus/text.h"

#include <unordered_map>

namespace zapt {

std::string stored_row(std::string_view text) {
    std::string row(trim_trailing_blanks(text));
    row += ' ';
    return row;
}

CorpusStore build_corpus_store(const std::vector<CorpusRow>& corpus,
                               const std::vector<RegisterRow>& authors) {
    CorpusStore s;
    s.texts.reserve(corpus.size());
    s.lstTextAuthors.reserve(corpus.size());
    s.lstTextList.reserve(corpus.size());
    std::size_t total = 0;
    for (const CorpusRow& row : corpus) total += row.text.size() + 1;
    s.Text1.reserve(total);

    for (const CorpusRow& row : corpus) {
        s.texts.push_back(row.text);
        s.lstTextAuthors.push_back(row.author);
        s.lstTextList.push_back(stored_row(row.text));
        // Each text followed by one blank, every run of blanks reduced to one.
        append_cleaned(s.Text1, row.text, CharSet(""));
        append_cleaned(s.Text1, " ", CharSet(""));
    }

    static constexpr CharSet kClean(kCorpusCleaningSet);
    s.Text2.reserve(s.Text1.size());
    append_cleaned(s.Text2, s.Text1, kClean, /*crlf=*/true);

    // Texts per author: a name matches when it equals the register name without
    // regard to case, as a whole.
    std::unordered_map<std::string, int> per_name;
    for (const std::string& name : s.lstTextAuthors) {
        std::string key;
        key.reserve(name.size());
        for (char c : name) key += fold_case(c);
        ++per_name[key];
    }
    for (const RegisterRow& a : authors) {
        s.lstAuthorCode.push_back(a.code);
        s.lstCodeName.push_back(a.name);
        std::string key;
        for (char c : a.name) key += fold_case(c);
        auto it = per_name.find(key);
        int n = it == per_name.end() ? 0 : it->second;
        s.textsPerAuthor.push_back(n);
        s.lstNumOfTextsPerAuthor.push_back(std::to_string(n));
    }
    return s;
}

} // namespace zapt
