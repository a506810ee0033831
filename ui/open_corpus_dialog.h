// The "Open corpus" window: the user picks a table (CSV, TSV) or a folder of
// JSON files, the age bands, the column mapping, the table's encoding, which of
// its columns are author fields and which text fields, and the glossary and
// variant families; sees whether the corpus can be read, the columns found,
// its first rows (by author code, each text cut to its first half), the authors
// in each band and every problem of the load; and starts the program afresh on
// it. The settings kept for a corpus are offered again when it is chosen, and
// kept when the program starts on it.
#pragma once

#include "app/corpus_settings.h"
#include "app/open_corpus.h"
#include "ui/dispatcher.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace zapt::ui {

// What the window holds beyond its boxes, with one operation per change.
struct OpenCorpusState {
    CorpusOptions current;                         // what the program runs on
    std::shared_ptr<const SettingsStore> settings; // none: nothing kept
    TableOptions fields;                           // the text and author fields the user chose
    std::string offeredFor;                        // the corpus whose settings were last filled in
    std::string keptNote;                          // that a corpus's kept settings were filled in
    std::vector<MetadataField> found;              // the fields of the last check
    std::optional<CorpusPreview> preview;          // what the last check found

    // The options offered for a newly chosen corpus `chosen` (its kept
    // settings, or else nothing of another table's columns), with `kept`
    // saying whether they are kept ones; nothing when `chosen` was offered
    // last.
    std::optional<CorpusOptions> offer(const std::string& chosen, bool* kept);
    // Reads the corpus of `options` for the preview.
    void check(const CorpusOptions& options);
};

class OpenCorpusWindow : public QWidget {
    Q_OBJECT

public:
    // `current` is what the program runs on (its corpus, bands, mapping,
    // encoding, fields, glossary and families), which the window starts from,
    // so that nothing in force is dropped unseen. `settings` (when given)
    // holds each corpus's settings: those of a corpus chosen are filled in,
    // and pressing "Open" keeps the chosen ones. `start` is called with the
    // command-line arguments of the chosen corpus when the user presses "Open".
    OpenCorpusWindow(const CorpusOptions& current, std::shared_ptr<const SettingsStore> settings,
                     std::function<void(const std::vector<std::string>&)> start);
    ~OpenCorpusWindow() override;

private:
    // The widgets, their names, captions, tool tips and layouts.
    void buildLayout();
    QGridLayout* buildChoices();
    QTabWidget* buildPreviewTabs();

    // The connections.
    void wire();
    void wireChoosers();

    // The events: a check of the corpus in the boxes, a field switched, the
    // encoding proposed taken, a file or folder chosen, the program started.
    void check();
    void offer(const std::string& chosen);
    std::optional<CorpusOptions> gather();
    void switchField();
    void useEncoding();
    void choose(QLineEdit* edit, const QString& path);
    void openCorpus();

    // Shows the last check's preview.
    void refresh();
    QString summaryOf(const CorpusPreview& p) const;

    OpenCorpusState state_;
    Dispatcher<OpenCorpusState> dispatch_;
    std::function<void(const std::vector<std::string>&)> start_;

    QLineEdit* path_ = nullptr;
    QPushButton* chooseTable_ = nullptr;
    QPushButton* chooseFolder_ = nullptr;
    QLineEdit* bands_ = nullptr;
    QPushButton* check_ = nullptr;
    QLineEdit* map_ = nullptr;
    QLineEdit* glossary_ = nullptr;
    QPushButton* chooseGlossary_ = nullptr;
    QLineEdit* families_ = nullptr;
    QPushButton* chooseFamilies_ = nullptr;
    QLineEdit* encoding_ = nullptr;
    QPushButton* useEncoding_ = nullptr;
    QLabel* summary_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QListWidget* columns_ = nullptr;
    QTableWidget* fieldsTable_ = nullptr;
    QPushButton* switchField_ = nullptr;
    QTableWidget* rows_ = nullptr;
    QTableWidget* bandTable_ = nullptr;
    QPlainTextEdit* problems_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The window as a plain widget; the arguments as OpenCorpusWindow takes them.
QWidget* createOpenCorpusWindow(const CorpusOptions& current,
                                std::shared_ptr<const SettingsStore> settings,
                                std::function<void(const std::vector<std::string>&)> start);

// The same from the bands in use alone ("<18,18-25,26-40,41-60,61+"), without
// settings kept.
QWidget* createOpenCorpusWindow(const std::string& bands,
                                std::function<void(const std::vector<std::string>&)> start);

} // namespace zapt::ui
