// The main window: four panels of controls, one per column, over the main window's state.
// Each event becomes an operation of the main window's state; afterwards every open window
// shows the new state. The window also carries out the main window state's effects.
#pragma once

#include "app/compare_form.h"
#include "app/corpus_settings.h"
#include "app/explore_form.h"
#include "app/lexicon_form.h"
#include "app/main_window_state.h"
#include "ui/dispatcher.h"
#include "ui/panel.h"
#include "ui/upload_page.h"
#include "ui/window_manager.h"
#include "variation/group_index.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <vector>

namespace zapt::ui {

class MainWindow : public QWidget, private Effects {
    Q_OBJECT
public:
    // The window over a loaded corpus (the start-up).
    explicit MainWindow(std::shared_ptr<const Corpus> corpus);
    ~MainWindow() override;

    // The state, read-only: the windows change it only through operations.
    const MainWindowState& state() const { return state_; }
    WindowManager& windows() { return windows_; }
    UploadPage& uploadPage() { return uploadPage_; }

    // How the "No texts found" message is shown; a modal message box by default.
    std::function<void(const QString&)> messageHandler;
    // Starts the program afresh with these arguments (another corpus); by
    // default a new process replaces this one.
    std::function<void(const std::vector<std::string>&)> restartHandler;

    // Where the corpus was loaded from (empty: the built-in corpus), its name
    // in exports ("folder PATH", "table PATH"), what applies beyond it and what
    // its reading changed or left out (for the exports' headers).
    void setCorpusSource(const QString& path, std::string name, std::vector<std::string> applied,
                         std::vector<std::string> loadNotes = {}) {
        corpusFolder_ = path;
        corpusName_ = std::move(name);
        applied_ = std::move(applied);
        loadNotes_ = std::move(loadNotes);
    }

    // The options the program was started with (the Open corpus window starts
    // from them, so nothing in force is dropped), and where each corpus's
    // settings are kept between sessions (none: nothing is kept or offered).
    void setCorpusOptions(CorpusOptions options,
                          std::shared_ptr<const SettingsStore> settings = {}) {
        corpusOptions_ = std::move(options);
        corpusOptions_.table.progress = {};
        settings_ = std::move(settings);
    }

    // Shows the main window's state in every open window.
    void refresh();

    // Opens the comparison window (or brings it to the front) on the own forms
    // `forms` compared over the grouping `groupBy` (as show_comparison_of
    // takes them); a message says why when that cannot be done.
    void openComparison(const std::string& forms, const std::string& groupBy);
    // Opens the Explore window (or brings it to the front) on the concordance
    // of `form`, taken as written, in the whole corpus.
    void openConcordance(const std::string& form);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Effects of the main window state's operations.
    void showProgress() override;
    void closeProgress() override;
    void setMainWidth(int twips) override;
    void showMessage(const std::string& text) override;
    void setFocus(FocusTarget target) override;
    void showCorpusDataForm() override;
    void showCollocationsForm() override;

    // Opens the secondary window `id` (or brings it to the front).
    void openWindow(WindowId id);
    QWidget* createWindow(WindowId id);
    // Copy, Copy all and Export... of a result table on `w`'s context menu.
    void attachTable(QWidget* w, std::function<ResultTable()> table,
                     std::function<int()> selectedRow = {});
    QWidget* aboutWindow();
    // Names the text fields to the Explore window, brings its kept subcorpora
    // back and keeps each change of them.
    void keepSubcorpora();
    // The Lexicon window's state over the corpus, with where it is saved and
    // the decisions of the lexicon in force.
    void makeLexiconForm();
    // Starts the program again over the corpus with the lexicon `file` in force.
    void useLexicon(const std::string& file);
    void refreshCorpusDataForm();
    void refreshCollocationsForm();

    MainWindowState state_;
    WindowManager windows_;
    UploadPage uploadPage_;
    QPointer<QWidget> progress_; // made on the first run, hidden between runs
    // Runs each user event of the main window's state, then shows the new
    // state in every open window; a choice only recorded changes nothing on
    // screen.
    Dispatcher<MainWindowState> dispatch_;
    std::vector<Panel*> panels_; // owned by the window as Qt children
    std::map<FocusTarget, QWidget*> focusTargets_;
    std::unique_ptr<GroupIndex> groupIndex_; // taken when the comparison first opens
    CompareMemory compareMemory_;            // shared by every comparison window
    // The Explore window's state, made when it first opens and kept (with the
    // subcorpora defined) while the program runs.
    std::shared_ptr<ExploreForm> explore_;
    // The Lexicon window's state, made when it first opens.
    std::shared_ptr<LexiconForm> lexicon_;
    // The corpus's form index, made on a second thread from start-up on, so
    // that the Explore window opens at once even on a large corpus.
    std::future<void> formIndex_;
    struct CompareStart {
        std::unique_ptr<GroupIndex> index;
        std::vector<GroupMetricsRow> metrics; // of the first grouping
    };
    std::future<CompareStart> compareStart_;
    QString corpusFolder_;
    std::string corpusName_ = "built-in";
    std::vector<std::string> applied_;
    std::vector<std::string> loadNotes_;
    CorpusOptions corpusOptions_;
    std::shared_ptr<const SettingsStore> settings_;
    // The header of an export of the windows for `selection`.
    ExportHeader exportHeader(std::string selection) const;
};

} // namespace zapt::ui
