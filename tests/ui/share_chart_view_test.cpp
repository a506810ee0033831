// The comparison window's chart widget on its own: group labels whole at any
// width (wrapped in wide columns, upright in narrow ones), the room it asks
// for, and the tool tips of a bar and of an author's dot.
#include "ui/share_chart_view.h"
#include "ui/widgets.h"

#include <QScrollArea>
#include <QtTest>

using namespace zapt;
using namespace zapt::ui;

namespace {

// Groups of long and short labels: a share chart of "u" with dots in one
// group and a few tokens in another.
ShareChart chart_of(int groups) {
    ShareChart c;
    c.form = "u";
    c.family = "You";
    c.groupColumns = {"band", "region"};
    c.grouping = "age band × region";
    for (int i = 0; i < groups; ++i) {
        ShareBar b;
        b.labels = {i % 2 ? "61+" : "16 to 20",
                    i % 3 ? "F" : "London and the South East of England"};
        b.label = b.labels[0] + " · " + b.labels[1];
        b.n = i == 1 ? 3 : 463;
        b.count = i == 1 ? 3 : 200;
        b.share = static_cast<double>(b.count) / b.n;
        b.interval = wilson_interval(b.count, b.n);
        b.authors = 12;
        b.authorsUsing = i == 1 ? 1 : 5;
        b.dotsWithheld = i == 1;
        if (i == 0) {
            b.dots = {{"017", 0.0, 4}, {"003", 0.5, 40}, {"011", 1.0, 2}};
        }
        c.bars.push_back(std::move(b));
    }
    ShareBar all;
    all.all = true;
    all.labels = {"all", "all"};
    all.label = "all";
    all.n = 463 * groups;
    all.count = 200 * groups;
    all.share = static_cast<double>(all.count) / all.n;
    all.interval = wilson_interval(all.count, all.n);
    c.bars.push_back(std::move(all));
    return c;
}

} // namespace

class ShareChartViewTest : public QObject {
    Q_OBJECT

private slots:
    // Wide columns wrap the labels, narrow ones stand them upright; either way
    // every label's text lies inside its box and the chart.
    void labelsAreWholeAtEveryWidth() {
        const struct {
            int groups;
            int width;
            bool upright;
        } cases[] = {{3, 1000, false}, {3, 360, true}, {24, 600, true}, {1, 400, false}};
        for (const auto& c : cases) {
            ShareChartView view;
            view.setFont(dialog_font());
            view.setChart(chart_of(c.groups));
            const QSize least = view.minimumSizeHint();
            const int width = std::max(c.width, least.width());
            view.resize(width, view.heightForWidth(width));
            const auto places = view.labelPlaces();
            QCOMPARE(int(places.size()), c.groups + 1);
            for (const auto& p : places) {
                const QString what =
                    QString("%1 groups at %2: %3").arg(c.groups).arg(width).arg(p.text);
                QCOMPARE(p.upright, c.upright);
                QVERIFY2(p.box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p.needed), qPrintable(what));
                QVERIFY2(QRectF(view.rect()).contains(p.needed), qPrintable(what));
            }
            // A narrower chart is never asked to be shorter.
            QVERIFY(view.heightForWidth(least.width()) >= view.heightForWidth(width));
        }
    }

    // In a scroll area the chart takes the area's width and the height it
    // then needs; the stacked chart of the same groups too.
    void aScrollAreaGivesTheChartTheRoomItNeeds() {
        QWidget window;
        window.resize(700, 300);
        auto* chart = new ShareChartView;
        chart->setFont(dialog_font());
        QScrollArea* area = chart_area(chart, &window, "scrTest");
        area->setGeometry(0, 0, 700, 300);
        window.show();
        chart->setChart(chart_of(6));
        QApplication::processEvents();
        QVERIFY(chart->height() >= chart->heightForWidth(chart->width()));
        for (const auto& p : chart->labelPlaces())
            QVERIFY2(QRectF(chart->rect()).contains(p.needed), qPrintable(p.text));
    }

    // A bar's tip says its n and the Wilson interval; a dot's, the author's
    // code and uses; a group whose dots are withheld says so.
    void toolTipsOfBarsAndDots() {
        ShareChartView view;
        view.setFont(dialog_font());
        view.setChart(chart_of(3));
        view.resize(900, view.heightForWidth(900));
        const auto places = view.labelPlaces();
        // The middle of the first column, low in the plot: the bar.
        const QPointF bar(places[0].box.center().x(), places[0].box.top() - 90);
        const QString tip = view.toolTipAt(bar);
        QVERIFY2(tip.contains("n = 463") && tip.contains("Wilson"), qPrintable(tip));
        const QString few = view.toolTipAt(QPointF(places[1].box.center().x(), bar.y()));
        QVERIFY2(few.contains("withheld") && few.contains("hatched"), qPrintable(few));
        // The author with 40 uses at half: somewhere on the middle line of the
        // first column.
        QString dot;
        for (double x = places[0].box.left(); x < places[0].box.right() && dot.isEmpty(); x += 2) {
            for (double y = 0; y < view.height() && dot.isEmpty(); y += 2) {
                const QString t = view.toolTipAt(QPointF(x, y));
                if (t.startsWith("author 003")) dot = t;
            }
        }
        QVERIFY2(dot.contains("20 of 40 uses"), qPrintable(dot));
    }
};

QTEST_MAIN(ShareChartViewTest)
#include "share_chart_view_test.moc"
