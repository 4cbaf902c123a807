#include "journal/journal.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/hand_measures.h"
#include "exact_odds.h"
#include "fake_window.h"
#include "journal/journal_text.h"

using namespace ondiscale;

namespace {

std::string shape(const MainSud& hand) {
    const SuitLengths l = Lengths(hand);
    return Forme(l.spades, l.hearts, l.diamonds, l.clubs);
}

bool dealt(const MainSud& hand) {
    const std::set<int> cards(hand.begin() + 1, hand.end());
    return cards.size() == 13 && *cards.begin() >= 2 && *cards.rbegin() <= 53;
}

TEST(Journal, FrequencyRunAfterOuiAndNon) {
    FakeWindow w;
    Journal journal;
    std::vector<std::size_t> told;
    journal.setListener([&](std::size_t entry) { told.push_back(entry); });
    w.frequency.setObserver(&journal);
    w.view.type({"5", "5", "0", "13", "0", "13", "0", "13", "12", "14"});
    w.answer({Answer::Yes, Answer::No});
    std::vector<std::string> labelsBehindReports;
    w.dialogue.whileOpen = [&](const DialogueCall&) {
        labelsBehindReports.push_back(runLabel(journal.entries().back()));
    };
    w.frequency.Command2Click();

    ASSERT_EQ(journal.entries().size(), 1U);
    const JournalEntry& e = journal.entries()[0];
    EXPECT_EQ(labelsBehindReports,
              (std::vector<std::string>{"Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ H ≤ 14 — 100000 donnes",
                                        "Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ H ≤ 14 — 200000 donnes"}));
    EXPECT_EQ(told, (std::vector<std::size_t>{0, 0, 0})) << "the start and each batch";
    EXPECT_EQ(e.batches, 2);
    EXPECT_EQ(e.deals, 200000);

    ASSERT_EQ(e.figures.size(), 1U);
    const Figure& f = e.figures[0];
    const FigureStats s = statsOf(f, e.deals);
    EXPECT_EQ(w.dialogue.reports().back().prompt, "Sud précisé: " + std::to_string(f.hits) +
                                                      " soit " + percentText(s.estimate, ".") + "%")
        << "the journal's estimate is the report's";
    EXPECT_EQ(percentText(s.exact, ","), "2,582369");
    EXPECT_TRUE(odds::agrees(f.hits, 200000, f.exact));
    EXPECT_LT(s.low, s.estimate);
    EXPECT_GT(s.high, s.estimate);
    ASSERT_EQ(f.history.points().size(), 2U);
    EXPECT_EQ(f.history.points()[1].hits, f.hits);

    ASSERT_EQ(e.examples.size(), 5U);
    std::set<MainSud> distinct;
    for (const Example& ex : e.examples) {
        EXPECT_TRUE(dealt(ex.hand));
        EXPECT_EQ(Lengths(ex.hand).spades, 5);
        EXPECT_GE(PointsH(ex.hand), 12);
        EXPECT_LE(PointsH(ex.hand), 14);
        distinct.insert(ex.hand);
    }
    EXPECT_EQ(distinct.size(), 5U) << "five hands, not one hand five times";
}

// Ten spades or more: a hit in about 250,000 deals, so a batch mostly
// has fewer hits than examples kept.
TEST(Journal, ExamplesAreTheHitsWhenThereAreFewerThanFive) {
    for (int run = 0; run < 3; ++run) {
        FakeWindow w;
        Journal journal;
        w.frequency.setObserver(&journal);
        w.view.type({"10", "13", "0", "13", "0", "13", "0", "13", "0", "37"});
        w.answer({Answer::No});
        w.frequency.Command2Click();
        const JournalEntry& e = journal.entries().at(0);
        EXPECT_EQ(e.condition, "10 ≤ ♠ ≤ 13");
        EXPECT_EQ(static_cast<std::int64_t>(e.examples.size()),
                  std::min<std::int64_t>(e.figures[0].hits, 5));
        for (const Example& ex : e.examples) {
            EXPECT_GE(Lengths(ex.hand).spades, 10);
        }
    }
}

TEST(RecentHits, NewestFirstAroundTheRing) {
    RecentHits recent;
    for (std::size_t i = 0; i < recent.ring.size(); ++i) {
        recent.ring[i][1] = static_cast<std::uint8_t>(i);
    }
    recent.next = 2;
    const auto order = [&](std::int64_t hits) {
        std::vector<int> seen;
        recent.forEachNewest(hits, [&](const MainSud& h) { seen.push_back(h[1]); });
        return seen;
    };
    EXPECT_EQ(order(7), (std::vector<int>{1, 0, 5, 4, 3}));
    EXPECT_EQ(order(2), (std::vector<int>{1, 0}));
    EXPECT_EQ(order(0), (std::vector<int>{}));
}

TEST(Journal, SurveyAfterOuiAndNon) {
    ScriptedDialogue dialogue;
    Dealer dealer;
    Journal journal;
    dialogue.inputs = {"6421"};
    dialogue.answers = {Answer::Yes, Answer::No};
    Probadistri1(dealer, dialogue, &journal);

    ASSERT_EQ(journal.entries().size(), 1U);
    const JournalEntry& e = journal.entries()[0];
    EXPECT_EQ(runLabel(e), "Distributions 4432, 5332, … — 20000 donnes");
    const std::vector<std::string> names{"4432", "5332", "5431", "5422", "4333", "6322", "6421"};
    ASSERT_EQ(e.figures.size(), names.size());

    // Each figure's count and estimate are the last report's line.
    std::string report;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Figure& f = e.figures[i];
        EXPECT_EQ(f.name, names[i]);
        EXPECT_DOUBLE_EQ(f.exact, odds::patternProbabilities().at(names[i]));
        EXPECT_TRUE(odds::agrees(f.hits, 20000, f.exact)) << f.name;
        report += (i > 0 ? "\r\n\r\n" : "") + std::to_string(i + 1) + ") Main de type " + f.name +
                  " = " + std::to_string(f.hits) + "  soit " +
                  percentText(statsOf(f, e.deals).estimate, ".") + " %";
    }
    EXPECT_EQ(dialogue.reports().back().prompt, report);
    EXPECT_EQ(percentText(statsOf(e.figures[0], e.deals).exact, ","), "21,55118");

