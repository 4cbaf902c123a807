#include "hand_measures.h"

#include <array>
#include <charconv>

namespace ondiscale {
namespace {

// Points of every byte value: the four honours of each suit s are the
// card numbers 13s + 11 (jack) to 13s + 14 (ace).
constexpr std::array<std::uint8_t, 256> kPoints = [] {
    std::array<std::uint8_t, 256> points{};
    for (std::size_t s = 0; s <= 3; ++s) {
        points[13 * s + 14] = 4;
        points[13 * s + 13] = 3;
        points[13 * s + 12] = 2;
        points[13 * s + 11] = 1;
    }
    return points;
}();

// For every byte value, one count in the byte of its suit, by the strict
// ranges of the card numbering: byte 0 spades, 1 hearts, 2 diamonds,
// 3 clubs; a number that is no card adds nothing. Thirteen additions of
// these words give the four lengths at once (none can pass 13), with no
// branch to mispredict on the random suits of a hand.
constexpr std::array<std::uint32_t, 256> kSuitCount = [] {
    std::array<std::uint32_t, 256> count{};
    for (int c = 0; c < 256; ++c) {
        std::uint32_t one = 0;
        if (1 < c && c < 15) {
            one = 1U << 24;
        } else if (14 < c && c < 28) {
            one = 1U << 16;
        } else if (27 < c && c < 41) {
            one = 1U << 8;
        } else if (40 < c && c < 54) {
            one = 1U;
        }
        count[static_cast<std::size_t>(c)] = one;
    }
    return count;
}();

// Writes n in decimal at `at` and returns the end of what it wrote.
char* writeDecimal(char* at, std::uint8_t n) {
    if (n < 10) {
        *at = static_cast<char>('0' + n);
        return at + 1;
    }
    return std::to_chars(at, at + 3, n).ptr;
}

}  // namespace

void Longueurs(const MainSud& hand, std::uint8_t& spades, std::uint8_t& hearts,
               std::uint8_t& diamonds, std::uint8_t& clubs) {
    std::uint32_t counts = 0;
    for (std::size_t i = 1; i <= 13; ++i) {
        counts += kSuitCount[hand[i]];
    }
    spades = static_cast<std::uint8_t>(counts);
    hearts = static_cast<std::uint8_t>(counts >> 8);
    diamonds = static_cast<std::uint8_t>(counts >> 16);
    clubs = static_cast<std::uint8_t>(counts >> 24);
}

std::uint8_t PointsH(const MainSud& hand) {
    unsigned sum = 0;
    for (std::size_t i = 1; i <= 13; ++i) {
        sum += kPoints[hand[i]];
    }
    return static_cast<std::uint8_t>(sum);  // at most 13 x 4
}

// Longest first, the larger middle length, the smaller, the shortest.
// On a tie the positions chosen never change the text, so the four
// compare-exchanges of Max2 and Min2 below give, for every four lengths,
// the text of picking the longest and shortest positions and then the
// middle ones; branch-free, where position picking mispredicts on
// random hands.
std::string Forme(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    const std::uint8_t hi1 = Max2(a, b);
    const std::uint8_t lo1 = Min2(a, b);
    const std::uint8_t hi2 = Max2(c, d);
    const std::uint8_t lo2 = Min2(c, d);
    const std::uint8_t longest = Max2(hi1, hi2);
    const std::uint8_t shortest = Min2(lo1, lo2);
    const std::uint8_t middle1 = Min2(hi1, hi2);
    const std::uint8_t middle2 = Max2(lo1, lo2);

    std::array<char, 12> text{};
    char* end = writeDecimal(text.data(), longest);
    end = writeDecimal(end, Max2(middle1, middle2));
    end = writeDecimal(end, Min2(middle1, middle2));
    end = writeDecimal(end, shortest);
    return {text.data(), end};
}

std::uint8_t Max2(std::uint8_t a, std::uint8_t b) { return b > a ? b : a; }
std::uint8_t Min2(std::uint8_t a, std::uint8_t b) { return a > b ? b : a; }
std::uint8_t Max4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    return Max2(Max2(Max2(a, b), c), d);
}
std::uint8_t Min3(std::uint8_t a, std::uint8_t b, std::uint8_t c) { return Min2(Min2(a, b), c); }
std::uint8_t Min4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    return Min2(Min3(a, b, c), d);
}

}  // namespace ondiscale
