#include "analysis/analysis_tally.h"

#include <algorithm>

#include "analysis/analysis_texts.h"
#include "engine/card_text.h"
#include "text/text_fill.h"

namespace ondiscale {

namespace texts = analysis_texts;

int gameTricks(Strain strain) {
    switch (strain) {
        case Strain::NoTrump:
            return 9;
        case Strain::Spades:
        case Strain::Hearts:
            return 10;
        case Strain::Diamonds:
        case Strain::Clubs:
            break;
    }
    return 11;
}

double averageTricks(const std::array<std::int64_t, 14>& deals) {
    std::int64_t count = 0;
    std::int64_t total = 0;
    for (std::size_t tricks = 0; tricks < deals.size(); ++tricks) {
        count += deals[tricks];
        total += static_cast<std::int64_t>(tricks) * deals[tricks];
    }
    return count > 0 ? static_cast<double>(total) / static_cast<double>(count) : 0.0;
}

AnalysisParts analysisParts(const AnalysisDetail& detail) {
    const std::vector<int>& bars = detail.figureTricks;
    AnalysisParts parts;
    while (parts.pars < bars.size() && bars[bars.size() - 1 - parts.pars] == kParBars) {
        ++parts.pars;
    }
    parts.games = std::min(kGameFigures, bars.size() - parts.pars);
    parts.contracts = bars.size() - parts.pars - parts.games;
    return parts;
}

void AnalysisTally::add(const TrickTable& table, const std::optional<ParResult>& par) {
    ++deals_;
    for (std::size_t i = 0; i < contracts_.size(); ++i) {
        made_[i] += makes(table, contracts_[i]) ? 1 : 0;
    }
    for (const Strain strain : kStrains) {
        for (const Seat seat : kSeats) {
            ++tricks_[index(strain)][index(seat)][static_cast<std::size_t>(table.of(strain, seat))];
        }
    }
    if (par) {
        ++parScores_[par->northSouthScore];
        ++pars_[{par->northSouthScore, parContractsText(par->contracts)}];
    }
}

double AnalysisTally::averageTricks(Strain strain, Seat declarer) const {
    return ondiscale::averageTricks(tricks_[index(strain)][index(declarer)]);
}

AnalysisUpdate AnalysisTally::update() const {
    AnalysisUpdate out;
    out.deals = deals_;
    for (std::size_t i = 0; i < contracts_.size(); ++i) {
        const Contract& contract = contracts_[i];
        out.figures.push_back({fill(texts::kContractMade, {contractText(contract)}), made_[i],
                               trickBars(contract.strain, contract.declarer)});
    }
    for (const Strain strain : kStrains) {
        const int game = gameTricks(strain);
        for (const Seat seat : kSeats) {
            const auto& counts = tricks_[index(strain)][index(seat)];
            std::int64_t made = 0;
            for (auto tricks = static_cast<std::size_t>(game); tricks < counts.size(); ++tricks) {
                made += counts[tricks];
            }
            out.figures.push_back({fill(texts::kStrainRow, {std::string(strainText(strain)),
                                                            std::string(kSeatNames[index(seat)]),
                                                            std::to_string(game)}),
                                   made, trickBars(strain, seat)});
        }
    }
    for (const auto& [par, deals] : pars_) {
        const auto& [score, contracts] = par;
        std::string points = score > 0 ? "+" : "";
        points += std::to_string(score);
        out.figures.push_back({fill(texts::kParRow, {contracts, points}), deals, kParBars});
    }
    for (const auto& [score, deals] : parScores_) {
        out.detail.parScores.emplace_back(score, deals);
    }
    out.detail.tricks = tricks_;
    return out;
}

}  // namespace ondiscale
