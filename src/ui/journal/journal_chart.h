#pragma once

#include <QChartView>
#include <cstdint>

#include "journal/journal.h"
#include "journal/journal_text.h"

class QAreaSeries;
class QCategoryAxis;
class QLineSeries;

namespace ondiscale {

// The estimate of one figure after each batch, its 95 % band, and the
// exact probability as a line across. The axes end on round numbers fitted
// to the data, with as many labels as fit the chart's size, written by the
// journal's rule for numbers; the chart follows a dark palette, and tells
// screen readers what it shows.
class JournalChart : public QChartView {
    Q_OBJECT

public:
    explicit JournalChart(QWidget* parent = nullptr);

    // Shows `figure` of a run at `deals` deals counted (countedDeals),
    // `texts` being what the table shows of it; nullptr shows nothing.
    void showFigure(const Figure* figure, std::int64_t deals, const FigureTexts& texts,
                    const NumberStyle& style);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitAxes();
    void followPalette();

    QLineSeries* estimate_;
    QLineSeries* low_;
    QLineSeries* high_;
    QAreaSeries* band_;
    QLineSeries* exact_;
    QCategoryAxis* deals_;
    QCategoryAxis* percent_;

    // What is shown, kept to fit the axes again when the size changes.
    std::int64_t lastDeals_ = 0;
    std::optional<double> exactPercent_;
    double bottom_ = 0;
    double top_ = 100;
    NumberStyle style_;
};

}  // namespace ondiscale
