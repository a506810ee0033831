// Emoticons as pieces of their own: where a chunk is read as emoticons and
// where not, the list's reading, and the index, concordance and word list
// over them.
#include "explore/concordance.h"
#include "explore/emoticons.h"
#include "explore/word_list.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

using testing::ExploreCorpus;
using testing::writer;

std::vector<std::string> pieces_of(std::string_view text, const EmoticonList& list) {
    std::vector<std::string> out;
    for (std::string_view p : text_pieces(text, list)) out.emplace_back(p);
    return out;
}

TEST(ExploreEmoticons, WhereAChunkIsReadAsEmoticons) {
    using V = std::vector<std::string>;
    struct Case {
        std::string text;
        V pieces;
    };
    const std::vector<Case> cases = {
        // Alone, with closing marks, several written together, repeated mouths.
        {":) ok :-)", {":)", "ok", ":-)"}},
        {":P and :D. :(, ;-)!!", {":P", "and", ":D", ":(", ";-)"}},
        {":-))) xDDD <333 ^^^ :'(((", {":-)))", "xDDD", "<333", "^^^", ":'((("}},
        {":):( <3<3 :D:P", {":)", ":(", "<3", "<3", ":D", ":P"}},
        {"we :o) x T_T -_-", {"we", ":o)", "x", "T_T", "-_-"}},
        {"XD xd Xd", {"XD", "xd", "Xd"}},
        // Glued to a word (letters of any script), after marks.
        {"ok:) hehe:P!! love<3", {"ok", ":)", "hehe", ":P", "love", "<3"}},
        {"ok...:) idk:/ \xC4\xB0:)", {"ok", ":)", "idk", ":/", "\xC4\xB0", ":)"}},
        {"ok:):( fine^^", {"ok", ":)", ":(", "fine", "^^"}},
        // Never: times, ratios, addresses, words with "xd" inside, a lone mark.
        {"10:30 5:3 at 8:)", {"10", "30", "5", "3", "at", "8"}},
        {"http://x.com http:// https://a.b/c",
         {"http", "x", "com", "http", "https", "a", "b", "c"}},
        {"xDrive boxD lolxD", {"xDrive", "boxD", "lolxD"}},
        {"re: yes (ok): f(x) :", {"re", "yes", "ok", "f", "x"}},
        {":)ok", {"ok"}},
        // Placeholders of anonymised corpora are pieces already.
        {"<#> <DECIMAL>", {"<#>", "<DECIMAL>"}},
        // A chunk longer than any emoticon chunk is cleaned.
        {std::string(EmoticonList::kMaxChunk, 'a') + ":)",
         {std::string(EmoticonList::kMaxChunk, 'a')}},
    };
    const EmoticonList& list = EmoticonList::builtin();
    for (const Case& c : cases) {
        EXPECT_EQ(pieces_of(c.text, list), c.pieces) << c.text;
        // Without a list, the pieces of the cleaned text.
        std::vector<std::string> plain;
        for (std::string_view p : text_pieces(c.text)) plain.emplace_back(p);
        EXPECT_EQ(pieces_of(c.text, EmoticonList()), plain) << c.text;
    }
    EXPECT_EQ(piece_form(":P"), ":p");
    EXPECT_EQ(piece_form("XD"), piece_form("xd"));
}

