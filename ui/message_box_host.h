// SPDX-License-Identifier: MIT
// The program around the window: real modal message boxes, and the end of the program when
// the window is unloaded.
#pragma once

#include "window/window.h"

#include <QPointer>
#include <QWidget>

namespace liftcalc {

class MessageBoxHost : public WindowHost {
public:
    // The window the boxes are modal to; set once it exists.
    void setWindow(QWidget *window) { window_ = window; }
    QWidget *window() const { return window_; }

    void showMessage(const MessageBox &box) override;
    void windowUnloaded() override;

private:
    QPointer<QWidget> window_;
};

// A message box's prompt as Qt shows it: each CR LF pair is a line break.
QString promptText(const std::string &prompt);

} // namespace liftcalc
