#include "text/readable_numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace ondiscale {
namespace {

constexpr int kMostDecimals = 12;

}  // namespace

int decimalsFor(double width) {
    if (!(width > 0) || !std::isfinite(width)) {
        return 0;
    }
    // The first significant digit sits at 10^floor(log10(width)); the
    // second one place further right.
    const int first = static_cast<int>(std::floor(std::log10(width)));
    return std::clamp(1 - first, 0, kMostDecimals);
}

std::string fixedText(double value, int decimals, std::string_view decimalSeparator) {
    decimals = std::clamp(decimals, 0, kMostDecimals);
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    std::string text(buffer.data(), result.ptr);
    // A value that rounds to zero is written without a minus sign.
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

std::string fullText(double value, std::string_view decimalSeparator) {
    // The shortest fixed form that reads back exactly: at most 17
    // significant digits after up to 300-odd zeros.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    std::string text(buffer.data(), result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

std::string intervalText(double low, double high, int decimals, std::string_view decimalSeparator) {
    std::string text = "[";
    text += fixedText(low, decimals, decimalSeparator);
    text += " ; ";
    text += fixedText(high, decimals, decimalSeparator);
    text += ']';
    return text;
}

std::string oneDecimalText(double value, std::string_view decimalSeparator) {
    std::string text = fixedText(value, 1, decimalSeparator);
    // "0,0" reads as "0".
    return text == fixedText(0, 1, decimalSeparator) ? "0" : text;
}

std::string groupedText(std::int64_t n, std::string_view groupSeparator) {
    const std::uint64_t magnitude =
        n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    const std::string digits = std::to_string(magnitude);
    std::string text = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += groupSeparator;
        }
        text += digits[i];
    }
    return text;
}

}  // namespace ondiscale
