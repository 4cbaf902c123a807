#pragma once

#include <string_view>

namespace ondiscale::exact_texts {

// Why there is no exact value, for a tooltip and the CSV.
inline constexpr std::string_view kCannotCount = "la combinatoire ne sait pas compter ce cas";
inline constexpr std::string_view kTooLong = "le calcul exact prendrait trop de temps";
inline constexpr std::string_view kNothingKnown = "aucune donne ne remplit ce que l'on sait";

}  // namespace ondiscale::exact_texts
