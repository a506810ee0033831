// Timings of the core on the built-in corpus: every user event that does real
// work, the start-up, and the literal baselines beside the events they mirror.
// Each baseline is checked once against the real code before it is timed; a
// difference stops that benchmark with an error naming the first difference.
#include "analysis/glossary.h"
#include "app/controls.h"
#include "app/corpus_source.h"
#include "app/main_window_state.h"
#include "bench/literal.h"
#include "corpus/corpus_store.h"
#include "corpus/data_files.h"
#include "corpus/numbers.h"
#include "lookup/count_word.h"
#include "tests/core/main_window_state_access.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace zapt;

const DataSet& data() {
    static const DataSet d = load_builtin_data();
    return d;
}

Effects& no_effects() {
    static Effects e;
    return e;
}

std::unique_ptr<MainWindowState> new_explorer() {
    return std::make_unique<MainWindowState>(corpus_of(data()), no_effects());
}

constexpr AgeBand kBands[] = {AgeBand::Under18, AgeBand::From18To25, AgeBand::From26To40,
                              AgeBand::From41To60, AgeBand::Over60};
constexpr Gender kGenders[] = {Gender::Female, Gender::Male};

void run_group(MainWindowState& ex, AgeBand band, Gender gender) {
    ex.ageOption_Click(band);
    ex.genderOption_Click(gender);
    ex.cmdAgeAndGender_Click();
}

// The author with the most texts and the group with the most texts, found once
// by running every group query and selecting every author of each group.
struct Largest {
    AgeBand band{};
    Gender gender{};
    int row = -1;
    std::string code;
    std::size_t texts = 0;
    AgeBand groupBand{};
    Gender groupGender{};
    double groupTexts = -1;
};

const Largest& largest() {
    static const Largest l = [] {
        Largest r;
        auto ex = new_explorer();
        for (AgeBand band : kBands) {
            for (Gender gender : kGenders) {
                run_group(*ex, band, gender);
                double group_texts = std::stod(ex->form1().NumOfGroupTexts);
                if (group_texts > r.groupTexts) {
                    r.groupTexts = group_texts;
                    r.groupBand = band;
                    r.groupGender = gender;
                }
                for (int i = 0; i < ex->form1().AgeTable.count(); ++i) {
                    ex->selectAgeTable(i);
                    if (ex->form1().lstTextsFound.size() > r.texts) {
                        r.texts = ex->form1().lstTextsFound.size();
                        r.band = band;
                        r.gender = gender;
                        r.row = i;
                        r.code = ex->form1().AgeTable.text();
                    }
                }
            }
        }
        std::cerr << "largest author: code " << r.code << ", " << r.texts << " texts (row " << r.row
                  << " of its group); largest group: " << r.groupTexts << " texts\n";
        return r;
    }();
    return l;
}

// A main window state with the largest author's group queried, the author selected and
// its data fetched.
std::unique_ptr<MainWindowState> explorer_on_largest_author() {
    const Largest& l = largest();
    auto ex = new_explorer();
    run_group(*ex, l.band, l.gender);
    ex->selectAgeTable(l.row);
    ex->cmdAuthorData_Click();
    return ex;
}

// ---- Checks of the baselines against the real code ----------------------------------

std::string show(const std::string& s, std::size_t at) {
    std::size_t from = at > 30 ? at - 30 : 0;
    std::ostringstream o;
    o << '"' << s.substr(from, 60) << '"';
    return o.str();
}

bool same(benchmark::State& state, const std::string& what, const std::string& fast,
          const std::string& lit) {
    if (fast == lit) return true;
    std::size_t at = 0;
    while (at < fast.size() && at < lit.size() && fast[at] == lit[at]) ++at;
    std::ostringstream o;
    o << what << " differs at offset " << at << " (lengths " << fast.size() << " and " << lit.size()
      << "): core " << show(fast, at) << ", literal " << show(lit, at);
    std::cerr << "MISMATCH " << o.str() << '\n';
    state.SkipWithError(o.str().c_str());
    return false;
}

bool same(benchmark::State& state, const std::string& what, const std::vector<std::string>& fast,
          const std::vector<std::string>& lit) {
    std::size_t n = std::min(fast.size(), lit.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!same(state, what + "[" + std::to_string(i) + "]", fast[i], lit[i])) return false;
    }
    if (fast.size() == lit.size()) return true;
    std::ostringstream o;
    o << what << ": core has " << fast.size() << " rows, literal " << lit.size();
    std::cerr << "MISMATCH " << o.str() << '\n';
    state.SkipWithError(o.str().c_str());
    return false;
}

