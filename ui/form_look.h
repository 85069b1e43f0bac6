// SPDX-License-Identifier: MIT
// How the window's design values look on screen: twips to pixels, fonts and colours.
#pragma once

#include "window/controls.h"

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QPalette>
#include <QRect>

class QScreen;

namespace liftcalc {

// Twips are 1/1440 inch; at the screen's logical dots per inch (96 on an ordinary screen, where
// 15 twips make a pixel) they become device-independent pixels, which Qt scales once more on a
// high-density screen. On a screen too small for the window the whole layout, fonts included,
// shrinks by one factor (`fit`, at most 1), so that nothing is cut and nothing overlaps.
class TwipScale {
public:
    explicit TwipScale(double logicalDpi, double fit = 1.0) : dpi_(logicalDpi), fit_(fit) {}
    int px(int twips) const;
    QRect rect(const Rect &place) const;
    double points(double designPoints) const { return designPoints * fit_; }

private:
    double dpi_;
    double fit_;
};

// What the window manager adds around a window before it has said so (a title bar and thin
// borders), in the screen's logical pixels.
QMargins frameGuess(const QScreen &screen);
// Below this the big bold captions would no longer be legible; a window is then cut instead.
constexpr double kSmallestFit = 0.4;

// The sans-serif every control uses, at the window's big bold size.
QFont controlFont(const TwipScale &scale);
// The smaller regular face of the two option buttons.
QFont optionFont(const TwipScale &scale);
// The smaller bold face of the red subtitle.
QFont subtitleFont(const TwipScale &scale);

// A colour of the window model (&H00BBGGRR, or one of the system colours) on this theme.
QColor qtColour(Colour colour, const QPalette &palette);

// The contrast of two colours, from 1 (the same) to 21 (black on white), as the web's
// accessibility guidelines measure it; 4.5 is the least that ordinary text needs.
double contrastRatio(const QColor &a, const QColor &b);
constexpr double kReadableContrast = 4.5;

// The model's text colour as drawn on `background`: itself where it is readable there, else
// the nearest shade of it (towards black on a light theme, towards white on a dark one) that
// is, so that red stays red and black turns light grey on a dark window.
QColor readableOn(const QColor &text, const QColor &background);

// Text on a field's own background: black on the white and yellow fields whatever the theme's
// text colour, white on a dark one.
QColor textOn(const QColor &background);

} // namespace liftcalc
