#include "ui/kit/axis_ticks.h"

#include <gtest/gtest.h>

#include <QCategoryAxis>

#include "ui/kit/chart_look.h"

using namespace ondiscale;

namespace {

// The axis a chart gets for some data: round steps, both ends on a tick
// and labelled, every label with the decimals its step needs, in French.
TEST(AxisTicks, RoundStepsWithBothEndsLabelledInFrench) {
    struct Row {
        double low, high;
        int most;
        double step;
        const char* labels;
    };
    const Row rows[] = {
        {0, 1, 5, 0.25, "0,00 0,25 0,50 0,75 1,00"},
        {0, 7.5, 4, 2.5, "0,0 2,5 5,0 7,5"},
        {0, 10, 5, 2.5, "0,0 2,5 5,0 7,5 10,0"},
        {0.3, 7.2, 4, 2.5, "0,0 2,5 5,0 7,5"},
        {4.86, 5.14, 5, 0.1, "4,8 4,9 5,0 5,1 5,2"},
        {3, 97, 6, 20, "0 20 40 60 80 100"},
        {0, 100'000, 5, 25'000, "0 25000 50000 75000 100000"},
        {0, 300'000, 2, 500'000, "0 500000"},
        {50, 50, 5, 0.25, "49,50 49,75 50,00 50,25 50,50"},
        {0.02, 0.07, 6, 0.01, "0,02 0,03 0,04 0,05 0,06 0,07"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.low) + " to " + std::to_string(r.high) + " in " +
                     std::to_string(r.most));
        const AxisTicks ticks = niceTicks(r.low, r.high, r.most);
        EXPECT_DOUBLE_EQ(ticks.step, r.step);
        EXPECT_LE(ticks.min, r.low);
        EXPECT_GE(ticks.max, r.high);
        EXPECT_LE(ticks.count(), r.most);
        QCategoryAxis axis;
        axis.append(QStringLiteral("avant"), 1e6);  // what an earlier figure left
        labelAxis(&axis, ticks, [&](double v) {
            return QString::number(v, 'f', ticks.decimals).replace('.', ',');
        });
        EXPECT_EQ(axis.categoriesLabels().join(' ').toStdString(), r.labels);
        EXPECT_DOUBLE_EQ(axis.min(), ticks.min);
        EXPECT_DOUBLE_EQ(axis.max(), ticks.max);
        ASSERT_FALSE(axis.categoriesLabels().isEmpty());
        EXPECT_DOUBLE_EQ(axis.endValue(axis.categoriesLabels().back()), axis.max())
            << "the last label at the axis' end";
    }
}

}  // namespace
