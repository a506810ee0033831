// The program's start-up and run, shared by the program itself and by the
// start-up benchmark's probe.
#pragma once

namespace zapt::ui {

struct StartupOptions {
    // Load the upload page's web engine before the main window (only the
    // start-up benchmark asks for this, to show what lazy loading saves).
    bool loadWebEngineFirst = false;
    // Quit as soon as the main window has been painted with its corpus count,
    // after calling this (the start-up benchmark records the moment).
    void (*onShown)() = nullptr;
};

int run_program(int argc, char** argv, const StartupOptions& options = {});

} // namespace zapt::ui
