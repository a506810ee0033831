// Input that could make the program slow if it were handled naively: corpus
// tables of a shape that once made the reader slow (a column with a value per
// text, such as an id or a time; many rows that are not UTF-8), which must
// read in time linear in the table, and patterns that make a backtracking
// matcher take exponential time, which RE2 runs in linear time.
//
//   build/zapt_bench --benchmark_filter='Table|HostilePattern'
#include "corpus/author_register.h"
#include "corpus/corpus_store.h"
#include "corpus/load_report.h"
#include "corpus/table_reader.h"
#include "explore/form_index.h"
#include "explore/pattern.h"
#include "explore/word_list.h"

#include <benchmark/benchmark.h>

#include <string>

namespace zapt {
namespace {

// `rows` texts of two authors, each with a value of its own in "sent".
std::string table_with_a_value_per_text(int rows) {
    std::string content = "author,text,sent\n";
    for (int i = 0; i < rows; ++i)
        content += "u" + std::to_string(i % 2) + ",hi,t" + std::to_string(i) + "\n";
    return content;
}

void BM_TableWithAValuePerText(benchmark::State& state) {
    const std::string content = table_with_a_value_per_text(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        LoadReport r;
        benchmark::DoNotOptimize(read_table_text("t.csv", content, TableOptions{}, r));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TableWithAValuePerText)
    ->Arg(50000)
    ->Arg(100000)
    ->Arg(200000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_TableOfRowsNotUtf8(benchmark::State& state) {
    std::string content = "author,text\nann,caf\xC3\xA9\n";
    for (int i = 0; i < state.range(0); ++i) content += "bo,caf\xE9\n";
    for (auto _ : state) {
        LoadReport r;
        benchmark::DoNotOptimize(read_table_text("t.csv", content, TableOptions{}, r));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TableOfRowsNotUtf8)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// A pattern over the built-in corpus's forms, from compiling it to its word list.
void BM_HostilePattern(benchmark::State& state, std::string pattern) {
    static const DataSet data = load_builtin_data();
    static const CorpusStore store = build_corpus_store(data.corpus, data.authors);
    static const AuthorRegister authors = build_author_register(data.authors);
    static const FormIndex index(store, authors);
    const GlossaryForms glossary;
    WordListOptions options;
    options.pattern = pattern;
    for (auto _ : state) {
        const Pattern p = compile_pattern(pattern);
        if (p.ok()) benchmark::DoNotOptimize(find_hits(index, p));
        benchmark::DoNotOptimize(word_list(index, whole_scope(index), glossary, nullptr, options));
    }
}
BENCHMARK_CAPTURE(BM_HostilePattern, nested_star, std::string("re:(a*)*b"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HostilePattern, stars_then_b, std::string(4000, '*') + "b")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HostilePattern, questions_then_star, std::string(4000, '?') + "*")
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zapt