bool same(benchmark::State& state, const std::string& what, const TextColumn& fast,
          const TextColumn& lit) {
    const std::vector<std::string> f(fast.begin(), fast.end()), l(lit.begin(), lit.end());
    return same(state, what, f, l);
}

bool same_store(benchmark::State& state, const CorpusStore& f, const CorpusStore& l) {
    return same(state, "texts", f.texts, l.texts) &&
           same(state, "textNames", f.textNames, l.textNames) &&
           same(state, "rows", f.rows, l.rows) &&
           same(state, "authorCodes", f.authorCodes, l.authorCodes) &&
           same(state, "authorNames", f.authorNames, l.authorNames) &&
           same(state, "textsPerAuthorCaptions", f.textsPerAuthorCaptions,
                l.textsPerAuthorCaptions) &&
           same(state, "corpusText", f.corpusText, l.corpusText) &&
           same(state, "cleanedText", f.cleanedText, l.cleanedText);
}

bool same_selection(benchmark::State& state, const MainWindowState& ex,
                    const literal::AuthorSelection& sel) {
    return same(state, "author name", ex.form3().lblCodeName, sel.name) &&
           same(state, "lstTextsFound", ex.form1().lstTextsFound, sel.lstTextsFound) &&
           same(state, "txtIndividualsTexts", ex.form1().txtIndividualsTexts,
                sel.txtIndividualsTexts) &&
           same(state, "txtIndividualsTexts2", ex.form1().txtIndividualsTexts2,
                sel.txtIndividualsTexts2);
}

bool same_author_data(benchmark::State& state, const MainWindowState& ex,
                      const literal::AuthorData& d) {
    const MainForm& f = ex.form1();
    return same(state, "txtTexts", f.txtTexts, d.txtTexts) &&
           same(state, "lblTotWords", f.lblTotWords, d.lblTotWords) &&
           same(state, "lblPuncDensity", f.lblPuncDensity, d.lblPuncDensity) &&
           same(state, "lblAvWordClusterLength", f.lblAvWordClusterLength,
                d.lblAvWordClusterLength) &&
           same(state, "lblTextTotal", f.lblTextTotal, d.lblTextTotal) &&
           same(state, "lblAvTextLength", f.lblAvTextLength, d.lblAvTextLength) &&
           same(state, "lblNumOfCharacters", f.lblNumOfCharacters, d.lblNumOfCharacters) &&
           same(state, "lstNonStandards", f.lstNonStandards.items, d.lstNonStandards) &&
           same(state, "lblNonStandardFormDensity", f.lblNonStandardFormDensity,
                d.lblNonStandardFormDensity);
}

// ---- 1. The group query ------------------------------------------------------------------

void BM_GroupQuery(benchmark::State& state, AgeBand band, Gender gender) {
    auto ex = new_explorer();
    run_group(*ex, band, gender);
    for (auto _ : state) {
        ex->cmdAgeAndGender_Click();
        benchmark::DoNotOptimize(ex->form1().Text2.data());
    }
    state.counters["authors"] = ex->form1().AgeTable.count();
    state.counters["texts"] = std::stod(ex->form1().NumOfGroupTexts);
}

void BM_GroupQueryLiteral(benchmark::State& state, AgeBand band, Gender gender) {
    auto ex = new_explorer();
    run_group(*ex, band, gender);
    const auto& forms = ex->glossary().forms();
    literal::GroupResult g = literal::group_query(ex->store(), data().authors, forms, band, gender);
    const MainForm& f = ex->form1();
    if (!(same(state, "AgeTable", f.AgeTable.items, g.AgeTable) &&
          same(state, "NumOfGroupTexts", f.NumOfGroupTexts, g.NumOfGroupTexts) &&
          same(state, "GroupAvTextLength", f.GroupAvTextLength, g.GroupAvTextLength) &&
          same(state, "GroupAvNumOfCharacters", f.GroupAvNumOfCharacters,
               g.GroupAvNumOfCharacters) &&
          same(state, "GroupAvWordClusterLength", f.GroupAvWordClusterLength,
               g.GroupAvWordClusterLength) &&
          same(state, "GroupAvPuncDensity", f.GroupAvPuncDensity, g.GroupAvPuncDensity) &&
          same(state, "GroupNonStandardFormsDensity", f.GroupNonStandardFormsDensity,
               g.GroupNonStandardFormsDensity) &&
          same(state, "lstGroupTexts", f.lstGroupTexts, g.lstGroupTexts) &&
          same(state, "group Text1", f.Text1, g.Text1) &&
          same(state, "group Text2", f.Text2, g.Text2))) {
        return;
    }
    for (auto _ : state) {
        literal::GroupResult r =
            literal::group_query(ex->store(), data().authors, forms, band, gender);
        benchmark::DoNotOptimize(r.Text2.data());
    }
}

