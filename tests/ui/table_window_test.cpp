#include "ui/table_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "keys.h"
#include "modal.h"
#include "scripted_dialogue.h"
#include "simulation/table_run.h"
#include "ui/journal/journal_window.h"
#include "ui/main_window.h"
#include "ui/qt_dialogue.h"

using namespace ondiscale;

namespace {

TableWindow* openTable(MainWindow& window) {
    window.findChild<QAction*>(QStringLiteral("mnuDonne"))->trigger();
    return window.findChild<TableWindow*>(QStringLiteral("Donne"));
}

QLineEdit* box(const QWidget& window, const char* name) {
    auto* b = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

TEST(TableWindow, SixtyNamedBoxesInReadingOrderBesideTheMainWindow) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    TableWindow* table = openTable(window);
    ASSERT_NE(table, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(table->windowTitle(), QString::fromUtf8("Fréquence d'une donne précisée"));
    EXPECT_TRUE(table->isVisible());
    EXPECT_FALSE(table->frameGeometry().intersects(window.frameGeometry())) << "never over it";
    EXPECT_TRUE(window.screen()->availableGeometry().contains(table->frameGeometry()));
    EXPECT_EQ(QApplication::focusWidget(), box(*table, "NordPiqueMin"));

    const char* rows[][2] = {{"Nord", "Nord"},        {"Est", "Est"},
                             {"Sud", "Sud"},          {"Ouest", "Ouest"},
                             {"NordSud", "Nord-Sud"}, {"EstOuest", "Est-Ouest"}};
    const char* measures[][2] = {{"Pique", "pique"},
                                 {"Coeur", "cœur"},
                                 {"Carreau", "carreau"},
                                 {"Trefle", "trèfle"},
                                 {"Points", "points"}};
    QWidget* expected = box(*table, "NordPiqueMin");
    QStringList heard;
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t m = 0; m < 5; ++m) {
            for (const char* end : {"Min", "Max"}) {
                const QString name = QString::fromLatin1(rows[r][0]) +
                                     QString::fromLatin1(measures[m][0]) + QLatin1String(end);
                QLineEdit* b = table->findChild<QLineEdit*>(name);
                ASSERT_NE(b, nullptr) << name.toStdString();
                EXPECT_EQ(b, expected) << "Tab reaches " << name.toStdString() << " in turn";
                heard << QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name);
                // The defaults allow everything.
                const bool side = r >= 4;
                const char* open = std::string(end) == "Min" ? "0"
                                   : m < 4                   ? "13"
                                   : side                    ? "40"
                                                             : "37";
                EXPECT_EQ(b->text(), QString::fromLatin1(open)) << name.toStdString();
                expected = b->nextInFocusChain();
                while (expected->focusPolicy() == Qt::NoFocus) {
                    expected = expected->nextInFocusChain();
                }
            }
        }
    }
    EXPECT_EQ(expected->objectName(), QStringLiteral("cmdDonne"));
    // Then the analysis's controls, then its help.
    for (const char* name : {"AnalyseDonnes", "AnalyseContrats", "cmdAnalyse", "DonneAide"}) {
        do {
            expected = expected->nextInFocusChain();
        } while (expected->focusPolicy() == Qt::NoFocus || !expected->isEnabled() ||
                 expected->objectName().isEmpty() ||
                 expected->objectName().startsWith(QStringLiteral("qt_")));
        EXPECT_EQ(expected->objectName(), QString::fromLatin1(name));
    }
    EXPECT_EQ(heard.size(), 60);
    EXPECT_EQ(heard[0], QStringLiteral("Nord pique minimum"));
    EXPECT_EQ(heard[39], QString::fromUtf8("Ouest points maximum"));
    EXPECT_EQ(heard[48], QStringLiteral("Nord-Sud points minimum"));
    EXPECT_EQ(heard[53], QString::fromUtf8("Est-Ouest cœur maximum"));
}

