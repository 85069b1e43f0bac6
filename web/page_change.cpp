// SPDX-License-Identifier: MIT
#include "web/page_change.h"

namespace liftcalc::web {
namespace {

using C = PageControl;
using Q = PageProperty;

PageChange pageChangeOf(const FieldChanged &change) {
    using P = FieldChanged::Property;
    constexpr auto property = [](P p) {
        switch (p) {
        case P::Text:
            return Q::text;
        case P::Visible:
            return Q::visible;
        case P::Locked:
            return Q::locked;
        case P::TabStop:
            return Q::tabStop;
        case P::BackColor:
            return Q::backColor;
        case P::Left:
            return Q::left;
        case P::Selection:
            break;
        }
        return Q::selection;
    };
    return {C::field, property(change.property), change.field};
}

PageChange pageChangeOf(const LabelChanged &change) {
    return {C::label, change.property == LabelChanged::Property::Caption ? Q::caption : Q::toolTip,
            change.label};
}

PageChange pageChangeOf(const MenuCheckChanged &change) {
    return {C::menu, Q::checked, static_cast<int>(change.item)};
}

PageChange pageChangeOf(const OptionChanged &change) {
    return {C::option, Q::look, static_cast<int>(change.option)};
}

PageChange pageChangeOf(const FocusMoved &) {
    return {C::window, Q::focus, 0};
}

PageChange pageChangeOf(const WindowUnloaded &) {
    return {C::window, Q::loaded, 0};
}

std::optional<PageChange> pageChangeOf(const SecondaryShown &) {
    return std::nullopt;
}

} // namespace

std::optional<PageChange> pageChange(const Change &change) {
    return std::visit([](const auto &c) { return std::optional<PageChange>(pageChangeOf(c)); },
                      change);
}

} // namespace liftcalc::web
