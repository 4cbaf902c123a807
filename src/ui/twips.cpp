#include "ui/twips.h"

#include <QFontDatabase>

namespace ondiscale {

QFont sansFont(qreal pointSize, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

}  // namespace ondiscale
