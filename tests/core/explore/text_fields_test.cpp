// Subcorpora chosen by a text field (a value per text: an id, a date): every
// exploring tool counts the chosen texts only, each author's part being the
// words of their texts in the subcorpus. The figures are worked out here
// again, text by text, from the table's texts.
#include "app/corpus_source.h"
#include "corpus/author_register.h"
#include "corpus/corpus.h"
#include "corpus/table_reader.h"
#include "corpus/text.h"
#include "explore/collocates.h"
#include "explore/tables.h"
#include "explore/word_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <set>

namespace zapt {
namespace {

// Ten texts of five authors; "id" and "date" differ between an author's
// texts, so they are text fields, while gender and region are the authors'.
const char* const kTable = "author,gender,region,id,date,text\n"
                           "ann,F,North,1,2011-03-01,so u see u there ok then :)\n"
                           "ann,F,North,2,2011-03-02,i told u so yes\n"
                           "bob,M,South,3,2011-03-01,u\n"
                           "bob,M,South,4,2011-03-03,can u come round later on\n"
                           "cat,F,North,5,2011-03-02 08:00,well u know it is fine ok\n"
                           "cat,F,North,6,2011-03-01,did u go out last night\n"
                           "dan,M,East,7,2011-03-03,ok ok u there\n"
                           "dan,M,East,8,2011-03-01,U THERE ok :)\n"
                           "eve,F,South,9,2011-03-04,see u there\n"
                           "eve,F,South,10,2011-03-05,u u u ok\n";

struct TableCorpus {
    DataSet d;
    std::shared_ptr<const Corpus> corpus;
    const AuthorRegister& authors;
    const FormIndex* index;
    AuthorFields fields;
    // Worked out here: each text's forms and its author's register row.
    std::vector<std::vector<std::string>> forms;
    std::vector<int> author;

    TableCorpus()
        : d(read()), corpus(corpus_of(d)), authors(corpus->authors()), index(&corpus->forms()) {
        const CorpusMetadata& m = corpus->metadata();
        fields = {&authors, &m.authorColumns, &m.authorValues,      &m.textColumns,
                  nullptr,  &m.textValues,    &index->textAuthors()};
        for (const CorpusRow& row : d.corpus) {
            std::vector<std::string>& f = forms.emplace_back();
            for (std::string_view p : text_pieces(row.text, EmoticonList::builtin()))
                f.push_back(piece_form(p));
            int k = -1;
            for (std::size_t r = 0; r < d.authors.size() && k < 0; ++r)
                if (iequals(d.authors[r].name, row.author)) k = static_cast<int>(r);
            author.push_back(k);
        }
    }
    static DataSet read() {
        LoadReport report;
        return read_table_text("t.csv", kTable, TableOptions{}, report);
    }
    Scope scope(const std::string& conditions) const {
        std::string error;
        const auto s = parse_subcorpus(conditions, conditions, fields, &error);
        EXPECT_TRUE(s) << conditions << ": " << error;
        return s ? subcorpus_scope(*index, *s, fields) : Scope{};
    }
};

// The subcorpora of the tests with the texts they hold.
struct Case {
    std::string conditions;
    std::set<std::size_t> texts;
};
const std::vector<Case> kCases = {
    {"date=2011-03-01", {0, 2, 5, 7}},
    {"date=2011-03-01..2011-03-02", {0, 1, 2, 4, 5, 7}}, // a time after the date
    {"date=2011-03-01,2011-03-03; gender=M", {2, 3, 6, 7}},
    {"id=3..6; region=north", {4, 5}},
    {"gender=F", {0, 1, 4, 5, 8, 9}}, // no text field: whole authors
    {"DATE=2011-03-04..2011-03-31", {8, 9}},
};

// A form's figures over a set of texts, counted here.
struct Figures {
    std::uint64_t count = 0, texts = 0;
    std::map<int, std::uint64_t> byAuthor;
};

struct Counted {
    std::map<std::string, Figures> forms;
    std::uint64_t words = 0;
    std::map<int, std::uint64_t> authorWords; // authors with a text in the set
};

Counted count_texts(const TableCorpus& c, const std::set<std::size_t>& texts) {
    Counted out;
    for (const std::size_t t : texts) {
        const int a = c.author[t];
        if (a >= 0) out.authorWords[a] += c.forms[t].size();
        out.words += c.forms[t].size();
        std::set<std::string> seen;
        for (const std::string& f : c.forms[t]) {
            Figures& x = out.forms[f];
            ++x.count;
            if (seen.insert(f).second) ++x.texts;
            if (a >= 0) ++x.byAuthor[a];
        }
    }
    return out;
}

std::set<std::size_t> texts_of(const TableCorpus& c, const Scope& s) {
    std::set<std::size_t> out;
    for (std::size_t t = 0; t < c.index->textCount(); ++t)
        if (s.holdsText(*c.index, t)) out.insert(t);
    return out;
}

TEST(ExploreTextFields, TheTableReadsIdAndDateAsTextFields) {
    const TableCorpus c;
    EXPECT_EQ(c.d.textColumns, (std::vector<std::string>{"id", "date"}));
    EXPECT_EQ(c.d.metadataColumns, (std::vector<std::string>{"region"}));
    ASSERT_EQ(c.d.corpus.size(), 10u);
    EXPECT_TRUE(c.fields.choosesTexts());
}

// The word list, the subcorpus's size and its authors: those with a text in
// it, each a part of the DP of the size of their words there.
TEST(ExploreTextFields, WordListsAndSizesCountTheChosenTextsOnly) {
    const TableCorpus c;
    const GlossaryForms glossary;
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.conditions);
        const Scope s = c.scope(k.conditions);
        EXPECT_EQ(texts_of(c, s), k.texts);
        const Counted want = count_texts(c, k.texts);
        const ScopeSize size = scope_size(*c.index, s);
        EXPECT_EQ(size.texts, k.texts.size());
        EXPECT_EQ(size.words, want.words);
        EXPECT_EQ(size.authors, want.authorWords.size());
        EXPECT_EQ(s.authors(), want.authorWords.size());

