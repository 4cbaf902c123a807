#pragma once

#include <string>
#include <string_view>

#include "frequency/bounds.h"
#include "journal/journal.h"

namespace ondiscale {

// The journal's own texts, for the window and the file alike.
namespace journal_texts {
inline constexpr const char* kTargetedHand = "Main précisée";
inline constexpr const char* kAnyHand = "toutes les mains";
inline constexpr const char* kFrequencyRun = "Main précisée : ";
inline constexpr const char* kSurveyRun = "Distributions ";
inline constexpr const char* kDeals = " donnes";
inline constexpr const char* kDash = " — ";
inline constexpr const char* kPoints = "H";
inline constexpr const char* kCsvHeader =
    "N°;Tirage;Figure;Donnes;Réussites;Estimation (%);Marge d'erreur à 95 % (%);"
    "Borne basse à 95 % (%);Borne haute à 95 % (%);Probabilité exacte (%);Écart (σ)";
}  // namespace journal_texts

// The bounds that differ from their defaults, spades to clubs and then the
// points: "5 ≤ ♠ ≤ 5, 12 ≤ H ≤ 14"; "toutes les mains" when none does.
std::string boundsText(const BoundsArray& Bornes);

// "Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ H ≤ 14" or "Distributions 4432, 5332, …".
std::string runTitle(const JournalEntry& entry);

// The title and the deals so far: "… — 300000 donnes".
std::string runLabel(const JournalEntry& entry);

// A percentage by the reports' rule: 7 significant digits at most.
std::string percentText(double percent, std::string_view decimalSeparator);

// A gap in standard deviations, to two decimals: "-0,41".
std::string gapText(double gap, std::string_view decimalSeparator);

}  // namespace ondiscale
