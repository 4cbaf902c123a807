#include "doubledummy/par.h"

#include <array>
#include <string_view>
#include <vector>

#include "doubledummy/dds_conversions.h"
#include "doubledummy/strain.h"

namespace ondiscale {
namespace {

// The words of a par contract; %1 the number of tricks.
constexpr const char* kPassedOut = "passe générale";
constexpr const char* kBy = " par ";
constexpr const char* kOr = " ou ";
constexpr const char* kDoubled = " contré";
constexpr const char* kRedoubled = " surcontré";
constexpr const char* kDown = ", %1 de chute";
constexpr const char* kOver = ", %1 de mieux";

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const auto space = text.find(' ');
        if (space != 0) {
            out.push_back(text.substr(0, space));
        }
        text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
    }
    return out;
}

// "NS" → "Nord ou Sud", "E" → "Est"; empty when not a side.
std::string seatsText(std::string_view side) {
    constexpr std::string_view kLetters = "NESW";
    std::string text;
    for (const char letter : side) {
        const auto at = kLetters.find(letter);
        if (at == std::string_view::npos) {
            return {};
        }
        text += text.empty() ? "" : kOr;
        text += kSeatNames[at];
    }
    return text;
}

// "4S", "2Nx-1", "3N+1" → "4♠", "2SA contré, 1 de chute", "3SA, 1 de mieux"
// around " par <seats>"; empty when not a contract.
std::string contractWords(std::string_view contract, const std::string& seats) {
    constexpr std::string_view kStrainLetters = "NSHDC";
    if (contract.size() < 2 || contract[0] < '1' || contract[0] > '7') {
        return {};
    }
    const auto strain = kStrainLetters.find(contract[1]);
    if (strain == std::string_view::npos) {
        return {};
    }
    std::string text(1, contract[0]);
    text += strainText(kStrains[strain]);
    std::string_view rest = contract.substr(2);
    if (rest.starts_with("xx")) {
        text += kRedoubled;
        rest.remove_prefix(2);
    } else if (rest.starts_with('x')) {
        text += kDoubled;
        rest.remove_prefix(1);
    }
    text += kBy + seats;
    if (rest.size() >= 2 && (rest[0] == '-' || rest[0] == '+')) {
        std::string count(rest.substr(1));
        const std::string_view pattern = rest[0] == '-' ? kDown : kOver;
        const auto mark = pattern.find("%1");
        text +=
            std::string(pattern.substr(0, mark)) + count + std::string(pattern.substr(mark + 2));
    } else if (!rest.empty()) {
        return {};
    }
    return text;
}

}  // namespace

std::string parContractsText(std::string_view contracts) {
    const std::vector<std::string_view> pieces = words(contracts);
    if (pieces.empty()) {
        return kPassedOut;
    }
    std::string text;
    for (std::size_t i = 0; i < pieces.size(); i += 2) {
        const std::string seats = seatsText(pieces[i]);
        const std::string contract =
            i + 1 < pieces.size() && !seats.empty() ? contractWords(pieces[i + 1], seats) : "";
        if (contract.empty()) {
            return std::string(contracts);
        }
        text += (text.empty() ? "" : kOr) + contract;
    }
    return text;
}

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
