// Random damage to valid input, a few seconds per reader: the table reader and
// the JSON readers of loaded data must neither crash nor hang, and must report
// every broken input as a DataError (the JSON readers) or in the LoadReport
// (the table reader), never by another exception. What the table reader does
// read must still hold together.
#include "corpus/metadata.h"
#include "corpus/table_reader.h"
#include "corpus/text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <unordered_set>

namespace zapt {
namespace {

std::string file_content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The first `n` lines of `s`.
std::string first_lines(const std::string& s, int n) {
    std::size_t p = 0;
    for (int i = 0; i < n && p != std::string::npos; ++i) p = s.find('\n', p + 1);
    return p == std::string::npos ? s : s.substr(0, p + 1);
}

// One random change: a byte changed, a troublesome byte sequence put in, a
// stretch cut out, doubled or moved, or the end cut off.
void mutate(std::string& s, std::mt19937& rng) {
    static const std::string inserts[] = {"\"",
                                          "\"\"",
                                          "\r",
                                          "\n",
                                          "\r\n",
                                          std::string(1, '\0'),
                                          ",",
                                          "\t",
                                          ";",
                                          "\xFF",
                                          "\xC0\xAF",
                                          "\xED\xA0\x80",
                                          "\xE2",
                                          "{",
                                          "}",
                                          "[",
                                          "]",
                                          "\\",
                                          ":",
                                          "\\u",
                                          "\\ud800",
                                          "%",
                                          "\xEF\xBB\xBF",
                                          "\xF0\x9F\x91\x8D",
                                          "NA",
                                          "-",
                                          "16-20",
                                          "99999999999999999999"};
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(rng);
    };
    const std::size_t at = pick(s.size());
    switch (pick(6)) {
    case 0:
        if (!s.empty()) s[std::min(at, s.size() - 1)] ^= static_cast<char>(1u << pick(7));
        break;
    case 1:
    case 2:
        s.insert(at, inserts[pick(std::size(inserts) - 1)]);
        break;
    case 3:
        s.erase(at, pick(16));
        break;
    case 4:
        s.insert(pick(s.size()), s.substr(at, pick(64)));
        break;
    case 5:
        s.resize(at);
        break;
    default: {
        std::string part = s.substr(at, pick(32));
        s.erase(at, part.size());
        s.insert(pick(s.size()), part);
    }
    }
}

std::string shown(const std::string& input) {
    std::string out;
    for (unsigned char c : input.substr(0, 400)) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out;
}

// Runs `read` on mutations of `seeds` for `seconds` (at most `limit` inputs);
// `read` returns an empty string when all is well and what is wrong otherwise.
// Returns the number of inputs tried.
// A time budget no run reaches: the input count alone stops the run.
constexpr double kNoTimeLimit = 3600;

std::size_t fuzz(const std::vector<std::string>& seeds,
                 const std::function<std::string(const std::string&)>& read, double seconds,
                 std::uint32_t seed, std::size_t limit = 200000) {
    std::mt19937 rng(seed);
    const auto stop = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    std::size_t n = 0;
    for (; n < limit && std::chrono::steady_clock::now() < stop; ++n) {
        std::string input = seeds[n % seeds.size()];
        const int changes = 1 + static_cast<int>(rng() % 8);
        for (int k = 0; k < changes; ++k) mutate(input, rng);
        std::string wrong;
        try {
            wrong = read(input);
        } catch (const std::exception& e) {
            wrong = std::string("threw ") + typeid(e).name() + ": " + e.what();
        } catch (...) {
            wrong = "threw something that is not a std::exception";
        }
        if (!wrong.empty()) {
            ADD_FAILURE() << wrong << "\ninput " << n << " (seed " << seed << "): \""
                          << shown(input) << "\"";
            break;
        }
    }
    return n;
}

// What must hold of any reading of a table, however broken the table.
std::string check_table_reading(const DataSet& d, const LoadReport& r) {
    if (r.fatal()) {
        if (!d.corpus.empty() || !d.authors.empty()) return "a fatal load returned data";
        return "";
    }
    if (d.corpus.empty()) return "no texts, and no fatal problem";
    if (r.textsRead != d.corpus.size()) return "the count of texts read is wrong";
    if (d.authorMetadata.size() != d.authors.size()) return "metadata not parallel to authors";
    std::unordered_set<std::string> names, codes;
    for (std::size_t i = 0; i < d.authors.size(); ++i) {
        const RegisterRow& a = d.authors[i];
        if (d.authorMetadata[i].size() != d.metadataColumns.size()) return "a metadata row's size";
        if (a.name.empty() || a.code.empty()) return "an author without name or code";
        if (!names.insert(fold_text(a.name)).second) return "two authors of one name";
        if (!codes.insert(fold_text(a.code)).second) return "two authors of one code";
        if (!parse_age(a.age) || age_string(*parse_age(a.age)) != a.age) return "an age: " + a.age;
        if (a.gender != "" && a.gender != "M" && a.gender != "F") return "a gender: " + a.gender;
    }
    std::unordered_set<std::string> exact;
    for (const auto& a : d.authors) exact.insert(a.name);
    for (const auto& row : d.corpus) {
        if (!valid_utf8(row.text) || !valid_utf8(row.author)) return "a string not UTF-8";
        if (is_blank(row.text)) return "an empty text kept";
        if (!row.author.empty() && !exact.count(row.author)) return "a text's author not listed";
    }
    for (const auto& p : r.problems()) {
        if (p.count == 0 || p.places.size() > LoadReport::kPlacesKept ||
            p.places.size() > p.count) {
            return "the places of " + p.rule;
        }
    }
    return "";
}

const std::string kSampleDir = ZAPT_SAMPLE_DATA_DIR;

TEST(ReaderFuzz, TableReader) {
    std::vector<std::string> seeds = {
        "\xEF\xBB\xBF"
        "author,text,age,gender,education,native language,town\r\n"
        "ann,\"hi, \"\"you\"\"\r\nthere\",35,F,U,E,York\r\n"
        "bo,plain text,16-20,male,HS,Welsh,\r\n"
        "ANN,third,NA,f,U,E,Hull\r\n",
        "code\tspeaker\tmessage\tsex\n7\tzo\t\"tab\there\"\tM\n8\tyu\t\xE4\xBD\xA0\xE5\xA5\xBD\tx"
        "\n",
        "Gender and age of sender,Education Level of sender,Sender's nationality,Message,"
        "Gender and age of receiver,Education Level of receiver,Receiver's nationality\n"
        "F35,U,UK,\"hello, love\",M29,U,UK\nM29,HS,UK,hi,F35,U,UK\n",
        first_lines(file_content(std::string(ZAPT_TEST_DATA_DIR) + "/awkward_corpus.csv"), 40),
    };
    TableOptions mapped;
    mapped.map = {{"age", "town"}};
    const char* const names[] = {"t.csv", "t.tsv", "t.txt"};
    std::size_t k = 0, read = 0;
    const std::size_t n = fuzz(
        seeds,
        [&](const std::string& input) {
            LoadReport r;
            DataSet d =
                read_table_text(names[k % 3], input, k % 5 == 0 ? mapped : TableOptions{}, r);
            ++k;
            read += !r.fatal();
            format_report(r);
            return check_table_reading(d, r);
        },
        // A fixed number of inputs, however fast the build (the sanitizers' is
        // several times slower): a time budget would make the test's reach
        // depend on the machine.
        kNoTimeLimit, 1, 1500);
    EXPECT_EQ(n, 1500u);
    EXPECT_GT(read, n / 4); // most damage leaves a table that can still be read
    std::cout << "table reader: " << n << " inputs, " << read << " read without a fatal problem\n";
}

// The JSON readers of loaded data: a DataError or a result, nothing else.
template <class Read> void fuzz_json(const char* name, std::vector<std::string> seeds, Read read) {
    const std::size_t n = fuzz(
        seeds,
        [&](const std::string& input) {
            try {
                read(input);
            } catch (const DataError&) {
            }
            return std::string();
        },
        0.75, 2);
    EXPECT_GT(n, 200u) << name;
    std::cout << name << ": " << n << " inputs\n";
}

TEST(ReaderFuzz, JsonReaders) {
    const std::string reg = file_content(kSampleDir + "/register.json");
    const std::size_t cut = reg.find("},", 600);
    fuzz_json("read_register", {first_lines(reg, 6) + "  {}\n]\n", reg.substr(0, cut + 1) + "]\n"},
              [](const std::string& s) { read_register("r.json", s, DataOrigin::Loaded); });
    fuzz_json("read_corpus",
              {first_lines(file_content(kSampleDir + "/corpus.jsonl"), 12),
               "{\"text\": \"it\\u2019s \\\"ok\\\"\", \"author\": \"BO\"}\n"},
              [](const std::string& s) { read_corpus("c.jsonl", s, DataOrigin::Loaded); });
    fuzz_json("read_glossary",
              {"{\"forms\": [\"2dy\", \"gr8\", \"l8r\"], \"interpretations\": [\"today\", "
               "\"great\"]}\n"},
              [](const std::string& s) { read_glossary("g.json", s, DataOrigin::Loaded); });
    fuzz_json("read_variants", {file_content(kSampleDir + "/variants.json")},
              [](const std::string& s) { read_variants("v.json", s); });
    fuzz_json("read_glossary_csv", {"form,interpretation\nlol,\"laughing, out loud\"\ngr8,great\n"},
              [](const std::string& s) { read_glossary_csv("g.csv", s); });
    fuzz_json("read_families_csv", {"family,form\nBeen,b\nBeen,bin\nGonna,gonna\n"},
              [](const std::string& s) { read_families_csv("f.csv", s); });
}

// Found by the libFuzzer targets of all four JSON readers (scripts/fuzz): a
// number too large for a double, such as 1e999, anywhere in a file made the
// JSON parser throw its out_of_range, which the readers let through instead of
// naming the file and the rule; a program loading such a folder ended in
// std::terminate. Fails until the readers catch every exception of the parser.
TEST(ReaderFuzz, JsonNumbersTooLargeForADoubleAreDataErrors) {
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"read_register",
         [] { read_register("r.json", "[{\"code\": 1e999}]", DataOrigin::Loaded); }},
        {"read_corpus",
         [] {
             read_corpus("c.jsonl", "{\"author\": \"a\", \"text\": 5e888}\n", DataOrigin::Loaded);
         }},
        {"read_glossary",
         [] { read_glossary("g.json", "{\"forms\": [222E22222222]}", DataOrigin::Loaded); }},
        {"read_variants", [] { read_variants("v.json", "[-1e400]"); }},
    };
    for (const auto& [name, read] : cases) EXPECT_THROW(read(), DataError) << name;
}

} // namespace
} // namespace zapt
