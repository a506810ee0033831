// The lexicon's proposals: how often they find the built-in glossary's
// interpretations with that glossary withheld, and how long they take over
// the built-in corpus and, with ZAPT_SCALE, N times it (made by
// tools/make_large_corpus.py into ZAPT_SCALE_DIR, default /tmp/zapt-scale):
//
//   build/zapt_bench --benchmark_filter=Lexicon/accuracy
//   ZAPT_SCALE=57,1000 build/zapt_bench --benchmark_filter=Lexicon
//
// (57 times the built-in corpus is 55,689 texts.) The accuracy run writes each
// glossary row with its proposal to the file ZAPT_LEXICON_ROWS names, when
// set, as a table: form, interpretation, kind, rank of the right candidate
// (0: none of the first five), then the candidates and their scores.
#include "app/corpus_source.h"
#include "app/main_window_state.h"
#include "bench/scale_corpus.h"
#include "corpus/data_files.h"
#include "corpus/text.h"
#include "explore/form_index.h"
#include "lexicon/evaluation.h"
#include "lexicon/proposal.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>

namespace {

using namespace zapt;

Effects& quiet() {
    static Effects e;
    return e;
}

struct Measured {
    std::unique_ptr<MainWindowState> ex;
    std::unique_ptr<FormIndex> index;
    double indexMs = 0;
};

// n times the built-in corpus with a quarter of the words of every copy but
// the first respelled (vowels left out, a letter repeated or two swapped,
// -ing as -in, -er as -a, a z added), so that it holds tens of thousands of
// non-standard forms, as a real corpus of that size does, rather than the
// built-in corpus's few hundred n times over.
DataSet respelled(int n) {
    const DataSet one = load_builtin_data();
    DataSet d = one;
    d.corpus.clear();
    std::uint64_t seed = 12345;
    auto next = [&] {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::uint32_t>(seed >> 33);
    };
    auto vowel = [](char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; };
    for (int k = 0; k < n; ++k) {
        for (const CorpusRow& row : one.corpus) {
            if (k == 0) {
                d.corpus.push_back(row);
                continue;
            }
            std::string out, word;
            auto flush = [&] {
                if (word.size() >= 3 && next() % 4 == 0) {
                    switch (next() % 6) {
                    case 0: {
                        std::string w(1, word[0]);
                        for (std::size_t i = 1; i < word.size(); ++i)
                            if (!vowel(word[i])) w += word[i];
                        word = w;
                        break;
                    }
                    case 1:
                        word.insert(next() % word.size(),
                                    std::string(2 + next() % 3, word[next() % word.size()]));
                        break;
                    case 2: {
                        const std::size_t i = next() % (word.size() - 1);
                        std::swap(word[i], word[i + 1]);
                        break;
                    }
                    case 3:
                        if (word.size() > 4 && word.compare(word.size() - 3, 3, "ing") == 0)
                            word.pop_back();
                        else if (word.size() > 3 && word.compare(word.size() - 2, 2, "er") == 0)
                            word.replace(word.size() - 2, 2, "a");
                        else
                            word += word.back();
                        break;
                    case 4:
                        word += 'z';
                        break;
                    default:
                        word.erase(next() % word.size(), 1);
                        break;
                    }
                }
                out += word;
                word.clear();
            };
            for (char c : row.text) {
                if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
                    word += c;
                } else {
                    flush();
                    out += c;
                }
            }
            flush();
            d.corpus.push_back({row.author, out});
        }
    }
    return d;
}

// A corpus by number: n times the built-in one; -n: n times respelled.
Measured& corpus(int n) {
    static std::map<int, std::unique_ptr<Measured>> all;
    auto& c = all[n];
    if (c) return *c;
    c = std::make_unique<Measured>();
    c->ex =
        std::make_unique<MainWindowState>(corpus_of(n < 0    ? respelled(-n)
                                                    : n == 1 ? load_builtin_data()
                                                             : load_data_dir(bench::scale_dir(n))),
                                          quiet());
    const auto t0 = std::chrono::steady_clock::now();
    c->index = std::make_unique<FormIndex>(c->ex->store(), c->ex->authors());
    c->indexMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    return *c;
}

const StandardDictionary& british() {
    static const StandardDictionary d = StandardDictionary::choose("british");
    return d;
}

