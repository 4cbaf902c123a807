#include "exact/point_table.h"

#include <algorithm>
#include <array>

#include "exact/suit_holdings.h"

namespace ondiscale {

// Suit by suit, the ways to hold so many cards with so many points; after
// the fourth suit, those of 13 cards (26 for a partnership) are the table.
PointTable pointTable(PointHolder holder) {
    const bool hand = holder == PointHolder::Hand;
    const int cards = hand ? 13 : 26;
    const int mostPoints = hand ? kHandPoints : kSidePoints;
    constexpr std::size_t kMostCards = 26;
    using Ways = std::array<std::array<Count, kSidePoints + 1>, kMostCards + 1>;

    Ways held{};
    held[0][0] = 1;
    for (int suit = 0; suit < 4; ++suit) {
        Ways next{};
        for (int c = 0; c <= cards; ++c) {
            for (int p = 0; p <= kSidePoints; ++p) {
                const Count before = held[slot(c)][slot(p)];
                if (before == 0) {
                    continue;
                }
                for (int n = 0; n <= std::min(kSuitLength, cards - c); ++n) {
                    for (int q = 0; q <= kSuitPoints && p + q <= kSidePoints; ++q) {
                        Count& after = next[slot(c + n)][slot(p + q)];
                        after = checkedMulAdd(after, before, kSuitHoldings[slot(n)][slot(q)]);
                    }
                }
            }
        }
        held = next;
    }

    PointTable table;
    table.holder = holder;
    table.hands = choose(52, cards);
    Count atLeast = table.hands;
    for (int p = 0; p <= mostPoints; ++p) {
        const Count hands = held[slot(cards)][slot(p)];
        table.rows.push_back(
            {p, hands, shareOf(hands, table.hands), shareOf(atLeast, table.hands)});
        atLeast -= hands;
    }
    return table;
}

PointBand pointBand(const PointTable& table, Range points) {
    PointBand band{points, 0, 0};
    for (const PointRow& row : table.rows) {
        if (points.contains(static_cast<unsigned>(row.points))) {
            band.hands = checkedAdd(band.hands, row.hands);
        }
    }
    band.probability = shareOf(band.hands, table.hands);
    return band;
}

}  // namespace ondiscale
