#include "ui/share_chart_view.h"

#include "ui/text_convert.h"

#include <QBuffer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgGenerator>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace zapt::ui {
namespace {

constexpr double kOuter = 8;      // the margin round the whole chart
constexpr double kMinPlot = 150;  // the least height of the plot of one form's shares
constexpr double kMinStack = 90;  // and of the stacked chart
constexpr double kMinColumn = 36; // the least width of a group's column
constexpr int kMostLines = 3;     // a label wrapped to more lines is turned upright
constexpr double kSmallestDot = 2.0;
constexpr double kLargestDot = 9.0;
constexpr double kSwatch = 10; // the coloured square of a form in the stacked chart's legend

const QColor kBar(70, 130, 180);
const QColor kDotFill(230, 120, 30, 140);
const QColor kDotLine(150, 75, 10);
const QColor kGrid(215, 215, 215);
// The forms' colours in the stacked chart, in the order of the forms.
const QColor kFormColours[] = {QColor(0x209fdf), QColor(0x99ca53), QColor(0xf6a625),
                               QColor(0x6d5fd5), QColor(0xbf593e), QColor(0x3c8f8f),
                               QColor(0xd35fa5), QColor(0x8c8c8c)};

QColor form_colour(std::size_t f) {
    return kFormColours[f % std::size(kFormColours)];
}

QString percent(double share) {
    return QString::number(share * 100, 'f', 1) + " %";
}

QString quoted(const std::string& form) {
    return QString::fromUtf8("\u201c") + toQ(form) + QString::fromUtf8("\u201d");
}

QString legend_text(const ShareChart& c) {
    QString text = QString("Bar: the form's share of the family's tokens in the group, n of them "
                           "under it; a bar from fewer than %1 tokens is hatched. Whisker: 95 % "
                           "Wilson score interval. Dot: one author who uses the family, at the "
                           "author's own share; its area grows with the author's uses of the "
                           "family.")
                       .arg(ShareChartView::kFewTokens);
    if (c.forms == 1)
        text += " One form alone is compared: its share is 100 % wherever it occurs; the shares "
                "table's per_10k compares its rate.";
    return text;
}

QString withheld_text(const ShareChart& c) {
    return QString("dots \u2013: fewer than %1 authors of the group use %2; their dots are "
                   "withheld, as the spread over the authors is.")
        .arg(c.privacyThreshold)
        .arg(quoted(c.form));
}

constexpr int kWrap = Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop;

// The widths of the columns in units of a group's column: the whole corpus,
// holding every author's dot, is wider (up to four units) the more dots it has.
std::vector<double> column_weights(const ShareChart& c) {
    std::vector<double> out;
    for (const ShareBar& b : c.bars) {
        const double dots = static_cast<double>(b.dots.size());
        out.push_back(b.all ? std::clamp(std::sqrt(dots) / 3, 1.0, 4.0) : 1.0);
    }
    return out;
}

// The bars of the stacked chart: each group's labels and n.
ShareChart stacked_bars(const Comparison& c) {
    ShareChart out;
    out.family = c.forms.caption.empty() ? c.forms.name : c.forms.caption;
    out.groupColumns = c.groupColumns;
    out.grouping = c.grouping;
    out.privacyThreshold = c.privacyThreshold;
    for (const GroupRow& row : c.rows) {
        ShareBar bar;
        bar.all = row.group.all;
        if (bar.all) {
            bar.label = "all";
        } else {
            const std::vector<std::string> labels =
                row.labels.empty() ? std::vector<std::string>{band_label(AgeBands(), row.group),
                                                              gender_label(row.group)}
                                   : row.labels;
            for (const std::string& v : labels) bar.label += (bar.label.empty() ? "" : " ") + v;
        }
        bar.n = row.familyCount;
        bar.authors = row.authors;
        out.bars.push_back(std::move(bar));
    }
    return out;
}

} // namespace

