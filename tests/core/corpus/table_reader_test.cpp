// A corpus read from one CSV or TSV table: quoting, encodings and line ends,
// the columns found by their headers or named by --map, the register built
// per author, the Donate window's format, and every problem reported with its
// count, places and action.
#include "corpus/table_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

namespace zapt {
namespace {

DataSet read(const std::string& content, LoadReport& report, const std::string& file = "t.csv",
             const TableOptions& options = {}) {
    return read_table_text(file, content, options, report);
}

std::vector<std::string> texts(const DataSet& d) {
    std::vector<std::string> out;
    for (const auto& row : d.corpus) out.push_back(row.text);
    return out;
}

std::vector<std::string> codes(const DataSet& d) {
    std::vector<std::string> out;
    for (const auto& row : d.authors) out.push_back(row.code);
    return out;
}

std::vector<std::string> places(const LoadReport& r, const std::string& rule) {
    const ReportedProblem* p = r.find(rule);
    return p ? p->places : std::vector<std::string>{};
}

// ---------------------------------------------------------------------------
// Quoting and encodings: every text comes out exactly as the file holds it.

struct QuotingCase {
    const char* name;
    std::string cell; // as written in the file
    std::string text; // as read
};

TEST(TableReader, QuotedTextsAreKeptExactly) {
    const QuotingCase cases[] = {
        {"doubled quotes", R"("He said ""hi"" to me")", R"(He said "hi" to me)"},
        {"only a quote", R"("""")", R"(")"},
        {"commas", R"("one, two,, three,")", "one, two,, three,"},
        {"LF", "\"line one\nline two\"", "line one\nline two"},
        {"CR", "\"line one\rline two\"", "line one\rline two"},
        {"CRLF", "\"line one\r\nline two\"", "line one\r\nline two"},
        {"blank lines", "\"a\n\n\r\n\rb\"", "a\n\n\r\n\rb"},
        {"tabs", "\"a\tb\t\"", "a\tb\t"},
        {"percent", "\"100% sure %s %%\"", "100% sure %s %%"},
        {"blanks kept inside quotes", "\"  two  blanks  \"", "  two  blanks  "},
        {"unquoted blanks kept", "  lead and trail  ", "  lead and trail  "},
        {"quote inside an unquoted text", "5\" tall, he said", ""}, // split by the comma
        {"quote inside an unquoted text, no comma", "5\" tall \"ok\"", "5\" tall \"ok\""},
        {"emoji ZWJ",
         "\"\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7\"",
         "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"},
        {"combining accent, NUL", std::string("\"e\xCC\x81", 4) + std::string("\0x\"", 3),
         std::string("e\xCC\x81\0x", 5)},
        {"semicolon", "a;b", "a;b"},
    };
    for (const auto& c : cases) {
        LoadReport r;
        DataSet d = read("author,text\nann," + c.cell + "\nbo,last\n", r);
        SCOPED_TRACE(c.name);
        if (c.text.empty()) { // a comma in an unquoted text makes the row too long
            EXPECT_EQ(texts(d), std::vector<std::string>{"last"});
            EXPECT_EQ(places(r, "row too long"), std::vector<std::string>{"t.csv:2"});
            continue;
        }
        EXPECT_EQ(texts(d), (std::vector<std::string>{c.text, "last"}));
        EXPECT_TRUE(r.problems().empty()) << format_report(r);
        EXPECT_EQ(d.corpus[0].author, "ann");
    }
}

TEST(TableReader, LineEndsAndBom) {
    const std::string rows[] = {"town,author,text", ",ann,first", ",bo,\"x\r\ny\"", ",ann,third"};
    for (const std::string eol : {"\n", "\r\n", "\r"}) {
        for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
            std::string content = bom;
            for (const auto& row : rows) content += row + eol;
            LoadReport r;
            DataSet d = read(content, r);
            SCOPED_TRACE("eol " + std::to_string(eol.size()) + " bom " +
                         std::to_string(bom.size()));
            EXPECT_EQ(texts(d), (std::vector<std::string>{"first", "x\r\ny", "third"}));
            ASSERT_EQ(d.authors.size(), 2u);
            EXPECT_EQ(d.authors[0].name, "ann");
            EXPECT_EQ(d.metadataColumns, std::vector<std::string>{"town"}); // no BOM in the name
            EXPECT_TRUE(r.problems().empty()) << format_report(r);
        }
    }
    // The last row needs no line end.
    LoadReport r;
    EXPECT_EQ(texts(read("author,text\r\nann,\"end\"", r)), std::vector<std::string>{"end"});
}

TEST(TableReader, LinesAreCountedThroughQuotedLineBreaks) {
    LoadReport r;
    read("author,text\n"
         "ann,\"a\nb\r\nc\rd\"\n" // lines 2 to 5
         "bo\n"                   // line 6: too short
         "cy,\"\",x\n",           // line 7: too long
         r);
    EXPECT_EQ(places(r, "row too short"), std::vector<std::string>{"t.csv:6"});
    EXPECT_EQ(places(r, "row too long"), std::vector<std::string>{"t.csv:7"});
}

struct DelimiterCase {
    const char* file;
    std::string content;
};

TEST(TableReader, DelimiterFromTheNameOrTheHeader) {
    const DelimiterCase cases[] = {
        {"a.tsv", "author\ttext\nann\t\"x, y\"\n"}, {"a.TSV", "author\ttext\nann\tx, y\n"},
        {"a.txt", "author\ttext\nann\tx, y\n"},     {"a.csv", "author,text\nann,\"x, y\"\n"},
        {"a.csv", "author\ttext\nann\tx, y\n"}, // a TSV under a .csv name
        {"a.csv", "author;text\nann;\"x, y\"\n"},   {"a.txt", "author,text\nann,\"x, y\"\n"},
        {"a", "\"auth,or\"\ttext\nann\tx, y\n"}, // the comma inside quotes does not count
    };
    for (const auto& c : cases) {
        LoadReport r;
        TableOptions o;
        o.map = {{"author", "auth,or"}};
        DataSet d =
            read(c.content, r, c.file,
                 std::string(c.content).find("auth,or") != std::string::npos ? o : TableOptions{});
        EXPECT_EQ(texts(d), std::vector<std::string>{"x, y"}) << c.file << ": " << c.content;
        EXPECT_FALSE(r.fatal()) << format_report(r);
    }
    // Tabs and quotes inside a TSV's quoted text.
    LoadReport r;
    EXPECT_EQ(texts(read("author\ttext\nann\t\"a\tb \"\"c\"\"\nd\"\n", r, "x.tsv")),
              std::vector<std::string>{"a\tb \"c\"\nd"});
}

// ---------------------------------------------------------------------------
// Columns.

TEST(TableReader, HeaderNamesInTheirSpellings) {
    const std::pair<std::string, std::string> headers[] = {
        {"Author,Text,Age,Gender,Education,Native Language", "first"},
        {" SENDER , Message ,AGE,Sex,education,NativeLanguage", "first"},
        {"user,text,age,gender,education,native", "first"},
        {"UserID,TEXT,age,GENDER,Education,native_language", "first"},
        {"speaker,message,Age ,sex,EDUCATION,Native-Language", "first"},
    };
    for (const auto& [header, _] : headers) {
        LoadReport r;
        DataSet d = read(header + "\nann,hi,35,f,U,E\n", r);
        ASSERT_EQ(d.authors.size(), 1u) << header << "\n" << format_report(r);
        const RegisterRow& a = d.authors[0];
        EXPECT_EQ(a.name, "ann");
        EXPECT_EQ(a.age, "35");
        EXPECT_EQ(a.gender, "F");
        EXPECT_EQ(a.education, "U");
        EXPECT_EQ(a.nativeLanguage, "E") << header;
        EXPECT_TRUE(d.metadataColumns.empty()) << header;
        EXPECT_TRUE(r.absentFields.empty()) << header;
    }
}

TEST(TableReader, MapNamesAnyColumnForAField) {
    TableOptions o;
    for (const char* arg : {"text=Body", "author= Participant ID ", "AGE=alter", "gender=G",
                            "education=Schooling", "native=L1", "code=ID"}) {
        ASSERT_FALSE(add_column_mapping(o, arg)) << arg;
    }
    LoadReport r;
    DataSet d = read("participant id,ID,body,Alter,g,schooling,l1,text\n"
                     "p7,P-007,hello,40,M,HS,de,not the text\n",
                     r, "t.csv", o);
    ASSERT_EQ(d.authors.size(), 1u) << format_report(r);
    EXPECT_EQ(texts(d), std::vector<std::string>{"hello"});
    const RegisterRow expected{"P-007", "p7", "40", "M", "HS", "de"};
    EXPECT_EQ(d.authors[0].code, expected.code);
    EXPECT_EQ(d.authors[0].name, expected.name);
    EXPECT_EQ(d.authors[0].age, expected.age);
    EXPECT_EQ(d.authors[0].gender, expected.gender);
    EXPECT_EQ(d.authors[0].education, expected.education);
    EXPECT_EQ(d.authors[0].nativeLanguage, expected.nativeLanguage);
    // The "text" column not named by --map is the author's metadata.
    EXPECT_EQ(d.metadataColumns, std::vector<std::string>{"text"});
    EXPECT_EQ(d.authorMetadata, std::vector<std::vector<std::string>>{{"not the text"}});
}

TEST(TableReader, BadMapArguments) {
    TableOptions o;
    for (const char* arg : {"text", "colour=Farbe", "=x", "author="}) {
        EXPECT_TRUE(add_column_mapping(o, arg).has_value()) << arg;
    }
    EXPECT_TRUE(o.map.empty());
    ASSERT_FALSE(add_column_mapping(o, "author=Nobody"));
    LoadReport r;
    DataSet d = read("author,text\nann,hi\n", r, "t.csv", o);
    ASSERT_TRUE(r.fatal());
    EXPECT_NE(r.fatal_error()->rule().find("\"Nobody\""), std::string::npos);
    EXPECT_TRUE(d.corpus.empty());
}

TEST(TableReader, OtherColumnsAreTheAuthorsMetadata) {
    LoadReport r;
    DataSet d = read("Region,author,text,,Region\n"
                     " North ,ann,a,x,1\n"
                     "South,bo,b,,2\n"
                     "NA,cy,c,,\n",
                     r);
    EXPECT_EQ(d.metadataColumns, (std::vector<std::string>{"Region", "column 4", "Region"}));
    const std::vector<std::vector<std::string>> expected = {
        {"North", "x", "1"}, {"South", "", "2"}, {"", "", ""}};
    EXPECT_EQ(d.authorMetadata, expected);
}

// A column whose value differs between an author's texts for most authors (an
// id, a date) is a text field: kept per text, never as the author's value.
// An author's value differs when no value is given by more than half of the
// author's texts that give one; authors with fewer than two such texts say
// nothing either way.
TEST(TableReader, ColumnsThatDifferBetweenAnAuthorsTextsAreTextFields) {
    const std::string content = "author,text,ID,date,region,note\n"
                                "ann,a,1,d1,North,x\n"
                                "ann,b,2,d2,North,\n"
                                "bo,c,4,d1,South,y\n"
                                "ann,c,3,d3,North,z\n"
                                "bo,d,5,d1,South,y\n"
                                "cy,e,7,d5,East,\n"
                                "bo,f,6,d4,West,y\n"
                                "cy,g,8,d6,East,w\n"
                                "dee,h,9,d7,North,v\n";
    struct Kind {
        std::string name;
        bool text, chosen;
        std::size_t differing, informative;
    };
    const struct {
        const char* name;
        std::vector<std::string> textFields, authorFields; // the user's choices
        std::vector<std::string> metadata, textColumns;
        std::vector<Kind> kinds;
    } cases[] = {
        {"as found",
         {},
         {},
         {"region", "note"},
         {"ID", "date"},
         {{"ID", true, false, 3, 3},
          {"date", true, false, 2, 3},
          {"region", false, false, 0, 3},
          {"note", false, false, 1, 2}}},
        {"switched by the user",
         {" REGION "},
         {"id"},
         {"ID", "note"},
         {"date", "region"},
         {{"ID", false, true, 3, 3},
          {"date", true, false, 2, 3},
          {"region", true, true, 0, 3},
          {"note", false, false, 1, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableOptions options;
        options.textFields = c.textFields;
        options.authorFields = c.authorFields;
        LoadReport r;
        DataSet d = read(content, r, "t.csv", options);
        ASSERT_FALSE(r.fatal()) << format_report(r);
        EXPECT_EQ(d.metadataColumns, c.metadata);
        EXPECT_EQ(d.textColumns, c.textColumns);
        ASSERT_EQ(d.authorMetadata.size(), 4u);
        ASSERT_EQ(d.textMetadata.size(), d.corpus.size());
        for (std::size_t t = 0; t < d.corpus.size(); ++t)
            EXPECT_EQ(d.textMetadata[t].size(), c.textColumns.size());
        ASSERT_EQ(r.metadataFields.size(), c.kinds.size());
        for (std::size_t k = 0; k < c.kinds.size(); ++k) {
            const auto& got = r.metadataFields[k];
            EXPECT_EQ(got.name, c.kinds[k].name);
            EXPECT_EQ(got.textField, c.kinds[k].text) << got.name;
            EXPECT_EQ(got.chosen, c.kinds[k].chosen) << got.name;
            EXPECT_EQ(got.differing, c.kinds[k].differing) << got.name;
            EXPECT_EQ(got.informative, c.kinds[k].informative) << got.name;
        }
        // A text field is no problem of the authors' values.
        for (const auto& f : r.differingAuthors)
            EXPECT_TRUE(std::find(c.textColumns.begin(), c.textColumns.end(), f.field) ==
                        c.textColumns.end())
                << f.field;
    }
    LoadReport r;
    DataSet d = read(content, r);
    // Each text keeps its own values; the authors their majority values.
    EXPECT_EQ(d.textMetadata[2], (std::vector<std::string>{"4", "d1"}));
    EXPECT_EQ(d.authorMetadata[1], (std::vector<std::string>{"South", "y"}));
    EXPECT_EQ(r.count("author's ID differs"), 0u);
    EXPECT_EQ(r.count("author's region differs"), 1u);
    // The report's list of columns says which kind each is.
    EXPECT_EQ(std::vector<std::string>(r.columnsUsed.begin() + 2, r.columnsUsed.end()),
              (std::vector<std::string>{
                  "text field: \"ID\" (its value differs between the texts of 3 of 3 authors)",
                  "text field: \"date\" (its value differs between the texts of 2 of 3 authors)",
                  "metadata: \"region\"", "metadata: \"note\""}));
    // Switched to an author field, the value of most of the author's texts.
    TableOptions asAuthor;
    asAuthor.authorFields = {"date"};
    LoadReport r2;
    DataSet d2 = read(content, r2, "t.csv", asAuthor);
    EXPECT_EQ(d2.metadataColumns, (std::vector<std::string>{"date", "region", "note"}));
    EXPECT_EQ(d2.authorMetadata[1][0], "d1");
    EXPECT_EQ(r2.columnsUsed[3], "metadata: \"date\" (chosen as an author field)");
    EXPECT_EQ(r2.count("author's date differs"), 3u);
}

TEST(TableReader, TextAndAuthorFieldsNamedWrongly) {
    const struct {
        std::vector<std::string> textFields, authorFields;
        std::string says;
    } cases[] = {
        {{"town"}, {}, "--text-field names no column \"town\""},
        {{}, {"town"}, "--author-field names no column \"town\""},
        {{"message"}, {}, "\"message\" is read as the text"},
        {{"Age"}, {}, "\"Age\" is read as the age"},
        {{"id"}, {"ID"}, "\"ID\" is named both by --text-field and by --author-field"},
    };
    for (const auto& c : cases) {
        TableOptions options;
        options.textFields = c.textFields;
        options.authorFields = c.authorFields;
        LoadReport r;
        DataSet d = read("author,message,age,id\nann,hi,3,1\n", r, "t.csv", options);
        ASSERT_TRUE(r.fatal()) << c.says;
        EXPECT_NE(r.fatal_error()->rule().find(c.says), std::string::npos)
            << r.fatal_error()->what();
        EXPECT_EQ(r.fatal_error()->line(), 1);
        EXPECT_TRUE(d.corpus.empty());
    }
}

TEST(TableReader, TwoColumnsForOneField) {
    LoadReport r;
    DataSet d = read("text,author,message\nfirst,ann,second\n", r);
    EXPECT_EQ(texts(d), std::vector<std::string>{"first"});
    EXPECT_EQ(d.metadataColumns, std::vector<std::string>{"message"});
    EXPECT_EQ(r.count("columns alike"), 1u);
}

// ---------------------------------------------------------------------------
// The register: one author per identifier, values by majority, codes.

TEST(TableReader, AuthorsInOrderOfFirstAppearanceWithoutRegardToCase) {
    LoadReport r;
    DataSet d = read("author,text\n"
                     "Zoe,1\n"
                     "ann,2\n"
                     " ZOE ,3\n"
                     "Stra\xC3\x9F"
                     "e,4\n"
                     "STRASSE,5\n"
                     "ann,6\n",
                     r);
    ASSERT_EQ(d.authors.size(), 3u);
    EXPECT_EQ(d.authors[0].name, "Zoe");
    EXPECT_EQ(d.authors[1].name, "ann");
    EXPECT_EQ(d.authors[2].name, "Stra\xC3\x9F"
                                 "e");
    std::vector<std::string> authors;
    for (const auto& row : d.corpus) authors.push_back(row.author);
    EXPECT_EQ(authors, (std::vector<std::string>{"Zoe", "ann", "Zoe",
                                                 "Stra\xC3\x9F"
                                                 "e",
                                                 "Stra\xC3\x9F"
                                                 "e",
                                                 "ann"}));
    EXPECT_EQ(r.count("author written differently"), 2u);
    EXPECT_EQ(places(r, "author written differently"),
              (std::vector<std::string>{"t.csv:4", "t.csv:6"}));
}

struct MajorityCase {
    const char* name;
    std::vector<std::string> ages; // one per text of the same author
    std::string age;
    bool differs;
};

TEST(TableReader, AnAuthorsValueIsThatOfMostOfTheirTexts) {
    const MajorityCase cases[] = {
        {"one value", {"30", "30"}, "30", false},
        {"majority", {"30", "31", "31"}, "31", true},
        {"tie takes the first", {"31", "30", "30", "31"}, "31", true},
        {"missing does not vote", {"", "NA", "30", "unknown"}, "30", false},
        {"all missing", {"", "NA"}, "", false},
        {"unreadable does not vote", {"x", "40", "old"}, "40", false},
        {"same age written differently", {"030", " 30", "30"}, "30", false},
        {"ranges", {"16-20", "16 - 20", "21-25"}, "16-20", true},
    };
    for (const auto& c : cases) {
        std::string content = "author,text,age\n";
        for (const auto& a : c.ages) content += "ann,t," + a + "\n";
        LoadReport r;
        DataSet d = read(content, r);
        SCOPED_TRACE(c.name);
        ASSERT_EQ(d.authors.size(), 1u);
        EXPECT_EQ(d.authors[0].age, c.age);
        EXPECT_EQ(r.count("author's age differs"), c.differs ? 1u : 0u);
        EXPECT_EQ(r.differingAuthors.size(), c.differs ? 1u : 0u);
    }
}

TEST(TableReader, MajorityAmongManyValues) {
    // More values than the tally holds without an index, then repeats.
    struct Case {
        std::vector<int> extra; // values given again after 1..12 once each
        std::string expected;
    };
    const Case cases[] = {{{10, 10}, "v10"}, {{11, 3}, "v3"}, {{12, 2, 12, 2}, "v2"}, {{}, "v1"}};
    for (const auto& c : cases) {
        std::string content = "author,text,note\n";
        for (int v = 1; v <= 12; ++v) content += "ann,t,v" + std::to_string(v) + "\n";
        for (int v : c.extra) content += "ann,t,v" + std::to_string(v) + "\n";
        // A value per text makes a text field; read as the author's here.
        TableOptions options;
        options.authorFields = {"note"};
        LoadReport r;
        DataSet d = read(content, r, "t.csv", options);
        EXPECT_EQ(d.authorMetadata, std::vector<std::vector<std::string>>{{c.expected}});
    }
}

TEST(TableReader, AColumnWithAValuePerTextReadsInLinearTime) {
    // A time per text: as many values as texts for each author.
    std::string content = "author,text,sent\n";
    for (int i = 0; i < 200000; ++i) {
        content += "u" + std::to_string(i % 2) + ",hi,t" + std::to_string(i) + "\n";
    }
    // Read as a text field (as found) and as an author field (as chosen).
    TableOptions asAuthor;
    asAuthor.authorFields = {"sent"};
    LoadReport r, r2;
    DataSet d = read(content, r, "t.csv", asAuthor);
    DataSet d2 = read(content, r2);
    EXPECT_EQ(d.authorMetadata, (std::vector<std::vector<std::string>>{{"t0"}, {"t1"}}));
    EXPECT_EQ(d2.textColumns, std::vector<std::string>{"sent"});
    ASSERT_EQ(d2.textMetadata.size(), 200000u);
    EXPECT_EQ(d2.textMetadata.back(), std::vector<std::string>{"t199999"});
    // Its time is measured by BM_TableWithAValuePerText (a search through
    // every value seen would take minutes here).
}

TEST(TableReader, ManyRowsThatAreNotUtf8ReadInLinearTime) {
    std::string content = "author,text\nann,caf\xC3\xA9\n";
    for (int i = 0; i < 100000; ++i) content += "bo,caf\xE9\n";
    LoadReport r;
    read(content, r);
    EXPECT_EQ(r.count("not UTF-8"), 100000u);
    EXPECT_EQ(places(r, "not UTF-8").back(), "t.csv:7");
    // Its time is measured by BM_TableOfRowsNotUtf8 (counting each row's line
    // from the top would take minutes here).
}

TEST(TableReader, DifferingValuesAreCountedPerField) {
    LoadReport r;
    DataSet d = read("author,text,gender,education,Town\n"
                     "ann,a,F,U,York\n"
                     "bo,b,m,HS,Leeds\n"
                     "ann,c,female,G,Hull\n" // line 4: education and town differ
                     "bo,d,F,HS,Leeds\n"     // line 5: gender differs (a tie: M first)
                     "ann,e,woman,G,York\n"
                     "cy,f,,,\n",
                     r);
    ASSERT_EQ(d.authors.size(), 3u);
    EXPECT_EQ(d.authors[0].gender, "F");
    EXPECT_EQ(d.authors[0].education, "G");
    EXPECT_EQ(d.authors[1].gender, "M");
    EXPECT_EQ(d.authorMetadata[0], std::vector<std::string>{"York"});
    const std::vector<std::pair<std::string, std::size_t>> expected = {
        {"gender", 1}, {"education", 1}, {"Town", 1}};
    std::vector<std::pair<std::string, std::size_t>> got;
    for (const auto& f : r.differingAuthors) got.emplace_back(f.field, f.authors);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(places(r, "author's education differs"), std::vector<std::string>{"t.csv:4"});
    EXPECT_EQ(places(r, "author's gender differs"), std::vector<std::string>{"t.csv:5"});
    EXPECT_EQ(places(r, "author's Town differs"), std::vector<std::string>{"t.csv:4"});
    // The places of a differing field are in file order, not in author order.
    LoadReport r2;
    read("author,text,age\nann,a,1\nbo,b,2\nbo,c,3\nann,d,4\n", r2);
    EXPECT_EQ(places(r2, "author's age differs"), (std::vector<std::string>{"t.csv:4", "t.csv:5"}));
}

TEST(TableReader, CodesArePaddedToTheWidthOfTheAuthorCount) {
    for (std::size_t n : {1u, 9u, 10u, 99u, 100u, 343u, 1000u}) {
        std::string content = "author,text\n";
        for (std::size_t i = 0; i < n; ++i) {
            content += "a" + std::to_string(i) + ",t\n";
            if (i % 3 == 0) content += "a0,again\n";
        }
        LoadReport r;
        DataSet d = read(content, r);
        ASSERT_EQ(d.authors.size(), n);
        const std::size_t width = std::to_string(n).size();
        for (std::size_t i = 0; i < n; ++i) {
            std::string want = std::to_string(i + 1);
            want.insert(0, width - want.size(), '0');
            ASSERT_EQ(d.authors[i].code, want) << n;
        }
    }
    LoadReport r;
    DataSet d = read("author,text\nx,1\ny,2\nz,3\n", r);
    EXPECT_EQ(codes(d), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(TableReader, ACodeColumnGivesTheCodes) {
    LoadReport r;
    DataSet d = read("code,author,text\n"
                     "A7,ann,1\n"
                     "B2,bo,2\n"
                     "a7,cy,3\n" // line 4: ann's code, compared without regard to case
                     ",dee,4\n"  // line 5: none
                     "C,ann,5\n" // ann: A7 twice, C once
                     "A7,ann,6\n",
                     r);
    EXPECT_EQ(codes(d), (std::vector<std::string>{"A7", "B2", "*3", "*4"}));
    EXPECT_EQ(r.count("code missing or used twice"), 2u);
    EXPECT_EQ(places(r, "code missing or used twice"),
              (std::vector<std::string>{"t.csv:4", "t.csv:5"}));
    EXPECT_EQ(r.count("author's code differs"), 1u);
    // A generated code never takes one the column gave.
    LoadReport r2;
    DataSet d2 = read("code,author,text\n*2,ann,1\n,bo,2\n", r2);
    EXPECT_EQ(codes(d2), (std::vector<std::string>{"*2", "**2"}));
}

// ---------------------------------------------------------------------------
// Values and rows the reader leaves out or takes as missing.

TEST(TableReader, EmptyTextsAreSkippedAndCounted) {
    LoadReport r;
    DataSet d = read("author,text\n"
                     "ann,\n"
                     "ann,\"   \"\n"
                     "ann,\"\t\r\n\"\n" // lines 4-5
                     "bo,\xC2\xA0\n"    // line 6: a no-break space alone
                     "bo,\" x \"\n"
                     "cy,\n",
                     r);
    EXPECT_EQ(texts(d), std::vector<std::string>{" x "});
    EXPECT_EQ(r.textsSkippedEmpty, 5u);
    EXPECT_EQ(r.textsRead, 1u);
    EXPECT_EQ(r.count("empty text"), 5u);
    EXPECT_EQ(places(r, "empty text"),
              (std::vector<std::string>{"t.csv:2", "t.csv:3", "t.csv:4", "t.csv:6", "t.csv:8"}));
    // Authors only of empty texts are not in the register.
    ASSERT_EQ(d.authors.size(), 1u);
    EXPECT_EQ(d.authors[0].name, "bo");
}

TEST(TableReader, UnreadableAgesAndGendersAreMissing) {
    LoadReport r;
    DataSet d = read("author,text,age,gender\n"
                     "a,t,35,M\n"
                     "b,t,16-20,Female\n"
                     "c,t,NA,n/a\n"
                     "d,t,thirty,X\n"
                     "e,t,1985,other\n"
                     "f,t,20-16,woman\n",
                     r);
    std::vector<std::pair<std::string, std::string>> got;
    for (const auto& a : d.authors) got.emplace_back(a.age, a.gender);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"35", "M"}, {"16-20", "F"}, {"", ""}, {"", ""}, {"", ""}, {"", "F"}};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(places(r, "age not readable"),
              (std::vector<std::string>{"t.csv:5", "t.csv:6", "t.csv:7"}));
    EXPECT_EQ(places(r, "gender not readable"), (std::vector<std::string>{"t.csv:5", "t.csv:6"}));
    EXPECT_EQ(r.find("age not readable")->action, "treated as missing");
}

TEST(TableReader, RaggedRows) {
    LoadReport r;
    DataSet d = read("author,text,age\n"
                     "ann,short\n"       // too short: age missing
                     "bo\n"              // too short: no text, so skipped as empty
                     "cy,a,b,c,30\n"     // too long
                     "dee,fine,30,,\t\n" // only empty fields beyond the header
                     "eve,\"x,y\",30\n",
                     r);
    EXPECT_EQ(texts(d), (std::vector<std::string>{"short", "fine", "x,y"}));
    EXPECT_EQ(places(r, "row too short"), (std::vector<std::string>{"t.csv:2", "t.csv:3"}));
    EXPECT_EQ(places(r, "row too long"), std::vector<std::string>{"t.csv:4"});
    EXPECT_EQ(r.find("row too long")->action, "row skipped");
    EXPECT_EQ(places(r, "empty fields at the end"), std::vector<std::string>{"t.csv:5"});
    EXPECT_EQ(r.textsSkippedEmpty, 1u);
    EXPECT_EQ(r.rowsSkipped, 1u);
}

TEST(TableReader, EveryProblemWithItsCountAndFirstFivePlaces) {
    std::string content = "author,text\n";
    for (int i = 0; i < 8; ++i) content += "a,t,extra\n"; // lines 2-9
    content += "a,ok\n";                                  // line 10
    for (int i = 0; i < 2; ++i) content += "a,\n";        // lines 11-12
    LoadReport r;
    read(content, r);
    ASSERT_EQ(r.problems().size(), 2u);
    const ReportedProblem& p = r.problems()[0];
    EXPECT_EQ(p.rule, "row too long");
    EXPECT_EQ(p.count, 8u);
    EXPECT_EQ(p.places,
              (std::vector<std::string>{"t.csv:2", "t.csv:3", "t.csv:4", "t.csv:5", "t.csv:6"}));
    EXPECT_EQ(r.problems()[1].count, 2u);
    const std::string text = format_report(r);
    EXPECT_NE(text.find("row too long (8x)"), std::string::npos) << text;
    EXPECT_NE(text.find("t.csv:6 and 3 more"), std::string::npos) << text;
    EXPECT_NE(text.find("empty text (2x)"), std::string::npos) << text;
    EXPECT_NE(text.find("1 texts by 1 authors"), std::string::npos) << text;
    EXPECT_EQ(exit_status(r), 0);
}

TEST(TableReader, RowsThatAreNotUtf8AreSkippedNotRepaired) {
    LoadReport r;
    DataSet d = read("author,text,town\n"
                     "ann,caf\xE9,x\n"       // Windows-1252
                     "bo,fine,M\xFCnchen\n"  // in a metadata cell
                     "cy,\"a\nb\xC0\xAF\"\n" // line 5 of the quoted text: overlong
                     "dee,ok \xF0\x9F\x98\x80,y\n",
                     r);
    EXPECT_EQ(texts(d), std::vector<std::string>{"ok \xF0\x9F\x98\x80"});
    EXPECT_EQ(places(r, "not UTF-8"), (std::vector<std::string>{"t.csv:2", "t.csv:3", "t.csv:5"}));
    EXPECT_EQ(r.rowsSkipped, 3u);
}

TEST(TableReader, UnclosedQuoteAndTextAfterAQuote) {
    LoadReport r;
    DataSet d = read("author,text\n"
                     "ann,\"ok\" then,\n" // text after the closing quote; an empty field
                     "bo,  \"padded\"  \n"
                     "cy,\"never closed\nbo,lost\n",
                     r);
    EXPECT_EQ(texts(d), (std::vector<std::string>{"ok then", "padded"}));
    EXPECT_EQ(places(r, "text after a quote"), std::vector<std::string>{"t.csv:2"});
    EXPECT_EQ(places(r, "blanks around quotes"), std::vector<std::string>{"t.csv:3"});
    EXPECT_EQ(places(r, "quote not closed"), std::vector<std::string>{"t.csv:4"});
}

TEST(TableReader, TextsWithoutAnAuthorStayInTheCorpus) {
    LoadReport r;
    DataSet d = read("author,text\n ,orphan\nann,mine\n", r);
    ASSERT_EQ(d.corpus.size(), 2u);
    EXPECT_EQ(d.corpus[0].author, "");
    EXPECT_EQ(d.authors.size(), 1u);
    EXPECT_EQ(places(r, "no author"), std::vector<std::string>{"t.csv:2"});
}

TEST(TableReader, FieldsAbsentFromTheCorpus) {
    LoadReport r;
    read("author,text,age,education\nann,t,NA,\nbo,u,,\n", r);
    EXPECT_EQ(r.absentFields,
              (std::vector<std::string>{"age (no value in column \"age\")", "gender (no column)",
                                        "education (no value in column \"education\")",
                                        "native language (no column)"}));
}

// ---------------------------------------------------------------------------
// A table that cannot be read at all.

TEST(TableReader, FatalProblems) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "no header row"},
        {"\n\nauthor,text\n", "no header row"},
        {"\xEF\xBB\xBF", "no header row"},
        {"\xFF\xFE"
         "a\0u\0",
         "UTF-16"},
        {"writer,words\nann,hi\n", "no text column"},
        {"text,age\nhi,3\n", "no author column"},
        {"author,te\xFFxt\nann,hi\n", "not UTF-8"},
        {"author,te\xFFxt\nann,h\xC3\xA9\n", "header row is not UTF-8"},
        {"author,text\n", "holds no text"},
        {"author,text\nann,\nbo, \n", "holds no text"},
        {"author,text\nann,caf\xE9\n", "not UTF-8"},
        {"author,text,town\nann,hi,M\xFCnchen\nbo,ok,York\n", "not UTF-8"},
    };
    for (const auto& [content, message] : cases) {
        LoadReport r;
        DataSet d = read(content, r);
        ASSERT_TRUE(r.fatal()) << content;
        EXPECT_NE(r.fatal_error()->rule().find(message), std::string::npos)
            << r.fatal_error()->what();
        EXPECT_TRUE(d.corpus.empty() && d.authors.empty());
        EXPECT_EQ(exit_status(r), 2);
        EXPECT_EQ(format_report(r).rfind("cannot be read: t.csv:", 0), 0u) << format_report(r);
    }
}

// A quote that is never closed swallows the rest of the file; when that leaves
// no text, the message names the open quote and its line, not an empty table.
TEST(TableReader, AQuoteNeverClosedIsNamedWithItsLine) {
    const struct {
        std::string content;
        int line;
        std::string message;
    } cases[] = {
        {"author,text\nann,\"never closed\nbo,lost\n", 2,
         "a quoted field opened on line 2 is never closed"},
        {"author,text\n\"ann,hi\nbo,ok\n", 2, "a quoted field opened on line 2 is never closed"},
        {"author,text\r\n\r\nann,\"a\r\nb\r\n", 3,
         "a quoted field opened on line 3 is never closed"},
        {"\"author,text\nann,hi\n", 1, "a quoted field of the header is never closed"},
    };
    for (const auto& c : cases) {
        LoadReport r;
        read(c.content, r);
        ASSERT_TRUE(r.fatal()) << c.content;
        const DataError e = *r.fatal_error();
        EXPECT_EQ(e.line(), c.line) << e.what();
        EXPECT_NE(e.rule().find(c.message), std::string::npos) << e.what();
        EXPECT_EQ(e.rule().find("holds no text"), std::string::npos) << e.what();
    }
    // Texts before the open quote are read; the quote is a problem, not a stop.
    LoadReport r;
    DataSet d = read("author,text\nann,hi\nbo,\"open\ncy,lost\n", r);
    EXPECT_FALSE(r.fatal());
    EXPECT_EQ(texts(d), std::vector<std::string>{"hi"});
    EXPECT_EQ(places(r, "quote not closed"), std::vector<std::string>{"t.csv:3"});
}

// UTF-16 bytes with a byte-order mark, as a spreadsheet saves "Unicode text".
std::string utf16(std::u16string_view text, bool little_endian) {
    std::string out = little_endian ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t c : text) {
        const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
        out += little_endian ? std::string{lo, hi} : std::string{hi, lo};
    }
    return out;
}

// Files in other encodings than UTF-8: UTF-16 with its byte-order mark is read
// as it is; a legacy 8-bit file only with the encoding named, and without it
// the message proposes one and names the option.
TEST(TableReader, OtherEncodings) {
    const std::u16string table = u"author\ttext\r\nann\tcaf\u00e9 \U0001F44D\r\nbo\tok\r\n";
    const std::vector<std::string> read_as = {"caf\xC3\xA9 \xF0\x9F\x91\x8D", "ok"};
    const std::string latin = "author,text\nann,caf\xE9 cr\xE8me br\xFBl\xE9"
                              "e\nbo,\x93ok\x94 na\xEFve\n";
    const struct {
        const char* name;
        std::string content;
        std::string encoding;           // the encoding named by the user
        std::vector<std::string> texts; // as read; none when the file cannot be read
        std::string says;               // the reading's encoding, or the fatal message
    } cases[] = {
        {"UTF-16 LE", utf16(table, true), "", read_as, "UTF-16LE"},
        {"UTF-16 BE", utf16(table, false), "", read_as, "UTF-16BE"},
        {"UTF-16 wins over a named encoding", utf16(table, true), "windows-1252", read_as,
         "UTF-16LE"},
        {"UTF-16 cut in a character", utf16(table, true) + "x", "", {}, "UTF-16"},
        {"UTF-16 with a lone surrogate",
         utf16(u"author,text\nann,\xD800x\n", true),
         "",
         {},
         "UTF-16"},
        {"legacy without a name", latin, "", {}, "--encoding windows-1252"},
        {"legacy named",
         latin,
         "windows-1252",
         {"caf\xC3\xA9 cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
          "e",
          "\xE2\x80\x9Cok\xE2\x80\x9D na\xC3\xAFve"},
         "windows-1252"},
        {"legacy named in another spelling",
         "author,text\nann,caf\xE9\n",
         "latin1",
         {"caf\xC3\xA9"},
         "latin1"},
        {"an unknown encoding", latin, "klingon-8", {}, "no encoding \"klingon-8\""},
        {"a byte the encoding lacks",
         "author,text\nann,a\xA1\n",
         "ISO-8859-8",
         {},
         "is not a character of ISO-8859-8"},
        {"UTF-8 stays UTF-8",
         "author,text\nann,caf\xC3\xA9\n",
         "windows-1252",
         {"caf\xC3\xA9"},
         "UTF-8"},
        // Without its byte-order mark UTF-16 is refused, naming itself (it
        // once read as a table of NUL bytes), and read when it is named.
        {"UTF-16 LE without a mark", utf16(table, true).substr(2), "", {}, "--encoding UTF-16LE"},
        {"UTF-16 BE without a mark", utf16(table, false).substr(2), "", {}, "--encoding UTF-16BE"},
        {"UTF-16 LE without a mark, named", utf16(table, true).substr(2), "UTF-16LE", read_as,
         "UTF-16LE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableOptions options;
        options.encoding = c.encoding;
        LoadReport r;
        DataSet d = read(c.content, r, "t.csv", options);
        if (c.texts.empty()) {
            ASSERT_TRUE(r.fatal());
            EXPECT_NE(r.fatal_error()->rule().find(c.says), std::string::npos)
                << r.fatal_error()->what();
            continue;
        }
        ASSERT_FALSE(r.fatal()) << format_report(r);
        EXPECT_EQ(texts(d), c.texts);
        EXPECT_EQ(r.encoding, c.says);
        // The report says an encoding other than UTF-8.
        EXPECT_EQ(format_report(r).find("\n  read as " + c.says + "\n") != std::string::npos,
                  c.says != "UTF-8")
            << format_report(r);
        EXPECT_EQ(d.authors.size(), 2u - (c.texts.size() == 1));
    }
    // The encoding proposed is kept for the window that asks the user.
    LoadReport r;
    read(latin, r);
    EXPECT_EQ(r.proposedEncoding, "windows-1252");
    // A named encoding not used since the file is UTF-8 is said.
    LoadReport u;
    TableOptions named;
    named.encoding = "windows-1252";
    read("author,text\nann,caf\xC3\xA9\n", u, "t.csv", named);
    EXPECT_EQ(u.count("encoding not used"), 1u);
    // So is one named for a UTF-8 file with a broken row: the row is left out,
    // the UTF-8 characters of the others are not turned into two each.
    LoadReport v;
    DataSet d = read("author,text\nann,caf\xC3\xA9\nbo,caf\xE9\n", v, "t.csv", named);
    EXPECT_EQ(texts(d), std::vector<std::string>{"caf\xC3\xA9"});
    EXPECT_EQ(v.count("encoding not used"), 1u);
    EXPECT_EQ(v.count("not UTF-8"), 1u);
    EXPECT_EQ(v.encoding, "UTF-8");
}

TEST(TableReader, LoadFromAFile) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("zapt_table_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    const std::string good = (dir / "c.CSV").string(), missing = (dir / "none.csv").string();
    std::ofstream(good, std::ios::binary) << "author,text\nann,hi\n";
    EXPECT_TRUE(is_table_path(good));
    EXPECT_TRUE(is_table_path("x.tsv") && is_table_path("x.txt"));
    EXPECT_FALSE(is_table_path(dir.string()) || is_table_path("x.json") || is_table_path("csv"));

    LoadReport r;
    DataSet d = load_table_corpus(good, {}, r);
    EXPECT_EQ(texts(d), std::vector<std::string>{"hi"});
    EXPECT_EQ(d.variants.size(), 16u); // the built-in families
    EXPECT_FALSE(d.glossary.forms.empty());
    EXPECT_EQ(r.source, good);

    for (const std::string& path : {missing, dir.string()}) {
        LoadReport bad;
        try {
            load_table_corpus(path, {}, bad);
            ADD_FAILURE() << "no DataError for " << path;
        } catch (const DataError& e) {
            EXPECT_EQ(e.file(), path);
            EXPECT_TRUE(bad.fatal());
        }
    }
    std::filesystem::remove_all(dir);
}

// ---------------------------------------------------------------------------
// The Donate window's format.

const char* const kDonateHeader =
    "Gender and age of sender,Education Level of sender,Sender's nationality,Message,"
    "Gender and age of receiver,Education Level of receiver,Receiver's nationality\n";

TEST(TableReader, DonateFormat) {
    LoadReport r;
    DataSet d = read(std::string(kDonateHeader) +
                         "F35,U,UK,\"hi, love\",M29,U,UK\n"
                         "f35, U ,uk,second,F60,G,IE\n" // the same sender
                         "M29,HS,UK,third,F35,U,UK\n"
                         "F35,U,IE,fourth,M29,U,UK\n" // another nationality: another sender
                         "X9,U,UK,fifth,M29,U,UK\n"   // unreadable gender and age
                         "F16-20,,,sixth,,,\n",
                     r);
    EXPECT_EQ(texts(d), (std::vector<std::string>{"hi, love", "second", "third", "fourth", "fifth",
                                                  "sixth"}));
    std::vector<std::string> got;
    for (const auto& a : d.authors) {
        got.push_back(a.code + "/" + a.gender + "/" + a.age + "/" + a.education + "/" +
                      a.nativeLanguage);
    }
    EXPECT_EQ(got, (std::vector<std::string>{"1/F/35/U/", "2/M/29/HS/", "3/F/35/U/", "4///U/",
                                             "5/F/16-20//"}));
    EXPECT_EQ(d.corpus[1].author, d.corpus[0].author);
    EXPECT_NE(d.corpus[3].author, d.corpus[0].author);
    EXPECT_EQ(d.metadataColumns, std::vector<std::string>{"Sender's nationality"});
    EXPECT_EQ(d.authorMetadata,
              (std::vector<std::vector<std::string>>{{"UK"}, {"UK"}, {"IE"}, {"UK"}, {""}}));
    EXPECT_EQ(r.columnsDropped.size(), 3u);
    EXPECT_EQ(places(r, "gender and age not readable"), std::vector<std::string>{"t.csv:6"});
    EXPECT_EQ(r.count("author written differently"), 1u); // "uk" and "UK", " U " and "U"
}

TEST(TableReader, DonateNationalityAsNativeLanguageWhenAskedFor) {
    TableOptions o;
    ASSERT_FALSE(add_column_mapping(o, "native=sender's nationality"));
    LoadReport r;
    DataSet d = read(std::string(kDonateHeader) + "F35,U,UK,hi,M29,U,UK\n", r, "t.csv", o);
    ASSERT_EQ(d.authors.size(), 1u);
    EXPECT_EQ(d.authors[0].nativeLanguage, "UK");
    EXPECT_TRUE(d.metadataColumns.empty());
}

TEST(TableReader, HeaderOfTheDonateFormatInOtherSpellings) {
    LoadReport r;
    DataSet d = read("Gender-and-age of sender;EDUCATION LEVEL OF SENDER;senders nationality;"
                     "message;gender and age of receiver;education level of receiver;"
                     "receivers-nationality\n"
                     "m 40;G;FR;salut;F41;G;FR\n",
                     r);
    ASSERT_EQ(d.authors.size(), 1u) << format_report(r);
    EXPECT_EQ(d.authors[0].gender, "M");
    EXPECT_EQ(d.authors[0].age, "40");
    EXPECT_EQ(d.authors[0].education, "G");
}

// ---------------------------------------------------------------------------
// Glossary and families as tables.

TEST(TableReader, GlossaryTable) {
    GlossaryData g = read_glossary_csv("g.csv", "\xEF\xBB\xBF"
                                                "Form,Interpretation\r\n"
                                                "lol,laughing out loud\r\n"
                                                "\"gr8\",\"great, very good\"\r\n"
                                                "x,\r\n"
                                                "y,\r\n");
    EXPECT_EQ(g.forms, (std::vector<std::string>{"lol", "gr8", "x", "y"}));
    EXPECT_EQ(g.interpretations,
              (std::vector<std::string>{"laughing out loud", "great, very good"}));
    const std::pair<std::string, std::string> broken[] = {
        {"form,meaning\nlol,x\n", "g.csv:1: the header has no column \"interpretation\""},
        {"form,interpretation\nlol,x\n,y\n", "g.csv:3: a form may not be empty"},
        {"form,interpretation\nlol,x,z\n", "g.csv:2: a row has 3 fields; the header has 2"},
        {"form,interpretation\n\"l\nol\",x\n", "g.csv:2: an entry may not hold a line break"},
        {"form,interpretation\nlol,caf\xE9\n", "g.csv:2: not UTF-8 (a byte at 28)"},
        {"form,interpretation\n", "g.csv:1: the list of forms is empty"},
    };
    for (const auto& [content, message] : broken) {
        try {
            read_glossary_csv("g.csv", content);
            ADD_FAILURE() << "no DataError: " << message;
        } catch (const DataError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

TEST(TableReader, FamiliesTable) {
    auto f = read_families_csv("f.csv", "family,form\n"
                                        "been,b\n"
                                        "Gonna,gonna\n"
                                        "been,bin\n"
                                        "Gonna,gunna\n"
                                        "gon-na!,gna\n"
                                        "\xC3\xA7"
                                        "a,ca\n");
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0].list, "lstBeen"); // a built-in family keeps its names
    EXPECT_EQ(f[0].stem, "Been");
    EXPECT_EQ(f[0].items, (std::vector<std::string>{"b", "bin"}));
    EXPECT_EQ(f[1].list, "lstGonna");
    EXPECT_EQ(f[1].caption, "Gonna");
    EXPECT_EQ(f[1].items, (std::vector<std::string>{"gonna", "gunna"}));
    EXPECT_EQ(f[2].stem, "Gonna2"); // the same letters as "Gonna"
    EXPECT_EQ(f[3].stem, "A");
    try {
        read_families_csv("f.csv", "family,form\nx,a\ny,b\nx,a\n");
        ADD_FAILURE() << "a form twice in a family";
    } catch (const DataError& e) {
        EXPECT_EQ(e.line(), 4);
    }
}

TEST(TableReader, GlossaryAndFamiliesFiles) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("zapt_lists_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    auto write = [&](const std::string& name, const std::string& content) {
        std::ofstream((dir / name).string(), std::ios::binary) << content;
        return (dir / name).string();
    };
    EXPECT_EQ(load_glossary_file(write("g.csv", "form,interpretation\nlol,laughing\n")).forms,
              std::vector<std::string>{"lol"});
    EXPECT_EQ(load_glossary_file(write("g.json", "{\"forms\": [\"lol\"], \"interpretations\": "
                                                 "[]}"))
                  .forms,
              std::vector<std::string>{"lol"});
    EXPECT_EQ(load_families_file(write("f.tsv", "family\tform\nWe\twe\n"))[0].list, "LstWeForms");
    // A number too large for a double is a broken file, not a crash.
    const std::pair<std::string, std::string> broken[] = {
        {"big.json", "{\"forms\": [\"a\"], \"interpretations\": [], \"n\": 1e999}"},
        {"none.csv", ""},
    };
    for (const auto& [name, content] : broken) {
        std::string path = (dir / name).string();
        if (!content.empty()) write(name, content);
        EXPECT_THROW(load_glossary_file(path), DataError) << name;
        EXPECT_THROW(load_families_file(path), DataError) << name;
    }
    std::filesystem::remove_all(dir);
}

// ---------------------------------------------------------------------------
// An independent reading: tests/data/make_awkward_corpus.py writes an awkward
// table and what Python's csv module and the rules make of it.

TEST(TableReader, AwkwardTableAsPythonReadsIt) {
    const std::string dir = ZAPT_TEST_DATA_DIR;
    std::ifstream in(dir + "/awkward_corpus.expected.json", std::ios::binary);
    ASSERT_TRUE(in) << "run tests/data/make_awkward_corpus.py";
    const auto expected = nlohmann::json::parse(in);
    LoadReport r;
    DataSet d = read_table_corpus(dir + "/awkward_corpus.csv", {}, r);
    ASSERT_FALSE(r.fatal()) << format_report(r);

    ASSERT_EQ(d.corpus.size(), expected["texts"].size());
    for (std::size_t i = 0; i < d.corpus.size(); ++i) {
        EXPECT_EQ(d.corpus[i].text, expected["texts"][i]["text"].get<std::string>()) << i;
        EXPECT_EQ(d.corpus[i].author, expected["texts"][i]["author"].get<std::string>()) << i;
    }
    // The text fields, decided by Python from the same rule, with each text's values.
    EXPECT_EQ(d.textColumns, expected["textColumns"].get<std::vector<std::string>>());
    if (!d.textColumns.empty()) {
        ASSERT_EQ(d.textMetadata.size(), d.corpus.size());
        for (std::size_t i = 0; i < d.corpus.size(); ++i) {
            EXPECT_EQ(d.textMetadata[i],
                      expected["texts"][i]["fields"].get<std::vector<std::string>>())
                << i;
        }
    }
    ASSERT_EQ(d.authors.size(), expected["register"].size());
    for (std::size_t i = 0; i < d.authors.size(); ++i) {
        const auto& e = expected["register"][i];
        const RegisterRow& a = d.authors[i];
        EXPECT_EQ(a.code, e["code"].get<std::string>());
        EXPECT_EQ(a.name, e["name"].get<std::string>());
        EXPECT_EQ(a.age, e["age"].get<std::string>()) << a.name;
        EXPECT_EQ(a.gender, e["gender"].get<std::string>()) << a.name;
        EXPECT_EQ(a.education, e["education"].get<std::string>()) << a.name;
        EXPECT_EQ(a.nativeLanguage, e["nativeLanguage"].get<std::string>()) << a.name;
        EXPECT_EQ(d.authorMetadata[i], e["metadata"].get<std::vector<std::string>>()) << a.name;
    }
    EXPECT_EQ(d.metadataColumns, expected["metadataColumns"].get<std::vector<std::string>>());
    EXPECT_EQ(r.textsSkippedEmpty, expected["emptyTexts"].get<std::size_t>());
    EXPECT_EQ(r.count("age not readable"), expected["unreadableAges"].get<std::size_t>());
    EXPECT_EQ(r.count("gender not readable"), expected["unreadableGenders"].get<std::size_t>());
    for (const auto& [field, n] : expected["differingAuthors"].items()) {
        std::size_t got = 0;
        for (const auto& f : r.differingAuthors) {
            if (f.field == field) got = f.authors;
        }
        EXPECT_EQ(got, n.get<std::size_t>()) << field;
    }
}

} // namespace
} // namespace zapt
