#pragma once

#include <array>
#include <initializer_list>

#include "exact/checked_count.h"

namespace ondiscale {

inline constexpr int kDeckCards = 52;

// C(n, k) for n up to 52, by Pascal's triangle; C(52, 26) is the largest.
inline constexpr auto kBinomials = [] {
    std::array<std::array<Count, kDeckCards + 1>, kDeckCards + 1> c{};
    for (std::size_t n = 0; n < c.size(); ++n) {
        c[n][0] = 1;
        for (std::size_t k = 1; k <= n; ++k) {
            c[n][k] = checkedAdd(c[n - 1][k - 1], c[n - 1][k]);
        }
    }
    return c;
}();

// C(n, k), 0 when k lies outside 0..n.
constexpr Count choose(int n, int k) {
    if (n < 0 || n > kDeckCards || k < 0 || k > n) {
        return 0;
    }
    return kBinomials[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// The ways to deal sum(parts) cards into piles of those sizes, as a
// product of binomials.
constexpr Count multinomial(std::initializer_list<int> parts) {
    int left = 0;
    for (const int part : parts) {
        left += part;
    }
    Count ways = 1;
    for (const int part : parts) {
        ways = checkedMul(ways, choose(left, part));
        left -= part;
    }
    return ways;
}

// The hands a seat or a partnership can hold, and the deals of the table.
inline constexpr Count kHandCount = choose(52, 13);
inline constexpr Count kPartnerHandCount = choose(39, 13);   // once one hand is known
inline constexpr Count kPartnershipCount = choose(52, 26);   // 26 cards of the 52
inline constexpr Count kLastTwoHandsCount = choose(26, 13);  // 26 cards into two hands
inline constexpr WideCount kAllDeals =
    checkedMul<WideCount>(checkedMul<WideCount>(kHandCount, kPartnerHandCount), kLastTwoHandsCount);

}  // namespace ondiscale
