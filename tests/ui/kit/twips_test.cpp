#include "ui/kit/twips.h"

#include <gtest/gtest.h>

using namespace ondiscale;

namespace {

TEST(Twips, AreALogicalInchOver1440AtTheScreensDpi) {
    struct Row {
        qreal dpi;
        int twips, px;
    };
    const Row rows[] = {
        {96, 735, 49},      {96, 5160, 344},   // 15 twips a pixel: as ever at 96 DPI
        {120, 735, 61},     {120, 5160, 430},  // 12 a pixel
        {144, 735, 74},     {144, 5160, 516},  // 10 a pixel; 73.5 rounds up
        {144, -8925, -893},                    // a negative edge, off-screen to the left
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Twips(row.dpi).px(row.twips), row.px) << row.twips << " twips at " << row.dpi;
    }
    EXPECT_DOUBLE_EQ(Twips(96).fromPx(344), 5160);
    EXPECT_DOUBLE_EQ(Twips(144).fromPx(516), 5160);
}

TEST(Twips, RectanglesKeepTheirNeighbours) {
    // Each edge is rounded, not the width: the right edge falls where the
    // twips put it.
    const Twips at144(144);
    EXPECT_EQ(at144.rect(360, 480, 735, 495), QRect(36, 48, 74, 50));
    EXPECT_EQ(at144.rect(360, 480, 735, 495).right() + 1, at144.px(360 + 735));
    EXPECT_EQ(Twips(96).rect(4560, 240, 255, 4095), QRect(304, 16, 17, 273));
}

}  // namespace
