#pragma once

#include <string>

namespace ondiscale {

// What the frequency run needs of the main window: the ten bound boxes
// (1 to 10 for Text1 to Text10) and the progress bar, on a 0 to 100 scale.
class FrequencyView {
public:
    virtual ~FrequencyView() = default;
    [[nodiscard]] virtual std::string boxText(int box) const = 0;
    virtual void setBoxText(int box, const std::string& text) = 0;
    virtual void setProgressVisible(bool visible) = 0;
    virtual void setProgressValue(int value) = 0;
};

}  // namespace ondiscale
