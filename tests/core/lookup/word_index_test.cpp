// The store's word index answers as the one counting rule does: for every
// buffer and word, the index's count, word total and places agree with
// count_word and word_total read on the buffer itself, also for pieces beyond
// ASCII whose case folding changes their length, empty pieces and words that
// hold a blank; and so for every word of the built-in corpus's cleaned text.
#include "corpus/text.h"
#include "lookup/count_word.h"
#include "lookup/word_index.h"
#include "test_corpus.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zapt::testing {
namespace {

// Every start of an examined piece equal to `word` without regard to case, in
// text order, by the counting rule.
std::vector<std::uint32_t> places_by_rule(std::string_view buffer, std::string_view word) {
    std::vector<std::uint32_t> out;
    std::size_t start = 0;
    for_each_piece(buffer, [&](std::string_view piece) {
        if (count_word(std::string(piece) + " ", word) == 1)
            out.push_back(static_cast<std::uint32_t>(start));
        start += piece.size() + 1;
    });
    return out;
}

void expect_index_agrees(std::string_view buffer, const std::vector<std::string>& words) {
    const WordIndex index(buffer);
    EXPECT_EQ(index.total(), word_total(buffer));
    for (const std::string& word : words) {
        SCOPED_TRACE("\"" + std::string(buffer) + "\", \"" + word + "\"");
        EXPECT_EQ(index.count(word), count_word(buffer, word));
        if (word.find(' ') != std::string::npos) continue;
        const auto [from, to] = index.positions(word);
        EXPECT_EQ(std::vector<std::uint32_t>(from, to), places_by_rule(buffer, word));
    }
}

TEST(WordIndex, AgreesWithTheCountingRule) {
    const struct {
        std::string buffer;
        std::vector<std::string> words;
    } cases[] = {
        {"", {"", "a"}},
        {" ", {"", "a"}},                            // one empty piece
        {"a", {"a"}},                                // the part after the last blank
        {"a b a", {"a", "b"}},                       // the last "a" is not examined
        {"A a  a ", {"a", "A", "", "aa"}},           // an empty piece between two blanks
        {"bk, bk bk. ", {"bk", "bk,", "bk."}},       // marks stay part of the piece
        {"u U u2 2u ", {"u", "U", "u2", "2"}},       // whole pieces only
        {"a b ", {"a b", " ", "a "}},                // a word with a blank counts nothing
        {"\xC3\x89T\xC3\x89 \xC3\xA9t\xC3\xA9 ete ", // ÉTÉ été: folded beyond ASCII
         {"\xC3\xA9t\xC3\xA9", "ETE", "ete"}},
        {"STRASSE stra\xC3\x9F"
         "e Strasse ", // "ß" folds to "ss": another length
         {"strasse",
          "STRA\xC3\x9F"
          "E",
          "stra"}},
        {"\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x9F\xCE\xA3 \xCF\x83\xCE\xBF\xCF\x86\xCE\xBF\xCF\x82 ",
         {"\xCF\x83\xCE\xBF\xCF\x86\xCE\xBF\xCF\x83"}}, // ΣΟΦΟΣ σοφος, final sigma
        {"\xF0\x9F\x98\x80 :) \xF0\x9F\x98\x80 ", {"\xF0\x9F\x98\x80", ":)"}}, // an emoji
    };
    for (const auto& c : cases) expect_index_agrees(c.buffer, c.words);
}

TEST(WordIndex, AgreesWithTheCountingRuleOnTheBuiltInCorpus) {
    const CorpusStore& s = builtin_corpus().store();
    std::set<std::string> distinct;
    for_each_piece(s.cleanedText, [&](std::string_view piece) { distinct.emplace(piece); });
    for (const std::string& form : builtin_corpus().lexicon().glossaryData.forms)
        distinct.insert(form);
    EXPECT_GT(distinct.size(), 1000u);
    const std::vector<std::string> words(distinct.begin(), distinct.end());
    EXPECT_EQ(s.cleanedIndex.total(), word_total(s.cleanedText));
    int sum = 0;
    std::set<std::string> folded;
    for (const std::string& word : words) {
        const int n = s.cleanedIndex.count(word);
        EXPECT_EQ(n, count_word(s.cleanedText, word)) << word;
        if (folded.insert(fold_text(word)).second) sum += n;
    }
    // Every word is counted under one folded key.
    EXPECT_EQ(sum, s.cleanedIndex.total());
}

} // namespace
} // namespace zapt::testing
