#include "doubledummy/solver.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <memory>
#include <mutex>

#include "doubledummy/dds_conversions.h"

namespace ondiscale {
namespace {

// The most tables one CalcAllTables call takes with all five strains.
constexpr std::size_t kMostAtOnce = MAXNOOFBOARDS / DDS_STRAINS;
static_assert(kMostAtOnce <= MAXNOOFTABLES);

// A random deal's table takes a core about a fifth of a second: two deals
// a thread keep every thread busy (each deal is five strains to share out)
// and bring the tables back about every half second.
std::size_t groupSize() {
    DDSInfo info{};
    GetDDSInfo(&info);
    return std::clamp<std::size_t>(2 * static_cast<std::size_t>(std::max(info.noOfThreads, 1)), 2,
                                   kMostAtOnce);
}

bool isWholeDeal(const Deal& deal) {
    std::bitset<64> seen;
    for (const Hand& hand : deal) {
        for (const Card card : hand) {
            if (card < kLowestCard || card > kHighestCard || seen[card]) {
                return false;
            }
            seen.set(card);
        }
    }
    return true;
}

// libdds keeps its threads and their memory for the whole process: one
// solve at a time, and its threads set up before the first.
std::mutex& solverMutex() {
    static std::mutex mutex;
    return mutex;
}

// libdds's structures for one call, a few tens of kilobytes: on the heap.
struct Buffers {
    ddTableDeals deals{};
    ddTablesRes results{};
    allParResults par{};
};

}  // namespace

// The token by value, as std::jthread hands it to its function.
SolvedDeals solveDeals(std::span<const Deal> deals,
                       std::stop_token stop,  // NOLINT(performance-unnecessary-value-param)
                       const SolveProgress& progress) {
    SolvedDeals solved;
    for (std::size_t d = 0; d < deals.size(); ++d) {
        if (!isWholeDeal(deals[d])) {
            solved.error = DoubleDummyError{
                0, "La donne n° " + std::to_string(d + 1) +
                       " n'est pas faite de 52 cartes distinctes : aucune donne n'a été résolue."};
            return solved;
        }
    }
    const std::scoped_lock lock(solverMutex());
    static const std::size_t group = [] {
        SetMaxThreads(0);
        return groupSize();
    }();

    solved.tables.reserve(deals.size());
    const auto buffers = std::make_unique<Buffers>();
    std::array<int, DDS_STRAINS> allStrains{};  // 0: solve that strain
    for (std::size_t first = 0; first < deals.size(); first += group) {
        if (stop.stop_requested()) {
            break;
        }
        const std::size_t count = std::min(group, deals.size() - first);
        buffers->deals.noOfTables = static_cast<int>(count);
        for (std::size_t i = 0; i < count; ++i) {
            buffers->deals.deals[i] = dds::tableDeal(deals[first + i]);
        }
        // Mode -1: no par, which needs the dealer and is asked of parOf.
        const int code =
            CalcAllTables(&buffers->deals, -1, allStrains.data(), &buffers->results, &buffers->par);
        if (code != RETURN_NO_FAULT) {
            solved.error = DoubleDummyError{code, dds::errorText(code)};
            break;
        }
        for (std::size_t i = 0; i < count; ++i) {
            solved.tables.push_back(dds::trickTable(buffers->results.results[i]));
        }
        if (progress) {
            progress(solved.tables.size(), deals.size());
        }
    }
    return solved;
}

}  // namespace ondiscale
