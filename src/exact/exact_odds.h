#pragma once

#include <optional>
#include <string>

#include "condition/condition.h"
#include "exact/checked_count.h"
#include "exact/deal_count.h"

namespace ondiscale {

// The exact answer to a question: among the deals that meet what is
// known, the share that also meets what is asked. With nothing known it
// is the share of all deals.
struct ExactOdds {
    std::optional<double> probability;  // bothDeals / knownDeals, 0 to 1
    WideCount knownDeals = 0;           // out of kAllDeals
    WideCount bothDeals = 0;            // known and asked
    std::string whyNot;                 // in French, when there is no probability
};

// Each part's alternatives are met by inclusion and exclusion: the deals
// of several alternatives at once are those of one question (their
// ranges' common part, the shapes both allow, their cards together).
// Nothing (and a reason) when a count cannot be made within `mostWork`
// steps in all (deal_count.h), or when no deal meets what is known: the
// share then does not exist.
ExactOdds exactOdds(const Condition& condition, double mostWork = kLongCount);

// The deals that meet any alternative of the part; nothing when they
// cannot be counted.
std::optional<WideCount> exactDeals(const ConditionPart& part);

}  // namespace ondiscale
