#pragma once

#include <QChartView>
#include <functional>
#include <vector>

class QBarSeries;
class QBarSet;
class QCategoryAxis;

namespace ondiscale {

// One bar: its name, its height in percent, its value as the program
// writes it, for screen readers ("67,83 %"), and a shorter name for under
// the bar where the name takes too much room ("3–2" for "Ouest 3 – Est 2").
struct ChartBar {
    QString name;
    double percent = 0;
    QString shown;
    QString brief;
};

// Bars of percentages, on an axis that ends on a round number; under the
// bars, their names, every one where there is room (the brief ones if the
// names are too wide), else one bar in 2, 5, 10… A bar's tooltip gives its
// whole name and value; the title wraps rather than being cut. The chart
// follows a dark palette, and tells screen readers every bar's name and
// value.
class BarChart : public QChartView {
    Q_OBJECT

public:
    // How the percentages' axis writes a value with so many decimals.
    using ValueText = std::function<QString(double value, int decimals)>;

    explicit BarChart(QWidget* parent = nullptr);

    // `namesTitle` goes under the names, if there is one.
    void showBars(const QString& title, const QString& namesTitle,
                  const std::vector<ChartBar>& bars, ValueText valueText);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitAxes();
    void followPalette();

    QBarSeries* series_;
    QBarSet* set_;
    QCategoryAxis* names_;
    QCategoryAxis* percent_;
    std::vector<ChartBar> bars_;
    QString title_;
    double top_ = 100;
    ValueText valueText_;
};

}  // namespace ondiscale
