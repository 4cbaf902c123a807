#include "ui/journal/journal_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "analysis/analysis_tally.h"
#include "engine/dealer.h"
#include "formats/journal_csv.h"
#include "keys.h"
#include "modal.h"
#include "sample_plans.h"
#include "scripted_dialogue.h"
#include "ui/journal/journal_chart.h"
#include "ui/journal/session_store.h"
#include "ui/main_window.h"
#include "ui/qt_dialogue.h"

using namespace ondiscale;

namespace {

template <typename T>
T* child(const QWidget& window, const char* name) {
    auto* w = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item != nullptr ? item->text() : QString();
}

QLineSeries* series(QChartView* view, const char* name) {
    for (QAbstractSeries* s : view->chart()->series()) {
        if (s->name() == QString::fromUtf8(name)) {
            return qobject_cast<QLineSeries*>(s);
        }
    }
    return nullptr;
}

QCategoryAxis* axis(QChartView* view, Qt::Orientation orientation) {
    return qobject_cast<QCategoryAxis*>(view->chart()->axes(orientation).value(0));
}

// The program's main window with a scripted dialogue, French separators
// and a plain space between groups of digits, and the journal it opens.
struct Session {
    ScriptedDialogue dialogue;
    MainWindow window{dialogue};

    Session() {
        dialogue.separator = std::string(",");
        dialogue.group = std::string(" ");
        window.show();
    }
    void type(const std::array<const char*, 10>& boxes) {
        for (int n = 1; n <= 10; ++n) {
            window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n))
                ->setText(QString::fromUtf8(boxes[static_cast<std::size_t>(n - 1)]));
        }
    }
    void answers(int batches) {
        dialogue.answers.clear();
        for (int b = 1; b < batches; ++b) {
            dialogue.answers.push_back(Answer::Yes);
        }
        dialogue.answers.push_back(Answer::No);
    }
    void frequency(const std::array<const char*, 10>& boxes, int batches) {
        type(boxes);
        answers(batches);
        child<QPushButton>(window, "Command2")->click();
    }
    void survey(const char* entry, const char* typed, int batches) {
        dialogue.inputs = {typed};
        answers(batches);
        window.findChild<QAction*>(QString::fromLatin1(entry))->trigger();
    }
    JournalWindow* journal() {
        window.findChild<QAction*>(QStringLiteral("mnuJournal"))->trigger();
        return window.findChild<JournalWindow*>(QStringLiteral("Journal"));
    }
};

const std::array<const char*, 10> kFiveSpades{"5",  "5", "0",  "13", "0",
                                              "13", "0", "13", "12", "14"};

// "[a ; b] %" read back.
std::pair<double, double> interval(QString text) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral(R"(^\[([0-9,]+) ; ([0-9,]+)\] %$)")).match(text);
    EXPECT_TRUE(m.hasMatch()) << text.toStdString();
    return {m.captured(1).replace(',', '.').toDouble(), m.captured(2).replace(',', '.').toDouble()};
}

TEST(JournalWindow, FollowsAFrequencyRunBesideTheMainWindow) {
    Session s;
    JournalWindow* journal = s.journal();
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(journal->windowTitle(), QStringLiteral("Journal des tirages"));
    EXPECT_FALSE(journal->frameGeometry().intersects(s.window.frameGeometry())) << "never over it";
    EXPECT_TRUE(s.window.screen()->availableGeometry().contains(journal->frameGeometry()));

    auto* runs = child<QListWidget>(*journal, "journalRuns");
    auto* table = child<QTableWidget>(*journal, "journalFigures");
    QStringList behindReports;
    s.dialogue.whileOpen = [&](const DialogueCall&) {
        behindReports << (runs->currentItem() != nullptr ? runs->currentItem()->text() : "")
                      << cellText(table, 0, 0);
    };
    s.frequency(kFiveSpades, 2);

    // Live: each report box has the journal up to date behind it; a title
    // wraps between its ranges only.
    const auto reports = s.dialogue.reports();
    ASSERT_EQ(reports.size(), 2U);
    const QString hits = QString::fromStdString(reports[1].prompt).section(' ', 2, 2);
    ASSERT_EQ(behindReports.size(), 4);
    EXPECT_EQ(behindReports[0].replace(QChar(0x00a0), ' '),
              QString::fromUtf8("Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14 — 100 000 donnes"));
    EXPECT_EQ(QString(behindReports[3]).remove(' '), hits);
    EXPECT_FALSE(runs->item(0)->text().contains(QStringLiteral(" ≤ "))) << "no break in a range";

    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c) {
        headers << table->horizontalHeaderItem(c)->text();
    }
    EXPECT_EQ(headers, (QStringList{QString::fromUtf8("Donnes qui\nconviennent"), "Estimation",
                                    QString::fromUtf8("Intervalle de\nconfiance à 95 %"),
                                    QString::fromUtf8("Probabilité\nexacte"),
                                    QString::fromUtf8("Écart (en\nécarts-types)")}));
    // "Sud précisé: N soit P%": the same N; the estimate with the decimals
    // its interval needs, inside the interval; the exact value likewise.
    const double estimate = hits.toDouble() / 2000;
    const QString shown = cellText(table, 0, 1);
    ASSERT_TRUE(shown.endsWith(QStringLiteral(" %")));
    EXPECT_NEAR(QString(shown).chopped(2).replace(',', '.').toDouble(), estimate, 0.0005 + 1e-9);
    EXPECT_EQ(shown.section(',', 1).chopped(2).size(), 3) << "3 decimals at 200 000 deals";
    const auto [low, high] = interval(cellText(table, 0, 2));
    EXPECT_LT(low, estimate);
    EXPECT_GT(high, estimate);
    EXPECT_EQ(cellText(table, 0, 3), QStringLiteral("2,582 %"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^-?\d,\d$|^0$)"))
                    .match(cellText(table, 0, 4))
                    .hasMatch())
        << cellText(table, 0, 4).toStdString();

    auto* chart = child<JournalChart>(*journal, "journalChart");
    QLineSeries* estimates = series(chart, "Estimation");
    ASSERT_NE(estimates, nullptr);
    ASSERT_EQ(estimates->count(), 2);
    EXPECT_EQ(estimates->at(1).x(), 200000);
    EXPECT_NEAR(estimates->at(1).y(), estimate, 1e-9);
    EXPECT_NEAR(series(chart, "Probabilité exacte")->at(0).y(), 2.582369, 1e-6);

    auto* hands = child<QTableWidget>(*journal, "journalHands");
    EXPECT_EQ(hands->rowCount(), 5);
    EXPECT_EQ(child<QLabel>(*journal, "journalHandsTitle")->text(),
              QString::fromUtf8("Les cinq dernières mains qui conviennent"));
    EXPECT_EQ(hands->horizontalHeaderItem(1)->foreground().color(), QColor(255, 0, 0)) << "♥";
    EXPECT_EQ(hands->horizontalHeaderItem(2)->foreground().color(), QColor(255, 0, 0)) << "♦";

    // The next run shows at once, as the user was following the last one.
    s.dialogue.whileOpen = nullptr;
    s.survey("mnuDistri1", "6421", 1);
    ASSERT_EQ(runs->count(), 2);
    EXPECT_EQ(runs->currentRow(), 1);
    EXPECT_EQ(table->rowCount(), 7);
}

