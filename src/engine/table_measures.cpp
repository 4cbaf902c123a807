#include "engine/table_measures.h"

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

}  // namespace ondiscale
