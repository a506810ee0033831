#include "ui/corpus_option.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <cstdio>
#include <memory>
#include <string_view>

namespace zapt::ui {

CorpusArgument corpus_argument(int argc, char** argv) {
    CorpusArgument out;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--corpus") {
            if (i + 1 >= argc) {
                out.error = "--corpus needs a folder";
                return out;
            }
            out.dir = argv[++i];
        } else if (a.substr(0, 9) == "--corpus=") {
            out.dir = std::string(a.substr(9));
        } else {
            out.error = "unknown argument " + std::string(a) + " (try 'zapt --help')";
            return out;
        }
        if (out.dir.empty()) {
            out.error = "--corpus needs a folder";
            return out;
        }
    }
    return out;
}

InfoRequest info_request(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--corpus") {
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
    return R"(Usage: zapt [--corpus DIR]

Opens the windows of ZAPT, the explorer of a corpus of British-English text
messages.

Options:
  --corpus DIR  read the corpus from the folder DIR (register.json and
                corpus.jsonl, optionally glossary.json and variants.json)
                instead of the built-in one
  --version     print the program's version and exit
  -h, --help    show this help and exit

Qt's own options (-platform, -style, ...) are accepted too. The windows need a
display; without a desktop, run it under a virtual one: xvfb-run -a zapt.
Exit status: 0 done, 1 no display or loading cancelled, 2 a corpus file that
breaks a rule or a wrong command line.
)";
}

DataSet load_corpus(const std::string& dir, bool dialog) {
    if (dir.empty()) return load_builtin_data();
    if (!dialog) return load_data_dir(dir);
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer clock;
    clock.start();
    return load_data_dir(dir, [&](double fraction) {
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
    });
}

int load_corpus_or_report(const std::string& dir, bool dialog, DataSet& data) {
    try {
        data = load_corpus(dir, dialog);
        return 0;
    } catch (const LoadCancelled&) {
        std::fprintf(stderr, "zapt: loading cancelled\n");
        return 1;
    } catch (const DataError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
}

} // namespace zapt::ui
