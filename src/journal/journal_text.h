#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "journal/journal.h"

namespace ondiscale {

// The journal's own texts, for the window and the file alike.
namespace journal_texts {
inline constexpr const char* kFrequencyRun = "Main précisée : ";
inline constexpr const char* kSurveyRun = "Distributions ";
inline constexpr const char* kDeals = " donnes";
inline constexpr const char* kDash = " — ";
inline constexpr const char* kNotComputed = "non calculée";
inline constexpr const char* kNoHand = "aucune main";
inline constexpr const char* kNone = "—";
inline constexpr const char* kPercent = " %";
inline constexpr const char* kCsvHeader =
    "N°;Tirage;Figure;Donnes;Réussites;Estimation (%);Marge d'erreur à 95 % (%);"
    "Borne basse à 95 % (%);Borne haute à 95 % (%);Probabilité exacte (%);Écart (σ)";
}  // namespace journal_texts

// "Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14" or
// "Distributions 4432, 5332, … et « 6421 »".
std::string runTitle(const JournalEntry& entry);

// The title and the deals so far: "… — 300 000 donnes", the deals in
// groups of three digits.
std::string runLabel(const JournalEntry& entry, std::string_view groupSeparator);

// What the window shows of each figure of a run, by one rule for people
// to read (readable_numbers.h): the estimates, intervals and exact values
// with the decimals that the widest margin of the run needs. Before any
// deal, and where there is no exact value, "—"; where no hand can meet a
// figure as typed, "aucune main".
struct FigureTexts {
    std::string hits;
    std::string estimate;
    std::string interval;
    std::string exact;
    std::string gap;
};
struct NumberStyle {
    std::string decimal;
    std::string group;
};
std::vector<FigureTexts> figureTexts(const JournalEntry& entry, const NumberStyle& style);

// A percentage by the reports' rule: 7 significant digits at most.
std::string percentText(double percent, std::string_view decimalSeparator);

// A gap in standard deviations, to two decimals: "-0,41".
std::string gapText(double gap, std::string_view decimalSeparator);

}  // namespace ondiscale
