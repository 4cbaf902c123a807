#include <map>

#include "exact/counter.h"

namespace ondiscale::counting {

// Points on several hands where some hands read no length: those hands
// (the pool) care only for how many aces, kings, queens and jacks they
// get between them, never for suits. The hands that read lengths are
// counted suit by suit with the pool as one more unit whose honours are
// followed by rank; the pool's cards are then shared among its hands by
// rank. The two meet on the pool's honours (625 ways at most) and the
// points, so the pool's points never multiply the others' cells.
CountPlan Counter::poolPlan() const {
    CountPlan sub = plan_;
    sub.units.clear();
    CountUnit pool;
    std::vector<int> newIndex(units_, -1);
    for (std::size_t u = 0; u < units_; ++u) {
        if (plan_.units[u].readsLengths) {
            newIndex[u] = static_cast<int>(sub.units.size());
            sub.units.push_back(plan_.units[u]);
        } else {
            pool.cards += plan_.units[u].cards;
        }
    }
    for (Span& suit : pool.suits) {
        suit = {0, kSuitCards};
    }
    sub.units.push_back(pool);
    sub.lastImplied = true;
    sub.read.fill(true);
    // Partners whose lengths are read together both read lengths; those
    // asked only their points together leave no length to check.
    sub.pairFirst = -1;
    sub.pairSecond = -1;
    if (plan_.pairFirst >= 0 &&
        plan_.units[static_cast<std::size_t>(plan_.pairFirst)].readsLengths &&
        plan_.units[static_cast<std::size_t>(plan_.pairSecond)].readsLengths) {
        sub.pairFirst = newIndex[static_cast<std::size_t>(plan_.pairFirst)];
        sub.pairSecond = newIndex[static_cast<std::size_t>(plan_.pairSecond)];
    }
    return sub;
}

// About how many steps the pooled count takes to make its two halves:
// their cells are numbered one unit at a time (no packed sums), a few
// steps each.
double Counter::poolCost() const {
    constexpr double kUnpacked = 4;
    std::array<std::vector<Piece>, 4> suits;
    for (std::size_t s = 0; s < suits.size(); ++s) {
        suits[s] = piecesByHonours(s);
    }
    return kUnpacked *
           (costOf(suits[0], &suits[1], firstLayout_) + costOf(suits[2], &suits[3], secondLayout_));
}

std::optional<WideCount> Counter::countPooled(double mostWork) const {
    const CountPlan sub = poolPlan();
    const Counter halves(sub, mostWork, true);
    const std::optional<ByPool> known = halves.poolHalves(mostWork);
    if (!known) {
        return std::nullopt;
    }
    std::vector<bool> needed(kPoolCodes5);
    for (std::size_t r = 0; r < kPoolCodes5; ++r) {
        needed[r] = !(*known)[r].empty();
    }
    const std::vector<std::vector<Ways<Points>>> shares = poolShares(needed);

    PointSums sums;
    WideCount total = 0;
    for (std::size_t r = 0; r < kPoolCodes5; ++r) {
        if ((*known)[r].empty() || shares[r].empty()) {
            continue;
        }
        std::array<int, 3> extents{1, 1, 1};
        for (const auto& [points, ways] : shares[r]) {
            for (std::size_t d = 0; d < kMostDims; ++d) {
                extents[axes_.of[d]] = std::max(extents[axes_.of[d]], points[d] + 1);
            }
        }
        sums.reset(extents);
        for (const auto& [points, ways] : shares[r]) {
            std::array<int, 3> at{};
            for (std::size_t d = 0; d < kMostDims; ++d) {
                at[axes_.of[d]] = points[d];
            }
            sums.at(at[0], at[1], at[2]) += ways;
        }
        sums.prepare();
        for (const WideEntry& entry : (*known)[r]) {
            total = checkedAdd(total, checkedMul(entry.ways, within(sums, entry.points)));
        }
    }
    return checkedMul(total, plan_.splits);
}

// The hands that read lengths, suit by suit as two halves, met into a
// table by the pool's honours (base 5) and the points.
std::optional<Counter::ByPool> Counter::poolHalves(double mostWork) const {
    std::array<std::vector<Piece>, 4> suits;
    for (std::size_t s = 0; s < suits.size(); ++s) {
        suits[s] = piecesByHonours(s);
    }
    const std::optional<Table> x = tableOf(suits[0], &suits[1], firstLayout_);
    const std::optional<Table> y = tableOf(suits[2], &suits[3], secondLayout_);
    if (!x || !y) {
        return std::nullopt;
    }
    std::vector<int> cellOf(y->layout.size, -1);
    for (std::size_t c = 0; c < y->numbers.size(); ++c) {
        cellOf[y->numbers[c]] = static_cast<int>(c);
    }
    std::array<std::vector<std::vector<int>>, kMostUnits> completions;
    for (std::size_t u = 0; u < keyed_; ++u) {
        const CountUnit& unit = plan_.units[u];
        if (unit.shaped) {
            completions[u].resize(x->layout.radix[u]);
            for (const LengthVector& l : unit.shapes) {
                completions[u][static_cast<std::size_t>(x->layout.shapeDigits[u][l[0]][l[1]])]
                    .push_back(y->layout.shapeDigits[u][l[2]][l[3]]);
            }
        }
    }
    // The cells of `inner` completing an outer cell: each unit's other
    // half, the pool's honours in it any.
    const auto forEachCompletion = [&](const Values& mine, const auto& f) {
        const auto pick = [&](const auto& self, std::size_t u, std::size_t number) -> void {
            if (u == keyed_) {
                for (std::size_t r = 0; r < kPoolCodes; ++r) {
                    const int cell = cellOf[number + r * y->layout.stride[keyed_]];
                    if (cell >= 0) {
                        f(static_cast<std::size_t>(cell));
                    }
                }
                return;
            }
            const CountUnit& unit = plan_.units[u];
            if (unit.shaped) {
                for (const int digit : completions[u][mine[u]]) {
                    self(self, u + 1,
                         number + static_cast<std::size_t>(digit) * y->layout.stride[u]);
                }
            } else if (unit.cards >= mine[u]) {
                self(self, u + 1,
                     number + static_cast<std::size_t>(unit.cards - mine[u]) * y->layout.stride[u]);
            }
        };
        pick(pick, 0, 0);
    };
    // Each product below looks its line up in a hash table and adds
    // 128-bit numbers: it weighs as a dozen or so of the other steps.
    constexpr double kLookup = 16;
    double work = 0;
    for (std::size_t c = 0; c < x->numbers.size() && work <= mostWork; ++c) {
        const auto outer = kLookup * static_cast<double>(x->starts[c + 1] - x->starts[c]);
        forEachCompletion(digitsOf(x->layout, x->numbers[c]), [&](std::size_t cell) {
            work += outer * static_cast<double>(y->starts[cell + 1] - y->starts[cell]);
        });
    }
    if (work > mostWork) {
        return std::nullopt;
    }

    std::array<int, kMostDims> extents{};
    std::size_t pointCells = 1;
    for (std::size_t d = 0; d < kMostDims; ++d) {
        extents[d] = std::min(x->extents[d] + y->extents[d] - 1, most_[d] + 1);
        pointCells *= static_cast<std::size_t>(extents[d]);
    }
    const auto pointNumber = [&](const Points& p) {
        return (static_cast<std::size_t>(p[0]) * static_cast<std::size_t>(extents[1]) + p[1]) *
                   static_cast<std::size_t>(extents[2]) +
               p[2];
    };
    FlatIndex seen;
    seen.reset(1U << 16U);
    std::vector<std::pair<std::size_t, WideEntry>> found;  // by pool code
    for (std::size_t c = 0; c < x->numbers.size(); ++c) {
        const Values mine = digitsOf(x->layout, x->numbers[c]);
        const auto meetCell = [&](std::size_t cell) {
            const std::size_t theirs = y->numbers[cell] / y->layout.stride[keyed_] % kPoolCodes;
            const std::size_t code = bothHalves(mine[keyed_], theirs);
            for (std::size_t i = x->starts[c]; i < x->starts[c + 1]; ++i) {
                for (std::size_t j = y->starts[cell]; j < y->starts[cell + 1]; ++j) {
                    Points p{};
                    for (std::size_t d = 0; d < kMostDims; ++d) {
                        p[d] = static_cast<std::uint8_t>(x->entries[i].points[d] +
                                                         y->entries[j].points[d]);
                    }
                    if (tooMany(p)) {
                        continue;
                    }
                    const auto ways = checkedMul<WideCount>(x->entries[i].ways, y->entries[j].ways);
                    if (found.size() * 2 + 16 > seen.size()) {
                        seen.reset(found.size() * 4);
                        for (std::size_t k = 0; k < found.size(); ++k) {
                            seen.at(found[k].first * pointCells +
                                    pointNumber(found[k].second.points)) =
                                static_cast<std::uint32_t>(k);
                        }
                    }
                    std::uint32_t& at = seen.at(code * pointCells + pointNumber(p));
                    if (at == FlatIndex::kNone) {
                        at = static_cast<std::uint32_t>(found.size());
                        found.push_back({code, {p, ways}});
                    } else {
                        found[at].second.ways = checkedAdd(found[at].second.ways, ways);
                    }
                }
            }
        };
        forEachCompletion(mine, meetCell);
    }
    ByPool byPool(kPoolCodes5);
    for (const auto& [code, entry] : found) {
        byPool[code].push_back(entry);
    }
    return byPool;
}

// The pool's cards shared among its hands, for each way the pool's
// honours may be (those `needed`): by the points of each dimension, with
// the ways, the small cards filling each hand last.
std::vector<std::vector<Ways<Points>>> Counter::poolShares(const std::vector<bool>& needed) const {
    std::vector<std::size_t> hands;
    int size = 0;
    for (std::size_t u = 0; u < units_; ++u) {
        if (!plan_.units[u].readsLengths) {
            hands.push_back(u);
            size += plan_.units[u].cards;
        }
    }
    // Codes that begin (in their lowest digits) as given are needed.
    std::array<std::vector<bool>, 5> prefixNeeded;
    for (std::size_t depth = 0; depth <= 4; ++depth) {
        std::size_t place = 1;
        for (std::size_t k = 0; k < depth; ++k) {
            place *= 5;
        }
        prefixNeeded[depth].assign(place, false);
        for (std::size_t r = 0; r < needed.size(); ++r) {
            if (needed[r]) {
                prefixNeeded[depth][r % place] = true;
            }
        }
    }
    struct State {
        Share counts;  // by place in `hands`
        Points points;
        Count ways;
    };
    std::vector<std::vector<Ways<Points>>> shares(kPoolCodes5);
    const auto descend = [&](const auto& self, std::size_t depth, std::size_t code,
                             std::size_t place, int honours,
                             const std::vector<State>& states) -> void {
        if (depth == 4) {
            const int spots = size - honours;
            std::vector<Ways<Points>>& into = shares[code];
            for (const State& state : states) {
                Share fill{};
                bool fits = spots >= 0;
                for (std::size_t h = 0; h < hands.size() && fits; ++h) {
                    fill[h] = plan_.units[hands[h]].cards - state.counts[h];
                    fits = fill[h] >= 0;
                }
                if (fits) {
                    addTo(into, state.points,
                          checkedMul(state.ways,
                                     static_cast<Count>(waysToShare(spots, fill, hands.size()))));
                }
            }
            return;
        }
        const int value = static_cast<int>(depth) + 1;
        for (int n = 0; n <= 4; ++n) {
            const std::size_t next = code + static_cast<std::size_t>(n) * place;
            if (!prefixNeeded[depth + 1][next]) {
                continue;
            }
            std::vector<State> moved;
            std::map<std::pair<Share, Points>, std::size_t> seen;
            forEachShare(n, hands.size(), [&](const Share& share) {
                const auto shareWays = static_cast<Count>(waysToShare(n, share, hands.size()));
                for (const State& state : states) {
                    State after = state;
                    bool fits = true;
                    for (std::size_t h = 0; h < hands.size() && fits; ++h) {
                        after.counts[h] += share[h];
                        fits = after.counts[h] <= plan_.units[hands[h]].cards;
                        const int dim = plan_.units[hands[h]].dim;
                        if (dim >= 0) {
                            after.points[static_cast<std::size_t>(dim)] = static_cast<std::uint8_t>(
                                after.points[static_cast<std::size_t>(dim)] + value * share[h]);
                        }
                    }
                    if (!fits || tooMany(after.points)) {
                        continue;
                    }
                    after.ways = checkedMul(state.ways, shareWays);
                    const auto [at, added] =
                        seen.try_emplace({after.counts, after.points}, moved.size());
                    if (added) {
                        moved.push_back(after);
                    } else {
                        moved[at->second].ways = checkedAdd(moved[at->second].ways, after.ways);
                    }
                }
            });
            self(self, depth + 1, next, place * 5, honours + n, moved);
        }
    };
    descend(descend, 0, 0, 1, 0, std::vector<State>{{{}, {}, 1}});
    return shares;
}

}  // namespace ondiscale::counting
