// The compiled corpus: a corpus written to its compiled file and mapped back
// answers exactly as the corpus made from its source (the store, the
// register, the metadata, the lexicon, the load's report, the author index and
// the form index, part by part); a changed source is read again; a damaged,
// truncated, foreign or other-version compiled file is compiled again with a
// note; a cache folder that cannot be written means no cache, with a note;
// two loads of one uncompiled corpus at once leave one whole compiled file.
#include "app/compiled_corpus.h"
#include "app/corpus_source.h"
#include "authors/author_index.h"
#include "corpus/corpus_store.h"
#include "explore/form_index.h"
#include "selection/age_band.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zapt {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
    fs::path path;
    explicit TempFolder(const std::string& name)
        : path(fs::temp_directory_path() /
               ("zapt_compiled_" + name + "_" + std::to_string(::getpid()))) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

// A folder of `times` times the built-in corpus, written by the project's tool.
void make_folder_corpus(const fs::path& dir, int times) {
    const fs::path tool = fs::path(ZAPT_TOOLS_DIR) / "make_large_corpus.py";
    const std::string cmd = "python3 '" + tool.string() + "' " + std::to_string(times) + " '" +
                            dir.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
}

std::string read_all(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_all(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The options of a corpus kept in `cache`, compiled whatever its size.
CorpusOptions cached(const fs::path& source, const fs::path& cache) {
    CorpusOptions o;
    o.path = source.string();
    o.compiled = CompiledPlace::Cache;
    o.cacheFolder = cache.string();
    o.compileFrom = 0;
    return o;
}

std::shared_ptr<const Corpus> fresh(CorpusOptions o) {
    o.compiled = CompiledPlace::None;
    return load_corpus_source(o);
}

bool mapped(const Corpus& c) {
    return c.store().cleanedText.mapped();
}

std::string joined(const std::vector<std::string>& notes) {
    std::string s;
    for (const std::string& n : notes) s += n + "\n";
    return s;
}

template <class A, class B> bool same_items(const A& a, const B& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

void expect_same_store(const CorpusStore& a, const CorpusStore& b) {
    EXPECT_TRUE(a.texts == b.texts);
    EXPECT_TRUE(a.textNames == b.textNames);
    EXPECT_TRUE(a.rows == b.rows);
    EXPECT_EQ(a.authorCodes, b.authorCodes);
    EXPECT_EQ(a.authorNames, b.authorNames);
    EXPECT_EQ(a.textsPerAuthorCaptions, b.textsPerAuthorCaptions);
    EXPECT_EQ(a.textsPerAuthor, b.textsPerAuthor);
    EXPECT_TRUE(a.corpusText == b.corpusText);
    EXPECT_TRUE(a.cleanedText == b.cleanedText);
    EXPECT_TRUE(same_items(a.textName, b.textName));
    EXPECT_TRUE(same_items(a.nameTexts, b.nameTexts));
    EXPECT_EQ(a.nameTextsFrom, b.nameTextsFrom);
    EXPECT_EQ(a.authorName, b.authorName);
    EXPECT_EQ(a.textAuthor, b.textAuthor);
    EXPECT_EQ(a.nameCleanedBlanks, b.nameCleanedBlanks);
    EXPECT_EQ(a.codeRowsFrom, b.codeRowsFrom);
    EXPECT_EQ(a.codeRows, b.codeRows);
    EXPECT_EQ(a.cleanedTextEnd, b.cleanedTextEnd);
    EXPECT_EQ(a.cutDifferently, b.cutDifferently);
    EXPECT_EQ(a.nameCount(), b.nameCount());
    EXPECT_EQ(a.names.size(), b.names.size());
    EXPECT_EQ(a.codes.size(), b.codes.size());
    // The look-ups of names and codes, in both cases and one that is absent.
    for (std::size_t t = 0; t < a.textNames.size(); t += 7) {
        const std::string name(a.textNames[t]);
        EXPECT_EQ(a.nameNumber(name), b.nameNumber(name)) << name;
    }
    for (const std::string& code : a.authorCodes) EXPECT_EQ(a.codes.find(code), b.codes.find(code));
    EXPECT_EQ(b.nameNumber("no such author name at all"), -1);
    // The word index: every distinct piece of the cleaned text, its count
    // and its places, and words it lacks.
    EXPECT_EQ(a.cleanedIndex.total(), b.cleanedIndex.total());
    EXPECT_EQ(a.cleanedIndex.size(), b.cleanedIndex.size());
    std::set<std::string> words{"zzzqqq", "", "THE", "The"};
    {
        std::istringstream in{std::string(a.cleanedText.view())};
        for (std::string w; in >> w;) words.insert(w);
    }
    for (const std::string& w : words) {
        ASSERT_EQ(a.cleanedIndex.count(w), b.cleanedIndex.count(w)) << w;
        const auto [a0, a1] = a.cleanedIndex.positions(w);
        const auto [b0, b1] = b.cleanedIndex.positions(w);
        ASSERT_TRUE(std::equal(a0, a1, b0, b1)) << w;
    }
    for (std::size_t p = 0; p < a.cleanedText.size(); p += 997) EXPECT_EQ(a.textAt(p), b.textAt(p));
}

void expect_same_author_index(const Corpus& a, const Corpus& b) {
    const AuthorIndex& x = a.authorIndex();
    const AuthorIndex& y = b.authorIndex();
    ASSERT_EQ(x.size(), y.size());
    for (std::size_t n = 0; n < x.size(); ++n) {
        const AuthorEntry& e = x[n];
        const AuthorEntry& f = y[n];
        EXPECT_EQ(e.textsFrom, f.textsFrom);
        EXPECT_EQ(e.textsTo, f.textsTo);
        EXPECT_EQ(e.rowsLength, f.rowsLength);
        EXPECT_EQ(e.rowsChars, f.rowsChars);
        EXPECT_EQ(e.figures.n, f.figures.n);
        EXPECT_EQ(e.figures.P, f.figures.P);
        EXPECT_EQ(e.figures.W, f.figures.W);
        EXPECT_EQ(e.figures.Sw, f.figures.Sw);
        EXPECT_EQ(e.figures.Sc, f.figures.Sc);
        EXPECT_EQ(e.figures.length, f.figures.length);
        EXPECT_EQ(x.uses(e), y.uses(f));
    }
    EXPECT_EQ(x.codesUnique(), y.codesUnique());
    for (std::size_t k = 0; k <= a.authors().codes.size(); ++k) {
        const AuthorEntry* e = x.entryOfRow(k);
        const AuthorEntry* f = y.entryOfRow(k);
        ASSERT_EQ(e == nullptr, f == nullptr) << k;
        if (e) {
            EXPECT_EQ(e - &x[0], f - &y[0]) << k;
        }
    }
    for (const std::string& code : a.authors().codes)
        EXPECT_TRUE(same_items(x.registerRowsOfCode(code), y.registerRowsOfCode(code))) << code;
    for (const AgeBand band : {AgeBand::Under18, AgeBand::From18To25, AgeBand::From26To40,
                               AgeBand::From41To60, AgeBand::Over60}) {
        for (const Gender g : {Gender::Female, Gender::Male}) {
            const auto ex = x.groupEntries(a.bands(), band, g);
            const auto ey = y.groupEntries(b.bands(), band, g);
            ASSERT_EQ(ex.size(), ey.size());
            for (std::size_t i = 0; i < ex.size(); ++i) EXPECT_EQ(ex[i] - &x[0], ey[i] - &y[0]);
        }
    }
}

void expect_same_forms(const FormIndex& x, const FormIndex& y) {
    ASSERT_EQ(x.formCount(), y.formCount());
    for (std::uint32_t f = 0; f < x.formCount(); ++f) {
        ASSERT_EQ(x.folded(f), y.folded(f));
        EXPECT_EQ(x.shown(f), y.shown(f));
        EXPECT_EQ(x.formRank(f), y.formRank(f));
        EXPECT_EQ(y.find(x.shown(f)), static_cast<long long>(f));
        EXPECT_EQ(y.findFolded(x.folded(f)), static_cast<long long>(f));
        EXPECT_EQ(x.total(f).count, y.total(f).count);
        EXPECT_EQ(x.total(f).texts, y.total(f).texts);
        EXPECT_EQ(x.total(f).authors, y.total(f).authors);
        EXPECT_TRUE(same_items(x.occurrences(f), y.occurrences(f)));
    }
    EXPECT_EQ(y.find("zzzqqq"), -1);
    ASSERT_EQ(x.pieceCount(), y.pieceCount());
    for (std::size_t p = 0; p < x.pieceCount(); ++p) {
        ASSERT_EQ(x.pieceForm(p), y.pieceForm(p));
        ASSERT_EQ(x.pieceText(p), y.pieceText(p));
    }
    for (std::size_t p = 0; p < x.pieceCount(); p += 101)
        EXPECT_EQ(x.textOfPiece(p), y.textOfPiece(p));
    ASSERT_EQ(x.textCount(), y.textCount());
    for (std::size_t t = 0; t < x.textCount(); ++t) EXPECT_EQ(x.firstPiece(t), y.firstPiece(t));
    EXPECT_EQ(x.textAuthors(), y.textAuthors());
    ASSERT_EQ(x.authorCount(), y.authorCount());
    for (std::size_t k = 0; k <= x.authorCount(); ++k) {
        EXPECT_EQ(x.authorWords(k), y.authorWords(k));
        EXPECT_TRUE(same_items(x.authorTexts(k), y.authorTexts(k)));
        const auto ux = x.authorForms(k);
        const auto uy = y.authorForms(k);
        ASSERT_EQ(ux.size(), uy.size());
        for (std::size_t i = 0; i < ux.size(); ++i) {
            EXPECT_EQ(ux[i].form, uy[i].form);
            EXPECT_EQ(ux[i].count, uy[i].count);
            EXPECT_EQ(ux[i].texts, uy[i].texts);
        }
    }
    EXPECT_EQ(x.totalWords(), y.totalWords());
}

void expect_same_corpus(const Corpus& a, const Corpus& b) {
    expect_same_store(a.store(), b.store());
    EXPECT_EQ(a.authors().codes, b.authors().codes);
    EXPECT_EQ(a.authors().names, b.authors().names);
    EXPECT_EQ(a.authors().ages, b.authors().ages);
    EXPECT_EQ(a.authors().genders, b.authors().genders);
    EXPECT_EQ(a.authors().educations, b.authors().educations);
    EXPECT_EQ(a.authors().nativeLanguages, b.authors().nativeLanguages);
    EXPECT_EQ(a.metadata().authorColumns, b.metadata().authorColumns);
    EXPECT_EQ(a.metadata().authorValues, b.metadata().authorValues);
    EXPECT_EQ(a.metadata().textColumns, b.metadata().textColumns);
    EXPECT_EQ(a.metadata().textValues, b.metadata().textValues);
    EXPECT_EQ(a.lexicon().glossaryData.forms, b.lexicon().glossaryData.forms);
    EXPECT_EQ(a.lexicon().glossaryData.interpretations, b.lexicon().glossaryData.interpretations);
    EXPECT_EQ(a.lexicon().builtinGlossary, b.lexicon().builtinGlossary);
    EXPECT_EQ(a.lexicon().builtinFamilies, b.lexicon().builtinFamilies);
    EXPECT_EQ(a.lexicon().caption, b.lexicon().caption);
    ASSERT_EQ(a.families().size(), b.families().size());
    for (std::size_t i = 0; i < a.families().size(); ++i) {
        EXPECT_EQ(a.families()[i].list, b.families()[i].list);
        EXPECT_EQ(a.families()[i].stem, b.families()[i].stem);
        EXPECT_EQ(a.families()[i].captionLabel, b.families()[i].captionLabel);
        EXPECT_EQ(a.families()[i].caption, b.families()[i].caption);
        EXPECT_EQ(a.families()[i].items, b.families()[i].items);
    }
    EXPECT_EQ(format_report(a.report()), format_report(b.report()));
    EXPECT_EQ(load_notes(a.report()), load_notes(b.report()));
    EXPECT_EQ(a.source(), b.source());
    EXPECT_EQ(applied_lists(a), applied_lists(b));
    expect_same_author_index(a, b);
    expect_same_forms(a.forms(), b.forms());
}

TEST(CompiledCorpus, MappedCorpusAnswersAsTheSource) {
    TempFolder tmp("same");
    const fs::path folder = tmp.path / "folder";
    make_folder_corpus(folder, 3);
    // A folder and a table with author and text fields and problems in its
    // reading; with the default bands and with a list of the user's own.
    struct Case {
        fs::path source;
        std::string bands;
    };
    const Case cases[] = {
        {folder, ""},
        {folder, "<21,21-30,31+"},
        {fs::path(ZAPT_TEST_DATA_DIR) / "awkward_corpus.csv", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source.string() + " bands " + c.bands);
        CorpusOptions o = cached(c.source, tmp.path / ("cache" + std::to_string(&c - cases)));
        o.bands = c.bands;
        const auto source = fresh(o);
        std::vector<std::string> notes;
        const auto first = load_corpus_source(o, {}, AuthorIndexWhen::WhenAsked, &notes);
        EXPECT_FALSE(mapped(*first));
        EXPECT_TRUE(fs::exists(compiled_cache_path(o)));
        const auto second = load_corpus_source(o, {}, AuthorIndexWhen::WhenAsked, &notes);
        EXPECT_TRUE(mapped(*second));
        EXPECT_EQ(joined(notes), "");
        expect_same_corpus(*source, *first);
        expect_same_corpus(*source, *second);
        // And once more over the seal written by the second open.
        const auto third = load_corpus_source(o, {}, AuthorIndexWhen::WhenAsked, &notes);
        EXPECT_TRUE(mapped(*third));
        expect_same_store(source->store(), third->store());
    }
}

TEST(CompiledCorpus, CompileWritesBesideTheCorpus) {
    TempFolder tmp("beside");
    const fs::path folder = tmp.path / "folder";
    make_folder_corpus(folder, 1);
    const fs::path table = tmp.path / "awkward.csv";
    fs::copy_file(fs::path(ZAPT_TEST_DATA_DIR) / "awkward_corpus.csv", table);
    for (const fs::path& source : {folder, table}) {
        CorpusOptions o = cached(source, tmp.path / "cache");
        o.compiled = CompiledPlace::Beside;
        o.compileFrom = kCompileFrom; // beside the corpus whatever its size
        const auto first = load_corpus_source(o);
        EXPECT_FALSE(mapped(*first));
        const std::string beside = compiled_beside_path(o);
        EXPECT_EQ(beside, fs::is_directory(source) ? (source / "compiled.zapt").string()
                                                   : source.string() + ".zapt");
        EXPECT_TRUE(fs::exists(beside));
        const auto second = load_corpus_source(o);
        EXPECT_TRUE(mapped(*second));
        expect_same_store(first->store(), second->store());
        // A compiled file beside the corpus is used by the default place too.
        o.compiled = CompiledPlace::Cache;
        EXPECT_TRUE(mapped(*load_corpus_source(o)));
        // --no-cache reads the source.
        o.compiled = CompiledPlace::None;
        EXPECT_FALSE(mapped(*load_corpus_source(o)));
    }
}

TEST(CompiledCorpus, ChangedSourceIsReadAgain) {
    TempFolder tmp("changed");
    const fs::path folder = tmp.path / "folder";
    make_folder_corpus(folder, 1);
    const CorpusOptions o = cached(folder, tmp.path / "cache");
    load_corpus_source(o);
    ASSERT_TRUE(mapped(*load_corpus_source(o)));
    const fs::path texts = folder / "corpus.jsonl";
    std::string bytes = read_all(texts);

    // A change of one letter, of the same size and with the same modification
    // time: only the content's hash tells.
    struct stat before {};
    ASSERT_EQ(::stat(texts.c_str(), &before), 0);
    const std::size_t at = bytes.find("\"text\": \"") != std::string::npos
                               ? bytes.find("\"text\": \"") + 9
                               : bytes.find("\"text\":\"") + 8;
    ASSERT_LT(at, bytes.size());
    bytes[at] = bytes[at] == 'Q' ? 'Z' : 'Q';
    write_all(texts, bytes);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, texts.c_str(), times, 0), 0);
    const auto changed = load_corpus_source(o);
    EXPECT_FALSE(mapped(*changed));
    expect_same_store(fresh(o)->store(), changed->store());
    EXPECT_EQ(changed->store().texts[0][0], bytes[at]);
    // Compiled again: the next open maps the changed corpus.
    const auto again = load_corpus_source(o);
    EXPECT_TRUE(mapped(*again));
    EXPECT_EQ(again->store().texts[0][0], bytes[at]);

    // A text more; a glossary added to the folder.
    write_all(texts, bytes + R"({"author": "Nobody", "text": "one more text"})" + "\n");
    const auto longer = load_corpus_source(o);
    EXPECT_FALSE(mapped(*longer));
    EXPECT_EQ(longer->store().texts.size(), again->store().texts.size() + 1);
    EXPECT_TRUE(mapped(*load_corpus_source(o)));
    write_all(folder / "glossary.json", R"({"forms": ["qqq"], "interpretations": ["a test"]})");
    const auto glossed = load_corpus_source(o);
    EXPECT_FALSE(mapped(*glossed));
    EXPECT_EQ(glossed->lexicon().glossaryData.forms, fresh(o)->lexicon().glossaryData.forms);

    // Other options make another compiled file, never the first one's answer.
    CorpusOptions other = o;
    other.families = (fs::path(ZAPT_SAMPLE_DATA_DIR) / "variants.json").string();
    EXPECT_NE(compiled_cache_path(other), compiled_cache_path(o));
    EXPECT_FALSE(mapped(*load_corpus_source(other)));
    EXPECT_TRUE(mapped(*load_corpus_source(other)));
}

// The lexicon a corpus is read with is part of what was compiled: one saved
// beside the corpus later, or chosen by --lexicon, is never answered from a
// file compiled without it, and its caption survives the mapping.
TEST(CompiledCorpus, TheLexiconInForceIsPartOfTheCompiledCorpus) {
    TempFolder tmp("lexicon");
    const fs::path folder = tmp.path / "folder";
    make_folder_corpus(folder, 1);
    const CorpusOptions o = cached(folder, tmp.path / "cache");
    load_corpus_source(o);
    const auto without = load_corpus_source(o);
    ASSERT_TRUE(mapped(*without));
    EXPECT_TRUE(without->lexicon().glossaryData.forms.empty());

    write_all(folder / "lexicon.json", R"({"lexicon": "mine", "forms": ["tmr"],
      "interpretations": ["tomorrow"],
      "families": [{"name": "Tomorrow", "standard": "tomorrow", "forms": ["tmr"], "kept": true}]})");
    const auto saved = load_corpus_source(o);
    EXPECT_FALSE(mapped(*saved));
    const auto savedMapped = load_corpus_source(o);
    EXPECT_TRUE(mapped(*savedMapped));
    expect_same_corpus(*fresh(o), *savedMapped);
    EXPECT_EQ(savedMapped->lexicon().glossaryData.forms, std::vector<std::string>{"tmr"});
    EXPECT_FALSE(savedMapped->lexicon().caption.empty());
    EXPECT_EQ(savedMapped->lexicon().caption, saved->lexicon().caption);

    CorpusOptions british = o;
    british.lexicon = kBritishLexicon;
    EXPECT_NE(compiled_cache_path(british), compiled_cache_path(o));
    EXPECT_FALSE(mapped(*load_corpus_source(british)));
    const auto britishMapped = load_corpus_source(british);
    EXPECT_TRUE(mapped(*britishMapped));
    EXPECT_TRUE(britishMapped->lexicon().builtinGlossary);
    expect_same_corpus(*fresh(british), *britishMapped);

    // The saved lexicon removed: the corpus is read again without it.
    fs::remove(folder / "lexicon.json");
    const auto removed = load_corpus_source(o);
    EXPECT_FALSE(mapped(*removed));
    EXPECT_TRUE(removed->lexicon().glossaryData.forms.empty());
}