struct ShareChartView::Layout {
    QFont font, small, bold;
    QString titleText;
    QRectF title, legend, plot, note;
    std::vector<QRectF> swatches; // the stacked chart's legend: per form, its square
    double col = kMinColumn;
    std::vector<double> rows; // the tops of the rows of figures under the plot
    double rowHeight = 0, labelsTop = 0, labelsHeight = 0;
    bool upright = false;
    bool withheld = false;
    std::vector<QRectF> labelBoxes;
    struct Dot {
        QPointF at;
        double r = 0;
        const ShareDot* dot = nullptr;
    };
    std::vector<std::vector<Dot>> dots; // per bar
    QSize size;
    double left = 0;
    std::vector<double> edges; // the left edge of each column, then the right edge of the last
    double x(std::size_t i) const { return edges[i]; }
    double w(std::size_t i) const { return edges[i + 1] - edges[i]; }
    QRectF column(std::size_t i) const {
        return QRectF(x(i), plot.top(), w(i), labelsTop + labelsHeight - plot.top());
    }
    double y(double share) const { return plot.bottom() - share * plot.height(); }
};

ShareChartView::ShareChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void ShareChartView::setChart(ShareChart chart) {
    chart_ = std::move(chart);
    stacked_ = false;
    forms_.clear();
    rows_.clear();
    placed_.reset();
    fit();
}

void ShareChartView::setStacked(const Comparison& c) {
    chart_ = stacked_bars(c);
    stacked_ = true;
    forms_ = c.forms.forms;
    rows_ = c.rows;
    placed_.reset();
    fit();
}

void ShareChartView::fit() {
    // At least as wide as the columns need; as tall as the chart needs at the
    // width it has (or is about to have in its scroll area).
    const int least = minimumSizeHint().width();
    int w = std::max(least, width());
    if (auto* area =
            qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr))
        w = std::max(least, area->viewport()->width());
    setMinimumSize(least, heightForWidth(w));
    updateGeometry();
    update();
}

bool ShareChartView::hasHeightForWidth() const {
    return true;
}

int ShareChartView::heightForWidth(int width) const {
    const Layout l = layout(QSize(std::max(width, minimumSizeHint().width()), 1), false);
    return static_cast<int>(std::ceil(l.note.bottom() + kOuter));
}

void ShareChartView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const int need = heightForWidth(width());
    if (need != minimumHeight()) setMinimumHeight(need);
}

const ShareChartView::Layout& ShareChartView::placed(QSize size) const {
    if (!placed_ || placed_->size != size || placed_->font != font())
        placed_ = std::make_shared<const Layout>(layout(size));
    return *placed_;
}

ShareChartView::Layout ShareChartView::layout(QSize size, bool dots) const {
    Layout l;
    l.size = size;
    l.font = font();
    l.small = font();
    l.small.setPointSizeF(font().pointSizeF() * 0.92);
    l.bold = font();
    l.bold.setBold(true);
    layoutHeading(l);
    layoutColumns(l);
    layoutRows(l);
    if (dots) placeDots(l);
    return l;
}

// The title and the legend, wrapped to the width.
void ShareChartView::layoutHeading(Layout& l) const {
    const QFontMetricsF sm(l.small), bm(l.bold);
    const double width = std::max<double>(l.size.width(), 1);
    const double textWidth = width - 2 * kOuter;
    l.titleText = stacked_ ? QString("Share of the family's count by group (%)")
                           : "Share of " + quoted(chart_.form) + " in its family (" +
                                 toQ(chart_.family) + "), by " + toQ(chart_.grouping);
    l.title = bm.boundingRect(QRectF(kOuter, kOuter, textWidth, 1e6), kWrap, l.titleText);
    l.title.setLeft(kOuter);
    l.title.setWidth(textWidth);
    if (stacked_) {
        // A square and the form, side by side, wrapped as words are.
        double x = kOuter, y = l.title.bottom() + 4;
        for (const std::string& f : forms_) {
            const double item = kSwatch + 4 + sm.horizontalAdvance(toQ(f));
            if (x > kOuter && x + item > kOuter + textWidth) {
                x = kOuter;
                y += sm.lineSpacing();
            }
            l.swatches.emplace_back(x, y + (sm.lineSpacing() - kSwatch) / 2, kSwatch, kSwatch);
            x += item + 14;
        }
        l.legend = QRectF(kOuter, l.title.bottom() + 4, textWidth,
                          forms_.empty() ? 0 : y + sm.lineSpacing() - l.title.bottom() - 4);
    } else {
        l.legend = sm.boundingRect(QRectF(kOuter, l.title.bottom() + 4, textWidth, 1e6), kWrap,
                                   legend_text(chart_));
        l.legend.setLeft(kOuter);
        l.legend.setWidth(textWidth);
    }
}

