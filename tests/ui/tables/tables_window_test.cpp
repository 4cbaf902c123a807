#include "ui/tables/tables_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCategoryAxis>
#include <QChartView>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "keys.h"
#include "scripted_dialogue.h"
#include "ui/main_window.h"

using namespace ondiscale;

namespace {

// The main window with a French number style, and its tables opened from
// the menu.
struct Tables {
    ScriptedDialogue dialogue;
    std::unique_ptr<MainWindow> main;
    TablesWindow* window = nullptr;

    Tables() {
        dialogue.separator = ",";
        dialogue.group = " ";
        main = std::make_unique<MainWindow>(dialogue);
        main->show();
        open();
    }

    void open() {
        main->findChild<QAction*>(QStringLiteral("mnuTables"))->trigger();
        window = main->findChild<TablesWindow*>(QStringLiteral("Tables"));
        QApplication::processEvents();
    }

    template <typename T>
    T* child(const char* name) const {
        auto* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Shows a tab, as a click on it would.
    void showTab(const char* page) const {
        auto* tabs = child<QTabWidget>("tablesTabs");
        tabs->setCurrentWidget(child<QWidget>(page));
        QApplication::processEvents();
    }

    QTableWidget* table(const char* name) const { return child<QTableWidget>(name); }
};

QString text(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item != nullptr ? item->text() : QString();
}

// The row shown whose first cells read `first` and `second`; -1 if none.
int rowOf(const QTableWidget* table, const QString& first, const QString& second = {}) {
    for (int r = 0; r < table->rowCount(); ++r) {
        if (text(table, r, 0) == first && (second.isEmpty() || text(table, r, 1) == second)) {
            return r;
        }
    }
    return -1;
}

QStringList column(const QTableWidget* table, int c) {
    QStringList cells;
    for (int r = 0; r < table->rowCount(); ++r) {
        cells << text(table, r, c);
    }
    return cells;
}

void clickHeading(QTableWidget* table, int c) {
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                             header->height() / 2));
}

QString description(const QWidget* w) {
    return QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w))
        ->text(QAccessible::Description);
}

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// A chart's title as read, whatever lines it was broken onto to fit.
QString titleOf(const QChartView* chart) {
    return chart->chart()->title().replace(QStringLiteral("<br>"), QStringLiteral(" "));
}

TEST(TablesWindow, TheMenuOpensItBesideTheMainWindowAndEscapeGoesBack) {
    Tables t;
    ASSERT_NE(t.window, nullptr);
    EXPECT_EQ(t.window->windowTitle(), u("Tables de probabilités"));
    EXPECT_TRUE(t.window->isVisible());
    EXPECT_FALSE(t.window->frameGeometry().intersects(t.main->frameGeometry())) << "never over it";
    EXPECT_TRUE(t.main->screen()->availableGeometry().contains(t.window->frameGeometry()));
    EXPECT_EQ(t.main->findChild<QAction*>(QStringLiteral("mnuTables"))->text(), u("&Tables"));
    // On a row with room for it: no entry hides behind an overflow button.
    for (QMenuBar* row : t.main->menuWidget()->findChildren<QMenuBar*>()) {
        EXPECT_LE(row->sizeHint().width(), row->width()) << "no entry hides";
    }

    auto* tabs = t.child<QTabWidget>("tablesTabs");
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) {
        titles << tabs->tabText(i);
    }
    EXPECT_EQ(titles,
              (QStringList{u("&Répartitions adverses"), u("&Distributions"), u("&Points d'honneur"),
                           u("Couleur la plus &longue"), u("Couleur la plus &courte"), u("&Fit")}));

    QApplication::setActiveWindow(t.window);
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(t.main->isActiveWindow());

    // Opened again: the same window, where it was, with the keyboard.
    const QRect where = t.window->frameGeometry();
    t.open();
    EXPECT_EQ(t.main->findChildren<TablesWindow*>().size(), 1);
    EXPECT_EQ(t.window->frameGeometry(), where);
    EXPECT_TRUE(t.window->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget()->window(), t.window);
}

