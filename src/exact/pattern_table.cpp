#include "exact/pattern_table.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "exact/binomials.h"

namespace ondiscale {

PatternGroup patternGroup(std::string_view pattern) {
    const auto listed = [pattern](const auto& list) {
        return std::find(list.begin(), list.end(), pattern) != list.end();
    };
    if (listed(kBalancedPatterns)) {
        return PatternGroup::Balanced;
    }
    if (listed(kSemiBalancedPatterns)) {
        return PatternGroup::SemiBalanced;
    }
    return PatternGroup::Unbalanced;
}

// Every split of 13 cards among the four suits, gathered by its lengths
// sorted longest first.
std::vector<PatternRow> patternTable() {
    using Lengths = std::array<std::uint8_t, 4>;
    std::map<Lengths, Count> hands;
    for (int s = 0; s <= 13; ++s) {
        for (int h = 0; s + h <= 13; ++h) {
            for (int d = 0; s + h + d <= 13; ++d) {
                const int c = 13 - s - h - d;
                Lengths lengths{static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(h),
                                static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(c)};
                std::sort(lengths.begin(), lengths.end(), std::greater<>());
                const Count ways = checkedMul(checkedMul(choose(13, s), choose(13, h)),
                                              checkedMul(choose(13, d), choose(13, c)));
                hands[lengths] = checkedAdd(hands[lengths], ways);
            }
        }
    }

    std::vector<PatternRow> rows;
    for (const auto& [lengths, count] : hands) {
        PatternRow row;
        row.lengths = lengths;
        for (const std::uint8_t length : lengths) {
            row.text += std::to_string(length);
        }
        row.hands = count;
        row.probability = shareOf(count, kHandCount);
        row.group = patternGroup(row.text);
        rows.push_back(row);
    }
    // 7510 and 8320 are equally likely: the one with the shorter longest
    // suit comes first, so that the order never depends on the sort.
    std::sort(rows.begin(), rows.end(), [](const PatternRow& a, const PatternRow& b) {
        return a.hands != b.hands ? a.hands > b.hands : a.lengths < b.lengths;
    });
    Count upTo = 0;
    for (PatternRow& row : rows) {
        upTo = checkedAdd(upTo, row.hands);
        row.cumulative = shareOf(upTo, kHandCount);
    }
    return rows;
}

}  // namespace ondiscale
