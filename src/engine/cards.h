#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace ondiscale {

// The four suits, in the order bridge writes them: bounds, lengths,
// diagrams and PBN all go spades, hearts, diamonds, clubs.
enum class Suit : std::uint8_t { Spades, Hearts, Diamonds, Clubs };
inline constexpr std::array<Suit, 4> kSuits{Suit::Spades, Suit::Hearts, Suit::Diamonds,
                                            Suit::Clubs};
constexpr std::size_t index(Suit suit) { return static_cast<std::size_t>(suit); }

// One value per suit, indexed by index(Suit).
template <typename T>
using PerSuit = std::array<T, 4>;

// A card is 13 x suit + rank, the suit as numbered above and the rank from
// 2 to 14 (11 jack, 12 queen, 13 king, 14 ace): spades 2..14, hearts
// 15..27, diamonds 28..40, clubs 41..53. A byte, and below 64, so that a
// set of cards fits one 64-bit word.
using Card = std::uint8_t;
inline constexpr Card kLowestCard = 2;
inline constexpr Card kHighestCard = 53;
inline constexpr int kJack = 11;
inline constexpr int kQueen = 12;
inline constexpr int kKing = 13;
inline constexpr int kAce = 14;

constexpr Card cardOf(Suit suit, int rank) {
    return static_cast<Card>(13 * static_cast<int>(index(suit)) + rank);
}
constexpr Suit suitOf(Card card) { return static_cast<Suit>((card - kLowestCard) / 13); }
constexpr int rankOf(Card card) { return (card - kLowestCard) % 13 + 2; }

// A set of cards: bit c for card c (2..53), so any set fits a word.
using CardSet = std::uint64_t;
constexpr CardSet cardBit(Card card) { return CardSet{1} << card; }
inline constexpr CardSet kAllCards = ((CardSet{1} << (kHighestCard + 1)) - 1) & ~CardSet{3};
// The cards of one suit.
constexpr CardSet suitCards(Suit suit) { return ((CardSet{1} << 13) - 1) << cardOf(suit, 2); }

// Thirteen cards, in the order they were dealt.
using Hand = std::array<Card, 13>;

// The seats clockwise from North, as PBN and the double-dummy solver
// number them.
enum class Seat : std::uint8_t { North, East, South, West };
inline constexpr std::array<Seat, 4> kSeats{Seat::North, Seat::East, Seat::South, Seat::West};
constexpr std::size_t index(Seat seat) { return static_cast<std::size_t>(seat); }

// The two partnerships: North with South, East with West.
enum class Side : std::uint8_t { NorthSouth, EastWest };
inline constexpr std::array<Side, 2> kSides{Side::NorthSouth, Side::EastWest};
constexpr std::size_t index(Side side) { return static_cast<std::size_t>(side); }
constexpr Side sideOf(Seat seat) { return static_cast<Side>(index(seat) % 2); }

// A whole deal: the four hands, indexed by index(Seat).
using Deal = std::array<Hand, 4>;

// The cards in the order diagrams and PBN show them: spades to clubs, each
// suit from the ace down.
inline void sortHand(Hand& hand) {
    std::sort(hand.begin(), hand.end(), [](Card a, Card b) {
        return suitOf(a) != suitOf(b) ? suitOf(a) < suitOf(b) : rankOf(a) > rankOf(b);
    });
}

}  // namespace ondiscale
