// Reading a corpus from a folder: the files it needs and may do without, the
// messages naming file and line, the wider rules of loaded data, progress and
// cancelling.
#include "corpus/data_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zapt {
namespace {

namespace fs = std::filesystem;

std::string register_row(const std::string& code, const std::string& name = "Ann") {
    return "{\"code\":\"" + code + "\",\"name\":\"" + name +
           "\",\"age\":\"30\",\"gender\":\"F\",\"education\":\"U\",\"nativeLanguage\":\"E\"}";
}

// A fresh folder under the system's temporary folder, removed afterwards.
struct Folder {
    fs::path dir;
    explicit Folder(const std::string& name)
        : dir(fs::temp_directory_path() /
              ("zapt_data_dir_" + name + "_" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()))) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    void write(const std::string& file, const std::string& content) const {
        std::ofstream(dir / file, std::ios::binary) << content;
    }
    std::string path(const std::string& file) const { return (dir / file).string(); }
};

void write_good(const Folder& f) {
    f.write("register.json",
            "[\n" + register_row("12345") + ",\n" + register_row("7", "Bo") + "\n]\n");
    f.write("corpus.jsonl", "{\"author\": \"Ann\", \"text\": \"hi there\"}\n"
                            "{\"text\": \"it\\u2019s \\\"ok\\\"\", \"author\": \"BO\"}\n");
}

template <class F> DataError error_of(F&& read) {
    try {
        read();
    } catch (const DataError& e) {
        return e;
    }
    ADD_FAILURE() << "no DataError raised";
    return DataError("", 0, "");
}

TEST(DataDir, GoodFolderWithoutOptionalFilesUsesTheBuiltInOnes) {
    Folder f("good");
    write_good(f);
    DataSet d = load_data_dir(f.dir.string());
    ASSERT_EQ(d.authors.size(), 2u);
    EXPECT_EQ(d.authors[0].code, "12345");
    EXPECT_EQ(d.authors[1].code, "7");
    ASSERT_EQ(d.corpus.size(), 2u);
    EXPECT_EQ(d.corpus[0].text, "hi there");
    EXPECT_EQ(d.corpus[1].author, "BO");
    EXPECT_EQ(d.corpus[1].text, "it\xE2\x80\x99s \"ok\"");
    DataSet builtin = load_builtin_data();
    EXPECT_EQ(d.glossary.forms, builtin.glossary.forms);
    EXPECT_EQ(d.glossary.interpretations, builtin.glossary.interpretations);
    ASSERT_EQ(d.variants.size(), 16u);
    EXPECT_EQ(d.variants[0].items, builtin.variants[0].items);

    // A glossary of its own replaces the built-in one, and may be of any size.
    f.write("glossary.json", R"({"forms": ["cu", "wiv"], "interpretations": ["see you"]})");
    d = load_data_dir(f.dir.string());
    EXPECT_EQ(d.glossary.forms, (std::vector<std::string>{"cu", "wiv"}));
}

TEST(DataDir, BrokenOrMissingFilesNameTheFileAndLine) {
    const std::string variants_ok = [] {
        std::string s = "[\n";
        DataSet b = load_builtin_data();
        for (std::size_t i = 0; i < b.variants.size(); ++i) {
            s += std::string(i ? ",\n" : "") + "{\"list\":\"" + b.variants[i].list +
                 "\",\"stem\":\"" + b.variants[i].stem +
                 "\",\"captionLabel\":\"L\",\"caption\":\"c\",\"items\":[\"x\"]}";
        }
        return s + "\n]\n";
    }();
    const struct {
        const char* file;
        std::string content; // empty: the file is removed
        int line;
        const char* rule_part;
    } cases[] = {
        {"register.json", "[\n" + register_row("1") + ",\n" + register_row("1") + "\n]", 3,
         "used twice"},
        {"register.json", "[\n" + register_row("") + "\n]", 2, "code may not be empty"},
        {"register.json", "", 1, "missing"},
        {"corpus.jsonl",
         "{\"author\":\"Ann\",\"text\":\"a\"}\n{\"author\":\"Ann\",\"text\":\"5\xFF\"}\n", 2,
         "invalid UTF-8"},
        {"corpus.jsonl", "{\"author\":\"Ann\",\"text\":\"a\"}\n{\"author\":\"Ann\"\n", 2,
         "not valid JSON"},
        {"corpus.jsonl", "", 1, "missing"},
        {"glossary.json", "{\"forms\": [\n\"cu\",\n\"\"\n], \"interpretations\": []}", 3,
         "form may not be empty"},
        {"variants.json", variants_ok.substr(0, variants_ok.rfind(",\n")) + "\n]", 1, "exactly 16"},
    };
    for (const auto& c : cases) {
        Folder f("broken");
        write_good(f);
        f.write("variants.json", variants_ok);
        if (c.content.empty())
            fs::remove(f.dir / c.file);
        else
            f.write(c.file, c.content);
        DataError e = error_of([&] { load_data_dir(f.dir.string()); });
        EXPECT_EQ(e.file(), f.path(c.file));
        EXPECT_EQ(e.line(), c.line) << c.file << ": " << e.what();
        EXPECT_NE(e.rule().find(c.rule_part), std::string::npos) << e.what();
    }
    DataError none = error_of([] { load_data_dir("/nonexistent/zapt-folder"); });
    EXPECT_NE(none.rule().find("not a folder"), std::string::npos);
}

