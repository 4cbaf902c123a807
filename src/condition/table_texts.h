#pragma once

// Every text of the whole table's bounds and run, side by side.

#include <array>

namespace ondiscale::table_texts {

// The measures of a row, as a box's name says them: "Nord pique minimum".
inline constexpr std::array<const char*, 5> kMeasureNames{"pique", "cœur", "carreau", "trèfle",
                                                          "points"};
inline constexpr const char* kMinimum = "minimum";
inline constexpr const char* kMaximum = "maximum";

// Why a box or a set of bounds cannot be run. %1 is the box's or the row's
// name, the others numbers.
inline constexpr const char* kEmpty = "%1 : la case est vide ; il faut un nombre de 0 à %2.";
inline constexpr const char* kNotANumber = "%1 : « %2 » n'est pas un nombre de 0 à %3.";
inline constexpr const char* kMinAboveMax = "%1 : le minimum, %2, dépasse le maximum, %3.";
inline constexpr const char* kHandMinima =
    "%1 : les minimums des quatre couleurs font %2 cartes, plus que les %3 de la main.";
inline constexpr const char* kHandMaxima =
    "%1 : les maximums des quatre couleurs ne font que %2 cartes, moins que les %3 de la main.";
inline constexpr const char* kSideMinima =
    "%1 : les minimums des quatre couleurs font %2 cartes, plus que les %3 de la paire.";
inline constexpr const char* kSideMaxima =
    "%1 : les maximums des quatre couleurs ne font que %2 cartes, moins que les %3 de la paire.";
inline constexpr const char* kSideAndHands =
    "%1 : aucune paire de mains ne le peut ; %2 et %3 en ont ensemble de %4 à %5, la paire en "
    "demande de %6 à %7.";
inline constexpr const char* kSideAndOpponents =
    "%1 : aucune donne ne le peut ; %2 en ayant de %3 à %4, il en reste de %5 à %6, la paire en "
    "demande de %7 à %8.";
inline constexpr const char* kSuitMinima =
    "%1 : les minimums des quatre mains font %2 cartes, plus que les 13 de la couleur.";
inline constexpr const char* kSuitMaxima =
    "%1 : les maximums des quatre mains ne font que %2 cartes, moins que les 13 de la couleur.";
inline constexpr const char* kPointMinima =
    "Points : les minimums des quatre mains font %1 points, plus que les 40 du jeu.";
inline constexpr const char* kPointMaxima =
    "Points : les maximums des quatre mains ne font que %1 points, moins que les 40 du jeu.";
inline constexpr std::array<const char*, 4> kSuitHeadings{"Pique", "Cœur", "Carreau", "Trèfle"};

// Why a hand's shape cannot be read, the box's name before: "Sud forme :
// « 4431 » fait 12 cartes, et non 13." %1 is the piece at fault.
inline constexpr const char* kShapeUnknown =
    "« %1 » n'est ni une distribution comme 4432 ou 5=4=2=2, ni une forme nommée (régulière, "
    "semi-régulière, unicolore, bicolore, tricolore, sans singleton ni chicane).";
inline constexpr const char* kShapeFourLengths =
    "« %1 » : une distribution a quatre longueurs, comme 4432 ou 5=4=2=2.";
inline constexpr const char* kShapeThirteen = "« %1 » fait %2 cartes, et non 13.";
inline constexpr const char* kShapeMissing = "il manque une forme entre deux virgules.";

// The shape and cards boxes, as a screen reader names them after the hand.
inline constexpr const char* kShapeBox = "forme";
inline constexpr const char* kCardsBox = "cartes";

// Where in the form a message points, before the box's name.
inline constexpr const char* kKnownPart = "Ce que l'on sait, ";
inline constexpr const char* kKnownAlternative = "Ce que l'on sait, cas %1, ";
inline constexpr const char* kAskedAlternative = "Cas %1, ";
// An alternative beside others that asks nothing: "Le cas 2", "Le cas 2
// de ce que l'on sait".
inline constexpr const char* kOpenAlternative = "%1 ne demande rien ; remplissez-le ou retirez-le.";
inline constexpr const char* kTheAlternative = "Le cas %1";
inline constexpr const char* kTheKnownAlternative = "Le cas %1 de ce que l'on sait";

// Cards that a hand or a partnership cannot hold. %1 is the box's name.
inline constexpr const char* kCardTwice = "%1 et %2 ont tous deux le %3.";
inline constexpr const char* kCardsOverSuit =
    "%1 : ces cartes ont %2 %3, plus que le maximum de %4.";
inline constexpr const char* kCardsOverPoints =
    "%1 : ces cartes font %2 points, plus que le maximum de %3.";
inline constexpr const char* kHandUnderSuit =
    "%1 : ces 13 cartes n'ont que %2 %3, moins que le minimum de %4.";
inline constexpr const char* kHandUnderPoints =
    "%1 : ces 13 cartes ne font que %2 points, moins que le minimum de %3.";
inline constexpr const char* kCardsAgainstHand =
    "%1 : aucune main ne tient ces cartes avec les bornes et la forme de %2.";
inline constexpr const char* kShapeAgainstBounds =
    "%1 : aucune main de forme « %2 » ne tient dans les bornes de %3.";
inline constexpr const char* kSideCardsOverSuit =
    "%1 : les cartes de %2 et %3 en ont %4, plus que le maximum de %5.";
inline constexpr const char* kSideCardsOverPoints =
    "%1 : les cartes de %2 et %3 en font %4, plus que le maximum de %5.";
inline constexpr const char* kCardKnownElsewhere = "%1 : le %2 est à %3 dans ce que l'on sait.";

// The run.
inline constexpr const char* kFigure = "Donne précisée";
// "Donnes précisées : 4 530 sur 100 000, soit 4,53 %", under
// "Statistiques sur 100 000 donnes. Voulez-vous continuer ?".
inline constexpr const char* kReport = "Donnes précisées : %1 sur %2, soit %3 %";
inline constexpr const char* kReportTitle = "Statistiques sur %1 donnes. Voulez-vous continuer ?";
// With something known: "Sachant que Sud a 15 à 17 points et une
// distribution régulière : Nord-Sud ont 25 points ou plus dans 41,9 % des
// donnes (exact 41,98 %)", then the deals counted.
inline constexpr const char* kKnownReport = "%1 dans %2 des donnes (exact %3)";
inline constexpr const char* kKnownDeals =
    "Donnes qui répondent à ce que l'on sait : %1 sur %2 ; parmi elles, %3 répondent aussi à ce "
    "que l'on cherche.";
inline constexpr const char* kPercent = " %";
inline constexpr const char* kNoValue = "—";

}  // namespace ondiscale::table_texts
