#include "text/text_fill.h"

#include <vector>

namespace ondiscale {

std::string fill(std::string_view pattern, std::initializer_list<std::string> args) {
    const std::vector<std::string> values(args);
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            out += values[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace ondiscale