// Each bad input: one message naming the row and the measure, the keyboard
// at that box, and every box as the user typed it.
TEST(TableWindow, BadBoundsAreSaidTheFocusGoesThereAndNothingIsLost) {
    struct Row {
        std::vector<std::pair<const char*, const char*>> typed;
        const char* message;
        const char* focus;
    };
    const Row rows[] = {
        {{{"SudCoeurMax", ""}},
         "Sud cœur maximum : la case est vide ; il faut un nombre de 0 à 13.",
         "SudCoeurMax"},
        {{{"EstOuestPointsMin", "vingt"}},
         "Est-Ouest points minimum : « vingt » n'est pas un nombre de 0 à 40.",
         "EstOuestPointsMin"},
        {{{"NordPiqueMin", "6"}, {"NordPiqueMax", "4"}},
         "Nord pique : le minimum, 6, dépasse le maximum, 4.",
         "NordPiqueMin"},
        {{{"NordPiqueMax", "3"}, {"SudPiqueMax", "3"}, {"NordSudPiqueMin", "8"}},
         "Nord-Sud pique : aucune paire de mains ne le peut ; Nord et Sud en ont ensemble de 0 à "
         "6, la paire en demande de 8 à 13.",
         "NordSudPiqueMin"},
    };
    for (const Row& r : rows) {
        ScriptedDialogue dialogue;
        MainWindow window(dialogue);
        window.show();
        TableWindow* table = openTable(window);
        for (const auto& [name, text] : r.typed) {
            box(*table, name)->setText(QString::fromUtf8(text));
        }
        table->findChild<QPushButton*>(QStringLiteral("cmdDonne"))->click();
        ASSERT_EQ(dialogue.calls.size(), 1U) << r.message;
        EXPECT_EQ(dialogue.calls[0].prompt, r.message);
        EXPECT_EQ(dialogue.calls[0].title, "Fréquence d'une donne précisée");
        EXPECT_EQ(dialogue.calls[0].buttons, Buttons::Ok);
        EXPECT_EQ(table->focusWidget(), box(*table, r.focus)) << r.message;
        for (const auto& [name, text] : r.typed) {
            EXPECT_EQ(box(*table, name)->text(), QString::fromUtf8(text)) << "kept as typed";
        }
        EXPECT_TRUE(dialogue.reports().empty()) << "no run";
    }
}

// A run through Qt's own boxes, and its entry in the journal.
TEST(TableWindow, ARunThroughTheRealBoxesIntoTheJournal) {
    QtDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    TableWindow* table = openTable(window);
    box(*table, "NordSudPointsMin")->setText(QStringLiteral("25"));
    box(*table, "NordSudPiqueMin")->setText(QStringLiteral("8"));
    QString title;
    QString prompt;
    whenModal([&](QWidget* modal) {
        auto* report = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(report, nullptr);
        title = report->windowTitle();
        prompt = report->text();
        for (QAbstractButton* b : report->buttons()) {
            if (b->text() == QStringLiteral("&Non")) {
                b->click();
            }
        }
    });
    table->findChild<QPushButton*>(QStringLiteral("cmdDonne"))->click();
    EXPECT_TRUE(title.startsWith(QStringLiteral("Statistiques sur 100"))) << title.toStdString();
    EXPECT_TRUE(title.endsWith(QStringLiteral("donnes. Voulez-vous continuer ?")));
    EXPECT_TRUE(prompt.startsWith(QString::fromUtf8("Donnes précisées : ")))
        << prompt.toStdString();
    ASSERT_NE(table->lastRun(), nullptr);
    EXPECT_GT(table->lastRun()->kept().size(), 3000U) << "about 4 530 in 100 000";
    EXPECT_EQ(box(*table, "NordSudPointsMin")->text(), QStringLiteral("25")) << "the bounds stay";

    window.findChild<QAction*>(QStringLiteral("mnuJournal"))->trigger();
    auto* runs = window.findChild<QListWidget*>(QStringLiteral("journalRuns"));
    ASSERT_EQ(runs->count(), 1);
    EXPECT_TRUE(runs->item(0)
                    ->text()
                    .replace(QChar(0x00a0), ' ')
                    .startsWith(QString::fromUtf8(
                        "Donne précisée : Nord-Sud : 8 ≤ ♠ ≤ 13, 25 ≤ points ≤ 40 — 100")));
}

}  // namespace

