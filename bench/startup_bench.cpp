// Start-up time of the program: from process start to the main window painted
// with the corpus count, measured on whole processes of the start-up probe,
// with and without the web engine loaded first. Run it under a display server
// (scripts/bench runs it under Xvfb).
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string probe_path() {
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string dir = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : std::string("./x");
    return dir.substr(0, dir.rfind('/') + 1) + "zapt-startup-probe";
}

void start_up(benchmark::State& state, bool web) {
    const std::string probe = probe_path();
    for (auto _ : state) {
        std::string arg0 = probe, arg1 = web ? "web" : "plain";
        char* argv[] = {arg0.data(), arg1.data(), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, probe.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
    }
}

void StartUp(benchmark::State& state) { start_up(state, false); }
void StartUpWithWebEngine(benchmark::State& state) { start_up(state, true); }

} // namespace

BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(StartUpWithWebEngine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK_MAIN();
