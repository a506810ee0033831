#include "corpus/data_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zapt {
namespace {

// Runs `read` and returns the error it raised, so each case can check that the
// message names the file, the line and the rule.
template <class F> DataError error_of(F&& read) {
    try {
        read();
    } catch (const DataError& e) {
        return e;
    }
    ADD_FAILURE() << "no DataError raised";
    return DataError("", 0, "");
}

TEST(DataReader, CorpusLinesBreakingARuleNameTheLineAndRule) {
    const struct {
        const char* content;
        int line;
        const char* rule_part;
    } cases[] = {
        {"{\"author\":\"A\",\"text\":\"ok\"}\n{\"author\":\"B\",\"text\":\"50% off\"}\n", 2,
         "\"%\""},
        {"{\"author\":\"A\",\"text\":\"a\\nb\"}\n", 1, "line break"},
        {"{\"author\":\"A\",\"text\":\"ok\"}\n{\"author\":\"A\"}\n", 2, "missing field \"text\""},
        {"{\"author\":\"A\",\"text\":\"ok\"}\n{\"author\":\"A\",\"text\":\"ok\"\n", 2,
         "not valid JSON"},
        {"{\"author\":\"A\",\"text\":\"\xE4\xB8\xAD\"}\n", 1, "Windows-1252"},
        {"{\"author\":\"A\",\"text\":\"\"}\n", 1, "empty"},
        {"{\"author\":7,\"text\":\"ok\"}\n", 1, "must be a string"},
        {"{\"author\":\"A\",\"text\":\"ok\"}\n\n{\"author\":\"A\",\"text\":\"ok\"}\n", 2,
         "empty line"},
        {"", 1, "empty"},
    };
    for (const auto& c : cases) {
        DataError e = error_of([&] { read_corpus("data/corpus.jsonl", c.content); });
        EXPECT_EQ(e.file(), "data/corpus.jsonl");
        EXPECT_EQ(e.line(), c.line) << c.content;
        EXPECT_NE(e.rule().find(c.rule_part), std::string::npos) << e.what();
    }
}

// A corpus file large enough to be read in two halves: `lines` lines, line n
// (from 1) by author "A<n % 7>" with the text "text <n>", and `broken` lines
// replaced by what is given.
std::string large_corpus(int lines, const std::vector<std::pair<int, std::string>>& broken = {}) {
    std::string out;
    for (int n = 1; n <= lines; ++n) {
        std::string line = "{\"author\": \"A" + std::to_string(n % 7) + "\", \"text\": \"text " +
                           std::to_string(n) + " and some more words to make it long enough\"}";
        for (const auto& [at, with] : broken) {
            if (at == n) line = with;
        }
        out += line + "\n";
    }
    return out;
}

TEST(DataReader, ALargeCorpusReadsInHalvesAsInOneGo) {
    constexpr int kLines = 80000; // about 6 MB
    const std::string content = large_corpus(kLines);
    ASSERT_GT(content.size(), 4u << 20);
    const auto rows = read_corpus("c", content, DataOrigin::Loaded);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kLines));
    for (int n : {1, kLines / 2, kLines / 2 + 1, kLines}) {
        EXPECT_EQ(rows[static_cast<std::size_t>(n - 1)].author, "A" + std::to_string(n % 7));
        EXPECT_EQ(rows[static_cast<std::size_t>(n - 1)].text,
                  "text " + std::to_string(n) + " and some more words to make it long enough");
    }
    // Without the final line break, and with CR/LF line ends.
    EXPECT_EQ(read_corpus("c", content.substr(0, content.size() - 1), DataOrigin::Loaded).size(),
              rows.size());
    std::string crlf;
    for (char c : content) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(read_corpus("c", crlf, DataOrigin::Loaded).size(), rows.size());
}