    ASSERT_EQ(e.examples.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(e.examples[i].figure, names[i]);
        EXPECT_TRUE(dealt(e.examples[i].hand));
        EXPECT_EQ(shape(e.examples[i].hand), names[i]);
    }
}

// The seventh line counts only what the six left, and nothing when the
// user typed one of them or cancelled.
TEST(Journal, SurveysSeventhLine) {
    struct Row {
        std::string typed;
        std::size_t figures;
        double exact;  // of line 7
    };
    const Row rows[] = {
        {"4333", 7, 0.0},
        {"4441", 7, odds::patternProbabilities().at("4441")},
        {"2344", 7, 0.0},
        {"", 6, -1},
    };
    for (const Row& r : rows) {
        ScriptedDialogue dialogue;
        Dealer dealer;
        Journal journal;
        dialogue.inputs = {r.typed};
        dialogue.answers = {Answer::No};
        Probadistri1(dealer, dialogue, &journal);
        const JournalEntry& e = journal.entries().at(0);
        ASSERT_EQ(e.figures.size(), r.figures) << r.typed;
        for (const Example& ex : e.examples) {
            EXPECT_TRUE(dealt(ex.hand)) << r.typed << ": no hand shown for " << ex.figure;
        }
        if (r.figures == 7) {
            const Figure& seventh = e.figures[6];
            EXPECT_EQ(seventh.name, r.typed);
            EXPECT_DOUBLE_EQ(seventh.exact, r.exact) << r.typed;
            if (r.exact == 0.0) {
                EXPECT_EQ(seventh.hits, 0) << r.typed;
                EXPECT_EQ(statsOf(seventh, e.deals).gap, 0.0) << r.typed;
            }
        }
    }
}

// The run's title names every bound the user narrowed, and only those.
TEST(Journal, RunTitlesNameTheBoundsThatDifferFromTheDefaults) {
    struct Row {
        BoundsArray bounds;
        const char* text;
    };
    const Row rows[] = {
        {{0, 0, 13, 0, 13, 0, 13, 0, 13, 0, 37}, "toutes les mains"},
        {{0, 0, 5, 0, 13, 0, 13, 0, 13, 0, 37}, "0 ≤ ♠ ≤ 5"},
        {{0, 0, 13, 4, 13, 0, 13, 0, 13, 0, 37}, "4 ≤ ♥ ≤ 13"},
        {{0, 0, 13, 0, 13, 2, 2, 0, 1, 0, 37}, "2 ≤ ♦ ≤ 2, 0 ≤ ♣ ≤ 1"},
        {{0, 0, 13, 0, 13, 0, 13, 0, 13, 0, 10}, "0 ≤ H ≤ 10"},
        {{0, 6, 13, 0, 13, 0, 13, 0, 13, 20, 37}, "6 ≤ ♠ ≤ 13, 20 ≤ H ≤ 37"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(boundsText(r.bounds), r.text);
    }
}

TEST(Journal, OneEntryPerRunInOrder) {
    FakeWindow w;
    Journal journal;
    w.frequency.setObserver(&journal);
    w.answer({Answer::No});
    w.frequency.Command2Click();
    w.dialogue.inputs = {"7510"};
    w.answer({Answer::No});
    Probadistri3(w.dealer, w.dialogue, &journal);
    w.answer({Answer::No});
    w.frequency.Command2Click();

    const auto& entries = journal.entries();
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(runLabel(entries[0]), "Main précisée : toutes les mains — 100000 donnes");
    EXPECT_EQ(runLabel(entries[1]), "Distributions 6511, 6520, … — 10000 donnes");
    EXPECT_EQ(entries[2].kind, RunKind::Frequency);
    EXPECT_EQ(entries[0].figures[0].exact, 1.0);
    EXPECT_EQ(entries[0].figures[0].hits, 100000);
}

}  // namespace
