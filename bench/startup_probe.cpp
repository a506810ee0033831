// The program's own start-up, ending as soon as the main window has been
// painted with the corpus count; it prints that moment (CLOCK_MONOTONIC, in
// nanoseconds) on standard output. With the argument "web" the upload page's
// web engine is loaded first, as it would be without lazy loading.
#include "ui/program.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {
void print_now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    std::printf("%lld\n", static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv) {
    zapt::ui::StartupOptions options;
    options.onShown = print_now;
    options.loadWebEngineFirst = argc > 1 && std::strcmp(argv[1], "web") == 0;
    return zapt::ui::run_program(1, argv, options);
}
