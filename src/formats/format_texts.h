#pragma once

// What the dealer script reader and the recipe file say, side by side.

#include <string>
#include <string_view>

namespace ondiscale::texts {

// « piece », a piece of a script or of a file, quoted the French way.
inline std::string quoted(std::string_view piece) {
    std::string out = "« ";
    out += piece;
    return out + " »";
}

// --- Dealer scripts ----------------------------------------------------------------

// "ligne 3 : ", which begins every message about a script.
inline std::string atLine(int line) { return "ligne " + std::to_string(line) + " : "; }

inline std::string notSupported(std::string_view piece) {
    return quoted(piece) + " n'est pas pris en charge";
}
inline std::string unexpected(std::string_view piece) { return quoted(piece) + " est inattendu"; }
inline std::string notDefined(std::string_view name) { return quoted(name) + " n'est pas défini"; }
inline std::string notACondition(std::string_view piece) {
    return quoted(piece) + " n'est pas une condition";
}
inline std::string notANumber(std::string_view piece) {
    return quoted(piece) + " n'est pas un nombre";
}
inline std::string notACard(std::string_view piece) {
    return quoted(piece) + " n'est pas une carte";
}
inline std::string notAHolding(std::string_view piece) {
    return quoted(piece) + " n'est pas une couleur";
}
inline std::string notAPattern(std::string_view piece) {
    return quoted(piece) + " n'est pas une distribution";
}
inline std::string cardTwice(std::string_view card) {
    return "la carte " + quoted(card) + " est donnée deux fois";
}
inline std::string moreThanThirteen(std::string_view seat) {
    return "plus de 13 cartes pour " + quoted(seat);
}
inline std::string tooManyAlternatives(std::string_view part) {
    return quoted(part) + " demande plus de quatre alternatives";
}
inline std::string neverMet(std::string_view part) {
    return "aucune donne ne remplit " + quoted(part);
}
inline constexpr std::string_view kSecondAverage = "un second « average » n'est pas pris en charge";
inline constexpr std::string_view kCutShort = "le script s'arrête au milieu d'une instruction";
inline constexpr std::string_view kTooDeep = "les expressions sont imbriquées trop profond";
inline constexpr std::string_view kOpenQuote = "un texte entre guillemets n'est pas fermé";

// --- Recipe files ----------------------------------------------------------------

inline constexpr std::string_view kRecipesNewer =
    "Le fichier des recettes vient d'une version plus récente d'ondiscale.";
inline std::string recipesDamaged(std::string_view why) {
    std::string out = "Le fichier des recettes est abîmé : ";
    out += why;
    return out + ".";
}
inline constexpr std::string_view kNotJson = "ce n'est pas du JSON";
inline constexpr std::string_view kNotRecipes = "ce n'est pas un fichier de recettes";
inline constexpr std::string_view kRecipesNotAList = "« recipes » n'est pas une liste";
inline constexpr std::string_view kRecipeWithoutName = "une recette n'a pas de nom ou de condition";
inline std::string inRecipe(std::string_view name, std::string_view why) {
    std::string out = "recette " + quoted(name) + ", ";
    out += why;
    return out;
}

// What is wrong with a condition in a file.
inline std::string notAnObject(std::string_view what) {
    std::string out(what);
    return out + " n'est pas un objet";
}
inline std::string unknownKey(std::string_view key, std::string_view where) {
    std::string out = quoted(key) + " est inconnu dans ";
    out += where;
    return out;
}
inline std::string outOfBounds(std::string_view number) {
    std::string out = "le nombre ";
    out += number;
    return out + " est hors des bornes";
}
inline std::string notTwoBounds(std::string_view what) {
    std::string out = "une fourchette de ";
    out += what;
    return out + " n'a pas deux bornes";
}
inline std::string emptyRange(std::string_view what) {
    std::string out = "une fourchette de ";
    out += what;
    return out + " est vide";
}
inline constexpr std::string_view kHandRange = "main";
inline constexpr std::string_view kSideRange = "camp";
inline constexpr std::string_view kAlternative = "une alternative";
inline constexpr std::string_view kCondition = "la condition";
inline constexpr std::string_view kBadShape = "une distribution est mal écrite";
inline constexpr std::string_view kNotFourLengths = "une distribution n'a pas quatre longueurs";
inline constexpr std::string_view kNotThirteenCards = "une distribution n'a pas 13 cartes";
inline std::string unknownClass(std::string_view name) {
    std::string out = "la classe de distribution ";
    out += name;
    return out + " est inconnue";
}
inline std::string notAList(std::string_view key) { return quoted(key) + " n'est pas une liste"; }
inline std::string cardsNotInAHand(std::string_view cards) {
    std::string out = "les cartes ";
    out += cards;
    return out + " ne tiennent pas dans une main";
}
inline std::string notOneToFour(std::string_view part) {
    return quoted(part) + " n'a pas d'une à quatre alternatives";
}

}  // namespace ondiscale::texts
