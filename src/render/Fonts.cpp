#include "Fonts.h"

namespace tarvik {

QFont SmallFont() {
    QFont font;
    font.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(10);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace tarvik
