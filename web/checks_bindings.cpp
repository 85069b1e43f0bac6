// SPDX-License-Identifier: MIT
// The field checks window for the page's script: its rows and controls to build from, its state
// to mirror, and the person actions. Every action does nothing while no checks window is open,
// and a slot, index or control out of range is nothing a person can do, so it does nothing.
#include "web/checks_bindings.h"

#include "web/checks_change.h"
#include "web/field_value.h"
#include "window/checks_keys.h"

#include <emscripten/val.h>

namespace liftcalc::web {
namespace {

using emscripten::val;

val text(std::string_view s) {
    return val(std::string(s));
}

template <class Names> val names(const Names &all) {
    val out = val::array();
    for (std::string_view name : all)
        out.call<void>("push", text(name));
    return out;
}

// The chooser's checks with their rows, the controls' captions and the change names.
val checksDesign() {
    val checks = val::array();
    for (const Check *check : checks::kAll) {
        val rows = val::array();
        for (int row = 0; row < check->rowCount(); ++row) {
            const CheckRow &r = check->row(row);
            val d = val::object();
            d.set("name", text(r.name));
            d.set("imperial", text(r.units->imperial));
            d.set("metric", text(r.units->metric));
            rows.call<void>("push", d);
        }
        val d = val::object();
        d.set("title", text(check->title));
        d.set("command", text(check->command));
        d.set("rows", rows);
        checks.call<void>("push", d);
    }
    // Each control with what it is: the chooser, a unit system's option button, or a button.
    const auto kind = [](ChecksControl c) {
        switch (c) {
        case ChecksControl::chooser:
            return "chooser";
        case ChecksControl::optImperial:
        case ChecksControl::optMetric:
            return "option";
        default:
            return "button";
        }
    };
    val controls = val::array();
    for (const ChecksControlDesign &c : kChecksControls) {
        val d = val::object();
        d.set("name", text(c.name));
        d.set("kind", std::string(kind(c.control)));
        d.set("imperial", c.control == ChecksControl::optImperial);
        d.set("caption", text(c.caption));
        d.set("toolTip", text(c.toolTip));
        controls.call<void>("push", d);
    }
    val out = val::object();
    out.set("checks", checks);
    out.set("controls", controls);
    out.set("changes", names(kChecksChangeNames));
    out.set("rows", kMostCheckRows);
    return out;
}

ChecksWindow *openChecks(PageWindow &p) {
    ChecksWindow *w = p.checks();
    return w && w->isOpen() ? w : nullptr;
}

std::optional<CheckField> fieldAt(int slot) {
    if (slot < 0 || slot >= kChecksFieldCount)
        return std::nullopt;
    return checkFieldAt(slot);
}

bool checksOpen(PageWindow &p) {
    return openChecks(p) != nullptr;
}

val checksField(PageWindow &p, int slot) {
    const auto f = fieldAt(slot);
    if (!p.checks() || !f)
        return val::null();
    return fieldValue(p.checks()->field(*f));
}

// The chosen check, the unit system and the focus: a field's slot, or a control.
val checksState(PageWindow &p) {
    if (!p.checks())
        return val::null();
    const ChecksWindow &w = *p.checks();
    val out = val::object();
    out.set("check", w.checkIndex());
    out.set("imperial", w.imperial());
    const ChecksFocus focus = w.focus();
    if (const auto *field = std::get_if<CheckField>(&focus))
        out.set("focusSlot", fieldSlot(*field));
    else
        out.set("focusControl", static_cast<int>(std::get<ChecksControl>(focus)));
    return out;
}

void checksChoose(PageWindow &p, int index) {
    if (auto *w = openChecks(p))
        w->chooseCheck(index);
}

bool checksClickField(PageWindow &p, int slot) {
    auto *w = openChecks(p);
    const auto f = fieldAt(slot);
    return w && f && w->clickField(*f);
}

bool checksEditField(PageWindow &p, int slot, const std::string &text, int caretAt) {
    auto *w = openChecks(p);
    const auto f = fieldAt(slot);
    return w && f && w->editField(*f, text, caretAt);
}

void checksSelectInField(PageWindow &p, int slot, int start, int length) {
    auto *w = openChecks(p);
    if (const auto f = fieldAt(slot); w && f)
        w->selectInField(*f, start, length);
}

void checksClick(PageWindow &p, int control) {
    auto *w = openChecks(p);
    if (w && control >= 0 && control < static_cast<int>(kChecksControls.size()))
        w->click(static_cast<ChecksControl>(control));
}

bool checksPressKey(PageWindow &p, const std::string &name) {
    auto *w = openChecks(p);
    return w && pressChecksKey(*w, name);
}

// A view into the module's memory: the script copies it before it calls the module again.
val checksTakeChanges(PageWindow &p) {
    const std::vector<int> &changes = p.takeChecksChanges();
    return val(emscripten::typed_memory_view(changes.size(), changes.data()));
}

} // namespace

void bindChecks(const emscripten::class_<PageWindow> &page) {
    emscripten::function("checksDesign", &checksDesign);
    page.function("checksOpen", &checksOpen)
        .function("checksField", &checksField)
        .function("checksState", &checksState)
        .function("checksChoose", &checksChoose)
        .function("checksClickField", &checksClickField)
        .function("checksEditField", &checksEditField)
        .function("checksSelectInField", &checksSelectInField)
        .function("checksClick", &checksClick)
        .function("checksPressKey", &checksPressKey)
        .function("checksTakeChanges", &checksTakeChanges);
}

} // namespace liftcalc::web
