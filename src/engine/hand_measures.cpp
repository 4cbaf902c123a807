#include "engine/hand_measures.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace ondiscale {
namespace {

// Points of every byte value.
constexpr std::array<std::uint8_t, 256> kPoints = [] {
    std::array<std::uint8_t, 256> points{};
    for (const Suit suit : kSuits) {
        points[cardOf(suit, kAce)] = 4;
        points[cardOf(suit, kKing)] = 3;
        points[cardOf(suit, kQueen)] = 2;
        points[cardOf(suit, kJack)] = 1;
    }
    return points;
}();

// For every byte value, one count in the byte of its suit (byte 0 spades,
// 1 hearts, 2 diamonds, 3 clubs); a byte that is no card adds nothing.
// Thirteen additions of these words give the four lengths at once (none
// can pass 13), with no branch to mispredict on the random suits of a hand.
constexpr std::array<std::uint32_t, 256> kSuitCount = [] {
    std::array<std::uint32_t, 256> count{};
    for (unsigned c = kLowestCard; c <= kHighestCard; ++c) {
        count[c] = 1U << (8 * index(suitOf(static_cast<Card>(c))));
    }
    return count;
}();

}  // namespace

SuitLengths suitLengths(const Hand& hand) {
    std::uint32_t counts = 0;
    for (const Card card : hand) {
        counts += kSuitCount[card];
    }
    return {static_cast<std::uint8_t>(counts), static_cast<std::uint8_t>(counts >> 8),
            static_cast<std::uint8_t>(counts >> 16), static_cast<std::uint8_t>(counts >> 24)};
}

std::uint8_t highCardPoints(const Hand& hand) {
    unsigned sum = 0;
    for (const Card card : hand) {
        sum += kPoints[card];
    }
    return static_cast<std::uint8_t>(sum);  // at most 13 x 4
}

// Four compare-exchanges sort the lengths without a branch, where picking
// positions mispredicts on random hands.
std::string shapeText(const SuitLengths& lengths) {
    const auto [a, b, c, d] = lengths;
    const std::uint8_t hi1 = std::max(a, b);
    const std::uint8_t lo1 = std::min(a, b);
    const std::uint8_t hi2 = std::max(c, d);
    const std::uint8_t lo2 = std::min(c, d);
    const std::uint8_t middle1 = std::min(hi1, hi2);
    const std::uint8_t middle2 = std::max(lo1, lo2);
    const std::array<std::uint8_t, 4> sorted{std::max(hi1, hi2), std::max(middle1, middle2),
                                             std::min(middle1, middle2), std::min(lo1, lo2)};
    std::array<char, 12> text{};
    char* end = text.data();
    for (const std::uint8_t n : sorted) {
        if (n < 10) {
            *end++ = static_cast<char>('0' + n);
        } else {
            end = std::to_chars(end, end + 3, n).ptr;
        }
    }
    return {text.data(), end};
}

}  // namespace ondiscale
