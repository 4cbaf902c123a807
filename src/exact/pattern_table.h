#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exact/checked_count.h"

namespace ondiscale {

// How teachers commonly group the patterns: 4333, 4432 and 5332 are
// balanced, 5422 and 6322 semi-balanced, every other unbalanced. The
// lists are here so that the window can say which definition it uses.
enum class PatternGroup : std::uint8_t { Balanced, SemiBalanced, Unbalanced };
inline constexpr std::array<std::string_view, 3> kBalancedPatterns{"4333", "4432", "5332"};
inline constexpr std::array<std::string_view, 2> kSemiBalancedPatterns{"5422", "6322"};

PatternGroup patternGroup(std::string_view pattern);

// One of the 39 patterns of a hand: its four lengths longest first,
// whatever suits they are in.
struct PatternRow {
    std::array<std::uint8_t, 4> lengths{};
    std::string text;  // "4432", "12100": the lengths joined, as the runs write a shape
    Count hands = 0;   // out of C(52, 13)
    double probability = 0;
    double cumulative = 0;  // this pattern and every likelier one
    PatternGroup group = PatternGroup::Unbalanced;
};

// The 39 patterns, likeliest first, as they are taught.
std::vector<PatternRow> patternTable();

}  // namespace ondiscale
