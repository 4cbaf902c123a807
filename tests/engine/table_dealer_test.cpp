// The whole deal: four hands of 13 distinct cards, every card as likely in
// every seat, partnerships' lengths and a two-hand condition at their
// exact odds, consecutive deals independent, and a seed and a clock that
// give the same deals again.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <bitset>
#include <random>

#include "engine/card_text.h"
#include "engine/dealer.h"
#include "engine/hand_measures.h"
#include "engine/table_measures.h"
#include "exact_odds.h"

using namespace ondiscale;

namespace {

std::uint64_t frozenClock() { return 1'700'000'000'000'000'000ULL; }

TEST(TableDealer, FourHandsOfThirteenDistinctCardsEveryCardInEverySeatAlike) {
    Dealer dealer;
    Deal deal{};
    constexpr long long deals = 1'000'000;
    std::array<std::array<long long, 4>, 54> seatOf{};
    std::array<long long, 54> sameSeatNext{};
    std::array<std::size_t, 54> previousSeat{};
    std::array<long long, 14> nsSpades{};
    for (long long n = 0; n < deals; ++n) {
        dealer.dealTable(deal);
        std::bitset<64> all;
        for (std::size_t seat = 0; seat < 4; ++seat) {
            std::bitset<64> hand;
            for (const Card card : deal[seat]) {
                ASSERT_GE(card, 2);
                ASSERT_LE(card, 53);
                hand.set(card);
                ++seatOf[card][seat];
                sameSeatNext[card] += n > 0 && previousSeat[card] == seat ? 1 : 0;
                previousSeat[card] = seat;
            }
            ASSERT_EQ(hand.count(), 13U) << "deal " << n << ", seat " << seat;
            all |= hand;
        }
        ASSERT_EQ(all.count(), 52U) << "deal " << n;
        const TableMeasures m = measureTable(deal);
        ++nsSpades[m.length(rowOf(Side::NorthSouth), Suit::Spades)];
    }
    for (std::size_t card = 2; card <= 53; ++card) {
        for (std::size_t seat = 0; seat < 4; ++seat) {
            EXPECT_TRUE(odds::agrees(seatOf[card][seat], deals, 0.25))
                << "card " << card << ", seat " << seat;
        }
        // A card's seat in one deal says nothing of its seat in the next.
        EXPECT_TRUE(odds::agrees(sameSeatNext[card], deals - 1, 0.25)) << "card " << card;
    }
    // North-South's spades: k of the 13 among their 26 cards.
    for (int k = 0; k <= 13; ++k) {
        const double p = odds::choose(13, k) * odds::choose(39, 26 - k) / odds::choose(52, 26);
        EXPECT_TRUE(odds::agrees(nsSpades[static_cast<std::size_t>(k)], deals, p)) << k;
    }
}

// A seed and a clock give the same deals again; the golden deal pins the
// whole chain, and changes knowingly or not at all.
TEST(TableDealer, ASeedAndAClockGiveTheSameDealsEveryTime) {
    Dealer first(Generator::seeded(2026), frozenClock);
    Dealer second(Generator::seeded(2026), frozenClock);
    Deal a{};
    Deal b{};
    for (int n = 0; n < 1000; ++n) {
        first.dealTable(a);
        second.dealTable(b);
        ASSERT_EQ(a, b) << "deal " << n;
    }
    Dealer golden(Generator::seeded(1), frozenClock);
    Deal deal{};
    golden.dealTable(deal);
    EXPECT_EQ(deal[index(Seat::North)], (Hand{31, 50, 22, 51, 6, 33, 12, 13, 36, 48, 47, 15, 45}));
}

// Cards placed before the deal: each hand holds its own, and every other
// card goes to each hand in proportion to the room it has left.
TEST(TableDealer, PlacedCardsStayAndTheRestFallWhereThereIsRoom) {
    // North 5 cards given, East none, South all 13, West 2: 8, 13, 0 and 11
    // places for the 32 cards left.
    const std::array<CardSet, 4> placed{*readCards("♠ D V 10 ♥ A R").cards, 0,
                                        *readCards("AK52.Q7.KJ84.A63").cards,
                                        *readCards("♣ R D").cards};
    const std::array<double, 4> room{8.0 / 32, 13.0 / 32, 0, 11.0 / 32};
    Dealer dealer;
    const PlacedCards deck(placed);
    Deal deal{};
    constexpr long long deals = 200'000;
    std::array<std::array<long long, 4>, 54> seatOf{};
    for (long long n = 0; n < deals; ++n) {
        dealer.dealTable(deal, deck);
        CardSet all = 0;
        for (std::size_t seat = 0; seat < 4; ++seat) {
            const CardSet hand = cardSetOf(deal[seat]);
            ASSERT_EQ(std::popcount(hand), 13) << "deal " << n << ", seat " << seat;
            ASSERT_EQ(hand & placed[seat], placed[seat]) << "deal " << n << ", seat " << seat;
            all |= hand;
            for (const Card card : deal[seat]) {
                ++seatOf[card][seat];
            }
        }
        ASSERT_EQ(all, kAllCards) << "deal " << n;
    }
    for (Card card = kLowestCard; card <= kHighestCard; ++card) {
        if (((placed[0] | placed[1] | placed[2] | placed[3]) & cardBit(card)) != 0) {
            continue;
        }
        for (std::size_t seat = 0; seat < 4; ++seat) {
            EXPECT_TRUE(odds::agrees(seatOf[card][seat], deals, room[seat]))
                << cardText(card) << ", seat " << seat;
        }
    }
}

// South's whole hand known, ♠AR52 ♥D7 ♦RV84 ♣A63: North's hearts are k of
// the 11 left among the 39 unknown cards.
TEST(TableDealer, AWholeKnownHandLeavesThirtyNineCardsToDeal) {
    std::array<CardSet, 4> placed{};
    placed[index(Seat::South)] = *readCards("♠AR52 ♥D7 ♦RV84 ♣A63").cards;
    const PlacedCards deck(placed);
    Dealer dealer;
    Deal deal{};
    constexpr long long deals = 400'000;
    std::array<long long, 14> northHearts{};
    for (long long n = 0; n < deals; ++n) {
        dealer.dealTable(deal, deck);
        ++northHearts[suitLengths(deal[index(Seat::North)])[index(Suit::Hearts)]];
    }
    for (int k = 0; k <= 11; ++k) {
        const double p = odds::choose(11, k) * odds::choose(28, 13 - k) / odds::choose(39, 13);
        EXPECT_TRUE(odds::agrees(northHearts[static_cast<std::size_t>(k)], deals, p)) << k;
    }
    EXPECT_EQ(northHearts[12] + northHearts[13], 0);
}

}  // namespace
