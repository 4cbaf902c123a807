#include "exact/deal_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "deal_oracles.h"
#include "exact/pattern_table.h"
#include "exact_odds.h"

using namespace ondiscale;
using odds::choose;

namespace {

using enum Seat;
using enum Suit;
using oracle::range;

ShapeSet shapeOf(ShapeClass shapeClass) { return {{{ShapeTerm::Kind::Class, shapeClass, {}}}}; }

ShapeSet suitOrder(int spades, int hearts, int diamonds, int clubs) {
    return {{{ShapeTerm::Kind::SuitOrder,
              ShapeClass::Regular,
              {static_cast<std::uint8_t>(spades), static_cast<std::uint8_t>(hearts),
               static_cast<std::uint8_t>(diamonds), static_cast<std::uint8_t>(clubs)}}}};
}

// The share of all deals that meet the alternative.
double shareMeeting(const Alternative& alternative) {
    const std::optional<WideCount> deals = countDeals(questionOf(alternative));
    return deals ? static_cast<double>(static_cast<long double>(*deals) / oracle::allDeals()) : -1;
}

::testing::AssertionResult near(double exact, double oracle) {
    if (std::abs(exact - oracle) <= 1e-15 + 1e-11 * oracle) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << exact << " against " << oracle;
}

// Each named class's share of South's hands is the sum of its patterns'
// shares in the table of the 39 patterns.
TEST(CountDeals, EachNamedShapeAgainstThePatternTable) {
    struct Row {
        const char* name;
        ShapeSet shape;
        std::vector<std::string> patterns;
    };
    const Row rows[] = {
        {"régulière", shapeOf(ShapeClass::Regular), {"4333", "4432", "5332"}},
        {"semi-régulière", shapeOf(ShapeClass::SemiRegular), {"5422", "6322"}},
        {"unicolore",
         shapeOf(ShapeClass::OneSuited),
         {"6322", "6331", "7222", "7321", "7330", "8221", "8311", "8320", "9211", "9220", "9310",
          "10111", "10210", "10300", "11110", "11200", "12100", "13000"}},
        {"bicolore",
         shapeOf(ShapeClass::TwoSuited),
         {"5422", "5431", "5521", "5530", "6421", "6430", "6511", "6520", "6610", "7411", "7420",
          "7510", "7600", "8410", "8500", "9400"}},
        {"tricolore", shapeOf(ShapeClass::ThreeSuited), {"4441", "5440"}},
        {"sans singleton ni chicane",
         shapeOf(ShapeClass::NoShortSuit),
         {"4333", "4432", "5332", "5422", "6322", "7222"}},
        {"4432 or 5332 in any order",
         {{{ShapeTerm::Kind::AnyOrder, ShapeClass::Regular, {4, 4, 3, 2}},
           {ShapeTerm::Kind::AnyOrder, ShapeClass::Regular, {5, 3, 3, 2}}}},
         {"4432", "5332"}},
    };
    const std::vector<PatternRow> table = patternTable();
    for (const Row& row : rows) {
        double oracle = 0;
        for (const PatternRow& pattern : table) {
            if (std::find(row.patterns.begin(), row.patterns.end(), pattern.text) !=
                row.patterns.end()) {
                oracle += pattern.probability;
            }
        }
        Alternative alternative;
        alternative.shapes[index(South)] = row.shape;
        EXPECT_TRUE(near(shareMeeting(alternative), oracle)) << row.name;
    }

    Alternative fiveFour;
    fiveFour.shapes[index(East)] = suitOrder(5, 4, 2, 2);
    EXPECT_TRUE(near(shareMeeting(fiveFour), choose(13, 5) * choose(13, 4) * choose(13, 2) *
                                                 choose(13, 2) / choose(52, 13)))
        << "5=4=2=2, spades first";
}

// Points on three and four hands, against the honours placed rank by rank.
TEST(CountDeals, PointsOnEveryHandAgainstTheHonoursRankByRank) {
    struct Row {
        const char* name;
        std::array<Range, 4> hands;  // North, East, South, West
        Range northSouth;
    };
    const Range any = range(0, 37);
    const Row rows[] = {
        {"every hand 8 to 12",
         {range(8, 12), range(8, 12), range(8, 12), range(8, 12)},
         range(0, 40)},
        {"North 15-17, East 7 at most, South 8 or more, West 10 or more",
         {range(15, 17), range(0, 7), range(8, 37), range(10, 37)},
         range(0, 40)},
        {"every hand 10 exactly",
         {range(10, 10), range(10, 10), range(10, 10), range(10, 10)},
         range(0, 40)},
        {"North 12 or more, East 6 to 10, North-South 20 to 25",
         {range(12, 37), range(6, 10), any, any},
         range(20, 25)},
        {"North 1 point or more, East 36 at most (the edges of the possible)",
         {range(1, 37), range(0, 36), any, any},
         range(0, 40)},
        {"West 20 or more, North-South 12 to 15, South 3 at most",
         {any, any, range(0, 3), range(20, 37)},
         range(12, 15)},
    };
    for (const Row& row : rows) {
        Alternative alternative;
        for (std::size_t h = 0; h < row.hands.size(); ++h) {
            alternative.bounds.hands[h].points = row.hands[h];
        }
        alternative.bounds.side(Side::NorthSouth).points = row.northSouth;
        EXPECT_TRUE(near(shareMeeting(alternative), oracle::pointsShare(row.hands, row.northSouth)))
            << row.name;
    }
}

// South's hand (or some cards) known: the other hands are dealt from the
// cards left, the counts are hypergeometric.
TEST(CountDeals, KnownCardsAgainstTheCardsLeft) {
    const std::uint64_t mine = oracle::cardsOf("AK52.Q7.KJ84.A63");
    // South holds 4 spades, 2 hearts, 4 diamonds, 3 clubs and two aces, two
    // kings, a queen and a jack: left are 2 aces, 2 kings, 3 queens, 3 jacks.
    const double southKnown = choose(39, 13) * choose(26, 13);
    const auto atLeast = [](int least, int suit, int drawn, int from) {
        double p = 0;
        for (int k = least; k <= suit; ++k) {
            p += choose(suit, k) * choose(from - suit, drawn - k) / choose(from, drawn);
        }
        return p;
    };
    double tenPoints = 0;
    for (int a = 0; a <= 2; ++a) {
        for (int k = 0; k <= 2; ++k) {
            for (int q = 0; q <= 3; ++q) {
                for (int j = 0; j <= 3; ++j) {
                    if (4 * a + 3 * k + 2 * q + j >= 10) {
                        tenPoints += choose(2, a) * choose(2, k) * choose(3, q) * choose(3, j) *
                                     choose(29, 13 - a - k - q - j) / choose(39, 13);
                    }
                }
            }
        }
    }
    double regular = 0;  // North's régulière from 9 spades, 11 hearts, 9 diamonds, 10 clubs
    const std::array<int, 4> left{9, 11, 9, 10};
    odds::forEachSplit([&](int s, int h, int d, int c, double) {
        const std::string p = odds::pattern(s, h, d, c);
        if (p == "4333" || p == "4432" || p == "5332") {
            regular += choose(left[0], s) * choose(left[1], h) * choose(left[2], d) *
                       choose(left[3], c) / choose(39, 13);
        }
    });

    struct Row {
        const char* name;
        std::function<void(Alternative&)> asked;
        double given;   // the deals meeting what is known, out of every deal
        double oracle;  // the share of those that also meet what is asked
    };
    const Row rows[] = {
        {"nothing known: North has a spade at least",
         [](Alternative& a) { a.bounds.hand(North).suit(Spades) = range(1, 13); },
         oracle::allDeals(), 1 - choose(39, 13) / choose(52, 13)},
        {"North 4 hearts or more",
         [&](Alternative& a) {
             a.cards[index(South)] = mine;
             a.bounds.hand(North).suit(Hearts) = range(4, 13);
         },
         southKnown, atLeast(4, 11, 13, 39)},
        {"North-South 8 spades or more",
         [&](Alternative& a) {
             a.cards[index(South)] = mine;
             a.bounds.side(Side::NorthSouth).suit(Spades) = range(8, 13);
         },
         southKnown, atLeast(4, 9, 13, 39)},
        {"North 10 points or more",
         [&](Alternative& a) {
             a.cards[index(South)] = mine;
             a.bounds.hand(North).points = range(10, 37);
         },
         southKnown, tenPoints},
        {"North régulière",
         [&](Alternative& a) {
             a.cards[index(South)] = mine;
             a.shapes[index(North)] = shapeOf(ShapeClass::Regular);
         },
         southKnown, regular},
        {"North holds the ace of spades, South the king: 8 spades together",
         [](Alternative& a) {
             a.cards[index(North)] = oracle::cardsOf("A...");
             a.cards[index(South)] = oracle::cardsOf("K...");
             a.bounds.side(Side::NorthSouth).suit(Spades) = range(8, 13);
         },
         choose(50, 12) * choose(38, 12) * choose(26, 13), atLeast(6, 11, 24, 50)},
        {"North and South known: East 5 hearts or more of West's and his 7",
         [&](Alternative& a) {
             a.cards[index(South)] = mine;
             a.cards[index(North)] = oracle::cardsOf("QJT9.AK.AQ.KQJT9");
             a.bounds.hand(East).suit(Hearts) = range(5, 13);
         },
         choose(26, 13), atLeast(5, 9, 13, 26)},
    };
    for (const Row& row : rows) {
        Alternative asked;
        row.asked(asked);
        EXPECT_TRUE(near(shareMeeting(asked), row.given / oracle::allDeals() * row.oracle))
            << row.name;
    }
}

TEST(CountDeals, AWholeDealKnownIsOneDealOrNone) {
    Alternative alternative;
    alternative.cards = {oracle::cardsOf("QJT9.AK.AQ.KQJT9"), oracle::cardsOf("876.JT98.T976.87"),
                         oracle::cardsOf("AK52.Q7.KJ84.A63"), oracle::cardsOf("43.65432.532.542")};
    struct Row {
        const char* name;
        std::function<void(Alternative&)> ask;
        int deals;
    };
    const Row rows[] = {
        {"nothing more", [](Alternative&) {}, 1},
        {"North 22 points or more (he holds 22)",
         [](Alternative& a) { a.bounds.hand(North).points = range(22, 37); }, 1},
        {"North 23 points or more",
         [](Alternative& a) { a.bounds.hand(North).points = range(23, 37); }, 0},
        {"West 2=5=3=3, as he is",
         [](Alternative& a) { a.shapes[index(West)] = suitOrder(2, 5, 3, 3); }, 1},
        {"West 2=4=3=4", [](Alternative& a) { a.shapes[index(West)] = suitOrder(2, 4, 3, 4); }, 0},
        {"East-West 7 spades or more (they hold 5)",
         [](Alternative& a) { a.bounds.side(Side::EastWest).suit(Spades) = range(7, 13); }, 0},
    };
    for (const Row& row : rows) {
        Alternative asked = alternative;
        row.ask(asked);
        EXPECT_TRUE(countDeals(questionOf(asked)) == WideCount{row.deals}) << row.name;
    }
}

// A condition and the same condition with the seats turned a quarter
// (North-South becoming East-West) and the suits reversed count the same
// deals: no hand, partnership or suit is counted apart.
Alternative turned(const Alternative& a) {
    const auto seat = [](std::size_t h) { return (h + 1) % 4; };
    const auto suit = [](std::size_t s) { return 3 - s; };
    Alternative t;
    for (std::size_t h = 0; h < 4; ++h) {
        HandBounds& to = t.bounds.hands[seat(h)];
        to.points = a.bounds.hands[h].points;
        for (std::size_t s = 0; s < 4; ++s) {
            to.suits[suit(s)] = a.bounds.hands[h].suits[s];
        }
        t.shapes[seat(h)] = a.shapes[h];
        for (ShapeTerm& term : t.shapes[seat(h)].terms) {
            const auto l = term.lengths;
            term.lengths = {l[3], l[2], l[1], l[0]};
            if (term.kind == ShapeTerm::Kind::AnyOrder) {
                std::sort(term.lengths.begin(), term.lengths.end(), std::greater<>());
            }
        }
        CardSet cards = 0;
        for (Card c = kLowestCard; c <= kHighestCard; ++c) {
            if ((a.cards[h] & cardBit(c)) != 0) {
                cards |= cardBit(cardOf(kSuits[suit(index(suitOf(c)))], rankOf(c)));
            }
        }
        t.cards[seat(h)] = cards;
    }
    for (std::size_t p = 0; p < 2; ++p) {
        HandBounds& to = t.bounds.sides[1 - p];
        to.points = a.bounds.sides[p].points;
        for (std::size_t s = 0; s < 4; ++s) {
            to.suits[suit(s)] = a.bounds.sides[p].suits[s];
        }
    }
    return t;
}

TEST(CountDeals, SeatsTurnedAndSuitsReversedCountTheSame) {
    struct Row {
        const char* name;
        std::function<void(Alternative&)> ask;
    };
    const Row rows[] = {
        {"1SA and partner's points",
         [](Alternative& a) {
             a.shapes[index(South)] = shapeOf(ShapeClass::Regular);
             a.bounds.hand(South).points = range(15, 17);
             a.bounds.hand(North).points = range(8, 9);
         }},
        {"a known hand, a fit and partner's points",
         [](Alternative& a) {
             a.cards[index(South)] = oracle::cardsOf("AK52.Q7.KJ84.A63");
             a.bounds.side(Side::NorthSouth).suit(Spades) = range(8, 13);
             a.bounds.hand(North).points = range(6, 10);
         }},
        {"a shape in suit order, an opponent's length, a partnership's points",
         [](Alternative& a) {
             a.shapes[index(East)] = suitOrder(5, 4, 2, 2);
             a.bounds.hand(West).suit(Spades) = range(3, 13);
             a.bounds.side(Side::EastWest).points = range(0, 20);
         }},
        {"three hands' points, one with a long suit",
         [](Alternative& a) {
             a.bounds.hand(North).points = range(12, 14);
             a.bounds.hand(North).suit(Spades) = range(5, 13);
             a.bounds.hand(East).points = range(0, 7);
             a.bounds.hand(West).points = range(8, 37);
         }},
        {"cards held on three hands, a two-suiter on the fourth",
         [](Alternative& a) {
             a.cards[index(North)] = oracle::cardsOf("A...");
             a.cards[index(East)] = oracle::cardsOf(".K..");
             a.cards[index(South)] = oracle::cardsOf("..Q.");
             a.shapes[index(West)] = shapeOf(ShapeClass::TwoSuited);
             a.bounds.hand(West).points = range(6, 11);
         }},
        {"four hands' lengths and a partnership's points",
         [](Alternative& a) {
             for (HandBounds& hand : a.bounds.hands) {
                 hand.suits = {range(2, 5), range(1, 6), range(0, 13), range(2, 13)};
             }
             a.bounds.side(Side::NorthSouth).points = range(21, 26);
         }},
    };
    for (const Row& row : rows) {
        Alternative alternative;
        row.ask(alternative);
        const std::optional<WideCount> once = countDeals(questionOf(alternative));
        ASSERT_TRUE(once.has_value()) << row.name;
        EXPECT_GT(*once, 0) << row.name;
        Alternative t = alternative;
        for (int turn = 1; turn < 4; ++turn) {
            t = turned(t);
            EXPECT_TRUE(countDeals(questionOf(t)) == once) << row.name << ", turned " << turn;
        }
    }
}

// One measure's exact values, summed over all it can be, give the count
// without it.
TEST(CountDeals, PartsAddUpToTheWhole) {
    struct Row {
        const char* name;
        std::function<void(Alternative&)> whole;
        std::function<void(Alternative&, int)> part;
        int parts;
    };
    const Row rows[] = {
        {"West's spades beside every hand's points",
         [](Alternative& a) {
             for (HandBounds& hand : a.bounds.hands) {
                 hand.points = range(7, 13);
             }
         },
         [](Alternative& a, int k) { a.bounds.hand(West).suit(Spades) = range(k, k); }, 14},
        {"North's points beside a 1SA opening and its partnership's points",
         [](Alternative& a) {
             a.shapes[index(South)] = shapeOf(ShapeClass::Regular);
             a.bounds.hand(South).points = range(15, 17);
             a.bounds.side(Side::NorthSouth).points = range(25, 40);
         },
         [](Alternative& a, int k) { a.bounds.hand(North).points = range(k, k); }, 26},
        {"South's points beside North's shape and their partnership's points",
         [](Alternative& a) {
             a.shapes[index(North)] = shapeOf(ShapeClass::SemiRegular);
             a.bounds.side(Side::NorthSouth).points = range(23, 31);
         },
         [](Alternative& a, int k) { a.bounds.hand(South).points = range(k, k); }, 32},
        {"East's spades beside a known hand and partner's shape",
         [](Alternative& a) {
             a.cards[index(South)] = oracle::cardsOf("AK52.Q7.KJ84.A63");
             a.shapes[index(North)] = shapeOf(ShapeClass::Regular);
         },
         [](Alternative& a, int k) { a.bounds.hand(East).suit(Spades) = range(k, k); }, 10},
    };
    for (const Row& row : rows) {
        Alternative whole;
        row.whole(whole);
        WideCount sum = 0;
        for (int k = 0; k < row.parts; ++k) {
            Alternative part = whole;
            row.part(part, k);
            sum += countDeals(questionOf(part)).value();
        }
        EXPECT_TRUE(sum == countDeals(questionOf(whole)).value()) << row.name;
    }
}

// Two questions met: their ranges narrowed, shapes crossed, cards united.
TEST(DealQuestion, TwoQuestionsMeetInOne) {
    Alternative longSpades;
    longSpades.bounds.hand(North).suit(Spades) = range(4, 13);
    longSpades.shapes[index(North)] = {
        {{ShapeTerm::Kind::AnyOrder, ShapeClass::Regular, {5, 4, 2, 2}}}};
    longSpades.cards[index(North)] = oracle::cardsOf("A...");
    Alternative twoSuited;
    twoSuited.bounds.hand(North).points = range(12, 14);
    twoSuited.shapes[index(North)] = shapeOf(ShapeClass::TwoSuited);
    twoSuited.cards[index(South)] = oracle::cardsOf(".A..");

    Alternative written = longSpades;  // 5422 is bicolore
    written.bounds.hand(North).points = range(12, 14);
    written.cards[index(South)] = oracle::cardsOf(".A..");
    const DealQuestion both = bothOf(questionOf(longSpades), questionOf(twoSuited));
    EXPECT_EQ(both, questionOf(written));
    EXPECT_TRUE(countDeals(both) == countDeals(questionOf(written)));

    Alternative regular;
    regular.shapes[index(North)] = shapeOf(ShapeClass::Regular);
    EXPECT_TRUE(plainlyEmpty(bothOf(questionOf(twoSuited), questionOf(regular))))
        << "régulière and bicolore share no vector";
    Alternative clash;
    clash.cards[index(East)] = oracle::cardsOf("A...");
    const DealQuestion aceTwice = bothOf(questionOf(longSpades), questionOf(clash));
    EXPECT_TRUE(plainlyEmpty(aceTwice)) << "the ace of spades with North and East";
    EXPECT_TRUE(countDeals(aceTwice) == WideCount{0});
}

// A count that would take longer than its caller allows gives nothing,
// never part of a count.
TEST(CountDeals, TooLongForTheCallerIsNothing) {
    Alternative alternative;
    for (HandBounds& hand : alternative.bounds.hands) {
        hand.points = range(8, 12);
    }
    alternative.bounds.hand(North).suit(Spades) = range(5, 13);
    const DealQuestion question = questionOf(alternative);
    EXPECT_FALSE(countDeals(question, 1e3).has_value());
    EXPECT_TRUE(countDeals(question).has_value());
    EXPECT_TRUE(countDeals(DealQuestion{}, 1e3) == countDeals(DealQuestion{}))
        << "every deal is counted at once";
}

}  // namespace
