// What "Open corpus..." works out before the program starts afresh: the
// command line of the chosen corpus (every option of it, the lists in force
// among them), what the window offers for a corpus, and the preview of a
// table's fields, encoding and bands.
#include "app/open_corpus.h"
#include "variation/grouping.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zapt {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
    fs::path path;
    TempFolder() {
        path = fs::temp_directory_path() /
               ("zapt_open_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string write(const std::string& name, const std::string& content) const {
        std::ofstream(path / name, std::ios::binary) << content;
        return (path / name).string();
    }
};

std::string shown(const CorpusOptions& o) {
    std::string s = o.path + "|" + o.bands + "|" + o.glossary + "|" + o.families + "|" +
                    o.table.encoding + "|" + map_text(o.table) + "|";
    for (const auto& c : o.table.textFields) s += c + ";";
    s += "|";
    for (const auto& c : o.table.authorFields) s += c + ";";
    return s;
}

CorpusOptions parsed(const std::vector<std::string>& args, std::string* error = nullptr) {
    CorpusOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        auto taken = take_corpus_option(args, i, o);
        if (!taken || !taken->empty()) {
            if (error) *error = taken ? *taken : "not a corpus option: " + args[i];
            break;
        }
    }
    return o;
}

// Every option of a corpus goes on the command line of the program started
// afresh and is read back as it was: nothing in force is dropped.
TEST(OpenCorpus, EveryOptionGoesOnTheCommandLine) {
    std::vector<CorpusOptions> cases(4);
    cases[1].path = "/data/sms.csv";
    cases[1].glossary = "/lists/my glossary.csv";
    cases[1].families = "/lists/families.json";
    cases[2] = cases[1];
    cases[2].bands = "16-20,21-30,31+";
    cases[2].table.encoding = "windows-1252";
    cases[2].table.textFields = {"id", "Date sent"};
    cases[2].table.authorFields = {"country"};
    ASSERT_FALSE(add_column_mapping(cases[2].table, "author=Sender ID"));
    ASSERT_FALSE(add_column_mapping(cases[2].table, "text=Message"));
    cases[3].glossary = "g.csv"; // the built-in corpus with a glossary of the user's
    for (const CorpusOptions& o : cases) {
        const std::vector<std::string> args = corpus_arguments(o);
        std::string error;
        EXPECT_EQ(shown(parsed(args, &error)), shown(o));
        EXPECT_EQ(error, "");
    }
    EXPECT_TRUE(corpus_arguments(cases[0]).empty());
    const std::vector<std::string> args = corpus_arguments(cases[1]);
    EXPECT_NE(std::find(args.begin(), args.end(), "--glossary"), args.end());
    EXPECT_NE(std::find(args.begin(), args.end(), "--families"), args.end());
}

TEST(OpenCorpus, CorpusOptionsThatCannotBeTaken) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--encoding", "klingon-8"}, "--encoding: no encoding \"klingon-8\" is known"},
        {{"--encoding="}, "--encoding needs a value"},
        {{"--text-field"}, "--text-field needs a value"},
        {{"--author-field", ""}, "--author-field needs a value"},
    };
    for (const auto& [args, message] : cases) {
        std::string error;
        parsed(args, &error);
        EXPECT_NE(error.find(message), std::string::npos) << error;
    }
    for (const char* o : {"--encoding", "--text-field", "--author-field", "--corpus", "--bands"})
        EXPECT_TRUE(is_corpus_option(o)) << o;
    EXPECT_FALSE(is_corpus_option("--where"));

    // The options of a table are refused for a folder and for the built-in corpus.
    TempFolder tmp;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--text-field", "id"},
             {"--encoding", "latin1"},
             {"--corpus", tmp.path.string(), "--map", "text=x"},
             {"--corpus", tmp.path.string(), "--author-field", "id"}}) {
        std::string error;
        const CorpusOptions o = parsed(args, &error);
        ASSERT_EQ(error, "");
        try {
            read_corpus_source(o);
            ADD_FAILURE() << args[0] << " taken without a table";
        } catch (const DataError& e) {
            EXPECT_NE(e.rule().find("is for a table"), std::string::npos) << e.what();
        }
    }
}