// An older run chosen stays chosen as new runs arrive; its figures, chart
// and hands are its own; a survey's lines each chart their own figure.
TEST(JournalWindow, AnOlderRunStaysChosen) {
    Session s;
    JournalWindow* journal = s.journal();
    s.survey("mnuDistri1", "6421", 2);
    auto* runs = child<QListWidget>(*journal, "journalRuns");
    auto* table = child<QTableWidget>(*journal, "journalFigures");
    auto* chart = child<JournalChart>(*journal, "journalChart");
    auto* hands = child<QTableWidget>(*journal, "journalHands");

    table->setCurrentCell(3, 0);
    EXPECT_EQ(chart->chart()->title(), QStringLiteral("5422"));
    table->setCurrentCell(0, 0);
    EXPECT_EQ(chart->chart()->title(), QStringLiteral("4432")) << "back to the first line";
    EXPECT_NEAR(series(chart, "Probabilité exacte")->at(0).y(), 21.55118, 1e-5);
    EXPECT_EQ(cellText(table, 0, 3), QStringLiteral("21,55 %")) << "2 decimals at 20 000 deals";

    s.frequency(kFiveSpades, 1);  // followed: the new run shows
    ASSERT_EQ(runs->currentRow(), 1);
    runs->setCurrentRow(0);  // the user goes back to the survey
    s.frequency({"0", "13", "0", "13", "0", "13", "0", "13", "0", "37"}, 1);
    EXPECT_EQ(runs->count(), 3);
    EXPECT_EQ(runs->currentRow(), 0) << "the user's choice is kept";
    EXPECT_EQ(table->rowCount(), 7);
    EXPECT_EQ(hands->rowCount(), 7);
    EXPECT_EQ(cellText(hands, 0, 0), QStringLiteral("4432"));
    EXPECT_EQ(series(chart, "Estimation")->at(1).x(), 20000);
}

TEST(JournalWindow, ScreenReadersHearTheWindowItsPartsAndEveryCard) {
    Session s;
    s.frequency(kFiveSpades, 1);
    JournalWindow* journal = s.journal();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(journal);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window) << "a frame, whose title is announced";
    const std::pair<const char*, const char*> parts[] = {
        {"journalRuns", "Tirages de la séance"},
        {"journalFigures", "Chiffres du tirage choisi"},
        {"journalChart", "Estimation après chaque tranche"},
        {"journalHands", "Exemples de mains"},
    };
    for (const auto& [name, heard] : parts) {
        QAccessibleInterface* part =
            QAccessible::queryAccessibleInterface(child<QWidget>(*journal, name));
        ASSERT_NE(part, nullptr) << name;
        EXPECT_EQ(part->text(QAccessible::Name), QString::fromUtf8(heard)) << name;
    }
    // The chart says what it shows.
    const QString described =
        QAccessible::queryAccessibleInterface(child<QWidget>(*journal, "journalChart"))
            ->text(QAccessible::Description);
    EXPECT_TRUE(described.startsWith(QString::fromUtf8("Main précisée : estimation ")))
        << described.toStdString();
    EXPECT_TRUE(described.contains(QString::fromUtf8("après 100 000 donnes, intervalle à 95 % [")))
        << described.toStdString();
    // With the decimals the run's margin needs: 2 or 3 after 100,000 deals.
    EXPECT_TRUE(described.contains(
        QRegularExpression(QString::fromUtf8("probabilité exacte 2,58(2)? %\\.$"))))
        << described.toStdString();

    // The hands card by card, and no action to perform on a cell.
    auto* hands = child<QTableWidget>(*journal, "journalHands");
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(hands)->tableInterface();
    ASSERT_NE(table, nullptr);
    QAccessibleInterface* spades = table->cellAt(0, 0);
    ASSERT_NE(spades, nullptr);
    EXPECT_TRUE(
        QRegularExpression(
            QStringLiteral(R"(^Pique : (As|Roi|Dame|Valet|\d+)(, (As|Roi|Dame|Valet|\d+)){4}$)"))
            .match(spades->text(QAccessible::Name))
            .hasMatch())
        << spades->text(QAccessible::Name).toStdString();
    EXPECT_EQ(spades->actionInterface(), nullptr);
    EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Name).section(' ', 0, 1),
              QString::fromUtf8("Cœur :"));
    QAccessibleInterface* figures =
        QAccessible::queryAccessibleInterface(child<QWidget>(*journal, "journalFigures"));
    EXPECT_TRUE(figures->tableInterface()
                    ->cellAt(0, 3)
                    ->text(QAccessible::Name)
                    .contains(QRegularExpression(QStringLiteral("^2,58(2)? %$"))));
    EXPECT_EQ(figures->tableInterface()->cellAt(0, 3)->actionInterface(), nullptr);
}

