#include "ui/compare_window.h"

#include "app/compare_form.h"
#include "ui/result_table_view.h"
#include "ui/share_chart_view.h"
#include "ui/table_actions.h"
#include "ui/text_convert.h"
#include "ui/widgets.h"
#include "variation/collocation_table.h"
#include "variation/compare.h"
#include "results/figure_definitions.h"
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

// What a comparison window offers from outside: opening on given forms.
class CompareEntry : public QObject {
    Q_OBJECT

public:
    explicit CompareEntry(QObject* parent) : QObject(parent) {}
    std::function<bool(const std::string&, const std::string&, std::string*)> open;
};

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

} // namespace

QWidget* createCompareWindow(const Corpus& corpus, const GroupIndex& index,
                             std::function<ExportHeader()> header,
                             std::function<std::string()> selectedForm,
                             const std::vector<std::string>& applied, CompareMemory* memory) {
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName("Form12");
    w->setWindowTitle("Compare groups");
    w->setFont(dialog_font());
    w->resize(1060, 720);
    // The window's state and its operations live in the core; the widgets
    // send them every event and show what they hold.
    auto state = std::make_shared<CompareGroups>(
        corpus, index, selectedForm ? selectedForm() : std::string(), applied, memory);
    auto exportHeader = std::make_shared<std::function<ExportHeader()>>(std::move(header));

    auto* layout = new QVBoxLayout(w);
    auto* pick = new QHBoxLayout;
    layout->addLayout(pick);
    auto* familyCaption = new QLabel("Variant family:", w);
    familyCaption->setObjectName("lblFamily");
    pick->addWidget(familyCaption);
    auto* family = new QComboBox(w);
    family->setObjectName("cboFamily");
    for (const std::string& caption : state->form12().cboFamily) family->addItem(toQ(caption));
    pick->addWidget(family);
    auto* own = new QLineEdit(w);
    own->setObjectName("txtOwnForms");
    own->setPlaceholderText("forms separated by blanks or commas, e.g. bk bak back");
    pick->addWidget(own, 1);
    auto* compare = new QPushButton("Compare", w);
    compare->setObjectName("cmdCompareGroups");
    pick->addWidget(compare);
    auto* groupByCaption = new QLabel("Groups:", w);
    groupByCaption->setObjectName("lblGroupBy");
    pick->addWidget(groupByCaption);
    auto* groupBy = new QComboBox(w);
    groupBy->setObjectName("cboGroupBy");
    for (const std::string& caption : state->form12().cboGroupBy) groupBy->addItem(toQ(caption));
    pick->addWidget(groupBy);
    // The built-in glossary or families a corpus of the user's own is read with.
    auto* appliedNote = make_note(w, "lblApplied");
    appliedNote->setText(toQ(state->form12().lblApplied));
    appliedNote->setVisible(!state->form12().lblApplied.empty());
    layout->addWidget(appliedNote);
    auto* groupsNote = make_note(w, "lblGroups");
    groupsNote->setVisible(false);
    layout->addWidget(groupsNote);

    auto* tabs = new QTabWidget(w);
    tabs->setObjectName("tabResults");
    layout->addWidget(tabs, 1);

    // Tab 1: the shares.
    auto* sharesTab = new QWidget;
    sharesTab->setObjectName("tabShares");
    auto* sharesLayout = new QVBoxLayout(sharesTab);
    auto* base = make_note(sharesTab, "lblBase");
    base->setText(QString("count: the form's count in the group's text by the counting rule (the "
                          "whole corpus: its cleaned text); per_10k: per 10,000 words, base = "
                          "words, the word total of that text; share: of the family's count in "
                          "the group, each distinct form once; authors_using / authors: authors "
                          "of the group whose texts hold the form."));
    sharesLayout->addWidget(base);
    auto* split = new QSplitter(Qt::Horizontal, sharesTab);
    auto* shares = make_table(split, "tblShares");
    shares->setSortingEnabled(true);
    // The chart scrolls when its whole labels need more room than the tab has.
    auto* chart = new ShareChartView;
    chart->setObjectName("chtShares");
    chart->setFont(w->font());
    auto* chartArea = chart_area(chart, split, "scrShares");
    chartArea->setFrameShape(QFrame::NoFrame);
    split->addWidget(shares);
    split->addWidget(chartArea);
    split->setSizes({520, 520});
    sharesLayout->addWidget(split, 3);
    auto* spreadNote = make_note(sharesTab, "lblPrivacy");
    spreadNote->setText(
        QString("Spread: the share of each count that comes from the group's top author; "
                "\"over half\" marks a cell where one author gives more than half. A cell whose "
                "form fewer than %1 authors use shows its counts but withholds the spread "
                "(privacy threshold %1).")
            .arg(kPrivacyThreshold));
    sharesLayout->addWidget(spreadNote);
    auto* spread = make_table(sharesTab, "tblSpread");
    spread->setSortingEnabled(true);
    sharesLayout->addWidget(spread, 2);
    auto* significance = make_note(sharesTab, "lblSignificance");
    sharesLayout->addWidget(significance);
    auto* tests = make_table(sharesTab, "tblSignificance");
    sharesLayout->addWidget(tests, 1);
    tabs->addTab(sharesTab, "Variant shares");

    // Tab 2: the author figures of every group.
    auto* metricsTab = new QWidget;
    metricsTab->setObjectName("tabMetrics");
    auto* metricsLayout = new QVBoxLayout(metricsTab);
    auto* metricsNote = make_note(metricsTab, "lblMetricsNote");
    metricsNote->setText(QString("The six group figures as the group panel shows them after each "
                                 "group's query, with the smallest and largest author value "
                                 "(withheld for groups of fewer than %1 authors).")
                             .arg(kPrivacyThreshold));
    metricsLayout->addWidget(metricsNote);
    auto* metrics = make_table(metricsTab, "tblMetrics");
    metricsLayout->addWidget(metrics, 1);
    // How each figure is worked out, as every export's header says it too.
    auto* definitions = make_note(metricsTab, "lblDefinitions");
    QString defined = "How each figure is worked out:";
    for (const FigureDefinition& f : kFigureDefinitions)
        defined += "\n" + toQ(std::string(f.name)) + ": " + toQ(std::string(f.definition)) + ".";
    definitions->setText(defined);
    metricsLayout->addWidget(definitions);
    tabs->addTab(metricsTab, "Author figures");

    // Tab 3: collocations of a form.
    auto* collTab = new QWidget;
    collTab->setObjectName("tabCollocations");
    auto* collLayout = new QVBoxLayout(collTab);
    auto* collPick = new QHBoxLayout;
    collLayout->addLayout(collPick);
    collPick->addWidget(new QLabel("Form:", collTab));
    auto* collForm = new QLineEdit(toQ(state->form12().txtCollForm), collTab);
    collForm->setObjectName("txtCollForm");
    collPick->addWidget(collForm, 1);
    auto* findColl = new QPushButton("Find collocations", collTab);
    findColl->setObjectName("cmdFindCollocations");
    collPick->addWidget(findColl);
    // How the collocates are counted.
    auto* collSettings = new QHBoxLayout;
    collLayout->addLayout(collSettings);
    auto* spanCaption = new QLabel("Span (words on either side):", collTab);
    spanCaption->setObjectName("lblSpan");
    collSettings->addWidget(spanCaption);
    auto* span = new QSpinBox(collTab);
    span->setObjectName("spnSpan");
    span->setRange(1, CollocationSettings::kMaxSpan);
    collSettings->addWidget(span);
    auto* minCaption = new QLabel("Minimum frequency:", collTab);
    minCaption->setObjectName("lblMinFrequency");
    collSettings->addWidget(minCaption);
    auto* minFrequency = new QSpinBox(collTab);
    minFrequency->setObjectName("spnMinFrequency");
    minFrequency->setRange(1, CompareGroups::kMaxMinFrequency);
    collSettings->addWidget(minFrequency);
    auto* withinText = new QCheckBox("Pairs inside one text only", collTab);
    withinText->setObjectName("chkWithinText");
    collSettings->addWidget(withinText);
    collSettings->addStretch(1);
    auto* formulas = make_note(collTab, "lblFormulas");
    formulas->setText(toQ(std::string(kSpanMiFormula)) + "\n" + toQ(std::string(kLogDiceFormula)) +
                      "\n" + toQ(std::string(kLogLikelihoodFormula)) + "\n" +
                      toQ(std::string(kTScoreFormula)));
    collLayout->addWidget(formulas);
    auto* collSplit = new QSplitter(Qt::Horizontal, collTab);
    auto* occurrences = make_table(collSplit, "tblOccurrences");
    occurrences->setSortingEnabled(true);
    auto* collocates = make_table(collSplit, "tblCollocates");
    collocates->setSortingEnabled(true);
    collSplit->addWidget(occurrences);
    collSplit->addWidget(collocates);
    collLayout->addWidget(collSplit, 1);
    tabs->addTab(collTab, "Collocations");

    // Tab 4: one form across the groups, with every author's own share.
    auto* chartTab = new QWidget;
    chartTab->setObjectName("tabChart");
    auto* chartLayout = new QVBoxLayout(chartTab);
    auto* chartPick = new QHBoxLayout;
    chartLayout->addLayout(chartPick);
    auto* chartFormCaption = new QLabel("Form:", chartTab);
    chartFormCaption->setObjectName("lblChartForm");
    chartPick->addWidget(chartFormCaption);
    auto* chartForm = new QComboBox(chartTab);
    chartForm->setObjectName("cboChartForm");
    chartForm->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chartPick->addWidget(chartForm);
    chartPick->addStretch(1);
    auto* saveChart = new QPushButton("Save chart...", chartTab);
    saveChart->setObjectName("cmdSaveChart");
    saveChart->setToolTip("Save the chart as a PNG or SVG picture");
    chartPick->addWidget(saveChart);
    auto* chartSplit = new QSplitter(Qt::Vertical, chartTab);
    auto* dots = new ShareChartView;
    dots->setObjectName("chtShareDots");
    dots->setFont(w->font());
    auto* dotsArea = chart_area(dots, chartSplit, "scrChart");
    auto* chartNumbers = make_table(chartSplit, "tblChart");
    chartNumbers->setSortingEnabled(true);
    chartSplit->addWidget(dotsArea);
    chartSplit->addWidget(chartNumbers);
    chartSplit->setStretchFactor(0, 4);
    chartSplit->setStretchFactor(1, 1);
    chartLayout->addWidget(chartSplit, 1);
    tabs->addTab(chartTab, "Share chart");

    // Tab 5: one row per author and form, as zapt-report authors writes it.
    auto* authorsTab = new QWidget;
    authorsTab->setObjectName("tabAuthors");
    auto* authorsLayout = new QVBoxLayout(authorsTab);
    auto* authorsNote = make_note(authorsTab, "lblAuthorsNote");
    authorsNote->setText(
        "One row per author and form of the comparison: the author's code, the register's "
        "fields and the corpus's metadata columns, the form, its count in the author's texts "
        "(their pieces, as the exploring tools count them), the author's words, and the form's "
        "share of the author's count of all the forms (empty when the author uses none). The "
        "long table a mixed-effects model takes; zapt-report authors writes the same.");
    authorsLayout->addWidget(authorsNote);
    auto* authorsTable = make_table(authorsTab, "tblAuthors");
    authorsTable->setSortingEnabled(true);
    authorsLayout->addWidget(authorsTable, 1);
    tabs->addTab(authorsTab, "Authors");

    // Both charts save as pictures, from their menus and the button.
    auto saveAs = [w](QWidget* chartWidget, QString name) {
        const QString path = QFileDialog::getSaveFileName(
            w, "Save chart", name, "PNG picture (*.png);;SVG picture (*.svg)");
        if (path.isEmpty()) return;
        const QString error = save_chart_picture(chartWidget, path);
        if (!error.isEmpty()) QMessageBox::warning(w, "Save chart", error);
    };
    for (ShareChartView* c : {chart, dots}) {
        auto* save = new QAction("Save chart...", c);
        c->addAction(save);
        c->setContextMenuPolicy(Qt::ActionsContextMenu);
        QObject::connect(save, &QAction::triggered, c, [saveAs, c, dots, state] {
            saveAs(c, c == dots ? "share_" + toQ(state->form12().chart.form) + ".png"
                                : QString("shares.png"));
        });
    }
    QObject::connect(saveChart, &QPushButton::clicked, w, [saveAs, dots, state] {
        saveAs(dots, "share_" + toQ(state->form12().chart.form) + ".png");
    });

    // Copy and export of every table, as the core holds it.
    auto source = [exportHeader](std::function<ResultTable()> table, ResultTableView* view) {
        return TableSource{std::move(table), [exportHeader] { return (*exportHeader)(); },
                           [view] { return view->selectedTableRow(); },
                           [view] { return view->selectedTableRows(); }};
    };
    attach_table(shares, source([state] { return state->form12().tblShares; }, shares));
    attach_table(spread, source([state] { return state->form12().tblSpread; }, spread));
    attach_table(tests, source([state] { return state->form12().tblSignificance; }, tests));
    attach_table(metrics, source([state] { return state->form12().tblMetrics; }, metrics));
    attach_table(occurrences,
                 source([state] { return state->form12().tblOccurrences; }, occurrences));
    attach_table(collocates, source([state] { return state->form12().tblCollocates; }, collocates));
    attach_table(chartNumbers, source([state] { return state->form12().tblChart; }, chartNumbers));
    attach_table(authorsTable,
                 source([state] { return state->form12().tblAuthors; }, authorsTable));

    // Shows the state: the controls as the state holds them (without sending
    // their change events back), and every table that changed.
    struct Shown {
        unsigned shares = 0, collocations = 0, metrics = 0, chart = 0, authors = 0;
    };
    auto shown = std::make_shared<Shown>();
    auto show = [=] {
        const CompareForm& f = state->form12();
        {
            const QSignalBlocker b1(family), b2(tabs), b3(span), b4(minFrequency), b5(withinText),
                b6(groupBy), b7(chartForm), b8(own);
            family->setCurrentIndex(f.family);
            if (own->text() != toQ(f.txtOwnForms)) own->setText(toQ(f.txtOwnForms));
            groupBy->setCurrentIndex(f.groupBy);
            tabs->setCurrentIndex(static_cast<int>(f.tabResults));
            span->setValue(f.settings.span);
            minFrequency->setValue(f.settings.minFrequency);
            withinText->setChecked(f.settings.withinText);
        }
        own->setEnabled(f.txtOwnFormsEnabled);
        groupsNote->setText(toQ(f.lblGroups));
        groupsNote->setVisible(!f.lblGroups.empty());
        if (shown->shares != f.sharesRevision) {
            shown->shares = f.sharesRevision;
            shares->setTable(f.tblShares);
            spread->setTable(f.tblSpread);
            tests->setTable(f.tblSignificance);
            chart->setStacked(f.comparison);
        }
        if (!f.note.empty()) {
            significance->setText(toQ(f.note));
        } else if (f.sharesRevision > 0) {
            QString text =
                p_text(f.comparison.chiSquare) + "\n" + p_text(f.comparison.logLikelihood) + "\n";
            for (const TestResult& t : f.comparison.kruskalWallis) text += p_text(t) + "\n";
            text += toQ(f.comparison.independenceNote);
            significance->setText(text);
        }
        if (f.metricsDone && shown->metrics != f.metricsRevision) {
            shown->metrics = f.metricsRevision;
            metrics->setTable(f.tblMetrics);
        }
        if (shown->chart != f.chartRevision) {
            shown->chart = f.chartRevision;
            const QSignalBlocker b(chartForm);
            chartForm->clear();
            for (const std::string& form : f.cboChartForm) chartForm->addItem(toQ(form));
            chartForm->setCurrentIndex(f.chartForm);
            dots->setChart(f.chart);
            chartNumbers->setTable(f.tblChart);
        }
        if (f.authorsDone && shown->authors != f.authorsRevision) {
            shown->authors = f.authorsRevision;
            authorsTable->setTable(f.tblAuthors);
        }
        if (shown->collocations != f.collocationsRevision) {
            shown->collocations = f.collocationsRevision;
            occurrences->setTable(f.tblOccurrences);
            collocates->setTable(f.tblCollocates);
        }
    };
    // Every event: its operation, then the state shown.
    auto on = [=](auto operation) {
        return [=](auto&&...) {
            operation(*state);
            show();
        };
    };
    QObject::connect(family, &QComboBox::currentIndexChanged, w, on([family](CompareGroups& s) {
                         s.cboFamily_Change(family->currentIndex());
                     }));
    QObject::connect(groupBy, &QComboBox::currentIndexChanged, w, on([groupBy](CompareGroups& s) {
                         s.cboGroupBy_Change(groupBy->currentIndex());
                     }));
    QObject::connect(own, &QLineEdit::textChanged, w,
                     [state, own] { state->txtOwnForms_Change(fromQ(own->text())); });
    QObject::connect(compare, &QPushButton::clicked, w,
                     on([](CompareGroups& s) { s.cmdCompareGroups_Click(); }));
    QObject::connect(own, &QLineEdit::returnPressed, w,
                     on([](CompareGroups& s) { s.cmdCompareGroups_Click(); }));
    QObject::connect(collForm, &QLineEdit::textChanged, w,
                     [state, collForm] { state->txtCollForm_Change(fromQ(collForm->text())); });
    QObject::connect(findColl, &QPushButton::clicked, w,
                     on([](CompareGroups& s) { s.cmdFindCollocations_Click(); }));
    QObject::connect(collForm, &QLineEdit::returnPressed, w,
                     on([](CompareGroups& s) { s.cmdFindCollocations_Click(); }));
    QObject::connect(span, &QSpinBox::valueChanged, w,
                     on([span](CompareGroups& s) { s.spnSpan_Change(span->value()); }));
    QObject::connect(minFrequency, &QSpinBox::valueChanged, w, on([minFrequency](CompareGroups& s) {
                         s.spnMinFrequency_Change(minFrequency->value());
                     }));
    QObject::connect(withinText, &QCheckBox::toggled, w, on([withinText](CompareGroups& s) {
                         s.chkWithinText_Change(withinText->isChecked());
                     }));
    QObject::connect(tabs, &QTabWidget::currentChanged, w, on([tabs](CompareGroups& s) {
                         s.tabResults_Change(static_cast<CompareTab>(tabs->currentIndex()));
                     }));
    QObject::connect(
        chartForm, &QComboBox::currentIndexChanged, w,
        on([chartForm](CompareGroups& s) { s.cboChartForm_Change(chartForm->currentIndex()); }));
    // The way in from elsewhere: a form over a grouping, shown at once.
    auto* entry = new CompareEntry(w);
    entry->open = [state, show](const std::string& forms, const std::string& groupBy,
                                std::string* error) {
        if (!state->compareOwnForms(forms, groupBy, error)) return false;
        show();
        return true;
    };
    show();
    return w;
}

bool show_comparison_of(QWidget* window, const std::string& forms, const std::string& groupBy,
                        std::string* error) {
    auto* entry =
        window ? window->findChild<CompareEntry*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!entry || !entry->open) {
        if (error) *error = "not a comparison window";
        return false;
    }
    return entry->open(forms, groupBy, error);
}

} // namespace zapt::ui

#include "compare_window.moc"
