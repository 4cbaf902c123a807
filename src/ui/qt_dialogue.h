#pragma once

#include <QWidget>

#include "dialogue/dialogue.h"

namespace ondiscale {

// The message box and input box as Qt dialogs, modal over `parent`, with
// French button texts whatever the system language.
class QtDialogue : public Dialogue {
public:
    explicit QtDialogue(QWidget* parent) : parent_(parent) {}

    Answer messageBox(const std::string& prompt, Buttons buttons,
                      const std::optional<std::string>& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    [[nodiscard]] std::string decimalSeparator() const override;

private:
    QWidget* parent_;
};

}  // namespace ondiscale
