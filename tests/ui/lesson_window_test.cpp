#include "ui/lesson/lesson_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <iostream>
#include <map>

#include "engine/card_text.h"
#include "engine/hand_measures.h"
#include "modal.h"
#include "scripted_dialogue.h"
#include "ui/main_window.h"
#include "ui/table_window.h"

using namespace ondiscale;

namespace {

template <typename T>
T* child(const QWidget& window, const char* name) {
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

bool waitForWork(LessonWindow& window, int ms = 120'000) {
    QSignalSpy ended(&window, &LessonWindow::workEnded);
    return window.busy() ? ended.wait(ms) : true;
}

QString statusOf(const LessonWindow& window) { return child<QLabel>(window, "leconEtat")->text(); }

// The teacher's question: South opens 1SA, 15 to 17 points and a regular
// hand; nothing more asked.
Condition oneNoTrump() {
    Condition c;
    Alternative& known = c.known.alternatives.front();
    known.bounds.hand(Seat::South).points = {15, 17};
    known.shapes[index(Seat::South)].terms.push_back(
        {ShapeTerm::Kind::Class, ShapeClass::Regular, {}});
    return c;
}

// A lesson's window of its own, with a seeded dealer.
struct Lesson {
    ScriptedDialogue dialogue;
    Journal journal;
    QWidget beside;
    LessonWindow window{journal, dialogue, &beside, Dealer(Generator::seeded(1515))};

    Lesson() { beside.show(); }
    void open(const Condition& condition = oneNoTrump(),
              const std::string& text = "Sud : 15 à 17 points, régulière") {
        window.openFor(condition, text, beside);
        EXPECT_TRUE(waitForWork(window));
    }
};

// ---- Reading a PDF back as a user's tools read it ----

struct Word {
    double x0, y0, x1, y1;
    QString text;
};
struct Page {
    double width = 0, height = 0;
    std::vector<Word> words;
};

// Every word of every page with its box, as poppler's pdftotext sees it.
std::vector<Page> pdfWords(const QString& pdf) {
    const QString html = pdf + QStringLiteral(".html");
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, html});
    EXPECT_TRUE(tool.waitForFinished(60'000)) << "pdftotext (poppler-utils) runs";
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QFile file(html);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    std::vector<Page> pages;
    static const QRegularExpression tag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" )re"
                       R"re(yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else if (!pages.empty()) {
            pages.back().words.push_back({m.captured(3).toDouble(), m.captured(4).toDouble(),
                                          m.captured(5).toDouble(), m.captured(6).toDouble(),
                                          m.captured(7)});
        }
    }
    return pages;
}

// A suit as printed: its sign and its cards ("A R 10 4", "—").
struct SuitLine {
    Suit suit;
    QString cards;
    double x, y;
};

// The suit lines among the words: a suit's sign, then the cards that
// follow it closely on the same line.
std::vector<SuitLine> suitLines(const std::vector<Word>& words) {
    static const QString kSigns = QStringLiteral("♠♥♦♣♤♡♢♧");
    static const QStringList kRanks = {
        QStringLiteral("A"),  QStringLiteral("R"), QStringLiteral("D"), QStringLiteral("V"),
        QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("7"),
        QStringLiteral("6"),  QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"),
        QStringLiteral("2"),  QStringLiteral("—")};
    std::vector<SuitLine> out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Word& w = words[i];
        if (w.text.size() != 1 || !kSigns.contains(w.text)) {
            continue;
        }
        const auto suit = static_cast<std::size_t>(kSigns.indexOf(w.text) % 4);
        QStringList cards;
        double right = w.x1;
        const double height = w.y1 - w.y0;
        for (std::size_t j = 0; j < words.size(); ++j) {
            // The words on that line, left to right, each close to the last.
            std::vector<const Word*> row;
            for (const Word& o : words) {
                if (std::abs(o.y0 - w.y0) < height / 3 && o.x0 >= right - 0.1 &&
                    o.x0 - right < 1.2 * height && kRanks.contains(o.text)) {
                    row.push_back(&o);
                }
            }
            if (row.empty()) {
                break;
            }
            const Word* next = *std::min_element(
                row.begin(), row.end(), [](const Word* a, const Word* b) { return a->x0 < b->x0; });
            cards << next->text;
            right = next->x1;
        }
        if (!cards.isEmpty()) {
            out.push_back({kSuits.at(suit), cards.join(QLatin1Char(' ')), w.x0, w.y0});
        }
    }
    return out;
}

