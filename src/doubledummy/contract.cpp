#include "doubledummy/contract.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "engine/card_text.h"
#include "text/typed_text.h"

namespace ondiscale {
namespace {

constexpr std::string_view kSpaces = " \t\r\n";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

char lowered(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

// Whether `text` starts with `prefix`, ASCII letters in any case.
bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return lowered(a) == lowered(b); });
}

bool sameWord(std::string_view text, std::string_view other) {
    return text.size() == other.size() && startsWith(text, other);
}

struct Word {
    std::string_view text;
    Strain strain;
};

// The strain at the start of `text`, the longest word that fits, and how
// long it is.
std::optional<std::pair<Strain, std::size_t>> strainAtStart(std::string_view text) {
    constexpr Strain kNoTrump = Strain::NoTrump;
    std::vector<Word> words{
        {"sans-atout", kNoTrump}, {"sans atout", kNoTrump}, {"sa", kNoTrump}, {"nt", kNoTrump}};
    constexpr std::array<std::string_view, 4> kLetters{"p", "c", "k", "t"};
    for (const Suit suit : kSuits) {
        words.push_back({signOf(suit).sign, strainOf(suit)});
        words.push_back({signOf(suit).name, strainOf(suit)});
        words.push_back({kLetters[index(suit)], strainOf(suit)});
    }
    // The names typed without their accents.
    words.push_back({"coeur", Strain::Hearts});
    words.push_back({"trefle", Strain::Clubs});
    std::stable_sort(words.begin(), words.end(),
                     [](const Word& a, const Word& b) { return a.text.size() > b.text.size(); });
    for (const Word& word : words) {
        if (startsWith(text, word.text)) {
            return std::pair{word.strain, word.text.size()};
        }
    }
    return std::nullopt;
}

std::optional<Seat> seatOfWord(std::string_view text) {
    constexpr std::array<std::string_view, 4> kLetters{"n", "e", "s", "o"};
    for (const Seat seat : kSeats) {
        if (sameWord(text, nameOf(seat)) || sameWord(text, kLetters[index(seat)])) {
            return seat;
        }
    }
    return std::nullopt;
}

// One piece of the list, or the error that names it.
std::variant<Contract, std::string> contractOf(std::string_view piece) {
    const std::string named = "« " + std::string(piece) + " » : ";
    const auto digits = piece.find_first_not_of("0123456789");
    const std::string_view level = piece.substr(0, digits);
    if (level.empty()) {
        return named + "le contrat commence par son palier, de 1 à 7, comme dans « 3SA Sud ».";
    }
    if (level.size() > 1 || level[0] < '1' || level[0] > '7') {
        return named + "le palier va de 1 à 7.";
    }
    Contract contract;
    contract.level = level[0] - '0';
    std::string_view rest = trimmed(piece.substr(level.size()));
    const auto strain = strainAtStart(rest);
    if (!strain) {
        return named + "après le palier vient la dénomination : SA, ♠, ♥, ♦ ou ♣ (ou P, C, K, T).";
    }
    contract.strain = strain->first;
    rest = trimmed(rest.substr(strain->second));
    if (rest.empty()) {
        return named + "il manque le déclarant : Nord, Est, Sud ou Ouest.";
    }
    const auto declarer = seatOfWord(rest);
    if (!declarer) {
        return named + "le déclarant est Nord, Est, Sud ou Ouest (ou N, E, S, O).";
    }
    contract.declarer = *declarer;
    return contract;
}

}  // namespace

bool makes(const TrickTable& table, const Contract& contract) {
    return table.of(contract.strain, contract.declarer) >= contract.level + 6;
}

std::string contractText(const Contract& contract) {
    return std::to_string(contract.level) + std::string(strainText(contract.strain)) + ' ' +
           nameOf(contract.declarer);
}

ParsedContracts parseContracts(std::string_view typed) {
    const std::string plain = plainTyped(typed);
    std::string_view text = plain;
    ParsedContracts parsed;
    while (true) {
        const auto end = text.find_first_of(",;");
        const std::string_view piece = trimmed(text.substr(0, end));
        if (!piece.empty()) {
            auto read = contractOf(piece);
            if (auto* error = std::get_if<std::string>(&read)) {
                return {{}, std::move(*error)};
            }
            const Contract contract = std::get<Contract>(read);
            if (std::find(parsed.contracts.begin(), parsed.contracts.end(), contract) ==
                parsed.contracts.end()) {
                parsed.contracts.push_back(contract);
            }
        }
        if (end == std::string_view::npos) {
            return parsed;
        }
        text.remove_prefix(end + 1);
    }
}

}  // namespace ondiscale
