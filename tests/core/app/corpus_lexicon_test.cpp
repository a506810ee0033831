// Which glossary and variant families a corpus is read with: the built-in
// corpus's own; for a corpus of the user's own, --lexicon FILE or british, the
// lexicon saved beside it, its own files, or none (the British lists are not
// put on it unasked); and what the headers then say.
#include "app/corpus_source.h"
#include "app/main_window_state.h"
#include "app/open_corpus.h"
#include "corpus/data_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

namespace zapt {
namespace {

namespace fs = std::filesystem;

struct Folder {
    fs::path path;
    Folder() {
        path = fs::temp_directory_path() /
               ("zapt_lexsrc_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
        write("register.json", R"([{"code": "001", "name": "Ann Lee", "age": "20", "gender": "F",
                                    "education": "U", "nativeLanguage": "E"}])");
        write("corpus.jsonl", "{\"author\": \"Ann Lee\", \"text\": \"c u tmr\"}\n"
                              "{\"author\": \"Ann Lee\", \"text\": \"tmr then\"}\n");
    }
    ~Folder() { fs::remove_all(path); }
    std::string write(const std::string& name, const std::string& content) const {
        std::ofstream(path / name, std::ios::binary) << content;
        return (path / name).string();
    }
};

const char* const kLexicon = R"({"lexicon": "mine", "forms": ["tmr", "c"],
  "interpretations": ["tomorrow", "see"],
  "families": [{"name": "Tomorrow", "standard": "tomorrow", "forms": ["tmr"], "kept": true},
               {"name": "See", "standard": "see", "forms": ["c"], "kept": false}]})";

std::string joined(const std::vector<std::string>& v) {
    std::string s;
    for (const std::string& x : v) s += x + "\n";
    return s;
}

TEST(CorpusLexiconSource, EachWayOfChoosingTheLexicon) {
    const std::size_t british = load_builtin_glossary().forms.size();
    const std::size_t britishFamilies = load_builtin_variants().size();
    struct Case {
        const char* what;
        std::function<void(Folder&, CorpusOptions&)> setUp;
        std::size_t glossary, families;
        const char* applied; // a line of applied_lists, "" for none at all
    };
    const Case cases[] = {
        {"nothing of its own", [](Folder&, CorpusOptions&) {}, 0, 0,
         "glossary: none (the Lexicon window proposes one)"},
        {"--lexicon british", [](Folder&, CorpusOptions& o) { o.lexicon = kBritishLexicon; },
         british, britishFamilies, "glossary: built-in (British English, "},
        {"a lexicon saved beside it",
         [](Folder& f, CorpusOptions&) { f.write("lexicon.json", kLexicon); }, 2, 1,
         "lexicon: mine (2 accepted forms, 1 kept family)"},
        {"--lexicon FILE",
         [](Folder& f, CorpusOptions& o) { o.lexicon = f.write("elsewhere.json", kLexicon); }, 2, 1,
         "lexicon: mine (2 accepted forms, 1 kept family)"},
        {"its own glossary, no families",
         [](Folder& f, CorpusOptions&) {
             f.write("glossary.json", R"({"forms": ["tmr"], "interpretations": ["tomorrow"]})");
         },
         1, 0, "variant families: none"},
        {"--glossary beats the lexicon beside it",
         [](Folder& f, CorpusOptions& o) {
             f.write("lexicon.json", kLexicon);
             o.glossary = f.write("g.csv", "form,interpretation\nu,you\nc,see\nr,are\n");
         },
         3, 0, "variant families: none"},
        {"a lexicon beside it that cannot be read",
         [](Folder& f, CorpusOptions&) { f.write("lexicon.json", "{not json"); }, 0, 0,
         "glossary: none"},
    };
    for (const Case& c : cases) {
        Folder f;
        CorpusOptions o;
        o.path = f.path.string();
        c.setUp(f, o);
        std::shared_ptr<const Corpus> corpus;
        ASSERT_NO_THROW(corpus = load_corpus_source(o)) << c.what;
        EXPECT_EQ(corpus->lexicon().glossaryData.forms.size(), c.glossary) << c.what;
        EXPECT_EQ(corpus->families().size(), c.families) << c.what;
        const std::string applied = joined(applied_lists(*corpus));
        EXPECT_NE(applied.find(c.applied), std::string::npos) << c.what << ": " << applied;
        if (std::string(c.what).find("cannot be read") != std::string::npos) {
            // Said in the load report, not thrown.
            EXPECT_NE(corpus->report().find("lexicon not read"), nullptr);
        }
    }
}

TEST(CorpusLexiconSource, TheBuiltInCorpusKeepsItsOwnListsAndWrongChoicesAreRefused) {
    CorpusOptions builtin;
    std::shared_ptr<const Corpus> corpus = load_corpus_source(builtin);
    EXPECT_EQ(corpus->lexicon().glossaryData.forms.size(), load_builtin_glossary().forms.size());
    EXPECT_EQ(corpus->families().size(), load_builtin_variants().size());
    EXPECT_TRUE(applied_lists(*corpus).empty());

    Folder f;
    CorpusOptions o;
    o.path = f.path.string();
    o.lexicon = f.write("broken.json", "{\"families\": 3}");
    EXPECT_THROW(load_corpus_source(o), DataError); // named on the command line: must be read
    o.lexicon = (f.path / "missing.json").string();
    EXPECT_THROW(load_corpus_source(o), std::exception);
    o.lexicon = kBritishLexicon;
    o.glossary = f.write("g.csv", "form,interpretation\nu,you\n");
    EXPECT_THROW(load_corpus_source(o), DataError); // --lexicon with --glossary

    // The lexicon in force goes on the command line of a restart, and is read
    // back from it.
    CorpusOptions again;
    again.path = "/some/corpus";
    again.lexicon = "/some/corpus/lexicon.json";
    const std::vector<std::string> line = corpus_arguments(again);
    EXPECT_EQ(line, (std::vector<std::string>{"--corpus", again.path, "--lexicon", again.lexicon}));
    CorpusOptions read;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto taken = take_corpus_option(line, i, read);
        ASSERT_TRUE(taken && taken->empty());
    }
    EXPECT_EQ(read.lexicon, again.lexicon);
}

// A corpus read without families: the main window says where they come from.
TEST(CorpusLexiconSource, TheMainWindowSaysWhereFamiliesComeFrom) {
    Folder f;
    CorpusOptions o;
    o.path = f.path.string();
    const FamilyPlaces none = family_places(load_corpus_source(o)->families());
    for (int p : none.place) EXPECT_EQ(p, -1);
    EXPECT_NE(none.note.find("No variant families: Lexicon..."), std::string::npos) << none.note;
    o.lexicon = kBritishLexicon;
    EXPECT_EQ(family_places(load_corpus_source(o)->families()).note, "");
}

} // namespace
} // namespace zapt
