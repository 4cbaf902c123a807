#include "simulation/table_run.h"

#include <algorithm>

#include "text/text_fill.h"
#include "exact/table_probability.h"
#include "stats/margins.h"
#include "text/readable_numbers.h"
#include "condition/condition_text.h"
#include "condition/table_texts.h"

namespace ondiscale {

namespace texts = table_texts;

std::vector<Deal> KeptDeals::newest(std::size_t most) const {
    std::vector<Deal> deals;
    std::size_t slot = next_;
    for (std::size_t n = 0; n < std::min(most, kept_); ++n) {
        slot = slot == 0 ? ring_.size() - 1 : slot - 1;
        deals.push_back(ring_[slot]);
    }
    return deals;
}

std::int32_t dealTableBatch(Dealer& dealer, const TableCheck& check, Progress& progress,
                            KeptDeals& kept) {
    std::int32_t hits = 0;
    int shown = 0;  // the caller shows the bar at 0
    for (std::int32_t i = 1; i <= kTableBatch; ++i) {
        const int value = i < kTableBatch ? i / 1000 : 0;
        if (value != shown) {
            progress.setProgressValue(value);
            shown = value;
        }
        Deal& deal = kept.next();
        dealer.dealTable(deal);
        const unsigned hit = check.meets(measureTable(deal)) ? 1U : 0U;
        hits += static_cast<std::int32_t>(hit);
        kept.keep(hit);
    }
    return hits;
}

Report tableReport(std::int64_t hits, std::int64_t deals, std::string_view decimalSeparator,
                   std::string_view groupSeparator) {
    const Interval band = wilson95(hits, deals);
    const int decimals = decimalsFor(100 * (band.high - band.low) / 2);
    const double percent = 100.0 * static_cast<double>(hits) / static_cast<double>(deals);
    return {
        fill(texts::kReport, {groupedText(hits, groupSeparator), groupedText(deals, groupSeparator),
                              fixedText(percent, decimals, decimalSeparator)}),
        fill(texts::kReportTitle, {groupedText(deals, groupSeparator)})};
}

TableRun::TableRun(const TableBounds& bounds, Dealer& dealer, Progress& progress)
    : check_(bounds), dealer_(dealer), progress_(progress) {
    plan_.kind = RunKind::Table;
    plan_.condition = tableBoundsText(bounds);
    plan_.batchSize = kTableBatch;
    plan_.figures.push_back({texts::kFigure, exactProbability(bounds), {}});
}

void TableRun::dealBatch(Tally& tally) {
    progress_.setProgressVisible(true);
    progress_.setProgressValue(0);
    tally.hits.front() += dealTableBatch(dealer_, check_, progress_, kept_);
}

Report TableRun::report(const Tally& tally, const NumberStyle& style) const {
    return tableReport(tally.hits.front(), tally.deals, style.decimal, style.group);
}

std::vector<Example> TableRun::examples(const Tally& /*tally*/) const {
    std::vector<Example> out;
    for (const Deal& deal : kept_.newest(kForTheJournal)) {
        out.push_back({texts::kFigure, deal, true});
    }
    return out;
}

}  // namespace ondiscale
