#include "journal/journal_text.h"

#include <cmath>

#include "dialogue/number_text.h"

namespace ondiscale {

std::string runTitle(const JournalEntry& entry) {
    return (entry.kind == RunKind::Frequency ? journal_texts::kFrequencyRun
                                             : journal_texts::kSurveyRun) +
           entry.condition;
}

std::string runLabel(const JournalEntry& entry) {
    return runTitle(entry) + journal_texts::kDash + wholeText(entry.deals) + journal_texts::kDeals;
}

std::string percentText(double percent, std::string_view decimalSeparator) {
    return singleText(static_cast<float>(percent), decimalSeparator);
}

std::string gapText(double gap, std::string_view decimalSeparator) {
    return singleText(static_cast<float>(std::round(gap * 100) / 100), decimalSeparator);
}

}  // namespace ondiscale