// The columns, and their labels: wrapped inside their column, or upright
// when any would need more than kMostLines lines or a word wider than the
// column.
void ShareChartView::layoutColumns(Layout& l) const {
    const QFontMetricsF fm(l.font);
    const double width = std::max<double>(l.size.width(), 1);
    const std::size_t k = chart_.bars.size();
    l.left = kOuter +
             std::max({fm.horizontalAdvance("100 %"), fm.horizontalAdvance("dots"),
                       fm.horizontalAdvance("n")}) +
             10;
    double least = std::max(kMinColumn, fm.lineSpacing() + 6);
    for (const ShareBar& b : chart_.bars) {
        least = std::max(least, fm.horizontalAdvance(QString::number(b.n)) + 8);
        least = std::max(least, fm.horizontalAdvance(QString::number(b.dots.size())) + 8);
    }
    const double right = kOuter + 4;
    const std::vector<double> weights = column_weights(chart_);
    const double units = std::accumulate(weights.begin(), weights.end(), 0.0);
    l.col = k == 0 ? least : std::max(least, (width - l.left - right) / units);
    l.edges.push_back(l.left);
    for (double weight : weights) l.edges.push_back(l.edges.back() + l.col * weight);

    double wrapped = 0, upright = 0;
    bool fit = true;
    for (std::size_t i = 0; i < k; ++i) {
        const QString text = toQ(chart_.bars[i].label);
        const double inner = l.w(i) - 4;
        const QRectF r = fm.boundingRect(QRectF(0, 0, inner, 1e6), kWrap, text);
        if (r.width() > inner + 0.5 || r.height() > kMostLines * fm.lineSpacing() + 0.5)
            fit = false;
        wrapped = std::max(wrapped, r.height());
        upright = std::max(upright, fm.horizontalAdvance(text) + 4);
    }
    l.upright = !fit;
    l.labelsHeight = l.upright ? upright : wrapped;
}

// Top to bottom: title, legend, plot, the rows of figures (n, and the dots of
// the share chart), labels, note.
void ShareChartView::layoutRows(Layout& l) const {
    const QFontMetricsF fm(l.font), sm(l.small);
    const double height = std::max<double>(l.size.height(), 1);
    const double textWidth = std::max<double>(l.size.width(), 1) - 2 * kOuter;
    for (const ShareBar& b : chart_.bars) l.withheld = l.withheld || b.dotsWithheld;
    double noteHeight = 0;
    if (l.withheld) {
        noteHeight =
            sm.boundingRect(QRectF(0, 0, textWidth, 1e6), kWrap, withheld_text(chart_)).height();
    }
    const double top = l.legend.bottom() + 10 + fm.lineSpacing() / 2;
    l.rowHeight = fm.lineSpacing();
    const std::size_t rows = stacked_ ? 1 : 2;
    const double below =
        6 + static_cast<double>(rows) * l.rowHeight + 6 + l.labelsHeight + 8 + noteHeight + kOuter;
    const double plotHeight = std::max(stacked_ ? kMinStack : kMinPlot, height - top - below);
    l.plot = QRectF(l.left, top, l.edges.back() - l.left, plotHeight);
    for (std::size_t r = 0; r < rows; ++r)
        l.rows.push_back(l.plot.bottom() + 6 + static_cast<double>(r) * l.rowHeight);
    l.labelsTop = l.plot.bottom() + 6 + static_cast<double>(rows) * l.rowHeight + 6;
    for (std::size_t i = 0; i < chart_.bars.size(); ++i) {
        l.labelBoxes.emplace_back(l.x(i) + 2, l.labelsTop, l.w(i) - 4, l.labelsHeight);
    }
    l.note = QRectF(kOuter, l.labelsTop + l.labelsHeight + 8, textWidth, noteHeight);
}

