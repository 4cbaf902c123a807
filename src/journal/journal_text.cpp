#include "journal/journal_text.h"

#include <array>
#include <cmath>

#include "dialogue/number_text.h"
#include "journal/hand_text.h"

namespace ondiscale {

std::string boundsText(const BoundsArray& Bornes) {
    struct Range {
        std::size_t low;  // its position in Bornes; the maximum follows
        const char* sign;
        int defaultHigh;
    };
    static constexpr std::array<Range, 5> kRanges{{
        {1, kSuitSigns[0].sign, 13},
        {3, kSuitSigns[1].sign, 13},
        {5, kSuitSigns[2].sign, 13},
        {7, kSuitSigns[3].sign, 13},
        {9, journal_texts::kPoints, 37},
    }};
    std::string text;
    for (const Range& r : kRanges) {
        const int low = Bornes[r.low];
        const int high = Bornes[r.low + 1];
        if (low == 0 && high == r.defaultHigh) {
            continue;
        }
        text += text.empty() ? "" : ", ";
        text += wholeText(low) + " ≤ " + r.sign + " ≤ " + wholeText(high);
    }
    return text.empty() ? journal_texts::kAnyHand : text;
}

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
