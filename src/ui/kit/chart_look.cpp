#include "ui/kit/chart_look.h"

#include <QAbstractAxis>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QStringList>

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

QString wrappedTitle(const QString& text, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line.toHtmlEscaped();
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line.toHtmlEscaped();
    return lines.join(QStringLiteral("<br>"));
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
