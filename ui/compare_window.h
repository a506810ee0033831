// The "Compare groups" window (Form12): a variant family (or the user's own
// forms) across the ten groups and the whole corpus, as a table, a stacked bar
// chart of the family's shares and the tests of difference; the author figures
// of every group with their spread; the collocations of a form as tables; the
// share chart of one form with each group's n and interval and every author's
// own share; the authors' long table. Every table it shows is a result table
// of the core, and can be copied and exported as shown; the charts save as
// PNG or SVG.
#pragma once

#include "app/compare_form.h"
#include "app/main_window_state.h"
#include "results/result_table.h"
#include "ui/dispatcher.h"
#include "variation/group_index.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QVBoxLayout;

namespace zapt::ui {

class ResultTableView;
class ShareChartView;

class CompareWindow : public QWidget {
    Q_OBJECT

public:
    // `index` holds every author's words (built once; it must outlive the
    // window); `header` gives the export header of the window's tables;
    // `selectedForm` the glossary form selected in the main window (empty
    // when none), which the collocations tab starts from; `applied` the
    // built-in lists a corpus of the user's own is read with; `memory` what
    // every comparison window of the corpus shares (it must outlive the
    // window; none: the window keeps its own).
    CompareWindow(const Corpus& corpus, const GroupIndex& index,
                  std::function<ExportHeader()> header, const std::string& selectedForm,
                  const std::vector<std::string>& applied = {}, CompareMemory* memory = nullptr);
    ~CompareWindow() override;

    // Shows the own forms `forms` compared over the grouping `groupBy` on the
    // shares tab, as one of the window's own events; as show_comparison_of.
    bool showComparisonOf(const std::string& forms, const std::string& groupBy, std::string* error);

private:
    // The widgets, their names, captions and layouts: the choice of forms
    // and groups above, then one tab each.
    void buildLayout();
    void buildPicker(QVBoxLayout* layout);
    QWidget* buildSharesTab();
    QWidget* buildMetricsTab();
    QWidget* buildCollocationsTab();
    QWidget* buildChartTab();
    QWidget* buildAuthorsTab();

    // The connections: each event sends one operation through the dispatcher.
    void wire();
    void wireCharts();
    void wireTables();
    void saveChart(QWidget* chart, const QString& name);

    // Shows the state: the controls as the state holds them (without sending
    // their change events back), and every table that changed.
    void refresh();
    void showChoices();
    void showShares();
    void showResults();

    CompareGroups state_;
    Dispatcher<CompareGroups> dispatch_;
    std::function<ExportHeader()> header_;

    QComboBox* family_ = nullptr;
    QLineEdit* own_ = nullptr;
    QPushButton* compare_ = nullptr;
    QComboBox* groupBy_ = nullptr;
    QLabel* groupsNote_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    // Variant shares.
    ResultTableView* shares_ = nullptr;
    ShareChartView* chart_ = nullptr;
    ResultTableView* spread_ = nullptr;
    QLabel* significance_ = nullptr;
    ResultTableView* tests_ = nullptr;
    // Author figures.
    ResultTableView* metrics_ = nullptr;
    // Collocations.
    QLineEdit* collForm_ = nullptr;
    QPushButton* findColl_ = nullptr;
    QSpinBox* span_ = nullptr;
    QSpinBox* minFrequency_ = nullptr;
    QCheckBox* withinText_ = nullptr;
    ResultTableView* occurrences_ = nullptr;
    ResultTableView* collocates_ = nullptr;
    // Share chart.
    QComboBox* chartForm_ = nullptr;
    QPushButton* saveChart_ = nullptr;
    ShareChartView* dots_ = nullptr;
    ResultTableView* chartNumbers_ = nullptr;
    // Authors.
    ResultTableView* authorsTable_ = nullptr;

    // The revision of each table on screen.
    struct Shown {
        unsigned shares = 0, collocations = 0, metrics = 0, chart = 0, authors = 0;
    } shown_;
};

// The window as a plain widget, for the main window's list of windows and
// the benchmarks; the arguments as CompareWindow takes them, `selectedForm`
// asked for once.
QWidget* createCompareWindow(const Corpus& corpus, const GroupIndex& index,
                             std::function<ExportHeader()> header,
                             std::function<std::string()> selectedForm,
                             const std::vector<std::string>& applied = {},
                             CompareMemory* memory = nullptr);

// Shows, in an open comparison window, the own forms `forms` compared over the
// grouping `groupBy` ("gender", "band,gender", "education,region": the names
// zapt-report's --group-by takes; empty: age band × gender) on the shares tab
// (a concordance's tally opens the comparison of its form this way). False,
// with `error` set and the window unchanged, when `window` is no comparison
// window, the grouping cannot be read or the forms hold none.
bool show_comparison_of(QWidget* window, const std::string& forms, const std::string& groupBy,
                        std::string* error = nullptr);

} // namespace zapt::ui
