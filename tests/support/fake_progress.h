#pragma once

// A progress bar in memory, with a log of every change.

#include <vector>

#include "simulation/progress.h"

class FakeProgress : public ondiscale::Progress {
public:
    static constexpr int kHidden = -1;
    static constexpr int kShown = -2;

    bool visible = false;
    int value = 0;
    std::vector<int> log;  // every value set, kHidden and kShown for the visibility

    void setProgressVisible(bool v) override {
        visible = v;
        log.push_back(v ? kShown : kHidden);
    }
    void setProgressValue(int v) override {
        value = v;
        log.push_back(v);
    }
};
