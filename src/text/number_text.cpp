#include "text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace ondiscale {

std::string wholeText(std::int64_t n) { return std::to_string(n); }

std::string singleText(float value, std::string_view decimalSeparator) {
    if (value == 0.0F) {
        return "0";  // also for -0
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    }

    // Rounded to 7 significant digits: "d.dddddde+XX".
    std::array<char, 32> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), static_cast<double>(value),
                                   std::chars_format::scientific, 6);
    const std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));

    std::string_view mantissa = sci.substr(0, sci.find('e'));
    const int exponent = std::atoi(sci.data() + sci.find('e') + 1);

    std::string out;
    if (mantissa.front() == '-') {
        out += '-';
        mantissa.remove_prefix(1);
    }
    std::string digits;
    digits += mantissa[0];
    digits.append(mantissa.substr(2));  // the digits after "d."
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    const auto count = static_cast<int>(digits.size());
    if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else if (exponent + 1 >= count) {
        out += digits;
        out.append(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        out.append(digits, 0, wholeDigits);
        out += decimalSeparator;
        out.append(digits, wholeDigits);
    }
    return out;
}

}  // namespace ondiscale
