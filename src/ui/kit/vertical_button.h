#pragma once

#include <QPushButton>

namespace ondiscale {

// A push button for a tall narrow bar: its caption reads from top to
// bottom, one character under the other.
class VerticalButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ondiscale
