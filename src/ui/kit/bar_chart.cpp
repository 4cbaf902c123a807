#include "ui/kit/bar_chart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QCursor>
#include <QToolTip>
#include <algorithm>

#include "ui/kit/axis_ticks.h"
#include "ui/kit/chart_look.h"

namespace ondiscale {
namespace {

// What the axis says, and what a screen reader hears of the chart: its
// title, then each bar.
constexpr const char* kPercentAxis = "%";
constexpr const char* kChartDescription = "%1 : %2.";
constexpr const char* kBarSaid = "%1 %2";
constexpr const char* kBarsJoin = " ; ";

// Room between two labels of the percentages' axis, in line heights; what
// the chart's margins, title and names take of its height, and its margins
// and the percentages of its width, in line heights.
constexpr int kLabelGapLines = 2;
constexpr int kChromeLinesDown = 4;
constexpr int kChromeLinesAcross = 6;
// Below this height, in line heights, the names go without their title.
constexpr int kNamesTitleLines = 12;

}  // namespace

BarChart::BarChart(QWidget* parent)
    : QChartView(parent),
      series_(new QBarSeries),
      set_(new QBarSet(QString())),
      names_(new QCategoryAxis),
      percent_(new QCategoryAxis),
      valueText_([](double value, int decimals) { return QString::number(value, 'f', decimals); }) {
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);  // Tab reaches it, and its description with it
    // Every change repaints the whole view: partial updates of a chart can
    // leave fragments of earlier bars.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    QChart* chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    series_->append(set_);
    series_->setBarWidth(0.8);
    chart->addSeries(series_);
    percent_->setTitleText(QString::fromUtf8(kPercentAxis));
    for (QCategoryAxis* axis : {names_, percent_}) {
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    }
    names_->setGridLineVisible(false);
    chart->addAxis(names_, Qt::AlignBottom);
    chart->addAxis(percent_, Qt::AlignLeft);
    series_->attachAxis(names_);
    series_->attachAxis(percent_);
    // A bar's whole name and value where the pointer rests on it.
    connect(set_, &QBarSet::hovered, this, [this](bool over, int index) {
        if (!over || index < 0 || static_cast<std::size_t>(index) >= bars_.size()) {
            QToolTip::hideText();
            return;
        }
        const ChartBar& bar = bars_[static_cast<std::size_t>(index)];
        QToolTip::showText(QCursor::pos(), QString::fromUtf8(kBarSaid).arg(bar.name, bar.shown),
                           this);
    });
    followPalette();
}

void BarChart::followPalette() {
    const bool dark = ondiscale::followPalette(*this);
    // The theme gives the bars its own colour: ours comes after it.
    const QColor blue = dark ? QColor(120, 170, 255) : QColor(20, 70, 150);
    set_->setColor(blue);
    set_->setBorderColor(blue);
}

void BarChart::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        followPalette();
    }
}

void BarChart::showBars(const QString& title, const QString& namesTitle,
                        const std::vector<ChartBar>& bars, ValueText valueText) {
    valueText_ = std::move(valueText);
    names_->setTitleText(namesTitle);
    QList<qreal> heights;
    QStringList said;
    top_ = 0;
    for (const ChartBar& bar : bars) {
        heights << bar.percent;
        said << QString::fromUtf8(kBarSaid).arg(bar.name, bar.shown);
        top_ = std::max(top_, bar.percent);
    }
    set_->remove(0, set_->count());
    set_->append(heights);
    bars_ = bars;
    title_ = title;
    setAccessibleDescription(
        QString::fromUtf8(kChartDescription).arg(title, said.join(QString::fromUtf8(kBarsJoin))));
    fitAxes();
}

void BarChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    fitAxes();
}

void BarChart::fitAxes() {
    const QMargins margins = chart()->margins();
    const QString title =
        wrappedTitle(title_, chart()->titleFont(), width() - margins.left() - margins.right() - 8);
    // The same title set again would lay the chart out again.
    if (chart()->title() != title) {
        chart()->setTitle(title);
    }
    const QFontMetrics metrics(names_->labelsFont());
    const int lines = metrics.height();
    // A short chart gives the names' title up rather than cut the names.
    names_->setTitleVisible(height() >= kNamesTitleLines * lines);
    // Bar i stands at i: its name under it where every name has room, else
    // its brief name, else a name every `every` bars, so that none runs
    // into the next: 1, 2, 5, 10, 20…
    const auto count = static_cast<int>(bars_.size());
    // The plot's width once the chart is laid out, else what it will be
    // about.
    const qreal plot = chart()->plotArea().width();
    const double pitch =
        (plot > 0 ? plot : static_cast<double>(std::max(1, width() - kChromeLinesAcross * lines))) /
        std::max(1, count);
    const auto roomFor = [&](bool brief) {
        int widest = 0;
        for (const ChartBar& bar : bars_) {
            widest = std::max(widest, metrics.horizontalAdvance(
                                          brief && !bar.brief.isEmpty() ? bar.brief : bar.name));
        }
        return widest + metrics.horizontalAdvance(QLatin1Char('0'));
    };
    const bool brief = pitch < roomFor(false);
    const int room = roomFor(brief);
    int every = 1;
    for (int power = 1; every * pitch < room && power <= count; power *= 10) {
        for (const int step : {1, 2, 5}) {
            every = step * power;
            if (every * pitch >= room) {
                break;
            }
        }
    }
    for (const QString& old : names_->categoriesLabels()) {
        names_->remove(old);
    }
    names_->setRange(-0.5, count - 0.5);
    names_->setStartValue(-0.5);
    for (int i = 0; i < count; i += every) {
        const ChartBar& bar = bars_[static_cast<std::size_t>(i)];
        names_->append(brief && !bar.brief.isEmpty() ? bar.brief : bar.name, i);
    }

    const int down =
        std::max(2, (height() - kChromeLinesDown * lines) / (kLabelGapLines * lines) + 1);
    AxisTicks y = niceTicks(0, std::max(top_, 1e-9), down);
    y.max = std::min(100.0, y.max);
    labelAxis(percent_, y, [this, y](double v) { return valueText_(v, y.decimals); });
}

}  // namespace ondiscale
