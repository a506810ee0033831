#include "corpus/corpus_store.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

std::vector<RegisterRow> two_authors() {
    return {{"060", "Ann", "14", "M", "G", "E"}, {"001", "Bob", "30", "F", "U", "E"}};
}

TEST(CorpusStore, BuffersKeepBlanksAndPunctuationAsDescribed) {
    std::vector<CorpusRow> corpus = {
        {"Ann", "Hi, how r u?"},   // punctuation kept in the corpus text
        {"bob", "OK.c u  2day  "}, // inner double blank, two trailing blanks
        {"Zed", " hi there"},      // leading blank; an author of no register row
        {"BOB", "a/b (c) \"d\" it's"},
    };
    CorpusStore s = build_corpus_store(corpus, two_authors());
    ASSERT_EQ(s.rows.size(), 4u);
    EXPECT_EQ(s.rows[0], "Hi, how r u? ");
    EXPECT_EQ(s.rows[1], "OK.c u  2day "); // inner blanks stay, one trailing blank
    EXPECT_EQ(s.rows[2], " hi there ");    // leading blank stays
    EXPECT_EQ(s.corpusText, "Hi, how r u? OK.c u 2day hi there a/b (c) \"d\" it's ");
    EXPECT_EQ(s.cleanedText, "Hi how r u OK c u 2day hi there a b c d it's ");
    EXPECT_EQ(s.corpusTextCount(), 4);
    // Names match without regard to case; "Zed" belongs to no author.
    EXPECT_EQ(s.textsPerAuthorCaptions, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(s.authorCodes, (std::vector<std::string>{"060", "001"}));
}

TEST(CorpusStore, NameMatchingIsWholeStringWithoutTrimming) {
    std::vector<CorpusRow> corpus = {{"Ann ", "x"}, {"An", "y"}, {"aNN", "z"}};
    CorpusStore s = build_corpus_store(corpus, two_authors());
    EXPECT_EQ(s.textsPerAuthor, (std::vector<int>{1, 0}));
    EXPECT_FALSE(s.authorHasTexts(1));
    EXPECT_FALSE(s.authorHasTexts(7));
}

} // namespace
} // namespace zapt
