// Timings of every user event over generated corpora of 1, 10, 100 and 1,000
// times the built-in one, with the literal baselines where they exist.
//
//   ZAPT_SCALE=1,10,100,1000 build-scale/zapt_bench --benchmark_filter=Scale
//
// ZAPT_SCALE lists the multiples (default: none, so the plain benchmark run
// stays quick); the corpora are written by tools/make_large_corpus.py into
// ZAPT_SCALE_DIR (default /tmp/zapt-scale) when missing. The literal group
// query re-cleans the whole group text after every row and is only run up to
// ZAPT_SCALE_LITERAL_MAX (default 10) times the built-in corpus.
#include "analysis/collocations.h"
#include "app/corpus_source.h"
#include "app/main_window_state.h"
#include "bench/literal.h"
#include "bench/scale_corpus.h"
#include "corpus/corpus_store.h"
#include "corpus/data_files.h"
#include "corpus/text.h"
#include "lookup/count_word.h"
#include "tests/core/main_window_state_access.h"
#include "variation/compare.h"
#include "variation/group_index.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace zapt;

Effects& quiet() {
    static Effects e;
    return e;
}

double max_rss_mb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// One loaded corpus and a main window state over it, kept for all benchmarks of its size.
struct Scale {
    int n = 0;
    std::string dir;
    DataSet data;
    std::unique_ptr<MainWindowState> ex;
    double construct_ms = 0;
    double rss_mb = 0;
    AgeBand band{};
    Gender gender{};
    int author_row = -1; // the author with the most texts in the largest group
};

constexpr AgeBand kBands[] = {AgeBand::Under18, AgeBand::From18To25, AgeBand::From26To40,
                              AgeBand::From41To60, AgeBand::Over60};
constexpr Gender kGenders[] = {Gender::Female, Gender::Male};

void run_group(MainWindowState& ex, AgeBand band, Gender gender) {
    ex.ageOption_Click(band);
    ex.genderOption_Click(gender);
    ex.cmdAgeAndGender_Click();
}

Scale& scale(int n) {
    static std::map<int, std::unique_ptr<Scale>> all;
    auto& s = all[n];
    if (s) return *s;
    s = std::make_unique<Scale>();
    s->n = n;
    s->dir = bench::scale_dir(n);
    s->data = load_data_dir(s->dir);
    auto t0 = std::chrono::steady_clock::now();
    s->ex = std::make_unique<MainWindowState>(corpus_of(s->data), quiet());
    s->construct_ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    s->rss_mb = max_rss_mb();
    // The largest group by texts, from the register and the texts per author.
    const MainWindowState& ex = *s->ex;
    double best = -1;
    for (AgeBand band : kBands) {
        for (Gender gender : kGenders) {
            double texts = 0;
            for (std::size_t j = 0; j < ex.authors().size(); ++j) {
                if (iequals(ex.authors().genders[j], gender_letter(gender)) &&
                    AgeBands().holds(std::stod(ex.authors().ages[j]), band)) {
                    texts += ex.store().textsPerAuthor[j];
                }
            }
            if (texts > best) {
                best = texts;
                s->band = band;
                s->gender = gender;
            }
        }
    }
    run_group(*s->ex, s->band, s->gender);
    std::map<std::string, int> texts_of_code;
    for (std::size_t j = 0; j < ex.authors().size(); ++j) {
        texts_of_code[ex.authors().codes[j]] = ex.store().textsPerAuthor[j];
    }
    int most = -1;
    for (int i = 0; i < s->ex->form1().AgeTable.count(); ++i) {
        const int texts = texts_of_code[s->ex->form1().AgeTable.items[static_cast<std::size_t>(i)]];
        if (texts > most) {
            most = texts;
            s->author_row = i;
        }
    }
    std::cerr << "scale " << n << ": " << s->data.corpus.size() << " texts, "
              << s->data.authors.size() << " authors; largest group "
              << s->ex->form1().AgeTable.count() << " authors, " << s->ex->form1().NumOfGroupTexts
              << " texts; main window state built in " << s->construct_ms << " ms; max RSS "
              << s->rss_mb << " MB\n";
    return *s;
}

