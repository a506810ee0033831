#include "ui/main_window.h"

#include "lookup/count_word.h"
#include "ui/compare_window.h"
#include "ui/form_parts.h"
#include "ui/info_windows.h"
#include "ui/panels.h"
#include "ui/result_windows.h"
#include "ui/table_actions.h"
#include "ui/text_convert.h"
#include "ui/twips.h"
#include "ui/widgets.h"
#include "variation/tables.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QWindow>

namespace zapt::ui {
namespace {

// Client area of the main window; its outer width in twips (with the window
// frame) is 120 more.
constexpr int kClientWidth = 16650;
constexpr int kClientHeight = 8910;
constexpr int kFrameTwips = 120;

} // namespace

MainWindow::MainWindow(DataSet data) : explorer_(std::move(data), *this) {
    setObjectName("Form1");
    setWindowTitle("ZAPT...The Mobile Phone Text Corpus");
    setFont(dialog_font());
    resize(tw(kClientWidth), tw(kClientHeight));
    setMinimumSize(0, 0);
    messageHandler = [this](const QString& text) {
        QMessageBox::information(this, windowTitle(), text);
    };
    windows_.setAnchor(this);

    // The lines between the four columns, and between the blocks of the third.
    for (int x : {2280, 6360, 10080}) make_line(this, R(x, 0, 15, kClientHeight));
    for (int y : {3600, 6075, 7440}) make_line(this, R(6360, y, 10080 - 6360, 15));
    PanelContext context;
    context.form = this;
    context.state = &explorer_;
    context.run = [this](const Operation& op) { run(op); };
    context.record = [this](const Operation& op) { op(explorer_); };
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
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // Closing the main window ends the program, with every other window.
    windows_.closeAll();
    uploadPage_.close();
    if (progress_) progress_->close();
    e->accept();
    QApplication::quit();
}

void MainWindow::run(const Operation& op) {
    op(explorer_);
    refresh();
}

void MainWindow::refresh() {
    for (Panel* p : panels_) p->refresh();
    refreshCorpusDataForm();
    refreshCollocationsForm();
}

void MainWindow::openWindow(WindowId id) {
    windows_.open(id, [this, id] { return createWindow(id); });
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
    case WindowId::Compare:
        // Every author's words, counted once for the life of the program: the
        // corpus never changes.
        if (!groupIndex_)
            groupIndex_ = std::make_unique<GroupIndex>(explorer_.form3(), explorer_.authors());
        return createCompareWindow(
            explorer_, *groupIndex_, [this] { return export_header(explorer_, "all groups"); },
            [this] { return explorer_.form1().lstNonStandardForms.text(); });
    case WindowId::CorpusData: {
        QWidget* form = createCorpusDataWindow(
            explorer_.form4(), [this] { run([](Explorer& e) { e.cmdAges_Click(); }); },
            [this] { run([](Explorer& e) { e.cmdGender_Click(); }); });
        connect(form, &QObject::destroyed, this, [this] { explorer_.Form4_Unload(); });
        attachTable(form, [this] { return corpus_data_table(explorer_); });
        return form;
    }
    case WindowId::Collocations: {
        QWidget* form = createCollocationsWindow();
        connect(form, &QObject::destroyed, this, [this] { explorer_.Form11_Unload(); });
        auto pairs = [this] { return collocation_window_table(explorer_); };
        attachTable(form, pairs);
        for (QWidget* text : form->findChildren<QPlainTextEdit*>()) attachTable(text, pairs);
        return form;
    }
    }
    return nullptr;
}

QWidget* MainWindow::aboutWindow() {
    if (corpusFolder_.isEmpty()) return createAboutWindow();
    LoadedCorpusFigures figures;
    figures.folder = corpusFolder_;
    figures.texts = explorer_.form3().corpusTextCount();
    for (const std::string& n : explorer_.form3().lstNumOfTextsPerAuthor)
        figures.people += n != "0";
    figures.words = word_total(explorer_.form3().Text2);
    return createAboutWindow(&figures);
}

void MainWindow::attachTable(QWidget* w, std::function<ResultTable()> table,
                             std::function<int()> selectedRow) {
    attach_table(w, {std::move(table),
                     [this] { return export_header(explorer_, shown_selection(explorer_)); },
                     std::move(selectedRow)});
}

// ---- Effects of the explorer's operations ----------------------------------------------

void MainWindow::showProgress() {
    if (!progress_) {
        progress_ = createProgressWindow();
        place_over(progress_, this);
    }
    if (!progress_) return;
    progress_->show();
    progress_->raise();
    // The run that follows holds the thread, so the window must be mapped and
    // painted now, or it stays an unpainted box until the run ends. Only the
    // window system's own events are let through; user input waits.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500 &&
           !(progress_->windowHandle() && progress_->windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    progress_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::closeProgress() {
    if (progress_) progress_->close();
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
    if (QWidget* w = windows_.find(WindowId::CorpusData)) showCorpusData(w, explorer_.form4());
}

void MainWindow::refreshCollocationsForm() {
    if (QWidget* w = windows_.find(WindowId::Collocations)) showCollocations(w, explorer_.form11());
}

} // namespace zapt::ui
