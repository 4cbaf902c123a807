#pragma once

#include <QChartView>
#include <cstdint>

#include "journal/journal.h"

class QAreaSeries;
class QLineSeries;
class QValueAxis;

namespace ondiscale {

// The estimate of one figure after each batch, its 95 % band, and the
// exact probability as a line across.
class JournalChart : public QChartView {
    Q_OBJECT

public:
    explicit JournalChart(QWidget* parent = nullptr);

    // Shows `figure` of a run at `deals` deals; nullptr shows nothing.
    void showFigure(const Figure* figure, std::int64_t deals);

private:
    QLineSeries* estimate_;
    QLineSeries* low_;
    QLineSeries* high_;
    QAreaSeries* band_;
    QLineSeries* exact_;
    QValueAxis* deals_;
    QValueAxis* percent_;
};

}  // namespace ondiscale
