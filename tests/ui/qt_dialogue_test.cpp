#include "ui/qt_dialogue.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "modal.h"

using namespace ondiscale;

namespace {

QStringList buttonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* b : box->buttons()) {
        texts << b->text();
    }
    texts.sort();
    return texts;
}

TEST(QtDialogue, YesNoBoxWithItsTitleTextButtonsAndNoIcon) {
    QWidget parent;
    parent.show();
    QApplication::setActiveWindow(&parent);
    QtDialogue dialogue;
    bool seen = false;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->parentWidget(), &parent) << "over the window the user is in";
        EXPECT_EQ(
            box->windowTitle(),
            QStringLiteral("Statistiques sur 100000 tirages au hasard. Voulez-vous continuer?"));
        EXPECT_EQ(box->text(), QStringLiteral("ligne 1\nligne <b>2</b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_TRUE(box->iconPixmap().isNull());
        EXPECT_EQ(buttonTexts(box), (QStringList{"&Non", "&Oui"}));
        ASSERT_NE(box->defaultButton(), nullptr);
        EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("&Oui"));
        for (QAbstractButton* b : box->buttons()) {
            EXPECT_TRUE(b->icon().isNull()) << b->text().toStdString();
        }
        EXPECT_TRUE(box->isModal());
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == QStringLiteral("&Non")) {
                b->click();
            }
        }
    });
    const auto answer = dialogue.messageBox(
        "ligne 1\r\nligne <b>2</b>", Buttons::YesNo,
        std::string("Statistiques sur 100000 tirages au hasard. Voulez-vous continuer?"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(answer, Answer::No);

    whenModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        box->defaultButton()->click();
    });
    EXPECT_EQ(dialogue.messageBox("question", Buttons::YesNo, std::string("titre")), Answer::Yes);
}

TEST(QtDialogue, OkBoxWithoutTitleBearsTheApplicationTitle) {
    QWidget parent;
    QtDialogue dialogue;
    bool seen = false;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("ondiscale"));
        EXPECT_EQ(box->text(), QStringLiteral("Choix impossible!! Recommencez!"));
        EXPECT_EQ(buttonTexts(box), QStringList{"OK"});
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        box->buttons().front()->click();
    });
    EXPECT_EQ(dialogue.messageBox("Choix impossible!! Recommencez!", Buttons::Ok, std::nullopt),
              Answer::Ok);
    EXPECT_TRUE(seen);
}

TEST(QtDialogue, InputBoxGivesTheTextUnchangedOnOkAndNothingOnCancel) {
    QWidget parent;
    QtDialogue dialogue;
    whenModal([](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->windowTitle(),
                  QStringLiteral("Choix d'une autre main à distribution précisée."));
        EXPECT_EQ(input->labelText(), QStringLiteral("ouverture\navertissement "));
        EXPECT_EQ(input->textValue(), QStringLiteral("6421"));
        EXPECT_EQ(input->okButtonText(), QStringLiteral("OK"));
        EXPECT_EQ(input->cancelButtonText(), QStringLiteral("&Annuler"));
        for (const auto* button : input->findChildren<QPushButton*>()) {
            EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
        }
        input->setTextValue(QStringLiteral(" 7600 "));
        input->accept();
    });
    EXPECT_EQ(dialogue.inputBox("ouverture\r\navertissement ",
                                "Choix d'une autre main à distribution précisée.", "6421"),
              " 7600 ");

    whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogue.inputBox("p", "t", "5530"), "");
}

// A report asks its question in its title: the box is wide enough for the
// whole title in a bold title font and the title bar's buttons, and never
// wider than the work area.
TEST(QtDialogue, BoxesShowTheirWholeTitle) {
    QWidget parent;
    parent.show();
    QtDialogue dialogue;
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    QStringList seen;
    const auto check = [&](QWidget* modal) {
        seen << modal->windowTitle();
        const int area = modal->screen()->availableGeometry().width();
        const int title = metrics.horizontalAdvance(modal->windowTitle());
        EXPECT_GE(modal->width(), std::min(title + 100, area - 4)) << title;
        EXPECT_LE(modal->width(), area);
        qobject_cast<QDialog*>(modal)->reject();
    };
    whenModal(check);
    dialogue.messageBox("Sud précisé: 5 soit 0,005%", Buttons::YesNo,
                        std::string("Statistiques sur 100000 tirages au hasard. "
                                    "Voulez-vous continuer?"));
    whenModal(check);
    dialogue.messageBox("Choix impossible!! Recommencez!", Buttons::Ok, std::nullopt);
    whenModal(check);
    dialogue.inputBox("p", "Choix d'une autre main à distribution précisée.", "6421");
    whenModal(check);
    dialogue.messageBox("m", Buttons::Ok, std::string(300, 'W'));
    EXPECT_EQ(seen.size(), 4);
}

}  // namespace
