#include "ui/kit/menu_rows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QTest>

#include "ui/kit/twips.h"

using namespace ondiscale;

namespace {

// A window as narrow as the program's (5160 twips), its four entries on two
// rows, a plain entry last as a reminder that rows take any kind of entry.
struct Window {
    QMainWindow window;
    int width = Twips(window).px(5160);
    MenuRows* rows = new MenuRows(width, QStringLiteral("Barre"), QStringLiteral("Suite"), &window);
    QLineEdit* box = new QLineEdit;
    QMenu* distributions = new QMenu(QStringLiteral("&Fréquences des distributions "), rows);
    QStringList triggered;

    Window() {
        window.setMenuWidget(rows);
        window.setCentralWidget(box);
        for (const char* caption : {"A &propos", "&Information", "&Aide"}) {
            QObject::connect(rows->addAction(QString::fromUtf8(caption)), &QAction::triggered,
                             [this, caption] { triggered << QString::fromUtf8(caption); });
        }
        distributions->addAction(QStringLiteral("4432"));
        distributions->addAction(QStringLiteral("6331"));
        rows->addMenu(distributions);
        QObject::connect(rows->addAction(QStringLiteral("&Journal")), &QAction::triggered,
                         [this] { triggered << QStringLiteral("&Journal"); });
        window.show();
        box->setFocus();
        QApplication::setActiveWindow(&window);
    }

    void alt() {
        QWidget* target = QApplication::focusWidget();
        QTest::keyPress(target, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt, Qt::NoModifier);
    }
    void key(Qt::Key key) {
        QWidget* target = QApplication::activePopupWidget() != nullptr
                              ? QApplication::activePopupWidget()
                              : QApplication::focusWidget();
        QTest::keyClick(target, key);
    }
    // "row:caption" of the highlighted entry, "+" if its submenu is open.
    [[nodiscard]] std::string state() const {
        QString s;
        for (std::size_t r = 0; r < rows->rows().size(); ++r) {
            if (const QAction* a = rows->rows()[r]->activeAction()) {
                s += QStringLiteral("%1:%2").arg(r + 1).arg(a->text());
                if (a->menu() != nullptr && a->menu()->isVisible()) {
                    s += QStringLiteral("+");
                }
            }
        }
        return s.toStdString();
    }
};

TEST(MenuRows, EntriesFlowOntoRowsThatHoldThem) {
    Window w;
    ASSERT_EQ(w.rows->rows().size(), 2U);
    for (const QMenuBar* row : w.rows->rows()) {
        EXPECT_LE(row->sizeHint().width(), w.width);
    }
    EXPECT_EQ(w.rows->rows()[0]->accessibleName(), QStringLiteral("Barre"));
    EXPECT_EQ(w.rows->rows()[1]->accessibleName(), QStringLiteral("Suite"));
    EXPECT_EQ(w.rows->rows()[1]->actions().size(), 2);
}

TEST(MenuRows, ArrowsGoThroughEveryEntryOfEveryRowAndWrap) {
    Window w;
    w.alt();
    EXPECT_EQ(w.state(), "1:A &propos");
    for (const char* expected : {"1:&Information", "1:&Aide", "2:&Fréquences des distributions ",
                                 "2:&Journal", "1:A &propos"}) {
        w.key(Qt::Key_Right);
        EXPECT_EQ(w.state(), expected);
    }
    w.key(Qt::Key_Left);
    EXPECT_EQ(w.state(), "2:&Journal");
    w.key(Qt::Key_Left);
    EXPECT_EQ(w.state(), "2:&Fréquences des distributions ");
    // Tab and Shift+Tab step as Right and Left do, across the rows too.
    w.key(Qt::Key_Backtab);
    EXPECT_EQ(w.state(), "1:&Aide");
    w.key(Qt::Key_Tab);
    EXPECT_EQ(w.state(), "2:&Fréquences des distributions ");
    w.key(Qt::Key_Escape);
    EXPECT_EQ(w.state(), "");
    EXPECT_EQ(QApplication::focusWidget(), w.box) << "the focus goes back to the box";
}

TEST(MenuRows, OpenSubmenusFollowLeftAndRightAcrossRows) {
    Window w;
    w.alt();
    w.key(Qt::Key_Left);
    w.key(Qt::Key_Left);
    w.key(Qt::Key_Down);
    EXPECT_EQ(w.state(), "2:&Fréquences des distributions +");
    EXPECT_EQ(w.distributions->activeAction(), w.distributions->actions().front());
    w.key(Qt::Key_Left);
    EXPECT_EQ(w.state(), "1:&Aide");
    w.key(Qt::Key_Right);
    EXPECT_EQ(w.state(), "2:&Fréquences des distributions +") << "still opening menus";
    w.key(Qt::Key_Down);
    w.key(Qt::Key_Return);
    EXPECT_EQ(w.state(), "");
    EXPECT_FALSE(w.distributions->isVisible());
}

TEST(MenuRows, EnterAndLettersChooseEntriesOfEitherRow) {
    Window w;
    w.alt();
    w.key(Qt::Key_Right);
    w.key(Qt::Key_Return);
    EXPECT_EQ(w.triggered, QStringList{"&Information"});
    EXPECT_EQ(w.state(), "");

    w.alt();
    w.key(Qt::Key_F);  // marks the first entry of the second row
    EXPECT_EQ(w.state(), "2:&Fréquences des distributions +");
    w.key(Qt::Key_Escape);
    EXPECT_EQ(w.state(), "2:&Fréquences des distributions ");
    w.key(Qt::Key_A);  // back on the first row
    EXPECT_EQ(w.triggered, (QStringList{"&Information", "&Aide"}));

    w.alt();
    w.key(Qt::Key_J);
    EXPECT_EQ(w.triggered, (QStringList{"&Information", "&Aide", "&Journal"}));
    EXPECT_EQ(QApplication::focusWidget(), w.box);
}

TEST(MenuRows, AltLeavesTheMenusFromEitherRow) {
    Window w;
    w.alt();
    w.key(Qt::Key_Left);
    EXPECT_EQ(w.state(), "2:&Journal");
    w.alt();
    EXPECT_EQ(w.state(), "");
    EXPECT_EQ(QApplication::focusWidget(), w.box);
    w.alt();
    EXPECT_EQ(w.state(), "1:A &propos") << "and the next Alt starts again on the first row";
}

}  // namespace
