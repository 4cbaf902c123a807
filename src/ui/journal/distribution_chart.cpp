#include "ui/journal/distribution_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "journal/readable_numbers.h"
#include "ui/journal/journal_texts.h"
#include "ui/kit/keep_clear.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {

namespace texts = journal_window_texts;

DistributionChart::DistributionChart(QWidget* parent)
    : QChartView(parent),
      shares_(new QBarSet(qtText(texts::kShareOfDeals))),
      values_(new QBarCategoryAxis),
      percent_(new QValueAxis) {
    setObjectName(QStringLiteral("journalBars"));
    setAccessibleName(qtText(texts::kBarsName));
    setRenderHint(QPainter::Antialiasing);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setFocusPolicy(Qt::StrongFocus);
    keepClear(*this);
    auto* series = new QBarSeries;
    series->append(shares_);
    QChart* chart = this->chart();
    chart->addSeries(series);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    percent_->setTitleText(qtText(texts::kPercent));
    percent_->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(values_, Qt::AlignBottom);
    chart->addAxis(percent_, Qt::AlignLeft);
    series->attachAxis(values_);
    series->attachAxis(percent_);
    followPalette();
}

void DistributionChart::followPalette() {
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    chart()->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart()->setBackgroundBrush(palette().color(QPalette::Base));
    setBackgroundBrush(palette().color(QPalette::Window));
    shares_->setColor(dark ? QColor(120, 170, 255) : QColor(20, 70, 150));
    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{values_, percent_}) {
        axis->setLabelsColor(palette().color(QPalette::Text));
        axis->setTitleBrush(palette().color(QPalette::Text));
    }
}

void DistributionChart::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        followPalette();
    }
}

void DistributionChart::showBars(const QString& title, const QString& axisTitle,
                                 const std::vector<std::pair<QString, std::int64_t>>& bars,
                                 std::int64_t deals, const NumberStyle& style) {
    shares_->remove(0, static_cast<int>(shares_->count()));
    values_->clear();
    QStringList labels;
    QStringList said;
    double highest = 0;
    for (const auto& [label, count] : bars) {
        const double percent =
            deals > 0 ? 100.0 * static_cast<double>(count) / static_cast<double>(deals) : 0.0;
        shares_->append(percent);
        labels << label;
        highest = std::max(highest, percent);
        said << qtText(texts::kBarDescription)
                    .arg(label, qtText(fixedText(percent, 1, style.decimal)));
    }
    values_->append(labels);
    values_->setTitleText(axisTitle);
    // The scale ends on the next multiple of 10 above the highest bar.
    percent_->setRange(0, std::clamp(std::ceil(highest / 10) * 10, 10.0, 100.0));
    percent_->setTickCount(static_cast<int>(percent_->max() / 10) + 1);
    chart()->setTitle(title.toHtmlEscaped());
    setAccessibleDescription(title + QStringLiteral(" : ") + said.join(QStringLiteral(" ; ")) +
                             QLatin1Char('.'));
}

}  // namespace ondiscale
