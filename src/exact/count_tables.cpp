#include "exact/counter.h"

namespace ondiscale::counting {

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
    if (pooled_) {
        layout.radix[keyed_] = kPoolCodes;
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
    if (pooled_) {
        number += kBothMasks[a[keyed_]][(*b)[keyed_]] * layout.stride[keyed_];
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

    // With cards only (no shape, no pool), a cell's number is the sum of
    // its two parts' numbers, and the parts fit when no unit's byte of
    // their packed sum passes its cards: the costliest loop stays a few
    // additions.
    bool linear = !pooled_;
    std::uint32_t room = 0;  // per unit byte: 127 less its cards
    for (std::size_t u = 0; u < keyed_; ++u) {
        linear = linear && !plan_.units[u].shaped;
        room |= static_cast<std::uint32_t>(127 - plan_.units[u].cards) << (8 * u);
    }
    struct Packed {
        std::uint32_t digits;
        std::uint32_t number;
        Count ways;
    };
    const auto packed = [&](const std::vector<Ways<Values>>& cells) {
        std::vector<Packed> list;
        for (const auto& [values, ways] : cells) {
            std::uint32_t digits = 0;
            std::size_t number = 0;
            for (std::size_t u = 0; u < keyed_; ++u) {
                digits |= static_cast<std::uint32_t>(values[u]) << (8 * u);
                number += values[u] * layout.stride[u];
            }
            list.push_back({digits, static_cast<std::uint32_t>(number), ways});
        }
        return list;
    };
    std::vector<std::vector<Packed>> packedA;
    std::vector<std::vector<Packed>> packedB;
    if (linear) {
        for (const Piece& x : a) {
            packedA.push_back(packed(x.cells));
        }
        for (const Piece& y : second) {
            packedB.push_back(packed(y.cells));
        }
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Piece& x = a[i];
        for (std::size_t j = 0; j < second.size(); ++j) {
            const Piece& y = second[j];
            if (linear) {
                for (const Packed& cx : packedA[i]) {
                    for (const Packed& cy : packedB[j]) {
                        if (((cx.digits + cy.digits + room) & 0x80808080U) == 0) {
                            add(cellWays, touched, cx.number + cy.number,
                                checkedMul(cx.ways, cy.ways));
                        }
                    }
                }
            } else {
                for (const auto& [cx, wx] : x.cells) {
                    for (const auto& [cy, wy] : y.cells) {
                        const long number = numberOf(layout, cx, b != nullptr ? &cy : nullptr);
                        if (number >= 0) {
                            add(cellWays, touched, static_cast<std::size_t>(number),
                                checkedMul(wx, wy));
                        }
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

    // Then cell by cell (the shares bucketed by cell), the points of every
    // combination reaching it, in a dense table of the points.
    std::vector<std::uint32_t> firstShare(layout.size + 1, 0);
    for (const Share& share : shares) {
        ++firstShare[share.cell + 1];
    }
    for (std::size_t c = 0; c < layout.size; ++c) {
        firstShare[c + 1] += firstShare[c];
    }
    std::vector<std::uint32_t> byCell(shares.size());
    {
        std::vector<std::uint32_t> next(firstShare.begin(), firstShare.end() - 1);
        for (std::size_t i = 0; i < shares.size(); ++i) {
            byCell[next[shares[i].cell]++] = static_cast<std::uint32_t>(i);
        }
    }
    const auto pointsAt = [&](std::size_t number) {
        Points p{};
        p[2] = static_cast<std::uint8_t>(number % static_cast<std::size_t>(table.extents[2]));
        number /= static_cast<std::size_t>(table.extents[2]);
        p[1] = static_cast<std::uint8_t>(number % static_cast<std::size_t>(table.extents[1]));
        p[0] = static_cast<std::uint8_t>(number / static_cast<std::size_t>(table.extents[1]));
        return p;
    };
    for (std::size_t cell = 0; cell < layout.size; ++cell) {
        if (firstShare[cell] == firstShare[cell + 1]) {
            continue;
        }
        // A half of two suits is dealt in under 4^26 ways: no product
        // here passes 64 bits.
        for (std::uint32_t i = firstShare[cell]; i < firstShare[cell + 1]; ++i) {
            const Share& share = shares[byCell[i]];
            for (const auto& [at, ways] : combinations[share.combination]) {
                pointWays[at] += share.ways * ways;
            }
        }
        table.numbers.push_back(static_cast<std::uint32_t>(cell));
        table.starts.push_back(table.entries.size());
        for (std::size_t at = 0; at < pointCells; ++at) {
            if (pointWays[at] != 0) {
                table.entries.push_back({pointsAt(at), pointWays[at]});
                pointWays[at] = 0;
            }
        }
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

}  // namespace ondiscale::counting
