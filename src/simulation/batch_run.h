#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "condition/condition.h"
#include "doubledummy/par.h"
#include "doubledummy/trick_table.h"
#include "engine/cards.h"
#include "simulation/dialogue.h"
#include "text/number_text.h"

namespace ondiscale {

enum class RunKind { Frequency, Survey, Table, Analysis, Lesson };

// One figure a run counts: the targeted hand of a frequency run, one line
// of a survey, the deal asked for of a whole-deal run. (An analysis's
// figures, contracts made and tricks taken, come to the journal step by
// step instead: journal.h.)
struct FigurePlan {
    std::string name;
    std::optional<double> exact;  // its exact probability, 0 to 1, where it is known
    std::string note;             // why there is no exact value, where that needs saying
};

// What a run looks for, fixed when it starts.
struct RunPlan {
    RunKind kind = RunKind::Frequency;
    // As the run's title shows it: "5 ≤ ♠ ≤ 5", "4432, 5332, … et « 6421 »",
    // "Sachant que Sud a 15 à 17 points : Nord-Sud ont 25 points ou plus".
    std::string condition;
    std::int32_t batchSize = 0;
    std::vector<FigurePlan> figures;
    // The question as data, for runs that deal to a condition: South's
    // bounds as the asked part of a frequency run, the whole question of a
    // whole-deal run; a survey has none.
    std::optional<Condition> question;
};

// Everything dealt so far: the deals and each figure's hits, in the
// order of the plan's figures. 64 bits wide: a run can go on far past the
// deals that 32 bits would count.
struct Tally {
    std::int64_t batches = 0;
    std::int64_t deals = 0;
    std::vector<std::int64_t> hits;
    // The deals that met the known part of the question, among which the
    // hits are counted: the run counts them; runBatches makes them all the
    // deals when nothing is known (and for a survey).
    std::int64_t knownDeals = 0;
};

// Where a deal is played as a numbered board: its number, its dealer and
// who is vulnerable.
struct BoardLabel {
    int number = 1;
    Seat dealer = Seat::North;
    Vulnerability vulnerability = Vulnerability::None;
    friend bool operator==(const BoardLabel&, const BoardLabel&) = default;
};

// A hand or deal that a run counted, with the figure it counted for.
struct Example {
    std::string figure;
    Deal deal{};             // South's hand alone where the run deals only South
    bool wholeDeal = false;  // all four hands dealt
    // An analysed deal's tricks at double dummy, and the par of its board
    // in the 16-board rotation.
    std::optional<TrickTable> tricks;
    std::optional<ParResult> par;
    // A lesson's board: its own number, dealer and vulnerability, which its
    // par then follows.
    std::optional<BoardLabel> board;
    friend bool operator==(const Example&, const Example&) = default;
};

// What a report box shows after a batch: the results in its text, the
// question in its title.
struct Report {
    std::string prompt;
    std::string title;
};

// The share of the deals that were hits, in percent, as every report and
// the journal compute it; the reports hold it in single precision.
double percentOf(std::int64_t hits, std::int64_t deals);

// A run of batches: the frequency of South's hand, a survey of
// distributions, the frequency of a whole deal. (An analysis at double
// dummy works through the deals a whole-deal run kept, on its own
// thread: analysis/.)
class BatchedRun {
public:
    virtual ~BatchedRun() = default;
    [[nodiscard]] virtual const RunPlan& plan() const = 0;
    // Deals one batch of plan().batchSize deals and adds their hits to the
    // tally's; the batch and deal counts are the loop's.
    virtual void dealBatch(Tally& tally) = 0;
    [[nodiscard]] virtual Report report(const Tally& tally, const NumberStyle& style) const = 0;
    // Hands it keeps as examples of the hits so far.
    [[nodiscard]] virtual std::vector<Example> examples(const Tally& tally) const = 0;
};

// Whoever follows the runs (the journal): told when one starts, and after
// each batch, before its report is shown.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    virtual void runStarted(const RunPlan& plan) = 0;
    virtual void batchDealt(const Tally& tally, std::vector<Example> examples) = 0;
};

// The loop of every run: deal a batch, let the observer see it, report it
// in a box that asks Oui or Non, and go on while the answer is Oui, the
// hits adding up. Returns the final tally.
Tally runBatches(BatchedRun& run, Dialogue& dialogue, RunObserver* observer);

}  // namespace ondiscale
