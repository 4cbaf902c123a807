#include "engine/dealer.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/random_range.h"

namespace ondiscale {

void Dealer::dealSouth(Hand& hand) {
    // The generator works from a local copy, written back at the end: a
    // store of a card (a byte, which may alias anything) into the caller's
    // hand would otherwise force it out of registers.
    Generator generator = generator_;
    generator.reseed(clock_());
    constexpr RandomRange kCards{kLowestCard, kHighestCard};

    // The cards already dealt, one bit per card number: testing a draw
    // against the bit gives the same answer as comparing it with every
    // earlier card. Every draw is written at the next place, which moves
    // on only when the card is new, so a repeated card is replaced by the
    // next draw: no branch on the repeat, which the processor could not
    // predict.
    Hand cards{};
    cards[0] = static_cast<Card>(kCards.draw(generator));
    std::uint64_t dealt = std::uint64_t{1} << cards[0];
    std::size_t kept = 1;
    while (kept < cards.size()) {
        const auto card = static_cast<Card>(kCards.draw(generator));
        const std::uint64_t fresh = ((dealt >> card) & 1U) ^ 1U;
        cards[kept] = card;
        dealt |= fresh << card;
        kept += fresh;
    }
    hand = cards;
    generator_ = generator;
}

namespace {

// The 52 cards, spades to clubs.
constexpr std::array<Card, 52> kDeck = [] {
    std::array<Card, 52> deck{};
    for (std::size_t i = 0; i < deck.size(); ++i) {
        deck[i] = static_cast<Card>(kLowestCard + i);
    }
    return deck;
}();

// A whole number uniform in 0..n-1 from 32 random bits (Lemire's
// multiply-and-shift), and where those bits fall in the few that would
// favour some numbers, from the next 32 bits taken instead.
template <typename Next>
std::uint32_t below(std::uint32_t n, std::uint32_t bits, Next&& next) {
    std::uint64_t product = std::uint64_t{bits} * n;
    if (static_cast<std::uint32_t>(product) < n) {
        const std::uint32_t threshold = (0U - n) % n;
        while (static_cast<std::uint32_t>(product) < threshold) {
            product = std::uint64_t{next()} * n;
        }
    }
    return static_cast<std::uint32_t>(product >> 32);
}

}  // namespace

void Dealer::dealTable(Deal& deal) {
    Generator shuffler = generator_;
    shuffler.reseed(clock_());
    const auto fresh32 = [&shuffler] { return static_cast<std::uint32_t>(shuffler.next() >> 32); };

    // Fisher and Yates, stopped once the first three hands are drawn: the
    // last 13 cards are West's. Each 64-bit value gives two draws.
    std::array<Card, 52> deck = kDeck;
    constexpr std::size_t kDrawn = 39;
    for (std::size_t i = 0; i < kDrawn; i += 2) {
        const std::uint64_t bits = shuffler.next();
        const auto first = static_cast<std::uint32_t>(deck.size() - i);
        std::swap(deck[i], deck[i + below(first, static_cast<std::uint32_t>(bits), fresh32)]);
        if (i + 1 < kDrawn) {
            std::swap(
                deck[i + 1],
                deck[i + 1 + below(first - 1, static_cast<std::uint32_t>(bits >> 32), fresh32)]);
        }
    }
    for (std::size_t seat = 0; seat < deal.size(); ++seat) {
        std::copy_n(deck.begin() + static_cast<std::ptrdiff_t>(13 * seat), 13, deal[seat].begin());
    }
    generator_ = shuffler;
}

}  // namespace ondiscale
