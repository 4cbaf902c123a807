#include "ui/journal/journal_chart.h"

#include <QAreaSeries>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>
#include <optional>

#include "ui/journal/journal_texts.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {

namespace texts = journal_window_texts;

JournalChart::JournalChart(QWidget* parent)
    : QChartView(parent),
      estimate_(new QLineSeries),
      // The band's edges are not the chart's series: this view owns them.
      low_(new QLineSeries(this)),
      high_(new QLineSeries(this)),
      band_(new QAreaSeries(high_, low_)),
      exact_(new QLineSeries),
      deals_(new QValueAxis),
      percent_(new QValueAxis) {
    setObjectName(QStringLiteral("journalChart"));
    setRenderHint(QPainter::Antialiasing);
    // The view comes with its chart; another given to it would leave this
    // one to leak.
    QChart* chart = this->chart();
    chart->setLocalizeNumbers(true);  // the user's decimal separator on the axes
    chart->setLocale(QLocale::system());
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));

    band_->setName(qtText(texts::kBand));
    band_->setColor(QColor(70, 130, 180, 70));
    band_->setBorderColor(QColor(70, 130, 180, 0));
    estimate_->setName(qtText(texts::kEstimate));
    estimate_->setColor(QColor(20, 70, 150));
    exact_->setName(qtText(texts::kExact));
    QPen exactPen(QColor(200, 0, 0));
    exactPen.setWidth(2);
    exactPen.setStyle(Qt::DashLine);
    exact_->setPen(exactPen);
    chart->addSeries(band_);
    chart->addSeries(estimate_);
    chart->addSeries(exact_);

    deals_->setTitleText(qtText(texts::kDeals));
    deals_->setLabelFormat(QStringLiteral("%.0f"));
    percent_->setTitleText(qtText(texts::kPercent));
    percent_->setLabelFormat(QStringLiteral("%.4g"));
    chart->addAxis(deals_, Qt::AlignBottom);
    chart->addAxis(percent_, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(deals_);
        s->attachAxis(percent_);
    }
}

void JournalChart::showFigure(const Figure* figure, std::int64_t deals) {
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
    // The band of a lone first batch: a narrow bar around its point.
    if (estimate.size() == 1) {
        const qreal x = estimate.front().x();
        const qreal half = x * 0.015;
        low = {{x - half, low.front().y()}, {x + half, low.front().y()}};
        high = {{x - half, high.front().y()}, {x + half, high.front().y()}};
    }
    estimate_->replace(estimate);
    low_->replace(low);
    high_->replace(high);
    // A lone point would draw no line.
    estimate_->setPointsVisible(estimate.size() < 50);
    estimate_->setMarkerSize(7);

    // Without an exact value there is no line, and the axes fit the band alone.
    const std::optional<double> exact =
        figure != nullptr && figure->exact ? std::optional(100 * *figure->exact) : std::nullopt;
    const auto last = static_cast<qreal>(std::max<std::int64_t>(deals, 1));

    double bottom = exact.value_or(low.isEmpty() ? 0.0 : low.front().y());
    double top = exact.value_or(high.isEmpty() ? 0.0 : high.front().y());
    for (qsizetype i = 0; i < low.size(); ++i) {
        bottom = std::min(bottom, low[i].y());
        top = std::max(top, high[i].y());
    }
    const double pad = std::max((top - bottom) * 0.05, 1e-4);
    // A little room past the last batch, where a lone first point would
    // otherwise sit on the edge.
    deals_->setRange(0, last * 1.04);
    deals_->applyNiceNumbers();
    exact_->setVisible(exact.has_value());
    exact_->replace(exact ? QList<QPointF>{{0, *exact}, {deals_->max(), *exact}}
                          : QList<QPointF>{});
    percent_->setRange(std::max(0.0, bottom - pad), std::min(100.0, top + pad));
    percent_->applyNiceNumbers();
    // The title is drawn as rich text; a typed distribution is shown as typed.
    chart()->setTitle(figure != nullptr ? qtText(figure->name).toHtmlEscaped() : QString());
}

}  // namespace ondiscale
