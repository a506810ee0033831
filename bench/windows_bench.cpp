// Timings of the windows themselves, on the built-in corpus and the offscreen
// platform: opening the comparison of groups (its tables, the chart and the
// first paint), choosing another family in it, and opening the main window.
//
//   QT_QPA_PLATFORM=offscreen build/zapt_windows_bench
#include "corpus/data_files.h"
#include "ui/compare_window.h"
#include "ui/main_window.h"
#include "variation/tables.h"

#include <QApplication>
#include <QComboBox>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace zapt;
using namespace zapt::ui;

struct Windows {
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<GroupIndex> index;
};

Windows& windows() {
    static Windows w = [] {
        Windows x;
        x.main = std::make_unique<MainWindow>(corpus_of(load_builtin_data()));
        x.main->messageHandler = [](const QString&) {};
        x.index = std::make_unique<GroupIndex>(x.main->state().store(), x.main->state().authors(),
                                               x.main->state().corpus().bands());
        return x;
    }();
    return w;
}

// Creating the window, showing it and painting it once (the index of every
// author's words is made once, when the comparison first opens, and kept).
void BM_CompareWindowOpen(benchmark::State& st) {
    const MainWindowState& app = windows().main->state();
    for (auto _ : st) {
        QWidget* w = createCompareWindow(
            app.corpus(), *windows().index, [&app] { return export_header(app, "all groups"); },
            [] { return std::string(); });
        w->show();
        w->repaint();
        QCoreApplication::processEvents();
        st.PauseTiming();
        delete w;
        QCoreApplication::processEvents();
        st.ResumeTiming();
    }
}

// Another family chosen in the open window: the table, spread, tests and chart redone.
void BM_CompareWindowFamily(benchmark::State& st) {
    const MainWindowState& app = windows().main->state();
    std::unique_ptr<QWidget> w(createCompareWindow(
        app.corpus(), *windows().index, [&app] { return export_header(app, "all groups"); },
        [] { return std::string(); }));
    w->show();
    auto* family = w->findChild<QComboBox*>("cboFamily");
    if (!family || family->count() < 2) {
        st.SkipWithError("no family list");
        return;
    }
    int i = 0;
    for (auto _ : st) {
        i = (i + 1) % family->count();
        family->setCurrentIndex(i);
        w->repaint();
        QCoreApplication::processEvents();
    }
}

void BM_MainWindowOpen(benchmark::State& st) {
    const DataSet data = load_builtin_data();
    for (auto _ : st) {
        MainWindow m(corpus_of(data));
        m.show();
        m.repaint();
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_CompareWindowOpen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CompareWindowFamily)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MainWindowOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
