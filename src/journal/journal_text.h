#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "journal/journal.h"
#include "text/number_text.h"

namespace ondiscale {

// The journal's own texts, for the window and the file alike.
namespace journal_texts {
inline constexpr const char* kFrequencyRun = "Main précisée : ";
inline constexpr const char* kSurveyRun = "Distributions ";
inline constexpr const char* kTableRun = "Donne précisée : ";
inline constexpr const char* kAnalysisRun = "Analyse à quatre jeux : ";
inline constexpr const char* kLessonRun = "Donnes pour une leçon : ";
inline constexpr const char* kDeals = " donnes";
inline constexpr const char* kDash = " — ";
inline constexpr const char* kStoppedAfter = " — arrêtée après ";
inline constexpr const char* kNotComputed = "non calculée";
inline constexpr const char* kNoHand = "aucune main";
inline constexpr const char* kNone = "—";
inline constexpr const char* kPercent = " %";
inline constexpr const char* kCsvHeader =
    "N°;Tirage;Figure;Donnes;Réussites;Estimation (%);Marge d'erreur à 95 % (%);"
    "Borne basse à 95 % (%);Borne haute à 95 % (%);Probabilité exacte (%);Écart (σ)";

// Why a journal file cannot be read back: "ligne 12 : une carte apparaît
// deux fois". %1, %2… stand for what the reader found.
inline constexpr const char* kNotAJournal = "ce n'est pas un journal de séance";
inline constexpr const char* kNewerFormat = "il vient d'une version plus récente du programme";
inline constexpr const char* kCutShort = "il s'arrête avant sa fin";
inline constexpr const char* kAfterEnd = "du texte suit sa fin";
inline constexpr const char* kAtLine = "ligne %1 : %2";
inline constexpr const char* kNoRunCount = "le nombre de tirages manque";
inline constexpr const char* kNotARecord = "son début est illisible";
inline constexpr const char* kNotAField = "un champ n'a pas la forme « clé=valeur »";
inline constexpr const char* kMissingField = "il manque le champ « %1 »";
inline constexpr const char* kBadNumber = "le champ « %1 » n'est pas un nombre";
inline constexpr const char* kOutOfRange = "le champ « %1 » sort des valeurs possibles";
inline constexpr const char* kBadEscape = "un texte est mal écrit";
inline constexpr const char* kOutOfPlace = "« %1 » n'est pas à sa place";
inline constexpr const char* kBadCard = "une carte est illisible";
inline constexpr const char* kCardTwice = "une carte apparaît deux fois";
inline constexpr const char* kNotThirteen = "une main n'a pas 13 cartes";
inline constexpr const char* kSeatTwice = "une place apparaît deux fois";
inline constexpr const char* kLoneHandNotSouth = "une main seule n'est pas celle de Sud";
inline constexpr const char* kWrongCount = "le champ « %1 » annonce %2, le fichier en donne %3";
inline constexpr const char* kTooLarge = "il est trop grand pour être lu";
inline constexpr const char* kAtRun = "tirage %1 : %2";
inline constexpr const char* kBadJson = "le texte est mal formé à l'octet %1";
inline constexpr const char* kBadForm = "le champ « %1 » n'a pas la forme attendue";
inline constexpr const char* kOddField = "un champ n'a pas la forme attendue";
inline constexpr const char* kBadDeal = "une donne est illisible";
}  // namespace journal_texts

// "Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14" or
// "Distributions 4432, 5332, … et « 6421 »".
std::string runTitle(const JournalEntry& entry);

// The title and the deals so far: "… — 300 000 donnes", the deals in
// groups of three digits; "… — arrêtée après 180 donnes" for an analysis
// stopped before its end.
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
std::vector<FigureTexts> figureTexts(const JournalEntry& entry, const NumberStyle& style);
// The decimals of those percentages: as many as show the first two
// significant digits of the widest margin of the run.
int figureDecimals(const JournalEntry& entry);

// A gap in standard deviations, to two decimals: "-0,41", "0,2", "0".
std::string gapText(double gap, std::string_view decimalSeparator);

}  // namespace ondiscale
