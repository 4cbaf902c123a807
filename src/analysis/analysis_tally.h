#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "doubledummy/contract.h"
#include "doubledummy/par.h"
#include "doubledummy/trick_table.h"
#include "journal/journal.h"

namespace ondiscale {

// The tricks a declarer needs for game in a strain: 9 at SA, 10 in a
// major, 11 in a minor.
int gameTricks(Strain strain);

// The average of tricks counted as deals by tricks: deals[n] took n tricks.
double averageTricks(const std::array<std::int64_t, 14>& deals);

// Where each part of an analysis's figures starts, read from their bars:
// the contracts asked, then the 20 games (strain by strain, declarers
// from North), then the par contracts.
struct AnalysisParts {
    std::size_t contracts = 0;
    std::size_t games = 0;
    std::size_t pars = 0;
};
AnalysisParts analysisParts(const AnalysisDetail& detail);
inline constexpr std::size_t kGameFigures = 20;

// What an analysis counts, deal after deal: the tricks of every strain and
// declarer, the contracts the user asked for, North-South's par.
class AnalysisTally {
public:
    explicit AnalysisTally(std::vector<Contract> contracts) : contracts_(std::move(contracts)) {}

    // One deal's tricks and, where the solver gave it, its par.
    void add(const TrickTable& table, const std::optional<ParResult>& par);

    [[nodiscard]] std::int64_t deals() const { return deals_; }
    [[nodiscard]] double averageTricks(Strain strain, Seat declarer) const;

    // The figures in this order: each contract asked and how often it
    // makes; for each strain and declarer, how often game makes; each par,
    // its contracts and score, the highest score first.
    [[nodiscard]] AnalysisUpdate update() const;

private:
    std::vector<Contract> contracts_;
    std::vector<std::int64_t> made_ = std::vector<std::int64_t>(contracts_.size());
    std::array<std::array<std::array<std::int64_t, 14>, 4>, 5> tricks_{};
    std::map<int, std::int64_t, std::greater<>> parScores_;
    // By score, highest first, then by the contracts' words.
    std::map<std::pair<int, std::string>, std::int64_t, std::greater<>> pars_;
    std::int64_t deals_ = 0;
};

}  // namespace ondiscale
