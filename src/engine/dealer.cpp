#include "dealer.h"

#include <algorithm>

namespace ondiscale {

void Dealer::TirageS(MainSud& hand) {
    if (!Alea) {
        Alea.emplace();
    }
    hasard& alea = *Alea;
    hasard::Shuffle();
    alea.Smallest = 2;
    alea.Largest = 53;

    // The cards already dealt, one bit per card number: testing a draw
    // against the bit gives the same answer as comparing it with every
    // earlier position. The cards go to a local copy first: a store into
    // the caller's bytes could alias the generator and force it out of
    // registers.
    MainSud cards{};
    cards[1] = static_cast<std::uint8_t>(alea.Value());
    std::uint64_t dealt = std::uint64_t{1} << cards[1];
    std::size_t kept = 1;
    while (kept < 13) {
        // Rejection sampling: every draw is written at the next position,
        // which moves on only when the card is new, so a repeated card is
        // replaced by the next draw. No branch on the repeat, which the
        // processor could not predict.
        const auto x = static_cast<std::uint8_t>(alea.Value());
        const std::uint64_t fresh = ((dealt >> x) & 1U) ^ 1U;
        cards[kept + 1] = x;
        dealt |= fresh << x;
        kept += fresh;
    }
    std::copy(cards.begin() + 1, cards.end(), hand.begin() + 1);
}

}  // namespace ondiscale