// A main window state with the largest group fetched and its largest author's data.
MainWindowState& on_author(Scale& s) {
    MainWindowState& ex = *s.ex;
    if (ex.form1().AgeTable.count() == 0 || ex.form1().lblTotWords == "0") {
        run_group(ex, s.band, s.gender);
        ex.selectAgeTable(s.author_row);
        ex.cmdAuthorData_Click();
    }
    return ex;
}

int row_of(const ListBox& list, const std::string& item) {
    for (int i = 0; i < list.count(); ++i) {
        if (list.items[static_cast<std::size_t>(i)] == item) return i;
    }
    return 0;
}

void BM_Load(benchmark::State& st, int n) {
    const std::string dir = bench::scale_dir(n);
    for (auto _ : st) {
        DataSet d = load_data_dir(dir);
        benchmark::DoNotOptimize(d.corpus.data());
    }
}

void BM_BuildStore(benchmark::State& st, int n) {
    Scale& s = scale(n);
    for (auto _ : st) {
        CorpusStore store = build_corpus_store(s.data.corpus, s.data.authors);
        benchmark::DoNotOptimize(store.cleanedText.data());
    }
}

void BM_StartUp(benchmark::State& st, int n) {
    Scale& s = scale(n);
    for (auto _ : st) {
        MainWindowState ex(corpus_of(s.data), quiet());
        benchmark::DoNotOptimize(ex.store().cleanedText.data());
    }
    st.counters["maxRSS_MB"] = max_rss_mb();
}

// Everything before the window shows: the folder read and checked, then the
// main window state built (their end is not timed: the program keeps both). The
// program hands the corpus to the main window state; the windows keep their own
// copy alive (the second form). Run alone, the process's peak memory is that
// of one start-up.
void BM_StartUpFromFolder(benchmark::State& st, int n, bool keep_data) {
    const std::string dir = bench::scale_dir(n);
    for (auto _ : st) {
        auto d = std::make_unique<DataSet>(load_data_dir(dir));
        auto ex = keep_data ? std::make_unique<MainWindowState>(corpus_of(*d), quiet())
                            : std::make_unique<MainWindowState>(corpus_of(std::move(*d)), quiet());
        benchmark::DoNotOptimize(ex->store().cleanedText.data());
        st.PauseTiming();
        ex.reset();
        d.reset();
        st.ResumeTiming();
    }
    st.counters["maxRSS_MB"] = max_rss_mb();
}

void BM_GroupQuery(benchmark::State& st, int n) {
    Scale& s = scale(n);
    for (auto _ : st) {
        run_group(*s.ex, s.band, s.gender);
        benchmark::DoNotOptimize(s.ex->form1().Text2.data());
    }
    st.counters["authors"] = s.ex->form1().AgeTable.count();
    st.counters["texts"] = std::stod(s.ex->form1().NumOfGroupTexts);
}

void BM_GroupQueryLiteral(benchmark::State& st, int n) {
    Scale& s = scale(n);
    const char* cap = std::getenv("ZAPT_SCALE_LITERAL_MAX");
    if (n > (cap ? std::atoi(cap) : 10)) {
        st.SkipWithError("literal group query skipped at this size (ZAPT_SCALE_LITERAL_MAX)");
        return;
    }
    for (auto _ : st) {
        literal::GroupResult g = literal::group_query(s.ex->store(), s.data.authors,
                                                      s.ex->glossary().forms(), s.band, s.gender);
        benchmark::DoNotOptimize(g.Text2.data());
    }
}

void BM_AllGroupQueries(benchmark::State& st, int n) {
    Scale& s = scale(n);
    for (auto _ : st) {
        for (AgeBand band : kBands) {
            for (Gender gender : kGenders) run_group(*s.ex, band, gender);
        }
        benchmark::DoNotOptimize(s.ex->form1().Text2.data());
    }
}

void BM_AuthorSelectAndData(benchmark::State& st, int n) {
    Scale& s = scale(n);
    MainWindowState& ex = on_author(s);
    const std::size_t kept = ex.form1().lstGroupTexts.size();
    for (auto _ : st) {
        ex.selectAgeTable(s.author_row);
        ex.cmdAuthorData_Click();
        benchmark::DoNotOptimize(ex.form1().lstNonStandards.items.data());
        st.PauseTiming();
        MainWindowStateTestAccess::form1(ex).lstGroupTexts.resize(kept);
        st.ResumeTiming();
    }
    st.counters["texts"] = static_cast<double>(ex.form1().lstTextsFound.size());
}

