// The matchers: a hand's ranges both ends included, and the packed check
// of the whole table against the bounds tested one measure at a time and
// against a partnership condition's exact odds.
#include "condition/matcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <tuple>

#include "condition/shapes.h"
#include "engine/card_text.h"
#include "engine/dealer.h"
#include "exact_odds.h"

using namespace ondiscale;

namespace {

std::uint64_t frozenClock() { return 1'700'000'000'000'000'000ULL; }

TEST(HandCheck, MeetsEveryRangeBothEndsIncluded) {
    HandBounds bounds;
    bounds.suit(Suit::Spades) = {5, 5};
    bounds.suit(Suit::Diamonds) = {0, 3};
    bounds.points = {12, 14};
    struct Row {
        SuitLengths lengths;
        int points;
        bool meets;
    };
    const Row rows[] = {
        {{5, 3, 3, 2}, 12, true},  {{5, 3, 3, 2}, 14, true},  {{5, 4, 0, 4}, 13, true},
        {{5, 3, 3, 2}, 11, false}, {{5, 3, 3, 2}, 15, false}, {{4, 4, 3, 2}, 13, false},
        {{6, 3, 2, 2}, 13, false}, {{5, 2, 4, 2}, 13, false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(meets(bounds, r.lengths, static_cast<std::uint8_t>(r.points)), r.meets)
            << int(r.lengths[0]) << int(r.lengths[1]) << int(r.lengths[2]) << int(r.lengths[3])
            << ' ' << r.points;
    }
    EXPECT_TRUE(meets(HandBounds{}, {13, 0, 0, 0}, 37)) << "the defaults allow any hand";
}

// North-South with at least 25 points and at least 8 spades together:
// 4.530308 % exactly.
TEST(TableCheck, APartnershipConditionAtItsExactOdds) {
    Dealer dealer;
    Deal deal{};
    TableBounds bounds;
    bounds.side(Side::NorthSouth).points = {25, 40};
    bounds.side(Side::NorthSouth).suit(Suit::Spades) = {8, 13};
    const TableCheck check(bounds);
    constexpr long long deals = 2'000'000;
    long long hits = 0;
    for (long long n = 0; n < deals; ++n) {
        dealer.dealTable(deal);
        hits += check.meets(measureTable(deal)) ? 1 : 0;
    }
    EXPECT_TRUE(odds::agrees(hits, deals, 0.04530308));
}

// Every row's measures are its hands' own, and the check agrees with the
// bounds tested one measure at a time.
TEST(TableCheck, MeasuresAndChecksAgreeWithTheHandsOwn) {
    Dealer dealer(Generator::seeded(7), frozenClock);
    std::mt19937 random(7);
    Deal deal{};
    for (int n = 0; n < 20'000; ++n) {
        dealer.dealTable(deal);
        const TableMeasures m = measureTable(deal);
        std::array<SuitLengths, 6> lengths{};
        std::array<int, 6> points{};
        for (const Seat seat : kSeats) {
            lengths[rowOf(seat)] = suitLengths(deal[index(seat)]);
            points[rowOf(seat)] = highCardPoints(deal[index(seat)]);
        }
        for (const auto& [side, a, b] : {std::tuple{Side::NorthSouth, Seat::North, Seat::South},
                                         std::tuple{Side::EastWest, Seat::East, Seat::West}}) {
            for (std::size_t s = 0; s < 4; ++s) {
                lengths[rowOf(side)][s] =
                    static_cast<std::uint8_t>(lengths[rowOf(a)][s] + lengths[rowOf(b)][s]);
            }
            points[rowOf(side)] = points[rowOf(a)] + points[rowOf(b)];
        }
        TableBounds bounds;
        bool expected = true;
        for (std::size_t row = 0; row < 6; ++row) {
            ASSERT_EQ(m.points(row), points[row]);
            for (const Suit suit : kSuits) {
                ASSERT_EQ(m.length(row, suit), lengths[row][index(suit)]);
            }
            if (random() % 3 != 0) {
                continue;  // a row left open
            }
            HandBounds& b = row < 4 ? bounds.hands[row] : bounds.sides[row - 4];
            const auto near = [&](int v, int spread) {
                return static_cast<std::uint8_t>(
                    std::max(0, v + static_cast<int>(random() % (2 * spread + 1)) - spread));
            };
            b.suits[random() % 4] = {near(4, 3), near(5, 3)};
            b.points = {near(row < 4 ? 10 : 20, 6), near(row < 4 ? 12 : 22, 8)};
            expected = expected && meets(b, lengths[row], static_cast<std::uint8_t>(points[row]));
        }
        ASSERT_EQ(TableCheck(bounds).meets(m), expected) << "deal " << n;
    }
}

// Whether a deal meets an alternative, each measure taken on its own from
// the cards, the way a player would check it.
bool meetsByHand(const Alternative& alternative, const Deal& deal) {
    std::array<std::array<int, 5>, 6> measures{};  // rows as TableMeasures, suits then points
    for (const Seat seat : kSeats) {
        const Hand& hand = deal[index(seat)];
        SuitLengths lengths{};
        for (const Card card : hand) {
            ++lengths[index(suitOf(card))];
            measures[index(seat)][4] += std::max(0, rankOf(card) - 10);
        }
        for (std::size_t s = 0; s < 4; ++s) {
            measures[index(seat)][s] = lengths[s];
        }
        if (!fits(alternative.shapes[index(seat)], lengths)) {
            return false;
        }
        for (Card card = kLowestCard; card <= kHighestCard; ++card) {
            const bool wanted = (alternative.cards[index(seat)] & cardBit(card)) != 0;
            if (wanted && std::find(hand.begin(), hand.end(), card) == hand.end()) {
                return false;
            }
        }
    }
    for (std::size_t m = 0; m < 5; ++m) {
        measures[4][m] = measures[0][m] + measures[2][m];
        measures[5][m] = measures[1][m] + measures[3][m];
    }
    for (std::size_t row = 0; row < 6; ++row) {
        const HandBounds& b =
            row < 4 ? alternative.bounds.hands[row] : alternative.bounds.sides[row - 4];
        for (std::size_t m = 0; m < 5; ++m) {
            const Range& r = m < 4 ? b.suits[m] : b.points;
            if (measures[row][m] < r.min || measures[row][m] > r.max) {
                return false;
            }
        }
    }
    return true;
}

// An alternative drawn at random, loose enough that deals often meet it.
Alternative randomAlternative(std::mt19937& random) {
    const auto chance = [&](int inN) { return random() % static_cast<unsigned>(inN) == 0; };
    const char* shapes[] = {"régulière",  "semi-régulière",   "unicolore",
                            "bicolore",   "tricolore",        "sans singleton ni chicane",
                            "4432, 5332", "5=3=3=2, 4=4=3=2", "5431"};
    Alternative a;
    for (std::size_t row = 0; row < 6; ++row) {
        if (!chance(3)) {
            continue;
        }
        HandBounds& b = row < 4 ? a.bounds.hands[row] : a.bounds.sides[row - 4];
        const std::size_t suit = random() % 4;
        const auto low = static_cast<std::uint8_t>(random() % (row < 4 ? 5 : 9));
        b.suits[suit] = {low, static_cast<std::uint8_t>(low + random() % 5)};
        if (chance(2)) {
            const auto points = static_cast<std::uint8_t>(random() % (row < 4 ? 14 : 26));
            b.points = {points, static_cast<std::uint8_t>(points + random() % 15)};
        }
    }
    for (std::size_t seat = 0; seat < 4; ++seat) {
        if (chance(4)) {
            a.shapes[seat] = *readShapes(shapes[random() % std::size(shapes)]).shapes;
        }
        if (chance(4)) {
            a.cards[seat] = cardBit(static_cast<Card>(kLowestCard + random() % 52));
            if (chance(2)) {
                a.cards[seat] |= cardBit(static_cast<Card>(kLowestCard + random() % 52));
            }
        }
    }
    return a;
}

// Random questions of one to four alternatives a part, against random
// deals: the compiled matcher says what the measures taken one at a time
// say, deal after deal.
TEST(QuestionMatcher, AgreesWithEachMeasureTakenOnItsOwn) {
    Dealer dealer(Generator::seeded(11), frozenClock);
    std::mt19937 random(11);
    Deal deal{};
    long long known = 0;
    long long hits = 0;
    constexpr int kQuestions = 400;
    constexpr int kDeals = 200;
    for (int q = 0; q < kQuestions; ++q) {
        Condition condition;
        for (ConditionPart* part : {&condition.known, &condition.asked}) {
            part->alternatives.clear();
            const std::size_t count = 1 + random() % 4;
            for (std::size_t i = 0; i < count; ++i) {
                part->alternatives.push_back(randomAlternative(random));
            }
        }
        // The known cards of a lone alternative are placed by the run, not
        // tested: here, only where the deal has them.
        if (condition.known.alternatives.size() == 1) {
            condition.known.alternatives.push_back(randomAlternative(random));
        }
        const QuestionMatcher matcher(condition, placedCards(condition.known));
        for (int n = 0; n < kDeals; ++n) {
            dealer.dealTable(deal);
            const auto anyOf = [&](const ConditionPart& part) {
                return std::any_of(part.alternatives.begin(), part.alternatives.end(),
                                   [&](const Alternative& a) { return meetsByHand(a, deal); });
            };
            const bool inKnown = anyOf(condition.known);
            const bool hit = inKnown && anyOf(condition.asked);
            const Outcome outcome = matcher.test(deal);
            ASSERT_EQ(outcome.known, inKnown ? 1U : 0U) << "question " << q << ", deal " << n;
            ASSERT_EQ(outcome.hit, hit ? 1U : 0U) << "question " << q << ", deal " << n;
            known += inKnown ? 1 : 0;
            hits += hit ? 1 : 0;
        }
    }
    // Enough of both to have tested something.
    EXPECT_GT(known, 4'000);
    EXPECT_GT(hits, 400);
}

// The cards a lone known alternative holds are taken as dealt; a part of
// several alternatives places none.
TEST(QuestionMatcher, PlacedCardsAreThoseOfALoneKnownAlternative) {
    ConditionPart part;
    part.alternatives.front().cards[index(Seat::South)] = *readCards("♠ A").cards;
    EXPECT_EQ(placedCards(part)[index(Seat::South)], cardBit(cardOf(Suit::Spades, kAce)));
    // Placed, the ♠A is not looked for in South's hand.
    const PartMatcher placed(part, placedCards(part));
    const PartMatcher tested(part);
    Deal deal{};
    Dealer dealer(Generator::seeded(3), frozenClock);
    int without = 0;
    for (int n = 0; n < 200; ++n) {
        dealer.dealTable(deal);
        const bool holds =
            std::find(deal[2].begin(), deal[2].end(), cardOf(Suit::Spades, kAce)) != deal[2].end();
        without += holds ? 0 : 1;
        EXPECT_EQ(placed.meets(deal, measureTable(deal)), 1U);
        EXPECT_EQ(tested.meets(deal, measureTable(deal)), holds ? 1U : 0U);
    }
    EXPECT_GT(without, 100);
    part.alternatives.push_back(part.alternatives.front());
    EXPECT_EQ(placedCards(part), (std::array<CardSet, 4>{}));
}

}  // namespace
