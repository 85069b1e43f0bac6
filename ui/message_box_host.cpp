// SPDX-License-Identifier: MIT
#include "ui/message_box_host.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace liftcalc {

QString promptText(const std::string &prompt) {
    return QString::fromStdString(prompt).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void MessageBoxHost::showMessage(const MessageBox &box) {
    // Every box the window shows has the buttons value 0: one OK button and no icon.
    QMessageBox message(window_);
    message.setObjectName(QStringLiteral("messageBox"));
    message.setWindowTitle(QString::fromStdString(box.title));
    message.setTextFormat(Qt::PlainText); // the chart lines its columns up with runs of spaces
    message.setText(promptText(box.prompt));
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