void BM_FamilyClick(benchmark::State& st, int n) {
    Scale& s = scale(n);
    MainWindowState& ex = on_author(s);
    std::size_t fam = 0;
    for (std::size_t i = 0; i < ex.form1().families.size(); ++i) {
        if (ex.form1().families[i].stem == "You") fam = i;
    }
    const int row = row_of(ex.form1().families[fam].list, "u");
    for (auto _ : st) {
        ex.selectFamily(fam, row);
        benchmark::DoNotOptimize(ex.form1().families[fam].InCorpus.data());
    }
}

void BM_SearchEnter(benchmark::State& st, int n) {
    Scale& s = scale(n);
    MainWindowState& ex = on_author(s);
    ex.txtSearch_Change("u");
    for (auto _ : st) {
        ex.txtSearch_KeyDown(13);
        benchmark::DoNotOptimize(ex.form1().lblInstInCorpus.data());
    }
}

void BM_GlossaryFormClick(benchmark::State& st, int n) {
    Scale& s = scale(n);
    MainWindowState& ex = on_author(s);
    const int row = row_of(ex.form1().lstNonStandardForms, "u");
    for (auto _ : st) {
        ex.selectNonStandardForms(row);
        benchmark::DoNotOptimize(ex.form1().lblCorpusTotal.data());
    }
}

void BM_NonStandardUseClick(benchmark::State& st, int n) {
    Scale& s = scale(n);
    MainWindowState& ex = on_author(s);
    for (auto _ : st) {
        ex.selectNonStandards(0);
        benchmark::DoNotOptimize(ex.form1().lblInstancesOfSearchWord.data());
    }
}

void BM_Collocations(benchmark::State& st, int n) {
    Scale& s = scale(n);
    MainWindowState& ex = on_author(s);
    ex.selectNonStandardForms(row_of(ex.form1().lstNonStandardForms, "u"));
    for (auto _ : st) {
        ex.cmdColls_Click();
        benchmark::DoNotOptimize(ex.form11().Text1.data());
    }
    st.counters["bytes"] = static_cast<double>(ex.form11().Text1.size());
}

void BM_CollocationsLiteral(benchmark::State& st, int n) {
    Scale& s = scale(n);
    MainWindowState& ex = on_author(s);
    for (auto _ : st) {
        std::string c = collocations(ex.store().cleanedText, "u");
        benchmark::DoNotOptimize(c.data());
    }
}

void BM_PuncCount(benchmark::State& st, int n, PuncOption option) {
    Scale& s = scale(n);
    MainWindowState& ex = *s.ex;
    ex.puncOption_Click(option);
    for (auto _ : st) {
        ex.cmdPuncCount_Click();
        benchmark::DoNotOptimize(ex.form1().lblPuncCount.data());
    }
}

void BM_Clusters(benchmark::State& st, int n) {
    Scale& s = scale(n);
    MainWindowState& ex = on_author(s);
    for (auto _ : st) {
        ex.cmdClusterPunctuation_Click();
        benchmark::DoNotOptimize(ex.form1().lstClusterPunc.items.data());
    }
}

void BM_CorpusData(benchmark::State& st, int n) {
    Scale& s = scale(n);
    MainWindowState& ex = *s.ex;
    ex.cmdGetCorpusData_Click();
    for (auto _ : st) {
        ex.cmdAges_Click();
        ex.cmdGender_Click();
        benchmark::DoNotOptimize(ex.form4().lblMale.data());
    }
}

// The comparison window as it opens: the groups' index, then the comparison
// of the first family.
void BM_CompareOpen(benchmark::State& st, int n) {
    Scale& s = scale(n);
    const MainWindowState& ex = *s.ex;
    const FormList forms = *find_family(ex, ex.variantFamilies().front().list);
    for (auto _ : st) {
        GroupIndex index(ex.store(), ex.authors(), ex.corpus().bands());
        Comparison c = compare_groups(index, forms);
        benchmark::DoNotOptimize(c.rows.data());
    }
}

