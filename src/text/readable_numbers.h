#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ondiscale {

// How the journal writes its numbers for people to read (the CSV keeps
// full precision): a figure's estimate, interval and exact value with as
// many decimals as show the first two significant digits of its margin,
// the same number in a whole column; the gap with one decimal; deals in
// groups of three digits, as the user's locale groups them.

// The decimals that show the first two significant digits of a positive
// width: 0.176 → 2, 0.0096 → 4, 12 → 0. None for a width of 0 or less.
int decimalsFor(double width);

// A value rounded to `decimals` decimals: "2,582", "100", "0".
std::string fixedText(double value, int decimals, std::string_view decimalSeparator);

// A value with every digit it needs to read back as the same double, for
// a file that keeps full precision; never in exponent form:
// "0,6782608695652174", "0,000001", "1".
std::string fullText(double value, std::string_view decimalSeparator);

// A 95 % interval as people read it: "[0,64 ; 0,99]".
std::string intervalText(double low, double high, int decimals, std::string_view decimalSeparator);

// A gap in standard deviations, to one decimal: "-1,3", "0,7", "0".
std::string oneDecimalText(double value, std::string_view decimalSeparator);

// A whole number in groups of three digits: "300 000", "1 000 000", "950".
std::string groupedText(std::int64_t n, std::string_view groupSeparator);

}  // namespace ondiscale
