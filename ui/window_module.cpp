// SPDX-License-Identifier: MIT
#include "ui/window_module.h"

#include "platform/locale_format.h"
#include "ui/calculator_form.h"
#include "ui/message_box_host.h"

#include <QApplication>

extern "C" __attribute__((visibility("default"))) int liftcalcRunWindow(int *argc, char **argv) {
    using namespace liftcalc;
    QApplication app(*argc, argv);
    QApplication::setApplicationName(QStringLiteral("liftcalc"));
    QApplication::setDesktopFileName(QStringLiteral("liftcalc"));
    MessageBoxHost host;
    Window window(host, numberFormatOf(QLocale::system()));
    CalculatorForm form(window);
    host.setWindow(&form);
    window.start();
    form.showCentred();
    return QApplication::exec();
}
