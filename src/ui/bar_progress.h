#pragma once

#include <QProgressBar>

#include "simulation/progress.h"

namespace ondiscale {

// A run's progress shown on a window's bar.
class BarProgress final : public Progress {
public:
    explicit BarProgress(QProgressBar& bar) : bar_(bar) {}
    void setProgressVisible(bool visible) override { bar_.setVisible(visible); }
    void setProgressValue(int value) override { bar_.setValue(value); }

private:
    QProgressBar& bar_;
};

}  // namespace ondiscale