// From the menu the journal takes the keyboard; Tab goes from part to part
// and out of the tables; Escape gives the keyboard back.
TEST(JournalWindow, TheKeyboardGoesThroughAndBack) {
    Session s;
    s.frequency(kFiveSpades, 1);
    QApplication::setActiveWindow(&s.window);
    JournalWindow* journal = s.journal();
    QApplication::processEvents();
    EXPECT_TRUE(journal->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(*journal, "journalRuns"));

    const char* order[] = {"journalFigures",   "journalChart",    "journalHands",
                           "journalHelp",      "journalSessions", "journalCopyPbn",
                           "journalExportPbn", "journalSave",     "journalRuns"};
    for (const char* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(*journal, next)) << next;
    }
    auto* save = child<QPushButton>(*journal, "journalSave");
    EXPECT_EQ(save->text(), QString::fromUtf8("&Enregistrer sous…")) << "its access key shown";
    EXPECT_EQ(child<QPushButton>(*journal, "journalSessions")->text(),
              QString::fromUtf8("Séances &précédentes…"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(s.window.isActiveWindow());
}

TEST(JournalWindow, ATypedTextThatNoHandIsWrittenAsIsSaidSo) {
    Session s;
    s.survey("mnuDistri1", "3334", 1);
    JournalWindow* journal = s.journal();
    auto* table = child<QTableWidget>(*journal, "journalFigures");
    ASSERT_EQ(table->rowCount(), 7);
    EXPECT_EQ(cellText(table, 6, 3), QStringLiteral("aucune main"));
    EXPECT_EQ(cellText(table, 6, 4), QString::fromUtf8("—"));
    EXPECT_EQ(child<QLabel>(*journal, "journalNote")->text(),
              QString::fromUtf8("« 3334 » : aucune main ne s'écrit ainsi : les longueurs vont "
                                "de la plus longue à la plus courte, par exemple 4333."));
    EXPECT_EQ(
        child<QListWidget>(*journal, "journalRuns")->item(0)->text().replace(QChar(0x00a0), ' '),
        QString::fromUtf8("Distributions 4432, 5332, … et « 3334 » — 10 000 donnes"));
}

// A title is written as typed, never read as markup.
TEST(JournalWindow, MarkupTypedAsADistributionIsShownAsTyped) {
    Session s;
    s.survey("mnuDistri1", "<b>&amp;", 1);
    JournalWindow* journal = s.journal();
    auto* table = child<QTableWidget>(*journal, "journalFigures");
    table->setCurrentCell(6, 0);
    EXPECT_EQ(child<JournalChart>(*journal, "journalChart")->chart()->title(),
              QStringLiteral("&lt;b&gt;&amp;amp;"));
    EXPECT_EQ(table->verticalHeaderItem(6)->text(), QStringLiteral("<b>&amp;"));
}

// After one batch and after three, every point of the band lies within the
// axes, which end on round numbers, the deals' axis at the last batch; the
// exact line runs across; labels are distinct, French and never elided.
TEST(JournalWindow, TheChartsAxesFitTheData) {
    for (const int batches : {1, 3}) {
        Session s;
        s.frequency(kFiveSpades, batches);
        JournalWindow* journal = s.journal();
        QApplication::processEvents();
        auto* chart = child<JournalChart>(*journal, "journalChart");
        QCategoryAxis* x = axis(chart, Qt::Horizontal);
        QCategoryAxis* y = axis(chart, Qt::Vertical);
        ASSERT_NE(x, nullptr);
        ASSERT_NE(y, nullptr);
        EXPECT_EQ(x->min(), 0);
        EXPECT_EQ(x->max(), batches * 100000.0) << "round, and no further than the data";
        auto* band = qobject_cast<QAreaSeries*>(chart->chart()->series().value(0));
        ASSERT_NE(band, nullptr);
        for (const QLineSeries* edge : {band->upperSeries(), band->lowerSeries()}) {
            for (const QPointF& p : edge->points()) {
                EXPECT_GE(p.x(), x->min());
                EXPECT_LE(p.x(), x->max());
                EXPECT_GE(p.y(), y->min());
                EXPECT_LE(p.y(), y->max());
            }
        }
        // The band shows from the first batch: an area of some width,
        // its upper edge above its lower, reaching the last batch.
        EXPECT_TRUE(band->isVisible());
        const QList<QPointF> upper = band->upperSeries()->points();
        const QList<QPointF> lower = band->lowerSeries()->points();
        ASSERT_GE(upper.size(), 2);
        ASSERT_EQ(lower.size(), upper.size());
        EXPECT_GT(upper.back().x() - upper.front().x(), 0.0);
        EXPECT_EQ(upper.back().x(), batches * 100000.0);
        for (qsizetype i = 0; i < upper.size(); ++i) {
            EXPECT_GT(upper[i].y(), lower[i].y()) << "at " << upper[i].x();
        }
        const QLineSeries* exact = series(chart, "Probabilité exacte");
        EXPECT_EQ(exact->at(0).x(), x->min());
        EXPECT_EQ(exact->at(1).x(), x->max());
        const QStringList labels = y->categoriesLabels();
        EXPECT_GE(labels.size(), 2);
        // Each axis labelled to its end, and each label says its tick's
        // value, decimals included.
        for (QCategoryAxis* each : {x, y}) {
            ASSERT_FALSE(each->categoriesLabels().isEmpty());
            EXPECT_NEAR(each->endValue(each->categoriesLabels().back()), each->max(),
                        1e-9 * each->max());
            for (const QString& label : each->categoriesLabels()) {
                const double read = QString(label)
                                        .remove(QRegularExpression(QStringLiteral("\\s")))
                                        .replace(',', '.')
                                        .toDouble();
                EXPECT_NEAR(read, each->endValue(label), 1e-9 * each->max()) << label.toStdString();
            }
        }
        EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
        for (const QString& label : labels + x->categoriesLabels()) {
            EXPECT_FALSE(label.contains('.')) << label.toStdString() << ": a decimal comma";
            EXPECT_FALSE(label.contains(QChar(0x2026))) << label.toStdString();
        }
        // Room for every label between two ticks.
        const QFontMetrics metrics(x->labelsFont());
        const double perTick = chart->chart()->plotArea().width() /
                               static_cast<double>(x->categoriesLabels().size() - 1);
        for (const QString& label : x->categoriesLabels()) {
            EXPECT_LT(metrics.horizontalAdvance(label), perTick) << label.toStdString();
        }
        const double perYTick = chart->chart()->plotArea().height() /
                                static_cast<double>(std::max<qsizetype>(labels.size() - 1, 1));
        EXPECT_GT(perYTick, metrics.height()) << "labels do not overlap";
    }
}

// A run where every deal is a hit: sensible labels at 100 %.
TEST(JournalWindow, TheChartAtOneHundredPercent) {
    Session s;
    s.frequency({"0", "13", "0", "13", "0", "13", "0", "13", "0", "37"}, 2);
    JournalWindow* journal = s.journal();
    QCategoryAxis* y = axis(child<JournalChart>(*journal, "journalChart"), Qt::Vertical);
    EXPECT_EQ(y->max(), 100);
    const QStringList labels = y->categoriesLabels();
    EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size())
        << labels.join(" / ").toStdString();
}

