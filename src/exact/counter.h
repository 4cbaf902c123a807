#pragma once

// The counter's own parts, shared by its files (count_*.cpp and
// deal_count.cpp); nothing here is for the rest of the program.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "exact/checked_count.h"
#include "exact/count_plan.h"
#include "exact/point_sums.h"

namespace ondiscale::counting {

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
// points lie within every rule (count_join.cpp). Where hands that read no
// length have points followed beside hands that read some, those hands
// may instead be pooled (count_pool.cpp): they care only for how many
// honours of each rank they get between them.

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

// Adds `ways` to the points' line of the list.
void addTo(std::vector<Ways<Points>>& list, const Points& points, Count ways);

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
    [[nodiscard]] std::size_t size() const { return keys_.size(); }
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

// Pieces whose points are alike up to a factor become one.
void mergeAlike(std::vector<Piece>& pieces);

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

// Every way to give each of `honours` honours to one of `parts` parts:
// f gets the part of each honour in turn.
template <typename F>
void forEachPlacement(std::size_t honours, std::size_t parts, F&& f) {
    std::size_t ways = 1;
    for (std::size_t h = 0; h < honours; ++h) {
        ways *= parts;
    }
    std::array<std::size_t, 4> placed{};
    for (std::size_t way = 0; way < ways; ++way) {
        std::size_t rest = way;
        for (std::size_t h = 0; h < honours; ++h) {
            placed[h] = rest % parts;
            rest /= parts;
        }
        f(placed);
    }
}

// The ways to deal n given cards in piles of the share's sizes.
WideCount waysToShare(int n, const Share& share, std::size_t parts);

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

struct WideEntry {
    Points points;
    WideCount ways;
};

struct Table {
    Layout layout;
    std::vector<std::uint32_t> numbers;  // of the cells held
    std::vector<std::size_t> starts;     // entries of cell c: [starts[c], starts[c + 1])
    std::vector<Entry> entries;
    std::array<int, kMostDims> extents{1, 1, 1};  // 1 + the most points of each dimension
};

// About how many steps tableOf takes for these parts.
double costOf(const std::vector<Piece>& a, const std::vector<Piece>* b, const Layout& layout);

// The digits of a cell's number.
Values digitsOf(const Layout& layout, std::size_t number);

// A pool's honours of two suits, by rank: 0 to 2 of each (base 3); of
// all four suits: 0 to 4 of each (base 5). kBothMasks gives two suits'
// code from the honours of each, a bit per rank.
constexpr std::size_t kPoolCodes = 81;
constexpr std::size_t kPoolCodes5 = 625;
constexpr auto kBothMasks = [] {
    std::array<std::array<std::size_t, 16>, 16> codes{};
    for (std::size_t a = 0; a < 16; ++a) {
        for (std::size_t b = 0; b < 16; ++b) {
            std::size_t code = 0;
            for (std::size_t rank = 4; rank-- > 0;) {
                code = code * 3 + ((a >> rank) & 1U) + ((b >> rank) & 1U);
            }
            codes[a][b] = code;
        }
    }
    return codes;
}();
// Two halves' codes met: the base-5 code of the pool's honours.
constexpr std::size_t bothHalves(std::size_t x, std::size_t y) {
    std::size_t code = 0;
    std::size_t place = 1;
    for (int rank = 0; rank < 4; ++rank) {
        code += (x % 3 + y % 3) * place;
        x /= 3;
        y /= 3;
        place *= 5;
    }
    return code;
}

// Halves above this many cells are not counted: shapes on every hand
// wide enough to make them are rare, and too slow.
constexpr std::size_t kMostCells = std::size_t{1} << 22;

class Counter {
public:
    // Counts that would take more than `mostWork` steps are not made.
    explicit Counter(const CountPlan& plan, double mostWork, bool pooled = false)
        : plan_(plan),
          mostWork_(mostWork),
          units_(plan.units.size()),
          keyed_(plan.lastImplied ? units_ - 1 : units_),
          pooled_(pooled),
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

    // With the last unit a pool (see countPooled): the deals of its other
    // units by the pool's honours (kPoolCodes5) and their points.
    using ByPool = std::vector<std::vector<WideEntry>>;
    [[nodiscard]] std::optional<ByPool> poolHalves(double mostWork) const;

private:
    [[nodiscard]] std::optional<WideCount> countPooled(double mostWork) const;
    [[nodiscard]] CountPlan poolPlan() const;
    [[nodiscard]] double poolCost() const;
    [[nodiscard]] std::vector<std::vector<Ways<Points>>> poolShares(
        const std::vector<bool>& needed) const;
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
    double mostWork_;
    std::size_t units_;
    std::size_t keyed_;  // units in a cell's number: all but an implied last one
    bool pooled_;        // the last unit is a pool whose honours are followed by rank
    Axes axes_;
    Points most_{};  // the most points of each dimension any rule lets through
    Layout firstLayout_;
    Layout secondLayout_;
};

}  // namespace ondiscale::counting
