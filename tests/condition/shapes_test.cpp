// A hand's shape as a teacher types it: the named classes, patterns in any
// suit order and in suit order, and the one message a bad text gets.
#include "condition/shapes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "exact_odds.h"

using namespace ondiscale;

namespace {

struct ReadRow {
    const char* typed;
    const char* read;  // shapesText of what is read
};

class ShapesRead : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ShapesRead, AsTheyWereMeant) {
    const ShapesReading reading = readShapes(GetParam().typed);
    ASSERT_TRUE(reading.shapes.has_value()) << reading.message;
    EXPECT_EQ(shapesText(*reading.shapes), GetParam().read);
    EXPECT_EQ(reading.message, "");
    // What the program writes reads back the same.
    EXPECT_EQ(readShapes(shapesText(*reading.shapes)).shapes, reading.shapes);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, ShapesRead,
    ::testing::Values(ReadRow{"régulière", "régulière"}, ReadRow{"reguliere", "régulière"},
                      ReadRow{"RÉGULIÈRE", "régulière"},
                      ReadRow{"Semi-régulière", "semi-régulière"},
                      ReadRow{"semi reguliere", "semi-régulière"},
                      ReadRow{"unicolore, bicolore ,tricolore", "unicolore, bicolore, tricolore"},
                      ReadRow{"Sans singleton ni chicane", "sans singleton ni chicane"},
                      ReadRow{"4432, 5332", "4432, 5332"}, ReadRow{"3442", "4432"},
                      ReadRow{"10111", "10111"}, ReadRow{"13000", "13000"},
                      ReadRow{"5=4=2=2", "5=4=2=2"}, ReadRow{"0 = 0 = 13 = 0", "0=0=13=0"},
                      ReadRow{"régulière, 5422, 6=3=2=2", "régulière, 5422, 6=3=2=2"},
                      ReadRow{"", ""}, ReadRow{"  ", ""}));

struct RefusedRow {
    const char* typed;
    const char* message;
};

class ShapesRefused : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(ShapesRefused, WithOneMessageNamingThePiece) {
    const ShapesReading reading = readShapes(GetParam().typed);
    EXPECT_FALSE(reading.shapes.has_value());
    EXPECT_EQ(reading.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, ShapesRefused,
    ::testing::Values(
        RefusedRow{"4431", "« 4431 » fait 12 cartes, et non 13."},
        RefusedRow{"4432, 5333", "« 5333 » fait 14 cartes, et non 13."},
        RefusedRow{"443", "« 443 » : une distribution a quatre longueurs, comme 4432 ou 5=4=2=2."},
        RefusedRow{"5=4=4",
                   "« 5=4=4 » : une distribution a quatre longueurs, comme 4432 ou 5=4=2=2."},
        RefusedRow{"5=4=2=1", "« 5=4=2=1 » fait 12 cartes, et non 13."},
        RefusedRow{"régulière, irrégulière",
                   "« irrégulière » n'est ni une distribution comme 4432 ou 5=4=2=2, ni une forme "
                   "nommée (régulière, semi-régulière, unicolore, bicolore, tricolore, sans "
                   "singleton ni chicane)."},
        RefusedRow{"5=4=x=2",
                   "« 5=4=x=2 » n'est ni une distribution comme 4432 ou 5=4=2=2, ni une forme "
                   "nommée (régulière, semi-régulière, unicolore, bicolore, tricolore, sans "
                   "singleton ni chicane)."},
        RefusedRow{"4432,,5332", "il manque une forme entre deux virgules."},
        RefusedRow{"4432,", "il manque une forme entre deux virgules."}));

// The classes, as the teacher names them, on patterns written out here.
TEST(ShapeClasses, EachPatternInTheClassesATeacherPutsItIn) {
    struct Row {
        const char* pattern;
        std::set<std::string> classes;
    };
    const Row rows[] = {
        {"4333", {"régulière", "sans singleton ni chicane"}},
        {"4432", {"régulière", "sans singleton ni chicane"}},
        {"5332", {"régulière", "sans singleton ni chicane"}},
        {"5422", {"semi-régulière", "bicolore", "sans singleton ni chicane"}},
        {"6322", {"semi-régulière", "unicolore", "sans singleton ni chicane"}},
        {"4441", {"tricolore"}},
        {"5440", {"tricolore"}},
        {"5431", {"bicolore"}},
        {"5521", {"bicolore"}},
        {"6421", {"bicolore"}},
        {"6331", {"unicolore"}},
        {"7222", {"unicolore", "sans singleton ni chicane"}},
        {"13000", {"unicolore"}},
        {"5530", {"bicolore"}},
        {"7420", {"bicolore"}},
    };
    const char* names[] = {"régulière", "semi-régulière", "unicolore",
                           "bicolore",  "tricolore",      "sans singleton ni chicane"};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.pattern);
        const ShapeSet pattern = *readShapes(r.pattern).shapes;
        // The pattern in some suit order.
        SuitLengths lengths = pattern.terms[0].lengths;
        std::swap(lengths[0], lengths[3]);
        std::set<std::string> found;
        for (const char* name : names) {
            if (fits(*readShapes(name).shapes, lengths)) {
                found.insert(name);
            }
        }
        EXPECT_EQ(found, r.classes);
    }
}

// The shares of hands in each class, from the patterns' exact odds; 5422
// hands are 10,58 % of all.
TEST(ShapeClasses, SharesOfAllHands) {
    auto probabilities = odds::patternProbabilities();
    const auto share = [&](const char* typed) {
        const ShapeSet shapes = *readShapes(typed).shapes;
        double p = 0;
        odds::forEachSplit([&](int s, int h, int d, int c, double q) {
            const SuitLengths lengths{static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(h),
                                      static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(c)};
            p += fits(shapes, lengths) ? q : 0;
        });
        return p;
    };
    EXPECT_NEAR(share("5422"), 0.1058, 0.00005);
    EXPECT_NEAR(share("semi-régulière"), probabilities["5422"] + probabilities["6322"], 1e-12);
    EXPECT_NEAR(share("régulière"),
                probabilities["4333"] + probabilities["4432"] + probabilities["5332"], 1e-12);
    EXPECT_NEAR(share("tricolore"), probabilities["4441"] + probabilities["5440"], 1e-12);
    // Spades first, in that order only: 13!/(5!4!2!2!) ... as binomials.
    EXPECT_NEAR(share("5=4=2=2"),
                odds::choose(13, 5) * odds::choose(13, 4) * odds::choose(13, 2) *
                    odds::choose(13, 2) / odds::hands(),
                1e-15);
    EXPECT_NEAR(share("4432, 5332"), probabilities["4432"] + probabilities["5332"], 1e-12);
    EXPECT_NEAR(share(""), 1.0, 1e-12);
}

}  // namespace