TEST(CompiledCorpus, DamagedFileIsCompiledAgainWithANote) {
    TempFolder tmp("damaged");
    const fs::path folder = tmp.path / "folder";
    make_folder_corpus(folder, 1);
    const CorpusOptions o = cached(folder, tmp.path / "cache");
    const auto source = fresh(o);
    load_corpus_source(o);
    const fs::path file = compiled_cache_path(o);
    const std::string whole = read_all(file);
    ASSERT_GT(whole.size(), 4096u);

    auto flipped = [&](std::size_t at) {
        std::string b = whole;
        b[at] = static_cast<char>(b[at] ^ 0x5a);
        return b;
    };
    std::string version = whole;
    version[8] = static_cast<char>(version[8] + 1); // the format's version
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a byte flipped in a section", flipped(whole.size() - whole.size() / 3)},
        {"a byte flipped in the last section", flipped(whole.size() - 70)},
        {"a byte flipped in the header", flipped(20)},
        {"a byte flipped in the table of contents", flipped(300)},
        {"truncated", whole.substr(0, whole.size() / 2)},
        {"cut to its header", whole.substr(0, 100)},
        {"empty", ""},
        {"another version", version},
        {"a foreign file", std::string(5000, 'x')},
        {"another magic", "ZAPTCORQ" + whole.substr(8)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write_all(file, c.bytes);
        std::vector<std::string> notes;
        const auto rebuilt = load_corpus_source(o, {}, AuthorIndexWhen::WhileReading, &notes);
        EXPECT_FALSE(mapped(*rebuilt));
        ASSERT_EQ(notes.size(), 1u) << joined(notes);
        EXPECT_NE(notes[0].find(file.string()), std::string::npos) << notes[0];
        EXPECT_NE(notes[0].find("compiled again"), std::string::npos) << notes[0];
        expect_same_store(source->store(), rebuilt->store());
        // Compiled again whole: mapped next time, without a note.
        notes.clear();
        const auto next = load_corpus_source(o, {}, AuthorIndexWhen::WhileReading, &notes);
        EXPECT_TRUE(mapped(*next));
        EXPECT_EQ(joined(notes), "");
        expect_same_store(source->store(), next->store());
    }
}

