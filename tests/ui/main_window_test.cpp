#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "modal.h"
#include "scripted_dialogue.h"
#include "ui/about_box.h"
#include "ui/kit/twips.h"

using namespace ondiscale;

namespace {

template <typename T = QWidget>
T* child(const QWidget& window, const char* name) {
    auto* w = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// The text of box TextN, and typing into it.
std::string boxText(const QWidget& window, int n) {
    return window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n))->text().toStdString();
}
void type(const QWidget& window, const std::array<const char*, 10>& boxes) {
    for (int n = 1; n <= 10; ++n) {
        window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n))
            ->setText(QString::fromUtf8(boxes[static_cast<std::size_t>(n - 1)]));
    }
}
std::array<std::string, 10> boxes(const QWidget& window) {
    std::array<std::string, 10> out;
    for (int n = 1; n <= 10; ++n) {
        out[static_cast<std::size_t>(n - 1)] = boxText(window, n);
    }
    return out;
}
const std::array<std::string, 10> kDefaults{"0", "13", "0", "13", "0", "13", "0", "13", "0", "37"};

// Where a place given in twips lands on this screen (15 twips a pixel at 96 DPI).
QRect px(const QWidget& w, const QRect& twips) {
    return Twips(w).rect(twips.x(), twips.y(), twips.width(), twips.height());
}

// The whole text fits the control's width, at any DPI the tests run at.
void expectFits(const QWidget& w, const QString& text, int margins = 0) {
    EXPECT_LE(QFontMetrics(w.font()).horizontalAdvance(text) + margins, w.width())
        << w.objectName().toStdString() << " at " << w.logicalDpiX() << " DPI";
}

TEST(MainWindow, EveryControlInPlaceWithItsTextAndFont) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    struct Row {
        const char* name;
        QRect twips;
        const char* text;  // nullptr: not a label or button
        qreal points;
        bool bold;
    };
    const Row rows[] = {
        {"Command2", {600, 0, 3255, 375}, "Fréquence pour 100.000 tirages", 8.25, true},
        {"Text1", {360, 480, 735, 495}, nullptr, 8.25, true},
        {"Label1", {1440, 600, 1695, 375}, "<=  \u2660 <=", 18, true},
        {"Text2", {3360, 480, 735, 495}, nullptr, 8.25, true},
        {"Text3", {360, 1200, 735, 495}, nullptr, 8.25, true},
        {"Label2", {1440, 1320, 1815, 495}, "<=  \u2665 <=", 18, true},
        {"Text4", {3360, 1200, 735, 495}, nullptr, 8.25, true},
        {"Text5", {360, 1920, 735, 495}, nullptr, 8.25, true},
        {"Label4", {1440, 2040, 1815, 495}, "<=  \u2666 <=", 18, true},
        {"Text6", {3360, 1920, 735, 495}, nullptr, 8.25, true},
        {"Text7", {360, 2640, 735, 495}, nullptr, 8.25, true},
        {"Label5", {1440, 2760, 2055, 375}, "<=  \u2663 <=", 18, true},
        {"Text8", {3360, 2640, 735, 495}, nullptr, 8.25, true},
        {"Text9", {360, 3600, 735, 495}, nullptr, 9.75, true},
        {"Label6", {1080, 3720, 2295, 375}, " <= points Honneur <=", 9.75, true},
        {"Text10", {3360, 3600, 735, 495}, nullptr, 9.75, true},
        {"Label7", {120, 4320, 4215, 375}, "Patience, je tire beaucoup de donnes ....", 8.25, true},
        {"Command1", {4560, 240, 255, 4095}, "QUITTER", 8.25, true},
    };
    for (const auto& row : rows) {
        const QWidget* w = child(window, row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), px(window, row.twips)) << row.name;
        EXPECT_EQ(w->font().pointSizeF(), row.points) << row.name;
        EXPECT_EQ(w->font().bold(), row.bold) << row.name;
        EXPECT_TRUE(w->isVisible()) << row.name;
        if (row.text == nullptr) {
            continue;
        }
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            text = label->text();
            expectFits(*w, text);  // nothing of a label is clipped
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            text = button->text();
        }
        EXPECT_EQ(text, QString::fromUtf8(row.text)) << row.name;
    }

    expectFits(*child(window, "Command2"), "Fréquence pour 100.000 tirages", 8);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("QUADRIVELLE: fréquence d'une main précisée"));
    EXPECT_EQ(window.centralWidget()->size(), px(window, QRect(0, 0, 5160, 5145)).size());
    EXPECT_GE(window.centralWidget()->y(), window.menuWidget()->height()) << "below the menus";

    const auto red = QColor(255, 0, 0);
    EXPECT_EQ(child(window, "Label2")->palette().color(QPalette::WindowText), red);
    EXPECT_EQ(child(window, "Label4")->palette().color(QPalette::WindowText), red);
    EXPECT_NE(child(window, "Label1")->palette().color(QPalette::WindowText), red);
    EXPECT_NE(child(window, "Label5")->palette().color(QPalette::WindowText), red);

    auto* bar = child<QProgressBar>(window, "ProgressBar1");
    EXPECT_EQ(bar->geometry(), px(window, QRect(120, 4680, 4695, 375)));
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_FALSE(bar->isVisible()) << "hidden at load";
}

