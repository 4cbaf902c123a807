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

// Fisher and Yates over the first `size` cards of the deck, stopped after `drawn` places, each
// card drawn exactly uniformly from those left. Each 64-bit value gives two
// draws. Inlined into each dealer, so that the generator's state stays in
// registers and the whole deck's shuffle is compiled for its fixed sizes.
[[gnu::always_inline]] inline void shuffle(std::array<Card, 52>& deck, std::size_t size,
                                           std::size_t drawn, Generator& shuffler) {
    const auto fresh32 = [&shuffler] { return static_cast<std::uint32_t>(shuffler.next() >> 32); };
    for (std::size_t i = 0; i < drawn; i += 2) {
        const std::uint64_t bits = shuffler.next();
        const auto first = static_cast<std::uint32_t>(size - i);
        std::swap(deck[i], deck[i + below(first, static_cast<std::uint32_t>(bits), fresh32)]);
        if (i + 1 < drawn) {
            std::swap(
                deck[i + 1],
                deck[i + 1 + below(first - 1, static_cast<std::uint32_t>(bits >> 32), fresh32)]);
        }
    }
}

}  // namespace

void Dealer::dealTable(Deal& deal) {
    Generator shuffler = generator_;
    shuffler.reseed(clock_());
    // Stopped once the first three hands are drawn: the last 13 cards are
    // West's.
    std::array<Card, 52> deck = kDeck;
    shuffle(deck, deck.size(), 39, shuffler);
    for (std::size_t seat = 0; seat < deal.size(); ++seat) {
        std::copy_n(deck.begin() + static_cast<std::ptrdiff_t>(13 * seat), 13, deal[seat].begin());
    }
    generator_ = shuffler;
}

PlacedCards::PlacedCards(const std::array<CardSet, 4>& bySeat) {
    CardSet given = 0;
    for (std::size_t seat = 0; seat < bySeat.size(); ++seat) {
        for (const Card card : kDeck) {
            if ((bySeat[seat] & cardBit(card)) != 0 && givenCount_[seat] < 13) {
                given_[seat][givenCount_[seat]++] = card;
                given |= cardBit(card);
            }
        }
    }
    for (const Card card : kDeck) {
        if ((given & cardBit(card)) == 0) {
            free_[freeCount_++] = card;
        }
    }
    std::size_t last = 0;
    for (const std::size_t given : givenCount_) {
        last = given < 13 ? 13 - given : last;
    }
    drawn_ = freeCount_ - last;
}

void Dealer::dealTable(Deal& deal, const PlacedCards& placed) {
    Generator shuffler = generator_;
    shuffler.reseed(clock_());
    std::array<Card, 52> deck = placed.free_;
    shuffle(deck, placed.freeCount_, placed.drawn_, shuffler);
    const Card* next = deck.data();
    for (std::size_t seat = 0; seat < deal.size(); ++seat) {
        const std::size_t given = placed.givenCount_[seat];
        std::copy_n(placed.given_[seat].begin(), given, deal[seat].begin());
        std::copy_n(next, 13 - given, deal[seat].begin() + static_cast<std::ptrdiff_t>(given));
        next += 13 - given;
    }
    generator_ = shuffler;
}

}  // namespace ondiscale
