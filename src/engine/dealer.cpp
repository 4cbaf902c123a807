#include "engine/dealer.h"

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

}  // namespace ondiscale
