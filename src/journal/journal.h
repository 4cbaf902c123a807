#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "doubledummy/strain.h"
#include "journal/batch_history.h"
#include "simulation/batch_run.h"
#include "stats/margins.h"

namespace ondiscale {

// One figure of a run: the targeted hand of a frequency run, one line of a
// survey's report, the deal asked for of a whole-deal run, a contract or
// the tricks of a strain and declarer in an analysis.
struct Figure {
    std::string name;
    std::optional<double> exact;  // the exact probability, 0 to 1, where it is known
    std::string note;             // why there is no exact value, where that needs saying
    std::int64_t hits = 0;
    BatchHistory history;
    friend bool operator==(const Figure&, const Figure&) = default;
};

// What the window and the file show of a figure with `hits` among `deals`
// deals counted, in percent but for the gap.
struct FigureStats {
    double estimate = 0;  // as the report computes it
    double low = 0;       // the 95 % Wilson interval
    double high = 100;
    double margin = 50;  // half its width
    std::optional<double> exact;
    std::optional<double> gap;  // estimate - exact, in standard deviations
};
FigureStats statsOf(std::int64_t hits, std::int64_t deals, std::optional<double> exact);

// The bars an analysis's figure is drawn with: its deals by the tricks one
// declarer takes in one strain, or by North-South's par score.
inline constexpr int kParBars = -1;
constexpr int trickBars(Strain strain, Seat declarer) {
    return static_cast<int>(4 * index(strain) + index(declarer));
}
constexpr Strain strainOfBars(int bars) { return kStrains.at(static_cast<std::size_t>(bars / 4)); }
constexpr Seat declarerOfBars(int bars) { return kSeats.at(static_cast<std::size_t>(bars % 4)); }

// What an analysis at double dummy adds to its entry, for its charts.
struct AnalysisDetail {
    // Deals by the tricks each declarer takes in each strain:
    // [strain][declarer][tricks], strains SA, ♠, ♥, ♦, ♣, declarers from North.
    std::array<std::array<std::array<std::int64_t, 14>, 4>, 5> tricks{};
    // North-South's par scores, each with its deals, highest first.
    std::vector<std::pair<int, std::int64_t>> parScores;
    // For each figure, its bars: trickBars of the strain and declarer whose
    // tricks it counts, or kParBars.
    std::vector<int> figureTricks;
    friend bool operator==(const AnalysisDetail&, const AnalysisDetail&) = default;
};

// One figure of an analysis as it stands after some deals; its name is
// the same at every step.
struct AnalysisFigure {
    std::string name;
    std::int64_t hits = 0;
    int bars = kParBars;  // as AnalysisDetail::figureTricks
};

// An analysis after each step: its figures, their details and the deals
// analysed so far.
struct AnalysisUpdate {
    std::int64_t deals = 0;
    std::vector<AnalysisFigure> figures;
    AnalysisDetail detail;  // its figureTricks left to the journal
    std::vector<Example> examples;
};

// One run, brought up to date after every batch while it goes on.
struct JournalEntry {
    RunKind kind = RunKind::Frequency;
    std::string condition;  // the plan's: "5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14", "4432, 5332, …"
    std::int64_t batches = 0;
    std::int64_t deals = 0;
    // The question as data where the run had one, and the deals that met
    // its known part (all of them when nothing is known).
    std::optional<Condition> question;
    std::int64_t knownDeals = 0;
    std::vector<Figure> figures;
    // A frequency run's last five hits, newest first; a survey's last hand
    // of each line that has one, in report order; a whole-deal run's last
    // 1,000 deals asked for, newest first; the deals an analysis solved. Each
    // hand's cards as shown (sortHand).
    std::vector<Example> examples;
    std::optional<AnalysisDetail> analysis;  // an analysis's
    bool stopped = false;                    // an analysis stopped before its last deal
    // A lesson's boards are its examples, each with its board's number,
    // dealer and vulnerability; `deals` counts them.
    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

// The deals among which an entry's figures count their hits: those that
// met the known part of its question, or all its deals when it knows
// nothing. Its figures' histories keep these too.
std::int64_t countedDeals(const JournalEntry& entry);

// A figure's statistics among its entry's counted deals.
inline FigureStats statsOf(const Figure& figure, const JournalEntry& entry) {
    return statsOf(figure.hits, countedDeals(entry), figure.exact);
}

// The session's runs, one entry per run: frequency runs, surveys,
// whole-deal runs and analyses.
class Journal final : public RunObserver {
public:
    Journal() = default;
    // A past session read back from its file: its runs as they were,
    // and no new ones.
    static Journal reopened(std::vector<JournalEntry> entries);

    // Told the index of the entry just added or changed.
    using Listener = std::function<void(std::size_t entry)>;
    void setListener(Listener listener) { listener_ = std::move(listener); }

    [[nodiscard]] const std::vector<JournalEntry>& entries() const { return entries_; }

    void runStarted(const RunPlan& plan) override;
    void batchDealt(const Tally& tally, std::vector<Example> examples) override;

    // A step of the analysis whose entry is `index` (other runs may have
    // started since): its figures replace the entry's, each keeping the
    // history of the figure of the same name.
    void analysisDealt(std::size_t index, AnalysisUpdate update);
    // The analysis of entry `index` stopped before its last deal.
    void analysisStopped(std::size_t index);

    // A figure's exact value counted aside after its run started, or why
    // there is none.
    void exactFound(std::size_t index, std::size_t figure, std::optional<double> exact,
                    std::string note);

    // A lesson's boards, dealt for `condition`: a new entry, whose index it
    // gives; nothing in a journal read back.
    std::optional<std::size_t> lessonDealt(std::string condition, std::optional<Condition> question,
                                           std::vector<Example> boards);
    // The boards of the lesson whose entry is `index`, changed: one dealt
    // again, tricks and par added.
    void lessonChanged(std::size_t index, std::vector<Example> boards);

private:
    void changed(std::size_t entry);

    std::vector<JournalEntry> entries_;
    Listener listener_;
    bool readOnly_ = false;
};

}  // namespace ondiscale
