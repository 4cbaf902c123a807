#include "ui/analysis_panel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "hands.h"
#include "journal/journal_text.h"
#include "scripted_dialogue.h"
#include "ui/main_window.h"
#include "ui/table_window.h"

using namespace ondiscale;

namespace {

struct Session {
    ScriptedDialogue dialogue;
    MainWindow window{dialogue};
    TableWindow* table = nullptr;

    Session() {
        window.show();
        window.findChild<QAction*>(QStringLiteral("mnuDonne"))->trigger();
        table = window.findChild<TableWindow*>(QStringLiteral("Donne"));
    }
    template <typename T>
    T* find(const char* name) const {
        auto* found = table->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // One batch of deals where North holds `points` or more: 26, some
    // twenty deals in 100,000, few enough to analyse quickly; 25, some
    // forty-five.
    std::size_t runOneBatch(const char* points = "26") {
        find<QLineEdit>("NordPointsMin")->setText(QString::fromLatin1(points));
        dialogue.answers.push_back(Answer::No);
        find<QPushButton>("cmdDonne")->click();
        // The run keeps every deal it found, up to 100,000.
        const auto kept =
            static_cast<std::size_t>(window.journal().entries().back().figures[0].hits);
        EXPECT_GT(kept, 8U) << "more deals than one step";
        return kept;
    }
    // How the event loop kept turning while the analysis ran: the longest a
    // 5 ms timer waited past its time, and the time lost in waits of more
    // than 100 ms, against the analysis's whole time.
    struct Lateness {
        qint64 longest = 0;
        qint64 stalled = 0;
        qint64 total = 0;
    };
    // Runs the event loop until the analysis ends.
    Lateness waitForTheEnd(const std::function<void()>& meanwhile = {}) {
        QSignalSpy ended(table->analysis(), &AnalysisPanel::analysisEnded);
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        Lateness lateness;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 late = clock.elapsed() - last - 5;
            lateness.longest = std::max(lateness.longest, late);
            lateness.stalled += late > 100 ? late : 0;
            last = clock.elapsed();
            if (meanwhile) {
                meanwhile();
            }
        });
        tick.start(5);
        EXPECT_TRUE(ended.wait(120'000)) << "the analysis ends";
        lateness.total = clock.elapsed();
        return lateness;
    }
};

TEST(AnalysisPanel, ItsControlsAreNamedAndNothingRunsWithoutDealsOrWithABadContract) {
    Session s;
    auto* count = s.find<QSpinBox>("AnalyseDonnes");
    EXPECT_EQ(count->value(), 1000);
    EXPECT_EQ(count->minimum(), 100);
    EXPECT_EQ(count->maximum(), 100000);
    EXPECT_EQ(count->accessibleName(), QString::fromUtf8("Donnes à analyser"));
    EXPECT_EQ(s.find<QPushButton>("cmdAnalyse")->text(),
              QString::fromUtf8("&Analyse à quatre jeux"));
    EXPECT_EQ(s.find<QPushButton>("cmdAnalyseAnnuler")->text(), QStringLiteral("A&nnuler"))
        << "its own access key, Alt+A being the analysis's";
    EXPECT_FALSE(s.find<QPushButton>("cmdAnalyseAnnuler")->isEnabled());

    s.find<QPushButton>("cmdAnalyse")->click();
    ASSERT_EQ(s.dialogue.calls.size(), 1U);
    EXPECT_EQ(s.dialogue.calls[0].prompt,
              "Aucune donne à analyser : lancez d'abord « Fréquence pour 100 000 donnes » ; "
              "l'analyse porte sur les donnes précisées qu'elle a trouvées.");

    auto* contracts = s.find<QLineEdit>("AnalyseContrats");
    contracts->setText(QStringLiteral("3SA Sud, 8X Nord"));
    s.find<QPushButton>("cmdAnalyse")->click();
    ASSERT_EQ(s.dialogue.calls.size(), 2U);
    EXPECT_NE(s.dialogue.calls[1].prompt.find("8X Nord"), std::string::npos)
        << s.dialogue.calls[1].prompt;
    EXPECT_EQ(s.table->focusWidget(), contracts);
    EXPECT_EQ(contracts->text(), QStringLiteral("3SA Sud, 8X Nord")) << "kept as typed";
    EXPECT_FALSE(s.table->analysis()->running());
}

// An analysis of 100 deals runs beside a responsive window and lands in the
// journal with its contract, its bars and its analysed deals.
TEST(AnalysisPanel, AnAnalysisRunsInTheBackgroundIntoTheJournal) {
    Session s;
    const std::size_t kept = s.runOneBatch();
    s.find<QSpinBox>("AnalyseDonnes")->setValue(100);
    s.find<QLineEdit>("AnalyseContrats")->setText(QString::fromUtf8("3SA Sud, 4♠ Nord"));
    bool cancellable = false;
    QStringList progress;
    s.find<QPushButton>("cmdAnalyse")->click();
    EXPECT_TRUE(s.table->analysis()->running());
    const Session::Lateness lateness = s.waitForTheEnd([&] {
        cancellable = cancellable || s.find<QPushButton>("cmdAnalyseAnnuler")->isEnabled();
        auto* bar = s.find<QProgressBar>("AnalyseProgression");
        if (bar->isVisible() && (progress.isEmpty() || progress.back() != bar->text())) {
            progress << bar->text();
        }
    });
    std::cout << "longest wait of the event loop during the analysis: " << lateness.longest
              << " ms; " << lateness.stalled << " ms of " << lateness.total
              << " ms in waits over 100 ms\n";
    // A solver call on the event loop blocks it for as long as the call; a
    // busy machine delays a timer by a few hundred milliseconds at times.
    EXPECT_LT(lateness.longest, 2'000) << "the window stays responsive";
    EXPECT_LT(lateness.stalled, lateness.total / 2) << "the loop turns through the analysis";
    EXPECT_TRUE(cancellable);
    EXPECT_FALSE(s.find<QPushButton>("cmdAnalyseAnnuler")->isEnabled());
    // The bar tells the deals done and, once it can, the time left.
    const QString total = QString::number(std::min<std::size_t>(kept, 100));
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.front(), QString::fromUtf8("0 sur %1 donnes").arg(total));
    const QRegularExpression later(
        QString::fromUtf8("^\\d+ sur %1 donnes — encore environ (\\d+ s|\\d+ min \\d+ s)$")
            .arg(total));
    EXPECT_TRUE(std::any_of(progress.begin(), progress.end(), [&](const QString& p) {
        return later.match(p).hasMatch();
    })) << progress.join(" | ").toStdString();

    const JournalEntry& entry = s.window.journal().entries().back();
    EXPECT_EQ(entry.kind, RunKind::Analysis);
    EXPECT_EQ(entry.deals, static_cast<std::int64_t>(std::min<std::size_t>(kept, 100)));
    EXPECT_EQ(entry.condition, s.window.journal().entries().front().condition);
    ASSERT_GE(entry.figures.size(), 22U);
    EXPECT_EQ(entry.figures[0].name, "3SA Sud : réussi");
    EXPECT_EQ(entry.figures[1].name, "4♠ Nord : réussi");
    EXPECT_EQ(entry.examples.size(), static_cast<std::size_t>(entry.deals));
    EXPECT_TRUE(entry.examples[0].tricks.has_value());
    // North with 26 points or more makes 3SA far more often than East.
    ASSERT_TRUE(entry.analysis);
    EXPECT_EQ(entry.figures[2].name, "SA par Nord : 9 levées ou plus");
    EXPECT_GT(entry.figures[2].hits, entry.figures[3].hits)
        << entry.figures[2].name << " / " << entry.figures[3].name;
}

// "Annuler" and closing the window both stop the analysis; what was
// analysed stays in the journal.
TEST(AnalysisPanel, CancellingOrClosingKeepsWhatWasAnalysed) {
    for (const bool close : {false, true}) {
        Session s;
        // Room for a stop: more deals than a step and the solver's next call.
        const std::size_t kept = s.runOneBatch("25");
        ASSERT_GT(kept, 16U);
        s.find<QPushButton>("cmdAnalyse")->click();
        s.waitForTheEnd([&] {
            const auto& entries = s.window.journal().entries();
            if (entries.back().deals > 0 && s.table->analysis()->running()) {
                if (close) {
                    s.table->close();
                } else {
                    // Its access key, from the keyboard.
                    QApplication::setActiveWindow(s.table);
                    QTest::keyClick(s.table, Qt::Key_N, Qt::AltModifier);
                }
            }
        });
        const JournalEntry& entry = s.window.journal().entries().back();
        EXPECT_EQ(entry.kind, RunKind::Analysis);
        EXPECT_GT(entry.deals, 0);
        EXPECT_LT(entry.deals, static_cast<std::int64_t>(kept)) << (close ? "closed" : "cancelled");
        EXPECT_FALSE(s.table->analysis()->running());
        EXPECT_TRUE(s.find<QPushButton>("cmdAnalyse")->isEnabled());
        EXPECT_TRUE(entry.stopped);
        EXPECT_TRUE(QString::fromStdString(runLabel(entry, " "))
                        .endsWith(QString::fromUtf8(" — arrêtée après %1 donnes").arg(entry.deals)))
            << runLabel(entry, " ");
    }
}

// Deals the solver settles at once: each hand one whole suit, turned by
// one seat from deal to deal.
std::vector<Deal> plainDeals(std::size_t count) {
    using hands::handOf;
    const Hand spades = handOf("AKQJT98765432", "", "", "");
    const Hand hearts = handOf("", "AKQJT98765432", "", "");
    const Hand diamonds = handOf("", "", "AKQJT98765432", "");
    const Hand clubs = handOf("", "", "", "AKQJT98765432");
    std::vector<Deal> deals;
    for (std::size_t n = 0; n < count; ++n) {
        const std::array<Hand, 4> suits{spades, hearts, diamonds, clubs};
        Deal deal;
        for (std::size_t seat = 0; seat < 4; ++seat) {
            deal[seat] = suits[(seat + n) % 4];
        }
        deals.push_back(deal);
    }
    return deals;
}

// A panel on its own, fed the deals given.
struct Panel {
    ScriptedDialogue dialogue;
    Journal journal;
    std::vector<Deal> deals;
    AnalysisPanel panel{journal, dialogue, [this](std::size_t most) {
                            AnalysisSource source;
                            source.condition = "Nord : 20 ≤ points ≤ 37";
                            source.deals.assign(deals.begin(),
                                                deals.begin() + static_cast<std::ptrdiff_t>(
                                                                    std::min(most, deals.size())));
                            return std::optional<AnalysisSource>(source);
                        }};
    QProgressBar* bar = panel.findChild<QProgressBar*>(QStringLiteral("AnalyseProgression"));

