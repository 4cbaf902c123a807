#pragma once

#include "simulation/dialogue.h"

class QWidget;

namespace ondiscale {

// The message box and input box as Qt dialogs, with French button texts
// whatever the system language, modal over the window the user is in.
class QtDialogue : public Dialogue {
public:
    Answer messageBox(const std::string& prompt, Buttons buttons,
                      const std::optional<std::string>& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    [[nodiscard]] std::string decimalSeparator() const override;
    [[nodiscard]] std::string groupSeparator() const override;

private:
    // The window the boxes belong to: the active one, else the first
    // window shown.
    [[nodiscard]] static QWidget* owner();
};

}  // namespace ondiscale
