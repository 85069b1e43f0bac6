// SPDX-License-Identifier: MIT
// How the window's design values look on screen: twips to pixels, fonts and colours.
#pragma once

#include "window/controls.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

namespace liftcalc {

// Twips are 1/1440 inch; at the screen's logical dots per inch (96 on an ordinary screen, where
// 15 twips make a pixel) they become device-independent pixels, which Qt scales once more on a
// high-density screen.
class TwipScale {
public:
    explicit TwipScale(double logicalDpi) : dpi_(logicalDpi) {}
    int px(int twips) const;
    QRect rect(const Rect &place) const;

private:
    double dpi_;
};

// The sans-serif every control uses, at the window's big bold size.
QFont controlFont();
// The smaller regular face of the two option buttons.
QFont optionFont();
// The smaller bold face of the red subtitle.
QFont subtitleFont();

// A colour of the window model (&H00BBGGRR, or one of the system colours) on this theme.
QColor qtColour(Colour colour, const QPalette &palette);

} // namespace liftcalc
