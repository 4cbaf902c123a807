#include "exact/suit_length_tables.h"

#include <algorithm>
#include <array>

#include "exact/binomials.h"

namespace ondiscale {
namespace {

// Every split of 13 cards among the four suits, counted under the length
// `measure` picks out of it.
template <typename Measure>
std::vector<SuitLengthRow> lengthTable(int first, int last, Measure measure) {
    std::array<Count, 14> hands{};
    for (int s = 0; s <= 13; ++s) {
        for (int h = 0; s + h <= 13; ++h) {
            for (int d = 0; s + h + d <= 13; ++d) {
                const int c = 13 - s - h - d;
                const std::array<int, 4> lengths{s, h, d, c};
                Count& count = hands[slot(measure(lengths))];
                count = checkedAdd(count, checkedMul(checkedMul(choose(13, s), choose(13, h)),
                                                     checkedMul(choose(13, d), choose(13, c))));
            }
        }
    }
    std::vector<SuitLengthRow> rows;
    for (int length = first; length <= last; ++length) {
        const Count count = hands[slot(length)];
        rows.push_back({length, count, shareOf(count, kHandCount)});
    }
    return rows;
}

}  // namespace

std::vector<SuitLengthRow> longestSuitTable() {
    return lengthTable(4, 13, [](const std::array<int, 4>& lengths) {
        return *std::max_element(lengths.begin(), lengths.end());
    });
}

std::vector<SuitLengthRow> shortestSuitTable() {
    return lengthTable(0, 3, [](const std::array<int, 4>& lengths) {
        return *std::min_element(lengths.begin(), lengths.end());
    });
}

}  // namespace ondiscale
