#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

#include "doubledummy/contract.h"
#include "doubledummy/trick_table.h"
#include "journal/journal.h"

namespace ondiscale {

// The tricks a declarer needs for game in a strain: 9 at SA, 10 in a
// major, 11 in a minor.
int gameTricks(Strain strain);

// What an analysis counts, deal after deal: the tricks of every strain and
// declarer, the contracts the user asked for, North-South's par scores.
class AnalysisTally {
public:
    explicit AnalysisTally(std::vector<Contract> contracts) : contracts_(std::move(contracts)) {}

    // One deal's tricks and, where the solver gave it, its par score.
    void add(const TrickTable& table, std::optional<int> parScore);

    [[nodiscard]] std::int64_t deals() const { return deals_; }
    [[nodiscard]] double averageTricks(Strain strain, Seat declarer) const;

    // The figures as the journal shows them, in this order: each contract
    // asked and how often it makes; for each strain and declarer, how often
    // game makes, with the average tricks; each par score, highest first.
    // Decimals written with `decimalSeparator`.
    [[nodiscard]] AnalysisUpdate update(std::string_view decimalSeparator) const;

private:
    std::vector<Contract> contracts_;
    std::vector<std::int64_t> made_ = std::vector<std::int64_t>(contracts_.size());
    std::array<std::array<std::array<std::int64_t, 14>, 4>, 5> tricks_{};
    std::map<int, std::int64_t, std::greater<>> parScores_;
    std::int64_t deals_ = 0;
};

}  // namespace ondiscale
