#pragma once

// Deal counts from binomial coefficients, written apart from the
// counter: where the honours lie, rank by rank, and known cards typed as
// a PBN hand.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string_view>

#include "condition/hand_bounds.h"
#include "engine/cards.h"
#include "exact_odds.h"

namespace oracle {

using ondiscale::Range;

inline Range range(int min, int max) {
    return {static_cast<std::uint8_t>(min), static_cast<std::uint8_t>(max)};
}

inline double allDeals() {
    return odds::choose(52, 13) * odds::choose(39, 13) * odds::choose(26, 13);
}

// The share of deals where each hand (North, East, South, West) has its
// points within its range and North-South theirs within `northSouth`:
// how many aces, kings, queens and jacks each hand holds, the 36 other
// cards then filling the hands.
inline double pointsShare(const std::array<Range, 4>& hands, Range northSouth = {0, 40}) {
    std::array<std::array<int, 4>, 4> held{};  // [rank][seat], ace first
    double deals = 0;
    const std::function<void(std::size_t, double)> rank = [&](std::size_t r, double ways) {
        if (r == 4) {
            std::array<int, 4> honours{};
            std::array<int, 4> points{};
            for (std::size_t k = 0; k < 4; ++k) {
                for (std::size_t seat = 0; seat < 4; ++seat) {
                    honours[seat] += held[k][seat];
                    points[seat] += static_cast<int>(4 - k) * held[k][seat];
                }
            }
            double fill = 1;
            int left = 36;
            for (std::size_t seat = 0; seat < 4; ++seat) {
                if (honours[seat] > 13 ||
                    !hands[seat].contains(static_cast<unsigned>(points[seat]))) {
                    return;
                }
                fill *= odds::choose(left, 13 - honours[seat]);
                left -= 13 - honours[seat];
            }
            if (northSouth.contains(static_cast<unsigned>(points[0] + points[2]))) {
                deals += ways * fill;
            }
            return;
        }
        auto& h = held[r];
        for (h[0] = 0; h[0] <= 4; ++h[0]) {
            for (h[1] = 0; h[0] + h[1] <= 4; ++h[1]) {
                for (h[2] = 0; h[0] + h[1] + h[2] <= 4; ++h[2]) {
                    h[3] = 4 - h[0] - h[1] - h[2];
                    rank(r + 1, ways * odds::choose(4, h[0]) * odds::choose(4 - h[0], h[1]) *
                                    odds::choose(4 - h[0] - h[1], h[2]));
                }
            }
        }
    };
    rank(0, 1);
    return deals / allDeals();
}

// A hand as PBN writes it, "AK52.Q7.KJ84.A63": spades to clubs.
inline std::uint64_t cardsOf(std::string_view pbn) {
    constexpr std::string_view kRanks = "23456789TJQKA";
    std::uint64_t cards = 0;
    std::size_t suit = 0;
    for (const char c : pbn) {
        if (c == '.') {
            ++suit;
            continue;
        }
        const std::size_t rank = kRanks.find(c);
        if (rank == std::string_view::npos || suit > 3) {
            throw std::invalid_argument("not a PBN hand");
        }
        cards |= std::uint64_t{1} << ondiscale::cardOf(ondiscale::kSuits[suit],
                                                       static_cast<int>(rank) + 2);
    }
    return cards;
}

}  // namespace oracle
