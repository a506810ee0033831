// The "Explore" window: subcorpora from any metadata, word lists (with
// patterns, the glossary and dictionary filters, count and author floors,
// numbers left out and a stop list), keywords of one subcorpus against
// another, the rest of the corpus or a reference corpus, and a concordance
// that never shows more than half of a text, with the authors' groups beside
// its lines and a tally of its hits per group. Its state lives in the core
// (ExploreForm); the window forwards each event and shows the state. Every
// table sorts, copies and exports; a row of the word list or the keywords
// opens the concordance of its form, a row of the tally the comparison of the
// form across the groups.
#pragma once

#include "app/explore_form.h"
#include "results/result_table.h"
#include "ui/dispatcher.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimer;

namespace zapt::ui {

class ResultTableView;
struct TableSource;

// Where the window leads to in other windows.
struct ExploreLinks {
    // Opens the comparison window on `forms` (the user's own forms) over the
    // grouping `groupBy` (as show_comparison_of takes them).
    std::function<void(const std::string& forms, const std::string& groupBy)> compare;
};

class ExploreWindow : public QWidget {
    Q_OBJECT

public:
    // `form` is the window's state (kept alive by the window); `header` gives
    // the export header of the window's tables for a selection.
    ExploreWindow(std::shared_ptr<ExploreForm> form,
                  std::function<ExportHeader(std::string)> header, ExploreLinks links = {});
    ~ExploreWindow() override;

    // Runs `op` on the window's state as one of its own events (the window
    // then shows the new state).
    void run(std::function<void(ExploreForm&)> op) { dispatch_.run(std::move(op)); }

    // The controls of a tab's filters: count floor, numbers, stop list.
    struct FilterControls {
        QSpinBox* minCount = nullptr;
        QCheckBox* noNumbers = nullptr;
        QLineEdit* stopList = nullptr;
        QPushButton* chooseStopList = nullptr;
        QPushButton* clearStopList = nullptr;
        QLabel* stopListNote = nullptr;
    };

private:
    using Tab = ExploreForm::Tab;

    // The widgets, their names, captions, tool tips and layouts: one tab each.
    void buildLayout();
    QWidget* buildSubcorporaTab();
    QGroupBox* buildEmoticonsBox(QWidget* tab);
    QWidget* buildWordListTab();
    QWidget* buildKeywordsTab();
    void buildReferenceControls(QWidget* tab);
    QWidget* buildConcordanceTab();
    QWidget* buildFieldBoxes(QWidget* tab);

    // The connections: each event sends one operation through the dispatcher.
    void wire();
    void wireSubcorpora();
    void wireEmoticons();
    void wireWordList();
    void wireFilters(const FilterControls& c, Tab tab, std::function<void()> now);
    void wireKeywords();
    void wireReference();
    void wireConcordance();
    void wireTables();
    TableSource tableSource(std::function<ResultTable()> table,
                            std::function<std::string()> selection, ResultTableView* view) const;
    void useEmoticons(ExploreForm::EmoticonChoice choice);
    void chooseStopList(const FilterControls& c, Tab tab);
    void chooseReference(bool folder);

    // Shows the state: the choices as the state holds them (without sending
    // their change events back), the lists of subcorpora, the work of the
    // second thread and every table that changed.
    void refresh();
    void showSubcorporaChoices();
    void showWordListChoices();
    void showKeywordsChoices();
    void showConcordanceChoices();
    void showWork();
    void showTables();
    // The status lines, and each table marked stale once the settings that
    // made it have changed.
    void showStatus();

    std::shared_ptr<ExploreForm> form_;
    std::function<ExportHeader(std::string)> header_;
    ExploreLinks links_;
    Dispatcher<ExploreForm> dispatch_;

    QTabWidget* tabs_ = nullptr;
    // Subcorpora, and the emoticons every tool reads as pieces of their own.
    QLineEdit* name_ = nullptr;
    QLineEdit* conditions_ = nullptr;
    QPushButton* define_ = nullptr;
    QPushButton* remove_ = nullptr;
    QLabel* fieldsNote_ = nullptr;
    ResultTableView* subTable_ = nullptr;
    QLabel* subStatus_ = nullptr;
    QComboBox* emoticonChoice_ = nullptr;
    QLineEdit* emoticonsFile_ = nullptr;
    QPushButton* chooseEmoticons_ = nullptr;
    QLabel* emoticonsStatus_ = nullptr;
    QLabel* emoticonEntries_ = nullptr;
    // Word list.
    QComboBox* wordScope_ = nullptr;
    QCheckBox* byCode_ = nullptr;
    QLineEdit* code_ = nullptr;
    QCheckBox* glossaryOnly_ = nullptr;
    QCheckBox* notInDictionary_ = nullptr;
    QLineEdit* pattern_ = nullptr;
    QPushButton* list_ = nullptr;
    FilterControls wordFilters_;
    QSpinBox* wordMinAuthors_ = nullptr;
    ResultTableView* wordTable_ = nullptr;
    QLabel* wordStatus_ = nullptr;
    // Keywords, and the reference corpus B may be.
    QComboBox* sideA_ = nullptr;
    QComboBox* sideB_ = nullptr;
    QSpinBox* minAuthors_ = nullptr;
    QPushButton* findKeywords_ = nullptr;
    FilterControls keyFilters_;
    QLineEdit* reference_ = nullptr;
    QPushButton* referenceTable_ = nullptr;
    QPushButton* referenceFolder_ = nullptr;
    QPushButton* referenceBuiltin_ = nullptr;
    QLineEdit* referenceBands_ = nullptr;
    QPushButton* readReference_ = nullptr;
    QPushButton* clearReference_ = nullptr;
    QLabel* referenceNote_ = nullptr;
    ResultTableView* keyTable_ = nullptr;
    QLabel* keyStatus_ = nullptr;
    // Concordance.
    QComboBox* concScope_ = nullptr;
    QLineEdit* query_ = nullptr;
    QCheckBox* literal_ = nullptr;
    QSpinBox* context_ = nullptr;
    QComboBox* sort_ = nullptr;
    QPushButton* search_ = nullptr;
    std::map<std::string, QCheckBox*> fieldBoxes_; // the authors' fields beside the lines
    ResultTableView* concTable_ = nullptr;
    ResultTableView* tallyTable_ = nullptr;
    QLabel* concStatus_ = nullptr;

    // Work on the second thread (a new form index, a reference corpus) is
    // taken in when done, without holding the window meanwhile.
    QTimer* workTimer_ = nullptr;
    // The revision of each table on screen (~0u: none shown yet).
    struct Shown {
        unsigned subcorpora = ~0u, wordList = ~0u, keywords = ~0u, concordance = ~0u;
    } shown_;
};

// The window as a plain widget, for the main window's list of windows.
QWidget* createExploreWindow(std::shared_ptr<ExploreForm> form,
                             std::function<ExportHeader(std::string)> header,
                             ExploreLinks links = {});

// Runs `op` on the state of an open Explore window as one of its own events
// (the window then shows the new state): how another window opens the
// concordance of a form here. False when `window` is no Explore window.
bool run_in_explore_window(QWidget* window, const std::function<void(ExploreForm&)>& op);

} // namespace zapt::ui
