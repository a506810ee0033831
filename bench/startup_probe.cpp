// The program's own start-up, ending as soon as the main window has been
// painted with the corpus count. With the argument "web" the upload page's web
// engine is loaded first, as it would be without lazy loading.
#include "ui/program.h"

#include <cstring>

int main(int argc, char** argv) {
    zapt::ui::StartupOptions options;
    options.quitWhenShown = true;
    options.loadWebEngineFirst = argc > 1 && std::strcmp(argv[1], "web") == 0;
    return zapt::ui::run_program(1, argv, options);
}
