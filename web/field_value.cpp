// SPDX-License-Identifier: MIT
#include "web/field_value.h"

namespace liftcalc::web {

using emscripten::val;

val fieldValue(const Field &f) {
    val out = val::object();
    out.set("text", f.Text);
    out.set("visible", f.Visible);
    out.set("locked", f.Locked);
    out.set("tabStop", f.TabStop);
    out.set("backColor", f.BackColor);
    out.set("left", f.Left);
    out.set("selStart", f.SelStart);
    out.set("selLength", f.SelLength);
    return out;
}

val optionValue(const OptionButton &o) {
    val out = val::object();
    out.set("value", o.Value);
    out.set("foreColor", o.ForeColor);
    out.set("bold", o.FontBold);
    return out;
}

} // namespace liftcalc::web
