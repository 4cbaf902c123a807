#include "frequency/bounds.h"

#include <algorithm>

#include "frequency/targeted_frequency.h"

namespace ondiscale {

std::optional<std::uint8_t> boxValue(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    unsigned value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(ch - '0');
        if (value > 255) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint8_t>(value);
}

namespace {

constexpr std::array<const char*, 8> kCardDefaults{"0", "13", "0", "13", "0", "13", "0", "13"};

}  // namespace

void TargetedFrequency::DefautC() {
    bounds_.PMin = 0;
    bounds_.PMax = 13;
    bounds_.CMin = 0;
    bounds_.CMax = 13;
    bounds_.KMin = 0;
    bounds_.KMax = 13;
    bounds_.TMin = 0;
    bounds_.TMax = 13;
    for (int n = 1; n <= 8; ++n) {
        view_.setBoxText(n, kCardDefaults[static_cast<std::size_t>(n - 1)]);
    }
}

void TargetedFrequency::DefautH() {
    bounds_.HMin = 0;
    bounds_.HMax = 37;
    view_.setBoxText(9, "0");
    view_.setBoxText(10, "37");
}

void TargetedFrequency::impossible() {
    dialogue_.messageBox(kImpossibleChoice, Buttons::Ok, std::nullopt);
}

// Text that is not a whole number from 0 to 255 fails its group's check
// exactly as a number out of range does.
bool TargetedFrequency::Verif() {
    bool valid = true;

    // 1. Card range: no box above 13.
    bool cardsInRange = true;
    for (int n = 1; n <= 8; ++n) {
        const auto v = box(n);
        cardsInRange = cardsInRange && v && *v <= 13;
    }
    if (!cardsInRange) {
        valid = false;
        impossible();
        DefautC();
    }

    // 2. Card consistency, on the boxes as they now stand: the minima
    // add up to at most 13 and no maximum is below its minimum.
    std::array<int, 9> c{};
    bool consistent = true;
    for (int n = 1; n <= 8; ++n) {
        const auto v = box(n);
        consistent = consistent && v && *v <= 13;
        c[static_cast<std::size_t>(n)] = v.value_or(0);
    }
    consistent = consistent && c[1] + c[3] + c[5] + c[7] <= 13 && c[8] >= c[7] && c[6] >= c[5] &&
                 c[4] >= c[3] && c[2] >= c[1];
    if (!consistent) {
        impossible();
        DefautC();
        valid = false;
    }

    // 3. Point range.
    const auto low = box(9);
    const auto high = box(10);
    if (!low || !high || *low > 37 || *high > 37 || *high < *low) {
        impossible();
        DefautH();
        return false;
    }
    return valid;
}

bool TargetedFrequency::Enregistre() {
    if (!Verif()) {
        return false;
    }
    std::array<std::uint8_t, 11> v{};
    for (int n = 1; n <= 10; ++n) {
        const auto value = box(n);
        if (!value) {
            return false;  // the boxes cannot change between Verif and here
        }
        v[static_cast<std::size_t>(n)] = *value;
    }
    bounds_.PMin = v[1];
    bounds_.PMax = v[2];
    bounds_.CMin = v[3];
    bounds_.CMax = v[4];
    bounds_.KMin = v[5];
    bounds_.KMax = v[6];
    bounds_.TMin = v[7];
    bounds_.TMax = v[8];
    bounds_.HMin = v[9];
    bounds_.HMax = v[10];
    return true;
}

void TargetedFrequency::Transport(BoundsArray& Bornes) const {
    Bornes[1] = bounds_.PMin;
    Bornes[2] = bounds_.PMax;
    Bornes[3] = bounds_.CMin;
    Bornes[4] = bounds_.CMax;
    Bornes[5] = bounds_.KMin;
    Bornes[6] = bounds_.KMax;
    Bornes[7] = bounds_.TMin;
    Bornes[8] = bounds_.TMax;
    Bornes[9] = bounds_.HMin;
    Bornes[10] = bounds_.HMax;
}

}  // namespace ondiscale