// Tab goes through the tab shown: its boxes, its table, its chart, then
// the export; every one of them is named for a screen reader.
TEST(TablesWindow, TheKeyboardGoesThroughEveryPartOfATabNamedInFrench) {
    Tables t;
    QApplication::setActiveWindow(t.window);
    t.child<QTabWidget>("tablesTabs")->tabBar()->setFocus();
    const std::pair<const char*, const char*> order[] = {
        {"tablesWestPlaces", "Places vacantes d'Ouest"},
        {"tablesEastPlaces", "Places vacantes d'Est"},
        {"tablesPlacesNote", "Table a priori : rien n'est connu des mains adverses."},
        {"tablesChartMissing", "Nombre de cartes manquantes du graphique"},
        {"tablesSplitsTable", "Table des répartitions adverses"},
        {"tablesSplitsChart", "Graphique des répartitions"},
        {"tablesExport", "Exporter en CSV…"},
    };
    for (const auto& [name, said] : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), QString::fromLatin1(name));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), u(said));
    }

    t.showTab("tablesFit");
    t.child<QTabWidget>("tablesTabs")->tabBar()->setFocus();
    for (const char* name : {"tablesHeld", "tablesGoals", "tablesFitTable", "tablesFitChart"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(t.child<QWidget>("tablesHeld"))
                  ->text(QAccessible::Name),
              u("Cartes en main dans la couleur"));
}

TEST(TablesWindow, SplitsAPrioriWithTheirChart) {
    Tables t;
    QTableWidget* splits = t.table("tablesSplitsTable");
    EXPECT_EQ(t.child<QLabel>("tablesPlacesNote")->text(),
              u("Table a priori : rien n'est connu des mains adverses."));
    const struct {
        const char* split;
        const char* probability;
        const char* layouts;
        const char* perLayout;
    } five[] = {{"3-2", "67,83 %", "20", "3,39 %"},
                {"4-1", "28,26 %", "10", "2,83 %"},
                {"5-0", "3,91 %", "2", "1,96 %"}};
    for (const auto& r : five) {
        const int row = rowOf(splits, QStringLiteral("5"), u(r.split));
        ASSERT_GE(row, 0) << r.split;
        EXPECT_EQ(text(splits, row, 2), u(r.probability)) << r.split;
        EXPECT_EQ(text(splits, row, 3), u(r.layouts)) << r.split;
        EXPECT_EQ(text(splits, row, 4), u(r.perLayout)) << r.split;
    }
    // Every split of 1 to 13 missing cards, the rarest still readable.
    EXPECT_EQ(splits->rowCount(), 55);
    EXPECT_EQ(text(splits, rowOf(splits, QStringLiteral("13"), u("13-0")), 2), u("0,000019 %"));
    EXPECT_EQ(text(splits, rowOf(splits, QStringLiteral("1"), u("1-0")), 2), u("100,00 %"));

    auto* chart = t.child<QChartView>("tablesSplitsChart");
    EXPECT_EQ(titleOf(chart), u("Répartitions de 5 cartes manquantes"));
    EXPECT_EQ(description(chart),
              u("Répartitions de 5 cartes manquantes : 3-2 67,83 % ; 4-1 28,26 % ; 5-0 3,91 %."));
    // The chart follows the row chosen.
    splits->setCurrentCell(rowOf(splits, QStringLiteral("2"), u("1-1")), 1);
    EXPECT_EQ(t.child<QSpinBox>("tablesChartMissing")->value(), 2);
    EXPECT_EQ(description(chart),
              u("Répartitions de 2 cartes manquantes : 1-1 52,00 % ; 2-0 48,00 %."));
}

