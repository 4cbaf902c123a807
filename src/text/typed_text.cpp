#include "text/typed_text.h"

#include <array>

namespace ondiscale {
namespace {

// In UTF-8.
constexpr std::array<std::string_view, 3> kSpaces{"\u00A0", "\u2007", "\u202F"};
constexpr std::array<std::string_view, 7> kInvisible{"\uFE0E", "\uFE0F", "\u200B", "\u200C",
                                                     "\u200D", "\u2060", "\uFEFF"};

}  // namespace

std::string plainTyped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        std::size_t skipped = 0;
        for (const std::string_view space : kSpaces) {
            if (text.starts_with(space)) {
                out += ' ';
                skipped = space.size();
            }
        }
        for (const std::string_view invisible : kInvisible) {
            if (text.starts_with(invisible)) {
                skipped = invisible.size();
            }
        }
        if (skipped == 0) {
            out += text.front();
            skipped = 1;
        }
        text.remove_prefix(skipped);
    }
    return out;
}

}  // namespace ondiscale
