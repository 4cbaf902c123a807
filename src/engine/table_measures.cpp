#include "engine/table_measures.h"

#include <algorithm>

namespace ondiscale {
namespace {

// Every card's word: one in the byte of its suit, its points in byte 4.
constexpr std::array<std::uint64_t, 64> kCardWords = [] {
    std::array<std::uint64_t, 64> words{};
    for (unsigned c = kLowestCard; c <= kHighestCard; ++c) {
        const auto card = static_cast<Card>(c);
        const int rank = rankOf(card);
        const std::uint64_t points = rank > 10 ? static_cast<std::uint64_t>(rank - 10) : 0;
        words[c] = (std::uint64_t{1} << (8 * index(suitOf(card)))) | (points << 32);
    }
    return words;
}();

std::uint64_t packedOf(const PerSuit<std::uint8_t>& lengths, std::uint8_t points) {
    std::uint64_t word = static_cast<std::uint64_t>(points) << 32;
    for (std::size_t s = 0; s < lengths.size(); ++s) {
        word |= static_cast<std::uint64_t>(lengths[s]) << (8 * s);
    }
    return word;
}

}  // namespace

TableMeasures measureTable(const Deal& deal) {
    TableMeasures m;
    for (std::size_t seat = 0; seat < deal.size(); ++seat) {
        std::uint64_t word = 0;
        for (const Card card : deal[seat]) {
            word += kCardWords[card & 63U];
        }
        m.rows[seat] = word;
    }
    m.rows[rowOf(Side::NorthSouth)] = m.rows[rowOf(Seat::North)] + m.rows[rowOf(Seat::South)];
    m.rows[rowOf(Side::EastWest)] = m.rows[rowOf(Seat::East)] + m.rows[rowOf(Seat::West)];
    return m;
}

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

}  // namespace ondiscale
