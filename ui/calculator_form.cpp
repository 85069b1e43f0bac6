// SPDX-License-Identifier: MIT
#include "ui/calculator_form.h"
#include "window/actions.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>

namespace liftcalc {

namespace {
// The words after the program's name in the title bar: the maker's web address.
constexpr auto kCaption = " Morvane            www.morvane.example";
} // namespace

CalculatorForm::CalculatorForm(Window &model, QWidget *parent)
    : QMainWindow(parent), model_(model) {
    installHeadingAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kCaption));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/liftcalc-32.xpm"));
    icon.addFile(QStringLiteral(":/icon/liftcalc-16.xpm"));
    setWindowIcon(icon);
    createWidgets();
    createMenus();
    fitToScreen(QGuiApplication::primaryScreen());
    connectInput();
    connectModel();
    mirrorAll();
    colourTexts();
}

CalculatorForm::~CalculatorForm() {
    model_.changed.disconnect(connection_);
}

void CalculatorForm::closeEvent(QCloseEvent *event) {
    // Closing from the title bar unloads the window just as Exit does; when the model has
    // already unloaded it (Exit, Esc), the window simply goes.
    if (model_.loaded())
        perform(model_, CloseWindow{});
    event->accept();
}

QWidget *CalculatorForm::widgetOf(ControlId control) const {
    if (isField(control))
        return widgets_.fields[fieldIndex(control)];
    return buttonOf(control);
}

QAbstractButton *CalculatorForm::buttonOf(ControlId control) const {
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
