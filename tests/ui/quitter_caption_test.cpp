// Where the QUITTER caption's ink falls on its tall narrow button.
#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>

#include "scripted_dialogue.h"
#include "ui/main_window.h"

using namespace ondiscale;

namespace {

TEST(MainWindow, QuitterCaptionIsCentredOnItsButton) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_NE(button, nullptr);

    // The ink is what the caption adds to the bare button.
    const QImage drawn = button->grab().toImage();
    const QString caption = button->text();
    button->setText(QString());
    const QImage bare = button->grab().toImage();
    button->setText(caption);
    ASSERT_EQ(drawn.size(), bare.size());

    int top = drawn.height();
    int bottom = -1;
    int left = drawn.width();
    int right = -1;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixel(x, y) != bare.pixel(x, y)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(bottom, 0) << "the caption leaves no ink";
    EXPECT_GT(bottom - top, 4 * (right - left)) << "one letter under the other";
    // Equal margins above and below, left and right, within two pixels.
    EXPECT_LE(std::abs(top - (drawn.height() - 1 - bottom)), 2)
        << "ink rows " << top << " to " << bottom << " of " << drawn.height();
    EXPECT_LE(std::abs(left - (drawn.width() - 1 - right)), 2)
        << "ink columns " << left << " to " << right << " of " << drawn.width();
}

}  // namespace
