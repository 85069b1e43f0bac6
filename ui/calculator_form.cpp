// SPDX-License-Identifier: MIT
#include "ui/calculator_form.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QScreen>

namespace liftcalc {

namespace {
// The words after the program's name in the title bar: the maker's web address.
constexpr auto kCaption = " Morvane            www.morvane.example";
} // namespace

CalculatorForm::CalculatorForm(Window &model, QWidget *parent)
    : QMainWindow(parent), model_(model),
      scale_(QGuiApplication::primaryScreen()
                 ? QGuiApplication::primaryScreen()->logicalDotsPerInch()
                 : 96.0) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kCaption));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/liftcalc-32.xpm"));
    icon.addFile(QStringLiteral(":/icon/liftcalc-16.xpm"));
    setWindowIcon(icon);
    createWidgets();
    createMenus();
    connectInput();
    connectModel();
    mirrorAll();
}

CalculatorForm::~CalculatorForm() {
    model_.changed.disconnect(connection_);
}

void CalculatorForm::showCentred() {
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect place = frameGeometry();
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
    show();
    // A window manager activates a new window; on a bare X server nothing would, and the menu
    // shortcuts and access keys only act in the active window.
    activateWindow();
}

void CalculatorForm::closeEvent(QCloseEvent *event) {
    // Closing from the title bar unloads the window just as Exit does; when the model has
    // already unloaded it (Exit, Esc), the window simply goes.
    if (model_.loaded())
        model_.closeFromTitleBar();
    event->accept();
}

QWidget *CalculatorForm::widgetOf(ControlId control) const {
    if (isField(control))
        return widgets_.fields[fieldIndex(control)];
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        if (kButtons[i].id == control)
            return widgets_.buttons[i];
    return nullptr;
}

int CalculatorForm::fieldIndexOf(QObject *object) const {
    for (int i = 0; i < kFieldCount; ++i)
        if (widgets_.fields[i] == object)
            return i;
    return -1;
}

std::optional<ControlId> CalculatorForm::buttonIdOf(QObject *object) const {
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        if (widgets_.buttons[i] == object)
            return kButtons[i].id;
    return std::nullopt;
}

} // namespace liftcalc
