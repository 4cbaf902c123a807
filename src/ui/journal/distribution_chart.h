#pragma once

#include <QChartView>
#include <utility>
#include <vector>

#include "dialogue/number_text.h"

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

namespace ondiscale {

// An analysis's figure as bars: the share of the deals that gave each
// number of tricks, or each par score. It follows a dark palette, and
// tells screen readers every bar.
class DistributionChart : public QChartView {
    Q_OBJECT

public:
    explicit DistributionChart(QWidget* parent = nullptr);

    // One bar a value: its label ("9", "+420") and its deals out of `deals`;
    // the axis below titled `axisTitle`.
    void showBars(const QString& title, const QString& axisTitle,
                  const std::vector<std::pair<QString, std::int64_t>>& bars, std::int64_t deals,
                  const NumberStyle& style);

protected:
    void changeEvent(QEvent* event) override;

private:
    void followPalette();

    QBarSet* shares_;
    QBarCategoryAxis* values_;
    QValueAxis* percent_;
};

}  // namespace ondiscale
