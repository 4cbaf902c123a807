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

// The run.
inline constexpr const char* kFigure = "Donne précisée";
// "Donnes précisées : 4 530 sur 100 000, soit 4,53 %", under
// "Statistiques sur 100 000 donnes. Voulez-vous continuer ?".
inline constexpr const char* kReport = "Donnes précisées : %1 sur %2, soit %3 %";
inline constexpr const char* kReportTitle = "Statistiques sur %1 donnes. Voulez-vous continuer ?";

}  // namespace ondiscale::table_texts