// The dots: each at its author's share, pushed sideways within its column as
// little as keeps it clear of the dots placed before it.
void ShareChartView::placeDots(Layout& l) const {
    const std::size_t k = chart_.bars.size();
    int most = 1;
    for (const ShareBar& b : chart_.bars) {
        for (const ShareDot& d : b.dots) most = std::max(most, d.uses);
    }
    const double largest = std::clamp(l.col * 0.2, 4.0, kLargestDot);
    l.dots.resize(k);
    for (std::size_t i = 0; i < k; ++i) {
        const ShareBar& b = chart_.bars[i];
        const double centre = l.x(i) + l.w(i) / 2;
        std::vector<Layout::Dot>& placed = l.dots[i];
        for (const ShareDot& d : b.dots) {
            Layout::Dot dot;
            dot.dot = &d;
            dot.r = std::max(kSmallestDot, largest * std::sqrt(static_cast<double>(d.uses) / most));
            const double y = l.y(d.share);
            const double reach = std::max(0.0, l.w(i) * 0.46 - dot.r);
            double best = 0, bestClearance = -1e9;
            for (double step = 0; step <= reach; step += 1.5) {
                bool done = false;
                for (double off : {step, -step}) {
                    double clearance = 1e9;
                    for (const Layout::Dot& p : placed) {
                        const double dx = centre + off - p.at.x(), dy = y - p.at.y();
                        clearance =
                            std::min(clearance, std::sqrt(dx * dx + dy * dy) - (p.r + dot.r));
                    }
                    if (clearance > bestClearance + 1e-9) {
                        bestClearance = clearance;
                        best = off;
                    }
                    if (clearance >= 0.5) {
                        done = true;
                        break;
                    }
                    if (step == 0) break;
                }
                if (done) break;
            }
            dot.at = QPointF(centre + best, y);
            placed.push_back(dot);
        }
    }
}

QSize ShareChartView::minimumSizeHint() const {
    const QFontMetricsF fm(font());
    // The width the columns need; the height at that width.
    double least = std::max(kMinColumn, fm.lineSpacing() + 6);
    for (const ShareBar& b : chart_.bars) {
        least = std::max(least, fm.horizontalAdvance(QString::number(b.n)) + 8);
        least = std::max(least, fm.horizontalAdvance(QString::number(b.dots.size())) + 8);
    }
    const double left = kOuter +
                        std::max({fm.horizontalAdvance("100 %"), fm.horizontalAdvance("dots"),
                                  fm.horizontalAdvance("n")}) +
                        10;
    const std::vector<double> weights = column_weights(chart_);
    const double units = std::accumulate(weights.begin(), weights.end(), 0.0);
    const int width =
        static_cast<int>(std::ceil(std::max(360.0, left + least * units + kOuter + 4)));
    const Layout l = layout(QSize(width, 1), false);
    return QSize(width, static_cast<int>(std::ceil(l.note.bottom() + kOuter)));
}

QSize ShareChartView::sizeHint() const {
    const QSize least = minimumSizeHint();
    return QSize(std::max(least.width(), 640), std::max(least.height(), 420));
}

void ShareChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint(p, size());
}

