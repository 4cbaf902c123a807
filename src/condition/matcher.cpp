#include "condition/matcher.h"

#include <algorithm>

#include "condition/shapes.h"

namespace ondiscale {
namespace {

std::uint64_t packedOf(const PerSuit<std::uint8_t>& lengths, std::uint8_t points) {
    std::uint64_t word = static_cast<std::uint64_t>(points) << 32;
    for (std::size_t s = 0; s < lengths.size(); ++s) {
        word |= static_cast<std::uint64_t>(lengths[s]) << (8 * s);
    }
    return word;
}

}  // namespace

TableCheck::TableCheck(const TableBounds& bounds) {
    const auto add = [this](std::size_t row, const HandBounds& b, const HandBounds& open) {
        if (b == open) {
            return;
        }
        // Bounds past what any measure reaches act as that reach, and keep
        // every byte below 128.
        PerSuit<std::uint8_t> mins{};
        PerSuit<std::uint8_t> maxs{};
        for (std::size_t s = 0; s < mins.size(); ++s) {
            mins[s] = std::min<std::uint8_t>(b.suits[s].min, 127);
            maxs[s] = std::min<std::uint8_t>(b.suits[s].max, 127);
        }
        packed_[count_++] = {row, packedOf(mins, std::min<std::uint8_t>(b.points.min, 127)),
                             packedOf(maxs, std::min<std::uint8_t>(b.points.max, 127))};
    };
    for (const Seat seat : kSeats) {
        add(rowOf(seat), bounds.hand(seat), HandBounds{});
    }
    for (const Side side : kSides) {
        add(rowOf(side), bounds.side(side), anySide());
    }
}

std::array<CardSet, 4> placedCards(const ConditionPart& known) {
    return known.alternatives.size() == 1 ? known.alternatives.front().cards
                                          : std::array<CardSet, 4>{};
}

PartMatcher::PartMatcher(const ConditionPart& part, const std::array<CardSet, 4>& placed) {
    const std::size_t count = std::min(part.alternatives.size(), kMostAlternatives);
    for (std::size_t a = 0; a < count; ++a) {
        ranges_.emplace_back(part.alternatives[a].bounds);
    }
    if (count == 0) {
        ranges_.emplace_back();  // a part without alternatives asks nothing
    }
    for (const Seat seat : kSeats) {
        const std::size_t s = index(seat);
        const bool shaped =
            std::any_of(part.alternatives.begin(),
                        part.alternatives.begin() + static_cast<std::ptrdiff_t>(count),
                        [&](const Alternative& a) { return !a.shapes[s].any(); });
        if (shaped) {
            ShapeTable& table = shapes_.emplace_back();
            table.row = rowOf(seat);
            for (unsigned sp = 0; sp <= kSuitCards; ++sp) {
                for (unsigned h = 0; sp + h <= kSuitCards; ++h) {
                    for (unsigned d = 0; sp + h + d <= kSuitCards; ++d) {
                        const SuitLengths lengths{
                            static_cast<std::uint8_t>(sp), static_cast<std::uint8_t>(h),
                            static_cast<std::uint8_t>(d),
                            static_cast<std::uint8_t>(kSuitCards - sp - h - d)};
                        std::uint8_t bits = 0;
                        for (std::size_t a = 0; a < count; ++a) {
                            bits |= static_cast<std::uint8_t>(
                                fits(part.alternatives[a].shapes[s], lengths) ? 1U << a : 0U);
                        }
                        table.bits[sp | (h << 4) | (d << 8)] = bits;
                    }
                }
            }
        }
        CardNeeds needs;
        needs.seat = s;
        bool any = false;
        for (std::size_t a = 0; a < count; ++a) {
            needs.cards[a] = part.alternatives[a].cards[s] & ~placed[s];
            any = any || needs.cards[a] != 0;
        }
        if (any) {
            cards_.push_back(needs);
        }
    }
}

QuestionMatcher::QuestionMatcher(const Condition& condition, const std::array<CardSet, 4>& placed)
    : known_(condition.known, placed), asked_(condition.asked) {}

}  // namespace ondiscale