        const WordList list = word_list(*c.index, s, glossary, nullptr, {});
        EXPECT_EQ(list.words, want.words);
        ASSERT_EQ(list.rows.size(), want.forms.size());
        std::uint64_t parts = 0;
        for (const auto& [a, w] : want.authorWords) parts += w;
        for (const WordListRow& r : list.rows) {
            SCOPED_TRACE(r.form);
            const auto it = want.forms.find(fold_text(r.form));
            ASSERT_NE(it, want.forms.end());
            const Figures& x = it->second;
            EXPECT_EQ(r.count, x.count);
            EXPECT_EQ(r.texts, x.texts);
            EXPECT_EQ(r.authors, x.byAuthor.size());
            std::uint64_t top = 0, inParts = 0;
            double dp = 0;
            for (const auto& [a, n] : x.byAuthor) {
                top = std::max(top, n);
                inParts += n;
            }
            for (const auto& [a, w] : want.authorWords) {
                if (w == 0) continue;
                const auto n = x.byAuthor.count(a) ? x.byAuthor.at(a) : 0;
                dp += std::fabs(static_cast<double>(n) / static_cast<double>(inParts) -
                                static_cast<double>(w) / static_cast<double>(parts));
            }
            ASSERT_TRUE(r.topShare && r.dp);
            EXPECT_DOUBLE_EQ(*r.topShare, static_cast<double>(top) / static_cast<double>(x.count));
            EXPECT_NEAR(*r.dp, 0.5 * dp, 1e-12);
        }
        // A phrase counts its hits in the chosen texts only.
        WordListOptions phrase;
        phrase.pattern = "u there";
        const WordList phrases = word_list(*c.index, s, glossary, nullptr, phrase);
        std::uint64_t hits = 0;
        for (const std::size_t t : k.texts) {
            const auto& f = c.forms[t];
            for (std::size_t i = 0; i + 1 < f.size(); ++i)
                hits += f[i] == "u" && f[i + 1] == "there";
        }
        EXPECT_EQ(phrases.rows.empty() ? 0 : phrases.rows[0].count, hits);
    }
}