void accuracy(benchmark::State& state) {
    Measured& c = corpus(1);
    const GlossaryData glossary = load_builtin_glossary();
    Evaluation e;
    for (auto _ : state) {
        Proposer p(*c.index, british(), &c.ex->store());
        e = evaluate_proposals(p, glossary);
    }
    const double rows = static_cast<double>(e.rows.size());
    state.counters["rows"] = rows;
    state.counters["first"] = static_cast<double>(e.first);
    state.counters["first_five"] = static_cast<double>(e.firstFive);
    state.counters["first_pct"] = 100.0 * static_cast<double>(e.first) / rows;
    state.counters["first_five_pct"] = 100.0 * static_cast<double>(e.firstFive) / rows;
    state.counters["listed"] = static_cast<double>(e.listed);
    state.counters["listed_first_pct"] =
        e.listed ? 100.0 * static_cast<double>(e.listedFirst) / static_cast<double>(e.listed) : 0;
    state.counters["listed_first_five_pct"] =
        e.listed ? 100.0 * static_cast<double>(e.listedFirstFive) / static_cast<double>(e.listed)
                 : 0;
    if (const char* path = std::getenv("ZAPT_LEXICON_FEATURES"); path && *path) {
        // Every candidate of each row with its features, for tuning the weights.
        Proposer p(*c.index, british(), &c.ex->store());
        ProposalSettings wide;
        wide.candidates = 40;
        std::ofstream out(path);
        for (const EvaluationRow& r : e.rows) {
            const auto right = interpretation_alternatives(r.interpretation);
            const Proposal x = p.propose(r.form, wide);
            out << r.form << '\t' << kind_name(r.proposal.kind);
            for (const Candidate& k : x.candidates) {
                const std::string f = fold_text(k.text);
                const bool ok = std::find(right.begin(), right.end(), f) != right.end();
                out << '\t' << ok << ',' << k.cost << ',' << static_cast<int>(k.lookup) << ','
                    << k.gap << ',' << k.prior << ',' << k.likeness << ',' << k.capital << ','
                    << (k.context ? *k.context : 0) << ',' << (k.context ? 1 : 0);
            }
            out << '\n';
        }
    }
    if (const char* path = std::getenv("ZAPT_LEXICON_ROWS"); path && *path) {
        std::ofstream out(path);
        for (const EvaluationRow& r : e.rows) {
            out << r.form << '\t' << r.interpretation << '\t' << kind_name(r.proposal.kind) << '\t'
                << r.rank << '\t' << r.proposal.count << '\t' << r.proposal.standard;
            for (const Candidate& k : r.proposal.candidates)
                out << '\t' << k.text << " " << k.score << " [" << k.process << "]";
            out << '\t' << r.proposal.reason << '\n';
        }
    }
}

// Every proposal of a corpus: the proposer built (the dictionary's keys, the
// emoticons) and every form outside the dictionary seen twice or more.
void propose_all_forms(benchmark::State& state, int n) {
    Measured& c = corpus(n);
    std::size_t proposals = 0;
    double setup = 0;
    for (auto _ : state) {
        Proposer p(*c.index, british(), &c.ex->store());
        proposals = p.propose_all().size();
        setup = p.setupMilliseconds();
    }
    state.counters["proposals"] = static_cast<double>(proposals);
    state.counters["setup_ms"] = setup;
    state.counters["texts"] = static_cast<double>(c.index->textCount());
    state.counters["index_ms"] = c.indexMs;
}

// One form's proposal once the proposer is built, as a window asks for it.
void propose_one(benchmark::State& state, int n, const char* form) {
    Measured& c = corpus(n);
    Proposer p(*c.index, british(), &c.ex->store());
    for (auto _ : state) {
        Proposal x = p.propose(form);
        benchmark::DoNotOptimize(x.candidates.data());
    }
}

const bool registered = [] {
    benchmark::RegisterBenchmark("Lexicon/accuracy", accuracy)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1);
    std::vector<int> sizes = {1};
    for (const int n : bench::scale_sizes())
        if (n > 1) sizes.push_back(n);
    // The respelled corpus of about 55,000 texts, whenever a scale is asked for.
    if (sizes.size() > 1) sizes.push_back(-57);
    for (const int n : sizes) {
        const std::string x = n < 0 ? "Lexicon/x" + std::to_string(-n) + " respelled"
                                    : "Lexicon/x" + std::to_string(n);
        benchmark::RegisterBenchmark((x + "/propose all").c_str(),
                                     [n](benchmark::State& s) { propose_all_forms(s, n); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(n >= 100 || n < 0 ? 1 : 3)
            ->MeasureProcessCPUTime();
        benchmark::RegisterBenchmark((x + "/one form").c_str(),
                                     [n](benchmark::State& s) { propose_one(s, n, "2moro"); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    return true;
}();

} // namespace
