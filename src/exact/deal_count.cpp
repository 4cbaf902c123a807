#include "exact/deal_count.h"

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <vector>

#include "exact/binomials.h"
#include "exact/count_plan.h"
#include "exact/point_sums.h"

namespace ondiscale {
namespace {

// A deal is counted suit by suit. Each suit the question reads is shared
// among the units as lengths and honours, with the ways to do it: which
// honours each unit holds decides its points, and the cards below the
// jack only its length, so the two are listed apart (a Piece per way the
// honours fall) and multiplied out only where they meet. The suits the
// question does not read count only by their honours (by rank, whatever
// the suit) and their small cards, which fill each unit up to its 13
// cards at the end. The suits are counted as two halves, each a table of
// the units' cards (or, for a unit with a shape, its lengths in that
// half) and the points followed; the halves meet where every unit's
// cards make its 13 (its shape, a vector of the allowed set) and the
// points lie within every rule.

using Values = std::array<std::uint8_t, kMostUnits>;  // per unit
using Points = std::array<std::uint8_t, kMostDims>;   // per point dimension

template <typename Key>
struct Ways {
    Key key;
    Count ways;
};

struct Piece {
    std::vector<Ways<Values>> cells;  // the units' lengths, with the ways to have them
    std::vector<Ways<Points>> points;
};

void addTo(std::vector<Ways<Points>>& list, const Points& points, Count ways) {
    for (Ways<Points>& listed : list) {
        if (listed.key == points) {
            listed.ways = checkedAdd(listed.ways, ways);
            return;
        }
    }
    list.push_back({points, ways});
}

using Share = std::array<int, kMostUnits>;

// Numbers given to 64-bit keys, open addressing: the honours' states
// pass a million lookups, too many for a node per key.
class FlatIndex {
public:
    static constexpr std::uint32_t kNone = ~std::uint32_t{0};

