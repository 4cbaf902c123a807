#pragma once

// The texts of an analysis at double dummy, in its journal entry.
namespace ondiscale::analysis_texts {
// "3SA Sud : réussi"
inline constexpr const char* kContractMade = "%1 : réussi";
// "SA par Sud : 9 levées ou plus ; moyenne 8,74"
inline constexpr const char* kStrainRow = "%1 par %2 : %3 levées ou plus ; moyenne %4";
// "Par de Nord-Sud, personne vulnérable : +420"
inline constexpr const char* kParRow = "Par de Nord-Sud, personne vulnérable : %1";
inline constexpr const char* kAnalysedDeal = "Donne analysée";
}  // namespace ondiscale::analysis_texts