TEST(DataReader, ALargeCorpusNamesTheFirstBrokenLineOfEitherHalf) {
    constexpr int kLines = 80000;
    // A text a corpus may not hold: an invalid UTF-8 byte.
    const std::string bad = "{\"author\": \"A\", \"text\": \"50\xFF off\"}";
    const struct {
        std::vector<std::pair<int, std::string>> broken;
        int line;
        const char* rule_part;
    } cases[] = {
        {{{70000, bad}}, 70000, "invalid UTF-8"},           // in the second half only
        {{{100, bad}, {70000, bad}}, 100, "invalid UTF-8"}, // in both: the first
        {{{39999, ""}}, 39999, "empty line"},               // an empty line near the middle
        {{{40000, ""}}, 40000, "empty line"},
        {{{40001, ""}}, 40001, "empty line"},
        {{{kLines, "{\"author\": 1}"}}, kLines, "must be a string"}, // the very last line
    };
    for (const auto& c : cases) {
        const std::string content = large_corpus(kLines, c.broken);
        DataError e = error_of([&] { read_corpus("c", content, DataOrigin::Loaded); });
        EXPECT_EQ(e.line(), c.line);
        EXPECT_NE(e.rule().find(c.rule_part), std::string::npos) << e.what();
    }
    // An empty line standing exactly where the file is halved: the first half
    // ends with it, and it is still no final line break.
    const std::string half = large_corpus(40000);
    std::string rest = large_corpus(39999);
    const std::string head = "{\"author\": \"B\", \"text\": \"";
    const std::size_t pad = half.size() - 1 - rest.size() - head.size() - 3;
    rest += head + std::string(pad, 'x') + "\"}\n";
    ASSERT_EQ(rest.size(), half.size() - 1);
    DataError e = error_of([&] { read_corpus("c", half + "\n" + rest, DataOrigin::Loaded); });
    EXPECT_EQ(e.line(), 40001);
    EXPECT_NE(e.rule().find("empty line"), std::string::npos) << e.what();

    // Cancelling while the halves are read stops the load without a DataError.
    const std::string content = large_corpus(kLines);
    int calls = 0;
    EXPECT_THROW(read_corpus("c", content, DataOrigin::Loaded, [&](double) { return ++calls < 2; }),
                 LoadCancelled);
}

// A register of the usual shape is read by a quick reader; any other shape
// (here a number among the fields) by the full JSON parser. Both give the
// same rows and name the same line and rule.
TEST(DataReader, RegisterReadsTheSameQuicklyAndInFull) {
    auto row = [](const std::string& code, const std::string& age, const std::string& extra) {
        return "{\"code\": \"" + code + "\", \"name\": \"Ann \xC3\xA9 \\\"Jo\\\"\", \"age\": \"" +
               age + "\",\n \"gender\": \"F\", \"education\": \"U\", \"nativeLanguage\": \"E\"" +
               extra + "}";
    };
    const struct {
        std::vector<std::pair<std::string, std::string>> rows; // code, age
        int line;
        const char* rule_part; // empty: no error
    } cases[] = {
        {{{"001", "30"}, {"002", "41"}, {"003", "17"}}, 0, ""},
        {{{"001", "30"}, {"002", "4x"}}, 4, "whole number"},
        {{{"001", "30"}, {"001", "41"}}, 4, "used twice"},
        {{{"001", "30"}, {"", "41"}}, 4, "may not be empty"},
    };
    for (const auto& c : cases) {
        std::string quick = "[\n", full = "[\n";
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const char* sep = i + 1 < c.rows.size() ? ",\n" : "\n";
            quick += row(c.rows[i].first, c.rows[i].second, "") + sep;
            full += row(c.rows[i].first, c.rows[i].second, i == 0 ? ", \"n\": 1" : "") + sep;
        }
        quick += "]\n";
        full += "]\n";
        if (*c.rule_part == '\0') {
            const auto a = read_register("r", quick, DataOrigin::Loaded);
            const auto b = read_register("r", full, DataOrigin::Loaded);
            ASSERT_EQ(a.size(), c.rows.size());
            ASSERT_EQ(b.size(), a.size());
            for (std::size_t i = 0; i < a.size(); ++i) {
                EXPECT_EQ(a[i].code, b[i].code);
                EXPECT_EQ(a[i].name, "Ann \xC3\xA9 \"Jo\"");
                EXPECT_EQ(b[i].name, a[i].name);
                EXPECT_EQ(a[i].age, b[i].age);
                EXPECT_EQ(a[i].nativeLanguage, b[i].nativeLanguage);
            }
            continue;
        }
        for (const std::string* doc : {&quick, &full}) {
            DataError e = error_of([&] { read_register("r", *doc, DataOrigin::Loaded); });
            EXPECT_EQ(e.line(), c.line) << *doc;
            EXPECT_NE(e.rule().find(c.rule_part), std::string::npos) << e.what();
        }
    }
}

