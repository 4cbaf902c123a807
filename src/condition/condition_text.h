#pragma once

#include <string>

#include "condition/condition.h"
#include "condition/hand_bounds.h"

namespace ondiscale {

// The ranges that differ from their defaults, spades to clubs and then the
// points: "5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14"; "toutes les mains" when none does.
std::string boundsText(const HandBounds& bounds);

// The rows of the table that narrow something, hands then partnerships,
// each named: "Sud : 4 ≤ ♠ ≤ 4 ; Nord-Sud : 8 ≤ ♠ ≤ 13, 25 ≤ points ≤ 40";
// "toutes les donnes" when none does.
std::string tableBoundsText(const TableBounds& bounds);

// A question as the run's title and the journal say it.
// - Nothing known: the rows as tableBoundsText writes them, with a hand's
//   shape and cards after its ranges ("Sud : 15 ≤ points ≤ 17, forme
//   régulière ou 5422, cartes ♠AR52 ♥D7"), alternatives joined by "ou";
//   ranges alone read exactly as tableBoundsText.
// - Something known: a sentence a teacher reads aloud, "Sachant que Sud a
//   15 à 17 points et une distribution régulière : Nord-Sud ont 25 points
//   ou plus".
std::string conditionText(const Condition& condition);

// One part as a sentence: "Sud a 15 à 17 points et une distribution
// régulière ou Nord a 4 ♥ ou plus"; "toutes les donnes" when it asks
// nothing.
std::string partSentence(const ConditionPart& part);

}  // namespace ondiscale
