#include "journal/journal.h"

#include <algorithm>

#include "exact/exact_hands.h"
#include "journal/journal_text.h"

namespace ondiscale {

FigureStats statsOf(std::int64_t hits, std::int64_t deals, double exact) {
    FigureStats stats;
    const Interval band = wilson95(hits, deals);
    stats.low = 100 * band.low;
    stats.high = 100 * band.high;
    stats.margin = 100 * (band.high - band.low) / 2;
    stats.exact = 100 * exact;
    if (deals > 0) {
        // hits / (batches x 1000) in the frequency report, hits / (batches
        // x 100) in the survey's: the same division, so the same figure.
        stats.estimate = static_cast<double>(hits) / (static_cast<double>(deals) / 100);
        stats.gap = gapInSigmas(hits, deals, exact);
    }
    return stats;
}

JournalEntry* Journal::current(RunKind kind) {
    if (entries_.empty() || entries_.back().kind != kind) {
        return nullptr;
    }
    return &entries_.back();
}

void Journal::changed() {
    if (listener_) {
        listener_(entries_.size() - 1);
    }
}

void Journal::frequencyRunStarted(const BoundsArray& Bornes) {
    JournalEntry entry;
    entry.kind = RunKind::Frequency;
    entry.condition = boundsText(Bornes);
    Figure figure;
    figure.name = journal_texts::kTargetedHand;
    HandBounds bounds;
    for (const Suit suit : kSuits) {
        bounds.suit(suit) = {Bornes[1 + 2 * index(suit)], Bornes[2 + 2 * index(suit)]};
    }
    bounds.points = {Bornes[9], Bornes[10]};
    figure.exact = probabilityOf(exactHands(bounds));
    entry.figures.push_back(std::move(figure));
    entries_.push_back(std::move(entry));
    changed();
}

void Journal::frequencyBatchDealt(const FrequencyTally& tally, const RecentHits& recent) {
    JournalEntry* entry = current(RunKind::Frequency);
    if (entry == nullptr) {
        return;
    }
    entry->batches = tally.batches;
    entry->deals = tally.batches * kFrequencyBatch;
    Figure& figure = entry->figures.front();
    figure.hits = tally.hits;
    figure.history.add(entry->batches, entry->deals, figure.hits);
    entry->examples.clear();
    recent.forEachNewest(tally.hits, [&](const MainSud& hand) {
        entry->examples.push_back({figure.name, hand});
    });
    changed();
}

void Journal::surveyStarted(const SurveyGroup& group, const std::string& typed) {
    JournalEntry entry;
    entry.kind = RunKind::Survey;
    entry.condition =
        std::string(group.distributions[0]) + ", " + std::string(group.distributions[1]) + ", …";
    for (const std::string_view distribution : group.distributions) {
        Figure figure;
        figure.name = distribution;
        figure.exact = probabilityOf(exactHands(distribution));
        entry.figures.push_back(std::move(figure));
    }
    // The seventh line counts only the hands that none of the six took.
    if (!typed.empty()) {
        const bool taken = std::find(group.distributions.begin(), group.distributions.end(),
                                     typed) != group.distributions.end();
        Figure figure;
        figure.name = typed;
        figure.exact = taken ? 0.0 : probabilityOf(exactHands(typed));
        entry.figures.push_back(std::move(figure));
    }
    entries_.push_back(std::move(entry));
    changed();
}

void Journal::surveyBatchDealt(const SurveyTally& tally) {
    JournalEntry* entry = current(RunKind::Survey);
    if (entry == nullptr) {
        return;
    }
    entry->batches = tally.batches;
    entry->deals = tally.batches * kSurveyBatch;
    entry->examples.clear();
    for (std::size_t line = 0; line < entry->figures.size(); ++line) {
        Figure& figure = entry->figures[line];
        figure.hits = tally.counts[line];
        figure.history.add(entry->batches, entry->deals, figure.hits);
        if (figure.hits > 0) {
            entry->examples.push_back({figure.name, tally.lastHands[line]});
        }
    }
    changed();
}

}  // namespace ondiscale
