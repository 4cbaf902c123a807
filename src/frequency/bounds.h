#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ondiscale {

// The ten stored bounds: P spades, C hearts, K diamonds, T clubs, H points.
struct StoredBounds {
    std::uint8_t HMin = 0;
    std::uint8_t HMax = 37;
    std::uint8_t PMin = 0;
    std::uint8_t PMax = 13;
    std::uint8_t CMin = 0;
    std::uint8_t CMax = 13;
    std::uint8_t KMin = 0;
    std::uint8_t KMax = 13;
    std::uint8_t TMin = 0;
    std::uint8_t TMax = 13;

    friend bool operator==(const StoredBounds&, const StoredBounds&) = default;
};

// A run's copy of the bounds in positions 1 to 10: PMin, PMax, CMin, CMax,
// KMin, KMax, TMin, TMax, HMin, HMax. Position 0 is not used.
using BoundsArray = std::array<std::uint8_t, 11>;

// The value of a bound box: a whole number from 0 to 255 in plain digits,
// leading and trailing spaces ignored; anything else has no value.
std::optional<std::uint8_t> boxValue(std::string_view text);

// The message of every failed check.
inline constexpr const char* kImpossibleChoice = "Choix impossible!! Recommencez!";

}  // namespace ondiscale
