#pragma once

// The frequency computation as the main window holds it, over the fake
// boxes and bar and the scripted dialogue, starting from the defaults.

#include <array>
#include <initializer_list>
#include <string>

#include "fake_view.h"
#include "frequency/targeted_frequency.h"
#include "scripted_dialogue.h"

using Boxes = std::array<const char*, 10>;
inline const Boxes kDefaultBoxes{"0", "13", "0", "13", "0", "13", "0", "13", "0", "37"};

inline std::array<std::string, 10> strings(const Boxes& b) {
    std::array<std::string, 10> out;
    std::copy(b.begin(), b.end(), out.begin());
    return out;
}

struct FakeWindow {
    FakeView view;
    ScriptedDialogue dialogue;
    ondiscale::Dealer dealer;
    ondiscale::TargetedFrequency frequency{view, dialogue, dealer};

    FakeWindow() {
        frequency.DefautC();
        frequency.DefautH();
        view.progressLog.clear();
    }
    void answer(std::initializer_list<ondiscale::Answer> answers) { dialogue.answers = answers; }
};
