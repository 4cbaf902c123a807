#include <benchmark/benchmark.h>

#include "engine/dealer.h"
#include "formats/journal_file_v1.h"
#include "formats/session_file.h"
#include "journal_file_v1_text.h"

namespace {

using namespace ondiscale;

Figure figureOf(std::string name, std::int64_t batches, std::int64_t perBatch, double share) {
    Figure figure;
    figure.name = std::move(name);
    figure.exact = share;
    for (std::int64_t b = 1; b <= batches; ++b) {
        figure.hits = static_cast<std::int64_t>(share * static_cast<double>(b * perBatch));
        figure.history.add(b, b * perBatch, figure.hits);
    }
    return figure;
}

// A session as a user's afternoon leaves it, 30 runs: twelve frequency
// runs with their last five hands, eight surveys of seven lines, eight
// four-hand runs with their last 1,000 deals, two analyses of 100 deals.
std::vector<JournalEntry> afternoon() {
    Dealer dealer;
    std::vector<JournalEntry> entries;
    const auto deal = [&](Example example) {
        Deal dealt{};
        dealer.dealTable(dealt);
        for (Hand& hand : dealt) {
            sortHand(hand);
        }
        example.deal = example.wholeDeal ? dealt : Deal{};
        example.deal[index(Seat::South)] = dealt[index(Seat::South)];
        return example;
    };
    for (int n = 0; n < 12; ++n) {
        JournalEntry run;
        run.condition = "5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14";
        run.batches = 3;
        run.deals = 300'000;
        run.knownDeals = run.deals;
        run.figures = {figureOf("Main précisée", 3, 100'000, 0.0258)};
        for (int e = 0; e < 5; ++e) {
            run.examples.push_back(deal({"Main précisée"}));
        }
        entries.push_back(run);
    }
    for (int n = 0; n < 8; ++n) {
        JournalEntry run;
        run.kind = RunKind::Survey;
        run.condition = "4432, 5332, … et « 6421 »";
        run.batches = 2;
        run.deals = 20'000;
        run.knownDeals = run.deals;
        for (const char* line : {"4432", "5332", "5431", "5422", "4441", "6322", "6421"}) {
            run.figures.push_back(figureOf(line, 2, 10'000, 0.1));
            run.examples.push_back(deal({line}));
        }
        entries.push_back(run);
    }
    for (int n = 0; n < 10; ++n) {
        JournalEntry run;
        run.kind = n < 8 ? RunKind::Table : RunKind::Analysis;
        run.condition = "Nord-Sud : 25 ≤ points ≤ 40";
        run.batches = 2;
        run.deals = n < 8 ? 200'000 : 100;
        run.knownDeals = run.deals;
        run.figures = {figureOf("Donne précisée", 2, run.deals / 2, 0.3)};
        for (int e = 0; e < (n < 8 ? 1000 : 100); ++e) {
            Example example = deal({"Donne précisée", {}, true});
            if (n >= 8) {
                example.tricks.emplace();
                example.par = ParResult{420, "NS 4S"};
            }
            run.examples.push_back(example);
        }
        if (n >= 8) {
            run.analysis.emplace();
            run.analysis->figureTricks = {-1};
        }
        entries.push_back(run);
    }
    return entries;
}

void BM_ReadSessionOfThirtyRunsOldText(benchmark::State& state) {
    const std::string text = v1::journalFileText(afternoon());
    for (auto _ : state) {
        benchmark::DoNotOptimize(readJournalFileV1(text));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadSessionOfThirtyRunsOldText)->Unit(benchmark::kMillisecond);

void BM_ReadSessionOfThirtyRunsJson(benchmark::State& state) {
    const std::string text = sessionFileText(afternoon(), "2026-12-08T13:05:12Z");
    for (auto _ : state) {
        benchmark::DoNotOptimize(readSessionFile(text));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadSessionOfThirtyRunsJson)->Unit(benchmark::kMillisecond);

void BM_WriteSessionOfThirtyRunsJson(benchmark::State& state) {
    const std::vector<JournalEntry> entries = afternoon();
    for (auto _ : state) {
        benchmark::DoNotOptimize(sessionFileText(entries, "2026-12-08T13:05:12Z"));
    }
}
BENCHMARK(BM_WriteSessionOfThirtyRunsJson)->Unit(benchmark::kMillisecond);

}  // namespace