// What the screen shows after a change is what a fresh chart shows: no
// fragment of what was there before.
TEST(JournalWindow, TheChartRepaintsWhollyOnEveryChange) {
    Session s;
    s.survey("mnuDistri1", "6421", 3);
    JournalWindow* window = s.journal();
    auto* table = child<QTableWidget>(*window, "journalFigures");
    auto* chart = child<JournalChart>(*window, "journalChart");
    QApplication::processEvents();
    table->setCurrentCell(4, 0);  // 4333, then 5332
    QApplication::processEvents();
    table->setCurrentCell(1, 0);
    // The chart lays itself out over several turns of the loop, later still
    // on a busy machine: wait until the screen settles on a fresh drawing.
    // A stale fragment never goes away, so the wait then ends in a failure.
    const auto onScreenNow = [&](QImage::Format format) {
        const QPoint origin = chart->mapTo(chart->window(), QPoint(0, 0));
        return chart->screen()
            ->grabWindow(chart->window()->winId(), origin.x(), origin.y(), chart->width(),
                         chart->height())
            .toImage()
            .convertToFormat(format);
    };
    QImage changed;
    QImage onScreen;
    QElapsedTimer waited;
    waited.start();
    do {
        QTest::qWait(50);
        changed = chart->grab().toImage();
        onScreen = onScreenNow(changed.format());
    } while (onScreen != changed && waited.elapsed() < 15'000);
    ASSERT_FALSE(onScreen.isNull());
    EXPECT_EQ(onScreen, changed) << "the screen holds exactly a fresh drawing";
}

TEST(JournalWindow, ReopenedWhereTheUserLeftIt) {
    Session s;
    JournalWindow* journal = s.journal();
    QApplication::processEvents();
    const QRect moved(journal->geometry().topLeft() + QPoint(20, 30),
                      journal->size() - QSize(40, 50));
    journal->setGeometry(moved);
    QApplication::processEvents();
    journal->close();
    s.journal();
    QApplication::processEvents();
    EXPECT_EQ(journal->geometry(), moved);
}

// On any desktop the window fits its work area beside the main window,
// shrinking its parts rather than spilling off screen, and no column of
// figures is cut; on a wide screen it takes its full width.
TEST(JournalWindow, FitsTheWorkAreaWithEveryColumnWhole) {
    Session s;
    s.frequency(kFiveSpades, 3);
    s.survey("mnuDistri1", "6421", 1);
    s.survey("mnuDistri3", "7510", 1);
    JournalWindow* journal = s.journal();
    QApplication::processEvents();
    const QRect area = s.window.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(journal->frameGeometry()))
        << journal->frameGeometry().width() << 'x' << journal->frameGeometry().height();
    EXPECT_LE(journal->minimumSizeHint().height(), area.height());
    EXPECT_FALSE(journal->frameGeometry().intersects(s.window.frameGeometry()));
    auto* table = child<QTableWidget>(*journal, "journalFigures");
    // A screen as small as the default offscreen one may leave too little
    // room: what does not fit then scrolls.
    if (area.width() >= 1366) {
        EXPECT_FALSE(table->horizontalScrollBar()->isVisible()) << "no column behind a scroll bar";
    }
    const QFontMetrics cells(table->font());
    const QFontMetrics headings(table->horizontalHeader()->font());
    for (int c = 0; c < table->columnCount(); ++c) {
        for (int r = 0; r < table->rowCount(); ++r) {
            EXPECT_GT(table->columnWidth(c), cells.horizontalAdvance(cellText(table, r, c)))
                << "column " << c << ", row " << r;
        }
        for (const QString& line : table->horizontalHeaderItem(c)->text().split('\n')) {
            EXPECT_GT(table->columnWidth(c), headings.horizontalAdvance(line)) << "heading " << c;
        }
    }
    auto* chart = child<JournalChart>(*journal, "journalChart");
    EXPECT_GE(chart->height(), chart->minimumHeight());
    // 21600 twips where the screen has room for it beside the main window.
    const int preferred = static_cast<int>(std::lround(21600.0 * journal->logicalDpiX() / 1440));
    if (s.window.frameGeometry().left() - area.left() > preferred + 20) {
        EXPECT_EQ(journal->width(), preferred);
    }
}

TEST(JournalWindow, SavingWaitsForARun) {
    Session s;
    JournalWindow* journal = s.journal();
    EXPECT_FALSE(child<QPushButton>(*journal, "journalSave")->isEnabled());
    s.frequency(kFiveSpades, 1);
    EXPECT_TRUE(child<QPushButton>(*journal, "journalSave")->isEnabled());
}

// Rare bounds over several batches: the examples are the hits, all of
// them when there are fewer than five.
TEST(JournalWindow, ExamplesOfRareBoundsAreTheirHits) {
    Session s;
    s.frequency({"9", "13", "0", "13", "0", "13", "0", "13", "0", "37"}, 3);
    JournalWindow* journal = s.journal();
    auto* table = child<QTableWidget>(*journal, "journalFigures");
    auto* hands = child<QTableWidget>(*journal, "journalHands");
    const int hits = cellText(table, 0, 0).remove(' ').toInt();
    EXPECT_EQ(hands->rowCount(), std::min(hits, 5));
    for (int r = 0; r < hands->rowCount(); ++r) {
        const QString spades = cellText(hands, r, 0);
        EXPECT_GE(spades.split(' ').size(), 9) << spades.toStdString();
    }
}

// While the journal is open, a report box covers neither its chart nor its
// figures where the work area has room for that.
TEST(JournalWindow, ReportBoxesKeepTheChartAndTheFiguresInView) {
    QtDialogue real;
    Session s;
    s.frequency(kFiveSpades, 1);
    JournalWindow* journal = s.journal();
    QApplication::processEvents();
    auto* chart = child<QWidget>(*journal, "journalChart");
    auto* table = child<QWidget>(*journal, "journalFigures");
    const QRect clear = QRect(chart->mapToGlobal(QPoint()), chart->size())
                            .united(QRect(table->mapToGlobal(QPoint()), table->size()));
    QRect box;
    whenModal([&](QWidget* modal) {
        box = modal->frameGeometry();
        qobject_cast<QDialog*>(modal)->reject();
    });
    QApplication::setActiveWindow(&s.window);
    real.messageBox(
        "Sud précisé: 5 soit 0,005%", Buttons::YesNo,
        std::string("Statistiques sur 100000 tirages au hasard. Voulez-vous continuer?"));
    const QRect area = s.window.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(box));
    const bool room = area.bottom() - s.window.frameGeometry().bottom() >= box.height();
    if (room) {
        EXPECT_FALSE(box.intersects(clear))
            << "box " << box.x() << ',' << box.y() << ' ' << box.width() << 'x' << box.height()
            << " clear " << clear.x() << ',' << clear.y() << ' ' << clear.width() << 'x'
            << clear.height() << " main bottom " << s.window.frameGeometry().bottom();
    }
}

