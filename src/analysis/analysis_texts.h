#pragma once

// The texts of an analysis at double dummy, in its journal entry: each
// figure's name, the same at every step.
namespace ondiscale::analysis_texts {
// "3SA Sud : réussi"
inline constexpr const char* kContractMade = "%1 : réussi";
// "SA par Sud : 9 levées ou plus"
inline constexpr const char* kStrainRow = "%1 par %2 : %3 levées ou plus";
// "Par de Nord-Sud, personne vulnérable : 4♠ par Nord ou Sud, +420"
inline constexpr const char* kParRow = "Par de Nord-Sud, personne vulnérable : %1, %2";
inline constexpr const char* kAnalysedDeal = "Donne analysée";
}  // namespace ondiscale::analysis_texts
