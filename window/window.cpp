// SPDX-License-Identifier: MIT
// The window's design values and the program's writes to its controls.
#include "window/window.h"

namespace liftcalc {

Window::Window(WindowHost &host, NumberFormat format) : host_(host), format_(std::move(format)) {
    for (int i = 0; i < kFieldCount; ++i)
        fields_[i].Left = kFields[i].place.left;
    for (int i = 0; i < kLabelCount; ++i)
        labels_[i] = Label{designCaption(kLabels[i]), std::string(kLabels[i].toolTip)};
    for (const auto &menu : kMenus)
        menuChecked_[static_cast<int>(menu.item)] = menu.checkedAtDesign;
}

FieldTexts Window::texts() const {
    FieldTexts all;
    for (int i = 0; i < kFieldCount; ++i)
        all[i] = fields_[i].Text;
    return all;
}

void Window::setText(int index, std::string_view text) {
    Field &f = field(index);
    if (f.Text == text)
        return;
    f.Text = text;
    f.SelStart = 0;
    f.SelLength = 0;
    notifyField(index, FieldChanged::Property::Text);
    notifyField(index, FieldChanged::Property::Selection);
    Text1_Change(index);
}

void Window::setVisible(int index, bool visible) {
    if (assign(field(index).Visible, visible))
        notifyField(index, FieldChanged::Property::Visible);
}

void Window::setLocked(int index, bool locked) {
    if (assign(field(index).Locked, locked))
        notifyField(index, FieldChanged::Property::Locked);
}

void Window::setTabStop(int index, bool tabStop) {
    if (assign(field(index).TabStop, tabStop))
        notifyField(index, FieldChanged::Property::TabStop);
}

void Window::setBackColor(int index, Colour colour) {
    if (assign(field(index).BackColor, colour))
        notifyField(index, FieldChanged::Property::BackColor);
}

void Window::setLeft(int index, int left) {
    if (assign(field(index).Left, left))
        notifyField(index, FieldChanged::Property::Left);
}

void Window::setCaption(int label, std::string_view caption) {
    if (assign(labels_.at(label).Caption, std::string(caption)))
        notify(LabelChanged{label, LabelChanged::Property::Caption});
}

void Window::setToolTipText(int label, std::string_view text) {
    if (assign(labels_.at(label).ToolTipText, std::string(text)))
        notify(LabelChanged{label, LabelChanged::Property::ToolTipText});
}

void Window::setChecked(MenuItem item, bool checked) {
    if (assign(menuChecked_[static_cast<int>(item)], checked))
        notify(MenuCheckChanged{item});
}

void Window::setOptionValue(ControlId id, bool value) {
    const ControlId other =
        id == ControlId::optImperial ? ControlId::optMetric : ControlId::optImperial;
    const bool wasSelected = option(id).Value;
    if (assign(option(id).Value, value))
        notify(OptionChanged{id, OptionChanged::Property::Value});
    if (!value || wasSelected)
        return;
    // The two buttons exclude each other, and choosing one from code raises its click.
    if (assign(option(other).Value, false))
        notify(OptionChanged{other, OptionChanged::Property::Value});
    if (id == ControlId::optImperial)
        optImperial_Click();
    else
        optMetric_Click();
}

void Window::setOptionForeColor(ControlId id, Colour colour) {
    if (assign(option(id).ForeColor, colour))
        notify(OptionChanged{id, OptionChanged::Property::ForeColor});
}

void Window::setOptionFontBold(ControlId id, bool bold) {
    if (assign(option(id).FontBold, bold))
        notify(OptionChanged{id, OptionChanged::Property::FontBold});
}

void Window::moveFocusOnly(std::optional<ControlId> control) {
    if (assign(focus_, control))
        notify(FocusMoved{});
}

void Window::SetFocus(int index) {
    // Moving the focus needs a shown window and a visible field; the handlers never ask
    // otherwise, and a request that cannot be met is ignored rather than trusted.
    if (!shown_ || !loaded_ || !Text1(index).Visible)
        return;
    moveFocusOnly(fieldControl(index));
    Text1_GotFocus(index);
}

void Window::showMessage(const MessageBox &box) {
    // Modal: the handler goes on when the box is closed. The focus comes back to the control
    // that had it, without a new focus notification.
    host_.showMessage(box);
}

void Window::Unload() {
    if (!loaded_)
        return;
    Form_Unload();
    loaded_ = false;
    moveFocusOnly(std::nullopt);
    notify(WindowUnloaded{});
    // The windows it opened close with it.
    checks_.close();
    record_.close();
    host_.windowUnloaded();
}

} // namespace liftcalc
