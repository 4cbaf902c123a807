#pragma once

// Hands and deals written as bridge players write them, suit by suit from
// spades to clubs, ranks "AKQJT98765432": handOf("AKQ", "JT9", "", "8765432").

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "engine/cards.h"

namespace hands {

inline int rankOfLetter(char letter) {
    constexpr std::string_view kLetters = "23456789TJQKA";
    const auto at = kLetters.find(letter);
    EXPECT_NE(at, std::string_view::npos) << "no rank " << letter;
    return static_cast<int>(at) + 2;
}

// The cards of the four suits, in that order; the test fails unless they are 13.
inline ondiscale::Hand handOf(std::string_view spades, std::string_view hearts,
                              std::string_view diamonds, std::string_view clubs) {
    ondiscale::Hand hand{};
    std::size_t n = 0;
    const std::array<std::string_view, 4> suits{spades, hearts, diamonds, clubs};
    for (const ondiscale::Suit suit : ondiscale::kSuits) {
        for (const char letter : suits[ondiscale::index(suit)]) {
            if (n < hand.size()) {
                hand[n] = ondiscale::cardOf(suit, rankOfLetter(letter));
            }
            ++n;
        }
    }
    EXPECT_EQ(n, 13U) << spades << '.' << hearts << '.' << diamonds << '.' << clubs;
    return hand;
}

}  // namespace hands
