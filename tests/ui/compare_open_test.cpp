// Opening the comparison window from elsewhere on a form and a grouping (a
// concordance's tally of a form does it): the window shows the form as the
// user's own list over those groups, an open window is reused, and a grouping
// that cannot be read leaves it as it was and says why.
#include "app/corpus_source.h"
#include "corpus/data_files.h"
#include "ui/compare_window.h"
#include "ui/main_window.h"
#include "ui/result_table_view.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

using namespace zapt::ui;

class CompareOpenTest : public QObject {
    Q_OBJECT

    const zapt::DataSet data = zapt::load_builtin_data();

    static QWidget* comparisonWindow() {
        QWidget* found = nullptr;
        int open = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "Form12" && w->isVisible()) {
                found = w;
                ++open;
            }
        }
        return open == 1 ? found : nullptr;
    }

private slots:
    void opensOnAFormOverAGrouping() {
        MainWindow window(corpus_of(data));
        QStringList messages;
        window.messageHandler = [&](const QString& text) { messages << text; };
        window.show();
        const struct {
            const char* forms;
            const char* groupBy;
            const char* grouping; // the grouping shown
            QStringList columns;  // the shares table's first columns
        } cases[] = {
            {"bk", "gender", "gender", {"gender", "form"}},
            {"u", "", "age band × gender", {"band", "gender", "form"}},
            {"wiv", "education,band", "age band × education", {"band", "education", "form"}},
        };
        for (const auto& c : cases) {
            window.openComparison(c.forms, c.groupBy);
            QWidget* w = comparisonWindow();
            QVERIFY2(w, c.forms);
            auto* family = w->findChild<QComboBox*>("cboFamily");
            QCOMPARE(family->currentIndex(), family->count() - 1); // the own forms' row
            QCOMPARE(w->findChild<QLineEdit*>("txtOwnForms")->text(), QString(c.forms));
            QVERIFY(w->findChild<QLineEdit*>("txtOwnForms")->isEnabled());
            QCOMPARE(w->findChild<QComboBox*>("cboGroupBy")->currentText(), QString(c.grouping));
            QCOMPARE(w->findChild<QTabWidget*>("tabResults")->currentIndex(), 0);
            const zapt::ResultTable& shares = w->findChild<ResultTableView*>("tblShares")->table();
            for (int i = 0; i < c.columns.size(); ++i)
                QCOMPARE(QString::fromStdString(shares.columns[std::size_t(i)]), c.columns[i]);
            QCOMPARE(QString::fromStdString(shares.rows.front()[std::size_t(c.columns.size() - 1)]),
                     QString(c.forms));
        }
        QVERIFY(messages.isEmpty());

        // A grouping that cannot be read: the window stays as it was.
        window.openComparison("bk", "no_such_field");
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("no_such_field"), qPrintable(messages[0]));
        QWidget* w = comparisonWindow();
        QVERIFY(w);
        QCOMPARE(w->findChild<QLineEdit*>("txtOwnForms")->text(), QString("wiv"));
        std::string error;
        QVERIFY(!show_comparison_of(&window, "bk", "gender", &error));
        QCOMPARE(QString::fromStdString(error), QString("not a comparison window"));
    }
};

QTEST_MAIN(CompareOpenTest)
#include "compare_open_test.moc"