// Vacant places change the table and what the label says of it; equal
// places are not the a priori table.
TEST(TablesWindow, VacantPlacesMakeTheTableAPosteriori) {
    Tables t;
    QTableWidget* splits = t.table("tablesSplitsTable");
    auto* west = t.child<QSpinBox>("tablesWestPlaces");
    auto* east = t.child<QSpinBox>("tablesEastPlaces");
    auto* label = t.child<QLabel>("tablesPlacesNote");

    west->setValue(7);
    EXPECT_EQ(label->text(), u("Table a posteriori : Ouest a 7 places vacantes, Est 13."));
    // Each way of an uneven split on its own row, with its own odds.
    EXPECT_EQ(rowOf(splits, QStringLiteral("5"), u("3-2")), -1);
    const struct {
        const char* way;
        const char* probability;
        const char* layouts;
        const char* perLayout;
    } ways[] = {{"Ouest 3 – Est 2", "17,61 %", "10", "1,76 %"},
                {"Ouest 2 – Est 3", "38,74 %", "10", "3,87 %"},
                {"Ouest 0 – Est 5", "8,30 %", "1", "8,30 %"},
                {"Ouest 5 – Est 0", "0,14 %", "1", "0,14 %"}};
    for (const auto& r : ways) {
        const int row = rowOf(splits, QStringLiteral("5"), u(r.way));
        ASSERT_GE(row, 0) << r.way;
        EXPECT_EQ(text(splits, row, 2), u(r.probability)) << r.way;
        EXPECT_EQ(text(splits, row, 3), u(r.layouts)) << r.way;
        EXPECT_EQ(text(splits, row, 4), u(r.perLayout)) << r.way;
    }

    east->setValue(7);
    EXPECT_EQ(label->text(), u("Table a posteriori : Ouest a 7 places vacantes, Est 7."));
    EXPECT_EQ(text(splits, rowOf(splits, QStringLiteral("5"), u("3-2")), 2), u("73,43 %"))
        << "even splits grow likelier";
    EXPECT_EQ(text(splits, rowOf(splits, QStringLiteral("5"), u("5-0")), 2), u("2,10 %"));

    // One place each: no more than two missing cards, and they split 1-1;
    // 2-0, which the places forbid, is left out.
    west->setValue(1);
    east->setValue(1);
    EXPECT_EQ(label->text(), u("Table a posteriori : Ouest a 1 place vacante, Est 1."));
    EXPECT_EQ(column(splits, 0), (QStringList{"1", "2"}));
    EXPECT_EQ(text(splits, rowOf(splits, QStringLiteral("2"), u("1-1")), 2), u("100,00 %"));
    EXPECT_EQ(rowOf(splits, QStringLiteral("2"), u("2-0")), -1);
    EXPECT_EQ(t.child<QSpinBox>("tablesChartMissing")->value(), 2) << "no chart of 5 of 2 places";

    west->setValue(13);
    east->setValue(13);
    EXPECT_EQ(label->text(), u("Table a priori : rien n'est connu des mains adverses."));
    EXPECT_EQ(text(splits, rowOf(splits, QStringLiteral("5"), u("3-2")), 2), u("67,83 %"));
}

// A click on a heading sorts by value, not by text; again, the other way.
TEST(TablesWindow, HeadingsSortNumbersByValue) {
    Tables t;
    t.showTab("tablesPoints");
    QTableWidget* points = t.table("tablesPointsTable");
    EXPECT_EQ(column(points, 0).mid(0, 3), (QStringList{"0", "1", "2"})) << "as computed";
    clickHeading(points, 0);
    EXPECT_EQ(column(points, 0).mid(0, 3), (QStringList{"37", "36", "35"}));
    clickHeading(points, 3);
    clickHeading(points, 3);
    EXPECT_EQ(column(points, 0).mid(0, 3), (QStringList{"10", "9", "11"})) << "by hands";
    EXPECT_EQ(text(points, 0, 3), u("59 723 754 816"));
    clickHeading(points, 1);
    EXPECT_EQ(text(points, 0, 0), QStringLiteral("37"));
    EXPECT_EQ(text(points, 0, 1), u("0,00000000063 %"));
}

TEST(TablesWindow, PatternsWithTheirGroups) {
    Tables t;
    t.showTab("tablesPatterns");
    QTableWidget* patterns = t.table("tablesPatternsTable");
    EXPECT_EQ(t.child<QLabel>("tablesGroups")->text(),
              u("Régulières : 4333, 4432, 5332 ; semi-régulières : 5422, 6322 ; les autres sont "
                "irrégulières."));
    ASSERT_EQ(patterns->rowCount(), 39);
    EXPECT_EQ(text(patterns, 0, 0), QStringLiteral("4432"));
    EXPECT_EQ(text(patterns, 0, 1), u("21,55 %"));
    EXPECT_EQ(text(patterns, 0, 2), u("21,55 %"));
    EXPECT_EQ(text(patterns, 0, 4), u("régulière"));
    const int row = rowOf(patterns, QStringLiteral("5422"));
    EXPECT_EQ(text(patterns, row, 4), u("semi-régulière"));
    EXPECT_EQ(text(patterns, rowOf(patterns, QStringLiteral("7222")), 4), u("irrégulière"));
    EXPECT_EQ(text(patterns, 38, 2), u("100,00 %"));
    EXPECT_TRUE(description(t.child<QWidget>("tablesPatternsChart"))
                    .startsWith(u("Distributions d'une main : 4432 21,55 % ; 5332 15,52 %")));
}

