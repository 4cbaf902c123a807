#include <gtest/gtest.h>

#include <string>

#include "counting_clock.h"
#include "exact_odds.h"
#include "fake_window.h"

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

TEST(FrequencyRun, DefaultBoundsOverThreeBatchesThenNo) {
    FakeWindow w;
    w.view.type({"0", "13", "0", "13", "0", "13", "0", "13", "0", "37"});
    w.answer({Answer::Yes, Answer::Yes, Answer::No});
    std::vector<std::pair<bool, int>> barWhileOpen;
    w.dialogue.whileOpen = [&](const DialogueCall&) {
        barWhileOpen.emplace_back(w.view.progressVisible, w.view.progressValue);
    };
    w.frequency.Command2Click();

    const auto reports = w.dialogue.reports();
    ASSERT_EQ(reports.size(), 3U);
    ASSERT_EQ(w.dialogue.calls.size(), 3U) << "no other message";
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
    std::vector<int> batch{-2, 0};
    for (int v = 1; v <= 99; ++v) {
        batch.push_back(v);
    }
    batch.push_back(0);
    std::vector<int> expected;
    for (int b = 0; b < 3; ++b) {
        expected.insert(expected.end(), batch.begin(), batch.end());
    }
    expected.push_back(-1);
    EXPECT_EQ(w.view.progressLog, expected);
    EXPECT_FALSE(w.view.progressVisible);
}

TEST(FrequencyRun, EndsWithEveryBoxAndBoundBackAtItsDefault) {
    FakeWindow w;
    w.view.type({"1", "6", "2", "7", "0", "13", "0", "13", "8", "20"});
    w.answer({Answer::No});
    std::optional<StoredBounds> duringRun;
    std::array<std::string, 10> boxesDuringRun;
    w.dialogue.whileOpen = [&](const DialogueCall&) {
        duringRun = w.frequency.stored();
        boxesDuringRun = w.view.shown();
    };
    w.frequency.Command2Click();
    ASSERT_TRUE(duringRun.has_value());
    EXPECT_EQ(*duringRun, (StoredBounds{8, 20, 1, 6, 2, 7, 0, 13, 0, 13}));
    EXPECT_EQ(boxesDuringRun[0], "1") << "the boxes keep the user's values during the run";
    EXPECT_EQ(w.view.shown(), strings(kDefaultBoxes));
    EXPECT_EQ(w.frequency.stored(), StoredBounds{});
}

TEST(FrequencyRun, TheClockIsReadOnceForEveryDeal) {
    const CountingClock clock;
    FakeWindow w;
    w.answer({Answer::No});
    w.frequency.Command2Click();
    EXPECT_EQ(CountingClock::readings, 100'000U);
}

TEST(FrequencyRun, BoundsNoHandCanMeetGiveZeroAndZero) {
    FakeWindow w;
    w.view.type({"0", "2", "0", "2", "0", "2", "0", "2", "0", "37"});
    w.answer({Answer::Yes, Answer::No});
    w.frequency.Command2Click();
    const auto reports = w.dialogue.reports();
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_EQ(reports[0].prompt, "Sud précisé: 0 soit 0%");
    EXPECT_EQ(reports[1].prompt, "Sud précisé: 0 soit 0%");
}

TEST(FrequencyRun, ImpossibleBoundsRunNothing) {
    FakeWindow w;
    w.view.type({"7", "6", "0", "13", "0", "13", "0", "13", "0", "37"});
    w.frequency.Command2Click();
    ASSERT_EQ(w.dialogue.calls.size(), 1U);
    EXPECT_EQ(w.dialogue.calls[0].prompt, "Choix impossible!! Recommencez!");
    EXPECT_TRUE(w.view.progressLog.empty()) << "the bar is never shown";
    EXPECT_EQ(w.view.shown(), strings(kDefaultBoxes));
}

TEST(FrequencyRun, ASecondClickRunsWithTheResetCardsAndTheUsersPoints) {
    FakeWindow w;
    w.view.type({"7", "6", "0", "13", "0", "13", "0", "13", "0", "0"});
    w.frequency.Command2Click();
    ASSERT_EQ(w.dialogue.calls.size(), 1U);
    EXPECT_EQ(w.view.boxes[10], "0") << "the valid point boxes keep the user's text";

    w.answer({Answer::No});
    std::optional<StoredBounds> duringRun;
    w.dialogue.whileOpen = [&](const DialogueCall& c) {
        if (c.buttons == Buttons::YesNo) {
            duringRun = w.frequency.stored();
        }
    };
    w.frequency.Command2Click();
    ASSERT_EQ(w.dialogue.reports().size(), 1U);
    ASSERT_TRUE(duringRun.has_value());
    EXPECT_EQ(*duringRun, (StoredBounds{0, 0, 0, 13, 0, 13, 0, 13, 0, 13}));
}

// 5 to 5 spades, and 0 to 0 points, over ten batches each, against the
// exact odds; the percentage is the hit count over k x 1,000.
TEST(FrequencyRun, HitsMatchTheExactOddsAndAccumulate) {
    struct Row {
        Boxes bounds;
        double probability;
    };
    const Row rows[] = {
        {{"5", "5", "0", "13", "0", "13", "0", "13", "0", "37"}, odds::suitLength(5)},
        {{"0", "13", "0", "13", "0", "13", "0", "13", "0", "0"},
         odds::choose(36, 13) / odds::hands()},
    };
    for (const auto& row : rows) {
        FakeWindow w;
        w.view.type(row.bounds);
        constexpr int batches = 10;
        for (int i = 1; i < batches; ++i) {
            w.dialogue.answers.push_back(Answer::Yes);
        }
        w.dialogue.answers.push_back(Answer::No);
        w.frequency.Command2Click();
        const auto reports = w.dialogue.reports();
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
    EXPECT_EQ(frequencyReport({5123, 1}, ".").prompt, "Sud précisé: 5123 soit 5.123%");
    EXPECT_EQ(frequencyReport({5123, 1}, ",").prompt, "Sud précisé: 5123 soit 5,123%");
    EXPECT_EQ(frequencyReport({1, 3}, ",").prompt, "Sud précisé: 1 soit 0,0003333333%");

    // 21,475 batches hold more deals than 32 bits can count: every figure stays true.
    const auto past = frequencyReport({2'147'500'000, 21'475}, ".");
    EXPECT_EQ(past.title, "Statistiques sur 2147500000 tirages au hasard. Voulez-vous continuer?");
    EXPECT_EQ(past.prompt, "Sud précisé: 2147500000 soit 100%");
    const auto further = frequencyReport({1'073'750'000, 42'950}, ".");
    EXPECT_EQ(further.title,
              "Statistiques sur 4295000000 tirages au hasard. Voulez-vous continuer?");
    EXPECT_EQ(further.prompt, "Sud précisé: 1073750000 soit 25%");
}

}  // namespace
