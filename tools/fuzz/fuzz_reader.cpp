// A libFuzzer target for one reader of corpus files, chosen when compiling by
// one of the ZAPT_FUZZ_READER_* macros (see the ZAPT_FUZZ block of
// CMakeLists.txt and scripts/fuzz). A DataError is the readers' way of
// refusing a file; any other exception, a crash, a sanitizer report or a
// reading that does not hold together is a fault.
#include "corpus/metadata.h"
#include "corpus/table_reader.h"
#include "corpus/text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <unordered_set>

namespace {

[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "fault: %s\n", what);
    std::abort();
}

// What must hold of any reading of a table, however broken the table.
[[maybe_unused]] void check(const zapt::DataSet& d, const zapt::LoadReport& r) {
    if (r.fatal()) {
        if (!d.corpus.empty() || !d.authors.empty()) fault("a fatal load returned data");
        return;
    }
    if (d.corpus.empty()) fault("no texts, and no fatal problem");
    if (r.textsRead != d.corpus.size()) fault("the count of texts read");
    if (d.authorMetadata.size() != d.authors.size()) fault("metadata not parallel to authors");
    std::unordered_set<std::string> names, codes, exact;
    for (std::size_t i = 0; i < d.authors.size(); ++i) {
        const zapt::RegisterRow& a = d.authors[i];
        if (d.authorMetadata[i].size() != d.metadataColumns.size()) fault("a metadata row's size");
        if (a.name.empty() || a.code.empty()) fault("an author without name or code");
        if (!names.insert(zapt::fold_text(a.name)).second) fault("two authors of one name");
        if (!codes.insert(zapt::fold_text(a.code)).second) fault("two authors of one code");
        auto age = zapt::parse_age(a.age);
        if (!age || zapt::age_string(*age) != a.age) fault("an age not in the register's form");
        if (a.gender != "" && a.gender != "M" && a.gender != "F") fault("a gender");
        exact.insert(a.name);
    }
    for (const auto& row : d.corpus) {
        if (!zapt::valid_utf8(row.text) || !zapt::valid_utf8(row.author)) {
            fault("a string that is not UTF-8");
        }
        if (zapt::is_blank(row.text)) fault("an empty text kept");
        if (!row.author.empty() && !exact.count(row.author)) fault("a text's author not listed");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view s(reinterpret_cast<const char*>(data), size);
    try {
#if defined(ZAPT_FUZZ_READER_table)
        // The first byte picks the file name, and so the delimiter.
        static const char* const names[] = {"t.csv", "t.tsv", "t.txt"};
        const char* name = names[size ? data[0] % 3 : 0];
        zapt::LoadReport r;
        zapt::DataSet d = zapt::read_table_text(name, s, {}, r);
        zapt::format_report(r);
        check(d, r);
#elif defined(ZAPT_FUZZ_READER_register)
        zapt::read_register("r.json", s, zapt::DataOrigin::Loaded);
#elif defined(ZAPT_FUZZ_READER_corpus)
        zapt::read_corpus("c.jsonl", s, zapt::DataOrigin::Loaded);
#elif defined(ZAPT_FUZZ_READER_glossary)
        zapt::read_glossary("g.json", s, zapt::DataOrigin::Loaded);
#elif defined(ZAPT_FUZZ_READER_variants)
        zapt::read_variants("v.json", s);
#elif defined(ZAPT_FUZZ_READER_glossary_csv)
        zapt::read_glossary_csv("g.csv", s);
#elif defined(ZAPT_FUZZ_READER_families_csv)
        zapt::read_families_csv("f.csv", s);
#else
#error "define one of the ZAPT_FUZZ_READER_* macros"
#endif
    } catch (const zapt::DataError&) {
    }
    return 0;
}
