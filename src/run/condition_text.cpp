#include "run/condition_text.h"

#include "dialogue/number_text.h"
#include "engine/card_text.h"

namespace ondiscale {
namespace {

constexpr const char* kAnyHand = "toutes les mains";
constexpr const char* kPoints = "points";

void addRange(std::string& text, const Range& range, const Range& open, const char* what) {
    if (range == open) {
        return;
    }
    text += text.empty() ? "" : ", ";
    text += wholeText(range.min) + " ≤ " + what + " ≤ " + wholeText(range.max);
}

}  // namespace

std::string boundsText(const HandBounds& bounds) {
    const HandBounds open;
    std::string text;
    for (const Suit suit : kSuits) {
        addRange(text, bounds.suit(suit), open.suit(suit), signOf(suit).sign);
    }
    addRange(text, bounds.points, open.points, kPoints);
    return text.empty() ? kAnyHand : text;
}

}  // namespace ondiscale