TEST(TablesWindow, PointsOfAHandAndOfAPartnershipAndABand) {
    Tables t;
    t.showTab("tablesPoints");
    QTableWidget* points = t.table("tablesPointsTable");
    ASSERT_EQ(points->rowCount(), 38);
    EXPECT_EQ(text(points, 10, 1), u("9,41 %"));
    EXPECT_EQ(text(points, 0, 2), u("100,00 %"));
    auto* band = t.child<QLabel>("tablesBand");
    EXPECT_EQ(band->text(), u("10,10 % des mains")) << "15 to 17 at first";
    t.child<QSpinBox>("tablesBandFrom")->setValue(18);
    EXPECT_EQ(band->text(), u("aucune main : le minimum dépasse le maximum"));

    t.child<QRadioButton>("tablesPartnership")->click();
    ASSERT_EQ(points->rowCount(), 41);
    EXPECT_EQ(text(points, 25, 2), u("17,54 %"));
    EXPECT_EQ(points->horizontalHeaderItem(3)->text(), u("Jeux du camp"));
    EXPECT_EQ(t.child<QSpinBox>("tablesBandTo")->maximum(), 40);
    t.child<QSpinBox>("tablesBandFrom")->setValue(20);
    t.child<QSpinBox>("tablesBandTo")->setValue(20);
    EXPECT_EQ(band->text(), u("8,22 % des jeux du camp"));
    EXPECT_EQ(titleOf(t.child<QChartView>("tablesPointsChart")), u("Points d'honneur d'un camp"));
}

TEST(TablesWindow, LongestAndShortestSuit) {
    Tables t;
    QTableWidget* longest = t.table("tablesLongestTable");
    EXPECT_EQ(column(longest, 0).mid(0, 3), (QStringList{"4", "5", "6"}));
    EXPECT_EQ(text(longest, 1, 1), u("44,34 %"));
    QTableWidget* shortest = t.table("tablesShortestTable");
    EXPECT_EQ(column(shortest, 0), (QStringList{"0", "1", "2", "3"}));
    EXPECT_EQ(column(shortest, 1),
              (QStringList{u("5,11 %"), u("30,55 %"), u("53,80 %"), u("10,54 %")}));
}

TEST(TablesWindow, PartnersCardsAndTheFit) {
    Tables t;
    t.showTab("tablesFit");
    QTableWidget* fit = t.table("tablesFitTable");
    auto* held = t.child<QSpinBox>("tablesHeld");
    EXPECT_EQ(held->value(), 5);
    EXPECT_EQ(text(fit, 3, 0), QStringLiteral("3"));
    EXPECT_EQ(text(fit, 3, 1), QStringLiteral("8"));
    EXPECT_EQ(text(fit, 3, 3), u("54,37 %"));
    EXPECT_EQ(t.child<QLabel>("tablesGoals")->text(),
              u("Au moins 8 cartes ensemble : 54,37 %\nAu moins 9 cartes ensemble : 23,79 %\n"
                "Au moins 10 cartes ensemble : 6,42 %"));
    held->setValue(4);
    ASSERT_EQ(fit->rowCount(), 10);
    EXPECT_EQ(text(fit, 4, 3), u("33,66 %"));
    EXPECT_EQ(titleOf(t.child<QChartView>("tablesFitChart")),
              u("Cartes du partenaire avec 4 en main"));
    held->setValue(13);
    EXPECT_EQ(fit->rowCount(), 1);
    EXPECT_EQ(text(fit, 0, 2), u("100,00 %"));
}

