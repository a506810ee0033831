// The charts of the comparison window, one column per group.
//
// The share chart: one form across the groups. Per group a bar of the form's
// share of the family's tokens, its 95 % Wilson interval as a whisker and its
// n printed under it, a bar from few tokens hatched; one dot per author who
// uses the family, at the author's own share, its area growing with the
// author's uses.
//
// The stacked chart: every form of the family stacked to the group's whole
// count, with the group's n under it.
//
// Group labels are wrapped, or turned upright when they do not fit a column,
// and the chart asks for the room they need: no label is ever cut. It paints
// on any painter, so the picture saved as PNG or SVG is the one on screen.
#pragma once

#include "variation/share_chart.h"

#include <QRectF>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class QPainter;
class QScrollArea;

namespace zapt::ui {

class ShareChartView : public QWidget {
    Q_OBJECT

public:
    explicit ShareChartView(QWidget* parent = nullptr);

    // The share chart of one form.
    void setChart(ShareChart chart);
    // The stacked chart of every form of `c`.
    void setStacked(const Comparison& c);
    // The bars' groups, their n and (for the share chart) the rest.
    const ShareChart& chart() const { return chart_; }
    bool stacked() const { return stacked_; }

    // Draws the chart filling `size` (never less than minimumSizeHint()).
    void paint(QPainter& painter, QSize size) const;
    // The smallest size at which every label and number shows whole; the
    // height the chart needs at a width (its labels wrap or stand upright by
    // the width of a column).
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    // Sets the least size to what the chart needs now (in a chart_area(), at
    // the width of the area's view).
    void fit();

    // Saves the chart as drawn at its present size (at least the smallest
    // whole one): a PNG at twice the screen's resolution, or an SVG, by the
    // file's extension (.png, .svg). Empty, or why it could not.
    QString save(const QString& path) const;

    // Where each group's label stands at the present size (for checks): its
    // text, the box it is drawn in, the box the whole text needs, and whether
    // it is turned upright. Both boxes are in the widget's coordinates, upright
    // labels as the space they take.
    struct LabelPlace {
        QString text;
        QRectF box;
        QRectF needed;
        bool upright = false;
    };
    std::vector<LabelPlace> labelPlaces() const;
    // The tool tip at a point: an author's dot, or a group's figures.
    QString toolTipAt(QPointF at) const;

    // Bars from fewer tokens than this are hatched.
    static constexpr int kFewTokens = 10;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Layout;
    // Where everything stands at `size`; without the dots' places (which take
    // the longest to work out) when only the room the chart needs is asked.
    Layout layout(QSize size, bool dots = true) const;
    // Its steps: the title and legend, the columns and their labels, the plot
    // and what stands under it, the dots.
    void layoutHeading(Layout& l) const;
    void layoutColumns(Layout& l) const;
    void layoutRows(Layout& l) const;
    void placeDots(Layout& l) const;
    // The steps of paint(): the title and legend, the axis, each column (a
    // stack of every form, or the share chart's bar, dots and whisker).
    void paintHeading(QPainter& p, const Layout& l) const;
    void paintAxis(QPainter& p, const Layout& l) const;
    void paintColumn(QPainter& p, const Layout& l, std::size_t i) const;
    void paintStack(QPainter& p, const Layout& l, std::size_t i) const;
    void paintShare(QPainter& p, const Layout& l, std::size_t i) const;
    // The full layout at `size`, kept until the chart, its font or the size
    // changes: painting and every tool tip read it.
    const Layout& placed(QSize size) const;

    ShareChart chart_;
    bool stacked_ = false;
    // The stacked chart's forms and, per bar, its group's row.
    std::vector<std::string> forms_;
    std::vector<GroupRow> rows_;
    mutable std::shared_ptr<const Layout> placed_;
};

// A scroll area showing `chart` at the width of its view and as tall as the
// chart then needs: it scrolls only when whole labels need more room.
QScrollArea* chart_area(ShareChartView* chart, QWidget* parent, const char* name);

// Saves a chart of the comparison window as PNG or SVG by the file's
// extension. Empty, or why it could not.
QString save_chart_picture(QWidget* chart, const QString& path);

} // namespace zapt::ui