TEST(JournalWindow, SavesTheCsvOrTellsWhyNot) {
    ScriptedDialogue dialogue;
    Journal journal;
    journal.runStarted(fiveSpadesPlan());
    journal.batchDealt({1, 100'000, {2600}}, {});
    JournalWindow window(journal, dialogue, nullptr);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("journal.csv"));
    ASSERT_TRUE(window.saveTo(good));
    QFile written(good);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), journalCsv(journal.entries()));
    EXPECT_TRUE(dialogue.calls.empty());

    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    struct Row {
        QString path;
        QString reason;
        bool asRoot;  // root writes into a locked folder all the same
    };
    const Row rows[] = {
        {dir.filePath("missing/journal.csv"),
         QString::fromUtf8("le dossier « %1 » n'existe pas").arg(dir.filePath("missing")), true},
        {dir.filePath("plain/journal.csv"),
         QString::fromUtf8("« %1 » n'est pas un dossier").arg(dir.filePath("plain")), true},
        {dir.path(), QStringLiteral("c'est un dossier"), true},
        {locked + "/journal.csv",
         QString::fromUtf8("vous n'avez pas le droit d'écrire dans le dossier « %1 »").arg(locked),
         false},
    };
    for (const Row& r : rows) {
        if (!r.asRoot && geteuid() == 0) {
            continue;
        }
        dialogue.calls.clear();
        EXPECT_FALSE(window.saveTo(r.path)) << r.path.toStdString();
        ASSERT_EQ(dialogue.calls.size(), 1U) << r.path.toStdString();
        EXPECT_EQ(QString::fromStdString(dialogue.calls[0].prompt),
                  QString::fromUtf8("Le journal n'a pas été enregistré dans « %1 » : %2.")
                      .arg(r.path, r.reason));
        EXPECT_EQ(dialogue.calls[0].title, "Journal des tirages");
        EXPECT_EQ(dialogue.calls[0].buttons, Buttons::Ok);
    }
    EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden).size(), 0) << "no half file";
    EXPECT_EQ(journal.entries().size(), 1U);
    EXPECT_EQ(journal.entries()[0].figures[0].hits, 2600) << "the journal as it was";
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A name typed in Qt's own file dialog without its ending gets ".csv".
TEST(JournalWindow, ATypedFileNameGetsItsEnding) {
    ScriptedDialogue dialogue;
    Journal journal;
    journal.runStarted(fiveSpadesPlan());
    journal.batchDealt({1, 100'000, {2600}}, {});
    JournalWindow window(journal, dialogue, nullptr);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    whenModal([&](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        chooseFile(*files, dir.filePath(QStringLiteral("seance")));
    });
    window.saveAs();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("seance.csv"))));
}

}  // namespace

namespace {

// Closing the main window saves the session without a question; the
// journal's "Séances précédentes…" lists it and reopens it read-only, with
// its figures and chart.
TEST(JournalSessions, SavedAtTheEndAndReopened) {
    const SessionStore store;
    {
        Session s;
        s.window.close();  // no run: nothing saved
    }
    const std::size_t before = store.list().size();
    {
        Session s;
        s.frequency({"0", "13", "7", "13", "0", "13", "0", "13", "0", "37"}, 2);
        s.window.close();
    }
    const std::vector<SavedSession> saved = store.list();
    ASSERT_EQ(saved.size(), std::min<std::size_t>(before + 1, SessionStore::kKeptSessions));

    Session s;
    JournalWindow* journal = s.journal();
    QString listed;
    whenModal([&](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("journalSessionsList"));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(modal->windowTitle(), QString::fromUtf8("Séances précédentes"));
        listed = list->item(0)->text();
        list->setCurrentRow(0);
        qobject_cast<QDialog*>(modal)->accept();
    });
    child<QPushButton>(*journal, "journalSessions")->click();
    EXPECT_TRUE(listed.startsWith(QString::fromUtf8("Séance du "))) << listed.toStdString();
    EXPECT_TRUE(listed.endsWith(QStringLiteral("(1 tirage)"))) << listed.toStdString();

    auto* past = s.window.findChild<JournalWindow*>(QStringLiteral("JournalReopened"));
    ASSERT_NE(past, nullptr);
    EXPECT_TRUE(past->windowTitle().startsWith(QString::fromUtf8("Journal — Séance du ")));
    auto* runs = child<QListWidget>(*past, "journalRuns");
    ASSERT_EQ(runs->count(), 1);
    EXPECT_EQ(runs->item(0)->text().replace(QChar(0x00a0), ' '),
              QString::fromUtf8("Main précisée : 7 ≤ ♥ ≤ 13 — 200 000 donnes"));
    EXPECT_EQ(series(child<JournalChart>(*past, "journalChart"), "Estimation")->count(), 2);
    EXPECT_FALSE(child<QPushButton>(*past, "journalSessions")->isVisible());
    past->close();
}

// A damaged session is set aside with a word why; the others stay.
TEST(JournalSessions, ADamagedSessionIsSetAsideWithAWordWhy) {
    const SessionStore store;
    {
        Session s;
        s.frequency({"0", "13", "0", "13", "0", "13", "0", "13", "0", "37"}, 1);
        s.window.close();
    }
    const std::vector<SavedSession> saved = store.list();
    ASSERT_FALSE(saved.empty());
    QFile file(store.path(saved.front()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("ondiscale-journal 1\ncassé\n");
    file.close();

    Session s;
    JournalWindow* journal = s.journal();
    whenModal([&](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("journalSessionsList"));
        list->setCurrentRow(0);
        qobject_cast<QDialog*>(modal)->accept();
    });
    child<QPushButton>(*journal, "journalSessions")->click();
    ASSERT_EQ(s.dialogue.calls.size(), 1U);
    EXPECT_EQ(s.dialogue.calls[0].title, "Séances précédentes");
    EXPECT_TRUE(s.dialogue.calls[0].prompt.starts_with("La séance du "))
        << s.dialogue.calls[0].prompt;
    EXPECT_EQ(s.window.findChild<JournalWindow*>(QStringLiteral("JournalReopened")), nullptr);
    EXPECT_EQ(store.list().size(), saved.size() - 1) << "set aside, no longer offered";
}

}  // namespace

