#include "journal/journal_text.h"

#include <algorithm>
#include <cmath>

#include "text/number_text.h"
#include "text/readable_numbers.h"

namespace ondiscale {

std::string runTitle(const JournalEntry& entry) {
    switch (entry.kind) {
        case RunKind::Frequency:
            return journal_texts::kFrequencyRun + entry.condition;
        case RunKind::Survey:
            return journal_texts::kSurveyRun + entry.condition;
        case RunKind::Analysis:
            return journal_texts::kAnalysisRun + entry.condition;
        case RunKind::Lesson:
            return journal_texts::kLessonRun + entry.condition;
        case RunKind::Table:
            break;
    }
    return journal_texts::kTableRun + entry.condition;
}

std::string runLabel(const JournalEntry& entry, std::string_view groupSeparator) {
    return runTitle(entry) + (entry.stopped ? journal_texts::kStoppedAfter : journal_texts::kDash) +
           groupedText(entry.deals, groupSeparator) + journal_texts::kDeals;
}

int figureDecimals(const JournalEntry& entry) {
    int decimals = 0;
    for (const Figure& figure : entry.figures) {
        decimals = std::max(decimals, decimalsFor(statsOf(figure, entry).margin));
    }
    return decimals;
}

std::vector<FigureTexts> figureTexts(const JournalEntry& entry, const NumberStyle& style) {
    std::vector<FigureStats> stats;
    for (const Figure& figure : entry.figures) {
        stats.push_back(statsOf(figure, entry));
    }
    const int decimals = figureDecimals(entry);
    const bool dealt = countedDeals(entry) > 0;
    const auto percent = [&](double value) {
        return fixedText(value, decimals, style.decimal) + journal_texts::kPercent;
    };
    std::vector<FigureTexts> texts;
    for (std::size_t i = 0; i < entry.figures.size(); ++i) {
        const Figure& figure = entry.figures[i];
        const FigureStats& s = stats[i];
        FigureTexts t{groupedText(figure.hits, style.group), journal_texts::kNone,
                      journal_texts::kNone, journal_texts::kNone, journal_texts::kNone};
        if (dealt) {
            t.estimate = percent(s.estimate);
            t.interval =
                intervalText(s.low, s.high, decimals, style.decimal) + journal_texts::kPercent;
        }
        if (s.exact) {
            t.exact = percent(*s.exact);
        } else if (!figure.note.empty() && entry.kind == RunKind::Survey) {
            // A survey's figure lacks an exact value only when no hand is
            // written as typed; elsewhere the note says why, aside.
            t.exact = journal_texts::kNoHand;
        }
        if (dealt && s.gap) {
            t.gap = oneDecimalText(*s.gap, style.decimal);
        }
        texts.push_back(std::move(t));
    }
    return texts;
}

std::string gapText(double gap, std::string_view decimalSeparator) {
    std::string text = fixedText(gap, 2, decimalSeparator);
    // "0,20" reads "0,2", "-1,00" reads "-1".
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.ends_with(decimalSeparator)) {
        text.erase(text.size() - decimalSeparator.size());
    }
    return text == "-0" ? "0" : text;
}

}  // namespace ondiscale
