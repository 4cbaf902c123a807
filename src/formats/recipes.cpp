#include "formats/recipes.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "formats/card_letters.h"
#include "formats/condition_json.h"
#include "formats/format_texts.h"

namespace ondiscale {
namespace {

using Json = nlohmann::ordered_json;

constexpr Range atLeast(std::uint8_t min, std::uint8_t top = kSuitCards) { return {min, top}; }

// An alternative asking these bounds of one hand.
Alternative handAlternative(Seat seat, const HandBounds& bounds) {
    Alternative out;
    out.bounds.hand(seat) = bounds;
    return out;
}

HandBounds points(std::uint8_t min, std::uint8_t max) {
    HandBounds out;
    out.points = {min, max};
    return out;
}

HandBounds withSuit(HandBounds bounds, Suit suit, Range range) {
    bounds.suit(suit) = range;
    return bounds;
}

ConditionPart part(std::vector<Alternative> alternatives) { return {std::move(alternatives)}; }

Recipe noTrumpOpening() {
    Alternative south = handAlternative(Seat::South, points(15, 17));
    south.shapes[index(Seat::South)].terms = {{ShapeTerm::Kind::Class, ShapeClass::Regular, {}}};
    Alternative together;
    together.bounds.side(Side::NorthSouth).points = {25, kSidePoints};
    return {"Ouverture de 1SA (15 à 17 points, régulière)", {part({south}), part({together})}};
}

Recipe fiveCardMajor() {
    const HandBounds opening = points(12, 21);
    return {"Ouverture d'un majeur cinquième",
            {{},
             part({handAlternative(Seat::South, withSuit(opening, Suit::Spades, atLeast(5))),
                   handAlternative(Seat::South, withSuit(opening, Suit::Hearts, atLeast(5)))})}};
}

Recipe weakTwo() {
    const HandBounds weak = points(6, 10);
    std::vector<Alternative> suits;
    for (const Suit suit : {Suit::Spades, Suit::Hearts, Suit::Diamonds}) {
        suits.push_back(handAlternative(Seat::South, withSuit(weak, suit, {6, 6})));
    }
    return {"2 faible", {{}, part(suits)}};
}

Recipe majorFit() {
    std::vector<Alternative> fits;
    for (const Suit suit : {Suit::Spades, Suit::Hearts}) {
        Alternative fit;
        fit.bounds.side(Side::NorthSouth).suit(suit) = atLeast(8);
        fits.push_back(fit);
    }
    return {"Fit de 8 cartes en majeure", {{}, part(fits)}};
}

// East, on South's right, opens 1♣ (12 to 21 points, three clubs or more,
// no five-card major); South overcalls with 8 to 16 points and a suit of
// five or more that can be bid at the one level.
Recipe oneLevelOvercall() {
    HandBounds opener = withSuit(points(12, 21), Suit::Clubs, atLeast(3));
    opener.suit(Suit::Spades) = {0, 4};
    opener.suit(Suit::Hearts) = {0, 4};
    std::vector<Alternative> overcalls;
    for (const Suit suit : {Suit::Spades, Suit::Hearts, Suit::Diamonds}) {
        overcalls.push_back(
            handAlternative(Seat::South, withSuit(points(8, 16), suit, atLeast(5))));
    }
    return {"Intervention à 1 niveau",
            {part({handAlternative(Seat::East, opener)}), part(overcalls)}};
}

Recipe thirteenCards() {
    Alternative mine;
    mine.cards[index(Seat::South)] = readPbnCards("AK52.Q7.KJ84.A63").value_or(0);
    return {"Vous avez ces treize cartes",
            {part({mine}),
             part({handAlternative(Seat::North, withSuit({}, Suit::Hearts, atLeast(4)))})}};
}

[[noreturn]] void damaged(std::string_view what) {
    throw ConditionJsonError(texts::recipesDamaged(what));
}

}  // namespace

const std::vector<Recipe>& builtInRecipes() {
    static const std::vector<Recipe> recipes{noTrumpOpening(), fiveCardMajor(),    weakTwo(),
                                             majorFit(),       oneLevelOvercall(), thirteenCards()};
    return recipes;
}

std::string recipesFileText(const std::vector<Recipe>& recipes) {
    Json list = Json::array();
    for (const Recipe& recipe : recipes) {
        list.push_back({{"name", recipe.name}, {"condition", conditionJson(recipe.condition)}});
    }
    const Json file{
        {"format", kRecipesFileFormat}, {"version", kRecipesFileVersion}, {"recipes", list}};
    // A name that is not UTF-8 is kept with U+FFFD in its place rather than lost.
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

RecipesReading readRecipesFile(std::string_view text) {
    try {
        const Json file = Json::parse(text);
        if (!file.is_object() || file.value("format", "") != kRecipesFileFormat ||
            !file.contains("version") || !file.at("version").is_number_integer()) {
            damaged(texts::kNotRecipes);
        }
        if (file.at("version").get<int>() > kRecipesFileVersion) {
            return {std::nullopt, std::string(texts::kRecipesNewer)};
        }
        const Json& list = file.value("recipes", Json::array());
        if (!list.is_array()) {
            damaged(texts::kRecipesNotAList);
        }
        std::vector<Recipe> recipes;
        for (const Json& item : list) {
            if (!item.is_object() || !item.contains("name") || !item.at("name").is_string() ||
                !item.contains("condition")) {
                damaged(texts::kRecipeWithoutName);
            }
            Recipe recipe{item.at("name").get<std::string>(), {}};
            try {
                recipe.condition = conditionFromJson(item.at("condition"));
            } catch (const ConditionJsonError& e) {
                damaged(texts::inRecipe(recipe.name, e.what()));
            }
            recipes.push_back(std::move(recipe));
        }
        return {std::move(recipes), {}};
    } catch (const ConditionJsonError& e) {
        return {std::nullopt, e.what()};
    } catch (const Json::exception&) {
        return {std::nullopt, texts::recipesDamaged(texts::kNotJson)};
    }
}

void putRecipe(std::vector<Recipe>& recipes, Recipe recipe) {
    const auto same = std::find_if(recipes.begin(), recipes.end(),
                                   [&](const Recipe& r) { return r.name == recipe.name; });
    if (same != recipes.end()) {
        *same = std::move(recipe);
    } else {
        recipes.push_back(std::move(recipe));
    }
}

}  // namespace ondiscale