QString printed(const Hand& hand, Suit suit) {
    return QString::fromStdString(suitCardsText(hand, suit));
}

// On the hand records, every board's title and its four hands: North
// above, South below, West on the left, East on the right, each suit as
// the deal has it. Words under "Levées" (the tricks table) are left out.
void expectHandRecords(const std::vector<Page>& pages, const std::vector<Example>& boards,
                       std::size_t firstPage) {
    std::size_t board = 0;
    for (std::size_t p = firstPage; p < pages.size() && board < boards.size(); ++p) {
        const Page& page = pages[p];
        // The boards' titles, "Donne" and its number, in reading order.
        std::vector<std::pair<const Word*, int>> titles;
        for (std::size_t i = 0; i + 1 < page.words.size(); ++i) {
            if (page.words[i].text == QStringLiteral("Donne")) {
                titles.emplace_back(&page.words[i], page.words[i + 1].text.toInt());
            }
        }
        ASSERT_FALSE(titles.empty()) << "page " << p + 1;
        std::vector<double> rowTops;
        for (const auto& t : titles) {
            if (std::none_of(rowTops.begin(), rowTops.end(),
                             [&](double y) { return std::abs(y - t.first->y0) < 5; })) {
                rowTops.push_back(t.first->y0);
            }
        }
        std::sort(rowTops.begin(), rowTops.end());
        for (const auto& [title, number] : titles) {
            ASSERT_LT(board, boards.size());
            const Example& expected = boards[board++];
            SCOPED_TRACE("board " + std::to_string(number));
            EXPECT_EQ(number, expected.board->number);
            const bool left = title->x0 < page.width / 2;
            const auto row = std::find_if(rowTops.begin(), rowTops.end(),
                                          [&](double y) { return std::abs(y - title->y0) < 5; });
            const double bottom = row + 1 == rowTops.end() ? page.height : *(row + 1);
            double stop = bottom;
            for (const Word& w : page.words) {
                if (w.text == QStringLiteral("Levées") && w.y0 > title->y0 && w.y0 < bottom &&
                    (w.x0 < page.width / 2) == left) {
                    stop = std::min(stop, w.y0);
                }
            }
            std::vector<Word> cell;
            for (const Word& w : page.words) {
                if (w.y0 >= title->y0 - 1 && w.y0 < stop && (w.x0 < page.width / 2) == left) {
                    cell.push_back(w);
                }
            }
            const std::vector<SuitLine> lines = suitLines(cell);
            ASSERT_EQ(lines.size(), 16U) << "four suits of four hands";
            for (const Suit suit : kSuits) {
                std::vector<SuitLine> four;
                std::copy_if(lines.begin(), lines.end(), std::back_inserter(four),
                             [&](const SuitLine& l) { return l.suit == suit; });
                ASSERT_EQ(four.size(), 4U);
                std::sort(four.begin(), four.end(),
                          [](const SuitLine& a, const SuitLine& b) { return a.y < b.y; });
                const SuitLine north = four[0];
                const SuitLine south = four[3];
                const bool westFirst = four[1].x < four[2].x;
                const SuitLine west = westFirst ? four[1] : four[2];
                const SuitLine east = westFirst ? four[2] : four[1];
                const Deal& deal = expected.deal;
                EXPECT_EQ(north.cards, printed(deal[index(Seat::North)], suit));
                EXPECT_EQ(east.cards, printed(deal[index(Seat::East)], suit));
                EXPECT_EQ(south.cards, printed(deal[index(Seat::South)], suit));
                EXPECT_EQ(west.cards, printed(deal[index(Seat::West)], suit));
            }
        }
    }
    EXPECT_EQ(board, boards.size()) << "every board printed";
}

QString pageText(const Page& page) {
    QStringList words;
    for (const Word& w : page.words) {
        words << w.text;
    }
    return words.join(QLatin1Char(' '));
}

