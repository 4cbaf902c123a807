#include "ui/kit/window_placement.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/kit/keep_clear.h"

using namespace ondiscale;

namespace {

TEST(WindowPlacement, CentringRoundsHalfToEvenThenHalvesTowardsZero) {
    struct Row {
        double area, outer;
        int edge;
    };
    const Row rows[] = {
        {15360, 4800, 5280},  // 1024 px screen
        {15360, 4785, 5287},  // an odd difference loses its remainder
        {3000, 4785, -892},   // a screen smaller than the box: negative, towards zero
        {100.5, 0, 50},       // 100.5 rounds to the even 100
        {101.5, 0, 51},       // 101.5 rounds to the even 102
        {0, 2.5, -1},         // -2.5 rounds to -2, halved to -1
        {0, 3.5, -2},         // -3.5 rounds to -4
    };
    for (const auto& row : rows) {
        EXPECT_EQ(centredEdge(row.area, row.outer), row.edge) << row.area << " - " << row.outer;
    }
}

TEST(WindowPlacement, TopRightCornerOfTheWorkArea) {
    EXPECT_EQ(topRightCorner({300, 200}, {0, 40, 1366, 728}), QPoint(1066, 40));
    EXPECT_EQ(topRightCorner({2000, 200}, {0, 0, 1024, 768}), QPoint(-976, 0)) << "off the left";
}

// A main window of a given outer width at the top-right of the work area,
// and where a window placed beside it lands: never over it, never off the
// work area, the preferred size where there is room.
TEST(WindowPlacement, BesideAnotherWindowOnTheSideThatHasRoom) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    struct Row {
        int mainWidth;  // the other window's width
        int mainHeight;
        QSize preferred;
        QSize least;
        const char* side;
    };
    const Row rows[] = {
        {300, 300, {400, 300}, {200, 200}, "left"},
        {area.width() - 150, 200, {400, 300}, {200, 200}, "below"},
        {area.width() - 150, area.height() - 100, {400, 300}, {200, 200}, "left, narrow"},
    };
    for (const Row& r : rows) {
        QWidget main;
        main.resize(r.mainWidth, r.mainHeight);
        main.move(area.right() + 1 - r.mainWidth, area.top());
        main.show();
        QWidget beside(nullptr, Qt::Window);
        BesidePlacement placement(beside, r.preferred, r.least);
        placement.placeBeside(main);
        beside.show();
        const QRect placed = beside.frameGeometry();
        EXPECT_FALSE(placed.intersects(main.frameGeometry())) << r.side;
        EXPECT_TRUE(area.contains(placed)) << r.side << ": " << placed.x() << ',' << placed.y();
        const std::string side = r.side;
        if (side == "left") {
            EXPECT_EQ(placed.right() + 1, main.frameGeometry().left());
            EXPECT_EQ(beside.size(), r.preferred);
        } else if (side == "below") {
            EXPECT_EQ(placed.top(), main.frameGeometry().bottom() + 1);
            EXPECT_EQ(beside.size(), r.preferred);
        } else {
            EXPECT_LT(beside.width(), r.least.width()) << "as narrow as it must be";
        }
    }
}

// A box asking a question goes over its window, clear of the parts kept in
// view where it can, and wholly on the work area wherever the window is:
// taller or wider than the window, the window at an edge or partly off
// screen, the box as wide as the work area (a very long title).
TEST(WindowPlacement, ABoxStaysWhollyOnTheWorkArea) {
    const QRect area(0, 40, 1366, 688);  // below a 40-px panel
    struct Row {
        const char* name;
        QRect owner;
        QSize box;  // frame included
        QList<QRect> clear;
        bool roomClear = true;  // some place on the area covers none of `clear`
    };
    const Row rows[] = {
        {"taller than its window at the top", {200, 40, 500, 120}, {420, 300}, {}},
        {"taller than its window, the window above the area", {200, 10, 500, 100}, {420, 300}, {}},
        {"at the bottom right", {1066, 628, 300, 100}, {420, 300}, {}},
        {"wider than its window at the left", {-50, 300, 200, 200}, {600, 150}, {}},
        {"as wide as the work area", {400, 300, 500, 300}, {1366, 160}, {}},
        {"as tall as the work area", {400, 300, 500, 300}, {500, 688}, {}},
        {"its window's chart kept clear, near the top",
         {600, 40, 766, 688},
         {420, 300},
         {{610, 200, 740, 500}}},
        {"the window's whole area kept clear",
         {100, 40, 1266, 688},
         {420, 300},
         {{100, 40, 1266, 688}},
         false},
        {"beside a chart kept clear, at the top",
         {800, 40, 566, 300},
         {500, 620},
         {{810, 60, 540, 260}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QRect placed(boxCorner(r.box, area, r.owner, r.clear), r.box);
        EXPECT_TRUE(area.contains(placed)) << placed.x() << "," << placed.y();
        // Where some place on the area is clear, the box takes one.
        if (r.roomClear) {
            for (const QRect& c : r.clear) {
                EXPECT_FALSE(c.intersects(placed)) << placed.x() << "," << placed.y();
            }
        }
    }
    // Nothing kept clear: centred on the window, (300 + 899) / 2 - 100 across.
    EXPECT_EQ(boxCorner({200, 100}, area, {300, 200, 600, 400}, {}), QPoint(499, 349));
}

}  // namespace
