#include "engine/dealer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bitset>

#include "engine/hand_measures.h"
#include "exact_odds.h"

using ondiscale::Dealer;
using ondiscale::MainSud;

namespace {

std::bitset<54> cardsOf(const MainSud& hand) {
    std::bitset<54> set;
    for (std::size_t i = 1; i <= 13; ++i) {
        set.set(hand[i]);
    }
    return set;
}

// Deals `deals` hands and checks each holds 13 distinct cards 2..53,
// that no hand repeats the one before it, and that each card number is
// in about a quarter of the hands.
void checkDeals(long long deals) {
    Dealer dealer;
    MainSud hand{};
    std::bitset<54> previous;
    std::array<long long, 54> holding{};
    std::array<long long, 54> first{};
    long long unsorted = 0;
    for (long long n = 0; n < deals; ++n) {
        hand.fill(0);
        dealer.TirageS(hand);
        ASSERT_EQ(hand[0], 0) << "position 0 is never written";
        const auto set = cardsOf(hand);
        ASSERT_EQ(set.count(), 13U) << "13 distinct cards";
        ASSERT_FALSE(set[0] || set[1]) << "0 and 1 are no cards";
        ASSERT_NE(set, previous) << "deal " << n << " repeats the deal before it";
        previous = set;
        for (std::size_t c = 2; c <= 53; ++c) {
            holding[c] += set[c] ? 1 : 0;
        }
        ++first[hand[1]];
        unsorted += std::is_sorted(hand.begin() + 1, hand.end()) ? 0 : 1;
    }
    for (std::size_t c = 2; c <= 53; ++c) {
        EXPECT_TRUE(odds::agrees(holding[c], deals, 0.25)) << "card " << c;
        EXPECT_TRUE(odds::agrees(first[c], deals, 1.0 / 52)) << "first card " << c;
    }
    EXPECT_GT(unsorted, deals * 99 / 100) << "cards stay in the order drawn";
}

TEST(Dealer, CreatesItsRandomSourceOnFirstDealWithTheCardRange) {
    Dealer dealer;
    EXPECT_FALSE(dealer.alea().has_value());
    MainSud hand{};
    dealer.TirageS(hand);
    ASSERT_TRUE(dealer.alea().has_value());
    EXPECT_EQ(dealer.alea()->Smallest, 2);
    EXPECT_EQ(dealer.alea()->Largest, 53);
}

TEST(Dealer, DealsThirteenDistinctCardsEachInAQuarterOfTheHands) { checkDeals(1'000'000); }

// Many deals fall within one tick of the clock; with the clock frozen
// to a single reading the deals must still differ and be as random.
TEST(Dealer, DealsWithinOneClockTickDifferAndStayRandom) {
    struct FrozenClock {
        FrozenClock() {
            ondiscale::generator::setClock(
                []() -> std::uint64_t { return 1'700'000'000'000'000'000ULL; });
        }
        ~FrozenClock() { ondiscale::generator::setClock(nullptr); }
    } frozen;
    checkDeals(400'000);
}

}  // namespace
