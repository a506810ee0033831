// The "Lexicon" window: the corpus's own lexicon as the linguist decides it.
// The proposals (forms outside the standard dictionary, by frequency) with
// their kind, status and interpretation; the selected form's candidates and a
// few private concordance lines; accept, type, set the kind, reject, reset,
// accept every variant above a score, merge the built-in British glossary;
// every change undoable (Ctrl+Z, Ctrl+Y). A second tab shows the variant
// families the accepted variants make: rename, merge, split, keep. Its state
// lives in the core (LexiconForm); the window forwards each event and shows
// the state. Proposing runs on a second thread, with a status line.
#pragma once

#include "app/lexicon_form.h"
#include "results/result_table.h"
#include "ui/dispatcher.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QCheckBox;

namespace zapt::ui {

class ResultTableView;

class LexiconWindow : public QWidget {
public:
    // `form` is the window's state (kept alive by the window); `header` gives
    // the export header of its tables; `use` puts a saved lexicon (its JSON
    // file, or "british" for the built-in British lists) in force for the
    // corpus (none: the window only saves).
    // Proposing starts when the window opens.
    LexiconWindow(std::shared_ptr<LexiconForm> form, std::function<ExportHeader()> header,
                  std::function<void(const std::string& file)> use = {});

private:
    void buildLayout();               // the controls and their layout
    QWidget* buildFormsTab();         // the list of forms and its filters
    QWidget* buildFormSide(QWidget*); // the selected form and its decisions
    QWidget* buildFamiliesTab();      // the families and their decisions
    void wire();                      // what each control's event does
    void wireForms();
    void wireFamilies();
    // Runs one event on the state and shows the new state.
    void run(Dispatcher<LexiconForm>::Operation op) { dispatch_.run(std::move(op)); }
    void refresh();

    std::shared_ptr<LexiconForm> form_;
    std::function<ExportHeader()> header_;
    std::function<void(const std::string&)> use_;
    Dispatcher<LexiconForm> dispatch_;
    unsigned shown_ = ~0u;    // the state's revision on screen
    std::string familyShown_; // the selected family whose name the name box shows
    bool showing_ = false;    // the tables are being filled: their selection is no user's

    QTabWidget* tabs_ = nullptr;
    QPushButton* propose_ = nullptr;
    QComboBox* kindFilter_ = nullptr;
    QComboBox* statusFilter_ = nullptr;
    QLineEdit* minScore_ = nullptr;
    QPushButton* acceptAbove_ = nullptr;
    QPushButton* mergeBritish_ = nullptr;
    ResultTableView* forms_ = nullptr;
    ResultTableView* candidates_ = nullptr;
    ResultTableView* lines_ = nullptr;
    QLabel* selectedForm_ = nullptr;
    QPushButton* accept_ = nullptr;
    QLineEdit* interpretation_ = nullptr;
    QPushButton* acceptTyped_ = nullptr;
    QComboBox* setKind_ = nullptr;
    QPushButton* reject_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    ResultTableView* families_ = nullptr;
    QLineEdit* familyName_ = nullptr;
    QPushButton* rename_ = nullptr;
    QComboBox* mergeFrom_ = nullptr;
    QPushButton* merge_ = nullptr;
    QLineEdit* splitForms_ = nullptr;
    QLineEdit* splitName_ = nullptr;
    QPushButton* split_ = nullptr;
    QCheckBox* keep_ = nullptr;
    QLabel* familiesNote_ = nullptr;
    QLineEdit* saveBase_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* useIt_ = nullptr;
    QPushButton* useBritish_ = nullptr;
    QLabel* inForce_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* work_ = nullptr;
};

} // namespace zapt::ui