namespace {

// A four-hand run's deals: five diagrams a screen reader reads hand by
// hand; up to the last 1,000 deals in a PBN file; the five shown on the
// clipboard; a frequency run's hands with the other seats unknown.
TEST(JournalWindow, DealsAsDiagramsAndAsPbn) {
    Session s;
    s.window.findChild<QAction*>(QStringLiteral("mnuDonne"))->trigger();
    auto* table = s.window.findChild<QWidget*>(QStringLiteral("Donne"));
    table->findChild<QLineEdit*>(QStringLiteral("NordSudPointsMin"))->setText("20");
    s.answers(1);
    table->findChild<QPushButton*>(QStringLiteral("cmdDonne"))->click();
    JournalWindow* journal = s.journal();
    QApplication::processEvents();

    if (child<QWidget>(*journal, "journalViews")->isVisible()) {
        // The chart and the examples take turns.
        child<QPushButton>(*journal, "journalViewExamples")->click();
    }
    auto* deals = child<QWidget>(*journal, "journalDeals");
    EXPECT_TRUE(deals->isVisible());
    EXPECT_FALSE(child<QWidget>(*journal, "journalHands")->isVisible());
    for (int n = 1; n <= 5; ++n) {
        auto* diagram = deals->findChild<QWidget*>(QStringLiteral("journalDeal%1").arg(n));
        ASSERT_NE(diagram, nullptr) << n;
        const QString heard =
            QAccessible::queryAccessibleInterface(diagram)->text(QAccessible::Description);
        EXPECT_TRUE(heard.startsWith(QString::fromUtf8("Nord — Pique : "))) << heard.toStdString();
        EXPECT_TRUE(heard.contains(QString::fromUtf8(". Ouest — Pique : "))) << heard.toStdString();
    }
    EXPECT_EQ(deals->findChild<QWidget*>(QStringLiteral("journalDeal6")), nullptr);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("donnes.pbn"));
    ASSERT_TRUE(journal->exportPbnTo(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString pbn = QString::fromUtf8(file.readAll());
    EXPECT_EQ(pbn.count(QStringLiteral("[Board \"")), 1000) << "the last 1 000 deals";
    EXPECT_TRUE(pbn.contains(QStringLiteral("[Board \"1000\"]\n")));
    EXPECT_TRUE(pbn.contains(
        QString::fromUtf8("[Event \"Donne précisée : Nord-Sud : 20 ≤ points ≤ 40\"]")));

    child<QPushButton>(*journal, "journalCopyPbn")->click();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied.count(QStringLiteral("[Board \"")), 5) << "the deals shown";

    s.frequency(kFiveSpades, 1);
    child<QPushButton>(*journal, "journalCopyPbn")->click();
    const QString hands = QGuiApplication::clipboard()->text();
    EXPECT_EQ(hands.count(QStringLiteral("[Deal \"N:- - ")), 5) << hands.toStdString();
}

}  // namespace

