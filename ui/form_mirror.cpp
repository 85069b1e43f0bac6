// SPDX-License-Identifier: MIT
// Mirroring the window model into the widgets, one property at a time, as it changes.
#include "ui/calculator_form.h"
#include "ui/widget_binding.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <variant>

namespace liftcalc {

namespace {
QString text(const std::string &s) {
    return QString::fromStdString(s);
}
} // namespace

void CalculatorForm::connectModel() {
    connection_ = model_.changed.connect([this](const Change &change) { mirror(change); });
}

void CalculatorForm::mirror(const Change &change) {
    std::visit([this](const auto &c) { mirrorChange(c); }, change);
}

void CalculatorForm::mirrorChange(const FieldChanged &change) {
    const int i = change.field;
    switch (change.property) {
    case FieldChanged::Property::Text:
        mirrorText(i);
        break;
    case FieldChanged::Property::Selection:
        mirrorSelection(i);
        break;
    case FieldChanged::Property::Visible:
        widgets_.fields[i]->setVisible(model_.Text1(i).Visible);
        break;
    case FieldChanged::Property::Locked:
        // A read-only line edit refuses typing and pasting but still takes the focus and lets
        // its text be selected and copied, as a locked field must.
        widgets_.fields[i]->setReadOnly(model_.Text1(i).Locked);
        break;
    case FieldChanged::Property::TabStop:
        mirrorTabStop(i);
        break;
    case FieldChanged::Property::BackColor:
        mirrorBackColor(i);
        break;
    case FieldChanged::Property::Left:
        widgets_.fields[i]->move(scale_.px(model_.Text1(i).Left), scale_.px(kFields[i].place.top));
        break;
    }
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

void CalculatorForm::mirrorText(int index) {
    const Field &f = model_.Text1(index);
    showText(widgets_.fields[index], text(f.Text), {f.SelStart, f.SelLength});
}

void CalculatorForm::mirrorSelection(int index) {
    const Field &f = model_.Text1(index);
    showSelection(widgets_.fields[index], {f.SelStart, f.SelLength});
}

void CalculatorForm::mirrorTabStop(int index) {
    // Tab is routed through the model, which skips fields that are not tab stops; the focus
    // policy says the same to Qt and to accessibility tools.
    widgets_.fields[index]->setFocusPolicy(model_.Text1(index).TabStop ? Qt::StrongFocus
                                                                       : Qt::ClickFocus);
}

void CalculatorForm::mirrorBackColor(int index) {
    QLineEdit *field = widgets_.fields[index];
    QPalette palette = field->palette();
    const QColor background = qtColour(model_.Text1(index).BackColor, QApplication::palette(field));
    palette.setColor(QPalette::Base, background);
    // The theme's text colour is made for the theme's own field colour; on a white or yellow
    // field under a dark theme it would be near-white.
    palette.setColor(QPalette::Text, textOn(background));
    field->setPalette(palette);
}

void CalculatorForm::mirrorOption(ControlId option) {
    auto *button = widgetOf(option);
    const OptionButton &o =
        option == ControlId::optImperial ? model_.optImperial() : model_.optMetric();
    {
        const QSignalBlocker quiet(button);
        static_cast<QAbstractButton *>(button)->setChecked(o.Value);
    }
    QPalette palette = button->palette();
    const QPalette theme = QApplication::palette(button);
    const QColor colour = readableOn(qtColour(o.ForeColor, theme), theme.color(QPalette::Window));
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    button->setPalette(palette);
    QFont font = button->font();
    font.setBold(o.FontBold);
    button->setFont(font);
}

void CalculatorForm::mirrorFocus() {
    const auto control = model_.focus();
    if (!control)
        return;
    QWidget *widget = widgetOf(*control);
    if (focusWidget() != widget)
        widget->setFocus(Qt::OtherFocusReason);
    // A line edit drops its selection when it loses the focus; the model's comes back with it.
    if (isField(*control))
        mirrorSelection(fieldIndex(*control));
}

void CalculatorForm::mirrorMenuChecks() {
    for (const MenuDesign &design : kMenus)
        if (QAction *action = widgets_.menuItems[static_cast<int>(design.item)])
            action->setChecked(model_.checked(design.item));
}

} // namespace liftcalc
