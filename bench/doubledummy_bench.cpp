// The double-dummy solver: tables a second through libdds directly and
// through the program's library, on the same deals and in groups of the
// same size; then a thousand deals through the library, with the longest
// wait between two progress reports.
#include <benchmark/benchmark.h>
#include <dds/dll.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "doubledummy/dds_conversions.h"
#include "doubledummy/solver.h"
#include "engine/dealer.h"
#include "formats/pbn.h"

namespace {

using namespace ondiscale;

std::uint64_t countingClock() {
    static std::uint64_t reading = 0;
    return ++reading;
}

std::vector<Deal> randomDeals(std::size_t count) {
    Dealer dealer(Generator::seeded(4242), countingClock);
    std::vector<Deal> deals(count);
    for (Deal& deal : deals) {
        dealer.dealTable(deal);
    }
    return deals;
}

std::string dealText(const Deal& deal) {
    const std::string file = pbnText({PbnGame{deal, true}}, "", "");
    const auto at = file.find("[Deal \"") + 7;
    return file.substr(at, file.find('"', at) - at);
}

constexpr std::size_t kDeals = 48;

// The size of the library's groups: its first progress report, the
// solve stopped there.
std::size_t librarysGroup(const std::vector<Deal>& deals) {
    std::size_t group = 0;
    std::stop_source stop;
    solveDeals(deals, stop.get_token(), [&](std::size_t done, std::size_t) {
        group = done;
        stop.request_stop();
    });
    return group;
}

// CalcAllTablesPBN on the PBN texts, in groups as large as the library's.
void BM_CalcAllTablesPbnDirect(benchmark::State& state) {
    const std::vector<Deal> deals = randomDeals(kDeals);
    std::vector<std::string> texts;
    texts.reserve(deals.size());
    for (const Deal& deal : deals) {
        texts.push_back(dealText(deal));
    }
    const std::size_t group = librarysGroup(deals);
    const auto in = std::make_unique<ddTableDealsPBN>();
    const auto out = std::make_unique<ddTablesRes>();
    const auto par = std::make_unique<allParResults>();
    int strains[DDS_STRAINS] = {0, 0, 0, 0, 0};
    for (auto _ : state) {
        for (std::size_t first = 0; first < texts.size(); first += group) {
            const std::size_t count = std::min(group, texts.size() - first);
            in->noOfTables = static_cast<int>(count);
            for (std::size_t i = 0; i < count; ++i) {
                std::strncpy(in->deals[i].cards, texts[first + i].c_str(),
                             sizeof in->deals[i].cards - 1);
            }
            if (CalcAllTablesPBN(in.get(), -1, strains, out.get(), par.get()) != RETURN_NO_FAULT) {
                state.SkipWithError("CalcAllTablesPBN failed");
                return;
            }
            benchmark::DoNotOptimize(out->results[0].resTable[0][0]);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kDeals));
    state.counters["group"] = static_cast<double>(group);
}
BENCHMARK(BM_CalcAllTablesPbnDirect)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The same deals through solveDeals.
void BM_SolveDeals(benchmark::State& state) {
    const std::vector<Deal> deals = randomDeals(kDeals);
    for (auto _ : state) {
        const SolvedDeals solved = solveDeals(deals);
        if (solved.error) {
            state.SkipWithError(solved.error->message.c_str());
            return;
        }
        benchmark::DoNotOptimize(solved.tables.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kDeals));
}
BENCHMARK(BM_SolveDeals)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The two side by side under the same load: each group of deals solved
// directly and through the library one after the other, which one first
// taking turns (libdds may reuse what it learnt on the same deal), the
// times added up apart. library_over_direct is the ratio of the sums.
void BM_PairedDirectAndLibrary(benchmark::State& state) {
    const std::vector<Deal> deals = randomDeals(kDeals);
    std::vector<std::string> texts;
    texts.reserve(deals.size());
    for (const Deal& deal : deals) {
        texts.push_back(dealText(deal));
    }
    const std::size_t group = librarysGroup(deals);
    const auto in = std::make_unique<ddTableDealsPBN>();
    const auto out = std::make_unique<ddTablesRes>();
    const auto par = std::make_unique<allParResults>();
    int strains[DDS_STRAINS] = {0, 0, 0, 0, 0};
    using Clock = std::chrono::steady_clock;
    double direct = 0;
    double library = 0;
    bool directFirst = true;
    for (auto _ : state) {
        for (std::size_t first = 0; first < deals.size(); first += group) {
            const std::size_t count = std::min(group, deals.size() - first);
            const auto solveDirect = [&] {
                const auto start = Clock::now();
                in->noOfTables = static_cast<int>(count);
                for (std::size_t i = 0; i < count; ++i) {
                    std::strncpy(in->deals[i].cards, texts[first + i].c_str(),
                                 sizeof in->deals[i].cards - 1);
                }
                CalcAllTablesPBN(in.get(), -1, strains, out.get(), par.get());
                direct += std::chrono::duration<double>(Clock::now() - start).count();
            };
            const auto solveLibrary = [&] {
                const auto start = Clock::now();
                benchmark::DoNotOptimize(solveDeals(std::span(deals).subspan(first, count)));
                library += std::chrono::duration<double>(Clock::now() - start).count();
            };
            if (directFirst) {
                solveDirect();
                solveLibrary();
            } else {
                solveLibrary();
                solveDirect();
            }
            directFirst = !directFirst;
        }
    }
    state.counters["direct_tables_per_s"] = static_cast<double>(deals.size()) / direct;
    state.counters["library_tables_per_s"] = static_cast<double>(deals.size()) / library;
    state.counters["library_over_direct"] = library / direct;
}
BENCHMARK(BM_PairedDirectAndLibrary)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->UseRealTime();

// What the library adds to a solve besides its check of the cards: a deal
// turned into libdds's holdings and a result into a trick table.
void BM_LibraryConversions(benchmark::State& state) {
    const std::vector<Deal> deals = randomDeals(1000);
    ddTableResults results{};
    for (auto _ : state) {
        for (const Deal& deal : deals) {
            const ddTableDeal holdings = dds::tableDeal(deal);
            results.resTable[0][0] = static_cast<int>(holdings.cards[0][0] & 13U);
            benchmark::DoNotOptimize(dds::trickTable(results));
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_LibraryConversions);

// A thousand deals through solveDeals, and the waits between progress
// reports (the first counted from the call): the longest and the median.
void BM_SolveThousandDeals(benchmark::State& state) {
    const std::vector<Deal> deals = randomDeals(1000);
    std::vector<double> gaps;
    for (auto _ : state) {
        auto last = std::chrono::steady_clock::now();
        const SolvedDeals solved = solveDeals(deals, {}, [&](std::size_t, std::size_t) {
            const auto now = std::chrono::steady_clock::now();
            gaps.push_back(std::chrono::duration<double>(now - last).count());
            last = now;
        });
        benchmark::DoNotOptimize(solved.tables.data());
    }
    std::sort(gaps.begin(), gaps.end());
    state.counters["longest_gap_s"] = gaps.empty() ? 0 : gaps.back();
    state.counters["median_gap_s"] = gaps.empty() ? 0 : gaps[gaps.size() / 2];
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_SolveThousandDeals)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace
