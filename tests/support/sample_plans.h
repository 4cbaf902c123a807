#pragma once

// The plans of real runs, for tests that fill a journal by hand.

#include "engine/dealer.h"
#include "fake_progress.h"
#include "simulation/frequency_run.h"

// The plan of a frequency run of exactly five spades and 12 to 14 points,
// whose exact probability is 2,582369 %.
inline ondiscale::RunPlan fiveSpadesPlan() {
    ondiscale::Dealer dealer;
    FakeProgress progress;
    ondiscale::HandBounds bounds;
    bounds.suit(ondiscale::Suit::Spades) = {5, 5};
    bounds.points = {12, 14};
    return ondiscale::FrequencyRun(bounds, dealer, progress).plan();
}