TEST(MainWindow, StartsWithTheDefaultsTheFocusInText1AndAtTheTopRight) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    EXPECT_EQ(boxes(window), kDefaults);
    EXPECT_EQ(window.focusWidget(), child(window, "Text1"));

    // The frame (the offscreen platform draws one of 2 px) at the top-right
    // corner of the work area.
    const QRect area = window.screen()->availableGeometry();
    EXPECT_EQ(window.frameGeometry().topRight(), area.topRight());
    EXPECT_NE(window.frameGeometry(), window.geometry());

    // Tab order: the ten boxes, the frequency button, QUITTER.
    const char* order[] = {"Text1", "Text2", "Text3", "Text4",  "Text5",    "Text6",
                           "Text7", "Text8", "Text9", "Text10", "Command2", "Command1"};
    QWidget* w = child(window, "Text1");
    for (std::size_t i = 1; i < std::size(order); ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisible()) {
            w = w->nextInFocusChain();
        }
        EXPECT_EQ(w->objectName(), QString::fromLatin1(order[i]));
    }
}

TEST(MainWindow, SuitLabelsWriteTheSuitBetweenTheTwoSigns) {
    EXPECT_EQ(MainWindow::suitLabelText(Suit::Spades), QString::fromUtf8("<=  \u2660 <="));
    EXPECT_EQ(MainWindow::suitLabelText(Suit::Hearts), QString::fromUtf8("<=  \u2665 <="));
    EXPECT_EQ(MainWindow::suitLabelText(Suit::Diamonds), QString::fromUtf8("<=  \u2666 <="));
    EXPECT_EQ(MainWindow::suitLabelText(Suit::Clubs), QString::fromUtf8("<=  \u2663 <="));
}

TEST(MainWindow, MenuCaptionsInOrderEachCallingItsOperation) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();

    QStringList captions;
    for (QMenuBar* bar : window.menuWidget()->findChildren<QMenuBar*>()) {
        for (QAction* a : bar->actions()) {
            captions << a->text();
        }
    }
    EXPECT_EQ(captions,
              (QStringList{"A &propos", "&Information", "&Aide", "&Donne", "&Tables",
                           QString::fromUtf8("&Fréquences des distributions "), "&Journal"}));
    EXPECT_EQ(window.menuWidget()->findChildren<QMenuBar*>().size(), 2) << "two rows, no third";

    auto* submenu = window.findChild<QMenu*>(QStringLiteral("mnuFreqDistri"));
    ASSERT_NE(submenu, nullptr);
    QStringList entries;
    for (QAction* a : submenu->actions()) {
        entries << a->objectName() + "=" + a->text();
    }
    EXPECT_EQ(entries, (QStringList{"mnuDistri1=4432, 5332, 5431, 5422, 4333, 6322",
                                    "mnuDistri2=6331, 5521, 4441, 7321, 6430, 5440",
                                    "mnuDistri3=6511, 6520, 7222, 7411, 7420, 7330 "}));
    for (QMenuBar* bar : window.menuWidget()->findChildren<QMenuBar*>()) {
        EXPECT_LE(bar->sizeHint().width(), bar->width()) << "no entry hides behind an overflow";
    }

    // The three surveys, by their input box's default text.
    const std::pair<const char*, const char*> surveys[] = {
        {"mnuDistri1", "6421"}, {"mnuDistri2", "5530"}, {"mnuDistri3", "7510"}};
    for (const auto& [name, defaultText] : surveys) {
        dialogue.calls.clear();
        dialogue.inputs = {""};
        dialogue.answers = {Answer::No};
        window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
        ASSERT_EQ(dialogue.calls.size(), 2U) << name;
        EXPECT_EQ(dialogue.calls[0].defaultText, defaultText) << name;
    }

    dialogue.calls.clear();
    window.findChild<QAction*>(QStringLiteral("mnuHelpmaintype"))->trigger();
    window.findChild<QAction*>(QStringLiteral("mnuInfo"))->trigger();
    ASSERT_EQ(dialogue.calls.size(), 2U);
    const auto& help = dialogue.calls[0];
    EXPECT_EQ(help.title, "QUADRIVELLE. Aide pour les choix de mains précisées");
    EXPECT_EQ(help.buttons, Buttons::Ok);
    EXPECT_EQ(help.prompt.substr(0, 46), "Choisissez les fourchettes du nombre de cartes");
    EXPECT_NE(help.prompt.find("même chose pour les points Honneur.\r\nLe bouton 'Fréquence pour"),
              std::string::npos);
    EXPECT_TRUE(help.prompt.ends_with("(par tranche de 100.000 tirages supplémentaires)."));
    const auto& info = dialogue.calls[1];
    EXPECT_EQ(info.title, "QUADRIVELLE. Fréquence d'une main précisée");
    EXPECT_EQ(info.buttons, Buttons::Ok);
    EXPECT_NE(info.prompt.find("raffiner le résultat).\r\nLe menu 'Fréquences des distributions'"),
              std::string::npos);
    EXPECT_NE(
        info.prompt.find("veut),les fréquences des distributions classiques 4432, 5332, ...( en 3"),
        std::string::npos);
    EXPECT_NE(info.prompt.find("particulièrement.\r\nSi vous voulez, non pas"), std::string::npos);
    EXPECT_TRUE(info.prompt.ends_with("0<= K <=3, 0<= T <=3."));
}