// Keywords of a text-chosen subcorpus against the rest: B is every text
// outside A, of A's authors too.
TEST(ExploreTextFields, KeywordsAgainstTheTextsOutsideA) {
    const TableCorpus c;
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.conditions);
        const Scope a = c.scope(k.conditions);
        const Scope b = rest_scope(*c.index, a);
        std::set<std::size_t> rest;
        for (std::size_t t = 0; t < c.d.corpus.size(); ++t)
            if (!k.texts.count(t)) rest.insert(t);
        EXPECT_EQ(texts_of(c, b), rest);
        const Counted wa = count_texts(c, k.texts), wb = count_texts(c, rest);
        EXPECT_EQ(b.authors(), wb.authorWords.size());
        const Keywords kw = keywords(*c.index, a, b, 0);
        ASSERT_TRUE(kw.error.empty()) << kw.error;
        EXPECT_EQ(kw.wordsA, wa.words);
        EXPECT_EQ(kw.wordsB, wb.words);
        std::set<std::string> forms;
        for (const auto& [f, x] : wa.forms) forms.insert(f);
        for (const auto& [f, x] : wb.forms) forms.insert(f);
        ASSERT_EQ(kw.rows.size(), forms.size());
        for (const KeywordRow& r : kw.rows) {
            SCOPED_TRACE(r.shown);
            const std::string f = fold_text(r.shown);
            const Figures none;
            const Figures& xa = wa.forms.count(f) ? wa.forms.at(f) : none;
            const Figures& xb = wb.forms.count(f) ? wb.forms.at(f) : none;
            EXPECT_EQ(r.a, xa.count);
            EXPECT_EQ(r.b, xb.count);
            EXPECT_EQ(r.authorsA, xa.byAuthor.size());
            EXPECT_EQ(r.authorsB, xb.byAuthor.size());
        }
    }
    // A subcorpus of every text leaves the rest nothing, and says so.
    const Scope all = c.scope("date=2011-03-01..2011-03-31");
    const Keywords none = keywords(*c.index, all, rest_scope(*c.index, all), 0);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.error, "B has no words: the rest of the corpus outside A is empty");
}

// The concordance finds the hits of the chosen texts only, its tally counts
// them by group, the collocates pair words inside those texts, and the
// authors' table counts each author's texts in the subcorpus.
TEST(ExploreTextFields, ConcordanceCollocatesAndAuthorsCountTheChosenTexts) {
    const TableCorpus c;
    std::string error;
    const auto genders = line_fields("gender", c.fields, &error);
    ASSERT_TRUE(genders) << error;
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.conditions);
        const Scope s = c.scope(k.conditions);
        std::map<int, std::size_t> hitsBy;
        std::size_t hits = 0;
        for (const std::size_t t : k.texts) {
            for (const std::string& f : c.forms[t]) {
                if (f != "u") continue;
                ++hits;
                ++hitsBy[c.author[t]];
            }
        }
        const Concordance cc = concordance(*c.index, literal_pattern("u"), 2, s.in, s.texts);
        EXPECT_EQ(cc.hits, hits);
        for (const ConcordanceLine& l : cc.lines) EXPECT_TRUE(k.texts.count(l.text)) << l.text;
        for (const auto& [a, n] : hitsBy) EXPECT_EQ(cc.bucketHits[static_cast<std::size_t>(a)], n);
        std::map<std::string, std::size_t> byGender;
        for (const auto& [a, n] : hitsBy)
            byGender[c.d.authors[static_cast<std::size_t>(a)].gender] += n;
        for (const GroupTally& g : tally_hits(cc, *genders)) {
            EXPECT_EQ(g.hits, byGender[g.values[0]]) << g.values[0];
            std::size_t authors = 0;
            for (const auto& [a, n] : hitsBy)
                authors += c.d.authors[static_cast<std::size_t>(a)].gender == g.values[0];
            EXPECT_EQ(g.authors, authors) << g.values[0];
        }

        CollocationSettings settings;
        settings.span = 2;
        const CollocationTable t = scope_collocates(*c.index, s, "u", settings);
        const Counted want = count_texts(c, k.texts);
        EXPECT_EQ(static_cast<std::uint64_t>(t.corpusWords), want.words);
        EXPECT_EQ(static_cast<std::size_t>(t.formFrequency), hits);
        std::map<std::string, std::pair<int, int>> sides;
        for (const std::size_t x : k.texts) {
            const auto& f = c.forms[x];
            for (std::size_t i = 0; i < f.size(); ++i) {
                if (f[i] != "u") continue;
                for (std::size_t d = 1; d <= 2; ++d) {
                    if (i >= d) ++sides[f[i - d]].first;
                    if (i + d < f.size()) ++sides[f[i + d]].second;
                }
            }
        }
        ASSERT_EQ(t.collocates.size(), sides.size());
        for (const Collocate& col : t.collocates) {
            EXPECT_EQ(col.left, sides[col.word].first) << col.word;
            EXPECT_EQ(col.right, sides[col.word].second) << col.word;
            EXPECT_EQ(static_cast<std::uint64_t>(col.corpusFrequency),
                      want.forms.at(col.word).count)
                << col.word;
        }

        std::vector<std::size_t> rows;
        for (std::size_t r = 0; r < c.authors.size(); ++r)
            if (s.in[r]) rows.push_back(r);
        const ResultTable at =
            authors_table(*c.index, c.fields, rows, {"u", "ok"}, "authors", s.texts);
        ASSERT_EQ(at.rows.size(), 2 * want.authorWords.size());
        const std::size_t form = at.columns.size() - 4;
        for (const auto& row : at.rows) {
            int a = -1;
            for (std::size_t r = 0; r < c.authors.size(); ++r)
                if (c.authors.codes[r] == row[0]) a = static_cast<int>(r);
            ASSERT_TRUE(want.authorWords.count(a)) << row[0];
            const auto& by = want.forms.count(row[form]) ? want.forms.at(row[form]).byAuthor
                                                         : std::map<int, std::uint64_t>{};
            EXPECT_EQ(row[form + 1], std::to_string(by.count(a) ? by.at(a) : 0)) << row[0];
            EXPECT_EQ(row[form + 2], std::to_string(want.authorWords.at(a))) << row[0];
        }
    }
}

