#include "ui/program.h"

#include "results/result_table.h"
#include "ui/corpus_option.h"
#include "ui/info_windows.h"
#include "ui/main_window.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

namespace zapt::ui {
namespace {

// Quits the application after the first paint of the watched window.
class QuitAfterPaint : public QObject {
public:
    explicit QuitAfterPaint(void (*onShown)()) : onShown_(onShown) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && onShown_) {
            onShown_();
            onShown_ = nullptr;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void (*onShown_)();
};

// Writes the answer to "--version" or "--help"; a write that fails (a full disk,
// a closed pipe) ends the program with 1, not a silent 0.
int print_answer(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

} // namespace

static bool display_available() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true; // offscreen, vnc, ...: no display server needed
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int run_program(int argc, char** argv, const StartupOptions& options) {
    switch (info_request(argc, argv)) {
    case InfoRequest::Version:
        return print_answer("zapt " + std::string(program_version()) + "\n");
    case InfoRequest::Help:
        return print_answer(usage_text());
    case InfoRequest::None:
        break;
    }
    // Without a display Qt would abort with a long message of its own.
    if (!display_available()) {
        std::fprintf(stderr,
                     "zapt: no display (DISPLAY is not set); start it on a desktop, or "
                     "under a virtual display: xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "zapt");
        return 1;
    }
    // Loaded in this process, the web engine needs shared GL contexts, whose
    // set-up slows every start-up; the program itself shows the upload page in
    // a process of its own.
    if (options.loadWebEngineFirst) QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setFont(dialog_font());
    const CorpusArgument corpus = corpus_argument(argc, argv);
    if (!corpus.error.empty()) {
        std::fprintf(stderr, "zapt: %s\n", corpus.error.c_str());
        return 2;
    }
    std::shared_ptr<const Corpus> loaded;
    if (int code = load_corpus_or_report(corpus.options, true, loaded)) return code;
    if (options.loadWebEngineFirst) delete createUploadWindow();
    std::vector<std::string> applied = applied_lists(*loaded);
    std::vector<std::string> notes = load_notes(loaded->report());
    const std::string name = loaded->source();
    MainWindow window(std::move(loaded));
    window.setCorpusSource(QString::fromStdString(corpus.options.path), name, std::move(applied),
                           std::move(notes));
    // Each corpus's settings kept in the user's configuration folder.
    const std::string folder = SettingsStore::default_folder();
    window.setCorpusOptions(corpus.options,
                            folder.empty() ? nullptr : std::make_shared<SettingsStore>(folder));
    QuitAfterPaint quitter(options.onShown);
    if (options.onShown) window.installEventFilter(&quitter);
    window.show();
    return app.exec();
}

} // namespace zapt::ui
