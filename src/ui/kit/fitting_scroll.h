#pragma once

#include <QScrollArea>

namespace ondiscale {

// A scroll area that asks for all its content's room, so that it scrolls
// only where the screen is too small for the content, and can shrink to a
// few lines there.
class FittingScroll : public QScrollArea {
    Q_OBJECT

public:
    explicit FittingScroll(QWidget* content, QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;
};

}  // namespace ondiscale