TEST(MainWindow, HelpLeavesTypedBoxesAlone) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText("6");
    window.findChild<QAction*>(QStringLiteral("mnuHelpmaintype"))->trigger();
    window.findChild<QAction*>(QStringLiteral("mnuInfo"))->trigger();
    EXPECT_EQ(boxText(window, 1), "6");
}

TEST(MainWindow, FrequencyButtonRunsWithTheBarShownThenResetsEverything) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    auto* bar = child<QProgressBar>(window, "ProgressBar1");
    child<QLineEdit>(window, "Text1")->setText("5");
    child<QLineEdit>(window, "Text2")->setText("5");
    child<QLineEdit>(window, "Text10")->setText("20");
    dialogue.answers = {Answer::Yes, Answer::No};
    std::vector<std::pair<bool, int>> barDuringReports;
    dialogue.whileOpen = [&](const DialogueCall&) {
        barDuringReports.emplace_back(bar->isVisible(), bar->value());
    };
    child<QPushButton>(window, "Command2")->click();

    const auto reports = dialogue.reports();
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_EQ(reports[1].title,
              "Statistiques sur 200000 tirages au hasard. Voulez-vous continuer?");
    EXPECT_EQ(barDuringReports, (std::vector<std::pair<bool, int>>{{true, 0}, {true, 0}}));
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(boxes(window), kDefaults);
}

// Each rejected group goes back to its defaults only once the user has
// closed its message, the cards first; nothing runs.
TEST(MainWindow, RejectedBoundsAreResetAfterTheirMessageAndNothingRuns) {
    struct Row {
        const char* name;
        std::array<const char*, 10> typed;
        // The boxes while each message is open, and after.
        std::vector<std::array<std::string, 10>> whileOpen;
        std::array<std::string, 10> after;
    };
    const Row rows[] = {
        {"letters in a box",
         {"0", "13", "quatorze", "13", "0", "13", "0", "13", "0", "37"},
         {{"0", "13", "quatorze", "13", "0", "13", "0", "13", "0", "37"}},
         kDefaults},
        {"cards and points",
         {"0", "13", "14", "13", "0", "13", "0", "13", "0", "38"},
         {{"0", "13", "14", "13", "0", "13", "0", "13", "0", "38"},
          {"0", "13", "0", "13", "0", "13", "0", "13", "0", "38"}},
         kDefaults},
        {"cards alone: the points keep what was typed",
         {"7", "6", "0", "13", "0", "13", "0", "13", "0", "0"},
         {{"7", "6", "0", "13", "0", "13", "0", "13", "0", "0"}},
         {"0", "13", "0", "13", "0", "13", "0", "13", "0", "0"}},
        {"points alone",
         {"5", "5", "0", "13", "0", "13", "0", "13", "20", "10"},
         {{"5", "5", "0", "13", "0", "13", "0", "13", "20", "10"}},
         {"5", "5", "0", "13", "0", "13", "0", "13", "0", "37"}},
    };
    for (const Row& row : rows) {
        ScriptedDialogue dialogue;
        MainWindow window(dialogue);
        window.show();
        type(window, row.typed);
        std::vector<std::array<std::string, 10>> seen;
        dialogue.whileOpen = [&](const DialogueCall&) { seen.push_back(boxes(window)); };
        child<QPushButton>(window, "Command2")->click();
        ASSERT_EQ(dialogue.calls.size(), row.whileOpen.size()) << row.name;
        for (const DialogueCall& call : dialogue.calls) {
            EXPECT_EQ(call.prompt, "Choix impossible!! Recommencez!") << row.name;
            EXPECT_EQ(call.buttons, Buttons::Ok);
            EXPECT_FALSE(call.title.has_value()) << "the box bears the application's title";
        }
        EXPECT_EQ(seen, row.whileOpen) << row.name;
        EXPECT_EQ(boxes(window), row.after) << row.name;
        EXPECT_FALSE(child(window, "ProgressBar1")->isVisible()) << row.name;
        EXPECT_TRUE(dialogue.reports().empty()) << row.name << ": no run";
    }
}