TEST(OpenCorpus, TheColumnMappingAsTheWindowShowsIt) {
    TableOptions t;
    EXPECT_FALSE(read_map_text(" author = Sender ID ;\ntext=Message;; ", t));
    EXPECT_EQ(map_text(t), "author=Sender ID; text=Message");
    EXPECT_FALSE(read_map_text("", t));
    EXPECT_TRUE(t.map.empty());
    ASSERT_FALSE(read_map_text("text=Message", t));
    for (const char* wrong : {"shoe=x", "author", "author=", "text=Message; age"}) {
        const auto error = read_map_text(wrong, t);
        EXPECT_TRUE(error) << wrong;
        EXPECT_EQ(map_text(t), "text=Message") << wrong; // left as it was
    }
}

TEST(OpenCorpus, AFieldSwitchedByTheUser) {
    TableOptions t;
    choose_field_kind(t, "id", true);
    choose_field_kind(t, "country", false);
    choose_field_kind(t, " ID ", false); // the later choice replaces the earlier
    EXPECT_EQ(t.textFields, std::vector<std::string>{});
    EXPECT_EQ(t.authorFields, (std::vector<std::string>{"country", " ID "}));
    choose_field_kind(t, "Country", true);
    EXPECT_EQ(t.textFields, std::vector<std::string>{"Country"});
    EXPECT_EQ(t.authorFields, std::vector<std::string>{" ID "});
}

// A corpus chosen in the window gets its own kept settings; otherwise the
// lists in force stay (they were dropped before), and another table's columns
// do not follow.
TEST(OpenCorpus, WhatTheWindowOffersForACorpus) {
    TempFolder tmp;
    const SettingsStore store((tmp.path / "config").string());
    const std::string kept = tmp.write("kept.csv", "author,text\nann,hi\n");
    const std::string other = tmp.write("other.csv", "author,text\nann,hi\n");
    CorpusOptions saved;
    saved.path = kept;
    saved.bands = "<30,30+";
    saved.table.textFields = {"id"};
    ASSERT_TRUE(store.saveOptions(saved));

    CorpusOptions current;
    current.path = tmp.write("current.csv", "author,text\nann,hi\n");
    current.glossary = "/lists/g.csv";
    current.families = "/lists/f.csv";
    current.bands = "16-20,21+";
    current.table.encoding = "latin1";
    ASSERT_FALSE(add_column_mapping(current.table, "text=Message"));

    bool fromStore = false;
    CorpusOptions o = offered_options(kept, current, &store, &fromStore);
    EXPECT_TRUE(fromStore);
    EXPECT_EQ(o.bands, "<30,30+");
    EXPECT_EQ(o.table.textFields, std::vector<std::string>{"id"});
    EXPECT_EQ(o.path, kept);

    o = offered_options(other, current, &store, &fromStore);
    EXPECT_FALSE(fromStore);
    EXPECT_EQ(shown(o), other + "|16-20,21+|/lists/g.csv|/lists/f.csv||||");

    o = offered_options(current.path, current, nullptr, &fromStore);
    EXPECT_EQ(shown(o), shown(current));
}

