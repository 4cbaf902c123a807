#include "formats/recipes.h"

#include <gtest/gtest.h>

#include "conditions.h"
#include "formats/shape_sets.h"

using namespace ondiscale;
using namespace conditions;

namespace {

TEST(BuiltInRecipes, AreTheLessonsInTheirOrder) {
    std::vector<std::string> names;
    for (const Recipe& r : builtInRecipes()) {
        names.push_back(r.name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"Ouverture de 1SA (15 à 17 points, régulière)",
                                        "Ouverture d'un majeur cinquième", "2 faible",
                                        "Fit de 8 cartes en majeure", "Intervention à 1 niveau",
                                        "Vous avez ces treize cartes"}));
}

// What the window and the exact counter rely on: at most four
// alternatives, ranges that are not empty, shapes written the plain way,
// cards in one hand each, a whole hand where thirteen are given.
TEST(BuiltInRecipes, AreConditionsTheWindowCanHold) {
    for (const Recipe& r : builtInRecipes()) {
        SCOPED_TRACE(r.name);
        for (const ConditionPart* part : {&r.condition.known, &r.condition.asked}) {
            ASSERT_GE(part->alternatives.size(), 1U);
            ASSERT_LE(part->alternatives.size(), 4U);
            for (const Alternative& a : part->alternatives) {
                CardSet all = 0;
                for (const Seat seat : kSeats) {
                    const HandBounds& h = a.bounds.hand(seat);
                    EXPECT_LE(h.points.min, h.points.max);
                    EXPECT_LE(h.points.max, 37);
                    EXPECT_EQ(a.shapes[index(seat)], canonicalShapes(a.shapes[index(seat)]));
                    EXPECT_EQ(all & a.cards[index(seat)], 0U);
                    all |= a.cards[index(seat)];
                }
            }
        }
    }
}

TEST(RecipesFile, GivesBackEveryRecipeWhole) {
    std::vector<Recipe> recipes = builtInRecipes();
    recipes.push_back(
        {"« Mon » \"problème\"\\ du mardi\n♠",
         question({Alt().shape(Seat::West, {anyOrder(5, 4, 4, 0), suitOrder(13, 0, 0, 0)})}, {})});
    const RecipesReading read = readRecipesFile(recipesFileText(recipes));
    ASSERT_TRUE(read.recipes.has_value()) << read.damage;
    EXPECT_TRUE(*read.recipes == recipes);
}

TEST(RecipesFile, PutReplacesTheRecipeOfTheSameNameElseAdds) {
    std::vector<Recipe> recipes{{"a", Condition{}}, {"b", Condition{}}};
    const Condition fit = question({}, {Alt().sideSuit(Side::NorthSouth, Suit::Hearts, 8, 13)});
    putRecipe(recipes, {"a", fit});
    putRecipe(recipes, {"c", fit});
    ASSERT_EQ(recipes.size(), 3U);
    EXPECT_EQ(recipes[0], (Recipe{"a", fit}));
    EXPECT_EQ(recipes[1].condition, Condition{});
    EXPECT_EQ(recipes[2].name, "c");
}

TEST(RecipesFile, PatternsInAnyOrderAreReadLongestFirst) {
    const RecipesReading read = readRecipesFile(
        R"({"format": "ondiscale-recettes", "version": 1, "recipes": [{"name": "x",
            "condition": {"known": [{"shapes": {"N": [{"anyOrder": [2, 3, 4, 4]}]}}]}}]})");
    ASSERT_TRUE(read.recipes.has_value()) << read.damage;
    EXPECT_EQ(read.recipes->front().condition,
              question({Alt().shape(Seat::North, {anyOrder(4, 4, 3, 2)})}, {}));
}

struct DamageRow {
    const char* name;
    const char* text;
    const char* damage;
};

void PrintTo(const DamageRow& row, std::ostream* os) { *os << row.name; }

class RecipesFileDamaged : public ::testing::TestWithParam<DamageRow> {};

TEST_P(RecipesFileDamaged, SaysWhy) {
    const RecipesReading read = readRecipesFile(GetParam().text);
    EXPECT_FALSE(read.recipes.has_value());
    EXPECT_EQ(read.damage, GetParam().damage);
}

// A recipe "r" whose condition is `condition`.
#define RECIPE(condition)                                                                                 \
    R"({"format": "ondiscale-recettes", "version": 1, "recipes": [{"name": "r", "condition": )" condition \
    "}]}"

INSTANTIATE_TEST_SUITE_P(
    Rows, RecipesFileDamaged,
    ::testing::Values(
        DamageRow{"not_json",
                  "{\"format\": ", "Le fichier des recettes est abîmé : ce n'est pas du JSON."},
        DamageRow{"another_file", R"({"format": "ondiscale-journal", "version": 1})",
                  "Le fichier des recettes est abîmé : ce n'est pas un fichier de recettes."},
        DamageRow{"newer", R"({"format": "ondiscale-recettes", "version": 2, "recipes": 7})",
                  "Le fichier des recettes vient d'une version plus récente d'ondiscale."},
        DamageRow{
            "recipe_without_name",
            R"({"format": "ondiscale-recettes", "version": 1, "recipes": [{"condition": {}}]})",
            "Le fichier des recettes est abîmé : une recette n'a pas de nom ou de condition."},
        DamageRow{
            "points_beyond_a_hand",
            RECIPE(R"({"known": [{"hands": {"S": {"points": [15, 38]}}}]})"),
            "Le fichier des recettes est abîmé : recette « r », le nombre 38 est hors des bornes."},
        DamageRow{
            "empty_range", RECIPE(R"({"asked": [{"sides": {"EW": {"hearts": [9, 8]}}}]})"),
            "Le fichier des recettes est abîmé : recette « r », une fourchette de camp est vide."},
        DamageRow{"pattern_of_twelve",
                  RECIPE(R"({"asked": [{"shapes": {"W": [{"suitOrder": [4, 4, 3, 1]}]}}]})"),
                  "Le fichier des recettes est abîmé : recette « r », une distribution n'a pas 13 "
                  "cartes."},
        DamageRow{"unknown_class", RECIPE(R"({"asked": [{"shapes": {"W": [{"class": "oval"}]}}]})"),
                  "Le fichier des recettes est abîmé : recette « r », la classe de distribution "
                  "\"oval\" est inconnue."},
        DamageRow{"card_in_two_hands",
                  RECIPE(R"({"known": [{"cards": {"N": "A...", "S": "AK..."}}]})"),
                  "Le fichier des recettes est abîmé : recette « r », les cartes \"AK...\" ne "
                  "tiennent pas dans une main."},
        DamageRow{"five_alternatives", RECIPE(R"({"asked": [{}, {}, {}, {}, {}]})"),
                  "Le fichier des recettes est abîmé : recette « r », « asked » n'a pas d'une à "
                  "quatre alternatives."},
        DamageRow{"unknown_member", RECIPE(R"({"known": [{"colour": 1}]})"),
                  "Le fichier des recettes est abîmé : recette « r », « colour » est inconnu dans "
                  "une alternative."},
        DamageRow{"unknown_seat", RECIPE(R"({"known": [{"hands": {"X": {}}}]})"),
                  "Le fichier des recettes est abîmé : recette « r », « X » est inconnu dans « "
                  "hands »."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
