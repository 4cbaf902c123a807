#include "exact/deal_count.h"

#include <algorithm>

#include "exact/count_plan.h"
#include "exact/counter.h"

namespace ondiscale {
namespace counting {

// The suits read make the two halves (the first two and the last two,
// the unread honours with the second), each suit in the cheaper of its
// two forms; where hands that read no length have points followed beside
// hands that read some, the pooled count is tried first if cheaper.
std::optional<WideCount> Counter::count() {
    std::vector<std::size_t> read;
    for (std::size_t s = 0; s < kSuits.size(); ++s) {
        if (plan_.read[s]) {
            read.push_back(s);
        }
    }
    std::vector<Piece> unread = unreadPieces();
    // Each read suit in both forms; each half takes the cheaper product.
    std::vector<std::array<std::vector<Piece>, 2>> suits;
    for (const std::size_t s : read) {
        std::vector<Piece> byHonours = piecesByHonours(s);
        suits.push_back({std::move(byHonours), piecesByLengths(s)});
    }
    if (read.size() == 3) {
        mergeAlike(unread);
    }
    const Layout& first = firstLayout_;
    const Layout& second = secondLayout_;
    // The cheaper form of each suit of a half; `with` is the half's other
    // part when it has one form only (the unread honours).
    using Options = std::array<std::vector<Piece>, 2>;
    double work = 0;
    const auto cheapest = [&work](const Options& a, const Options* b,
                                  const std::vector<Piece>* with, const Layout& layout) {
        double best = -1;
        std::pair<const std::vector<Piece>*, const std::vector<Piece>*> choice{};
        for (const auto& x : a) {
            for (std::size_t j = 0; j < (b != nullptr ? 2U : 1U); ++j) {
                const std::vector<Piece>* y = b != nullptr ? &(*b)[j] : with;
                const double cost = costOf(x, y, layout);
                if (best < 0 || cost < best) {
                    best = cost;
                    choice = {&x, y};
                }
            }
        }
        work += best;
        return choice;
    };
    static const std::vector<Piece> kNothing{Piece{{{Values{}, 1}}, {{Points{}, 1}}}};
    std::pair<const std::vector<Piece>*, const std::vector<Piece>*> xParts{&kNothing, nullptr};
    std::pair<const std::vector<Piece>*, const std::vector<Piece>*> yParts{&unread, nullptr};
    if (!read.empty()) {
        xParts = cheapest(suits[0], read.size() > 1 ? &suits[1] : nullptr, nullptr, first);
    }
    if (read.size() > 2) {
        yParts = cheapest(suits[2], read.size() > 3 ? &suits[3] : nullptr,
                          read.size() > 3 ? nullptr : &unread, second);
    }
    bool lengths = false;
    bool pooledPoints = false;
    for (const CountUnit& unit : plan_.units) {
        lengths = lengths || unit.readsLengths;
        pooledPoints = pooledPoints || (!unit.readsLengths && unit.dim >= 0);
    }
    if (!pooled_ && lengths && pooledPoints && plan_.dims >= 2) {
        const CountPlan sub = poolPlan();
        const double pooledWork = Counter(sub, mostWork_, true).poolCost();
        const double allowed = std::min(work, mostWork_);
        if (pooledWork < allowed) {
            const std::optional<WideCount> pooled = countPooled(allowed - pooledWork);
            if (pooled) {
                return pooled;
            }
        }
    }
    if (work > mostWork_) {
        return std::nullopt;
    }
    const std::optional<Table> x = tableOf(*xParts.first, xParts.second, first);
    const std::optional<Table> y = tableOf(*yParts.first, yParts.second, second);
    if (!x || !y) {
        return std::nullopt;
    }
    const std::optional<WideCount> joined = join(*x, *y, mostWork_ - work);
    if (!joined) {
        return std::nullopt;
    }
    return checkedMul(*joined, plan_.splits);
}

}  // namespace counting

std::optional<WideCount> countDeals(const DealQuestion& question, double mostWork) {
    const CountPlan plan = planOf(question);
    if (plan.outcome == CountPlan::Outcome::Empty) {
        return 0;
    }
    return counting::Counter(plan, mostWork).count();
}

}  // namespace ondiscale