TEST(CompiledCorpus, UnwritableCacheFolderMeansNoCacheWithANote) {
    TempFolder tmp("unwritable");
    const fs::path folder = tmp.path / "folder";
    make_folder_corpus(folder, 1);
    write_all(tmp.path / "a file", "not a folder");
    const fs::path inside_a_file = tmp.path / "a file" / "zapt";
    const CorpusOptions o = cached(folder, inside_a_file);
    for (int i = 0; i < 2; ++i) {
        std::vector<std::string> notes;
        const auto c = load_corpus_source(o, {}, AuthorIndexWhen::WhileReading, &notes);
        EXPECT_FALSE(mapped(*c));
        ASSERT_EQ(notes.size(), 1u) << joined(notes);
        EXPECT_NE(notes[0].find("no compiled corpus kept"), std::string::npos) << notes[0];
        expect_same_store(fresh(o)->store(), c->store());
    }
    // A corpus too small to be worth compiling is read without a note.
    CorpusOptions small = o;
    small.compileFrom = kCompileFrom;
    std::vector<std::string> notes;
    load_corpus_source(small, {}, AuthorIndexWhen::WhileReading, &notes);
    EXPECT_EQ(joined(notes), "");
}

TEST(CompiledCorpus, TwoLoadsAtOnceLeaveOneWholeFile) {
    TempFolder tmp("twice");
    const fs::path folder = tmp.path / "folder";
    make_folder_corpus(folder, 2);
    const CorpusOptions o = cached(folder, tmp.path / "cache");
    const auto source = fresh(o);
    std::shared_ptr<const Corpus> a, b;
    std::vector<std::string> notesA, notesB;
    std::thread ta([&] { a = load_corpus_source(o, {}, AuthorIndexWhen::WhileReading, &notesA); });
    std::thread tb([&] { b = load_corpus_source(o, {}, AuthorIndexWhen::WhileReading, &notesB); });
    ta.join();
    tb.join();
    EXPECT_EQ(joined(notesA) + joined(notesB), "");
    expect_same_store(source->store(), a->store());
    expect_same_store(source->store(), b->store());
    // No temporary file left; the one compiled file is whole.
    for (const auto& e : fs::directory_iterator(tmp.path / "cache"))
        EXPECT_EQ(e.path().filename().string().find(".tmp."), std::string::npos) << e.path();
    std::vector<std::string> notes;
    const auto c = load_corpus_source(o, {}, AuthorIndexWhen::WhileReading, &notes);
    EXPECT_TRUE(mapped(*c));
    EXPECT_EQ(joined(notes), "");
    expect_same_corpus(*source, *c);
}

} // namespace
} // namespace zapt
