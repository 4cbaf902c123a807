// The matchers: a hand's ranges both ends included, and the packed check
// of the whole table against the bounds tested one measure at a time and
// against a partnership condition's exact odds.
#include "condition/matcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <tuple>

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

}  // namespace
