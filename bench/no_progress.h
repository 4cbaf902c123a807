#pragma once

#include <benchmark/benchmark.h>

#include "simulation/progress.h"

// A progress bar that shows nothing, though the batch loop still moves it.
class NoProgress : public ondiscale::Progress {
public:
    void setProgressVisible(bool /*visible*/) override {}
    void setProgressValue(int value) override { benchmark::DoNotOptimize(value); }
};