namespace {

// With the keyboard in a box of the four-hand window, Alt and a letter of
// the main menu does what it does from the main window; Alt and any other
// letter does nothing; no letter lands in the box.
TEST(TableWindow, TheMenuKeysWorkFromItAndNeverTypeIntoABox) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    TableWindow* table = openTable(window);
    QLineEdit* spades = box(*table, "NordPiqueMin");
    // Its own keys come first: Alt+F runs the deals, not the main window's
    // surveys.
    dialogue.answers = {Answer::No};
    press(table, Qt::Key_F, Qt::AltModifier);
    ASSERT_EQ(dialogue.reports().size(), 1U);
    EXPECT_TRUE(dialogue.reports()[0].title.value_or("").starts_with("Statistiques sur 100"))
        << "a four-hand run";
    dialogue.calls.clear();
    struct Row {
        Qt::Key key;
        const char* opens;  // the window that opens, if any
    };
    const Row rows[] = {{Qt::Key_J, "Journal"}, {Qt::Key_T, "Tables"}, {Qt::Key_N, nullptr},
                        {Qt::Key_X, nullptr},   {Qt::Key_D, nullptr},  {Qt::Key_S, nullptr}};
    for (const Row& r : rows) {
        SCOPED_TRACE(QKeySequence(r.key).toString().toStdString());
        spades->setFocus();
        press(table, r.key, Qt::AltModifier);
        EXPECT_EQ(spades->text(), QStringLiteral("0")) << "nothing typed into the box";
        if (r.opens != nullptr) {
            auto* opened = window.findChild<QWidget*>(QString::fromLatin1(r.opens));
            ASSERT_NE(opened, nullptr);
            EXPECT_TRUE(opened->isVisible());
        }
    }
    // Alt+I: the main window's Information, from here.
    spades->setFocus();
    press(table, Qt::Key_I, Qt::AltModifier);
    ASSERT_EQ(dialogue.calls.size(), 1U);
    EXPECT_EQ(dialogue.calls[0].title, "QUADRIVELLE. Fréquence d'une main précisée");
    EXPECT_EQ(spades->text(), QStringLiteral("0"));
}

// A run of two batches through Qt's own boxes, while the window manager
// hands the keyboard around: both report boxes at one place over the
// four-hand window, and after "Non" the keyboard back in that window.
TEST(TableWindow, ItsBoxesStayWithItAndGiveItBackTheKeyboard) {
    QtDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    TableWindow* table = openTable(window);
    QApplication::processEvents();
    std::vector<QRect> boxes;
    const std::function<void(const QString&)> answer = [&](const QString& which) {
        whenModal([&, which](QWidget* modal) {
            boxes.push_back(modal->frameGeometry());
            auto* report = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(report, nullptr);
            // What a window manager may do as a box closes: no window
            // active, or the main one.
            QApplication::setActiveWindow(which == QStringLiteral("&Oui") ? nullptr : &window);
            if (which == QStringLiteral("&Oui")) {
                answer(QStringLiteral("&Non"));  // the next box
            }
            for (QAbstractButton* b : report->buttons()) {
                if (b->text() == which) {
                    b->click();
                }
            }
        });
    };
    answer(QStringLiteral("&Oui"));
    box(*table, "NordSudPointsMin")->setText(QStringLiteral("25"));
    table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table));
    table->findChild<QPushButton*>(QStringLiteral("cmdDonne"))->click();
    QApplication::processEvents();
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes[0].topLeft(), boxes[1].topLeft()) << "one place for the boxes of a run";
    EXPECT_TRUE(boxes[0].intersects(table->frameGeometry())) << "with the window that ran it";
    EXPECT_EQ(QApplication::activeWindow(), table) << "the keyboard back where the run was";
}

// F1, or its "Aide" button: what the window is for, and how contracts are
// written.
TEST(TableWindow, ItsOwnHelp) {
    ScriptedDialogue dialogue;
    MainWindow window(dialogue);
    window.show();
    TableWindow* table = openTable(window);
    press(table, Qt::Key_F1);
    ASSERT_EQ(dialogue.calls.size(), 1U);
    EXPECT_EQ(dialogue.calls[0].title, "Aide — Fréquence d'une donne précisée");
    EXPECT_NE(dialogue.calls[0].prompt.find("« 3SA Sud, 4♠ Nord »"), std::string::npos);
    auto* syntax = table->findChild<QLabel*>(QStringLiteral("AnalyseContratsAide"));
    ASSERT_NE(syntax, nullptr);
    EXPECT_TRUE(syntax->isVisible()) << "the contracts' form shown, not only as an example";
}

}  // namespace