TEST(DataDir, LoadedDataDropsTheLimitsOfTheBuiltInSample) {
    // A five-digit code.
    std::string reg = "[\n" + register_row("12345") + "\n]";
    EXPECT_EQ(read_register("r", reg, DataOrigin::Loaded)[0].code, "12345");
    DataError three = error_of([&] { read_register("r", reg); });
    EXPECT_NE(three.rule().find("three decimal digits"), std::string::npos);

    // 32,768 texts and 32,768 authors.
    std::string corpus, many = "[\n";
    for (int i = 0; i < 32768; ++i) {
        corpus += "{\"author\":\"Ann\",\"text\":\"hi\"}\n";
        many += (i ? ",\n" : "") + register_row(std::to_string(i));
    }
    many += "\n]";
    EXPECT_EQ(read_corpus("c", corpus, DataOrigin::Loaded).size(), 32768u);
    EXPECT_EQ(read_register("r", many, DataOrigin::Loaded).size(), 32768u);
    DataError rows = error_of([&] { read_corpus("c", corpus); });
    EXPECT_NE(rows.rule().find("more than 32767 rows"), std::string::npos);
    EXPECT_EQ(rows.line(), 32768);
}

TEST(DataDir, QuickAndFullReadingOfCorpusLinesAgree) {
    // Lines of the usual shape take the quick path; the others (escapes of
    // every kind, extra fields, other spacing) the full parser. Both must give
    // the same rows.
    const struct {
        const char* line;
        const char* author;
        const char* text;
    } cases[] = {
        {R"({"author": "Ann", "text": "a b  "})", "Ann", "a b  "},
        {R"({"text":"x","author":"Bo"})", "Bo", "x"},
        // A tab in a text of the user's own reads as a blank.
        {R"(  { "author" : "A\"B" , "text" : "c\\d\/e\te" }  )", "A\"B", "c\\d/e e"},
        {R"({"author": "A", "text": "\u00a35 caf\u00e9"})", "A",
         "\xC2\xA3"
         "5 caf\xC3\xA9"},
        {R"({"author": "A", "text": "\u00a35", "extra": 1})", "A",
         "\xC2\xA3"
         "5"},
        {"{\"author\": \"A\", \"text\": \"\xE2\x80\x9Cq\xE2\x80\x9D\"}", "A",
         "\xE2\x80\x9Cq\xE2\x80\x9D"},
        // Any script, emoji, "%" and line breaks (as blanks) in a corpus of the user's own.
        {"{\"author\": \"A\", \"text\": \"50% \xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD \xE4\xB8\xAD\"}",
         "A", "50% \xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD \xE4\xB8\xAD"},
        {R"({"author": "A", "text": "a\r\nb\nc"})", "A", "a b c"},
    };
    for (const auto& c : cases) {
        auto rows = read_corpus("c", std::string(c.line) + "\n", DataOrigin::Loaded);
        ASSERT_EQ(rows.size(), 1u) << c.line;
        EXPECT_EQ(rows[0].author, c.author) << c.line;
        EXPECT_EQ(rows[0].text, c.text) << c.line;
    }
    // A duplicated field is the full parser's to judge, never a quick guess.
    EXPECT_EQ(read_corpus("c",
                          R"({"author":"A","author":"B","text":"t"})"
                          "\n",
                          DataOrigin::Loaded)[0]
                  .author,
              "B");
}

TEST(DataDir, ProgressRisesToOneAndCancellingIsNotADataError) {
    Folder f("progress");
    write_good(f);
    std::string corpus;
    for (int i = 0; i < 40000; ++i) corpus += "{\"author\":\"Ann\",\"text\":\"hi\"}\n";
    f.write("corpus.jsonl", corpus);
    std::vector<double> seen;
    load_data_dir(f.dir.string(), [&](double x) {
        seen.push_back(x);
        return true;
    });
    ASSERT_GE(seen.size(), 4u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.front(), 0.0);
    EXPECT_EQ(seen.back(), 1.0);

    int calls = 0;
    EXPECT_THROW(load_data_dir(f.dir.string(), [&](double x) { return ++calls < 3 && x < 0.5; }),
                 LoadCancelled);
    EXPECT_EQ(calls, 3);
}

} // namespace
} // namespace zapt
