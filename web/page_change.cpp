// SPDX-License-Identifier: MIT
#include "web/page_change.h"

namespace liftcalc::web {

PageChange pageChange(const Change &change) {
    using P = Change::Property;
    using C = PageControl;
    using Q = PageProperty;
    const int i = change.index;
    switch (change.property) {
    case P::Text:
        return {C::field, Q::text, i};
    case P::Visible:
        return {C::field, Q::visible, i};
    case P::Locked:
        return {C::field, Q::locked, i};
    case P::TabStop:
        return {C::field, Q::tabStop, i};
    case P::BackColor:
        return {C::field, Q::backColor, i};
    case P::Left:
        return {C::field, Q::left, i};
    case P::Selection:
        return {C::field, Q::selection, i};
    case P::Caption:
        return {C::label, Q::caption, i};
    case P::ToolTipText:
        return {C::label, Q::toolTip, i};
    case P::Checked:
        return {C::menu, Q::checked, i};
    case P::Value:
    case P::ForeColor:
    case P::FontBold:
        return {C::option, Q::look, i};
    case P::Focus:
        return {C::window, Q::focus, 0};
    case P::Loaded:
        break;
    }
    return {C::window, Q::loaded, 0};
}

} // namespace liftcalc::web