    explicit Panel(std::vector<Deal> given) : deals(std::move(given)) { panel.show(); }
    void runToTheEnd(int count) {
        panel.findChild<QSpinBox*>(QStringLiteral("AnalyseDonnes"))->setValue(count);
        QSignalSpy ended(&panel, &AnalysisPanel::analysisEnded);
        panel.findChild<QPushButton*>(QStringLiteral("cmdAnalyse"))->click();
        EXPECT_TRUE(ended.wait(120'000)) << "the analysis ends";
    }
};

// The bar's range is the deals analysed, however many were asked for or
// found; it fills only with the last deal and goes once the analysis ends.
TEST(AnalysisPanel, TheBarCountsTheDealsAnalysedAndFillsOnlyAtTheEnd) {
    struct Row {
        std::size_t found;
        int asked;
        int analysed;
    };
    for (const Row& r :
         {Row{100, 100, 100}, Row{1'000, 1'000, 1'000}, Row{150, 100, 100}, Row{40, 1'000, 40}}) {
        SCOPED_TRACE(std::to_string(r.found) + " found, " + std::to_string(r.asked) + " asked");
        Panel p(plainDeals(r.found));
        ASSERT_NE(p.bar, nullptr);
        std::vector<std::pair<int, int>> shown;  // value, maximum
        QObject::connect(p.bar, &QProgressBar::valueChanged, [&](int value) {
            shown.emplace_back(value, p.bar->maximum());
            EXPECT_TRUE(value == 0 || p.bar->isVisible()) << value;
        });
        p.runToTheEnd(r.asked);
        EXPECT_TRUE(p.dialogue.calls.empty());
        ASSERT_FALSE(shown.empty());
        for (std::size_t n = 0; n < shown.size(); ++n) {
            EXPECT_EQ(shown[n].second, r.analysed) << "range at " << shown[n].first;
            if (n + 1 < shown.size()) {
                EXPECT_LT(shown[n].first, r.analysed) << "full before the end";
                EXPECT_LE(shown[n].first, shown[n + 1].first);
            }
        }
        EXPECT_EQ(shown.back().first, r.analysed);
        EXPECT_FALSE(p.bar->isVisible()) << "hidden again";
        EXPECT_EQ(p.journal.entries().back().deals, r.analysed);
    }
}

// The solver's failure is told in French, in the window's name, and the
// panel is ready for another analysis.
TEST(AnalysisPanel, ASolverErrorReachesTheUserInFrench) {
    std::vector<Deal> deals = plainDeals(100);
    deals[0][1] = deals[0][0];  // East holds North's cards too
    Panel p(deals);
    p.runToTheEnd(100);
    ASSERT_EQ(p.dialogue.calls.size(), 1U);
    EXPECT_EQ(p.dialogue.calls[0].prompt,
              "La donne n° 1 n'est pas faite de 52 cartes distinctes : aucune donne n'a été "
              "résolue.");
    EXPECT_EQ(p.dialogue.calls[0].title, "Fréquence d'une donne précisée");
    EXPECT_FALSE(p.panel.running());
    EXPECT_FALSE(p.bar->isVisible());
    EXPECT_TRUE(p.panel.findChild<QPushButton*>(QStringLiteral("cmdAnalyse"))->isEnabled());
    EXPECT_FALSE(p.panel.findChild<QPushButton*>(QStringLiteral("cmdAnalyseAnnuler"))->isEnabled());
}

// The Donne window's own bar shows while its deals are dealt and goes once
// the run has ended.
TEST(AnalysisPanel, TheDealingBarGoesOnceTheRunEnds) {
    Session s;
    auto* bar = s.find<QProgressBar>("DonneProgression");
    bool shownDuringTheRun = false;
    QObject::connect(bar, &QProgressBar::valueChanged,
                     [&] { shownDuringTheRun = shownDuringTheRun || bar->isVisible(); });
    s.runOneBatch();
    EXPECT_TRUE(shownDuringTheRun);
    EXPECT_FALSE(bar->isVisible());
    s.find<QSpinBox>("AnalyseDonnes")->setValue(100);
    s.find<QPushButton>("cmdAnalyse")->click();
    s.waitForTheEnd();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(s.find<QProgressBar>("AnalyseProgression")->isVisible());
}

}  // namespace