// After the cards were refused, a second click runs with the cards back at
// their defaults and the points the user typed.
TEST(MainWindow, ASecondClickRunsWithTheResetCardsAndTheUsersPoints) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    type(window, {"7", "6", "0", "13", "0", "13", "0", "13", "0", "0"});
    child<QPushButton>(window, "Command2")->click();
    dialogue.answers = {Answer::No};
    child<QPushButton>(window, "Command2")->click();
    ASSERT_EQ(dialogue.reports().size(), 1U);
    window.findChild<QAction*>(QStringLiteral("mnuJournal"))->trigger();
    const auto* runs = window.findChild<QListWidget*>(QStringLiteral("journalRuns"));
    ASSERT_NE(runs, nullptr);
    ASSERT_EQ(runs->count(), 1);
    EXPECT_EQ(runs->item(0)->text().replace(QChar(0x00a0), ' '),
              QString::fromUtf8("Main précisée : 0 ≤ points ≤ 0 — 100 000 donnes"));
}

TEST(MainWindow, QuitterClosesTheWindow) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    ASSERT_TRUE(window.isVisible());
    child<QPushButton>(window, "Command1")->click();
    EXPECT_FALSE(window.isVisible());
}

TEST(MainWindow, AboutEntryFillsAndShowsTheSharedBox) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    EXPECT_TRUE(window.findChildren<About*>().isEmpty()) << "created on first use";
    QStringList seen;
    for (int showing = 0; showing < 2; ++showing) {
        whenModal([&](QWidget* modal) {
            seen << modal->windowTitle() << child<QLabel>(*modal, "lblApplication")->text()
                 << child<QLabel>(*modal, "lblHeading")->text()
                 << child<QLabel>(*modal, "lblCopyright")->text();
            child<QPushButton>(*modal, "cmdOK")->click();
        });
        window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    }
    const QStringList once{QString::fromUtf8("À propos"), "LOGICIEL QUADRIVELLE",
                           QString::fromUtf8("Fréquence de mains de bridge de type précisé."),
                           QString::fromUtf8("Copyright © 2026 Les auteurs d'ondiscale")};
    EXPECT_EQ(seen, once + once);
    EXPECT_EQ(window.findChildren<About*>().size(), 1) << "one shared instance";
}

TEST(MainWindow, ScreenReadersHearEachControlByNameInTabOrder) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(window.centralWidget());
    ASSERT_NE(client, nullptr);
    QStringList focusable;
    for (int i = 0; i < client->childCount(); ++i) {
        const QAccessibleInterface* control = client->child(i);
        if (control->role() == QAccessible::EditableText ||
            control->role() == QAccessible::PushButton) {
            focusable << control->text(QAccessible::Name);
        }
    }
    EXPECT_EQ(focusable,
              (QStringList{"Pique minimum", "Pique maximum", "Cœur minimum", "Cœur maximum",
                           "Carreau minimum", "Carreau maximum", "Trèfle minimum", "Trèfle maximum",
                           "Points Honneur minimum", "Points Honneur maximum",
                           "Fréquence pour 100.000 tirages", "QUITTER"}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(child(window, "ProgressBar1"))
                  ->text(QAccessible::Name),
              "Progression du tirage");
    const auto bars = window.menuWidget()->findChildren<QMenuBar*>();
    ASSERT_FALSE(bars.isEmpty());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(bars.front())->text(QAccessible::Name),
              "Barre de menus");
}

TEST(MainWindow, EnterPressesTheFocusedButton) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    dialogue.answers = {Answer::No, Answer::No};
    auto* command2 = child<QPushButton>(window, "Command2");
    command2->setFocus();
    QTest::keyClick(command2, Qt::Key_Return);
    QTest::keyClick(command2, Qt::Key_Enter);  // the keypad's
    EXPECT_EQ(dialogue.reports().size(), 2U);

    auto* command1 = child<QPushButton>(window, "Command1");
    command1->setFocus();
    QTest::keyClick(command1, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
}

TEST(MainWindow, StaysWhereTheUserMovesIt) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    window.move(100, 120);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(100, 120));
}

}  // namespace
