// SPDX-License-Identifier: MIT
#include "ui/message_box_host.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
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

// A window manager writes the title in its own font, often bold, between the window's icon and
// up to three buttons, and cuts what does not fit ("Relief v... setting"); Qt leaves the box
// only 50 pixels beyond the title's text in a plain font. The box is widened each time Qt has
// sized it (on showing, and again on every layout request), so that its text is laid out, and
// wrapped or not, as Qt decided.
class TitledBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

    bool event(QEvent *event) override {
        const bool done = QMessageBox::event(event);
        if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest)
            widenForTitle(event->type() == QEvent::Show);
        return done;
    }

private:
    // Room for the title's text in bold and six title-bar squares: the icon, three buttons and
    // the frame's margins. Qt has centred the box on its window when it is shown; it stays so.
    void widenForTitle(bool centred) {
        QFont font = QApplication::font("QMdiSubWindowTitleBar");
        font.setBold(true);
        const int bar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        int room = QFontMetrics(font).horizontalAdvance(windowTitle()) + 6 * bar;
        if (const QScreen *screen = this->screen())
            room = std::min(room, screen->availableGeometry().width());
        if (const int grow = room - width(); grow > 0) {
            setFixedWidth(room);
            if (centred)
                move(x() - grow / 2, y());
        }
    }
};

} // namespace

void MessageBoxHost::showMessage(const MessageBox &box) {
    // Every box the window shows has the buttons value 0: one OK button and no icon.
    TitledBox message(window_);
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
    QApplication::quit();
}

} // namespace liftcalc
