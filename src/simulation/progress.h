#pragma once

namespace ondiscale {

// A progress bar on a scale of 0 to 100, which a run shows, moves and hides.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setProgressVisible(bool visible) = 0;
    virtual void setProgressValue(int value) = 0;
};

}  // namespace ondiscale
