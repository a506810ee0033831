// Timings of the exploring tools' events over the built-in corpus and, with
// ZAPT_SCALE, generated corpora of N times it (as bench/core_scale.cpp makes
// them, by tools/make_large_corpus.py into ZAPT_SCALE_DIR, default
// /tmp/zapt-scale):
//
//   ZAPT_SCALE=1000 build/zapt_bench --benchmark_filter=Explore
//
// Each event is timed as the window runs it: through ExploreForm, result
// table and status line included.
#include "app/corpus_source.h"
#include "app/explore_form.h"
#include "app/main_window_state.h"
#include "bench/scale_corpus.h"
#include "corpus/data_files.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace {

using namespace zapt;

Effects& quiet() {
    static Effects e;
    return e;
}

DataSet load_scale(int n) {
    return n == 1 ? load_builtin_data() : load_data_dir(bench::scale_dir(n));
}

struct World {
    std::unique_ptr<MainWindowState> ex;
    std::unique_ptr<ExploreForm> form;
    std::string code; // the author with the most texts
};

World& world(int n) {
    static std::map<int, std::unique_ptr<World>> all;
    auto& w = all[n];
    if (w) return *w;
    w = std::make_unique<World>();
    w->ex = std::make_unique<MainWindowState>(corpus_of(load_scale(n)), quiet());
    w->form = std::make_unique<ExploreForm>(w->ex->corpus());
    const auto& texts = w->ex->store().textsPerAuthor;
    const auto top = std::max_element(texts.begin(), texts.end()) - texts.begin();
    w->code = w->ex->authors().codes[static_cast<std::size_t>(top)];
    ExploreForm& f = *w->form;
    f.txtName_Change("young women");
    f.txtConditions_Change("age=16-25; gender=F");
    f.cmdDefine_Click();
    f.txtName_Change("men");
    f.txtConditions_Change("gender=M");
    f.cmdDefine_Click();
    return *w;
}

void index_build(benchmark::State& state, int n) {
    World& w = world(n);
    for (auto _ : state) {
        FormIndex index(w.ex->store(), w.ex->authors());
        benchmark::DoNotOptimize(index.formCount());
    }
}

void define(benchmark::State& state, int n) {
    ExploreForm& f = *world(n).form;
    for (auto _ : state) {
        f.txtName_Change("educated");
        f.txtConditions_Change("education=G,HS; age=18-60");
        f.cmdDefine_Click();
    }
}

void word_list_event(benchmark::State& state, int n, int scope, std::string pattern, bool code,
                     bool glossary) {
    World& w = world(n);
    ExploreForm& f = *w.form;
    f.wordScope_Click(scope);
    f.txtPattern_Change(pattern);
    f.byCode_Click(code);
    f.txtCode_Change(w.code);
    f.glossaryOnly_Click(glossary);
    f.notInDictionary_Click(false);
    for (auto _ : state) f.cmdWordList_Click();
    state.SetLabel(f.wordList().status);
}

void keywords_event(benchmark::State& state, int n, int a, int b) {
    ExploreForm& f = *world(n).form;
    f.keywordsA_Click(a);
    f.keywordsB_Click(b);
    for (auto _ : state) f.cmdKeywords_Click();
    state.SetLabel(f.keywords().status);
}

void concordance_event(benchmark::State& state, int n, std::string query, int scope) {
    ExploreForm& f = *world(n).form;
    f.concordanceScope_Click(scope);
    f.txtQuery_Change(query);
    f.context_Change(3);
    f.sort_Click(ConcordanceSort::Corpus);
    for (auto _ : state) f.cmdConcordance_Click();
    state.SetLabel(f.concordance().status);
}

void concordance_sort(benchmark::State& state, int n, std::string query) {
    ExploreForm& f = *world(n).form;
    f.concordanceScope_Click(0);
    f.txtQuery_Change(query);
    f.sort_Click(ConcordanceSort::Corpus);
    f.cmdConcordance_Click();
    int i = 0;
    for (auto _ : state) f.sort_Click(++i % 2 ? ConcordanceSort::Left : ConcordanceSort::Right);
    state.SetLabel(f.concordance().status);
}

// The concordance's lines alone, and their table alone, for one query.
void concordance_parts(benchmark::State& state, int n, std::string query, bool table) {
    ExploreForm& f = *world(n).form;
    const Pattern p = compile_pattern(query);
    Concordance c = concordance(f.index(), p, 3);
    for (auto _ : state) {
        if (table) {
            ResultTable t = concordance_table(f.index(), c, query, 3, ConcordanceSort::Corpus);
            benchmark::DoNotOptimize(t.rows.data());
        } else {
            c = concordance(f.index(), p, 3);
            benchmark::DoNotOptimize(c.lines.data());
        }
    }
}

std::vector<int> scales() {
    std::vector<int> out = {1};
    for (const int n : bench::scale_sizes())
        if (n > 1) out.push_back(n);
    return out;
}

const bool registered = [] {
    for (const int n : scales()) {
        const std::string x = "/x" + std::to_string(n);
        auto reg = [&](const std::string& name, auto f) {
            benchmark::RegisterBenchmark(("Explore" + x + "/" + name).c_str(), f)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        };
        reg("index build", [n](benchmark::State& s) { index_build(s, n); });
        reg("define subcorpus", [n](benchmark::State& s) { define(s, n); });
        reg("word list: whole corpus",
            [n](benchmark::State& s) { word_list_event(s, n, 0, "", false, false); });
        reg("word list: young women",
            [n](benchmark::State& s) { word_list_event(s, n, 1, "", false, false); });
        reg("word list: largest author",
            [n](benchmark::State& s) { word_list_event(s, n, 0, "", true, false); });
        reg("word list: glossary forms",
            [n](benchmark::State& s) { word_list_event(s, n, 0, "", false, true); });
        reg("word list: pattern 2*",
            [n](benchmark::State& s) { word_list_event(s, n, 0, "2*", false, false); });
        reg("word list: pattern re:.*(ing|in)",
            [n](benchmark::State& s) { word_list_event(s, n, 0, "re:.*(ing|in)", false, false); });
        reg("word list: phrase c u *",
            [n](benchmark::State& s) { word_list_event(s, n, 0, "c u *", false, false); });
        reg("keywords: young women vs rest",
            [n](benchmark::State& s) { keywords_event(s, n, 1, ExploreForm::kRestOfCorpus); });
        reg("keywords: young women vs men",
            [n](benchmark::State& s) { keywords_event(s, n, 1, 2); });
        reg("concordance: 2moro",
            [n](benchmark::State& s) { concordance_event(s, n, "2moro", 0); });
        reg("concordance: 2* in young women",
            [n](benchmark::State& s) { concordance_event(s, n, "2*", 1); });
        reg("concordance: u", [n](benchmark::State& s) { concordance_event(s, n, "u", 0); });
        reg("concordance: u, lines only",
            [n](benchmark::State& s) { concordance_parts(s, n, "u", false); });
        reg("concordance: u, table only",
            [n](benchmark::State& s) { concordance_parts(s, n, "u", true); });
        reg("concordance: sort 2moro",
            [n](benchmark::State& s) { concordance_sort(s, n, "2moro"); });
    }
    return true;
}();

} // namespace
