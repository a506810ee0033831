// The lexicon saved and read again: as JSON, as its decisions table, and
// through the glossary and families readers of --glossary and --families.
#include "corpus/table_reader.h"
#include "lexicon/lexicon_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zapt {
namespace {

namespace fs = std::filesystem;

Proposal proposal(std::string form, LexKind kind, std::vector<std::string> candidates) {
    Proposal p;
    p.form = form;
    p.shown = form == "tmr" ? "Tmr" : form;
    p.kind = kind;
    p.count = 3;
    p.authors = 2;
    double s = 0.9;
    for (std::string& c : candidates) {
        Candidate k;
        k.text = std::move(c);
        k.score = s;
        s -= 0.2;
        p.candidates.push_back(std::move(k));
    }
    return p;
}

Lexicon sample() {
    return Lexicon(
        {proposal("tmr", LexKind::Variant, {"tomorrow", "timer"}),
         proposal("2moro", LexKind::Variant, {"tomorrow"}),
         proposal("dont", LexKind::Variant, {"don't"}), proposal("lah", LexKind::Particle, {}),
         proposal("wot", LexKind::Variant, {"what"}), proposal("q,\"x", LexKind::Unresolved, {})},
        "sample");
}

// A lexicon with decisions of every sort and one kept family.
Lexicon decided() {
    Lexicon x = sample();
    x.accept("tmr");
    x.accept("2moro");
    x.acceptAs("dont", "do not, don't");
    x.accept("lah");
    x.reject("wot");
    x.acceptAs("q,\"x", "a \"quoted\", odd one");
    x.keepFamily(x.families().size() - 1);
    return x;
}

struct Scratch {
    fs::path dir;
    Scratch() {
        dir = fs::temp_directory_path() /
              ("zapt-lexicon-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Scratch() { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::string write(const std::string& name, const std::string& content) const {
        std::ofstream(path(name), std::ios::binary) << content;
        return path(name);
    }
};

TEST(LexiconFile, SavedLexiconReadsBackAsJsonAndAsItsTable) {
    Scratch s;
    const Lexicon x = decided();
    const LexiconOrigin origin{"folder /corpus", "british", 2};
    const SavedLexicon saved = save_lexicon(x, origin, s.path("lex"));
    ASSERT_EQ(saved.files.size(), 4u);
    for (const std::string& f : saved.files) EXPECT_TRUE(fs::exists(f)) << f;

    for (const std::string& file : {saved.files[0], saved.files[1]}) {
        const LexiconFile read = read_lexicon_file(file);
        Lexicon y = sample();
        apply_lexicon_file(y, read);
        EXPECT_EQ(y.decisions(), x.decisions()) << file;
        EXPECT_EQ(y.glossary().forms, x.glossary().forms) << file;
        EXPECT_EQ(y.glossary().interpretations, x.glossary().interpretations) << file;
        if (file == saved.files[0]) {
            // The JSON holds the user's families and where the lexicon came from.
            EXPECT_EQ(read.name, "sample");
            EXPECT_EQ(read.origin.corpus, "folder /corpus");
            EXPECT_EQ(read.origin.dictionary, "british");
            EXPECT_EQ(y.families(), x.families());
            EXPECT_EQ(y.keptFamilies().size(), 1u);
        }
    }
}

TEST(LexiconFile, SavedGlossaryAndFamiliesAreReadByTheProgramsLoaders) {
    Scratch s;
    const Lexicon x = decided();
    const SavedLexicon saved = save_lexicon(x, {}, s.path("lex"));
    const GlossaryData want = x.glossary();
    ASSERT_EQ(want.forms.size(), 5u); // Tmr, 2moro, dont, lah and the odd one
    EXPECT_EQ(want.interpretations[3], "discourse particle");
    // --glossary takes the lexicon's JSON and its glossary table alike.
    for (const std::string& file : {s.path("lex.json"), s.path("lex-glossary.csv")}) {
        const GlossaryData g = load_glossary_file(file);
        EXPECT_EQ(g.forms, want.forms) << file;
        EXPECT_EQ(g.interpretations, want.interpretations) << file;
    }
    const std::vector<VariantFamily> families = load_families_file(s.path("lex-families.csv"));
    ASSERT_EQ(families.size(), 1u);
    EXPECT_EQ(families[0].list, "lstTomorrow");
    EXPECT_EQ(families[0].items, (std::vector<std::string>{"tomorrow", "tmr", "2moro"}));
    EXPECT_EQ(families[0].items, x.keptFamilies()[0].items);

    // Nothing kept: no families file.
    Lexicon plain = sample();
    EXPECT_EQ(save_lexicon(plain, {}, s.path("plain")).files.size(), 3u);
    EXPECT_FALSE(fs::exists(s.path("plain-families.csv")));
}

TEST(LexiconFile, BrokenFilesNameTheFileLineAndRule) {
    Scratch s;
    const std::pair<const char*, const char*> table[] = {
        {"a.json", "{not json"},
        {"b.json", "[1, 2]"},
        {"c.json", R"({"decisions": [{"form": "x", "status": "maybe", "kind": "variant"}]})"},
        {"d.json", R"({"decisions": [{"form": "x", "status": "accepted", "kind": "noun"}]})"},
        {"e.json", R"({"decisions": [{"form": "", "status": "accepted", "kind": "name"}]})"},
        {"f.json", R"({"families": [{"name": "", "forms": []}]})"},
        {"g.json", R"({"families": [{"name": "a", "kept": "yes"}]})"},
        {"h.csv", "form,status,kind\nx,accepted,variant\n"},
        {"i.csv", "form,status,kind,interpretation\nx,accepted,variant\n"},
        {"j.csv", "form,status,kind,interpretation\nx,accepted,variant,\"open\n"},
        {"k.csv", ""},
    };
    for (const auto& [name, content] : table) {
        const std::string path = s.write(name, content);
        try {
            read_lexicon_file(path);
            ADD_FAILURE() << name << " was read";
        } catch (const DataError& e) {
            EXPECT_EQ(e.file(), path) << name;
            EXPECT_GE(e.line(), 1) << name;
            EXPECT_FALSE(e.rule().empty()) << name;
        }
    }
    EXPECT_THROW(read_lexicon_file(s.path("missing.json")), DataError);
    // Rows of a table as a spreadsheet may leave them: proposed rows decide nothing.
    const LexiconFile t = parse_lexicon_table("t.csv", "\xEF\xBB\xBF"
                                                       "Form,Status,Kind,Interpretation,count\r\n"
                                                       "tmr,accepted,variant,tomorrow,3\r\n"
                                                       "wot,proposed,variant,what,2\r\n"
                                                       "lah,rejected,particle,,1\r\n");
    ASSERT_EQ(t.decisions.size(), 2u);
    EXPECT_EQ(t.decisions[0].interpretation, "tomorrow");
    EXPECT_EQ(t.decisions[1].status, LexStatus::Rejected);
}

TEST(LexiconFile, TheDefaultPlaceIsBesideTheCorpus) {
    Scratch s;
    EXPECT_EQ(default_lexicon_base(""), "");
    EXPECT_EQ(default_lexicon_base(s.dir.string()), (s.dir / "lexicon").string());
    EXPECT_EQ(default_lexicon_base(s.path("texts.csv")), s.path("texts.lexicon"));
}

} // namespace
} // namespace zapt
