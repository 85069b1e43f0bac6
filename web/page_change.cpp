// SPDX-License-Identifier: MIT
#include "web/page_change.h"

namespace liftcalc::web {

PageChange pageChange(const Change &change) {
    using P = Change::Property;
    switch (change.property) {
    case P::Text:
        return {"field", "text", change.index};
    case P::Visible:
        return {"field", "visible", change.index};
    case P::Locked:
        return {"field", "locked", change.index};
    case P::TabStop:
        return {"field", "tabStop", change.index};
    case P::BackColor:
        return {"field", "backColor", change.index};
    case P::Left:
        return {"field", "left", change.index};
    case P::Selection:
        return {"field", "selection", change.index};
    case P::Caption:
        return {"label", "caption", change.index};
    case P::ToolTipText:
        return {"label", "toolTip", change.index};
    case P::Checked:
        return {"menu", "checked", change.index};
    case P::Value:
    case P::ForeColor:
    case P::FontBold:
        return {"option", "look", change.index};
    case P::Focus:
        return {"window", "focus", 0};
    case P::Loaded:
        return {"window", "loaded", 0};
    }
    return {"window", "all", 0};
}

} // namespace liftcalc::web
