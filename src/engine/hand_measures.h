#pragma once

#include <cstdint>
#include <string>

#include "dealer.h"

namespace ondiscale {

// Suit lengths in the order spades, hearts, diamonds, clubs; a card
// number outside 2..53 counts in no suit.
void Longueurs(const MainSud& hand, std::uint8_t& spades, std::uint8_t& hearts,
               std::uint8_t& diamonds, std::uint8_t& clubs);

// The four lengths of Longueurs as one value.
struct SuitLengths {
    std::uint8_t spades = 0;
    std::uint8_t hearts = 0;
    std::uint8_t diamonds = 0;
    std::uint8_t clubs = 0;
};

inline SuitLengths Lengths(const MainSud& hand) {
    SuitLengths l;
    Longueurs(hand, l.spades, l.hearts, l.diamonds, l.clubs);
    return l;
}

// High-card points: ace 4, king 3, queen 2, jack 1.
std::uint8_t PointsH(const MainSud& hand);

// The four lengths longest first, joined without separator ("5431", "12100").
std::string Forme(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d);

std::uint8_t Max2(std::uint8_t a, std::uint8_t b);
std::uint8_t Min2(std::uint8_t a, std::uint8_t b);
std::uint8_t Max4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d);
std::uint8_t Min3(std::uint8_t a, std::uint8_t b, std::uint8_t c);
std::uint8_t Min4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d);

}  // namespace ondiscale
