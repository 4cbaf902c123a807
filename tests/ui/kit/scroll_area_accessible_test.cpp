#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include "ui/kit/fitting_scroll.h"

namespace ondiscale {
namespace {

// A screen reader counts a scroll area's children, the content shrinks
// and a scroll bar goes, then it asks for the last child it counted: it
// gets that child or nothing, never a read past the end of a list (Qt
// 6.4's own interface crashed the program here). The application's
// set-up, which the tests' main makes too, installs the remedy.
TEST(ScrollAreaAccessible, AChildAskedAfterAScrollBarWentIsNothingOrWhole) {
    for (const bool plainArea : {true, false}) {
        SCOPED_TRACE(plainArea ? "QScrollArea" : "a class of its own");
        auto* content = new QLabel(QStringLiteral("Donne 1"));
        content->setFixedSize(200, 2000);
        QScrollArea* area = plainArea ? new QScrollArea : new FittingScroll(nullptr);
        area->setWidget(content);
        area->resize(300, 200);
        area->show();
        QApplication::processEvents();
        ASSERT_TRUE(area->verticalScrollBar()->isVisible());

        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(area);
        ASSERT_NE(reader, nullptr);
        const int counted = reader->childCount();
        ASSERT_GE(counted, 2);
        content->setFixedSize(200, 50);
        QApplication::processEvents();
        ASSERT_FALSE(area->verticalScrollBar()->isVisible());

        for (int i = 0; i <= counted; ++i) {
            QAccessibleInterface* child = reader->child(i);
            if (i >= reader->childCount()) {
                EXPECT_EQ(child, nullptr) << i;
            } else {
                ASSERT_NE(child, nullptr) << i;
                EXPECT_TRUE(child->isValid()) << i;
            }
        }
        delete area;
    }
}

}  // namespace
}  // namespace ondiscale
