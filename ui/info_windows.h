// The small windows around the main window that carry fixed text: About, Help,
// More Help, Facts, Donate, the upload page and the progress window.
//
// Each function only builds its window and returns it hidden. The windows are
// top-level, fixed in size (except the upload page) and delete themselves when
// closed, so the next request builds a fresh one in its start state.
#pragma once

#include <QWidget>

#include <functional>

namespace zapt::ui {

// "About ZAPT the Corpus" (Form2).
// The figures the About window quotes for a corpus loaded from a folder.
struct LoadedCorpusFigures {
    QString folder;
    int texts = 0;
    int people = 0; // authors with texts
    long long words = 0;
    QStringList applied; // what applies beyond the corpus (the built-in glossary, ...)
    QString who;         // who its authors are
};
// The About window; for a loaded corpus its size sentence gives that corpus's figures.
QWidget* createAboutWindow(const LoadedCorpusFigures* loaded = nullptr);

// "Help...!" (Form5). Its button "A note on Clusters and Punctuation" calls
// openMoreHelp.
QWidget* createHelpWindow(std::function<void()> openMoreHelp);

// "More Help...(ZAPT)" (Form6).
QWidget* createMoreHelpWindow();

// "Facts..." (Form7).
QWidget* createFactsWindow();

// "Donate" (Form8). Its button that leads to the web site calls openUpload.
QWidget* createDonateWindow(std::function<void()> openUpload);

// "Progress" (Form10): stays on top of every other window while shown.
QWidget* createProgressWindow();

// The upload page (Form9), an embedded browser showing the web site's upload
// page. The browser lives in the module libzapt_upload.so, loaded on first
// use from the folder in ZAPT_MODULE_DIR or else the program's own folder.
// Returns nullptr when the module cannot be loaded.
QWidget* createUploadWindow();

} // namespace zapt::ui
