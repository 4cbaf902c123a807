#include "doubledummy/par.h"

#include <array>
#include <string_view>

#include "doubledummy/dds_conversions.h"

namespace ondiscale {

std::optional<ParResult> parOf(const TrickTable& table, Seat dealer, Vulnerability vulnerability) {
    for (const auto& row : table.tricks) {
        for (const std::uint8_t tricks : row) {
            if (tricks > 13) {
                return std::nullopt;
            }
        }
    }
    // libdds's vulnerabilities: 0 none, 1 both, 2 North-South, 3 East-West.
    constexpr std::array<int, 4> kDdsVulnerable{0, 2, 3, 1};
    ddTableResults results = dds::tableResults(table);
    parResultsMaster master{};
    if (DealerParBin(&results, &master, static_cast<int>(index(dealer)),
                     kDdsVulnerable[static_cast<std::size_t>(vulnerability)]) != RETURN_NO_FAULT) {
        return std::nullopt;
    }
    if (master.score == 0) {
        return ParResult{};  // passed out: any contract made or doubled scores
    }
    // "Par 110: NS 2S NS 2H".
    std::array<char, 1024> text{};
    if (ConvertToDealerTextFormat(&master, text.data()) != RETURN_NO_FAULT) {
        return std::nullopt;
    }
    text.back() = '\0';
    std::string_view contracts = text.data();
    const auto colon = contracts.find(": ");
    contracts = colon == std::string_view::npos ? std::string_view{} : contracts.substr(colon + 2);
    while (!contracts.empty() && contracts.back() == ' ') {
        contracts.remove_suffix(1);
    }
    return ParResult{master.score, std::string(contracts)};
}

}  // namespace ondiscale
