#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "condition/condition.h"

namespace ondiscale {

// A condition kept under a name, to be opened again.
struct Recipe {
    std::string name;
    Condition condition;
    friend bool operator==(const Recipe&, const Recipe&) = default;
};

// The recipes the program comes with, each showing how to ask one kind of
// question: a shape class, alternatives, exact lengths, a partnership's
// bounds, what the opponents showed, a whole known hand.
const std::vector<Recipe>& builtInRecipes();

// The user's recipes as a JSON file:
//   {"format": "ondiscale-recettes", "version": 1,
//    "recipes": [{"name": "…", "condition": {…}}, …]}
// with the conditions as conditionJson writes them.
inline constexpr std::string_view kRecipesFileFormat = "ondiscale-recettes";
inline constexpr int kRecipesFileVersion = 1;
std::string recipesFileText(const std::vector<Recipe>& recipes);

// The recipes of such a file, or why it cannot be read, in French.
struct RecipesReading {
    std::optional<std::vector<Recipe>> recipes;
    std::string damage;
};
RecipesReading readRecipesFile(std::string_view text);

// Keeps the recipe: in the place of one of the same name, or after the others.
void putRecipe(std::vector<Recipe>& recipes, Recipe recipe);

}  // namespace ondiscale
