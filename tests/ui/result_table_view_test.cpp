// The table view every result table of the windows is shown in: headings for
// a reader over the machine names, cells in a reader's form, a sort by a
// click on a heading that survives new rows, and copies and exports of the
// whole table in the order shown, however much longer the whole table is than
// the rows on screen.
#include "ui/result_table_view.h"
#include "ui/table_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QtTest>

#include <string>
#include <vector>

using namespace zapt;
using namespace zapt::ui;

namespace {

ResultTable words(std::vector<std::vector<std::string>> rows) {
    ResultTable t;
    t.title = "Word list: whole corpus";
    t.columns = {"form", "count", "top_author_share"};
    t.rows = std::move(rows);
    t.settings = {{"top_author_share", "the largest single author's count / count"}};
    return t;
}

std::vector<std::string> firstColumn(const QAbstractItemModel* m) {
    std::vector<std::string> out;
    for (int r = 0; r < m->rowCount(); ++r)
        out.push_back(m->data(m->index(r, 0)).toString().toStdString());
    return out;
}

void clickHeading(ResultTableView& view, int column) {
    QHeaderView* header = view.horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(x, header->height() / 2));
}

} // namespace

class ResultTableViewTest : public QObject {
    Q_OBJECT

private slots:
    void headingsAndCellsAreForAReaderAndTheMachineFormStays() {
        ResultTableView view;
        view.setTable(words({{"u", "12", "0.25"}, {"2moro", "3", "1"}}));
        const QAbstractItemModel* m = view.model();
        const struct {
            int column;
            QString heading, machine, tip;
        } cases[] = {
            {0, "Form", "form", "form: the form"},
            {1, "Count", "count", "count: occurrences of the form"},
            // The table's own definition of the column before the general one.
            {2, "Top author's share", "top_author_share",
             "top_author_share: the largest single author's count / count"},
        };
        for (const auto& c : cases) {
            QCOMPARE(m->headerData(c.column, Qt::Horizontal).toString(), c.heading);
            QCOMPARE(m->headerData(c.column, Qt::Horizontal, ResultTableModel::kMachineNameRole)
                         .toString(),
                     c.machine);
            QVERIFY2(m->headerData(c.column, Qt::Horizontal, Qt::ToolTipRole)
                         .toString()
                         .startsWith(c.tip),
                     qPrintable(c.tip));
        }
        QCOMPARE(m->data(m->index(0, 2)).toString(), QString("25 %"));
        QCOMPARE(m->data(m->index(0, 2), Qt::ToolTipRole).toString(), QString("0.25"));
        QCOMPARE(m->data(m->index(1, 2)).toString(), QString("100 %"));
    }

    void aSortSurvivesNewRowsAndCopiesAndExportsFollowIt() {
        ResultTableView view;
        view.resize(600, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // The whole table is longer than the rows the view holds, as a long
        // concordance is: the view shows the first four.
        const ResultTable whole = words({{"b", "9", "0.5"},
                                         {"a", "10", "0.5"},
                                         {"c", "", "0.5"},
                                         {"d", "1", "0.5"},
                                         {"e", "100", "0.5"},
                                         {"f", "2", "0.5"}});
        ResultTable shown = whole;
        shown.rows.resize(4);
        view.setTable(shown);
        attach_table(&view, {[whole] { return whole; }, [] { return ExportHeader{}; },
                             [&view] { return view.selectedTableRow(); },
                             [&view] { return view.selectedTableRows(); }});
        // Until a heading is clicked: the table's own order.
        QCOMPARE(firstColumn(view.model()), (std::vector<std::string>{"b", "a", "c", "d"}));
        clickHeading(view, 1);
        const std::vector<std::string> up = firstColumn(view.model());
        const bool ascending = up == std::vector<std::string>{"d", "b", "a", "c"};
        const std::vector<std::string> down = {"a", "b", "d", "c"};
        QVERIFY(ascending || up == down);
        if (ascending) clickHeading(view, 1); // descending from here on
        QCOMPARE(firstColumn(view.model()), (std::vector<std::string>{"a", "b", "d", "c"}));

        // Copy all and Export take the whole table, every row in that order.
        const TableSource* source = table_source(&view);
        QVERIFY(source);
        copy_all(*source);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("form\tcount\ttop_author_share\ne\t100\t0.5\na\t10\t0.5\nb\t9\t0.5\n"
                         "f\t2\t0.5\nd\t1\t0.5\nc\t\t0.5\n"));
        QTemporaryDir dir;
        const QString file = dir.filePath("w.csv");
        QCOMPARE(export_table(table_as_shown(*source), source->header(), file), QString());
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().endsWith("form,count,top_author_share\ne,100,0.5\na,10,0.5\nb,9,"
                                     "0.5\nf,2,0.5\nd,1,0.5\nc,,0.5\n"));

        // New rows keep the column and its order; a table without that column
        // stands in its own order, and so does one after clearSort.
        view.setTable(words({{"x", "1", "0"}, {"y", "3", "0"}, {"z", "2", "0"}}));
        QCOMPARE(firstColumn(view.model()), (std::vector<std::string>{"y", "z", "x"}));
        ResultTable narrow;
        narrow.columns = {"form"};
        narrow.rows = {{"q"}, {"p"}};
        view.setTable(narrow);
        QCOMPARE(firstColumn(view.model()), (std::vector<std::string>{"q", "p"}));
        view.setTable(words({{"x", "1", "0"}, {"y", "3", "0"}}));
        QCOMPARE(firstColumn(view.model()), (std::vector<std::string>{"x", "y"}));
        clickHeading(view, 1);
        const std::vector<std::string> own = {"x", "y"};
        QVERIFY(firstColumn(view.model()) != own ||
                view.horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder);
        view.clearSort();
        QCOMPARE(firstColumn(view.model()), (std::vector<std::string>{"x", "y"}));
        QCOMPARE(view.arranged(view.table()).rows, view.table().rows);
    }

    void theSelectedRowFollowsTheSortAndCopyTakesIt() {
        ResultTableView view;
        view.resize(600, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setTable(words({{"b", "2", "0"}, {"a", "1", "0"}, {"c", "3", "0"}}));
        view.selectRow(0); // "b"
        QCOMPARE(view.selectedTableRow(), 0);
        clickHeading(view, 0);
        QCOMPARE(view.selectedTableRow(), 0); // still "b", wherever it stands now
        QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("form\tcount\ttop_author_share\nb\t2\t0\n"));
    }
};

QTEST_MAIN(ResultTableViewTest)
#include "result_table_view_test.moc"
