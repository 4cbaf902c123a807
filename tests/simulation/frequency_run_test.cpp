#include "simulation/frequency_run.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "condition/matcher.h"
#include "counting_clock.h"
#include "engine/hand_measures.h"
#include "exact_odds.h"
#include "fake_progress.h"
#include "scripted_dialogue.h"

using namespace ondiscale;

namespace {

// The hit count of a report prompt "Sud précisé: N soit P%", and its shape.
long long hitsIn(const std::string& prompt) {
    const std::string head = "Sud précisé: ";
    const auto soit = prompt.find(" soit ");
    const bool shaped = prompt.starts_with(head) && soit != std::string::npos &&
                        prompt.ends_with("%") &&
                        prompt.find_first_not_of("0123456789", head.size()) == soit &&
                        prompt.find_first_not_of("0123456789.", soit + 6) == prompt.size() - 1;
    EXPECT_TRUE(shaped) << prompt;
    return shaped ? std::stoll(prompt.substr(head.size(), soit - head.size())) : -1;
}

HandBounds spadesAndPoints(std::uint8_t spades, std::uint8_t low, std::uint8_t high) {
    HandBounds b;
    b.suit(Suit::Spades) = {spades, spades};
    b.points = {low, high};
    return b;
}

struct Bench {
    ScriptedDialogue dialogue;
    FakeProgress progress;
    Dealer dealer;