// A table's settings without the lines naming the texts chosen, and those
// lines alone.
using Settings = std::vector<std::pair<std::string, std::string>>;
std::pair<Settings, Settings> split_texts(const Settings& all) {
    std::pair<Settings, Settings> out;
    for (const auto& s : all)
        (s.first.rfind("texts", 0) == 0 ? out.second : out.first).push_back(s);
    return out;
}

// A text filter that keeps every text of some authors gives exactly what
// those authors' scope gives: the per-text counts agree with the index's
// per-author ones, figure for figure; the tables add which texts they hold.
TEST(ExploreTextFields, EveryTextOfSomeAuthorsIsTheirScope) {
    const TableCorpus c;
    const GlossaryForms glossary;
    for (const std::vector<std::size_t>& rows :
         std::vector<std::vector<std::size_t>>{{0}, {0, 2}, {1, 3, 4}, {0, 1, 2, 3, 4}}) {
        const Scope byAuthor = rows_scope(*c.index, rows, "s");
        const Scope byText =
            texts_scope(*c.index, byAuthor, std::vector<char>(c.index->textCount(), 1));
        ASSERT_TRUE(byText.choosesTexts());
        EXPECT_EQ(byText.in, byAuthor.in);
        const ResultTable w1 =
            word_list_table(word_list(*c.index, byAuthor, glossary, nullptr, {}), "s", {});
        const ResultTable w2 =
            word_list_table(word_list(*c.index, byText, glossary, nullptr, {}), "s", {});
        EXPECT_EQ(w1.rows, w2.rows);
        const std::string texts = chosen_texts(*c.index, byText);
        EXPECT_EQ(split_texts(w2.settings),
                  std::make_pair(w1.settings, Settings{{"texts", texts}}));
        std::size_t held = 0;
        for (const std::size_t r : rows) held += c.index->authorTexts(r).size();
        EXPECT_EQ(texts.rfind(std::to_string(held) + " of 10 texts of the corpus, of " +
                                  std::to_string(rows.size()) +
                                  (rows.size() == 1 ? " author (" : " authors ("),
                              0),
                  0u)
            << texts;
        const ResultTable k1 = keywords_table(
            *c.index, keywords(*c.index, byAuthor, rest_scope(byAuthor), 0), "s", "rest");
        const ResultTable k2 = keywords_table(
            *c.index, keywords(*c.index, byText, rest_scope(*c.index, byText), 0), "s", "rest");
        EXPECT_EQ(k1.rows, k2.rows);
        const auto [k2Settings, k2Texts] = split_texts(k2.settings);
        EXPECT_EQ(k1.settings, k2Settings);
        ASSERT_EQ(k2Texts.size(), 2u);
        EXPECT_EQ(k2Texts[0], (std::pair<std::string, std::string>{"texts of a", texts}));
        EXPECT_EQ(k2Texts[1].first, "texts of b");
        EXPECT_NE(k2Texts[1].second.find(" (every text outside A)"), std::string::npos)
            << k2Texts[1].second;
        const Pattern u = literal_pattern("u");
        const ResultTable c1 = concordance_table(*c.index, concordance(*c.index, u, 3, byAuthor.in),
                                                 "u", 3, ConcordanceSort::Corpus);
        const ResultTable c2 =
            concordance_table(*c.index, concordance(*c.index, u, 3, byText.in, byText.texts), "u",
                              3, ConcordanceSort::Corpus);
        EXPECT_EQ(c1.rows, c2.rows);
        EXPECT_EQ(split_texts(c2.settings),
                  std::make_pair(c1.settings, Settings{{"texts", texts}}));
        const ResultTable a1 = authors_table(*c.index, c.fields, rows, {"u", "ok"}, "a");
        const ResultTable a2 =
            authors_table(*c.index, c.fields, rows, {"u", "ok"}, "a", byText.texts);
        EXPECT_EQ(a1.rows, a2.rows);
        EXPECT_EQ(split_texts(a2.settings).second, (Settings{{"texts", texts}}));
    }
}

} // namespace
} // namespace zapt
