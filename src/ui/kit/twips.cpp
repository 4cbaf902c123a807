#include "ui/kit/twips.h"

#include <QFontDatabase>
#include <QWidget>
#include <cmath>

namespace ondiscale {

namespace {
constexpr double kTwipsPerInch = 1440;
}

Twips::Twips(const QWidget& widget) : dpi_(widget.logicalDpiX()) {}

int Twips::px(double twips) const {
    return static_cast<int>(std::lround(twips * dpi_ / kTwipsPerInch));
}

QRect Twips::rect(int left, int top, int width, int height) const {
    const int x = px(left);
    const int y = px(top);
    return {x, y, px(left + width) - x, px(top + height) - y};
}

double Twips::fromPx(int pixels) const { return pixels * kTwipsPerInch / dpi_; }

QFont sansFont(qreal pointSize, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

}  // namespace ondiscale
