#include <map>
#include <numeric>

#include "exact/binomials.h"
#include "exact/counter.h"

namespace ondiscale::counting {

void addTo(std::vector<Ways<Points>>& list, const Points& points, Count ways) {
    for (Ways<Points>& listed : list) {
        if (listed.key == points) {
            listed.ways = checkedAdd(listed.ways, ways);
            return;
        }
    }
    list.push_back({points, ways});
}

// Pieces whose points are alike up to a factor become one, the factor
// going to their cells: with no points followed, a suit is one piece (its
// honours are cards like the others), with one unit's points a piece per
// number of honours that unit holds. Fewer pieces, fewer products.
void mergeAlike(std::vector<Piece>& pieces) {
    std::map<std::vector<std::pair<Points, Count>>, std::size_t> shapes;
    std::vector<std::map<Values, Count>> cells;
    std::vector<Piece> merged;
    for (Piece& piece : pieces) {
        std::sort(piece.points.begin(), piece.points.end(),
                  [](const Ways<Points>& a, const Ways<Points>& b) { return a.key < b.key; });
        Count factor = 0;
        for (const Ways<Points>& p : piece.points) {
            factor = std::gcd(factor, p.ways);
        }
        std::vector<std::pair<Points, Count>> alike;
        for (const Ways<Points>& p : piece.points) {
            alike.emplace_back(p.key, p.ways / factor);
        }
        const auto [at, added] = shapes.try_emplace(alike, merged.size());
        if (added) {
            merged.push_back({{}, {}});
            for (const auto& [points, ways] : alike) {
                merged.back().points.push_back({points, ways});
            }
            cells.emplace_back();
        }
        std::map<Values, Count>& into = cells[at->second];
        for (const Ways<Values>& cell : piece.cells) {
            Count& ways = into[cell.key];
            ways = checkedAdd(ways, checkedMul(cell.ways, factor));
        }
    }
    for (std::size_t m = 0; m < merged.size(); ++m) {
        for (const auto& [values, ways] : cells[m]) {
            merged[m].cells.push_back({values, ways});
        }
    }
    pieces = std::move(merged);
}

// The ways to deal n given cards in piles of the share's sizes.
WideCount waysToShare(int n, const Share& share, std::size_t parts) {
    WideCount ways = 1;
    for (std::size_t u = 0; u < parts; ++u) {
        ways = checkedMul<WideCount>(ways, choose(n, share[u]));
        n -= share[u];
    }
    return ways;
}

Points Counter::pointsOf(const Share& points) const {
    Points p{};
    for (std::size_t u = 0; u < units_; ++u) {
        const int dim = plan_.units[u].dim;
        if (dim >= 0) {
            p[static_cast<std::size_t>(dim)] =
                static_cast<std::uint8_t>(p[static_cast<std::size_t>(dim)] + points[u]);
        }
    }
    return p;
}

bool Counter::fits(std::size_t suit, const Share& lengths) const {
    for (std::size_t u = 0; u < units_; ++u) {
        const CountUnit& unit = plan_.units[u];
        if (lengths[u] > unit.cards || !unit.suits[suit].holds(lengths[u])) {
            return false;
        }
    }
    return plan_.pairFirst < 0 ||
           plan_.pairSuits[suit].holds(lengths[static_cast<std::size_t>(plan_.pairFirst)] +
                                       lengths[static_cast<std::size_t>(plan_.pairSecond)]);
}

// Points can only grow as cards are added: a part already past the most
// some rule allows is dropped.
bool Counter::tooMany(const Points& points) const {
    for (std::size_t d = 0; d < kMostDims; ++d) {
        if (points[d] > most_[d]) {
            return true;
        }
    }
    for (const PointRule& rule : plan_.rules) {
        int sum = 0;
        for (std::size_t d = 0; d < kMostDims; ++d) {
            sum += ((rule.dims >> d) & 1U) != 0 ? points[d] : 0;
        }
        if (sum > rule.points.hi) {
            return true;
        }
    }
    return false;
}

// A piece for each number of honours each unit holds (and, when the last
// unit is a pool, which honours it holds): fit when the units whose
// points are followed are many (their lengths would make too many
// pieces).
std::vector<Piece> Counter::piecesByHonours(std::size_t suit) const {
    const std::vector<int>& honours = plan_.honours[suit];
    std::vector<Piece> pieces;
    std::vector<std::pair<Share, int>> held;  // the honours each piece gives each unit
    forEachPlacement(honours.size(), units_, [&](const std::array<std::size_t, 4>& placed) {
        Share counts{};
        Share points{};
        int pooled = 0;  // the pool's honours, a bit each
        for (std::size_t h = 0; h < honours.size(); ++h) {
            const std::size_t unit = placed[h];
            ++counts[unit];
            points[unit] += honours[h];
            if (pooled_ && unit == keyed_) {
                pooled |= 1 << (honours[h] - 1);
            }
        }
        const std::pair<Share, int> key{counts, pooled};
        auto found = std::find(held.begin(), held.end(), key);
        if (found == held.end()) {
            held.push_back(key);
            pieces.emplace_back();
            found = held.end() - 1;
        }
        const Points p = pointsOf(points);
        if (!tooMany(p)) {
            addTo(pieces[static_cast<std::size_t>(found - held.begin())].points, p, 1);
        }
    });

    const int spots = plan_.spots[suit];
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        forEachShare(spots, units_, [&](const Share& share) {
            Share lengths{};
            for (std::size_t u = 0; u < units_; ++u) {
                lengths[u] = held[p].first[u] + share[u];
            }
            if (!fits(suit, lengths)) {
                return;
            }
            Values values{};
            for (std::size_t u = 0; u < keyed_; ++u) {
                values[u] = static_cast<std::uint8_t>(lengths[u]);
            }
            if (pooled_) {
                values[keyed_] = static_cast<std::uint8_t>(held[p].second);
            }
            // A suit's 13 cards are dealt in under 4^13 ways: 64 bits hold them.
            pieces[p].cells.push_back(
                {values, static_cast<Count>(waysToShare(spots, share, units_))});
        });
    }
    std::erase_if(pieces,
                  [](const Piece& piece) { return piece.cells.empty() || piece.points.empty(); });
    mergeAlike(pieces);
    return pieces;
}

