// SPDX-License-Identifier: MIT
// The window on this screen and theme: the design's twips made pixels, shrunk where the
// screen is too small for them, centred, and every text readable on its own background.
#include "ui/calculator_form.h"
#include "ui/widget_binding.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

namespace liftcalc {

void CalculatorForm::showCentred() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    fitToScreen(screen);
    adjustSize();
    if (screen) {
        const QMargins frame = frameGuess(*screen);
        QRect place = geometry().marginsAdded(frame);
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
    show();
    // A window manager activates a new window; on a bare X server nothing would, and the menu
    // shortcuts and access keys only act in the active window.
    activateWindow();
}

void CalculatorForm::fitToScreen(const QScreen *screen) {
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    double fit = 1.0;
    if (screen) {
        const TwipScale full(dpi);
        const QRect room = screen->availableGeometry().marginsRemoved(frameGuess(*screen));
        const int menuHeight = menuBar()->sizeHint().height();
        fit = std::min({1.0, double(room.width()) / full.px(kClientWidth),
                        double(room.height() - menuHeight) / full.px(kClientHeight)});
        fit = std::max(fit, kSmallestFit);
    }
    scale_ = TwipScale(dpi, fit);
    placeWidgets();
}

void CalculatorForm::placeWidgets() {
    QWidget *client = centralWidget();
    client->setFixedSize(scale_.px(kClientWidth), scale_.px(kClientHeight));
    client->setFont(controlFont(scale_));
    for (int i = 0; i < kLabelCount; ++i)
        widgets_.labels[i]->setGeometry(scale_.rect(kLabels[i].place));
    widgets_.labels[kSubtitleLabel]->setFont(subtitleFont(scale_));
    for (int i = 0; i < kFieldCount; ++i) {
        Rect place = kFields[i].place;
        place.left = model_.Text1(i).Left; // the shared field stands in the chosen column
        widgets_.fields[i]->setGeometry(scale_.rect(place));
    }
    widgets_.frame->setGeometry(scale_.rect(kFrame1));
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        QAbstractButton *button = widgets_.buttons[i];
        button->setGeometry(scale_.rect(kButtons[i].place));
        if (button->parentWidget() == widgets_.frame) {
            QFont font = optionFont(scale_);
            font.setBold(button->font().bold()); // the chosen unit's boldness is the model's
            button->setFont(font);
        }
    }
}

void CalculatorForm::colourTexts() {
    QLabel *subtitle = widgets_.labels[kSubtitleLabel];
    QPalette palette = subtitle->palette();
    const QColor background = QApplication::palette(subtitle).color(QPalette::Window);
    palette.setColor(QPalette::WindowText, readableOn(qtColour(colours::red, palette), background));
    subtitle->setPalette(palette);
    mirrorOption(ControlId::optImperial);
    mirrorOption(ControlId::optMetric);
    for (int i = 0; i < kFieldCount; ++i)
        showField(widgets_.fields[i], model_.Text1(i), FieldChanged::Property::BackColor);
}

} // namespace liftcalc
