#pragma once

#include <array>
#include <string_view>

namespace ondiscale {

// One survey of distributions: six distributions in report order and the
// texts of its input box.
struct SurveyGroup {
    std::array<std::string_view, 6> distributions;
    std::string_view defaultText;
    std::string_view opening;  // ends with a space
    std::string_view request;
    std::string_view warning;  // ends with a space
};

inline constexpr std::array<SurveyGroup, 3> kSurveyGroups{{
    {
        {"4432", "5332", "5431", "5422", "4333", "6322"},
        "6421",
        "Les distributions des mains les plus probables sont dans l'ordre 4432, 5332, 5431, "
        "5422,4333, 6322; leurs probabilités seront calculées pour un nombre de donnes que vous "
        "choisirez. On propose en outre de choisir une 7° distribution. ",
        "Entrez donc une forme de main dont vous voulez connaître la probabilité d'apparition "
        "(7411,12100,6610,7600,..commencez TOUJOURS par la couleur la plus longue, puis allez en "
        "décroissant, en mettant 0 pour une chicane)",
        "Evitez les distributions 4432, 5332, 5431, 5422, 4333, 6322 qui sont déjà considérées (et "
        "qui donneraient donc 0!). On suggère 6421, 4441 ... ",
    },

    {
        {"6331", "5521", "4441", "7321", "6430", "5440"},
        "5530",
        "On envisage les distributions de mains 6331, 5521, 4441, 7321, 6430, 5440; leurs "
        "probabilités d'apparition seront calculées pour un nombre de donnes que vous choisirez. "
        "On "
        "propose en outre de choisir une 7° distribution. ",
        "Entrez donc une forme de main dont vous voulez connaître la probabilité d'apparition "
        "(5530,7222,12100,..commencez TOUJOURS par la couleur la plus longue, puis allez en "
        "décroissant, en mettant 0 pour une chicane)",
        "Evitez les distributions 6331, 5521, 4441, 7321, 6430, 5440 qui sont déjà considérées (et "
        "qui donneraient donc 0!). On suggère 5530, 7222 ... ",
    },

    {
        {"6511", "6520", "7222", "7411", "7420", "7330"},
        "7510",
        "On envisage les distributions de mains 6511, 6520, 7222, 7411, 7420, 7330; leurs "
        "probabilités d'apparition seront calculées pour un nombre de donnes que vous choisirez. "
        "On "
        "propose en outre de choisir une 7° distribution. ",
        "Entrez donc une forme de main dont vous voulez connaître la probabilité d'apparition "
        "(7510,8410,12100,..commencez TOUJOURS par la couleur la plus longue, puis allez en "
        "décroissant, en mettant 0 pour une chicane)",
        "Evitez les distributions 6511, 6520, 7222, 7411, 7420, 7330 qui sont déjà considérées (et "
        "qui donneraient donc 0!). On suggère 7510, 7600 ... ",
    },
}};

}  // namespace ondiscale