// A piece for each set of lengths of the point dimensions (the cards the
// units of each dimension hold between them): those cards decide the
// points; how a dimension's cards split among its units, and what the
// other units share of the rest, are plain cards, honours or not. Fit
// when few dimensions are followed (one: 14 pieces whatever else is
// asked).
std::vector<Piece> Counter::piecesByLengths(std::size_t suit) const {
    const auto dims = static_cast<std::size_t>(plan_.dims);
    std::array<std::vector<std::size_t>, kMostDims + 1>
        groups;  // the last: units with no dimension
    for (std::size_t u = 0; u < units_; ++u) {
        const int dim = plan_.units[u].dim;
        groups[dim >= 0 ? static_cast<std::size_t>(dim) : dims].push_back(u);
    }
    const std::vector<int>& honours = plan_.honours[suit];
    const std::size_t parts = dims + 1;

    // The honours each dimension's units hold between them, and the points.
    std::map<std::pair<Share, Points>, Count> held;
    forEachPlacement(honours.size(), parts, [&](const std::array<std::size_t, 4>& placed) {
        Share counts{};
        Points points{};
        for (std::size_t h = 0; h < honours.size(); ++h) {
            const std::size_t part = placed[h];
            ++counts[part];
            if (part < dims) {
                points[part] = static_cast<std::uint8_t>(points[part] + honours[h]);
            }
        }
        if (!tooMany(points)) {
            ++held[{counts, points}];
        }
    });

    // Then their small cards, by the lengths they make.
    const int spots = plan_.spots[suit];
    const int cards = static_cast<int>(honours.size()) + spots;
    std::map<Share, std::vector<Ways<Points>>> byLengths;
    for (const auto& entry : held) {
        const Share& counts = entry.first.first;
        const Points& points = entry.first.second;
        const Count honourWays = entry.second;
        forEachShare(spots, parts, [&](const Share& share) {
            Share lengths{};
            for (std::size_t d = 0; d < dims; ++d) {
                lengths[d] = counts[d] + share[d];
            }
            addTo(byLengths[lengths], points,
                  checkedMul(honourWays, static_cast<Count>(waysToShare(spots, share, parts))));
        });
    }

    std::vector<Piece> pieces;
    for (const auto& byLength : byLengths) {
        Share totals = byLength.first;
        totals[dims] = cards;
        for (std::size_t d = 0; d < dims; ++d) {
            totals[dims] -= totals[d];
        }
        Piece piece;
        piece.points = byLength.second;
        // Each group's cards split among its units, group after group.
        Share all{};
        const auto split = [&](const auto& self, std::size_t group, Count ways) -> void {
            if (group == parts) {
                if (fits(suit, all)) {
                    Values values{};
                    for (std::size_t u = 0; u < keyed_; ++u) {
                        values[u] = static_cast<std::uint8_t>(all[u]);
                    }
                    piece.cells.push_back({values, ways});
                }
                return;
            }
            const std::vector<std::size_t>& units = groups[group];
            if (units.empty()) {
                if (totals[group] == 0) {
                    self(self, group + 1, ways);
                }
                return;
            }
            forEachShare(totals[group], units.size(), [&](const Share& share) {
                for (std::size_t k = 0; k < units.size(); ++k) {
                    all[units[k]] = share[k];
                }
                self(self, group + 1,
                     checkedMul(ways, static_cast<Count>(
                                          waysToShare(totals[group], share, units.size()))));
            });
        };
        split(split, 0, 1);
        if (!piece.cells.empty()) {
            pieces.push_back(std::move(piece));
        }
    }
    return pieces;
}