#define GROUP_BENCH(band, gender)                                                                  \
    BENCHMARK_CAPTURE(BM_GroupQuery, band##_##gender, AgeBand::band, Gender::gender)               \
        ->Unit(benchmark::kMicrosecond);                                                           \
    BENCHMARK_CAPTURE(BM_GroupQueryLiteral, band##_##gender, AgeBand::band, Gender::gender)        \
        ->Unit(benchmark::kMicrosecond)

GROUP_BENCH(Under18, Female);
GROUP_BENCH(Under18, Male);
GROUP_BENCH(From18To25, Female);
GROUP_BENCH(From18To25, Male);
GROUP_BENCH(From26To40, Female);
GROUP_BENCH(From26To40, Male);
GROUP_BENCH(From41To60, Female);
GROUP_BENCH(From41To60, Male);
GROUP_BENCH(Over60, Female);
GROUP_BENCH(Over60, Male);

// ---- 2. Author selection and Get Author Data ------------------------------------------------

void BM_AuthorSelectAndData(benchmark::State& state) {
    const Largest& l = largest();
    auto ex = explorer_on_largest_author();
    const std::size_t kept = ex->form1().lstGroupTexts.size();
    for (auto _ : state) {
        ex->selectAgeTable(l.row);
        ex->cmdAuthorData_Click();
        benchmark::DoNotOptimize(ex->form1().lstNonStandards.items.data());
        // After a group query every selection also collects the author's rows
        // for the group; drop them so the list does not grow without end.
        state.PauseTiming();
        MainWindowStateTestAccess::form1(*ex).lstGroupTexts.resize(kept);
        state.ResumeTiming();
    }
    state.counters["texts"] = static_cast<double>(ex->form1().lstTextsFound.size());
}
BENCHMARK(BM_AuthorSelectAndData)->Unit(benchmark::kMicrosecond);

void BM_AuthorSelectAndDataLiteral(benchmark::State& state) {
    const Largest& l = largest();
    auto ex = explorer_on_largest_author();
    const auto& forms = ex->glossary().forms();
    literal::AuthorSelection sel = literal::select_author(ex->store(), l.code);
    literal::AuthorData d = literal::author_data(sel.lstTextsFound, forms);
    if (!same_selection(state, *ex, sel) || !same_author_data(state, *ex, d)) return;
    for (auto _ : state) {
        literal::AuthorSelection s = literal::select_author(ex->store(), l.code);
        literal::AuthorData a = literal::author_data(s.lstTextsFound, forms);
        benchmark::DoNotOptimize(a.lstNonStandards.data());
    }
}
BENCHMARK(BM_AuthorSelectAndDataLiteral)->Unit(benchmark::kMicrosecond);

// The selection alone (the click on the author's row).
void BM_AuthorSelect(benchmark::State& state) {
    const Largest& l = largest();
    auto ex = explorer_on_largest_author();
    const std::size_t kept = ex->form1().lstGroupTexts.size();
    for (auto _ : state) {
        ex->selectAgeTable(l.row);
        benchmark::DoNotOptimize(ex->form1().txtIndividualsTexts.data());
        state.PauseTiming();
        MainWindowStateTestAccess::form1(*ex).lstGroupTexts.resize(kept);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AuthorSelect)->Unit(benchmark::kMicrosecond);

void BM_AuthorSelectLiteral(benchmark::State& state) {
    const Largest& l = largest();
    auto ex = explorer_on_largest_author();
    if (!same_selection(state, *ex, literal::select_author(ex->store(), l.code))) return;
    for (auto _ : state) {
        literal::AuthorSelection s = literal::select_author(ex->store(), l.code);
        benchmark::DoNotOptimize(s.txtIndividualsTexts.data());
    }
}
BENCHMARK(BM_AuthorSelectLiteral)->Unit(benchmark::kMicrosecond);

// ---- 3. The non-standard forms of the largest author ----------------------------------------

void BM_NonStandards(benchmark::State& state) {
    auto ex = explorer_on_largest_author();
    for (auto _ : state) {
        ex->cmdNonStandards_Click();
        benchmark::DoNotOptimize(ex->form1().lstNonStandards.items.data());
    }
    state.counters["uses"] = ex->form1().lstNonStandards.count();
}
BENCHMARK(BM_NonStandards)->Unit(benchmark::kMicrosecond);

void BM_NonStandardsLiteral(benchmark::State& state) {
    auto ex = explorer_on_largest_author();
    const auto& forms = ex->glossary().forms();
    if (!same(state, "lstNonStandards", ex->form1().lstNonStandards.items,
              literal::non_standard_uses(ex->form1().txtTexts, forms))) {
        return;
    }
    for (auto _ : state) {
        std::vector<std::string> uses = literal::non_standard_uses(ex->form1().txtTexts, forms);
        double words = std::stod(ex->form1().lblTotWords);
        std::string density = format_4dec(static_cast<double>(uses.size()) / words);
        benchmark::DoNotOptimize(density.data());
    }
}
BENCHMARK(BM_NonStandardsLiteral)->Unit(benchmark::kMicrosecond);

// The two halves of the event: finding the uses, and sorting them into the list.
void BM_NonStandardsFindOnly(benchmark::State& state) {
    auto ex = explorer_on_largest_author();
    for (auto _ : state) {
        std::vector<std::string> uses =
            find_non_standard_uses(ex->form1().txtTexts, ex->glossary());
        benchmark::DoNotOptimize(uses.data());
    }
}
BENCHMARK(BM_NonStandardsFindOnly)->Unit(benchmark::kMicrosecond);

void BM_NonStandardsSortOnly(benchmark::State& state) {
    auto ex = explorer_on_largest_author();
    const std::vector<std::string> found =
        find_non_standard_uses(ex->form1().txtTexts, ex->glossary());
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> uses = found;
        state.ResumeTiming();
        sort_collated(uses);
        benchmark::DoNotOptimize(uses.data());
    }
}
BENCHMARK(BM_NonStandardsSortOnly)->Unit(benchmark::kMicrosecond);

// ---- 4. The cluster list of the largest author ------------------------------------------------

void BM_ClusterPunctuation(benchmark::State& state) {
    auto ex = explorer_on_largest_author();
    for (auto _ : state) {
        ex->cmdClusterPunctuation_Click();
        benchmark::DoNotOptimize(ex->form1().lstClusterPunc.items.data());
    }
    state.counters["clusters"] = ex->form1().lstClusterPunc.count();
}
BENCHMARK(BM_ClusterPunctuation)->Unit(benchmark::kMicrosecond);

void BM_ClusterPunctuationLiteral(benchmark::State& state) {
    auto ex = explorer_on_largest_author();
    ex->cmdClusterPunctuation_Click();
    if (!same(state, "lstClusterPunc", ex->form1().lstClusterPunc.items,
              literal::cluster_list(ex->form1().txtIndividualsTexts2))) {
        return;
    }
    for (auto _ : state) {
        std::vector<std::string> items = literal::cluster_list(ex->form1().txtIndividualsTexts2);
        benchmark::DoNotOptimize(items.data());
    }
}
BENCHMARK(BM_ClusterPunctuationLiteral)->Unit(benchmark::kMicrosecond);

// ---- 5. Word counts and the search --------------------------------------------------------------

void BM_CountWordCorpus(benchmark::State& state) {
    auto ex = new_explorer();
    int n = 0;
    for (auto _ : state) {
        n = count_word(ex->store().cleanedText, "u");
        benchmark::DoNotOptimize(n);
    }
    state.counters["count"] = n;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(ex->store().cleanedText.size()));
}
BENCHMARK(BM_CountWordCorpus)->Unit(benchmark::kMicrosecond);

// The Enter key in the search box: the word counted in the largest group's text
// and in the corpus text.
void BM_SearchEnter(benchmark::State& state) {
    const Largest& l = largest();
    auto ex = new_explorer();
    run_group(*ex, l.groupBand, l.groupGender);
    ex->txtSearch_Change("u");
    for (auto _ : state) {
        ex->txtSearch_KeyDown(13);
        benchmark::DoNotOptimize(ex->form1().lblInstInCorpus.data());
    }
}
BENCHMARK(BM_SearchEnter)->Unit(benchmark::kMicrosecond);

// ---- Other clicks that count over the corpus text
// --------------------------------------------------

void BM_FamilyClick(benchmark::State& state) {
    auto ex = explorer_on_largest_author();
    for (auto _ : state) {
        ex->selectFamily(0, 0);
        benchmark::DoNotOptimize(ex->form1().families[0].InCorpus.data());
    }
}
BENCHMARK(BM_FamilyClick)->Unit(benchmark::kMicrosecond);

void BM_NonStandardUseClick(benchmark::State& state) {
    auto ex = explorer_on_largest_author();
    for (auto _ : state) {
        ex->selectNonStandards(0);
        benchmark::DoNotOptimize(ex->form1().lblInstancesOfSearchWord.data());
    }
}
BENCHMARK(BM_NonStandardUseClick)->Unit(benchmark::kMicrosecond);

void BM_Collocations(benchmark::State& state) {
    auto ex = explorer_on_largest_author();
    ex->selectNonStandards(0);
    for (auto _ : state) {
        ex->cmdColls_Click();
        benchmark::DoNotOptimize(ex->form11().Text1.data());
    }
}
BENCHMARK(BM_Collocations)->Unit(benchmark::kMicrosecond);

void BM_PuncCount(benchmark::State& state) {
    auto ex = new_explorer();
    ex->puncOption_Click(PuncOption::Stops);
    for (auto _ : state) {
        ex->cmdPuncCount_Click();
        benchmark::DoNotOptimize(ex->form1().lblPuncCount.data());
    }
}
BENCHMARK(BM_PuncCount)->Unit(benchmark::kMicrosecond);

void BM_CorpusAgesAndGenders(benchmark::State& state) {
    auto ex = new_explorer();
    ex->cmdGetCorpusData_Click();
    for (auto _ : state) {
        ex->cmdAges_Click();
        ex->cmdGender_Click();
        benchmark::DoNotOptimize(ex->form4().lblMale.data());
    }
}
BENCHMARK(BM_CorpusAgesAndGenders)->Unit(benchmark::kMicrosecond);

// ---- 6. Start-up
// ---------------------------------------------------------------------------------

void BM_LoadBuiltinData(benchmark::State& state) {
    for (auto _ : state) {
        DataSet d = load_builtin_data();
        benchmark::DoNotOptimize(d.corpus.data());
    }
}
BENCHMARK(BM_LoadBuiltinData)->Unit(benchmark::kMicrosecond);

void BM_BuildCorpusStore(benchmark::State& state) {
    const DataSet& d = data();
    for (auto _ : state) {
        CorpusStore s = build_corpus_store(d.corpus, d.authors);
        benchmark::DoNotOptimize(s.cleanedText.data());
    }
    state.counters["texts"] = static_cast<double>(d.corpus.size());
}
BENCHMARK(BM_BuildCorpusStore)->Unit(benchmark::kMicrosecond);

void BM_BuildCorpusStoreLiteral(benchmark::State& state) {
    const DataSet& d = data();
    if (!same_store(state, build_corpus_store(d.corpus, d.authors),
                    literal::build_corpus_store(d.corpus, d.authors))) {
        return;
    }
    for (auto _ : state) {
        CorpusStore s = literal::build_corpus_store(d.corpus, d.authors);
        benchmark::DoNotOptimize(s.cleanedText.data());
    }
}
BENCHMARK(BM_BuildCorpusStoreLiteral)->Unit(benchmark::kMicrosecond);

void BM_ExplorerConstruct(benchmark::State& state) {
    const DataSet& d = data();
    for (auto _ : state) {
        MainWindowState ex(corpus_of(d), no_effects());
        benchmark::DoNotOptimize(ex.store().cleanedText.data());
    }
}
BENCHMARK(BM_ExplorerConstruct)->Unit(benchmark::kMicrosecond);

} // namespace
