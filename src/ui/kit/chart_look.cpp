#include "ui/kit/chart_look.h"

#include <QAbstractAxis>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>

namespace ondiscale {

bool followPalette(QChartView& view) {
    const QPalette& palette = view.palette();
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    QChart* chart = view.chart();
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setBackgroundBrush(palette.color(QPalette::Base));
    chart->setTitleBrush(palette.color(QPalette::Text));
    view.setBackgroundBrush(palette.color(QPalette::Window));
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsColor(palette.color(QPalette::Text));
        axis->setTitleBrush(palette.color(QPalette::Text));
    }
    return dark;
}

void labelAxis(QCategoryAxis* axis, const AxisTicks& ticks,
               const std::function<QString(double)>& text) {
    for (const QString& old : axis->categoriesLabels()) {
        axis->remove(old);
    }
    axis->setRange(ticks.min, ticks.max);
    axis->setStartValue(ticks.min);
    for (int i = 0; i < ticks.count(); ++i) {
        const double value = ticks.min + i * ticks.step;
        axis->append(text(value), value);
    }
}

}  // namespace ondiscale
