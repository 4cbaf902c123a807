#include "ui/journal/journal_chart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QLineSeries>
#include <QTimer>
#include <algorithm>

#include "text/readable_numbers.h"
#include "ui/journal/journal_texts.h"
#include "ui/kit/axis_ticks.h"
#include "ui/kit/chart_look.h"
#include "ui/kit/keep_clear.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

// Room between two labels of the deals' axis, in widths of a digit, and
// between two of the percentages' axis, in line heights.
constexpr int kLabelGapDigits = 4;
constexpr int kLabelGapLines = 3;
// The chart's own margins and the axes' labels and titles take about this
// much of the view, in line heights.
constexpr int kChromeLines = 5;
// Below this height, in line heights, the deals' axis goes without its title.
constexpr int kDealsTitleLines = 14;

}  // namespace

JournalChart::JournalChart(QWidget* parent)
    : QChartView(parent),
      estimate_(new QLineSeries),
      // The band's edges are not the chart's series: this view owns them.
      low_(new QLineSeries(this)),
      high_(new QLineSeries(this)),
      band_(new QAreaSeries(high_, low_)),
      exact_(new QLineSeries),
      deals_(new QCategoryAxis),
      percent_(new QCategoryAxis) {
    setObjectName(QStringLiteral("journalChart"));
    setRenderHint(QPainter::Antialiasing);
    // Every change repaints the whole view: partial updates of a chart
    // leave fragments of earlier markers and lines.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setFocusPolicy(Qt::StrongFocus);  // Tab reaches it, and its description with it
    keepClear(*this);
    // The view comes with its chart; another given to it would leave this
    // one to leak.
    QChart* chart = this->chart();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->addSeries(band_);
    chart->addSeries(estimate_);
    chart->addSeries(exact_);
    band_->setName(qtText(texts::kBand));
    estimate_->setName(qtText(texts::kEstimate));
    exact_->setName(qtText(texts::kExact));

    deals_->setTitleText(qtText(texts::kDeals));
    percent_->setTitleText(qtText(texts::kPercent));
    for (QCategoryAxis* axis : {deals_, percent_}) {
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    }
    chart->addAxis(deals_, Qt::AlignBottom);
    chart->addAxis(percent_, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(deals_);
        s->attachAxis(percent_);
    }
    followPalette();
}

void JournalChart::followPalette() {
    const bool dark = ondiscale::followPalette(*this);
    // The theme gives the series its own colours: ours come after it.
    const QColor blue = dark ? QColor(120, 170, 255) : QColor(20, 70, 150);
    const QColor red = dark ? QColor(255, 110, 110) : QColor(200, 0, 0);
    band_->setColor(QColor(70, 130, 180, dark ? 110 : 70));
    band_->setBorderColor(QColor(70, 130, 180, 0));
    estimate_->setColor(blue);
    QPen exactPen(red);
    exactPen.setWidth(2);
    exactPen.setStyle(Qt::DashLine);
    exact_->setPen(exactPen);
}

void JournalChart::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        followPalette();
    }
}