// The file holds the tab shown as sorted, every digit of each figure.
TEST(TablesWindow, TheExportWritesTheTabShownWithEveryDigit) {
    Tables t;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("repartitions.csv"));
    ASSERT_TRUE(t.window->exportTo(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "a byte order mark for spreadsheets";
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 57) << "headings, 55 rows, and the end of the last line";
    EXPECT_EQ(lines[0],
              u("Manque;Répartition;Probabilité;Combinaisons;Probabilité par combinaison"));
    EXPECT_TRUE(lines.contains(u("5;3–2;0,6782608695652174;20;0,03391304347826087")));
    EXPECT_TRUE(lines[55].startsWith(u("13;13–0;0,000000192296598"))) << "not rounded to zero";
    EXPECT_EQ(lines.back(), QString());
    file.close();

    t.showTab("tablesPoints");
    clickHeading(t.table("tablesPointsTable"), 0);
    ASSERT_TRUE(t.window->exportTo(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList points = QString::fromUtf8(file.readAll().mid(3)).split(u'\n');
    EXPECT_EQ(points[0], u("Points;Probabilité;Au moins;Mains"));
    EXPECT_TRUE(points[1].startsWith(u("37;0,000000000006299078"))) << "as sorted";
    EXPECT_TRUE(t.dialogue.calls.empty());
}

TEST(TablesWindow, AFailedExportIsSaidInFrench) {
    Tables t;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("absent/table.csv"));
    EXPECT_FALSE(t.window->exportTo(path));
    ASSERT_EQ(t.dialogue.calls.size(), 1U);
    EXPECT_EQ(u(t.dialogue.calls[0].prompt.c_str()),
              u("La table n'a pas été enregistrée dans « %1 » : le dossier « %2 » n'existe pas.")
                  .arg(path, folder.filePath(QStringLiteral("absent"))));
    EXPECT_EQ(t.dialogue.calls[0].title, "Tables de probabilités");
}

}  // namespace

namespace {

// Every tab in view, none behind scroll arrows, at every desktop these
// tests run on.
TEST(TablesWindow, EveryTabShows) {
    Tables t;
    auto* tabs = t.child<QTabWidget>("tablesTabs");
    const QTabBar* bar = tabs->tabBar();
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << tabs->tabText(i).toStdString();
    }
    EXPECT_TRUE(t.main->screen()->availableGeometry().contains(t.window->frameGeometry()));
}

// Tab into the table leaves the chart as it was; a row chosen with the
// arrows charts its missing cards.
TEST(TablesWindow, TheChartFollowsTheRowChosenNotTheFocus) {
    Tables t;
    auto* missing = t.child<QSpinBox>("tablesChartMissing");
    auto* splits = t.table("tablesSplitsTable");
    missing->setFocus();
    press(t.window, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), splits);
    EXPECT_EQ(missing->value(), 5) << "the focus alone changes nothing";
    press(t.window, Qt::Key_Down);
    const int chosen = splits->currentRow();
    ASSERT_GE(chosen, 0);
    EXPECT_EQ(missing->value(), text(splits, chosen, 0).toInt()) << "the row chosen";
}

// From the keyboard: Ctrl and a column's number sorts by it, again the
// other way; the table's menu offers the same.
TEST(TablesWindow, TheKeyboardSortsATable) {
    Tables t;
    t.showTab("tablesPoints");
    QTableWidget* points = t.table("tablesPointsTable");
    points->setFocus();
    press(t.window, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(column(points, 0).mid(0, 3), (QStringList{"37", "36", "35"}))
        << "sorted the other way";
    press(t.window, Qt::Key_4, Qt::ControlModifier);
    press(t.window, Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(column(points, 0).mid(0, 3), (QStringList{"10", "9", "11"}))
        << "by hands, most first";
    QStringList menu;
    for (const QAction* action : points->actions()) {
        menu << action->text();
    }
    EXPECT_EQ(menu, (QStringList{u("Trier par « Points »"), u("Trier par « Probabilité »"),
                                 u("Trier par « Au moins »"), u("Trier par « Mains »")}));
    EXPECT_EQ(points->contextMenuPolicy(), Qt::ActionsContextMenu) << "Maj+F10 opens it";
}

// A screen reader hears each cell with its column, and the notes as they
// are written.
TEST(TablesWindow, CellsAreHeardWithTheirColumnAndNotesAsWritten) {
    Tables t;
    QTableWidget* splits = t.table("tablesSplitsTable");
    QAccessibleTableInterface* cells =
        QAccessible::queryAccessibleInterface(splits)->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->cellAt(0, 0)->text(QAccessible::Name), u("Manque : 1"));
    EXPECT_EQ(cells->cellAt(0, 1)->text(QAccessible::Name), u("Répartition : 1-0"));
    EXPECT_EQ(cells->cellAt(0, 4)->text(QAccessible::Name), u("% par combinaison : 50,00 %"));
    t.child<QSpinBox>("tablesWestPlaces")->setValue(7);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(t.child<QLabel>("tablesPlacesNote"))
                  ->text(QAccessible::Name),
              u("Table a posteriori : Ouest a 7 places vacantes, Est 13."));
    t.showTab("tablesFit");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(t.child<QLabel>("tablesGoals"))
                    ->text(QAccessible::Name)
                    .startsWith(u("Fit du camp : Au moins 8 cartes ensemble : 54,37 %")));
}

