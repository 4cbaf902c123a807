#include "exact/fit_table.h"

#include <algorithm>

#include "exact/binomials.h"

namespace ondiscale {

FitTable fitTable(std::uint8_t held) {
    FitTable table;
    table.held = std::min<int>(held, 13);
    table.hands = kPartnerHandCount;
    const int outstanding = 13 - table.held;  // of the suit, among the 39 other cards
    const int others = 39 - outstanding;

    Count atLeast = table.hands;
    for (int partner = 0; partner <= outstanding; ++partner) {
        const Count hands = checkedMul(choose(outstanding, partner), choose(others, 13 - partner));
        table.rows.push_back({partner, table.held + partner, hands, shareOf(hands, table.hands),
                              shareOf(atLeast, table.hands)});
        atLeast -= hands;
    }
    constexpr std::array<int, 3> kFits{8, 9, 10};
    for (std::size_t g = 0; g < kFits.size(); ++g) {
        FitGoal& goal = table.goals[g];
        goal.together = kFits[g];
        for (const FitRow& row : table.rows) {
            if (row.together >= goal.together) {
                goal.hands = checkedAdd(goal.hands, row.hands);
            }
        }
        goal.probability = shareOf(goal.hands, table.hands);
    }
    return table;
}

}  // namespace ondiscale
