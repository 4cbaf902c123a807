#include <gtest/gtest.h>

#include "journal/journal.h"
#include "journal/journal_text.h"

using namespace ondiscale;

namespace {

std::vector<Example> boards(int count) {
    std::vector<Example> out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        out[static_cast<std::size_t>(i)].wholeDeal = true;
        out[static_cast<std::size_t>(i)].board =
            BoardLabel{i + 1, kSeats[static_cast<std::size_t>(i) % 4], vulnerabilityOfBoard(i + 1)};
    }
    return out;
}

// A set of boards is one entry, which follows its changes and never
// moves; other runs may come after it meanwhile.
TEST(LessonEntry, ASetIsOneEntryThatFollowsItsChanges) {
    Journal journal;
    std::vector<std::size_t> told;
    journal.setListener([&](std::size_t entry) { told.push_back(entry); });
    Condition question;
    question.known.alternatives[0].bounds.hand(Seat::South).points = {15, 17};
    const std::optional<std::size_t> index =
        journal.lessonDealt("Sud : 15 ≤ points ≤ 17", question, boards(16));
    ASSERT_EQ(index, 0U);
    journal.runStarted({RunKind::Table, "toutes les donnes", 100'000, {}});
    std::vector<Example> changed = boards(16);
    changed[3].tricks = TrickTable{};
    journal.lessonChanged(*index, changed);
    journal.lessonChanged(1, boards(2));  // not a lesson: nothing

    const JournalEntry& entry = journal.entries().at(0);
    EXPECT_EQ(entry.kind, RunKind::Lesson);
    EXPECT_EQ(entry.question, question);
    EXPECT_EQ(entry.deals, 16);
    ASSERT_EQ(entry.examples.size(), 16U);
    EXPECT_TRUE(entry.examples[3].tricks);
    EXPECT_EQ(journal.entries().at(1).examples.size(), 0U);
    EXPECT_EQ(told, (std::vector<std::size_t>{0, 1, 0}));
    EXPECT_EQ(runLabel(entry, " "), "Donnes pour une leçon : Sud : 15 ≤ points ≤ 17 — 16 donnes");

    Journal past = Journal::reopened({});
    EXPECT_FALSE(past.lessonDealt("x", std::nullopt, boards(1)));
    EXPECT_TRUE(past.entries().empty());
}

}  // namespace
