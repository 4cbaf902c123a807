#include "simulation/batch_run.h"

#include <gtest/gtest.h>

#include "scripted_dialogue.h"

using namespace ondiscale;

namespace {

// A run that deals nothing: each batch adds a known number of hits, and
// everything that happens is written down in order.
class CountingRun final : public BatchedRun {
public:
    explicit CountingRun(std::vector<std::string>& log) : log_(log) {
        plan_ = {RunKind::Survey, "essai", 250, {{"a", 0.5, ""}, {"b", std::nullopt, ""}}};
    }
    [[nodiscard]] const RunPlan& plan() const override { return plan_; }
    void dealBatch(Tally& tally) override {
        log_.push_back("deal");
        tally.hits[0] += 100;
        tally.hits[1] += 1;
    }
    [[nodiscard]] Report report(const Tally& tally, const NumberStyle& style) const override {
        return {std::to_string(tally.hits[0]) + style.decimal, std::to_string(tally.deals)};
    }
    [[nodiscard]] std::vector<Example> examples(const Tally& /*tally*/) const override {
        return {Example{"a"}};
    }

private:
    std::vector<std::string>& log_;
    RunPlan plan_;
};

class LoggingObserver final : public RunObserver {
public:
    explicit LoggingObserver(std::vector<std::string>& log) : log_(log) {}
    void runStarted(const RunPlan& plan) override { log_.push_back("start " + plan.condition); }
    void batchDealt(const Tally& tally, std::vector<Example> examples) override {
        log_.push_back("batch " + std::to_string(tally.batches) + " " +
                       std::to_string(tally.deals) + " " + std::to_string(tally.hits[1]) + " " +
                       std::to_string(examples.size()));
    }

private:
    std::vector<std::string>& log_;
};

TEST(BatchLoop, DealsTellsReportsAndAsksUntilTheAnswerIsNotOui) {
    std::vector<std::string> log;
    CountingRun run(log);
    LoggingObserver observer(log);
    ScriptedDialogue dialogue;
    dialogue.separator = ",";
    dialogue.answers = {Answer::Yes, Answer::Yes, Answer::No};
    dialogue.whileOpen = [&](const DialogueCall& call) { log.push_back("ask " + call.prompt); };
    const Tally tally = runBatches(run, dialogue, &observer);

    EXPECT_EQ(log, (std::vector<std::string>{"start essai", "deal", "batch 1 250 1 1", "ask 100,",
                                             "deal", "batch 2 500 2 1", "ask 200,", "deal",
                                             "batch 3 750 3 1", "ask 300,"}));
    const auto reports = dialogue.reports();
    ASSERT_EQ(reports.size(), 3U);
    EXPECT_EQ(reports[2].title, "750");
    EXPECT_EQ(tally.batches, 3);
    EXPECT_EQ(tally.deals, 750);
    EXPECT_EQ(tally.hits, (std::vector<std::int64_t>{300, 3}));
}

TEST(BatchLoop, RunsWithoutAnObserver) {
    std::vector<std::string> log;
    CountingRun run(log);
    ScriptedDialogue dialogue;
    dialogue.answers = {Answer::No};
    EXPECT_EQ(runBatches(run, dialogue, nullptr).batches, 1);
}

TEST(PercentOf, TheShareOfTheDealsInPercent) {
    struct Row {
        std::int64_t hits, deals;
        double percent;
    };
    const Row rows[] = {
        {0, 100'000, 0.0},        {100'000, 100'000, 100.0}, {5123, 100'000, 5.123},
        {1, 300'000, 1.0 / 3000}, {2155, 10'000, 21.55},     {1'073'750'000, 4'295'000'000, 25.0},
    };
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(percentOf(r.hits, r.deals), r.percent) << r.hits << " / " << r.deals;
    }
}

}  // namespace
