#include "simulation/table_run.h"

#include "condition/condition_text.h"
#include "condition/table_texts.h"
#include "exact/exact_texts.h"
#include "stats/margins.h"
#include "text/readable_numbers.h"
#include "text/text_fill.h"

namespace ondiscale {

namespace texts = table_texts;

BatchCount dealTableBatch(Dealer& dealer, const PlacedCards* placed, const QuestionMatcher& matcher,
                          Progress& progress, KeptDeals& kept) {
    if (placed != nullptr) {
        return dealBatch(kept, progress, [&](Deal& deal) {
            dealer.dealTable(deal, *placed);
            return matcher.test(deal);
        });
    }
    return dealBatch(kept, progress, [&](Deal& deal) {
        dealer.dealTable(deal);
        return matcher.test(deal);
    });
}

ExactOdds quickOdds(const Condition& condition) { return exactOdds(condition, kQuickCount); }

bool countsLonger(const ExactOdds& odds) {
    return !odds.probability && odds.whyNot == exact_texts::kTooLong;
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

Report knownReport(std::string_view question, std::int64_t hits, std::int64_t known,
                   std::int64_t deals, std::optional<double> exact,
                   std::string_view decimalSeparator, std::string_view groupSeparator) {
    const Interval band = wilson95(hits, known);
    const int decimals = decimalsFor(100 * (band.high - band.low) / 2);
    const std::string estimate =
        known > 0 ? fixedText(percentOf(hits, known), decimals, decimalSeparator) + texts::kPercent
                  : texts::kNoValue;
    // The exact value one decimal further than the estimate: it is known
    // to that precision, the estimate is not.
    const std::string exactText =
        exact ? fixedText(100 * *exact, decimals + 1, decimalSeparator) + texts::kPercent
              : texts::kNoValue;
    return {fill(texts::kKnownReport, {std::string(question), estimate, exactText}) + kCrLf +
                fill(texts::kKnownDeals,
                     {groupedText(known, groupSeparator), groupedText(deals, groupSeparator),
                      groupedText(hits, groupSeparator)}),
            fill(texts::kReportTitle, {groupedText(deals, groupSeparator)})};
}

TableRun::TableRun(const Condition& condition, Dealer& dealer, Progress& progress,
                   std::optional<ExactOdds> odds)
    : matcher_(condition, placedCards(condition.known)),
      knows_(!asksNothing(condition.known)),
      dealer_(dealer),
      progress_(progress) {
    const std::array<CardSet, 4> placed = placedCards(condition.known);
    if (placed != std::array<CardSet, 4>{}) {
        placed_.emplace(placed);
    }
    plan_.kind = RunKind::Table;
    plan_.condition = conditionText(condition);
    plan_.batchSize = kTableBatch;
    plan_.figures.push_back({texts::kFigure, {}, {}});
    exactFound(odds ? *odds : quickOdds(condition));
    plan_.question = condition;
}

void TableRun::exactFound(const ExactOdds& odds) {
    FigurePlan& figure = plan_.figures.front();
    figure.exact = odds.probability;
    figure.note = odds.probability ? std::string() : odds.whyNot;
}

void TableRun::dealBatch(Tally& tally) {
    progress_.setProgressVisible(true);
    progress_.setProgressValue(0);
    const BatchCount count =
        dealTableBatch(dealer_, placed_ ? &*placed_ : nullptr, matcher_, progress_, kept_);
    tally.knownDeals += count.known;
    tally.hits.front() += count.hits;
}

Report TableRun::report(const Tally& tally, const NumberStyle& style) const {
    if (!knows_) {
        return tableReport(tally.hits.front(), tally.deals, style.decimal, style.group);
    }
    return knownReport(plan_.condition, tally.hits.front(), tally.knownDeals, tally.deals,
                       plan_.figures.front().exact, style.decimal, style.group);
}

std::vector<Example> TableRun::examples(const Tally& /*tally*/) const {
    std::vector<Example> out;
    for (const Deal& deal : kept_.newest(kForTheJournal)) {
        out.push_back({texts::kFigure, deal, true});
    }
    return out;
}

}  // namespace ondiscale
