#pragma once

#include "engine/cards.h"
#include "engine/generator.h"

namespace ondiscale {

// Deals hands from its own generator, reseeded from its clock before every
// deal: a given generator and clock give a given sequence of deals. The
// program has one dealer, whose clock is the system's.
class Dealer {
public:
    explicit Dealer(Generator generator = Generator::fromEntropy(), Clock clock = systemClock)
        : generator_(generator), clock_(clock) {}

    // South's 13 cards: a reseed from the clock, then one uniform draw from
    // the 52 cards after another, a card already dealt being drawn again,
    // so that every set of 13 cards is equally likely. The cards stay in
    // the order drawn.
    void dealSouth(Hand& hand);

    // A whole deal: a reseed from the clock, then the 52 cards shuffled
    // into North, East, South and West, every deal equally likely. Each
    // card is drawn exactly uniformly from those left, 32 random bits a
    // draw, the rare draw that would favour some cards drawn again.
    void dealTable(Deal& deal);

private:
    Generator generator_;
    Clock clock_;
};

}  // namespace ondiscale
