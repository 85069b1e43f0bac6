// SPDX-License-Identifier: MIT
#include "ui/message_box_host.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace liftcalc {

QString promptText(const std::string &prompt) {
    return QString::fromStdString(prompt).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

namespace {

// A message box wraps its text once the text is wider than about half the screen, which would
// break the chart's columns, lined up with runs of spaces; on a narrow screen (a small one, or
// one scaled up) the text gets smaller instead.
QFont unwrappedFont(QFont font, const QString &text, const QScreen *screen) {
    if (!screen)
        return font;
    constexpr int kMargins = 80; // the box's own margins around its text
    const int room = std::min(screen->availableGeometry().width() / 2, 500) - kMargins;
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest > room && room > 0)
        font.setPointSizeF(font.pointSizeF() * room / widest);
    return font;
}

} // namespace

void MessageBoxHost::showMessage(const MessageBox &box) {
    // Every box the window shows has the buttons value 0: one OK button and no icon.
    QMessageBox message(window_);
    message.setObjectName(QStringLiteral("messageBox"));
    message.setWindowTitle(QString::fromStdString(box.title));
    message.setTextFormat(Qt::PlainText); // the chart lines its columns up with runs of spaces
    message.setText(promptText(box.prompt));
    message.setFont(
        unwrappedFont(message.font(), message.text(), window_ ? window_->screen() : nullptr));
    message.setIcon(QMessageBox::NoIcon);
    message.setStandardButtons(QMessageBox::Ok);
    message.button(QMessageBox::Ok)->setIcon(QIcon()); // some themes put a tick on it
    message.exec();
    // Without a window manager (a bare X server) nothing would give the window the keyboard
    // back once the box has gone.
    if (window_)
        window_->activateWindow();
}

void MessageBoxHost::windowUnloaded() {
    QCoreApplication::quit();
}

} // namespace liftcalc
