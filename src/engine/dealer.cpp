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
    // earlier position, without a loop whose exit the processor mispredicts.
    // The cards go to a local copy first: a store into the caller's
    // bytes could alias the generator and force it out of registers.
    MainSud cards{};
    cards[1] = static_cast<std::uint8_t>(alea.Value());
    std::uint64_t dealt = std::uint64_t{1} << cards[1];
    for (std::size_t i = 2; i <= 13; ++i) {
        // Rejection sampling: a repeated card is drawn again for the same position.
        std::uint8_t x = 0;
        do {
            x = static_cast<std::uint8_t>(alea.Value());
        } while (((dealt >> x) & 1U) != 0);
        dealt |= std::uint64_t{1} << x;
        cards[i] = x;
    }
    std::copy(cards.begin() + 1, cards.end(), hand.begin() + 1);
}

}  // namespace ondiscale
