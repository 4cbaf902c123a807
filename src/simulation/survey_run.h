#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/dealer.h"
#include "simulation/batch_run.h"
#include "simulation/survey_groups.h"

namespace ondiscale {

inline constexpr std::int32_t kSurveyBatch = 10'000;

// The input box's prompt: the group's opening and request texts, a line
// break, its warning.
std::string surveyPrompt(const SurveyGroup& group);

// The report after a batch: one line per distribution, an empty line
// between them, the typed distribution seventh unless it is empty.
Report surveyReport(const SurveyGroup& group, const std::string& typed, const Tally& tally,
                    std::string_view decimalSeparator);

// How often South's hand has each of the group's six distributions, and
// the typed one, in batches of 10,000 deals. A hand counts on the first
// of the six it equals, and on the typed line only when none of the six
// took it; texts are compared character by character.
class SurveyRun final : public BatchedRun {
public:
    SurveyRun(const SurveyGroup& group, std::string typed, Dealer& dealer);

    [[nodiscard]] const RunPlan& plan() const override { return plan_; }
    void dealBatch(Tally& tally) override;
    [[nodiscard]] Report report(const Tally& tally, const NumberStyle& style) const override;
    [[nodiscard]] std::vector<Example> examples(const Tally& tally) const override;

private:
    const SurveyGroup& group_;
    std::string typed_;
    Dealer& dealer_;
    RunPlan plan_;
    std::array<Hand, 7> lastHands_{};  // the last hand counted on each line
};

// A whole survey: asks for the seventh distribution, then deals and
// reports batch after batch until the user answers anything but Oui.
void runSurvey(const SurveyGroup& group, Dealer& dealer, Dialogue& dialogue, RunObserver* observer);

}  // namespace ondiscale
