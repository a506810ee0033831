// The settings kept with each corpus between sessions: written to and read
// from a folder of the test's own, never the user's.
#include "app/corpus_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zapt {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
    fs::path path;
    TempFolder() {
        path =
            fs::temp_directory_path() /
            ("zapt_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
};

std::string slurp(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The options as one line, to compare them whole.
std::string shown(const CorpusOptions& o) {
    std::string s =
        o.path + "|" + o.bands + "|" + o.glossary + "|" + o.families + "|" + o.table.encoding + "|";
    for (const auto& [f, c] : o.table.map) s += f + "=" + c + ";";
    s += "|";
    for (const auto& c : o.table.textFields) s += c + ";";
    s += "|";
    for (const auto& c : o.table.authorFields) s += c + ";";
    return s;
}

TEST(CorpusSettings, KeptPerCorpusAndReadBack) {
    TempFolder tmp;
    const SettingsStore store(tmp / "config/zapt");
    fs::create_directories(tmp.path / "corpora");
    std::ofstream(tmp / "corpora/sms.csv") << "author,text\nann,hi\n";
    std::ofstream(tmp / "glossary.csv") << "form,interpretation\nu,you\n";

    CorpusSettings table;
    table.options.path = tmp / "corpora/../corpora/sms.csv";
    table.options.bands = "16-20,21-30,31+";
    table.options.glossary = tmp / "corpora/../glossary.csv";
    table.options.table.encoding = "windows-1252";
    table.options.table.textFields = {"id", "Date"};
    table.options.table.authorFields = {"country"};
    ASSERT_FALSE(add_column_mapping(table.options.table, "author=Sender ID"));
    ASSERT_FALSE(add_column_mapping(table.options.table, "text=Message"));
    table.subcorpora = {{"young women", "age=16-25; gender=F"}, {"Leeds", "town=Leeds"}};
    CorpusSettings builtin;
    builtin.options.families = tmp / "families.csv";
    builtin.subcorpora = {{"men", "gender=M"}};

    std::string error;
    ASSERT_TRUE(store.save(table, &error)) << error;
    ASSERT_TRUE(store.save(builtin, &error)) << error;
    EXPECT_TRUE(fs::exists(store.file()));
    EXPECT_EQ(store.file(), tmp / "config/zapt/corpora.json");

    // The corpus found by its absolute path however it is written, links followed.
    fs::create_symlink(tmp.path / "corpora", tmp.path / "link");
    for (const std::string& path :
         {tmp / "corpora/sms.csv", tmp / "link/sms.csv", tmp / "corpora/./sms.csv"}) {
        const auto got = store.load(path, &error);
        ASSERT_TRUE(got) << path << ": " << error;
        CorpusOptions want = table.options;
        want.path = SettingsStore::key(tmp / "corpora/sms.csv");
        want.glossary = SettingsStore::key(tmp / "glossary.csv");
        EXPECT_EQ(shown(got->options), shown(want)) << path;
        EXPECT_EQ(got->subcorpora, table.subcorpora);
    }
    const auto b = store.load("", &error);
    ASSERT_TRUE(b) << error;
    EXPECT_EQ(b->options.path, "");
    EXPECT_EQ(b->options.families, tmp / "families.csv");
    EXPECT_EQ(b->subcorpora, builtin.subcorpora);

    // Another corpus has none; opening options again keeps the subcorpora.
    EXPECT_FALSE(store.load(tmp / "other.csv", &error));
    EXPECT_EQ(error, "");
    CorpusOptions again = table.options;
    again.bands = "<20,20+";
    ASSERT_TRUE(store.saveOptions(again, &error)) << error;
    const auto after = store.load(table.options.path);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->options.bands, "<20,20+");
    EXPECT_EQ(after->subcorpora, table.subcorpora);
    EXPECT_EQ(store.load("")->subcorpora, builtin.subcorpora); // the other corpus untouched
}

TEST(CorpusSettings, AFileThatIsNotSettingsIsLeftAlone) {
    TempFolder tmp;
    const SettingsStore store(tmp / "zapt");
    fs::create_directories(tmp.path / "zapt");
    CorpusSettings s;
    s.options.path = tmp / "a.csv";
    const struct {
        const char* name;
        std::string content;
        bool loads; // the entry of a.csv can be read
    } cases[] = {
        {"not JSON", "{\"corpora\": {", false},
        {"another JSON file", "[1, 2, 3]", false},
        {"no corpora", "{\"version\": 1}", false},
        {"a broken entry",
         "{\"corpora\": {\"" + SettingsStore::key(tmp / "a.csv") + "\": {\"bands\": 5}}}", false},
        {"an unknown field name in a mapping left out",
         "{\"corpora\": {\"" + SettingsStore::key(tmp / "a.csv") +
             "\": {\"map\": [{\"field\": \"shoe\", \"column\": \"x\"}, "
             "{\"field\": \"text\", \"column\": \"Message\"}]}}}",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(store.file(), std::ios::trunc) << c.content;
        std::string error;
        const auto got = store.load(s.options.path, &error);
        EXPECT_EQ(got.has_value(), c.loads) << error;
        if (!c.loads) {
            EXPECT_NE(error, "");
        }
        if (got) {
            ASSERT_EQ(got->options.table.map.size(), 1u);
            EXPECT_EQ(got->options.table.map[0].first, "text");
            continue;
        }
        if (std::string(c.name) == "a broken entry") continue; // the file itself is settings
        EXPECT_FALSE(store.save(s, &error));
        EXPECT_NE(error.find("is not a file of the program's settings"), std::string::npos)
            << error;
        EXPECT_EQ(slurp(store.file()), c.content);
    }
    // A folder that cannot be made: said, not taken for done.
    std::ofstream(tmp / "file") << "x";
    const SettingsStore blocked(tmp / "file/zapt");
    std::string error;
    EXPECT_FALSE(blocked.save(s, &error));
    EXPECT_NE(error.find("cannot be made"), std::string::npos) << error;
    // No configuration folder at all.
    EXPECT_FALSE(SettingsStore("").save(s, &error));
    EXPECT_FALSE(SettingsStore("").load(s.options.path));
}

TEST(CorpusSettings, TheUsersConfigurationFolder) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string savedXdg = xdg ? xdg : "", savedHome = home ? home : "";
    const struct {
        const char *xdg, *home, *folder;
    } cases[] = {
        {"/x/config", "/home/u", "/x/config/zapt"},
        {nullptr, "/home/u", "/home/u/.config/zapt"},
        {"", "/home/u", "/home/u/.config/zapt"},
        {"relative/path", "/home/u", "/home/u/.config/zapt"}, // not absolute: ignored
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases) {
        c.xdg ? ::setenv("XDG_CONFIG_HOME", c.xdg, 1) : ::unsetenv("XDG_CONFIG_HOME");
        c.home ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(SettingsStore::default_folder(), c.folder);
    }
    xdg ? ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    home ? ::setenv("HOME", savedHome.c_str(), 1) : ::unsetenv("HOME");
}

} // namespace
} // namespace zapt
