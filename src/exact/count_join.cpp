#include <bit>

#include "exact/counter.h"

namespace ondiscale::counting {

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

}  // namespace ondiscale::counting