    void go(const HandBounds& bounds, std::initializer_list<Answer> answers) {
        dialogue.answers = answers;
        runFrequency(bounds, dealer, progress, dialogue, nullptr);
    }
};

TEST(FrequencyRun, DefaultBoundsOverThreeBatchesThenNo) {
    Bench run;
    std::vector<std::pair<bool, int>> barWhileOpen;
    run.dialogue.whileOpen = [&](const DialogueCall&) {
        barWhileOpen.emplace_back(run.progress.visible, run.progress.value);
    };
    run.go(HandBounds{}, {Answer::Yes, Answer::Yes, Answer::No});

    const auto reports = run.dialogue.reports();
    ASSERT_EQ(reports.size(), 3U);
    ASSERT_EQ(run.dialogue.calls.size(), 3U) << "no other message";
    const char* titles[] = {"Statistiques sur 100000 tirages au hasard. Voulez-vous continuer?",
                            "Statistiques sur 200000 tirages au hasard. Voulez-vous continuer?",
                            "Statistiques sur 300000 tirages au hasard. Voulez-vous continuer?"};
    const char* prompts[] = {"Sud précisé: 100000 soit 100%", "Sud précisé: 200000 soit 100%",
                             "Sud précisé: 300000 soit 100%"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(reports[i].title, titles[i]);
        EXPECT_EQ(reports[i].prompt, prompts[i]);
        EXPECT_EQ(barWhileOpen[i], std::make_pair(true, 0)) << "bar shown at 0 under the report";
    }

    // Per batch: shown, 0, then 1 to 99 every 1,000 deals, and 0 at the last deal.
    std::vector<int> batch{FakeProgress::kShown, 0};
    for (int v = 1; v <= 99; ++v) {
        batch.push_back(v);
    }
    batch.push_back(0);
    std::vector<int> expected;
    for (int b = 0; b < 3; ++b) {
        expected.insert(expected.end(), batch.begin(), batch.end());
    }
    expected.push_back(FakeProgress::kHidden);
    EXPECT_EQ(run.progress.log, expected);
}

TEST(FrequencyRun, TheClockIsReadOnceForEveryDeal) {
    CountingClock::readings = 0;
    Bench run;
    run.dealer = Dealer(Generator::fromEntropy(), CountingClock::read);
    run.go(HandBounds{}, {Answer::No});
    EXPECT_EQ(CountingClock::readings, 100'000U);
}

TEST(FrequencyRun, BoundsNoHandCanMeetGiveZeroAndZero) {
    Bench run;
    HandBounds b;
    for (Range& r : b.suits) {
        r = {0, 2};
    }
    run.go(b, {Answer::Yes, Answer::No});
    const auto reports = run.dialogue.reports();
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_EQ(reports[0].prompt, "Sud précisé: 0 soit 0%");
    EXPECT_EQ(reports[1].prompt, "Sud précisé: 0 soit 0%");
}

// 5 to 5 spades, and 0 to 0 points, over ten batches each, against the
// exact odds; the percentage is the hit count over k x 1,000.
TEST(FrequencyRun, HitsMatchTheExactOddsAndAccumulate) {
    struct Row {
        HandBounds bounds;
        double probability;
    };
    HandBounds fiveSpades;
    fiveSpades.suit(Suit::Spades) = {5, 5};
    HandBounds noHonour;
    noHonour.points = {0, 0};
    const Row rows[] = {
        {fiveSpades, odds::suitLength(5)},
        {noHonour, odds::choose(36, 13) / odds::hands()},
    };
    for (const auto& row : rows) {
        Bench run;
        constexpr int batches = 10;
        for (int i = 1; i < batches; ++i) {
            run.dialogue.answers.push_back(Answer::Yes);
        }
        run.dialogue.answers.push_back(Answer::No);
        runFrequency(row.bounds, run.dealer, run.progress, run.dialogue, nullptr);
        const auto reports = run.dialogue.reports();
        ASSERT_EQ(reports.size(), static_cast<std::size_t>(batches));
        long long previous = 0;
        for (std::size_t k = 1; k <= reports.size(); ++k) {
            const long long hits = hitsIn(reports[k - 1].prompt);
            EXPECT_GE(hits, previous) << "hits carry on from batch to batch";
            previous = hits;
            const auto percent =
                reports[k - 1].prompt.substr(reports[k - 1].prompt.find(" soit ") + 6);
            EXPECT_NEAR(std::stod(percent),
                        static_cast<double>(hits) / (1000.0 * static_cast<double>(k)), 1e-4);
        }
        EXPECT_TRUE(odds::agrees(previous, batches * 100'000LL, row.probability));
    }
}

TEST(FrequencyReport, TextsWithEitherSeparatorAndPastThirtyTwoBits) {
    EXPECT_EQ(frequencyReport(5123, 100'000, ".").prompt, "Sud précisé: 5123 soit 5.123%");
    EXPECT_EQ(frequencyReport(5123, 100'000, ",").prompt, "Sud précisé: 5123 soit 5,123%");
    EXPECT_EQ(frequencyReport(1, 300'000, ",").prompt, "Sud précisé: 1 soit 0,0003333333%");

    // 21,475 batches hold more deals than 32 bits can count: every figure stays true.
    const auto past = frequencyReport(2'147'500'000, 2'147'500'000, ".");
    EXPECT_EQ(past.title, "Statistiques sur 2147500000 tirages au hasard. Voulez-vous continuer?");
    EXPECT_EQ(past.prompt, "Sud précisé: 2147500000 soit 100%");
    const auto further = frequencyReport(1'073'750'000, 4'295'000'000, ".");
    EXPECT_EQ(further.title,
              "Statistiques sur 4295000000 tirages au hasard. Voulez-vous continuer?");
    EXPECT_EQ(further.prompt, "Sud précisé: 1073750000 soit 25%");
}

// The run's plan and examples, as the journal takes them: five distinct
// hits, or all of them when rarer bounds give fewer.
TEST(FrequencyRun, PlanAndExamples) {
    struct Row {
        HandBounds bounds;
        const char* condition;
    };
    HandBounds tenSpades;
    tenSpades.suit(Suit::Spades) = {10, 13};
    const Row rows[] = {
        {spadesAndPoints(5, 12, 14), "5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14"},
        {tenSpades, "10 ≤ ♠ ≤ 13"},  // a hit in about 250,000 deals
    };
    for (const Row& row : rows) {
        Dealer dealer;
        FakeProgress progress;
        FrequencyRun run(row.bounds, dealer, progress);
        EXPECT_EQ(run.plan().kind, RunKind::Frequency);
        EXPECT_EQ(run.plan().condition, row.condition);
        EXPECT_EQ(run.plan().batchSize, 100'000);
        ASSERT_EQ(run.plan().figures.size(), 1U);
        EXPECT_EQ(run.plan().figures[0].name, "Main précisée");
        Tally tally{0, 0, {0}};
        for (int b = 0; b < 2; ++b) {
            run.dealBatch(tally);
        }
        const auto examples = run.examples(tally);
        EXPECT_EQ(static_cast<std::int64_t>(examples.size()),
                  std::min<std::int64_t>(tally.hits[0], 5));
        std::set<Hand> distinct;
        for (const Example& ex : examples) {
            const Hand& hand = ex.deal[index(Seat::South)];
            EXPECT_FALSE(ex.wholeDeal);
            EXPECT_EQ(ex.figure, "Main précisée");
            EXPECT_TRUE(meets(row.bounds, suitLengths(hand), highCardPoints(hand)));
            distinct.insert(hand);
        }
        EXPECT_EQ(distinct.size(), examples.size()) << "distinct hands, not one hand repeated";
    }
}

}  // namespace
