#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace ondiscale {

// Positions and sizes are given in twips, 1/1440 of a logical inch, and
// converted at the logical DPI of the screen, as fonts are: 15 twips to a
// pixel at 96 DPI, 10 at 144, so that texts keep fitting their controls.
class Twips {
public:
    explicit Twips(qreal dpi) : dpi_(dpi) {}
    // At the DPI of the screen that shows `widget`.
    explicit Twips(const QWidget& widget);

    [[nodiscard]] qreal dpi() const { return dpi_; }
    // To the nearest pixel.
    [[nodiscard]] int px(double twips) const;
    // Edges rounded one by one, so that neighbours stay neighbours.
    [[nodiscard]] QRect rect(int left, int top, int width, int height) const;
    [[nodiscard]] QSize size(int width, int height) const { return {px(width), px(height)}; }
    [[nodiscard]] double fromPx(int pixels) const;

private:
    qreal dpi_;
};

// The platform's default sans-serif face at the given size and weight.
QFont sansFont(qreal pointSize, bool bold);

}  // namespace ondiscale