// A family chosen in the open window: the comparison alone, for the family
// with the most forms (43).
void BM_CompareFamily(benchmark::State& st, int n) {
    Scale& s = scale(n);
    const MainWindowState& ex = *s.ex;
    static std::map<int, std::unique_ptr<GroupIndex>> indexes;
    auto& index = indexes[n];
    if (!index) index = std::make_unique<GroupIndex>(ex.store(), ex.authors(), ex.corpus().bands());
    const FormList forms = *find_family(ex, "lstThWords");
    for (auto _ : st) {
        Comparison c = compare_groups(*index, forms);
        benchmark::DoNotOptimize(c.rows.data());
    }
    st.counters["forms"] = static_cast<double>(forms.forms.size());
}

// The peer's second job: 1,000 words counted in the corpus, the first 1,000
// distinct pieces of the cleaned corpus text in order of first appearance.
std::vector<std::string> thousand_words(const std::string& text2) {
    std::vector<std::string> words;
    std::map<std::string, bool> seen;
    for_each_piece(text2, [&](std::string_view p) {
        if (words.size() < 1000 && seen.emplace(std::string(p), true).second) words.emplace_back(p);
    });
    return words;
}

void BM_ThousandCorpusCounts(benchmark::State& st, int n) {
    Scale& s = scale(n);
    MainWindowState& ex = *s.ex;
    const std::vector<std::string> words = thousand_words(ex.store().cleanedText);
    long long total = 0;
    for (auto _ : st) {
        for (const std::string& w : words) {
            ex.txtSearch_Change(w);
            ex.cmdSearch_Click();
            total += ex.form1().lblInstInCorpus.size();
        }
    }
    benchmark::DoNotOptimize(total);
}

void BM_CountWordScan(benchmark::State& st, int n) {
    Scale& s = scale(n);
    for (auto _ : st) benchmark::DoNotOptimize(count_word(s.ex->store().cleanedText, "u"));
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) *
                         static_cast<int64_t>(s.ex->store().cleanedText.size()));
}

void BM_CountWordLiteral(benchmark::State& st, int n) {
    Scale& s = scale(n);
    for (auto _ : st) {
        benchmark::DoNotOptimize(literal::count_word(s.ex->store().cleanedText, "u"));
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) *
                         static_cast<int64_t>(s.ex->store().cleanedText.size()));
}

const bool registered = [] {
    const std::vector<int> sizes = bench::scale_sizes();
    if (sizes.empty()) return false;
    for (const int n : sizes) {
        const std::string x = "/x" + std::to_string(n);
        auto reg = [&](const char* name, auto fn, auto... args) {
            benchmark::RegisterBenchmark((std::string("Scale/") + name + x).c_str(), fn, n, args...)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime();
        };
        reg("Load", BM_Load);
        reg("BuildStore", BM_BuildStore);
        reg("StartUp", BM_StartUp);
        reg("StartUpFromFolder", BM_StartUpFromFolder, false);
        reg("StartUpFromFolderKeepingData", BM_StartUpFromFolder, true);
        reg("GroupQueryLargest", BM_GroupQuery);
        reg("GroupQueryLargestLiteral", BM_GroupQueryLiteral);
        reg("AllGroupQueries", BM_AllGroupQueries);
        reg("AuthorSelectAndData", BM_AuthorSelectAndData);
        reg("FamilyClick", BM_FamilyClick);
        reg("SearchEnter", BM_SearchEnter);
        reg("GlossaryFormClick", BM_GlossaryFormClick);
        reg("NonStandardUseClick", BM_NonStandardUseClick);
        reg("Collocations", BM_Collocations);
        reg("CollocationsLiteral", BM_CollocationsLiteral);
        reg("PuncCountStops", BM_PuncCount, PuncOption::Stops);
        reg("PuncCountSpacePlusStop", BM_PuncCount, PuncOption::SpacePlusStop);
        reg("Clusters", BM_Clusters);
        reg("CorpusData", BM_CorpusData);
        reg("CompareOpen", BM_CompareOpen);
        reg("CompareFamily", BM_CompareFamily);
        reg("ThousandCorpusCounts", BM_ThousandCorpusCounts);
        reg("CountWordScan", BM_CountWordScan);
        reg("CountWordLiteral", BM_CountWordLiteral);
    }
    return true;
}();

} // namespace
