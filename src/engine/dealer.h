#pragma once

#include "engine/cards.h"
#include "engine/generator.h"

namespace ondiscale {

// Cards that belong to given hands before a deal: the deck left once they
// are set aside, and each hand's own. A hand is given 13 cards at most and
// a card to one hand only, which whoever makes the deck has checked.
class PlacedCards {
public:
    explicit PlacedCards(const std::array<CardSet, 4>& bySeat);

private:
    friend class Dealer;
    std::array<Card, 52> free_{};  // the cards no hand is given, first
    std::size_t freeCount_ = 0;
    std::size_t drawn_ = 0;  // draws a deal takes: the last hand with room gets the rest
    std::array<Hand, 4> given_{};
    std::array<std::size_t, 4> givenCount_{};
};

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

    // A whole deal where each hand holds its placed cards and the rest are
    // shuffled as dealTable shuffles the whole deck: every deal with those
    // cards where they are is equally likely. With a whole hand placed,
    // only the other 39 cards are drawn.
    void dealTable(Deal& deal, const PlacedCards& placed);

private:
    Generator generator_;
    Clock clock_;
};

}  // namespace ondiscale
