// SPDX-License-Identifier: MIT
#include "ui/form_look.h"

#include <QStringList>
#include <cmath>

namespace liftcalc {

int TwipScale::px(int twips) const {
    return static_cast<int>(std::lround(twips * dpi_ / 1440.0));
}

QRect TwipScale::rect(const Rect &place) const {
    return QRect(px(place.left), px(place.top), px(place.width), px(place.height));
}

namespace {

// The window was laid out for a narrow bitmap sans-serif; these faces come closest in width,
// so the row captions fit their labels at the same point size.
QFont sansSerif(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace

QFont controlFont() {
    return sansSerif(13.5, true);
}
QFont optionFont() {
    return sansSerif(9.75, false);
}
QFont subtitleFont() {
    return sansSerif(9.75, true);
}

QColor qtColour(Colour colour, const QPalette &palette) {
    switch (colour) {
    case colours::windowBackground:
        return palette.color(QPalette::Base);
    case colours::buttonText:
        return palette.color(QPalette::ButtonText);
    default:
        return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }
}

} // namespace liftcalc