void ShareChartView::paint(QPainter& p, QSize size) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, size.width(), size.height()), Qt::white);
    const Layout& l = placed(size);
    paintHeading(p, l);
    if (chart_.bars.empty()) {
        p.setFont(l.font);
        p.drawText(QRectF(0, 0, size.width(), size.height()), Qt::AlignCenter,
                   "No comparison to show.");
        p.restore();
        return;
    }
    paintAxis(p, l);
    for (std::size_t i = 0; i < chart_.bars.size(); ++i) paintColumn(p, l, i);
    if (l.withheld) {
        p.setFont(l.small);
        p.setPen(QColor(60, 60, 60));
        p.drawText(l.note, kWrap, withheld_text(chart_));
    }
    p.restore();
}

void ShareChartView::paintHeading(QPainter& p, const Layout& l) const {
    p.setPen(Qt::black);
    p.setFont(l.bold);
    p.drawText(l.title, kWrap, l.titleText);
    p.setFont(l.small);
    p.setPen(QColor(60, 60, 60));
    if (stacked_) {
        for (std::size_t f = 0; f < forms_.size(); ++f) {
            const QRectF sq = l.swatches[f];
            p.fillRect(sq, form_colour(f));
            p.drawText(QRectF(sq.right() + 4, sq.center().y() - l.rowHeight, 1e4, 2 * l.rowHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, toQ(forms_[f]));
        }
    } else {
        p.drawText(l.legend, kWrap, legend_text(chart_));
    }
}

// The grid, the share axis and the headings of the rows under the plot.
void ShareChartView::paintAxis(QPainter& p, const Layout& l) const {
    p.setFont(l.font);
    const QFontMetricsF fm(l.font);
    for (int tick = 0; tick <= 100; tick += 25) {
        const double y = l.y(tick / 100.0);
        p.setPen(QPen(tick == 0 ? Qt::black : kGrid, 1));
        p.drawLine(QPointF(l.plot.left(), y), QPointF(l.plot.right(), y));
        p.setPen(Qt::black);
        p.drawText(QRectF(kOuter, y - fm.lineSpacing() / 2, l.left - kOuter - 6, fm.lineSpacing()),
                   Qt::AlignRight | Qt::AlignVCenter, QString("%1 %").arg(tick));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(l.plot.topLeft(), l.plot.bottomLeft());
    const QRectF heading(kOuter, 0, l.left - kOuter - 6, l.rowHeight);
    const char* headings[] = {"n", "dots"};
    for (std::size_t r = 0; r < l.rows.size(); ++r)
        p.drawText(heading.translated(0, l.rows[r]), Qt::AlignRight | Qt::AlignVCenter,
                   headings[r]);
}

// Column `i`: its bar (or stack), its figures under the plot and its label.
void ShareChartView::paintColumn(QPainter& p, const Layout& l, std::size_t i) const {
    const ShareBar& b = chart_.bars[i];
    const double x = l.x(i);
    if (b.all && i > 0) {
        p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
        p.drawLine(QPointF(x, l.plot.top()), QPointF(x, l.labelsTop + l.labelsHeight));
    }
    if (stacked_)
        paintStack(p, l, i);
    else
        paintShare(p, l, i);
    // n, and the dots drawn (a dash where they are withheld).
    p.setPen(Qt::black);
    const QRectF cell(x, 0, l.w(i), l.rowHeight);
    p.drawText(cell.translated(0, l.rows[0]), Qt::AlignCenter, QString::number(b.n));
    if (!stacked_) {
        p.drawText(cell.translated(0, l.rows[1]), Qt::AlignCenter,
                   b.dotsWithheld ? QString::fromUtf8("\u2013") : QString::number(b.dots.size()));
    }
    // The label, whole.
    const QRectF box = l.labelBoxes[i];
    if (l.upright) {
        p.save();
        p.translate(box.center().x(), box.top());
        p.rotate(-90);
        // Reads upwards, ending at the top of its box, under its column.
        p.drawText(QRectF(-box.height(), -box.width() / 2, box.height(), box.width()),
                   Qt::AlignRight | Qt::AlignVCenter, toQ(b.label));
        p.restore();
    } else {
        p.drawText(box, kWrap, toQ(b.label));
    }
}

// Every form's share in column `i`, stacked from the first form up.
void ShareChartView::paintStack(QPainter& p, const Layout& l, std::size_t i) const {
    const double centre = l.x(i) + l.w(i) / 2;
    const double barWidth = l.col * 0.56;
    double base = 0;
    const GroupRow& row = rows_[i];
    for (std::size_t f = 0; f < row.cells.size(); ++f) {
        const double share = row.cells[f].share.value_or(0);
        if (share <= 0) continue;
        const QRectF seg(centre - barWidth / 2, l.y(base + share), barWidth,
                         l.y(base) - l.y(base + share));
        p.fillRect(seg, form_colour(f));
        base += share;
    }
}

// Column `i` of the share chart: the bar of the share of the n tokens, the
// authors' dots, and the whisker of the interval over them.
void ShareChartView::paintShare(QPainter& p, const Layout& l, std::size_t i) const {
    const ShareBar& b = chart_.bars[i];
    const double centre = l.x(i) + l.w(i) / 2;
    const double barWidth = l.col * 0.56;
    if (b.share) {
        const QRectF bar(centre - barWidth / 2, l.y(*b.share), barWidth,
                         l.plot.bottom() - l.y(*b.share));
        if (b.n < kFewTokens) {
            p.setPen(QPen(kBar, 1, Qt::DashLine));
            p.setBrush(QBrush(kBar, Qt::BDiagPattern));
        } else {
            p.setPen(QPen(kBar, 1));
            QColor fill = kBar;
            fill.setAlpha(95);
            p.setBrush(fill);
        }
        p.drawRect(bar);
    }
    p.setPen(QPen(kDotLine, 0.8));
    p.setBrush(kDotFill);
    for (const Layout::Dot& d : l.dots[i]) p.drawEllipse(d.at, d.r, d.r);
    if (b.interval) {
        const double cap = l.col * 0.16;
        const double low = l.y(b.interval->low), high = l.y(b.interval->high);
        p.setPen(QPen(Qt::black, 1.6));
        p.drawLine(QPointF(centre, low), QPointF(centre, high));
        p.drawLine(QPointF(centre - cap, low), QPointF(centre + cap, low));
        p.drawLine(QPointF(centre - cap, high), QPointF(centre + cap, high));
    }
}

std::vector<ShareChartView::LabelPlace> ShareChartView::labelPlaces() const {
    const Layout& l = placed(size());
    const QFontMetricsF fm(l.font);
    std::vector<LabelPlace> out;
    for (std::size_t i = 0; i < chart_.bars.size(); ++i) {
        LabelPlace place;
        place.text = toQ(chart_.bars[i].label);
        place.box = l.labelBoxes[i];
        place.upright = l.upright;
        if (l.upright) {
            // The text turned upright: as wide as a line, as tall as its advance.
            const double w = fm.lineSpacing(), h = fm.horizontalAdvance(place.text);
            place.needed = QRectF(place.box.center().x() - w / 2, place.box.top(), w, h);
        } else {
            place.needed = fm.boundingRect(place.box, kWrap, place.text);
        }
        out.push_back(place);
    }
    return out;
}

QString ShareChartView::toolTipAt(QPointF at) const {
    if (chart_.bars.empty()) return {};
    const Layout& l = placed(size());
    // A dot under the pointer: the author's code and figures.
    const Layout::Dot* nearest = nullptr;
    double distance = 1e9;
    for (const auto& column : l.dots) {
        for (const Layout::Dot& d : column) {
            const double dd = std::hypot(d.at.x() - at.x(), d.at.y() - at.y());
            if (dd <= d.r + 1.5 && dd < distance) {
                distance = dd;
                nearest = &d;
            }
        }
    }
    if (nearest) {
        const ShareDot& d = *nearest->dot;
        return QString("author %1: %2 of %3 uses of the family are %4 (%5)")
            .arg(toQ(d.code))
            .arg(static_cast<int>(std::lround(d.share * d.uses)))
            .arg(d.uses)
            .arg(quoted(chart_.form), percent(d.share));
    }
    for (std::size_t i = 0; i < chart_.bars.size(); ++i) {
        if (!l.column(i).contains(at)) continue;
        const ShareBar& b = chart_.bars[i];
        if (stacked_) {
            // The form whose part of the bar is under the pointer, as the
            // stacked bars have always said it.
            const GroupRow& g = rows_[i];
            const double v = (l.plot.bottom() - at.y()) / l.plot.height();
            double top = 0;
            for (const FormCell& cell : g.cells) {
                if (cell.share.value_or(0) <= 0) continue;
                top += *cell.share;
                if (v > top + 1e-9) continue;
                return QString("%1, %2\ncount %3 of %4 (family %5)\nshare %6 %\nper 10,000 "
                               "words: %7\nauthors using it: %8 of %9")
                    .arg(toQ(b.label), toQ(cell.form))
                    .arg(cell.count)
                    .arg(g.words)
                    .arg(g.familyCount)
                    .arg(QString::number(*cell.share * 100, 'f', 2))
                    .arg(cell.per10k ? QString::number(*cell.per10k, 'f', 2) : "-")
                    .arg(cell.authorsUsing)
                    .arg(g.authors);
            }
            return toQ(b.label) + QString("\nn = %1 tokens of the family").arg(b.n);
        }
        QString text = toQ(b.label) + "\n" + quoted(chart_.form) +
                       QString(": %1 of the family's n = %2 tokens").arg(b.count).arg(b.n);
        if (b.share) text += " (" + percent(*b.share) + ")";
        if (b.interval)
            text += "\n95 % Wilson score interval: " + percent(b.interval->low) + " to " +
                    percent(b.interval->high);
        text += QString("\nauthors using it: %1 of %2").arg(b.authorsUsing).arg(b.authors);
        if (b.dotsWithheld)
            text += QString("\nthe authors' dots are withheld: fewer than %1 authors use it")
                        .arg(chart_.privacyThreshold);
        else
            text += QString("\ndots: %1 authors who use the family").arg(b.dots.size());
        if (b.share && b.n < kFewTokens)
            text += QString("\nhatched: fewer than %1 tokens").arg(kFewTokens);
        return text;
    }
    return {};
}

bool ShareChartView::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(e);
}

namespace {

// Draws with `draw` at `size` into a PNG (twice the screen's resolution) or
// an SVG by the file's extension.
QString save_picture(const QString& path, QSize size, const QString& title,
                     const std::function<void(QPainter&)>& draw) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png") {
        QImage image(size * 2, QImage::Format_ARGB32);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            draw(p);
        }
        if (!image.save(path, "PNG")) return "The picture could not be written to " + path + ".";
        return {};
    }
    if (suffix == "svg") {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        {
            QPainter p(&svg);
            draw(p);
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.size())
            return "The picture could not be written to " + path + ".";
        return {};
    }
    return "Save the chart as a .png or .svg file.";
}

} // namespace

QString ShareChartView::save(const QString& path) const {
    const QSize least = minimumSizeHint();
    const QSize size(std::max(width(), least.width()), std::max(height(), least.height()));
    return save_picture(path, size, layout(size, false).titleText,
                        [&](QPainter& p) { paint(p, size); });
}

namespace {

// Keeps a chart as tall as it needs at the width of its scroll area's view.
class ChartFit : public QObject {
public:
    ChartFit(QScrollArea* area, ShareChartView* chart) : QObject(area), chart_(chart) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) chart_->fit();
        return false;
    }

private:
    ShareChartView* chart_;
};

} // namespace

QScrollArea* chart_area(ShareChartView* chart, QWidget* parent, const char* name) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(name);
    area->setWidgetResizable(true);
    area->setWidget(chart);
    area->viewport()->installEventFilter(new ChartFit(area, chart));
    return area;
}

QString save_chart_picture(QWidget* chart, const QString& path) {
    if (auto* view = qobject_cast<ShareChartView*>(chart)) return view->save(path);
    return "Not a chart.";
}

} // namespace zapt::ui
