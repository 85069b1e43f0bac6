// SPDX-License-Identifier: MIT
// Mirroring the window model into the widgets, one property at a time, as it changes.
#include "ui/calculator_form.h"
#include "ui/widget_binding.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include <variant>

namespace liftcalc {

void CalculatorForm::connectModel() {
    connection_ = model_.changed.connect([this](const Change &change) { mirror(change); });
}

void CalculatorForm::mirror(const Change &change) {
    std::visit([this](const auto &c) { mirrorChange(c); }, change);
}

void CalculatorForm::mirrorChange(const FieldChanged &change) {
    const int i = change.field;
    if (change.property == FieldChanged::Property::Left)
        widgets_.fields[i]->move(scale_.px(model_.Text1(i).Left), scale_.px(kFields[i].place.top));
    else
        showField(widgets_.fields[i], model_.Text1(i), change.property);
    if (change.property == FieldChanged::Property::Text ||
        change.property == FieldChanged::Property::Visible ||
        change.property == FieldChanged::Property::Locked)
        describeAnswers();
}

void CalculatorForm::mirrorChange(const LabelChanged &change) {
    const Label &label = model_.Label1(change.label);
    if (change.property == LabelChanged::Property::Caption)
        widgets_.labels[change.label]->setText(text(label.Caption));
    else
        widgets_.labels[change.label]->setToolTip(text(label.ToolTipText));
}

void CalculatorForm::mirrorChange(const MenuCheckChanged &change) {
    widgets_.menuItems[static_cast<int>(change.item)]->setChecked(model_.checked(change.item));
}

void CalculatorForm::mirrorChange(const OptionChanged &change) {
    mirrorOption(change.option);
}

void CalculatorForm::mirrorChange(const FocusMoved &) {
    mirrorFocus();
}

void CalculatorForm::mirrorChange(const WindowUnloaded &) {
    close();
}

namespace {

// A window the model opened, over the calculator window: the one on show is raised as it is,
// or a new one is made for a new model or for the same model opened again while the last
// window on it is still going.
template <class View, class Model>
void showSecondary(QPointer<View> &view, const std::shared_ptr<Model> &model, QWidget *owner) {
    if (view && view->isVisible() && &view->model() == model.get()) {
        view->setWindowState(view->windowState() & ~Qt::WindowMinimized);
        view->raise();
        view->activateWindow();
        return;
    }
    view = new View(model, owner);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->showOver();
}

} // namespace

void CalculatorForm::mirrorChange(const SecondaryShown &change) {
    if (change.window == SecondaryWindow::testRecord)
        showSecondary(record_, model_.sharedTestRecord(), this);
    else
        showSecondary(checks_, model_.sharedFieldChecks(), this);
}

void CalculatorForm::mirrorAll() {
    for (int i = 0; i < kFieldCount; ++i) {
        for (auto property : {FieldChanged::Property::Text, FieldChanged::Property::Visible,
                              FieldChanged::Property::Locked, FieldChanged::Property::TabStop,
                              FieldChanged::Property::BackColor, FieldChanged::Property::Left})
            mirrorChange(FieldChanged{i, property});
    }
    for (int i = 0; i < kLabelCount; ++i) {
        mirrorChange(LabelChanged{i, LabelChanged::Property::Caption});
        mirrorChange(LabelChanged{i, LabelChanged::Property::ToolTipText});
    }
    mirrorMenuChecks();
    mirrorOption(ControlId::optImperial);
    mirrorOption(ControlId::optMetric);
    mirrorFocus();
}

void CalculatorForm::mirrorOption(ControlId option) {
    showOption(buttonOf(option),
               option == ControlId::optImperial ? model_.optImperial() : model_.optMetric());
}

void CalculatorForm::mirrorFocus() {
    const auto control = model_.focus();
    if (!control)
        return;
    if (isField(*control))
        showFocus(this, widgets_.fields[fieldIndex(*control)], model_.Text1(fieldIndex(*control)));
    else
        showFocus(this, widgetOf(*control));
}

void CalculatorForm::mirrorMenuChecks() {
    for (const MenuDesign &design : kMenus)
        if (QAction *action = widgets_.menuItems[static_cast<int>(design.item)])
            action->setChecked(model_.checked(design.item));
}

} // namespace liftcalc
