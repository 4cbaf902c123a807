#include "journal/journal.h"

namespace ondiscale {
namespace {

// Kept as they are shown and written: the order they were dealt in says
// nothing, and a reopened session reads them back in this order.
std::vector<Example> sorted(std::vector<Example> examples) {
    for (Example& example : examples) {
        for (Hand& hand : example.deal) {
            sortHand(hand);
        }
    }
    return examples;
}

}  // namespace

FigureStats statsOf(std::int64_t hits, std::int64_t deals, std::optional<double> exact) {
    FigureStats stats;
    const Interval band = wilson95(hits, deals);
    stats.low = 100 * band.low;
    stats.high = 100 * band.high;
    stats.margin = 100 * (band.high - band.low) / 2;
    if (exact) {
        stats.exact = 100 * *exact;
    }
    if (deals > 0) {
        stats.estimate = percentOf(hits, deals);
        if (exact) {
            stats.gap = gapInSigmas(hits, deals, *exact);
        }
    }
    return stats;
}

std::int64_t countedDeals(const JournalEntry& entry) {
    return entry.question && !asksNothing(entry.question->known) ? entry.knownDeals : entry.deals;
}

Journal Journal::reopened(std::vector<JournalEntry> entries) {
    Journal journal;
    journal.entries_ = std::move(entries);
    journal.readOnly_ = true;
    return journal;
}

void Journal::changed(std::size_t entry) {
    if (listener_) {
        listener_(entry);
    }
}

void Journal::runStarted(const RunPlan& plan) {
    if (readOnly_) {
        return;
    }
    JournalEntry entry;
    entry.kind = plan.kind;
    entry.condition = plan.condition;
    entry.question = plan.question;
    for (const FigurePlan& planned : plan.figures) {
        entry.figures.push_back({planned.name, planned.exact, planned.note, 0, {}});
    }
    entries_.push_back(std::move(entry));
    changed(entries_.size() - 1);
}

void Journal::batchDealt(const Tally& tally, std::vector<Example> examples) {
    if (readOnly_ || entries_.empty()) {
        return;
    }
    JournalEntry& entry = entries_.back();
    entry.batches = tally.batches;
    entry.deals = tally.deals;
    entry.knownDeals = tally.knownDeals;
    for (std::size_t i = 0; i < entry.figures.size() && i < tally.hits.size(); ++i) {
        Figure& figure = entry.figures[i];
        figure.hits = tally.hits[i];
        figure.history.add(entry.batches, countedDeals(entry), figure.hits);
    }
    entry.examples = sorted(std::move(examples));
    changed(entries_.size() - 1);
}

void Journal::exactFound(std::size_t index, std::size_t figure, std::optional<double> exact,
                         std::string note) {
    if (readOnly_ || index >= entries_.size() || figure >= entries_[index].figures.size()) {
        return;
    }
    Figure& found = entries_[index].figures[figure];
    found.exact = exact;
    found.note = exact ? std::string() : std::move(note);
    changed(index);
}

void Journal::analysisDealt(std::size_t index, AnalysisUpdate update) {
    if (readOnly_ || index >= entries_.size() || entries_[index].kind != RunKind::Analysis) {
        return;
    }
    JournalEntry& entry = entries_[index];
    entry.batches += 1;
    entry.deals = update.deals;
    entry.knownDeals = update.deals;
    std::vector<Figure> figures;
    update.detail.figureTricks.clear();
    for (AnalysisFigure& counted : update.figures) {
        Figure figure{std::move(counted.name), std::nullopt, {}, counted.hits, {}};
        for (Figure& before : entry.figures) {
            if (before.name == figure.name) {
                figure.history = std::move(before.history);
                break;
            }
        }
        figure.history.add(entry.batches, entry.deals, figure.hits);
        figures.push_back(std::move(figure));
        update.detail.figureTricks.push_back(counted.bars);
    }
    entry.figures = std::move(figures);
    entry.analysis = std::move(update.detail);
    entry.examples = sorted(std::move(update.examples));
    changed(index);
}

void Journal::analysisStopped(std::size_t index) {
    if (readOnly_ || index >= entries_.size() || entries_[index].kind != RunKind::Analysis) {
        return;
    }
    entries_[index].stopped = true;
    changed(index);
}

std::optional<std::size_t> Journal::lessonDealt(std::string condition,
                                                std::optional<Condition> question,
                                                std::vector<Example> boards) {
    if (readOnly_) {
        return std::nullopt;
    }
    JournalEntry entry;
    entry.kind = RunKind::Lesson;
    entry.condition = std::move(condition);
    entry.question = std::move(question);
    entries_.push_back(std::move(entry));
    const std::size_t index = entries_.size() - 1;
    lessonChanged(index, std::move(boards));
    return index;
}

void Journal::lessonChanged(std::size_t index, std::vector<Example> boards) {
    if (readOnly_ || index >= entries_.size() || entries_[index].kind != RunKind::Lesson) {
        return;
    }
    JournalEntry& entry = entries_[index];
    entry.batches = 1;
    entry.deals = static_cast<std::int64_t>(boards.size());
    entry.knownDeals = entry.deals;
    entry.examples = std::move(boards);
    changed(index);
}

}  // namespace ondiscale