namespace {

// The chosen run is always among the runs in view: the newest as it comes,
// or the older one the user went back to, while more runs come.
TEST(JournalWindow, TheChosenRunStaysInView) {
    Session s;
    for (int run = 0; run < 8; ++run) {
        s.survey("mnuDistri1", "6421", 1);
    }
    JournalWindow* journal = s.journal();
    QApplication::processEvents();
    auto* runs = child<QListWidget>(*journal, "journalRuns");
    const auto inView = [&] {
        return runs->viewport()->rect().contains(runs->visualItemRect(runs->currentItem()));
    };
    EXPECT_GE(runs->viewport()->height() + 1, 4 * runs->sizeHintForRow(0)) << "four runs in view";
    ASSERT_EQ(runs->currentRow(), 7);
    EXPECT_TRUE(inView()) << "the newest, chosen as it came";
    runs->setCurrentRow(0);
    s.survey("mnuDistri2", "5530", 1);
    s.survey("mnuDistri2", "5530", 1);
    EXPECT_EQ(runs->currentRow(), 0) << "the user's choice kept";
    EXPECT_TRUE(inView()) << "and in view";
    // What the answer says is the chosen run's.
    EXPECT_TRUE(child<QLabel>(*journal, "journalAnswer")
                    ->text()
                    .startsWith(QString::fromUtf8("Sud reçoit une main 4432 dans ")));
    runs->setCurrentRow(runs->count() - 1);
    s.survey("mnuDistri3", "7510", 1);
    EXPECT_EQ(runs->currentRow(), runs->count() - 1) << "followed again";
    EXPECT_TRUE(inView());
    EXPECT_TRUE(child<QLabel>(*journal, "journalAnswer")
                    ->text()
                    .startsWith(QString::fromUtf8("Sud reçoit une main 6511 dans ")));
}

// Each example deal shown is whole in its pane: every hand and the table
// of tricks inside what the pane shows, at every desktop these tests run on.
void expectDealsWhole(JournalWindow& journal) {
    // Where the chart and the examples take turns, the examples' turn.
    if (child<QWidget>(journal, "journalViews")->isVisible()) {
        child<QPushButton>(journal, "journalViewExamples")->click();
        QApplication::processEvents();
    }
    auto* pane = child<QScrollArea>(journal, "journalDealsScroll");
    ASSERT_TRUE(pane->isVisible());
    const QRect shown = pane->viewport()->rect();
    int whole = 0;
    for (int n = 1; n <= 5; ++n) {
        auto* deal = journal.findChild<QWidget*>(QStringLiteral("journalDeal%1").arg(n));
        ASSERT_NE(deal, nullptr) << n;
        if (!deal->isVisible()) {
            continue;
        }
        ++whole;
        for (const QLabel* part : deal->findChildren<QLabel*>()) {
            const QRect where(part->mapTo(pane->viewport(), QPoint(0, 0)), part->size());
            EXPECT_TRUE(shown.contains(where))
                << "deal " << n << ": " << part->accessibleName().left(40).toStdString() << " at "
                << where.x() << ',' << where.y() << ' ' << where.width() << 'x' << where.height()
                << " in " << shown.width() << 'x' << shown.height();
        }
    }
    EXPECT_GE(whole, 1) << "at least one deal shown";
}

TEST(JournalWindow, ExampleDealsShowWhole) {
    Session s;
    s.window.findChild<QAction*>(QStringLiteral("mnuDonne"))->trigger();
    auto* table = s.window.findChild<QWidget*>(QStringLiteral("Donne"));
    table->findChild<QLineEdit*>(QStringLiteral("NordSudPointsMin"))->setText("20");
    s.answers(1);
    table->findChild<QPushButton*>(QStringLiteral("cmdDonne"))->click();
    JournalWindow* journal = s.journal();
    QApplication::processEvents();
    expectDealsWhole(*journal);
    // Going through them: each one whole in turn.
    auto* next = child<QPushButton>(*journal, "journalDealNext");
    while (next->isVisible() && next->isEnabled()) {
        next->click();
        QApplication::processEvents();
        expectDealsWhole(*journal);
    }
    EXPECT_TRUE(child<QWidget>(*journal, "journalDeal5")->isVisible()) << "the last one reached";
    EXPECT_TRUE(s.window.screen()->availableGeometry().contains(journal->frameGeometry()))
        << "within the work area: " << journal->frameGeometry().x() << ','
        << journal->frameGeometry().y() << ' ' << journal->frameGeometry().width() << 'x'
        << journal->frameGeometry().height() << ", least " << journal->minimumSizeHint().width()
        << 'x' << journal->minimumSizeHint().height();
}

// An analysis of eight deals: 3SA by South makes on six (South takes 9
// tricks at SA on six, 8 on two), 4♠ by North on three; par +420 on five,
// +110 on three.
Journal analysedJournal() {
    Journal journal;
    journal.runStarted({RunKind::Analysis, "Nord : 20 ≤ points ≤ 37", 0, {}});
    AnalysisTally tally({{3, Strain::NoTrump, Seat::South}, {4, Strain::Spades, Seat::North}});
    Dealer dealer;
    std::vector<Example> examples;
    for (int d = 0; d < 8; ++d) {
        TrickTable tricks;
        for (auto& strain : tricks.tricks) {
            strain = {8, 5, 8, 5};
        }
        tricks.tricks[0][2] = d < 6 ? 9 : 8;   // SA, South
        tricks.tricks[1][0] = d < 3 ? 10 : 9;  // ♠, North
        const ParResult par = d < 5 ? ParResult{420, "NS 4S"} : ParResult{110, "NS 2S"};
        tally.add(tricks, par);
        Deal deal{};
        dealer.dealTable(deal);
        examples.push_back({"Donne analysée", deal, true, tricks, par});
    }
    AnalysisUpdate update = tally.update();
    update.examples = examples;
    journal.analysisDealt(0, update);
    return journal;
}

TEST(JournalWindow, AnAnalysisReadsAsContractsParAndAGrid) {
    Session s;
    const Journal journal = analysedJournal();
    JournalWindow window(journal, s.dialogue, &s.window);
    window.openBeside(s.window);
    QApplication::processEvents();

    // The answer of the row chosen, the first at first.
    auto* answer = child<QLabel>(window, "journalAnswer");
    EXPECT_EQ(answer->text(), QString::fromUtf8("3SA par Sud gagne dans 75 % des donnes (41 à 93 "
                                                "%), sur 8 donnes analysées."));
    auto* figures = child<QTableWidget>(window, "journalFigures");
    figures->selectRow(1);
    EXPECT_EQ(answer->text(), QString::fromUtf8("4♠ par Nord gagne dans 38 % des donnes (14 à 69 "
                                                "%), sur 8 donnes analysées."));
    figures->selectRow(2);
    EXPECT_EQ(answer->text(),
              QString::fromUtf8("Le par est « 4♠ par Nord ou Sud, +420 » dans 62 % des donnes "
                                "(31 à 86 %), sur 8 donnes analysées."));
    QStringList rows;
    for (int r = 0; r < figures->rowCount(); ++r) {
        rows << figures->verticalHeaderItem(r)->text();
    }
    EXPECT_EQ(rows, (QStringList{QString::fromUtf8("3SA par Sud"), QString::fromUtf8("4♠ par Nord"),
                                 QString::fromUtf8("Par : 4♠ par Nord ou Sud, +420"),
                                 QString::fromUtf8("Par : 2♠ par Nord ou Sud, +110")}));
    EXPECT_FALSE(figures->isColumnHidden(1)) << "the estimate";
    EXPECT_TRUE(figures->isColumnHidden(3)) << "no exact value for an analysis";
    EXPECT_TRUE(figures->isColumnHidden(4)) << "nor any gap";

    // Strains down, declarers across: average tricks, then game made.
    auto* grid = child<QTableWidget>(window, "journalGrid");
    ASSERT_EQ(grid->rowCount(), 5);
    ASSERT_EQ(grid->columnCount(), 4);
    EXPECT_EQ(cellText(grid, 0, 2), QString::fromUtf8("8,8 · 75 %")) << "SA by South";
    EXPECT_EQ(cellText(grid, 1, 0), QString::fromUtf8("9,4 · 38 %")) << "♠ by North";
    EXPECT_EQ(cellText(grid, 4, 1), QString::fromUtf8("5,0 · 0 %")) << "♣ by East";
    EXPECT_EQ(grid->verticalHeaderItem(0)->text(), QStringLiteral("SA"));
    EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), QStringLiteral("Ouest"));
    // A cell chosen charts its tricks.
    grid->setCurrentCell(1, 1);
    EXPECT_EQ(child<QChartView>(window, "journalBars")
                  ->chart()
                  ->title()
                  .replace(QStringLiteral("<br>"), QStringLiteral(" ")),
              QString::fromUtf8("♠ par Est : 5,00 levées en moyenne sur 8 donnes"));

    // The vulnerability of the par said; each deal with its board's, as
    // the PBN file writes it.
    EXPECT_TRUE(child<QLabel>(window, "journalNote")
                    ->text()
                    .contains(QString::fromUtf8("Nord donneur, personne vulnérable")));
    const QString fourth =
        QAccessible::queryAccessibleInterface(child<QWidget>(window, "journalDeal4"))
            ->text(QAccessible::Description);
    EXPECT_TRUE(fourth.contains(QString::fromUtf8("Donneur Ouest, tous vulnérables, Par : +420")))
        << fourth.toStdString();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(window.exportPbnTo(dir.filePath(QStringLiteral("analyse.pbn"))));
    QFile file(dir.filePath(QStringLiteral("analyse.pbn")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString pbn = QString::fromUtf8(file.readAll());
    const qsizetype board4 = pbn.indexOf(QStringLiteral("[Board \"4\"]"));
    ASSERT_GE(board4, 0);
    EXPECT_EQ(pbn.indexOf(QStringLiteral("[Dealer \"W\"]"), board4),
              pbn.indexOf(QStringLiteral("[Dealer \""), board4));
    EXPECT_EQ(pbn.indexOf(QStringLiteral("[Vulnerable \"All\"]"), board4),
              pbn.indexOf(QStringLiteral("[Vulnerable \""), board4));
    expectDealsWhole(window);
}

// A step of an analysis changes the figures where they are: the same
// cells, new texts, no new layout.
TEST(JournalWindow, AnAnalysisStepChangesTheFiguresInPlace) {
    Session s;
    Journal journal;
    journal.runStarted({RunKind::Analysis, "…", 0, {}});
    AnalysisTally tally({{3, Strain::NoTrump, Seat::South}});
    TrickTable tricks;
    for (auto& strain : tricks.tricks) {
        strain = {9, 4, 9, 4};
    }
    tally.add(tricks, ParResult{400, "NS 3N"});
    journal.analysisDealt(0, tally.update());
    JournalWindow window(journal, s.dialogue, &s.window);
    window.openBeside(s.window);
    QApplication::processEvents();
    auto* figures = child<QTableWidget>(window, "journalFigures");
    const QTableWidgetItem* before = figures->item(0, 0);
    tally.add(tricks, ParResult{400, "NS 3N"});
    journal.analysisDealt(0, tally.update());
    window.entryChanged(0);
    EXPECT_EQ(figures->item(0, 0), before) << "the same cell";
    EXPECT_EQ(cellText(figures, 0, 0), QStringLiteral("2"));
    journal.analysisStopped(0);
    window.entryChanged(0);
    EXPECT_TRUE(child<QListWidget>(window, "journalRuns")
                    ->item(0)
                    ->text()
                    .replace(QChar(0x00a0), ' ')
                    .endsWith(QString::fromUtf8("— arrêtée après 2 donnes")));
}

// Words a club uses, each explained; an empty journal says which windows
// fill it; F1 gives the window's own help.
TEST(JournalWindow, ItsWordsAreExplained) {
    Session s;
    JournalWindow* journal = s.journal();
    EXPECT_EQ(child<QLabel>(*journal, "journalAnswer")->text(),
              QString::fromUtf8(
                  "Aucun tirage pour l'instant. Le journal se remplit de lui-même : dans la "
                  "fenêtre principale, « Fréquence pour 100.000 tirages » et le menu « Fréquences "
                  "des distributions » ; dans la fenêtre « Donne », « Fréquence pour 100 000 "
                  "donnes » et « Analyse à quatre jeux »."));
    s.frequency(kFiveSpades, 1);
    auto* figures = child<QTableWidget>(*journal, "journalFigures");
    const std::pair<int, const char*> tips[] = {
        {0, "remplissent la condition"},
        {2, "Intervalle de confiance à 95 %"},
        {4, "Écart (en écarts-types)"},
    };
    for (const auto& [column, said] : tips) {
        EXPECT_TRUE(
            figures->horizontalHeaderItem(column)->toolTip().contains(QString::fromUtf8(said)))
            << column;
    }
    auto* chart = child<JournalChart>(*journal, "journalChart");
    QStringList named;
    for (const QAbstractSeries* one : chart->chart()->series()) {
        named << one->name();
    }
    EXPECT_TRUE(named.contains(QString::fromUtf8("Intervalle de confiance à 95 %")))
        << "the band named in words";
    s.dialogue.calls.clear();
    press(journal, Qt::Key_F1);
    ASSERT_EQ(s.dialogue.calls.size(), 1U);
    EXPECT_EQ(s.dialogue.calls[0].title, "Aide — Journal des tirages");
}

}  // namespace

