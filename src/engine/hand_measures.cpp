#include "hand_measures.h"

#include <array>
#include <charconv>

namespace ondiscale {
namespace {

// Points of every byte value: the four honours of each suit s are the
// card numbers 13s + 11 (jack) to 13s + 14 (ace).
constexpr std::array<std::uint8_t, 256> kPoints = [] {
    std::array<std::uint8_t, 256> points{};
    for (int s = 0; s <= 3; ++s) {
        points[static_cast<std::size_t>(13 * s + 14)] = 4;
        points[static_cast<std::size_t>(13 * s + 13)] = 3;
        points[static_cast<std::size_t>(13 * s + 12)] = 2;
        points[static_cast<std::size_t>(13 * s + 11)] = 1;
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

void appendDecimal(std::string& out, std::uint8_t n) {
    std::array<char, 4> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), n);
    out.append(buf.data(), res.ptr);
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

std::string Forme(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    const std::array<std::uint8_t, 5> len{0, a, b, c, d};
    const std::uint8_t most = Max4(a, b, c, d);
    const std::uint8_t least = Min4(a, b, c, d);

    std::size_t longest = 0;
    std::size_t shortest = 0;
    for (std::size_t i = 1; i <= 4; ++i) {
        if (len[i] == most) {
            longest = i;
        } else if (len[i] == least) {
            shortest = i;
        }
    }
    if (shortest == 0) {
        shortest = 1;  // four equal lengths: any other position will do
    }

    std::size_t middle1 = 0;
    std::size_t middle2 = 0;
    for (std::size_t i = 1; i <= 4; ++i) {
        if (i != longest && i != shortest) {
            middle1 = i;
        }
    }
    for (std::size_t i = 1; i <= 4; ++i) {
        if (i != longest && i != shortest && i != middle1) {
            middle2 = i;
        }
    }

    std::string text;
    appendDecimal(text, len[longest]);
    appendDecimal(text, Max2(len[middle1], len[middle2]));
    appendDecimal(text, Min2(len[middle1], len[middle2]));
    appendDecimal(text, len[shortest]);
    return text;
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
