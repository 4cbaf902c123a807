#pragma once

// A key as the window system gives it to a window: first to the shortcuts
// of the window that has the keyboard, then to its focused control. A
// button's key shows it pressed a moment before it clicks: the press
// returns after that moment.

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

inline void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->windowHandle(), key, modifiers);
    QTest::qWait(250);
}
