#pragma once

#include <QPoint>
#include <QPointer>

#include "simulation/dialogue.h"
#include "ui/kit/window_frame.h"

class QDialog;
class QWidget;

namespace ondiscale {

// The message box and input box as Qt dialogs, with French button texts
// whatever the system language, modal over the window the user is in: the
// boxes of a run stay with the window that ran it, at one place over it
// (where the user last moved one), and its keyboard comes back to it when
// the box closes.
class QtDialogue : public Dialogue {
public:
    Answer messageBox(const std::string& prompt, Buttons buttons,
                      const std::optional<std::string>& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    [[nodiscard]] std::string decimalSeparator() const override;
    [[nodiscard]] std::string groupSeparator() const override;

private:
    // The window the boxes belong to: the active one; between two boxes,
    // while no window is active yet, the one the last box belonged to;
    // else the first window shown.
    [[nodiscard]] QWidget* owner();
    // Where `box`, of `owner`, goes: where the last one was, from the
    // owner's corner, else the usual place.
    [[nodiscard]] FramePlacement::Rule placementOver(QWidget* owner, QWidget* box) const;
    // After a box: its place kept, the keyboard back to its owner.
    void closed(const QDialog& box, QWidget* owner);

    QPointer<QWidget> lastOwner_;
    QPoint lastOffset_;  // the last box, inside its frame, from its owner's frame
    bool placed_ = false;
};

}  // namespace ondiscale
