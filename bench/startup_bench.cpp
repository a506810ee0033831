// Start-up time of the program: from process start to the main window painted
// with the corpus count, with and without the web engine loaded first. Each
// iteration starts the start-up probe as a new process; the probe reports the
// moment of the first paint, so the time of shutting the process down is not
// counted. Run it under a display server (scripts/bench runs it under Xvfb).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long now_ns() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

std::string probe_path() {
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string path = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : std::string("./x");
    return path.substr(0, path.rfind('/') + 1) + "zapt-startup-probe";
}

// Starts the probe and returns the seconds from its start to its first paint,
// or a negative number when it failed.
double one_start(const std::string& probe, bool web) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::string arg0 = probe, arg1 = web ? "web" : "plain";
    char* argv[] = {arg0.data(), arg1.data(), nullptr};
    pid_t pid = 0;
    const long long start = now_ns();
    int rc = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return -1;
    }
    char buf[64] = {};
    ssize_t got = read(fds[0], buf, sizeof buf - 1);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    long long shown = std::atoll(buf);
    return static_cast<double>(shown - start) / 1e9;
}

void start_up(benchmark::State& state, bool web) {
    const std::string probe = probe_path();
    for (auto _ : state) {
        double seconds = one_start(probe, web);
        if (seconds < 0) {
            state.SkipWithError("the start-up probe failed (is a display server running?)");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void StartUp(benchmark::State& state) {
    start_up(state, false);
}
void StartUpWithWebEngine(benchmark::State& state) {
    start_up(state, true);
}

} // namespace

BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(StartUpWithWebEngine)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK_MAIN();
