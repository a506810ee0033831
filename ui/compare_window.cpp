#include "ui/compare_window.h"

#include "app/compare_form.h"
#include "results/figure_definitions.h"
#include "ui/result_table_view.h"
#include "ui/share_chart_view.h"
#include "ui/table_actions.h"
#include "ui/text_convert.h"
#include "ui/widgets.h"
#include "variation/collocation_table.h"
#include "variation/compare.h"
#include "variation/group_metrics.h"
#include "variation/tables.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <memory>

namespace zapt::ui {
namespace {

ResultTableView* make_table(QWidget* parent, const char* name) {
    auto* t = new ResultTableView(parent);
    t->setObjectName(name);
    return t;
}

QLabel* make_note(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QString p_text(const TestResult& t) {
    QString text;
    if (t.statistic)
        text += QString("%1 = %2, df %3").arg(toQ(t.name)).arg(*t.statistic, 0, 'f', 3).arg(t.df);
    else
        text += toQ(t.name) + ": not computed";
    // A p-value too small for a double reads "< 1e-300", never "0".
    if (t.p) {
        const QString p = toQ(shown_cell("p", format_significant(*t.p)));
        text += (p.startsWith('<') ? ", p " : ", p = ") + p;
    }
    if (!t.note.empty()) text += " (" + toQ(t.note) + ")";
    return text;
}

// A tab's page, named.
QWidget* tab_page(const char* name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    return page;
}

} // namespace

CompareWindow::CompareWindow(const Corpus& corpus, const GroupIndex& index,
                             std::function<ExportHeader()> header, const std::string& selectedForm,
                             const std::vector<std::string>& applied, CompareMemory* memory)
    : QWidget(nullptr, Qt::Window),
      // The window's state and its operations live in the core; the widgets
      // send them every event and show what they hold.
      state_(corpus, index, selectedForm, applied, memory),
      dispatch_(state_, {[this] { refresh(); }, {}}), header_(std::move(header)) {
    setObjectName("Form12");
    setWindowTitle("Compare groups");
    setFont(dialog_font());
    resize(1060, 720);
    buildLayout();
    wire();
    refresh();
}

CompareWindow::~CompareWindow() {
    // The controls go while the state their events reach is still there.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

// ---- Layout -------------------------------------------------------------------------------------

void CompareWindow::buildLayout() {
    auto* layout = new QVBoxLayout(this);
    buildPicker(layout);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabResults");
    layout->addWidget(tabs_, 1);
    tabs_->addTab(buildSharesTab(), "Variant shares");
    tabs_->addTab(buildMetricsTab(), "Author figures");
    tabs_->addTab(buildCollocationsTab(), "Collocations");
    tabs_->addTab(buildChartTab(), "Share chart");
    tabs_->addTab(buildAuthorsTab(), "Authors");
}

// The family or the user's own forms, and the grouping, above the tabs.
void CompareWindow::buildPicker(QVBoxLayout* layout) {
    const CompareForm& f = state_.form12();
    auto* pick = new QHBoxLayout;
    layout->addLayout(pick);
    auto* familyCaption = new QLabel("Variant family:", this);
    familyCaption->setObjectName("lblFamily");
    pick->addWidget(familyCaption);
    family_ = new QComboBox(this);
    family_->setObjectName("cboFamily");
    for (const std::string& caption : f.cboFamily) family_->addItem(toQ(caption));
    pick->addWidget(family_);
    own_ = new QLineEdit(this);
    own_->setObjectName("txtOwnForms");
    own_->setPlaceholderText("forms separated by blanks or commas, e.g. bk bak back");
    pick->addWidget(own_, 1);
    compare_ = new QPushButton("Compare", this);
    compare_->setObjectName("cmdCompareGroups");
    pick->addWidget(compare_);
    auto* groupByCaption = new QLabel("Groups:", this);
    groupByCaption->setObjectName("lblGroupBy");
    pick->addWidget(groupByCaption);
    groupBy_ = new QComboBox(this);
    groupBy_->setObjectName("cboGroupBy");
    for (const std::string& caption : f.cboGroupBy) groupBy_->addItem(toQ(caption));
    pick->addWidget(groupBy_);
    // The built-in glossary or families a corpus of the user's own is read with.
    auto* appliedNote = make_note(this, "lblApplied");
    appliedNote->setText(toQ(f.lblApplied));
    appliedNote->setVisible(!f.lblApplied.empty());
    layout->addWidget(appliedNote);
    groupsNote_ = make_note(this, "lblGroups");
    groupsNote_->setVisible(false);
    layout->addWidget(groupsNote_);
}

// Tab 1: the shares.
QWidget* CompareWindow::buildSharesTab() {
    QWidget* tab = tab_page("tabShares");
    auto* layout = new QVBoxLayout(tab);
    auto* base = make_note(tab, "lblBase");
    base->setText(QString("count: the form's count in the group's text by the counting rule (the "
                          "whole corpus: its cleaned text); per_10k: per 10,000 words, base = "
                          "words, the word total of that text; share: of the family's count in "
                          "the group, each distinct form once; authors_using / authors: authors "
                          "of the group whose texts hold the form."));
    layout->addWidget(base);
    auto* split = new QSplitter(Qt::Horizontal, tab);
    shares_ = make_table(split, "tblShares");
    shares_->setSortingEnabled(true);
    // The chart scrolls when its whole labels need more room than the tab has.
    chart_ = new ShareChartView;
    chart_->setObjectName("chtShares");
    chart_->setFont(font());
    auto* chartArea = chart_area(chart_, split, "scrShares");
    chartArea->setFrameShape(QFrame::NoFrame);
    split->addWidget(shares_);
    split->addWidget(chartArea);
    split->setSizes({520, 520});
    layout->addWidget(split, 3);
    auto* spreadNote = make_note(tab, "lblPrivacy");
    spreadNote->setText(
        QString("Spread: the share of each count that comes from the group's top author; "
                "\"over half\" marks a cell where one author gives more than half. A cell whose "
                "form fewer than %1 authors use shows its counts but withholds the spread "
                "(privacy threshold %1).")
            .arg(kPrivacyThreshold));
    layout->addWidget(spreadNote);
    spread_ = make_table(tab, "tblSpread");
    spread_->setSortingEnabled(true);
    layout->addWidget(spread_, 2);
    significance_ = make_note(tab, "lblSignificance");
    layout->addWidget(significance_);
    tests_ = make_table(tab, "tblSignificance");
    layout->addWidget(tests_, 1);
    return tab;
}

// Tab 2: the author figures of every group.
QWidget* CompareWindow::buildMetricsTab() {
    QWidget* tab = tab_page("tabMetrics");
    auto* layout = new QVBoxLayout(tab);
    auto* note = make_note(tab, "lblMetricsNote");
    note->setText(QString("The six group figures as the group panel shows them after each "
                          "group's query, with the smallest and largest author value "
                          "(withheld for groups of fewer than %1 authors).")
                      .arg(kPrivacyThreshold));
    layout->addWidget(note);
    metrics_ = make_table(tab, "tblMetrics");
    layout->addWidget(metrics_, 1);
    // How each figure is worked out, as every export's header says it too.
    auto* definitions = make_note(tab, "lblDefinitions");
    QString defined = "How each figure is worked out:";
    for (const FigureDefinition& f : kFigureDefinitions)
        defined += "\n" + toQ(std::string(f.name)) + ": " + toQ(std::string(f.definition)) + ".";
    definitions->setText(defined);
    layout->addWidget(definitions);
    return tab;
}

// Tab 3: collocations of a form, and how the collocates are counted.
QWidget* CompareWindow::buildCollocationsTab() {
    QWidget* tab = tab_page("tabCollocations");
    auto* layout = new QVBoxLayout(tab);
    auto* pick = new QHBoxLayout;
    layout->addLayout(pick);
    pick->addWidget(new QLabel("Form:", tab));
    collForm_ = new QLineEdit(toQ(state_.form12().txtCollForm), tab);
    collForm_->setObjectName("txtCollForm");
    pick->addWidget(collForm_, 1);
    findColl_ = new QPushButton("Find collocations", tab);
    findColl_->setObjectName("cmdFindCollocations");
    pick->addWidget(findColl_);
    auto* settings = new QHBoxLayout;
    layout->addLayout(settings);
    auto* spanCaption = new QLabel("Span (words on either side):", tab);
    spanCaption->setObjectName("lblSpan");
    settings->addWidget(spanCaption);
    span_ = new QSpinBox(tab);
    span_->setObjectName("spnSpan");
    span_->setRange(1, CollocationSettings::kMaxSpan);
    settings->addWidget(span_);
    auto* minCaption = new QLabel("Minimum frequency:", tab);
    minCaption->setObjectName("lblMinFrequency");
    settings->addWidget(minCaption);
    minFrequency_ = new QSpinBox(tab);
    minFrequency_->setObjectName("spnMinFrequency");
    minFrequency_->setRange(1, CompareGroups::kMaxMinFrequency);
    settings->addWidget(minFrequency_);
    withinText_ = new QCheckBox("Pairs inside one text only", tab);
    withinText_->setObjectName("chkWithinText");
    settings->addWidget(withinText_);
    settings->addStretch(1);
    auto* formulas = make_note(tab, "lblFormulas");
    formulas->setText(toQ(std::string(kSpanMiFormula)) + "\n" + toQ(std::string(kLogDiceFormula)) +
                      "\n" + toQ(std::string(kLogLikelihoodFormula)) + "\n" +
                      toQ(std::string(kTScoreFormula)));
    layout->addWidget(formulas);
    auto* split = new QSplitter(Qt::Horizontal, tab);
    occurrences_ = make_table(split, "tblOccurrences");
    occurrences_->setSortingEnabled(true);
    collocates_ = make_table(split, "tblCollocates");
    collocates_->setSortingEnabled(true);
    split->addWidget(occurrences_);
    split->addWidget(collocates_);
    layout->addWidget(split, 1);
    return tab;
}

// Tab 4: one form across the groups, with every author's own share.
QWidget* CompareWindow::buildChartTab() {
    QWidget* tab = tab_page("tabChart");
    auto* layout = new QVBoxLayout(tab);
    auto* pick = new QHBoxLayout;
    layout->addLayout(pick);
    auto* formCaption = new QLabel("Form:", tab);
    formCaption->setObjectName("lblChartForm");
    pick->addWidget(formCaption);
    chartForm_ = new QComboBox(tab);
    chartForm_->setObjectName("cboChartForm");
    chartForm_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    pick->addWidget(chartForm_);
    pick->addStretch(1);
    saveChart_ = new QPushButton("Save chart...", tab);
    saveChart_->setObjectName("cmdSaveChart");
    saveChart_->setToolTip("Save the chart as a PNG or SVG picture");
    pick->addWidget(saveChart_);
    auto* split = new QSplitter(Qt::Vertical, tab);
    dots_ = new ShareChartView;
    dots_->setObjectName("chtShareDots");
    dots_->setFont(font());
    auto* dotsArea = chart_area(dots_, split, "scrChart");
    chartNumbers_ = make_table(split, "tblChart");
    chartNumbers_->setSortingEnabled(true);
    split->addWidget(dotsArea);
    split->addWidget(chartNumbers_);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
    return tab;
}

// Tab 5: one row per author and form, as zapt-report authors writes it.
QWidget* CompareWindow::buildAuthorsTab() {
    QWidget* tab = tab_page("tabAuthors");
    auto* layout = new QVBoxLayout(tab);
    auto* note = make_note(tab, "lblAuthorsNote");
    note->setText(
        "One row per author and form of the comparison: the author's code, the register's "
        "fields and the corpus's metadata columns, the form, its count in the author's texts "
        "(their pieces, as the exploring tools count them), the author's words, and the form's "
        "share of the author's count of all the forms (empty when the author uses none). The "
        "long table a mixed-effects model takes; zapt-report authors writes the same.");
    layout->addWidget(note);
    authorsTable_ = make_table(tab, "tblAuthors");
    authorsTable_->setSortingEnabled(true);
    layout->addWidget(authorsTable_, 1);
    return tab;
}

// ---- Wiring -------------------------------------------------------------------------------------

void CompareWindow::saveChart(QWidget* chart, const QString& name) {
    const QString path = QFileDialog::getSaveFileName(this, "Save chart", name,
                                                      "PNG picture (*.png);;SVG picture (*.svg)");
    if (path.isEmpty()) return;
    const QString error = save_chart_picture(chart, path);
    if (!error.isEmpty()) QMessageBox::warning(this, "Save chart", error);
}

// Both charts save as pictures, from their menus and the button.
void CompareWindow::wireCharts() {
    auto dotsName = [this] { return "share_" + toQ(state_.form12().chart.form) + ".png"; };
    for (ShareChartView* c : {chart_, dots_}) {
        auto* save = new QAction("Save chart...", c);
        c->addAction(save);
        c->setContextMenuPolicy(Qt::ActionsContextMenu);
        connect(save, &QAction::triggered, c, [this, c, dotsName] {
            saveChart(c, c == dots_ ? dotsName() : QString("shares.png"));
        });
    }
    connect(saveChart_, &QPushButton::clicked, this,
            [this, dotsName] { saveChart(dots_, dotsName()); });
}

// Copy and export of every table, as the core holds it.
void CompareWindow::wireTables() {
    auto source = [this](ResultTable CompareForm::*table, ResultTableView* view) {
        return TableSource{[this, table] { return state_.form12().*table; },
                           [this] { return header_(); },
                           [view] { return view->selectedTableRow(); },
                           [view] { return view->selectedTableRows(); }};
    };
    attach_table(shares_, source(&CompareForm::tblShares, shares_));
    attach_table(spread_, source(&CompareForm::tblSpread, spread_));
    attach_table(tests_, source(&CompareForm::tblSignificance, tests_));
    attach_table(metrics_, source(&CompareForm::tblMetrics, metrics_));
    attach_table(occurrences_, source(&CompareForm::tblOccurrences, occurrences_));
    attach_table(collocates_, source(&CompareForm::tblCollocates, collocates_));
    attach_table(chartNumbers_, source(&CompareForm::tblChart, chartNumbers_));
    attach_table(authorsTable_, source(&CompareForm::tblAuthors, authorsTable_));
}

void CompareWindow::wire() {
    wireCharts();
    wireTables();
    connect(family_, &QComboBox::currentIndexChanged, this,
            [this](int i) { dispatch_.run([i](CompareGroups& s) { s.cboFamily_Change(i); }); });
    connect(groupBy_, &QComboBox::currentIndexChanged, this,
            [this](int i) { dispatch_.run([i](CompareGroups& s) { s.cboGroupBy_Change(i); }); });
    connect(own_, &QLineEdit::textChanged, this, [this](const QString& t) {
        dispatch_.record([s = fromQ(t)](CompareGroups& state) { state.txtOwnForms_Change(s); });
    });
    auto compareNow = dispatch_.runs([](CompareGroups& s) { s.cmdCompareGroups_Click(); });
    connect(compare_, &QPushButton::clicked, this, compareNow);
    connect(own_, &QLineEdit::returnPressed, this, compareNow);
    connect(collForm_, &QLineEdit::textChanged, this, [this](const QString& t) {
        dispatch_.record([s = fromQ(t)](CompareGroups& state) { state.txtCollForm_Change(s); });
    });
    auto findNow = dispatch_.runs([](CompareGroups& s) { s.cmdFindCollocations_Click(); });
    connect(findColl_, &QPushButton::clicked, this, findNow);
    connect(collForm_, &QLineEdit::returnPressed, this, findNow);
    connect(span_, &QSpinBox::valueChanged, this,
            [this](int n) { dispatch_.run([n](CompareGroups& s) { s.spnSpan_Change(n); }); });
    connect(minFrequency_, &QSpinBox::valueChanged, this, [this](int n) {
        dispatch_.run([n](CompareGroups& s) { s.spnMinFrequency_Change(n); });
    });
    connect(withinText_, &QCheckBox::toggled, this, [this](bool on) {
        dispatch_.run([on](CompareGroups& s) { s.chkWithinText_Change(on); });
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        dispatch_.run([i](CompareGroups& s) { s.tabResults_Change(static_cast<CompareTab>(i)); });
    });
    connect(chartForm_, &QComboBox::currentIndexChanged, this,
            [this](int i) { dispatch_.run([i](CompareGroups& s) { s.cboChartForm_Change(i); }); });
}

bool CompareWindow::showComparisonOf(const std::string& forms, const std::string& groupBy,
                                     std::string* error) {
    // Asked for from another window, never from inside this one's events.
    if (dispatch_.running()) {
        if (error) *error = "the comparison window is busy";
        return false;
    }
    auto shown = std::make_shared<bool>(false);
    auto why = std::make_shared<std::string>();
    dispatch_.run([shown, why, forms, groupBy](CompareGroups& s) {
        *shown = s.compareOwnForms(forms, groupBy, why.get());
    });
    if (!*shown && error) *error = *why;
    return *shown;
}

// ---- Showing the state --------------------------------------------------------------------------

void CompareWindow::refresh() {
    showChoices();
    showShares();
    showResults();
}

void CompareWindow::showChoices() {
    const CompareForm& f = state_.form12();
    {
        const QSignalBlocker b1(family_), b2(tabs_), b3(span_), b4(minFrequency_), b5(withinText_),
            b6(groupBy_), b7(chartForm_), b8(own_);
        family_->setCurrentIndex(f.family);
        if (own_->text() != toQ(f.txtOwnForms)) own_->setText(toQ(f.txtOwnForms));
        groupBy_->setCurrentIndex(f.groupBy);
        tabs_->setCurrentIndex(static_cast<int>(f.tabResults));
        span_->setValue(f.settings.span);
        minFrequency_->setValue(f.settings.minFrequency);
        withinText_->setChecked(f.settings.withinText);
    }
    own_->setEnabled(f.txtOwnFormsEnabled);
    groupsNote_->setText(toQ(f.lblGroups));
    groupsNote_->setVisible(!f.lblGroups.empty());
}

// The shares, their spread and tests of difference, and the stacked chart.
void CompareWindow::showShares() {
    const CompareForm& f = state_.form12();
    if (shown_.shares != f.sharesRevision) {
        shown_.shares = f.sharesRevision;
        shares_->setTable(f.tblShares);
        spread_->setTable(f.tblSpread);
        tests_->setTable(f.tblSignificance);
        chart_->setStacked(f.comparison);
    }
    if (!f.note.empty()) {
        significance_->setText(toQ(f.note));
    } else if (f.sharesRevision > 0) {
        QString text =
            p_text(f.comparison.chiSquare) + "\n" + p_text(f.comparison.logLikelihood) + "\n";
        for (const TestResult& t : f.comparison.kruskalWallis) text += p_text(t) + "\n";
        text += toQ(f.comparison.independenceNote);
        significance_->setText(text);
    }
}

// The other tabs: each table only when it changed.
void CompareWindow::showResults() {
    const CompareForm& f = state_.form12();
    if (f.metricsDone && shown_.metrics != f.metricsRevision) {
        shown_.metrics = f.metricsRevision;
        metrics_->setTable(f.tblMetrics);
    }
    if (shown_.chart != f.chartRevision) {
        shown_.chart = f.chartRevision;
        const QSignalBlocker b(chartForm_);
        chartForm_->clear();
        for (const std::string& form : f.cboChartForm) chartForm_->addItem(toQ(form));
        chartForm_->setCurrentIndex(f.chartForm);
        dots_->setChart(f.chart);
        chartNumbers_->setTable(f.tblChart);
    }
    if (f.authorsDone && shown_.authors != f.authorsRevision) {
        shown_.authors = f.authorsRevision;
        authorsTable_->setTable(f.tblAuthors);
    }
    if (shown_.collocations != f.collocationsRevision) {
        shown_.collocations = f.collocationsRevision;
        occurrences_->setTable(f.tblOccurrences);
        collocates_->setTable(f.tblCollocates);
    }
}

// ---- Ways in ------------------------------------------------------------------------------------

QWidget* createCompareWindow(const Corpus& corpus, const GroupIndex& index,
                             std::function<ExportHeader()> header,
                             std::function<std::string()> selectedForm,
                             const std::vector<std::string>& applied, CompareMemory* memory) {
    return new CompareWindow(corpus, index, std::move(header),
                             selectedForm ? selectedForm() : std::string(), applied, memory);
}

bool show_comparison_of(QWidget* window, const std::string& forms, const std::string& groupBy,
                        std::string* error) {
    auto* compare = qobject_cast<CompareWindow*>(window);
    if (!compare) {
        if (error) *error = "not a comparison window";
        return false;
    }
    return compare->showComparisonOf(forms, groupBy, error);
}

} // namespace zapt::ui
