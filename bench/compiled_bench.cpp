// Opening a corpus of the user's own: read from its folder and indexed
// (--no-cache), against mapped from its compiled file, at the sizes ZAPT_SCALE
// asks for (e.g. ZAPT_SCALE=100 build/zapt_bench --benchmark_filter=Compiled).
// The compiled file is written once, into a cache folder of its own under the
// scale folder, before the first mapped open. "Mapped" opens only; "MappedGroups"
// opens and answers the author index's group query of every band and gender,
// which touches the index's arrays.
#include "app/compiled_corpus.h"
#include "app/corpus_source.h"
#include "authors/author_index.h"
#include "bench/scale_corpus.h"
#include "selection/age_band.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace zapt {
namespace {

CorpusOptions options_of(int n, CompiledPlace place) {
    CorpusOptions o;
    o.path = bench::scale_dir(n);
    o.compiled = place;
    o.cacheFolder =
        (std::filesystem::path(o.path) / ".." / ("compiled-cache-x" + std::to_string(n)))
            .lexically_normal()
            .string();
    o.compileFrom = 0;
    return o;
}

void BM_ReadFromSource(benchmark::State& st, int n) {
    const CorpusOptions o = options_of(n, CompiledPlace::None);
    for (auto _ : st) benchmark::DoNotOptimize(load_corpus_source(o));
}

void BM_Mapped(benchmark::State& st, int n, bool groups) {
    const CorpusOptions o = options_of(n, CompiledPlace::Cache);
    load_corpus_source(o); // compiles it when it is not yet
    for (auto _ : st) {
        auto corpus = load_corpus_source(o);
        if (groups) {
            std::size_t entries = 0;
            for (const AgeBand band : {AgeBand::Under18, AgeBand::From18To25, AgeBand::From26To40,
                                       AgeBand::From41To60, AgeBand::Over60}) {
                for (const Gender g : {Gender::Female, Gender::Male})
                    entries += corpus->authorIndex().groupEntries(corpus->bands(), band, g).size();
            }
            benchmark::DoNotOptimize(entries);
        }
        benchmark::DoNotOptimize(corpus);
    }
}

const bool registered = [] {
    for (const int n : bench::scale_sizes()) {
        const std::string x = "/x" + std::to_string(n);
        benchmark::RegisterBenchmark(("Compiled/ReadFromSource" + x).c_str(), BM_ReadFromSource, n)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("Compiled/Mapped" + x).c_str(), BM_Mapped, n, false)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("Compiled/MappedGroups" + x).c_str(), BM_Mapped, n, true)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    return true;
}();

} // namespace
} // namespace zapt
