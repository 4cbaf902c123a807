#pragma once

// The bound boxes and progress bar of the main window, in memory, with a
// log of every change to the progress bar.

#include <array>
#include <string>
#include <vector>

#include "frequency/frequency_view.h"

class FakeView : public ondiscale::FrequencyView {
public:
    std::array<std::string, 11> boxes{};  // 1 to 10
    bool progressVisible = false;
    int progressValue = 0;
    std::vector<int> progressLog;  // every value set; -1 hidden, -2 shown

    [[nodiscard]] std::string boxText(int box) const override {
        return boxes.at(static_cast<std::size_t>(box));
    }
    void setBoxText(int box, const std::string& text) override {
        boxes.at(static_cast<std::size_t>(box)) = text;
    }
    void setProgressVisible(bool visible) override {
        progressVisible = visible;
        progressLog.push_back(visible ? -2 : -1);
    }
    void setProgressValue(int value) override {
        progressValue = value;
        progressLog.push_back(value);
    }

    void type(const std::array<const char*, 10>& texts) {
        for (std::size_t i = 0; i < 10; ++i) {
            boxes[i + 1] = texts[i];
        }
    }
    [[nodiscard]] std::array<std::string, 10> shown() const {
        std::array<std::string, 10> out;
        for (std::size_t i = 0; i < 10; ++i) {
            out[i] = boxes[i + 1];
        }
        return out;
    }
};