    void reset(std::size_t most) {
        std::size_t size = 16;
        while (size < 2 * most) {
            size *= 2;
        }
        keys_.assign(size, kEmpty);
        values_.assign(size, kNone);
    }
    std::uint32_t& at(std::uint64_t key) {
        const std::size_t mask = keys_.size() - 1;
        std::size_t slot = (key * 0x9E3779B97F4A7C15ULL) >> 20U & mask;
        while (keys_[slot] != key && keys_[slot] != kEmpty) {
            slot = (slot + 1) & mask;
        }
        keys_[slot] = key;
        return values_[slot];
    }

private:
    static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};
    std::vector<std::uint64_t> keys_;
    std::vector<std::uint32_t> values_;
};

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

// Every way to share n like cards among `parts` units.
template <typename F>
void forEachShare(int n, std::size_t parts, F&& f) {
    Share share{};
    const auto place = [&](const auto& self, std::size_t unit, int left) -> void {
        if (unit + 1 == parts) {
            share[unit] = left;
            f(share);
            return;
        }
        for (int k = 0; k <= left; ++k) {
            share[unit] = k;
            self(self, unit + 1, left - k);
        }
    };
    place(place, 0, n);
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

// Cells of a half, numbered by each keyed unit's digit: its cards, or
// for a unit with a shape the place of its two lengths in that half among
// those its shape allows.
struct Layout {
    bool firstHalf = true;  // spades and hearts, or diamonds and clubs
    std::array<std::size_t, kMostUnits> radix{1, 1, 1, 1};
    std::array<std::size_t, kMostUnits> stride{};
    std::size_t size = 1;
    std::array<std::array<std::array<int, 14>, 14>, kMostUnits> shapeDigits{};
    std::array<std::vector<std::array<int, 2>>, kMostUnits> shapeLengths;
};

struct Entry {
    Points points;
    Count ways;
};

struct Table {
    Layout layout;
    std::vector<std::uint32_t> numbers;  // of the cells held
    std::vector<std::size_t> starts;     // entries of cell c: [starts[c], starts[c + 1])
    std::vector<Entry> entries;
    std::array<int, kMostDims> extents{1, 1, 1};  // 1 + the most points of each dimension
};

// The smallest box holding a piece's cells (or points): per unit (or
// dimension) the least and the most.
template <typename Key>
std::pair<Key, Key> boxOf(const std::vector<Ways<Key>>& list) {
    Key low{};
    Key high{};
    low.fill(255);
    for (const auto& [key, ways] : list) {
        for (std::size_t k = 0; k < key.size(); ++k) {
            low[k] = std::min(low[k], key[k]);
            high[k] = std::max(high[k], key[k]);
        }
    }
    return {low, high};
}

// How many sums two boxes of keys can make, at most.
template <typename Key>
double sumsOf(const std::pair<Key, Key>& a, const std::pair<Key, Key>& b) {
    double sums = 1;
    for (std::size_t k = 0; k < a.first.size(); ++k) {
        sums *= (a.second[k] - a.first[k]) + (b.second[k] - b.first[k]) + 1.0;
    }
    return sums;
}

// About how many steps tableOf takes for these parts: the products of
// their cells and of their points, then each cell reached times the
// points it meets.
double costOf(const std::vector<Piece>& a, const std::vector<Piece>* b, const Layout& layout) {
    double cost = 0;
    if (b == nullptr) {
        for (const Piece& x : a) {
            cost += static_cast<double>(x.cells.size() * x.points.size());
        }
        return cost;
    }
    std::vector<std::pair<std::pair<Values, Values>, std::pair<Points, Points>>> boxes;
    for (const Piece& y : *b) {
        boxes.emplace_back(boxOf(y.cells), boxOf(y.points));
    }
    for (const Piece& x : a) {
        const auto cellBox = boxOf(x.cells);
        const auto pointBox = boxOf(x.points);
        for (std::size_t j = 0; j < b->size(); ++j) {
            const Piece& y = (*b)[j];
            const auto cells = static_cast<double>(x.cells.size() * y.cells.size());
            const auto points = static_cast<double>(x.points.size() * y.points.size());
            const double reached = std::min(
                {cells, static_cast<double>(layout.size), sumsOf(cellBox, boxes[j].first)});
            cost += cells + points + reached * std::min(points, sumsOf(pointBox, boxes[j].second));
        }
    }
    return cost;
}

// Counts above this many steps (as costOf and join reckon them, about
// 10^8 a second here) are not made: a few seconds at most.
constexpr double kMostWork = 1e9;

// Halves above this many cells are not counted: shapes on every hand
// wide enough to make them are rare, and too slow.
constexpr std::size_t kMostCells = std::size_t{1} << 22;

class Counter {
public:
    explicit Counter(const CountPlan& plan)
        : plan_(plan),
          units_(plan.units.size()),
          keyed_(plan.lastImplied ? units_ - 1 : units_),
          axes_(axesOf(plan)),
          firstLayout_(layoutOf(true)),
          secondLayout_(layoutOf(false)) {
        most_.fill(kSidePoints);
        for (const PointRule& rule : plan.rules) {
            for (std::size_t d = 0; d < kMostDims; ++d) {
                if (((rule.dims >> d) & 1U) != 0) {
                    most_[d] =
                        static_cast<std::uint8_t>(std::clamp<int>(rule.points.hi, 0, most_[d]));
                }
            }
        }
    }

    std::optional<WideCount> count();

private:
    [[nodiscard]] Points pointsOf(const Share& points) const;
    [[nodiscard]] bool tooMany(const Points& points) const;
    [[nodiscard]] std::vector<Piece> piecesByHonours(std::size_t suit) const;
    [[nodiscard]] std::vector<Piece> piecesByLengths(std::size_t suit) const;
    [[nodiscard]] bool fits(std::size_t suit, const Share& lengths) const;
    [[nodiscard]] std::vector<Piece> unreadPieces() const;
    [[nodiscard]] Layout layoutOf(bool firstHalf) const;
    [[nodiscard]] long numberOf(const Layout& layout, const Values& a, const Values* b) const;
    [[nodiscard]] std::optional<Table> tableOf(const std::vector<Piece>& a,
                                               const std::vector<Piece>* b,
                                               const Layout& layout) const;
    [[nodiscard]] std::optional<WideCount> join(const Table& x, const Table& y,
                                                double mostWork) const;
    [[nodiscard]] WideCount meet(const Table& outer, const Table& inner, int filler) const;
    [[nodiscard]] WideCount within(const PointSums& sums, const Points& outer) const;

    struct AxisRule {
        std::uint8_t axes;  // a bit per axis
        Span points;
    };
    struct Axes {
        std::array<std::size_t, kMostDims> of{0, 1, 2};  // by dimension
        std::vector<AxisRule> rules;
        bool coupled = false;  // some rule adds axis 0 to another
    };
    static Axes axesOf(const CountPlan& plan);

    const CountPlan& plan_;
    std::size_t units_;
    std::size_t keyed_;  // units in a cell's number: all but an implied last one
    Axes axes_;
    Points most_{};  // the most points of each dimension any rule lets through
    Layout firstLayout_;
    Layout secondLayout_;
};

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

// A piece for each number of honours each unit holds: fit when the units
// whose points are followed are many (their lengths would make too many
// pieces).
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

std::vector<Piece> Counter::piecesByHonours(std::size_t suit) const {
    const std::vector<int>& honours = plan_.honours[suit];
    std::vector<Piece> pieces;
    std::vector<Share> held;  // the honours each piece gives each unit
    std::size_t ways = 1;
    for (std::size_t h = 0; h < honours.size(); ++h) {
        ways *= units_;
    }
    for (std::size_t way = 0; way < ways; ++way) {
        Share counts{};
        Share points{};
        std::size_t rest = way;
        for (const int honour : honours) {
            const std::size_t unit = rest % units_;
            rest /= units_;
            ++counts[unit];
            points[unit] += honour;
        }
        auto found = std::find(held.begin(), held.end(), counts);
        if (found == held.end()) {
            held.push_back(counts);
            pieces.emplace_back();
            found = held.end() - 1;
        }
        const Points p = pointsOf(points);
        if (!tooMany(p)) {
            addTo(pieces[static_cast<std::size_t>(found - held.begin())].points, p, 1);
        }
    }

    const int spots = plan_.spots[suit];
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        forEachShare(spots, units_, [&](const Share& share) {
            Share lengths{};
            for (std::size_t u = 0; u < units_; ++u) {
                lengths[u] = held[p][u] + share[u];
            }
            if (!fits(suit, lengths)) {
                return;
            }
            Values values{};
            for (std::size_t u = 0; u < keyed_; ++u) {
                values[u] = static_cast<std::uint8_t>(lengths[u]);
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

// A piece for each set of lengths of the units whose points are
// followed: their cards decide the points, and the others share what is
// left as plain cards, honours or not. Fit when few units' points are
// followed (one such unit: 14 pieces whatever the others ask).
std::vector<Piece> Counter::piecesByLengths(std::size_t suit) const {
    std::vector<std::size_t> followed;
    std::vector<std::size_t> others;
    for (std::size_t u = 0; u < units_; ++u) {
        (plan_.units[u].dim >= 0 ? followed : others).push_back(u);
    }
    const std::vector<int>& honours = plan_.honours[suit];
    const std::size_t parts = followed.size() + 1;  // the last part: any other unit

    // The honours the followed units hold: how many each, and the points.
    std::map<std::pair<Share, Points>, Count> held;
    std::size_t ways = 1;
    for (std::size_t h = 0; h < honours.size(); ++h) {
        ways *= parts;
    }
    for (std::size_t way = 0; way < ways; ++way) {
        Share counts{};
        Share points{};
        std::size_t rest = way;
        for (const int honour : honours) {
            const std::size_t part = rest % parts;
            rest /= parts;
            if (part < followed.size()) {
                ++counts[followed[part]];
                points[followed[part]] += honour;
            }
        }
        const Points p = pointsOf(points);
        if (!tooMany(p)) {
            ++held[{counts, p}];
        }
    }

    // Then their small cards, by the lengths they make.
    const int spots = plan_.spots[suit];
    const int cards = static_cast<int>(honours.size()) + spots;
    std::map<Share, std::vector<Ways<Points>>> byLengths;
    for (const auto& [countsAndPoints, honourWays] : held) {
        const auto& [counts, points] = countsAndPoints;
        forEachShare(spots, parts, [&](const Share& share) {
            Share lengths{};
            for (std::size_t f = 0; f < followed.size(); ++f) {
                const std::size_t u = followed[f];
                lengths[u] = counts[u] + share[f];
                if (lengths[u] > plan_.units[u].cards ||
                    !plan_.units[u].suits[suit].holds(lengths[u])) {
                    return;
                }
            }
            addTo(byLengths[lengths], points,
                  checkedMul(honourWays, static_cast<Count>(waysToShare(spots, share, parts))));
        });
    }

    std::vector<Piece> pieces;
    for (const auto& [lengths, points] : byLengths) {
        int left = cards;
        for (const std::size_t u : followed) {
            left -= lengths[u];
        }
        Piece piece;
        piece.points = points;
        if (others.empty()) {
            Values values{};
            for (std::size_t u = 0; u < keyed_; ++u) {
                values[u] = static_cast<std::uint8_t>(lengths[u]);
            }
            if (left == 0 && fits(suit, lengths)) {
                piece.cells.push_back({values, 1});
            }
        } else {
            forEachShare(left, others.size(), [&](const Share& share) {
                Share all = lengths;
                for (std::size_t o = 0; o < others.size(); ++o) {
                    all[others[o]] = share[o];
                }
                if (!fits(suit, all)) {
                    return;
                }
                Values values{};
                for (std::size_t u = 0; u < keyed_; ++u) {
                    values[u] = static_cast<std::uint8_t>(all[u]);
                }
                piece.cells.push_back(
                    {values, static_cast<Count>(waysToShare(left, share, others.size()))});
            });
        }
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

Layout Counter::layoutOf(bool firstHalf) const {
    Layout layout;
    layout.firstHalf = firstHalf;
    for (std::size_t u = 0; u < keyed_; ++u) {
        const CountUnit& unit = plan_.units[u];
        if (unit.shaped) {
            for (auto& row : layout.shapeDigits[u]) {
                row.fill(-1);
            }
            for (const LengthVector& lengths : unit.shapes) {
                const std::size_t a = firstHalf ? lengths[0] : lengths[2];
                const std::size_t b = firstHalf ? lengths[1] : lengths[3];
                if (layout.shapeDigits[u][a][b] < 0) {
                    layout.shapeDigits[u][a][b] = static_cast<int>(layout.shapeLengths[u].size());
                    layout.shapeLengths[u].push_back({static_cast<int>(a), static_cast<int>(b)});
                }
            }
            layout.radix[u] = layout.shapeLengths[u].size();
        } else {
            layout.radix[u] = static_cast<std::size_t>(unit.cards) + 1;
        }
    }
    for (std::size_t u = 0; u < kMostUnits; ++u) {
        layout.stride[u] = layout.size;
        layout.size *= layout.radix[u];
    }
    return layout;
}

// The cell of `a` (one part) and `b` (the other part of the half, if
// any) together; -1 where a unit has too many cards or lengths its shape
// does not allow.
long Counter::numberOf(const Layout& layout, const Values& a, const Values* b) const {
    std::size_t number = 0;
    for (std::size_t u = 0; u < keyed_; ++u) {
        const CountUnit& unit = plan_.units[u];
        int digit = a[u];
        if (unit.shaped) {
            digit = layout.shapeDigits[u][a[u]][(*b)[u]];
        } else if (b != nullptr) {
            digit += (*b)[u];
        }
        if (digit < 0 || digit > (unit.shaped ? 255 : unit.cards)) {
            return -1;
        }
        number += static_cast<std::size_t>(digit) * layout.stride[u];
    }
    return static_cast<long>(number);
}

std::optional<Table> Counter::tableOf(const std::vector<Piece>& a, const std::vector<Piece>* b,
                                      const Layout& layout) const {
    if (layout.size > kMostCells) {
        return std::nullopt;
    }
    Table table;
    table.layout = layout;
    const auto mostOf = [](const std::vector<Piece>& pieces) {
        Points most{};
        for (const Piece& piece : pieces) {
            for (const auto& [points, ways] : piece.points) {
                for (std::size_t d = 0; d < most.size(); ++d) {
                    most[d] = std::max(most[d], points[d]);
                }
            }
        }
        return most;
    };
    const Points mostA = mostOf(a);
    const Points mostB = b != nullptr ? mostOf(*b) : Points{};
    std::size_t pointCells = 1;
    for (std::size_t d = 0; d < mostA.size(); ++d) {
        table.extents[d] = std::min(mostA[d] + mostB[d], static_cast<int>(most_[d])) + 1;
        pointCells *= static_cast<std::size_t>(table.extents[d]);
    }
    const auto pointNumber = [&](const Points& p) {
        return (static_cast<std::size_t>(p[0]) * static_cast<std::size_t>(table.extents[1]) +
                p[1]) *
                   static_cast<std::size_t>(table.extents[2]) +
               p[2];
    };

    // The pieces of the two parts met two by two: the ways of each cell,
    // and the points, apart.
    struct Share {
        std::uint32_t cell;
        std::uint32_t combination;
        Count ways;
    };
    std::vector<Share> shares;
    std::vector<std::vector<Ways<std::uint32_t>>> combinations;  // their points, numbered
    std::vector<Count> cellWays(layout.size, 0);
    std::vector<std::uint32_t> touched;
    std::vector<Count> pointWays(pointCells, 0);
    std::vector<std::uint32_t> pointsTouched;
    const auto add = [](std::vector<Count>& ways, std::vector<std::uint32_t>& touched,
                        std::size_t at, Count w) {
        if (ways[at] == 0) {
            touched.push_back(static_cast<std::uint32_t>(at));
        }
        ways[at] = checkedAdd(ways[at], w);
    };
    static const std::vector<Piece> kAlone{Piece{{{Values{}, 1}}, {{Points{}, 1}}}};
    const std::vector<Piece>& second = b != nullptr ? *b : kAlone;
    for (const Piece& x : a) {
        for (const Piece& y : second) {
            for (const auto& [cx, wx] : x.cells) {
                for (const auto& [cy, wy] : y.cells) {
                    const long number = numberOf(layout, cx, b != nullptr ? &cy : nullptr);
                    if (number >= 0) {
                        add(cellWays, touched, static_cast<std::size_t>(number),
                            checkedMul(wx, wy));
                    }
                }
            }
            if (touched.empty()) {
                continue;
            }
            for (const auto& [px, wx] : x.points) {
                for (const auto& [py, wy] : y.points) {
                    Points p{};
                    for (std::size_t d = 0; d < p.size(); ++d) {
                        p[d] = static_cast<std::uint8_t>(px[d] + py[d]);
                    }
                    if (tooMany(p)) {
                        continue;
                    }
                    add(pointWays, pointsTouched, pointNumber(p), checkedMul(wx, wy));
                }
            }
            if (pointsTouched.empty()) {
                for (const std::uint32_t cell : touched) {
                    cellWays[cell] = 0;
                }
                touched.clear();
                continue;
            }
            const auto combination = static_cast<std::uint32_t>(combinations.size());
            combinations.emplace_back();
            for (const std::uint32_t at : pointsTouched) {
                combinations.back().push_back({at, pointWays[at]});
                pointWays[at] = 0;
            }
            pointsTouched.clear();
            for (const std::uint32_t cell : touched) {
                shares.push_back({cell, combination, cellWays[cell]});
                cellWays[cell] = 0;
            }
            touched.clear();
        }
    }

    // Then cell by cell, the points of every combination reaching it.
    std::sort(shares.begin(), shares.end(),
              [](const Share& l, const Share& r) { return l.cell < r.cell; });
    const auto pointsAt = [&](std::size_t number) {
        Points p{};
        p[2] = static_cast<std::uint8_t>(number % static_cast<std::size_t>(table.extents[2]));
        number /= static_cast<std::size_t>(table.extents[2]);
        p[1] = static_cast<std::uint8_t>(number % static_cast<std::size_t>(table.extents[1]));
        p[0] = static_cast<std::uint8_t>(number / static_cast<std::size_t>(table.extents[1]));
        return p;
    };
    for (std::size_t i = 0; i < shares.size();) {
        const std::uint32_t cell = shares[i].cell;
        for (; i < shares.size() && shares[i].cell == cell; ++i) {
            for (const auto& [at, ways] : combinations[shares[i].combination]) {
                add(pointWays, pointsTouched, at, checkedMul(shares[i].ways, ways));
            }
        }
        table.numbers.push_back(cell);
        table.starts.push_back(table.entries.size());
        for (const std::uint32_t at : pointsTouched) {
            table.entries.push_back({pointsAt(at), pointWays[at]});
            pointWays[at] = 0;
        }
        pointsTouched.clear();
    }
    table.starts.push_back(table.entries.size());
    return table;
}

// The digits of a cell's number.
Values digitsOf(const Layout& layout, std::size_t number) {
    Values digits{};
    for (std::size_t u = 0; u < kMostUnits; ++u) {
        digits[u] = static_cast<std::uint8_t>(number / layout.stride[u] % layout.radix[u]);
    }
    return digits;
}

// Point axes: axis 0 is best a dimension no rule adds to another, so
// that a whole box of it is summed at once; rules then bound an axis or
// the sum of axes 1 and 2, and those adding axis 0 to others (a hand's
// points when the other three are followed) are met a value of axis 0 at
// a time.
Counter::Axes Counter::axesOf(const CountPlan& plan) {
    Axes axes;
    std::array<std::uint8_t, kMostDims> together{};  // dims each dim is added to
    for (const PointRule& rule : plan.rules) {
        for (std::size_t d = 0; d < kMostDims; ++d) {
            if (((rule.dims >> d) & 1U) != 0) {
                together[d] |= static_cast<std::uint8_t>(rule.dims & ~(1U << d));
            }
        }
    }
    if (plan.dims == 1) {
        axes.of = {2, 0, 1};
    } else if (plan.dims == 2) {
        axes.of = {1, 2, 0};
    } else if (plan.dims == 3) {
        std::size_t first = 0;
        for (std::size_t d = 0; d < kMostDims; ++d) {
            first = together[d] == 0 ? d : first;
        }
        std::size_t next = 1;
        for (std::size_t d = 0; d < kMostDims; ++d) {
            axes.of[d] = d == first ? 0 : next++;
        }
    }
    for (const PointRule& rule : plan.rules) {
        AxisRule axisRule{0, rule.points};
        for (std::size_t d = 0; d < kMostDims; ++d) {
            if (((rule.dims >> d) & 1U) != 0) {
                axisRule.axes = static_cast<std::uint8_t>(axisRule.axes | (1U << axes.of[d]));
            }
        }
        axes.coupled = axes.coupled || ((axisRule.axes & 1U) != 0 && axisRule.axes != 1U);
        axes.rules.push_back(axisRule);
    }
    return axes;
}

// The deals within every rule, the points `outer` on one side and the
// gathered points on the other.
WideCount Counter::within(const PointSums& sums, const Points& outer) const {
    constexpr int kFar = 1 << 20;
    std::array<int, 3> at{};
    for (std::size_t d = 0; d < kMostDims; ++d) {
        at[axes_.of[d]] = outer[d];
    }
    PointSums::Bounds bounds{{0, 0, 0}, {kFar, kFar, kFar}, -kFar, kFar};
    std::array<std::pair<std::uint8_t, Span>, 8> across{};  // rules adding axis 0 to others
    std::size_t crossing = 0;
    for (const AxisRule& rule : axes_.rules) {
        int offset = 0;
        for (std::size_t a = 0; a < at.size(); ++a) {
            offset += ((rule.axes >> a) & 1U) != 0 ? at[a] : 0;
        }
        const Span left{rule.points.lo - offset, rule.points.hi - offset};
        if (std::popcount(rule.axes) == 1) {
            const auto a = static_cast<std::size_t>(std::countr_zero(rule.axes));
            bounds.lo[a] = std::max(bounds.lo[a], left.lo);
            bounds.hi[a] = std::min(bounds.hi[a], left.hi);
        } else if (rule.axes == 6U) {
            bounds.sumLo = std::max(bounds.sumLo, left.lo);
            bounds.sumHi = std::min(bounds.sumHi, left.hi);
        } else if (crossing < across.size()) {
            across[crossing++] = {rule.axes, left};
        }
    }
    if (crossing == 0) {
        return sums.sum(bounds);
    }
    WideCount total = 0;
    const int from = std::max(bounds.lo[0], 0);
    const int to = std::min(bounds.hi[0], sums.extents()[0] - 1);
    for (int a0 = from; a0 <= to; ++a0) {
        PointSums::Bounds slice = bounds;
        slice.lo[0] = a0;
        slice.hi[0] = a0;
        for (std::size_t r = 0; r < crossing; ++r) {
            const auto& [axes, span] = across[r];
            const Span left{span.lo - a0, span.hi - a0};
            const auto rest = static_cast<std::uint8_t>(axes & ~1U);
            if (rest == 6U) {
                slice.sumLo = std::max(slice.sumLo, left.lo);
                slice.sumHi = std::min(slice.sumHi, left.hi);
            } else {
                const auto a = static_cast<std::size_t>(std::countr_zero(rest));
                slice.lo[a] = std::max(slice.lo[a], left.lo);
                slice.hi[a] = std::min(slice.hi[a], left.hi);
            }
        }
        total += sums.sum(slice);
    }
    return total;
}

// The halves meet. One is gone through cell by cell; for each, the cells
// of the other that complete it are gathered (weighted by the ways to
// deal the small cards of the suits not read) into point sums, which
// each point entry of the first then reads. The half whose points span
// less is gathered, unless going through it costs more.
std::optional<WideCount> Counter::join(const Table& x, const Table& y, double mostWork) const {
    int filler = 0;  // small cards of the suits not read, dealt last
    for (std::size_t s = 0; s < kSuits.size(); ++s) {
        filler += plan_.read[s] ? 0 : plan_.spots[s];
    }
    const auto costOf = [&](const Table& outer, const Table& inner) {
        double gathered = 1;
        double readCost = 16;
        for (std::size_t d = 0; d < kMostDims; ++d) {
            gathered *= inner.extents[d];
            if (axes_.coupled && axes_.of[d] == 0) {
                readCost *= inner.extents[d];
            }
        }
        const double perCell =
            filler > 0 ? static_cast<double>(inner.entries.size())
                       : static_cast<double>(inner.entries.size()) /
                             static_cast<double>(std::max<std::size_t>(inner.numbers.size(), 1));
        return static_cast<double>(outer.numbers.size()) * (perCell + 6 * gathered) +
               static_cast<double>(outer.entries.size()) * readCost;
    };
    const double fromX = costOf(x, y);
    const double fromY = costOf(y, x);
    if (std::min(fromX, fromY) > mostWork) {
        return std::nullopt;
    }
    return fromY < fromX ? meet(y, x, filler) : meet(x, y, filler);
}

WideCount Counter::meet(const Table& outer, const Table& inner, int filler) const {
    std::vector<int> cellOf(inner.layout.size, -1);
    for (std::size_t c = 0; c < inner.numbers.size(); ++c) {
        cellOf[inner.numbers[c]] = static_cast<int>(c);
    }
    std::array<int, 3> extents{1, 1, 1};
    for (std::size_t d = 0; d < static_cast<std::size_t>(plan_.dims); ++d) {
        extents[axes_.of[d]] = inner.extents[d];
    }

    // The digits of the inner half a shaped unit may take after each of
    // its digits in the outer half: the vectors its shape allows.
    std::array<std::vector<std::vector<int>>, kMostUnits> completions;
    for (std::size_t u = 0; u < keyed_; ++u) {
        const CountUnit& unit = plan_.units[u];
        if (!unit.shaped) {
            continue;
        }
        completions[u].resize(outer.layout.radix[u]);
        for (const LengthVector& l : unit.shapes) {
            const auto digit = [&](const Layout& layout) {
                const bool first = layout.firstHalf;
                return layout.shapeDigits[u][first ? l[0] : l[2]][first ? l[1] : l[3]];
            };
            completions[u][static_cast<std::size_t>(digit(outer.layout))].push_back(
                digit(inner.layout));
        }
    }

    PointSums sums;
    WideCount total = 0;
    for (std::size_t c = 0; c < outer.numbers.size(); ++c) {
        const Values mine = digitsOf(outer.layout, outer.numbers[c]);
        sums.reset(extents);
        bool any = false;
        const auto gather = [&](std::size_t cell, WideCount weight) {
            for (std::size_t e = inner.starts[cell]; e < inner.starts[cell + 1]; ++e) {
                const Entry& entry = inner.entries[e];
                std::array<int, 3> at{};
                for (std::size_t d = 0; d < kMostDims; ++d) {
                    at[axes_.of[d]] = entry.points[d];
                }
                WideCount& here = sums.at(at[0], at[1], at[2]);
                here = checkedAdd(here, checkedMul<WideCount>(weight, entry.ways));
            }
            any = true;
        };
        if (filler == 0) {
            // Each unit's other half is what makes its cards, or completes its shape.
            const auto pick = [&](const auto& self, std::size_t u, std::size_t number) -> void {
                if (u == keyed_) {
                    const int cell = cellOf[number];
                    if (cell >= 0) {
                        gather(static_cast<std::size_t>(cell), 1);
                    }
                    return;
                }
                const CountUnit& unit = plan_.units[u];
                if (unit.shaped) {
                    for (const int digit : completions[u][mine[u]]) {
                        self(self, u + 1,
                             number + static_cast<std::size_t>(digit) * inner.layout.stride[u]);
                    }
                } else if (unit.cards >= mine[u]) {
                    self(self, u + 1,
                         number + static_cast<std::size_t>(unit.cards - mine[u]) *
                                      inner.layout.stride[u]);
                }
            };
            pick(pick, 0, 0);
        } else {
            for (std::size_t cell = 0; cell < inner.numbers.size(); ++cell) {
                const Values theirs = digitsOf(inner.layout, inner.numbers[cell]);
                Share left{};
                int dealt = 0;
                bool fits = true;
                for (std::size_t u = 0; u < keyed_ && fits; ++u) {
                    left[u] = plan_.units[u].cards - mine[u] - theirs[u];
                    fits = left[u] >= 0;
                    dealt += left[u];
                }
                if (!fits || dealt > filler) {
                    continue;
                }
                left[keyed_] = filler - dealt;  // the implied unit takes the rest
                gather(cell, waysToShare(filler, left, keyed_ + 1));
            }
        }
        if (!any) {
            continue;
        }
        sums.prepare();
        for (std::size_t e = outer.starts[c]; e < outer.starts[c + 1]; ++e) {
            total = checkedAdd(total, checkedMul<WideCount>(outer.entries[e].ways,
                                                            within(sums, outer.entries[e].points)));
        }
    }
    return total;
}

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
    if (work > kMostWork) {
        return std::nullopt;
    }
    const std::optional<Table> x = tableOf(*xParts.first, xParts.second, first);
    const std::optional<Table> y = tableOf(*yParts.first, yParts.second, second);
    if (!x || !y) {
        return std::nullopt;
    }
    const std::optional<WideCount> joined = join(*x, *y, kMostWork - work);
    if (!joined) {
        return std::nullopt;
    }
    return checkedMul(*joined, plan_.splits);
}

}  // namespace

std::optional<WideCount> countDeals(const DealQuestion& question) {
    const CountPlan plan = planOf(question);
    if (plan.outcome == CountPlan::Outcome::Empty) {
        return 0;
    }
    return Counter(plan).count();
}

}  // namespace ondiscale