// ---- The window ----

TEST(LessonWindow, TheDonneWindowOpensItAndEveryControlIsNamedAndReachable) {
    ScriptedDialogue dialogue;
    MainWindow main(dialogue);
    main.show();
    main.findChild<QAction*>(QStringLiteral("mnuDonne"))->trigger();
    auto* table = main.findChild<TableWindow*>(QStringLiteral("Donne"));
    ASSERT_NE(table, nullptr);
    auto* open = child<QPushButton>(*table, "donneLecon");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->text(), QString::fromUtf8("Donnes pour une leçon…"));
    child<QLineEdit>(*table, "SudPointsMin")->setText(QStringLiteral("15"));
    child<QLineEdit>(*table, "SudPointsMax")->setText(QStringLiteral("17"));
    open->click();
    LessonWindow* lesson = table->lesson();
    ASSERT_NE(lesson, nullptr);
    EXPECT_EQ(lesson->objectName(), QStringLiteral("Lecon"));
    EXPECT_EQ(lesson->windowTitle(), QString::fromUtf8("Donnes pour une leçon"));
    ASSERT_TRUE(waitForWork(*lesson));
    EXPECT_EQ(child<QLabel>(*lesson, "leconCondition")->text(),
              QString::fromUtf8("Condition : Sud : 15 ≤ points ≤ 17"));

    // Sixteen boards at once, South's hand as asked on each.
    ASSERT_EQ(lesson->boards().size(), 16U);
    for (const Example& board : lesson->boards()) {
        const int points = highCardPoints(board.deal[index(Seat::South)]);
        EXPECT_GE(points, 15);
        EXPECT_LE(points, 17);
    }
    const JournalEntry& entry = main.journal().entries().back();
    EXPECT_EQ(entry.kind, RunKind::Lesson);
    EXPECT_EQ(entry.examples.size(), 16U);
    // The journal shows the set's first boards as diagrams, each with its number.
    main.openJournal();
    auto* journal = main.findChild<QWidget*>(QStringLiteral("Journal"));
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(child<QLabel>(*journal, "journalHandsTitle")->text(),
              QString::fromUtf8("Les premières donnes de la série"));
    EXPECT_NE(journal->findChild<QWidget*>(QStringLiteral("journalDeal5")), nullptr);

    auto* boards = child<QSpinBox>(*lesson, "leconDonnes");
    EXPECT_EQ(boards->minimum(), 1);
    EXPECT_EQ(boards->maximum(), 64);
    EXPECT_EQ(boards->value(), 16);
    EXPECT_EQ(child<QSpinBox>(*lesson, "leconPremiere")->value(), 1);
    struct Named {
        const char* name;
        const char* text;  // a button's, where the issue gives it
    };
    const Named named[] = {{"leconDiagramme", nullptr},      {"leconPrecedente", nullptr},
                           {"leconSuivante", nullptr},       {"leconRedonner", "Redonner celle-ci"},
                           {"leconDonnes", nullptr},         {"leconPremiere", nullptr},
                           {"leconRotation", nullptr},       {"leconDonneur", nullptr},
                           {"leconVulnerabilite", nullptr},  {"leconMain", nullptr},
                           {"leconPlace", nullptr},          {"leconFeuilles", nullptr},
                           {"leconNoirEtBlanc", nullptr},    {"leconDonner", nullptr},
                           {"leconAnalyse", "Double mort"},  {"leconAnnuler", nullptr},
                           {"leconImprimer", "Imprimer…"},   {"leconPdf", "Exporter en PDF…"},
                           {"leconPbn", "Exporter en PBN…"}, {"leconLin", "Exporter en LIN…"},
                           {"leconCopier", nullptr}};
    // Fixed dealer and vulnerability open their boxes.
    child<QComboBox>(*lesson, "leconRotation")->setCurrentIndex(1);
    lesson->activateWindow();
    child<QWidget>(*lesson, "leconDiagramme")->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    QWidget* at = QApplication::focusWidget();
    for (const Named& n : named) {
        SCOPED_TRACE(n.name);
        auto* widget = lesson->findChild<QWidget*>(QString::fromLatin1(n.name));
        ASSERT_NE(widget, nullptr);
        const QString heard =
            QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        EXPECT_FALSE(heard.isEmpty()) << "a screen reader names it";
        if (n.text != nullptr) {
            EXPECT_EQ(heard, QString::fromUtf8(n.text));
        }
        if (!widget->isEnabled()) {
            continue;  // Annuler, Précédente: reached when they can act
        }
        EXPECT_EQ(at, widget) << "Tab reaches it in turn, not "
                              << (at ? at->objectName().toStdString() : "nothing");
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        while (at != nullptr && at->objectName().isEmpty()) {
            QTest::keyClick(at, Qt::Key_Tab);  // a combo's inner line, if any
            at = QApplication::focusWidget();
        }
    }
    lesson->close();
}