// The honours of the suits not read, rank by rank: how many of each rank
// each unit holds, with the ways to choose them.
std::vector<Piece> Counter::unreadPieces() const {
    std::array<int, 5> byPoints{};  // honours left by their points, 1 to 4
    for (std::size_t s = 0; s < kSuits.size(); ++s) {
        if (!plan_.read[s]) {
            for (const int honour : plan_.honours[s]) {
                ++byPoints[static_cast<std::size_t>(honour)];
            }
        }
    }
    // Pieces by the honours each keyed unit holds, each with the points
    // of the dimensions; a rank at a time, every piece of the next rank
    // gathered in one dense table of points (a few hundred kilobytes, so
    // that the million additions stay in the cache).
    constexpr int kSpan = kSidePoints + 1;
    std::array<std::size_t, kMostDims> stride{};
    std::size_t pointCells = 1;
    for (std::size_t d = kMostDims; d-- > 0;) {
        stride[d] = pointCells;
        pointCells *= static_cast<int>(d) < plan_.dims ? kSpan : 1;
    }
    const auto numberOf = [&](const Points& p) {
        return p[0] * stride[0] + p[1] * stride[1] + p[2] * stride[2];
    };
    const auto pointsAt = [&](std::size_t number) {
        Points p{};
        for (std::size_t d = 0; d < kMostDims; ++d) {
            p[d] = static_cast<std::uint8_t>(number / stride[d] %
                                             (static_cast<int>(d) < plan_.dims ? kSpan : 1));
        }
        return p;
    };
    std::vector<Count> ways(pointCells, 0);
    std::vector<std::uint32_t> touched;

    std::vector<Piece> pieces{Piece{{{Values{}, 1}}, {{Points{}, 1}}}};
    for (int value = 1; value <= 4; ++value) {
        const int cards = byPoints[static_cast<std::size_t>(value)];
        if (cards == 0) {
            continue;
        }
        struct Move {
            Values to;
            std::uint32_t from;
            Share share;
            Count ways;
        };
        std::vector<Move> moves;
        for (std::size_t from = 0; from < pieces.size(); ++from) {
            forEachShare(cards, units_, [&](const Share& share) {
                Values to = pieces[from].cells.front().key;
                for (std::size_t u = 0; u < keyed_; ++u) {
                    const int count = to[u] + share[u];
                    if (count > plan_.units[u].cards) {
                        return;
                    }
                    to[u] = static_cast<std::uint8_t>(count);
                }
                moves.push_back({to, static_cast<std::uint32_t>(from), share,
                                 static_cast<Count>(waysToShare(cards, share, units_))});
            });
        }
        std::sort(moves.begin(), moves.end(),
                  [](const Move& a, const Move& b) { return a.to < b.to; });
        std::vector<Piece> next;
        for (std::size_t m = 0; m < moves.size();) {
            const Values to = moves[m].to;
            for (; m < moves.size() && moves[m].to == to; ++m) {
                const Points added = pointsOf([&] {
                    Share points{};
                    for (std::size_t u = 0; u < units_; ++u) {
                        points[u] = value * moves[m].share[u];
                    }
                    return points;
                }());
                const std::size_t shift = numberOf(added);
                for (const auto& [points, w] : pieces[moves[m].from].points) {
                    Points sum{};
                    for (std::size_t d = 0; d < kMostDims; ++d) {
                        sum[d] = static_cast<std::uint8_t>(points[d] + added[d]);
                    }
                    if (tooMany(sum)) {
                        continue;
                    }
                    const std::size_t at = numberOf(points) + shift;
                    if (ways[at] == 0) {
                        touched.push_back(static_cast<std::uint32_t>(at));
                    }
                    ways[at] = checkedAdd(ways[at], checkedMul(w, moves[m].ways));
                }
            }
            if (touched.empty()) {
                continue;
            }
            Piece piece;
            piece.cells.push_back({to, 1});
            for (const std::uint32_t at : touched) {
                piece.points.push_back({pointsAt(at), ways[at]});
                ways[at] = 0;
            }
            touched.clear();
            next.push_back(std::move(piece));
        }
        pieces = std::move(next);
    }
    return pieces;
}

}  // namespace ondiscale::counting