// UTF-16 with its byte-order mark, a text field and no bands given.
TEST(OpenCorpus, PreviewOfATablesFieldsEncodingAndBands) {
    TempFolder tmp;
    std::u16string table = u"author,text,id,town\n";
    for (int i = 0; i < 6; ++i) {
        table += (i % 2 ? u"ann," : u"bo,");
        table += u"caf\u00e9 ok x,";
        table += static_cast<char16_t>(u'a' + i);
        table += (i % 2 ? u",Leeds\n" : u",York\n");
    }
    std::string bytes = "\xFF\xFE";
    for (char16_t c : table) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    CorpusOptions o;
    o.path = tmp.write("u16.csv", bytes);
    CorpusPreview p = preview_corpus(o);
    ASSERT_TRUE(p.readable) << p.error;
    EXPECT_EQ(p.encoding, "UTF-16LE");
    EXPECT_NE(p.bandsNote.find("the built-in bands <18,18-25,26-40,41-60,61+ are used"),
              std::string::npos);
    EXPECT_TRUE(p.canOpen());
    ASSERT_EQ(p.fields.size(), 2u);
    EXPECT_EQ(p.fields[0].name, "id");
    EXPECT_TRUE(p.fields[0].textField);
    EXPECT_FALSE(p.fields[1].textField);
    EXPECT_EQ(p.headings,
              (std::vector<std::string>{"code", "age", "gender", "education", "native language",
                                        "town", "id (text field)", "text (first half)"}));
    ASSERT_EQ(p.rows.size(), 6u);
    EXPECT_EQ(p.rows[1], (std::vector<std::string>{"2", "", "", "", "", "Leeds", "b",
                                                   "caf\xC3\xA9 \xE2\x80\xA6"}));
    // With the field switched, the author's value of most texts.
    choose_field_kind(o.table, "ID", false);
    o.bands = "<30,30+";
    p = preview_corpus(o);
    ASSERT_TRUE(p.readable) << p.error;
    EXPECT_EQ(p.bandsNote, "");
    EXPECT_FALSE(p.fields[0].textField);
    EXPECT_TRUE(p.fields[0].chosen);
    EXPECT_EQ(p.rows[1][5], "b"); // ann's first text's id: the first seen on a tie
}

// A legacy 8-bit table: refused with the encoding ICU proposes, read once the
// user confirms it.
TEST(OpenCorpus, PreviewProposesAnEncoding) {
    TempFolder tmp;
    CorpusOptions o;
    o.path = tmp.write("latin.csv", "author,text\nann,\x93"
                                    "caf\xE9\x94 cr\xE8me\nbo,na\xEFve\n");
    CorpusPreview p = preview_corpus(o);
    EXPECT_FALSE(p.readable);
    EXPECT_FALSE(p.canOpen());
    EXPECT_EQ(p.proposedEncoding, "windows-1252");
    EXPECT_NE(p.report.find("--encoding windows-1252"), std::string::npos) << p.report;
    o.table.encoding = p.proposedEncoding;
    p = preview_corpus(o);
    ASSERT_TRUE(p.readable) << p.error;
    EXPECT_EQ(p.encoding, "windows-1252");
    EXPECT_EQ(p.rows[0].back(), "\xE2\x80\x9C"
                                "caf\xC3\xA9\xE2\x80\x9D \xE2\x80\xA6");
}

// A table's message id is a text field: never offered as a grouping of the
// authors, and named for what it is when asked for.
TEST(OpenCorpus, ATablesIdIsNoGroupingOfTheAuthors) {
    TempFolder tmp;
    CorpusOptions o;
    o.path = tmp.write("sms.csv", "id,sender,message,country\n"
                                  "1,ann,hi,UK\n2,bo,ok,SG\n3,ann,u ok,UK\n4,bo,yes,SG\n"
                                  "5,cy,no,SG\n");
    LoadedCorpus c = read_corpus_source(o);
    const AuthorRegister authors = build_author_register(c.data.authors);
    const AuthorFields fields{&authors, &c.data.metadataColumns, &c.data.authorMetadata,
                              &c.data.textColumns};
    EXPECT_EQ(c.data.textColumns, std::vector<std::string>{"id"});
    std::vector<std::string> offered;
    for (const GroupBy& by : group_by_choices(fields)) offered.push_back(by.caption());
    EXPECT_NE(std::find(offered.begin(), offered.end(), "country"), offered.end());
    for (const std::string& caption : offered)
        EXPECT_EQ(caption.find("id"), std::string::npos) << caption;
    std::string error;
    EXPECT_FALSE(parse_group_by("id", fields, &error));
    const auto why = text_field_refusal("ID", fields);
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("\"ID\" is a text field"), std::string::npos) << *why;
    // Made an author field by the user, it is one.
    o.table.authorFields = {"id"};
    c = read_corpus_source(o);
    EXPECT_EQ(c.data.metadataColumns, (std::vector<std::string>{"id", "country"}));
}

} // namespace
} // namespace zapt