TEST(LessonWindow, PagingRedealingAndTheJournalFollow) {
    Lesson l;
    l.open();
    LessonWindow& w = l.window;
    ASSERT_EQ(w.boards().size(), 16U);
    auto* position = child<QLabel>(w, "leconNumero");
    EXPECT_EQ(position->text(), QString::fromUtf8("Donne 1 — 1 sur 16"));
    EXPECT_FALSE(child<QPushButton>(w, "leconPrecedente")->isEnabled());
    child<QPushButton>(w, "leconSuivante")->click();
    child<QPushButton>(w, "leconSuivante")->click();
    EXPECT_EQ(position->text(), QString::fromUtf8("Donne 3 — 3 sur 16"));
    // The diagram's arrows page too, and a screen reader hears the board.
    auto* view = child<QWidget>(w, "leconDiagramme");
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(w.shownPlace(), 1);
    EXPECT_TRUE(view->accessibleDescription().startsWith(
        QString::fromUtf8("Donne 2. Donneur : Est. Vulnérabilité : Nord-Sud. Nord, ")))
        << view->accessibleDescription().toStdString();

    const Deal before = w.boards()[1].deal;
    child<QPushButton>(w, "leconRedonner")->click();
    ASSERT_TRUE(waitForWork(w));
    EXPECT_NE(w.boards()[1].deal, before);
    EXPECT_EQ(w.boards()[1].board, (BoardLabel{2, Seat::East, Vulnerability::NorthSouth}));
    EXPECT_EQ(statusOf(w), QString::fromUtf8("Donne 2 redonnée."));
    ASSERT_EQ(l.journal.entries().size(), 1U);
    EXPECT_EQ(l.journal.entries()[0].examples[1].deal, w.boards()[1].deal);

    // A new set with a plan of its own: 3 boards from 21, North dealing,
    // both vulnerable, South's hand at the dealer.
    child<QSpinBox>(w, "leconDonnes")->setValue(3);
    child<QSpinBox>(w, "leconPremiere")->setValue(21);
    child<QComboBox>(w, "leconRotation")->setCurrentIndex(1);
    child<QComboBox>(w, "leconDonneur")->setCurrentIndex(0);
    child<QComboBox>(w, "leconVulnerabilite")->setCurrentIndex(3);
    child<QComboBox>(w, "leconPlace")->setCurrentIndex(1);
    child<QPushButton>(w, "leconDonner")->click();
    ASSERT_TRUE(waitForWork(w));
    ASSERT_EQ(w.boards().size(), 3U);
    for (int i = 0; i < 3; ++i) {
        const Example& board = w.boards()[static_cast<std::size_t>(i)];
        EXPECT_EQ(board.board, (BoardLabel{21 + i, Seat::North, Vulnerability::Both}));
        const int points = highCardPoints(board.deal[index(Seat::North)]);
        EXPECT_TRUE(points >= 15 && points <= 17) << points;
    }
    EXPECT_EQ(l.journal.entries().size(), 2U) << "a new set, a new entry";
    w.copyPbn();
    EXPECT_EQ(statusOf(w), QString::fromUtf8("Les 3 donnes (21 à 23) copiées en PBN."));
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("% PBN 2.1\r\n")));
    EXPECT_EQ(QApplication::clipboard()->text().count(QStringLiteral("[Board ")), 3);
}

