#include "ui/corpus_option.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "selection/age_band.h"

namespace zapt::ui {

CorpusArgument corpus_argument(int argc, char** argv) {
    CorpusArgument out;
    // A corpus of the user's own is kept compiled in the cache folder
    // (--compile: beside it; --no-cache: nowhere).
    out.options.compiled = CompiledPlace::Cache;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        auto taken = take_corpus_option(args, i, out.options);
        if (!taken) {
            out.error = "unknown argument " + args[i] + " (try 'zapt --help')";
            return out;
        }
        if (!taken->empty()) {
            out.error = *taken;
            return out;
        }
    }
    if (!out.options.bands.empty()) {
        if (auto b = parse_bands(out.options.bands, nullptr); b && b->size() > kMaxWindowBands) {
            out.error = "--bands: the main window shows at most " +
                        std::to_string(kMaxWindowBands) + " bands; zapt-report takes any number";
            return out;
        }
    }
    return out;
}

InfoRequest info_request(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (is_corpus_option(a)) {
            ++i;
        } else if (a == "--version") {
            return InfoRequest::Version;
        } else if (a == "--help" || a == "-h") {
            return InfoRequest::Help;
        }
    }
    return InfoRequest::None;
}

const char* usage_text() {
    static const std::string text = std::string(R"(Usage: zapt [--corpus PATH] [options]

Opens the windows of ZAPT, the explorer of corpora of text messages: the
built-in British-English sample, or a corpus of your own.

Options:
)") + kCorpusOptionsHelp + R"(                    (the main window shows at most five bands)
  --version         print the program's version and exit
  -h, --help        show this help and exit

Qt's own options (-platform, -style, ...) are accepted too. The windows need a
display; without a desktop, run it under a virtual one: xvfb-run -a zapt.
Exit status: 0 done, 1 no display or loading cancelled, 2 a corpus that
cannot be read or a wrong command line.
)";
    return text.c_str();
}

namespace {

// What the user should know about the compiled corpus, on standard error.
void print_notes(const std::vector<std::string>& notes) {
    for (const std::string& n : notes) std::fprintf(stderr, "zapt: %s\n", n.c_str());
}

} // namespace

std::shared_ptr<const Corpus> load_corpus(const CorpusOptions& options, bool dialog) {
    std::vector<std::string> notes;
    if (options.path.empty() || !dialog) {
        auto corpus = load_corpus_source(options, {}, AuthorIndexWhen::WhileReading, &notes);
        print_notes(notes);
        return corpus;
    }
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer clock;
    clock.start();
    auto corpus = load_corpus_source(
        options,
        [&](double fraction) {
            // Only a load that takes a while shows the window.
            if (!progress && clock.elapsed() > 300) {
                progress =
                    std::make_unique<QProgressDialog>("Loading the corpus...", "Cancel", 0, 1000);
                progress->setWindowTitle("ZAPT");
                progress->setMinimumDuration(0);
                progress->show();
            }
            if (progress) {
                progress->setValue(static_cast<int>(fraction * 1000));
                QApplication::processEvents();
                if (progress->wasCanceled()) return false;
            }
            return true;
        },
        AuthorIndexWhen::WhileReading, &notes);
    print_notes(notes);
    return corpus;
}

int load_corpus_or_report(const CorpusOptions& options, bool dialog,
                          std::shared_ptr<const Corpus>& corpus) {
    try {
        corpus = load_corpus(options, dialog);
    } catch (const LoadCancelled&) {
        std::fprintf(stderr, "zapt: loading cancelled\n");
        return 1;
    } catch (const DataError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    if (!corpus->report().problems().empty())
        std::fprintf(stderr, "%s", format_report(corpus->report()).c_str());
    return 0;
}

} // namespace zapt::ui