void JournalChart::showFigure(const Figure* figure, std::int64_t deals, const FigureTexts& texts,
                              const NumberStyle& style) {
    style_ = style;
    QList<QPointF> estimate;
    QList<QPointF> low;
    QList<QPointF> high;
    if (figure != nullptr && deals > 0) {
        const auto add = [&](std::int64_t atDeals, std::int64_t hits) {
            const FigureStats s = statsOf(hits, atDeals, figure->exact);
            const auto x = static_cast<qreal>(atDeals);
            estimate.append({x, s.estimate});
            low.append({x, s.low});
            high.append({x, s.high});
        };
        for (const BatchHistory::Point& p : figure->history.points()) {
            add(p.deals, p.hits);
        }
        // The thinned history may end before the last batch.
        if (estimate.isEmpty() || estimate.back().x() < static_cast<qreal>(deals)) {
            add(deals, figure->hits);
        }
    }
    // The band of a lone first batch: a narrow bar ending at its point,
    // which stands at the right end of the axis.
    if (estimate.size() == 1) {
        const qreal x = estimate.front().x();
        const qreal from = x * 0.97;
        low = {{from, low.front().y()}, {x, low.front().y()}};
        high = {{from, high.front().y()}, {x, high.front().y()}};
    }
    estimate_->replace(estimate);
    low_->replace(low);
    high_->replace(high);
    // A lone point would draw no line.
    estimate_->setPointsVisible(estimate.size() < 50);
    estimate_->setMarkerSize(7);

    lastDeals_ = std::max<std::int64_t>(deals, 1);
    exactPercent_ =
        figure != nullptr && figure->exact ? std::optional(100 * *figure->exact) : std::nullopt;
    bottom_ = exactPercent_.value_or(low.isEmpty() ? 0.0 : low.front().y());
    top_ = exactPercent_.value_or(high.isEmpty() ? 100.0 : high.front().y());
    for (qsizetype i = 0; i < low.size(); ++i) {
        bottom_ = std::min(bottom_, low[i].y());
        top_ = std::max(top_, high[i].y());
    }
    bottom_ = std::max(0.0, bottom_);
    top_ = std::min(100.0, top_);
    fitAxes();

    // The title is drawn as rich text; a typed distribution is shown as typed.
    title_ = figure != nullptr ? qtText(figure->name) : QString();
    fitTitle();
    setAccessibleDescription(
        figure == nullptr || deals == 0
            ? QString()
            : qtText(texts::kChartDescription)
                  .arg(qtText(figure->name), qtText(texts.estimate),
                       qtText(groupedText(deals, style.group)), qtText(texts.interval),
                       figure->exact ? qtText(texts.exact) : qtText(texts::kNoExactValue)));
}

void JournalChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    fitTitle();
    fitAxes();
}

void JournalChart::fitTitle() {
    const QMargins margins = chart()->margins();
    const QString title =
        wrappedTitle(title_, chart()->titleFont(), width() - margins.left() - margins.right() - 8);
    // The same title set again would lay the chart out again.
    if (chart()->title() != title) {
        chart()->setTitle(title);
    }
}

void JournalChart::fitAxes() {
    const QFontMetrics metrics(deals_->labelsFont());
    const int lines = metrics.height();
    // A short chart gives the deals' title up rather than cut its legend.
    deals_->setTitleVisible(height() >= kDealsTitleLines * lines);
    // As many labels as the view has room for, never crowded.
    const AxisTicks widest = niceTicks(0, static_cast<double>(lastDeals_), 2);
    const int labelWidth = metrics.horizontalAdvance(qtText(
                               groupedText(static_cast<std::int64_t>(widest.max), style_.group))) +
                           kLabelGapDigits * metrics.horizontalAdvance(QLatin1Char('0'));
    const int across = std::max(2, (width() - kChromeLines * lines) / std::max(labelWidth, 1) + 1);
    const int down = std::max(2, (height() - kChromeLines * lines) / (kLabelGapLines * lines) + 1);

    const AxisTicks x = niceTicks(0, static_cast<double>(lastDeals_), across);
    const auto dealsText = [this](double v) {
        return qtText(groupedText(static_cast<std::int64_t>(std::llround(v)), style_.group));
    };
    labelAxis(deals_, x, dealsText);
    // The last label is centred on the axis' end: room for its right half.
    const int halfLast = metrics.horizontalAdvance(dealsText(x.max)) / 2;
    chart()->setMargins(QMargins(4, 4, std::max(4, halfLast + 2), 4));
    AxisTicks y = niceTicks(bottom_, top_, down);
    y.min = std::max(0.0, y.min);
    y.max = std::min(100.0, y.max);
    labelAxis(percent_, y,
              [this, y](double v) { return qtText(fixedText(v, y.decimals, style_.decimal)); });
    exact_->setVisible(exactPercent_.has_value());
    exact_->replace(exactPercent_ ? QList<QPointF>{{x.min, *exactPercent_}, {x.max, *exactPercent_}}
                                  : QList<QPointF>{});
    // The chart lays its items out over the next turns of the event loop,
    // and markers moved on the way can leave fragments where they were:
    // once it has settled, the whole view is drawn again.
    QTimer::singleShot(0, viewport(), [this] {
        scene()->invalidate();
        viewport()->update();
    });
}

}  // namespace ondiscale