TEST(LessonWindow, ATooRareConditionIsSaidAndAnnulerStopsADealing) {
    ScriptedDialogue dialogue;
    Journal journal;
    QWidget beside;
    beside.show();
    LessonWindow never(journal, dialogue, &beside, Dealer(Generator::seeded(5)),
                       [](const Condition&) { return [](const Deal&) { return false; }; });
    never.openFor(Condition{}, "toutes les donnes", beside);
    ASSERT_TRUE(waitForWork(never));
    ASSERT_EQ(dialogue.calls.size(), 1U);
    EXPECT_EQ(dialogue.calls[0].prompt,
              "Aucune des 10\u00a0000\u00a0000 donnes tirées ne remplit la condition : elle est "
              "trop rare pour une série de donnes. Élargissez-la, puis recommencez.");
    EXPECT_EQ(dialogue.calls[0].title, "Donnes pour une leçon");
    EXPECT_TRUE(never.boards().empty());
    EXPECT_TRUE(journal.entries().empty());

    child<QPushButton>(never, "leconDonner")->click();
    EXPECT_TRUE(never.busy());
    EXPECT_TRUE(child<QPushButton>(never, "leconAnnuler")->isEnabled());
    child<QPushButton>(never, "leconAnnuler")->click();
    ASSERT_TRUE(waitForWork(never));
    EXPECT_EQ(statusOf(never), QString::fromUtf8("Arrêté : rien n'a changé."));
    EXPECT_EQ(dialogue.calls.size(), 1U) << "no message for a stop";
}