namespace {

// However narrow the journal, its buttons stay wholly inside it, going on
// to another line first, and the figures table shows its only row above
// its scroll bar.
TEST(JournalWindow, ANarrowJournalKeepsItsButtonsAndItsOnlyRowInView) {
    Session s;
    s.frequency(kFiveSpades, 1);
    JournalWindow* journal = s.journal();
    QApplication::processEvents();
    auto* table = child<QTableWidget>(*journal, "journalFigures");
    ASSERT_EQ(table->rowCount(), 1);
    const QSize least = journal->minimumSizeHint();
    const QSize rows[] = {least,
                          {least.width(), least.height() + 200},
                          {least.width() + 60, least.height()},
                          {least.width() + 250, least.height() + 40},
                          journal->size()};
    int lines = 0;  // the most lines of buttons seen
    for (const QSize& size : rows) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        journal->resize(size);
        QApplication::processEvents();
        QApplication::processEvents();
        const QRect inside = journal->rect();
        QSet<int> tops;
        for (const char* name : {"journalHelp", "journalSessions", "journalCopyPbn",
                                 "journalExportPbn", "journalSave"}) {
            auto* button = child<QPushButton>(*journal, name);
            if (!button->isVisible()) {
                continue;
            }
            const QRect at(button->mapTo(journal, QPoint(0, 0)), button->size());
            EXPECT_TRUE(inside.contains(at))
                << name << " at " << at.x() << "," << at.y() << " " << at.width() << " wide, in "
                << inside.width() << "x" << inside.height();
            tops.insert(at.top());
        }
        lines = std::max(lines, static_cast<int>(tops.size()));
        // Its whole height above the bar; the columns may scroll across.
        const QRect row = table->visualRect(table->model()->index(0, 0));
        EXPECT_GE(row.top(), 0);
        EXPECT_LT(row.bottom(), table->viewport()->height())
            << "row " << row.top() << " to " << row.bottom() << ", viewport "
            << table->viewport()->height() << " high";
    }
    if (least.width() < 400) {
        EXPECT_GT(lines, 1) << "the buttons went on to another line";
    }
}

}  // namespace
