#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ondiscale {

// How the user's locale writes numbers: "," or "." before the decimals,
// what it puts between groups of three digits.
struct NumberStyle {
    std::string decimal;
    std::string group;
};

// A whole number in plain decimal digits, no grouping: 100000.
std::string wholeText(std::int64_t n);

// A single-precision value with at most 7 significant digits, no trailing
// zeros and no separator for a whole value: 21.55 or 21,55; 100; 0.
// Never in exponent form: one hit in 1,100,000 deals reads 0.00009090909.
std::string singleText(float value, std::string_view decimalSeparator);

}  // namespace ondiscale
