#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "dialogue/dialogue.h"
#include "engine/dealer.h"
#include "survey/survey_groups.h"

namespace ondiscale {

inline constexpr std::int32_t kSurveyBatch = 10'000;

// Counts N1 to N7 (index 0 to 6) and batches of a survey run so far.
// 64 bits wide: a run can go on far past the 214,748 batches that would
// fill 32 bits of deals.
struct SurveyTally {
    std::array<std::int64_t, 7> counts{};
    std::int64_t batches = 0;
    // The last hand counted on each line; meaningful once its count is not 0.
    std::array<MainSud, 7> lastHands{};
};

// Whoever follows a survey: told when it starts, once the seventh
// distribution is typed, and after each batch, before the report is shown.
class SurveyObserver {
public:
    virtual ~SurveyObserver() = default;
    virtual void surveyStarted(const SurveyGroup& group, const std::string& typed) = 0;
    virtual void surveyBatchDealt(const SurveyTally& tally) = 0;
};

// Deals one batch of 10,000 hands and adds each to the count of the one
// of the six distributions it equals, or else to N7 when it equals the
// typed distribution exactly. Shows no dialogue and allocates nothing.
void dealSurveyBatch(Dealer& dealer, const SurveyGroup& group, const std::string& typed,
                     SurveyTally& tally);

// The report after a batch: its prompt and its title.
struct SurveyReport {
    std::string prompt;
    std::string title;
};
SurveyReport surveyReport(const SurveyGroup& group, const std::string& typed,
                          const SurveyTally& tally, std::string_view decimalSeparator);

// One whole survey of a group: asks for the seventh distribution, then
// deals and reports batch after batch until the user answers No.
void runSurvey(const SurveyGroup& group, Dealer& dealer, Dialogue& dialogue,
               SurveyObserver* observer = nullptr);

void Probadistri1(Dealer& dealer, Dialogue& dialogue, SurveyObserver* observer = nullptr);
void Probadistri2(Dealer& dealer, Dialogue& dialogue, SurveyObserver* observer = nullptr);
void Probadistri3(Dealer& dealer, Dialogue& dialogue, SurveyObserver* observer = nullptr);

}  // namespace ondiscale
