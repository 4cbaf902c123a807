#pragma once

#include <QChartView>
#include <vector>

#include "dialogue/number_text.h"
#include "ui/tables/table_sheets.h"

class QBarSeries;
class QBarSet;
class QCategoryAxis;

namespace ondiscale {

// The bars of a table's probabilities, in percent, on an axis that ends on
// a round number written by the window's rule for numbers; under the
// bars, their names, every one where there is room, else one bar in 2, 5,
// 10… The chart
// follows a dark palette, and tells screen readers every bar's value.
class SheetChart : public QChartView {
    Q_OBJECT

public:
    explicit SheetChart(QWidget* parent = nullptr);

    void showBars(const QString& title, const std::vector<SheetBar>& bars,
                  const NumberStyle& style);

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
    QStringList shownNames_;
    double top_ = 100;
    NumberStyle style_;
};

}  // namespace ondiscale
