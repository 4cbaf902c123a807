#include "analysis/analysis_tally.h"

#include "analysis/analysis_texts.h"
#include "text/text_fill.h"
#include "engine/card_text.h"
#include "text/readable_numbers.h"

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

void AnalysisTally::add(const TrickTable& table, std::optional<int> parScore) {
    ++deals_;
    for (std::size_t i = 0; i < contracts_.size(); ++i) {
        made_[i] += makes(table, contracts_[i]) ? 1 : 0;
    }
    for (const Strain strain : kStrains) {
        for (const Seat seat : kSeats) {
            ++tricks_[index(strain)][index(seat)][static_cast<std::size_t>(table.of(strain, seat))];
        }
    }
    if (parScore) {
        ++parScores_[*parScore];
    }
}

double AnalysisTally::averageTricks(Strain strain, Seat declarer) const {
    if (deals_ == 0) {
        return 0;
    }
    const auto& counts = tricks_[index(strain)][index(declarer)];
    std::int64_t total = 0;
    for (std::size_t tricks = 0; tricks < counts.size(); ++tricks) {
        total += static_cast<std::int64_t>(tricks) * counts[tricks];
    }
    return static_cast<double>(total) / static_cast<double>(deals_);
}

AnalysisUpdate AnalysisTally::update(std::string_view decimalSeparator) const {
    AnalysisUpdate out;
    out.deals = deals_;
    const auto chartOf = [](Strain strain, Seat seat) {
        return static_cast<int>(4 * index(strain) + index(seat));
    };
    for (std::size_t i = 0; i < contracts_.size(); ++i) {
        const Contract& contract = contracts_[i];
        out.figures.push_back({fill(texts::kContractMade, {contractText(contract)}), made_[i],
                               chartOf(contract.strain, contract.declarer)});
    }
    for (const Strain strain : kStrains) {
        const int game = gameTricks(strain);
        for (const Seat seat : kSeats) {
            const auto& counts = tricks_[index(strain)][index(seat)];
            std::int64_t made = 0;
            for (auto tricks = static_cast<std::size_t>(game); tricks < counts.size(); ++tricks) {
                made += counts[tricks];
            }
            out.figures.push_back(
                {fill(texts::kStrainRow,
                      {std::string(strainText(strain)), std::string(kSeatNames[index(seat)]),
                       std::to_string(game),
                       fixedText(averageTricks(strain, seat), 2, decimalSeparator)}),
                 made, chartOf(strain, seat)});
        }
    }
    for (const auto& [score, deals] : parScores_) {
        std::string points = score > 0 ? "+" : "";
        points += std::to_string(score);
        out.figures.push_back({fill(texts::kParRow, {points}), deals, -1});
        out.detail.parScores.emplace_back(score, deals);
    }
    out.detail.tricks = tricks_;
    return out;
}

}  // namespace ondiscale
