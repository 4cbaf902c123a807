#include "ui/about_box.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cmath>

#include "modal.h"
#include "ui/kit/twips.h"
#include "ui/kit/window_placement.h"

using namespace ondiscale;

namespace {

QRect px(const QWidget& w, const QRect& twips) {
    return Twips(w).rect(twips.x(), twips.y(), twips.width(), twips.height());
}

QString label(const QWidget& box, const char* name) {
    return box.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

TEST(AboutBox, ControlsInPlace) {
    About box;
    EXPECT_EQ(box.windowTitle(), QString::fromUtf8("À propos"));
    EXPECT_EQ(box.size(), px(box, QRect(0, 0, 4680, 3195)).size());
    struct Row {
        const char* name;
        QRect twips;
        qreal points;
        bool bold;
    };
    const Row rows[] = {
        {"lblHeading", {0, 240, 4695, 855}, 13.5, false},
        {"lblApplication", {120, 960, 4695, 375}, 13.5, true},
        {"lblCopyright", {0, 1800, 4695, 375}, 8.25, false},
        {"cmdOK", {1920, 2280, 1095, 495}, 8.25, false},
    };
    for (const auto& row : rows) {
        const auto* w = box.findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(w, nullptr) << row.name;
        EXPECT_EQ(w->geometry(), px(box, row.twips)) << row.name;
        EXPECT_EQ(w->font().pointSizeF(), row.points) << row.name;
        EXPECT_EQ(w->font().bold(), row.bold) << row.name;
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            EXPECT_TRUE(l->alignment() & Qt::AlignHCenter) << row.name;
            EXPECT_EQ(l->focusPolicy(), Qt::NoFocus) << row.name;
        }
    }
    // The application's name is never cut, at any DPI.
    const auto* application = box.findChild<QLabel*>("lblApplication");
    EXPECT_LE(QFontMetrics(application->font()).horizontalAdvance("LOGICIEL QUADRIVELLE"),
              application->width());
    EXPECT_TRUE(box.findChild<QLabel*>("lblHeading")->wordWrap())
        << "a long heading takes two lines";
    const auto* line = box.findChild<QFrame*>("Line1");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->frameShape(), QFrame::HLine);
    const Twips twips(box);
    EXPECT_EQ(line->x(), twips.px(480));
    EXPECT_EQ(line->x() + line->width(), twips.px(3960));
    EXPECT_EQ(line->y(), twips.px(1680));
    EXPECT_EQ(box.findChild<QPushButton*>("cmdOK")->text(), "OK");
}

TEST(AboutBox, DisplayWithoutPropertiesShowsThePlaceholders) {
    About box;
    QStringList seen;
    whenModal([&](QWidget* modal) {
        seen << label(*modal, "lblHeading") << label(*modal, "lblApplication")
             << label(*modal, "lblCopyright");
        EXPECT_EQ(modal->focusWidget(), modal->findChild<QPushButton*>("cmdOK"));
        modal->findChild<QPushButton*>("cmdOK")->click();
    });
    box.display();
    EXPECT_EQ(seen, (QStringList{"- Heading -", "- Application -", "- Copyright -"}));
}

TEST(AboutBox, PropertiesReplaceThePlaceholdersAndEachShowingLoadsAfresh) {
    About box;
    box.setCopyright("");
    box.setHeading(QString::fromUtf8("Titre"));
    QStringList seen;
    QPoint firstPlace;
    whenModal([&](QWidget* modal) {
        seen << label(*modal, "lblHeading") << label(*modal, "lblApplication")
             << label(*modal, "lblCopyright");
        firstPlace = modal->pos();
        modal->move(5, 5);  // the user moves it; the next showing centres it again
        modal->close();     // the title bar's close button unloads it too
    });
    box.display();
    EXPECT_EQ(seen, (QStringList{"Titre", "- Application -", QString::fromUtf8("Copyright © ")}));

    seen.clear();
    QPoint secondPlace;
    whenModal([&](QWidget* modal) {
        seen << label(*modal, "lblHeading") << label(*modal, "lblCopyright");
        secondPlace = modal->pos();
        modal->findChild<QPushButton*>("cmdOK")->click();
    });
    box.display();
    EXPECT_EQ(seen, (QStringList{"- Heading -", "- Copyright -"}))
        << "reloaded: placeholders again";
    EXPECT_EQ(secondPlace, firstPlace);
    // Centred on the work area by its outer size: the offscreen platform
    // frames windows with 2 px.
    const QRect area = box.screen()->availableGeometry();
    const QSize outer = box.frameGeometry().size();
    ASSERT_NE(outer, box.size());
    const Twips twips(box);
    const int left = centredEdge(twips.fromPx(area.width()), twips.fromPx(outer.width()));
    const int top = centredEdge(twips.fromPx(area.height()), twips.fromPx(outer.height()));
    EXPECT_EQ(firstPlace, area.topLeft() + QPoint(twips.px(left), twips.px(top)));
}

TEST(AboutBox, EnterOnOkClosesIt) {
    About box;
    whenModal([](QWidget* modal) { QTest::keyClick(modal->focusWidget(), Qt::Key_Return); });
    box.display();
    EXPECT_FALSE(box.isVisible());
}

}  // namespace
