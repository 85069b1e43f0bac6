// SPDX-License-Identifier: MIT
#include "ui/form_look.h"

#include <QScreen>
#include <QStringList>
#include <cmath>

namespace liftcalc {

int TwipScale::px(int twips) const {
    return static_cast<int>(std::lround(twips * dpi_ * fit_ / 1440.0));
}

QRect TwipScale::rect(const Rect &place) const {
    return QRect(px(place.left), px(place.top), px(place.width), px(place.height));
}

namespace {

// A title bar and thin borders, in the screen's own pixels.
constexpr QMargins kFrameGuess(8, 40, 8, 8);

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

double luminance(const QColor &colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor mix(const QColor &from, const QColor &to, double share) {
    const auto channel = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(static_cast<float>(channel(from.redF(), to.redF())),
                            static_cast<float>(channel(from.greenF(), to.greenF())),
                            static_cast<float>(channel(from.blueF(), to.blueF())));
}

} // namespace

QMargins frameGuess(const QScreen &screen) {
    const double ratio = screen.devicePixelRatio();
    const auto side = [ratio](int px) { return static_cast<int>(std::ceil(px / ratio)); };
    return {side(kFrameGuess.left()), side(kFrameGuess.top()), side(kFrameGuess.right()),
            side(kFrameGuess.bottom())};
}

QFont controlFont(const TwipScale &scale) {
    return sansSerif(scale.points(13.5), true);
}
QFont optionFont(const TwipScale &scale) {
    return sansSerif(scale.points(9.75), false);
}
QFont subtitleFont(const TwipScale &scale) {
    return sansSerif(scale.points(9.75), true);
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

double contrastRatio(const QColor &a, const QColor &b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &text, const QColor &background) {
    const QColor towards = textOn(background);
    // Twenty steps are fine enough that the shade found is barely past the threshold.
    for (int step = 0; step <= 20; ++step) {
        const QColor shade = mix(text, towards, step / 20.0);
        if (contrastRatio(shade, background) >= kReadableContrast)
            return shade;
    }
    return towards;
}

QColor textOn(const QColor &background) {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

} // namespace liftcalc
