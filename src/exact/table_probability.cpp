#include "exact/table_probability.h"

#include "exact/binomials.h"
#include "exact/deal_count.h"
#include "exact/deal_question.h"

namespace ondiscale {

std::optional<WideCount> exactDeals(const TableBounds& bounds) {
    return countDeals(questionOf(bounds), kQuickCount);
}

std::optional<double> exactProbability(const TableBounds& bounds) {
    const std::optional<WideCount> deals = exactDeals(bounds);
    if (!deals) {
        return std::nullopt;
    }
    return shareOf(*deals, kAllDeals);
}

}  // namespace ondiscale