TEST(ExploreEmoticons, ListsReadFromText) {
    std::string error;
    const auto list =
        EmoticonList::parse("# my list\n\n  :-)  \r\n:P\n:p\n#\n<3\n", "mine", &error);
    ASSERT_TRUE(list) << error;
    EXPECT_EQ(list->entries(), (std::vector<std::string>{":-)", ":P", "<3"}));
    EXPECT_EQ(list->describe(), "mine (3 emoticons)");
    EXPECT_EQ(EmoticonList().describe(), "none");
    EXPECT_EQ(list->match(":-))) x"), 5u);
    EXPECT_EQ(list->match(":pp"), 3u);
    EXPECT_EQ(list->match(":)"), 0u);
    EXPECT_TRUE(list->only_emoticons(":-)<3"));
    EXPECT_FALSE(list->only_emoticons(":-)x"));
    EXPECT_FALSE(list->only_emoticons(""));
    // An entry starting with a capital letter is found in either case.
    const auto capital = EmoticonList::parse("D:\n", "capital", &error);
    ASSERT_TRUE(capital);
    EXPECT_EQ(pieces_of("D: d: oD:", *capital), (std::vector<std::string>{"D:", "d:", "oD"}));

    struct Bad {
        std::string text, message;
    };
    const Bad bad[] = {
        {":)\n: )\n", "mine, line 2: \": )\" holds a blank"},
        {":)\n" + std::string(EmoticonList::kMaxLength + 1, ')') + "\n",
         "mine, line 2: an emoticon of more than"},
        {":\xFF)\n", "not UTF-8"},
    };
    for (const Bad& b : bad) {
        error.clear();
        EXPECT_FALSE(EmoticonList::parse(b.text, "mine", &error)) << b.text;
        EXPECT_NE(error.find(b.message), std::string::npos) << "[" << error << "]";
    }
    EXPECT_FALSE(EmoticonList::read_file("/nonexistent/emoticons.txt", &error));
    EXPECT_NE(error.find("cannot be read"), std::string::npos);
    // The built-in list reads, holding the forms a texting corpus needs.
    const EmoticonList& builtin = EmoticonList::builtin();
    EXPECT_GT(builtin.size(), 40u);
    for (const char* e : {":)", ":-)", ";)", ":D", ":P", "xD", "<3", "^^", "><", ":(", ":'(", ":O",
                          ":S", ":/", "=)"}) {
        EXPECT_EQ(builtin.match(e), std::string_view(e).size()) << e;
    }
    EXPECT_NE(builtin.describe().find("built-in list"), std::string::npos);
}

TEST(ExploreEmoticons, CountedAndFoundByTheTools) {
    // ":P" was the word "P" and ":)" nothing at all.
    ExploreCorpus x({writer("1", "a"), writer("2", "b")}, {{"a", "see you there :) x"},
                                                           {"a", "ok:) see you soon"},
                                                           {"b", "that was funny :P ha ha ha"},
                                                           {"b", "P is a letter"}});
    const long long smile = x->find(":)");
    ASSERT_GE(smile, 0);
    EXPECT_EQ(x->total(static_cast<std::uint32_t>(smile)).count, 2u);
    EXPECT_EQ(x->total(static_cast<std::uint32_t>(x->find("p"))).count, 1u);
    EXPECT_EQ(x->total(static_cast<std::uint32_t>(x->find(":p"))).count, 1u);
    EXPECT_EQ(x->textLength(1), 5u); // ok :) see you soon

    const Concordance c = concordance(*x, literal_pattern(":)"), 2);
    EXPECT_EQ(c.hits, 2u);
    ASSERT_EQ(c.lines.size(), 2u);
    EXPECT_EQ(line_hit(*x, c.lines[0]), (std::vector<std::string>{":)"}));
    EXPECT_EQ(line_left(*x, c.lines[1]), (std::vector<std::string>{"ok"}));
    // A typed pattern finds the emoticon as well.
    EXPECT_EQ(concordance(*x, compile_pattern(":P"), 1).hits, 1u);

    const WordList list = word_list(*x, whole_scope(*x), GlossaryForms(), nullptr, {});
    std::map<std::string, std::uint64_t> counts;
    for (const WordListRow& r : list.rows) counts[r.form] = r.count;
    EXPECT_EQ(counts[":)"], 2u);
    EXPECT_EQ(counts[":P"], 1u);
    EXPECT_EQ(counts["P"], 1u);

    // With the empty list the index is the cleaned text's, piece for piece.
    ExploreCorpus plain({writer("1", "a")}, {{"a", "ok:) :P x"}});
    const FormIndex none(plain.store, plain.authors, EmoticonList());
    ASSERT_EQ(none.pieceCount(), 3u);
    EXPECT_EQ(none.pieceText(0), "ok");
    EXPECT_EQ(none.pieceText(1), "P");
    EXPECT_EQ(none.pieceText(2), "x");
    EXPECT_EQ(none.emoticons().size(), 0u);
}

} // namespace
} // namespace zapt
