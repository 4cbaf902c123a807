// Whatever the boxes hold, validating them never throws, never stores
// bounds that a run could not use, and leaves each group either stored
// from the boxes or reset to its defaults.
#include <gtest/gtest.h>

#include "fake_window.h"
#include "text_fuzz.h"

using namespace ondiscale;

namespace {

bool invariantsHold(const StoredBounds& b) {
    return b.PMax <= 13 && b.CMax <= 13 && b.KMax <= 13 && b.TMax <= 13 && b.HMax <= 37 &&
           b.PMin <= b.PMax && b.CMin <= b.CMax && b.KMin <= b.KMax && b.TMin <= b.TMax &&
           b.HMin <= b.HMax && b.PMin + b.CMin + b.KMin + b.TMin <= 13;
}

// Ten box texts: plausible numbers, each replaced by a fuzzed text with
// one chance in `fuzzOneIn`.
std::array<std::string, 10> typeBoxes(TextFuzz& fuzz, std::size_t fuzzOneIn) {
    std::array<std::string, 10> typed;
    for (std::size_t i = 0; i < 10; ++i) {
        const std::size_t plausible = i >= 8 ? (i == 8 ? fuzz.pick(20) : 15 + fuzz.pick(24))
                                             : (i % 2 == 0 ? fuzz.pick(4) : 3 + fuzz.pick(12));
        typed[i] = fuzz.pick(fuzzOneIn) == 0 ? fuzz.next() : std::to_string(plausible);
    }
    return typed;
}

std::array<std::uint8_t, 10> asStored(const StoredBounds& b) {
    return {b.PMin, b.PMax, b.CMin, b.CMax, b.KMin, b.KMax, b.TMin, b.TMax, b.HMin, b.HMax};
}

TEST(BoundsFuzz, ValidationKeepsEveryGroupStoredOrReset) {
    FakeWindow window;
    auto& [view, dialogue, dealer, frequency] = window;
    TextFuzz fuzz(20261207);
    const auto defaults = strings(kDefaultBoxes);

    int stored = 0;
    for (int round = 0; round < 300'000; ++round) {
        const auto typed = typeBoxes(fuzz, round % 2 == 0 ? 2 : 30);
        std::copy(typed.begin(), typed.end(), view.boxes.begin() + 1);
        const auto before = asStored(frequency.stored());
        dialogue.calls.clear();

        bool ok = false;
        ASSERT_NO_THROW(ok = frequency.Enregistre()) << round;
        const auto after = asStored(frequency.stored());
        ASSERT_TRUE(invariantsHold(frequency.stored())) << round;
        ASSERT_LE(dialogue.calls.size(), 2U);

        if (ok) {
            ++stored;
            ASSERT_TRUE(dialogue.calls.empty());
            for (std::size_t i = 0; i < 10; ++i) {
                ASSERT_EQ(boxValue(typed[i]), after[i]) << round << " box " << i + 1;
            }
            continue;
        }
        // Each group: reset (boxes and bounds at their defaults) or untouched.
        const auto groupIs = [&](std::size_t from, std::size_t to, bool reset) {
            for (std::size_t i = from; i < to; ++i) {
                if (reset ? (view.boxes[i + 1] != defaults[i] ||
                             after[i] != static_cast<std::uint8_t>(std::stoi(defaults[i])))
                          : (view.boxes[i + 1] != typed[i] || after[i] != before[i])) {
                    return false;
                }
            }
            return true;
        };
        ASSERT_TRUE(groupIs(0, 8, true) || groupIs(0, 8, false)) << round;
        ASSERT_TRUE(groupIs(8, 10, true) || groupIs(8, 10, false)) << round;
        ASSERT_EQ(dialogue.calls.size(),
                  (groupIs(0, 8, false) ? 0U : 1U) + (groupIs(8, 10, false) ? 0U : 1U))
            << round;
    }
    EXPECT_GT(stored, 1000) << "the generator gives valid bounds often enough";
}

// A hundred whole clicks: a valid click runs one batch and ends, an
// invalid one runs nothing; neither throws.
TEST(BoundsFuzz, ClicksNeverThrow) {
    FakeWindow window;
    auto& [view, dialogue, dealer, frequency] = window;
    TextFuzz fuzz(7);
    int runs = 0;
    for (int round = 0; round < 100; ++round) {
        const auto typed = typeBoxes(fuzz, 20);
        std::copy(typed.begin(), typed.end(), view.boxes.begin() + 1);
        dialogue.calls.clear();
        dialogue.answers = {Answer::No};
        ASSERT_NO_THROW(frequency.Command2Click()) << round;
        ASSERT_TRUE(invariantsHold(frequency.stored()));
        if (!dialogue.reports().empty()) {
            ++runs;
            EXPECT_EQ(frequency.stored(), StoredBounds{}) << "a run ends at the defaults";
            EXPECT_FALSE(view.progressVisible);
        }
    }
    EXPECT_GT(runs, 10);
}

}  // namespace
