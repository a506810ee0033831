#include "ui/main_window.h"

#include "app/open_corpus.h"
#include "lookup/count_word.h"
#include "ui/compare_window.h"
#include "ui/explore_window.h"
#include "ui/form_parts.h"
#include "ui/info_windows.h"
#include "ui/lexicon_window.h"
#include "ui/open_corpus_dialog.h"
#include "ui/panels.h"
#include "ui/result_windows.h"
#include "ui/table_actions.h"
#include "ui/text_convert.h"
#include "ui/twips.h"
#include "ui/widgets.h"
#include "variation/tables.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QWindow>
#include <filesystem>

namespace zapt::ui {
namespace {

// Client area of the main window; its outer width in twips (with the window
// frame) is 120 more.
constexpr int kClientWidth = 16650;
constexpr int kClientHeight = 8910;
// Under the four columns, a strip holds the buttons that reach beyond the
// corpus in hand: another corpus, the free exploration.
constexpr int kStripHeight = 480;
constexpr int kFrameTwips = 120;

} // namespace

MainWindow::MainWindow(std::shared_ptr<const Corpus> corpus)
    : state_(std::move(corpus), *this), dispatch_(state_, {[this] { refresh(); }, {}}) {
    setObjectName("Form1");
    setWindowTitle("ZAPT...The Mobile Phone Text Corpus");
    setFont(dialog_font());
    resize(tw(kClientWidth), tw(kClientHeight + kStripHeight));
    setMinimumSize(0, 0);
    messageHandler = [this](const QString& text) {
        QMessageBox::information(this, windowTitle(), text);
    };
    formIndex_ = std::async(std::launch::async, [this] { state_.corpus().forms(); });
    // The comparison's index of every author's words and the author figures
    // of the ten groups, worked out beside it so that the comparison window
    // and its figures open without waiting for them.
    compareStart_ = std::async(std::launch::async, [this] {
        CompareStart start;
        const Corpus& corpus = state_.corpus();
        start.index =
            std::make_unique<GroupIndex>(corpus.store(), corpus.authors(), corpus.bands());
        start.metrics = group_metrics(corpus.authorIndex(), *start.index);
        return start;
    });
    windows_.setAnchor(this);

    // The lines between the four columns, and between the blocks of the third.
    for (int x : {2280, 6360, 10080}) make_line(this, R(x, 0, 15, kClientHeight));
    for (int y : {3600, 6075, 7440}) make_line(this, R(6360, y, 10080 - 6360, 15));
    make_line(this, R(0, kClientHeight, kClientWidth, 15));
    restartHandler = [this](const std::vector<std::string>& args) {
        QStringList list;
        for (const std::string& a : args) list << toQ(a);
        if (QProcess::startDetached(QCoreApplication::applicationFilePath(), list)) {
            QCoreApplication::quit();
        } else {
            messageHandler("The program could not be started again on the new corpus.");
        }
    };
    PanelContext context;
    context.form = this;
    context.state = &state_;
    context.run = [this](const Operation& op) { dispatch_.run(op); };
    context.record = [this](const Operation& op) { dispatch_.record(op); };
    context.attachTable = [this](QWidget* w, std::function<ResultTable()> table,
                                 std::function<int()> selectedRow) {
        attachTable(w, std::move(table), std::move(selectedRow));
    };
    context.open = [this](WindowId id) { openWindow(id); };
    context.focusTarget = [this](FocusTarget target, QWidget* control) {
        focusTargets_[target] = control;
    };
    panels_ = {new GroupPanel(context), new AuthorPanel(context), new FormsPanel(context),
               new FamiliesPanel(context)};
    refresh();
}

MainWindow::~MainWindow() {
    windows_.closeAll();
    delete progress_.data();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // Closing the main window ends the program, with every other window.
    windows_.closeAll();
    uploadPage_.close();
    if (progress_) progress_->close();
    e->accept();
    QApplication::quit();
}

void MainWindow::refresh() {
    for (Panel* p : panels_) p->refresh();
    refreshCorpusDataForm();
    refreshCollocationsForm();
}

void MainWindow::openWindow(WindowId id) {
    // The windows whose contents the main window's state holds let go of them when they
    // close, so that the next request starts afresh.
    std::function<void()> closed;
    if (id == WindowId::CorpusData)
        closed = [this] { dispatch_.record([](MainWindowState& e) { e.Form4_Unload(); }); };
    if (id == WindowId::Collocations)
        closed = [this] { dispatch_.record([](MainWindowState& e) { e.Form11_Unload(); }); };
    windows_.open(
        id, [this, id] { return createWindow(id); }, std::move(closed));
}

void MainWindow::openComparison(const std::string& forms, const std::string& groupBy) {
    openWindow(WindowId::Compare);
    std::string error;
    if (!show_comparison_of(windows_.find(WindowId::Compare), forms, groupBy, &error))
        showMessage("The comparison of " + forms + " could not be shown: " + error + ".");
}

void MainWindow::openConcordance(const std::string& form) {
    openWindow(WindowId::Explore);
    run_in_explore_window(windows_.find(WindowId::Explore),
                          [form](ExploreForm& f) { f.concordanceOf(form); });
}

QWidget* MainWindow::createWindow(WindowId id) {
    switch (id) {
    case WindowId::About:
        return aboutWindow();
    case WindowId::Help:
        return createHelpWindow([this] { openWindow(WindowId::MoreHelp); });
    case WindowId::MoreHelp:
        return createMoreHelpWindow();
    case WindowId::Facts:
        return createFactsWindow();
    case WindowId::Donate:
        return createDonateWindow([this] { uploadPage_.open(); });
    case WindowId::Explore:
        if (!explore_) {
            // The corpus's form index, made since start-up on a second
            // thread; waited for when it is not ready yet.
            QApplication::setOverrideCursor(Qt::WaitCursor);
            state_.corpus().forms();
            QApplication::restoreOverrideCursor();
            explore_ = std::make_shared<ExploreForm>(state_.corpus());
            keepSubcorpora();
        }
        return createExploreWindow(
            explore_, [this](std::string selection) { return exportHeader(selection); },
            ExploreLinks{[this](const std::string& forms, const std::string& groupBy) {
                openComparison(forms, groupBy);
            }});
    case WindowId::Lexicon:
        // One state for the life of the main window, so that closing the
        // window loses no decision; its proposals are made on a second
        // thread when it first opens.
        if (!lexicon_) makeLexiconForm();
        return new LexiconWindow(
            lexicon_, [this] { return exportHeader("whole corpus"); },
            [this](const std::string& file) { useLexicon(file); });
    case WindowId::OpenCorpus: {
        CorpusOptions current = corpusOptions_;
        if (current.bands.empty()) current.bands = state_.corpus().bands().list();
        return createOpenCorpusWindow(
            current, settings_,
            [this](const std::vector<std::string>& args) { restartHandler(args); });
    }
    case WindowId::Compare: {
        // Every author's words, counted once for the life of the program: the
        // corpus never changes.
        if (!groupIndex_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            if (compareStart_.valid()) {
                CompareStart start = compareStart_.get();
                groupIndex_ = std::move(start.index);
                compareMemory_.metrics.emplace(0, std::move(start.metrics));
            } else {
                const Corpus& corpus = state_.corpus();
                groupIndex_ =
                    std::make_unique<GroupIndex>(corpus.store(), corpus.authors(), corpus.bands());
            }
            QApplication::restoreOverrideCursor();
        }
        QWidget* form = createCompareWindow(
            state_.corpus(), *groupIndex_, [this] { return exportHeader("all groups"); },
            [this] { return state_.form1().lstNonStandardForms.text(); }, applied_,
            &compareMemory_);
        // A row of the collocates opens the concordance of that word.
        if (auto* collocates = form->findChild<QWidget*>("tblCollocates")) {
            add_table_action(collocates,
                             {"Concordance of this word", [this](const ResultTable& t, int row) {
                                  const std::string word =
                                      t.rows[static_cast<std::size_t>(row)].at(0);
                                  if (!word.empty()) openConcordance(word);
                              }});
        }
        return form;
    }
    case WindowId::CorpusData: {
        QWidget* form = createCorpusDataWindow(
            state_.form4(), state_.corpus().bands(),
            [this] { dispatch_.run([](MainWindowState& e) { e.cmdAges_Click(); }); },
            [this] { dispatch_.run([](MainWindowState& e) { e.cmdGender_Click(); }); });
        attachTable(form, [this] { return corpus_data_table(state_); });
        return form;
    }
    case WindowId::Collocations: {
        QWidget* form = createCollocationsWindow();
        auto pairs = [this] { return collocation_window_table(state_); };
        attachTable(form, pairs);
        for (QWidget* text : form->findChildren<QPlainTextEdit*>()) attachTable(text, pairs);
        return form;
    }
    }
    return nullptr;
}

void MainWindow::makeLexiconForm() {
    lexicon_ = std::make_shared<LexiconForm>(state_.corpus());
    // Saved beside the corpus (for the built-in corpus, in the settings
    // folder); the lexicon the corpus was read with gives its decisions.
    std::string base = default_lexicon_base(corpusOptions_.path);
    if (base.empty() && settings_ && !settings_->folder().empty())
        base = settings_->folder() + "/built-in.lexicon";
    std::string file = corpusOptions_.lexicon == kBritishLexicon ? "" : corpusOptions_.lexicon;
    if (file.empty() && !base.empty() && !corpusOptions_.path.empty() &&
        corpusOptions_.glossary.empty() && corpusOptions_.families.empty()) {
        std::error_code e;
        if (std::filesystem::is_regular_file(base + ".json", e)) file = base + ".json";
    }
    std::optional<LexiconFile> inForce;
    if (!file.empty()) {
        try {
            inForce = read_lexicon_file(file);
            if (file.size() > 5 && file.compare(file.size() - 5, 5, ".json") == 0)
                base = file.substr(0, file.size() - 5);
        } catch (const std::exception& e) {
            qWarning("zapt: the lexicon's decisions are not read: %s", e.what());
        }
    }
    lexicon_->setFiles(base, corpusName_, std::move(inForce));
    lexicon_->setInForce(applied_);
}

void MainWindow::useLexicon(const std::string& file) {
    // The program starts again over the same corpus with the lexicon saved
    // in force, as Open corpus starts it over another corpus.
    CorpusOptions options = corpusOptions_;
    options.lexicon = file;
    options.glossary.clear();
    options.families.clear();
    restartHandler(corpus_arguments(options));
}

void MainWindow::keepSubcorpora() {
    if (!settings_) return;
    // The subcorpora of the last session on this corpus come back, and each
    // change of the list is kept for the next.
    std::string error;
    if (std::optional<CorpusSettings> kept = settings_->load(corpusOptions_.path, &error)) {
        std::vector<std::pair<std::string, std::string>> list;
        for (const KeptSubcorpus& s : kept->subcorpora) list.emplace_back(s.name, s.conditions);
        explore_->restoreSubcorpora(list);
    } else if (!error.empty()) {
        qWarning("zapt: %s", error.c_str());
    }
    explore_->subcorporaChanged = [this] {
        CorpusSettings s;
        s.options = corpusOptions_;
        for (const auto& [name, conditions] : explore_->keptSubcorpora())
            s.subcorpora.push_back(KeptSubcorpus{name, conditions});
        std::string why;
        if (!settings_->save(s, &why))
            qWarning("zapt: the subcorpora are not kept: %s", why.c_str());
    };
}

QWidget* MainWindow::aboutWindow() {
    if (corpusFolder_.isEmpty()) return createAboutWindow();
    LoadedCorpusFigures figures;
    figures.folder = corpusFolder_;
    for (const std::string& a : applied_) figures.applied << toQ(a);
    figures.who = toQ(describe_authors(state_.authors()));
    const CorpusStore& store = state_.store();
    figures.texts = store.corpusTextCount();
    for (const std::string& n : store.textsPerAuthorCaptions) figures.people += n != "0";
    figures.words = word_total(store.cleanedText);
    return createAboutWindow(&figures);
}

void MainWindow::attachTable(QWidget* w, std::function<ResultTable()> table,
                             std::function<int()> selectedRow) {
    attach_table(w, {std::move(table),
                     [this] { return exportHeader(shown_selection(state_)); },
                     std::move(selectedRow),
                     {}});
}

ExportHeader MainWindow::exportHeader(std::string selection) const {
    ExportHeader h = export_header(state_, std::move(selection));
    h.corpus = corpusName_;
    h.notes = applied_;
    h.notes.insert(h.notes.end(), loadNotes_.begin(), loadNotes_.end());
    return h;
}

// ---- Effects of the main window state's operations ----------------------------------------------

void MainWindow::showProgress() {
    // One progress window for the life of the main window, hidden between runs:
    // it is never discarded while a run may still reach it.
    if (!progress_) {
        progress_ = createProgressWindow();
        progress_->setAttribute(Qt::WA_DeleteOnClose, false);
        place_over(progress_, this);
    }
    QWidget* progress = progress_;
    progress->show();
    progress->raise();
    // The run that follows holds the thread, so the window must be mapped and
    // painted now, or it stays an unpainted box until the run ends. The window
    // system's own events are let through; user input waits (the gate holds
    // whatever input is posted meanwhile).
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500 && progress_ &&
           !(progress_->windowHandle() && progress_->windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    if (!progress_) return;
    progress_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::closeProgress() {
    if (progress_) progress_->hide();
}

void MainWindow::setMainWidth(int twips) {
    resize(tw(twips - kFrameTwips), height());
    repaint();
}

void MainWindow::showMessage(const std::string& text) {
    if (messageHandler) messageHandler(toQ(text));
}

void MainWindow::setFocus(FocusTarget target) {
    if (target == FocusTarget::Form1) {
        activateWindow();
        return;
    }
    auto it = focusTargets_.find(target);
    if (it != focusTargets_.end()) it->second->setFocus();
}

void MainWindow::showCorpusDataForm() {
    openWindow(WindowId::CorpusData);
    refreshCorpusDataForm();
}

void MainWindow::showCollocationsForm() {
    openWindow(WindowId::Collocations);
    refreshCollocationsForm();
}

void MainWindow::refreshCorpusDataForm() {
    if (QWidget* w = windows_.find(WindowId::CorpusData)) showCorpusData(w, state_.form4());
}

void MainWindow::refreshCollocationsForm() {
    if (QWidget* w = windows_.find(WindowId::Collocations)) showCollocations(w, state_.form11());
}

} // namespace zapt::ui