TEST(DataReader, CorpusKeepsTextsExactly) {
    auto rows = read_corpus("c", "{\"author\":\"Ann\",\"text\":\" it\xE2\x80\x99s \xC2\xA3"
                                 "5  \"}\r\n");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].author, "Ann");
    EXPECT_EQ(rows[0].text, " it\xE2\x80\x99s \xC2\xA3"
                            "5  ");
}

TEST(DataReader, RegisterRules) {
    const char* row =
        R"({"code":"001","name":"A","age":"30","gender":"F","education":"U","nativeLanguage":"E"})";
    std::string good = std::string("[\n") + row + "\n]";
    EXPECT_EQ(read_register("r", good).size(), 1u);

    const struct {
        std::string content;
        int line;
        const char* rule_part;
    } cases[] = {
        {std::string("[\n") + row + ",\n" + row + "\n]", 3, "used twice"},
        {"[\n{\"code\":\"1\",\"name\":\"A\",\"age\":\"3\",\"gender\":\"F\",\"education\":\"U\","
         "\"nativeLanguage\":\"E\"}\n]",
         2, "three decimal digits"},
        {"[\n{\"code\":\"002\",\"name\":\"A\",\"age\":\"3.5\",\"gender\":\"F\",\"education\":\"U\","
         "\"nativeLanguage\":\"E\"}\n]",
         2, "whole number"},
        {"[\n{\"code\":\"002\",\"name\":\"A\",\"age\":\"30\",\"gender\":\"F\",\"education\":\"U\"}"
         "\n]",
         2, "nativeLanguage"},
        {"{\"code\":\"001\"}", 1, "array"},
        {"[\n" + std::string(row) + ",\n]", 3, "not valid JSON"},
        {"[]", 1, "empty"},
    };
    for (const auto& c : cases) {
        DataError e = error_of([&] { read_register("data/register.json", c.content); });
        EXPECT_EQ(e.line(), c.line) << c.content;
        EXPECT_NE(e.rule().find(c.rule_part), std::string::npos) << e.what();
    }
}

TEST(DataReader, GlossaryRules) {
    auto g = read_glossary(
        "g",
        "{\"forms\": [\"cu\", \"wiv\", \"texn\"], \"interpretations\": [\"see you\", \"with\"]}");
    EXPECT_EQ(g.forms.size(), 3u);
    EXPECT_EQ(g.interpretations.size(), 2u);

    DataError more = error_of([] {
        read_glossary("data/glossary.json",
                      "{\"forms\": [\n\"cu\"\n],\n\"interpretations\": [\n\"see you\",\n\"x\"\n]}");
    });
    EXPECT_EQ(more.line(), 6);
    EXPECT_NE(more.rule().find("more interpretations"), std::string::npos);

    DataError missing = error_of([] { read_glossary("g", "{\"forms\": [\"cu\"]}"); });
    EXPECT_NE(missing.rule().find("interpretations"), std::string::npos);

    DataError bad = error_of(
        [] { read_glossary("g", "{\"forms\": [\n\"cu\",\n7\n], \"interpretations\": []}"); });
    EXPECT_EQ(bad.line(), 3);
}

TEST(DataReader, VariantFamiliesMustMatchTheWindowsLists) {
    DataError few = error_of([] {
        read_variants("data/variants.json", "[\n{\"list\":\"lstBeen\",\"stem\":\"Been\","
                                            "\"captionLabel\":\"Label92\",\"caption\":\"B\","
                                            "\"items\":[\"b\"]}\n]");
    });
    EXPECT_NE(few.rule().find("exactly 16"), std::string::npos);
    DataError wrong = error_of([] {
        std::string s = "[\n";
        for (int i = 0; i < 16; ++i) {
            s += std::string(i ? ",\n" : "") +
                 "{\"list\":\"lstX\",\"stem\":\"X\",\"captionLabel\":\"L\","
                 "\"caption\":\"c\",\"items\":[\"x\"]}";
        }
        read_variants("v", s + "\n]");
    });
    EXPECT_EQ(wrong.line(), 2);
    EXPECT_NE(wrong.rule().find("lstBeen"), std::string::npos);
}

} // namespace
} // namespace zapt