// With 10 places for West, West cannot hold 11 cards or more: those ways
// are left out, and no split reads "0 %".
TEST(TablesWindow, ImpossibleSplitsAreLeftOut) {
    Tables t;
    QTableWidget* splits = t.table("tablesSplitsTable");
    t.child<QSpinBox>("tablesWestPlaces")->setValue(10);
    const QStringList ways = column(splits, 1);
    for (const char* impossible :
         {"Ouest 11 – Est 2", "Ouest 12 – Est 1", "Ouest 13 – Est 0", "Ouest 11 – Est 0"}) {
        EXPECT_FALSE(ways.contains(u(impossible))) << impossible;
    }
    EXPECT_TRUE(ways.contains(u("Ouest 10 – Est 3")));
    EXPECT_FALSE(column(splits, 2).contains(u("0 %")));
}

// Where the places differ, each way of a split has its bar: every bar
// named, briefly where the names would not fit ("3–2" over "Ouest – Est"),
// and heard by its whole name.
TEST(TablesWindow, EveryBarOfTheWaysIsNamed) {
    Tables t;
    t.child<QSpinBox>("tablesWestPlaces")->setValue(7);
    auto* chart = t.child<QChartView>("tablesSplitsChart");
    auto* names = qobject_cast<QCategoryAxis*>(chart->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(names, nullptr);
    const QStringList labels = names->categoriesLabels();
    ASSERT_EQ(labels.size(), 6) << "a name under every bar";
    for (const QString& label : labels) {
        EXPECT_TRUE(
            QRegularExpression(u("^(Ouest \\d – Est \\d|\\d–\\d)$")).match(label).hasMatch())
            << label.toStdString();
    }
    EXPECT_EQ(names->titleText(), u("Ouest – Est"));
    EXPECT_TRUE(description(chart).contains(u("Ouest 3 – Est 2 17,61 %")));
}

// A number typed in the places is taken once the typing pauses: "10" is
// one change, never the table of 1 place first.
TEST(TablesWindow, PlacesTypedAreTakenOnceTheTypingPauses) {
    Tables t;
    auto* west = t.child<QSpinBox>("tablesWestPlaces");
    auto* note = t.child<QLabel>("tablesPlacesNote");
    QSignalSpy changes(west, &QSpinBox::valueChanged);
    west->setFocus();
    west->selectAll();
    QTest::keyClicks(west, QStringLiteral("10"));
    EXPECT_EQ(changes.count(), 0) << "nothing while typing";
    EXPECT_TRUE(changes.wait(2000));
    QTest::qWait(100);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.front().front().toInt(), 10);
    EXPECT_EQ(note->text(), u("Table a posteriori : Ouest a 10 places vacantes, Est 13."));
    // The arrows at once.
    press(t.window, Qt::Key_Up);
    EXPECT_EQ(west->value(), 11);
}

TEST(TablesWindow, ItsOwnHelp) {
    Tables t;
    press(t.window, Qt::Key_F1);
    ASSERT_EQ(t.dialogue.calls.size(), 1U);
    EXPECT_EQ(t.dialogue.calls[0].title, "Aide — Tables de probabilités");
}

}  // namespace