// The teacher's case, timed: 16 boards where the dealer opens 1SA, solved
// at double dummy, written as PDF, PBN and LIN.
TEST(LessonWindow, TheTeachersSetSolvedPrintedAndWrittenWithinAMinute) {
    QTemporaryDir folder;
    Lesson l;
    child<QComboBox>(l.window, "leconPlace")->setCurrentIndex(1);  // au donneur
    QElapsedTimer clock;
    clock.start();
    l.open();
    LessonWindow& w = l.window;
    ASSERT_EQ(w.boards().size(), 16U);
    const qint64 dealt = clock.elapsed();
    child<QPushButton>(w, "leconAnalyse")->click();
    ASSERT_TRUE(waitForWork(w, 300'000));
    const qint64 solved = clock.elapsed();
    const QString pdf = qEnvironmentVariableIsSet("LESSON_KEEP")
                            ? QStringLiteral("/tmp/lecon.pdf")
                            : folder.filePath(QStringLiteral("lecon.pdf"));
    ASSERT_TRUE(w.exportPdfTo(pdf));
    ASSERT_TRUE(w.exportPbnTo(folder.filePath(QStringLiteral("lecon.pbn"))));
    ASSERT_TRUE(w.exportLinTo(folder.filePath(QStringLiteral("lecon.lin"))));
    const qint64 elapsed = clock.elapsed();
    std::cout << "16 boards, 1SA at the dealer, double dummy, PDF, PBN and LIN: " << elapsed
              << " ms (dealt " << dealt << ", solved " << solved - dealt << ", files "
              << elapsed - solved << ")\n";
    EXPECT_LT(elapsed, 60'000);
    EXPECT_EQ(statusOf(w),
              QString::fromUtf8("Les 16 donnes (1 à 16) enregistrées dans « %1 ».")
                  .arg(QDir::toNativeSeparators(folder.filePath(QStringLiteral("lecon.lin")))));

    for (const Example& board : w.boards()) {
        SCOPED_TRACE(board.board->number);
        const Hand& opener = board.deal[index(board.board->dealer)];
        EXPECT_GE(highCardPoints(opener), 15);
        EXPECT_LE(highCardPoints(opener), 17);
        ASSERT_TRUE(board.tricks);
        ASSERT_TRUE(board.par);
    }
    const std::vector<Page> pages = pdfWords(pdf);
    ASSERT_EQ(pages.size(), 4U) << "four boards a page";
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const QString text = pageText(pages[p]);
        EXPECT_TRUE(text.contains(
            QString::fromUtf8("Donnes pour une leçon — Sud : 15 à 17 points, régulière")))
            << text.left(200).toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 sur 4").arg(p + 1)));
        EXPECT_EQ(text.count(QString::fromUtf8("Levées à quatre jeux")), 4);
        EXPECT_EQ(text.count(QStringLiteral("Par : ")), 4);
    }
    expectHandRecords(pages, w.boards(), 0);
    // A page to look at.
    QProcess::execute(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"),
         QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf,
         QDir::temp().filePath(QStringLiteral("ondiscale-lecon-page"))});
}

// One sheet a player: each page names its seat and holds that seat's hand
// of every board, and no other; in black and white the red suits keep
// their outlined signs.
TEST(LessonWindow, EachPlayersSheetHoldsOnlyTheirOwnHands) {
    QTemporaryDir folder;
    Lesson l;
    l.open();
    LessonWindow& w = l.window;
    child<QComboBox>(w, "leconFeuilles")->setCurrentIndex(2);  // both
    child<QCheckBox>(w, "leconNoirEtBlanc")->setChecked(true);
    const QString pdf = qEnvironmentVariableIsSet("LESSON_KEEP")
                            ? QStringLiteral("/tmp/feuilles.pdf")
                            : folder.filePath(QStringLiteral("feuilles.pdf"));
    ASSERT_TRUE(w.exportPdfTo(pdf));
    const std::vector<Page> pages = pdfWords(pdf);
    ASSERT_EQ(pages.size(), 8U) << "4 pages of diagrams, one sheet for each seat";
    expectHandRecords(pages, w.boards(), 0);
    const char* seats[] = {"Nord", "Est", "Sud", "Ouest"};
    for (std::size_t s = 0; s < 4; ++s) {
        const Page& page = pages[4 + s];
        SCOPED_TRACE(seats[s]);
        const QString text = pageText(page);
        EXPECT_TRUE(
            text.startsWith(QString::fromUtf8("Feuille de %1").arg(QLatin1String(seats[s]))))
            << text.left(80).toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("15 à 17"))) << "the condition is not told";
        EXPECT_FALSE(text.contains(QString::fromUtf8("♥")));
        EXPECT_FALSE(text.contains(QString::fromUtf8("♦")));
        std::vector<SuitLine> lines = suitLines(page.words);
        ASSERT_EQ(lines.size(), 4 * w.boards().size());
        // Down the first column, then the second.
        std::stable_sort(lines.begin(), lines.end(), [&](const SuitLine& a, const SuitLine& b) {
            const bool aLeft = a.x < page.width / 2;
            const bool bLeft = b.x < page.width / 2;
            return aLeft != bLeft ? aLeft : a.y < b.y;
        });
        for (std::size_t b = 0; b < w.boards().size(); ++b) {
            const Hand& hand = w.boards()[b].deal[s];
            for (const Suit suit : kSuits) {
                const SuitLine& line = lines[4 * b + index(suit)];
                EXPECT_EQ(line.suit, suit);
                EXPECT_EQ(line.cards, printed(hand, suit)) << "board " << b + 1;
            }
        }
    }
}

TEST(LessonWindow, PrintingShowsAPreviewOfTheSheets) {
    Lesson l;
    l.open();
    bool previewed = false;
    whenModal([&](QWidget* modal) {
        previewed = qobject_cast<QPrintPreviewDialog*>(modal) != nullptr;
        modal->close();
    });
    child<QPushButton>(l.window, "leconImprimer")->click();
    EXPECT_TRUE(previewed);
}

TEST(LessonWindow, ThePbnGoesThroughQtsFileDialogWithTheLessonsName) {
    QTemporaryDir folder;
    Lesson l;
    l.open();
    const QString path = folder.filePath(QStringLiteral("lecon.pbn"));
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Exporter les donnes en PBN"));
        chooseFile(*dialog, path);
    });
    child<QPushButton>(l.window, "leconPbn")->click();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("% PBN 2.1\r\n% EXPORT\r\n"));
    EXPECT_EQ(bytes.count("[Deal \""), 16);
    EXPECT_TRUE(
        bytes.contains("[Event \"Donnes pour une le\xE7on : Sud : 15 \xE0 17 points, "
                       "r\xE9guli\xE8re\"]\r\n"));
}

}  // namespace
