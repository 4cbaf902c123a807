#include "condition/condition_text.h"

#include "text/number_text.h"
#include "engine/card_text.h"

namespace ondiscale {
namespace {

constexpr const char* kAnyHand = "toutes les mains";
constexpr const char* kAnyDeal = "toutes les donnes";
constexpr const char* kPoints = "points";

void addRange(std::string& text, const Range& range, const Range& open, const char* what) {
    if (range == open) {
        return;
    }
    text += text.empty() ? "" : ", ";
    text += wholeText(range.min) + " ≤ " + what + " ≤ " + wholeText(range.max);
}

// The ranges that differ from `open`'s; empty when none does.
std::string rangesText(const HandBounds& bounds, const HandBounds& open) {
    std::string text;
    for (const Suit suit : kSuits) {
        addRange(text, bounds.suit(suit), open.suit(suit), signOf(suit).sign);
    }
    addRange(text, bounds.points, open.points, kPoints);
    return text;
}

}  // namespace

std::string boundsText(const HandBounds& bounds) {
    const std::string text = rangesText(bounds, HandBounds{});
    return text.empty() ? kAnyHand : text;
}

std::string tableBoundsText(const TableBounds& bounds) {
    std::string text;
    const auto add = [&](const char* name, const HandBounds& b, const HandBounds& open) {
        const std::string ranges = rangesText(b, open);
        if (!ranges.empty()) {
            text += (text.empty() ? "" : " ; ") + std::string(name) + " : " + ranges;
        }
    };
    for (const Seat seat : kSeats) {
        add(nameOf(seat), bounds.hand(seat), HandBounds{});
    }
    for (const Side side : kSides) {
        add(nameOf(side), bounds.side(side), anySide());
    }
    return text.empty() ? kAnyDeal : text;
}

}  // namespace ondiscale
