// SPDX-License-Identifier: MIT
// The field checks window for the page's script: its design as JSON (as the calculator window's),
// its state to mirror, and the person actions. Every action does nothing while no checks window is
// open, and a slot, index or control out of range is nothing a person can do, so it does nothing.
#include "web/checks_bindings.h"

#include "web/design_json.h"
#include "web/field_value.h"
#include "window/checks_actions.h"
#include "window/checks_keys.h"

#include <emscripten/val.h>

namespace liftcalc::web {
namespace {

using emscripten::val;

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

// A unit system's option button as the model shows it; null for any other control.
val checksOption(PageWindow &p, int control) {
    if (!p.checks())
        return val::null();
    switch (static_cast<ChecksControl>(control)) {
    case ChecksControl::optImperial:
        return optionValue(p.checks()->unitOption(UnitSystem::imperial));
    case ChecksControl::optMetric:
        return optionValue(p.checks()->unitOption(UnitSystem::metric));
    default:
        return val::null();
    }
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

// The letters typed on the chooser in quick succession; false unless it has the focus.
bool checksTypeOnChooser(PageWindow &p, const std::string &typed) {
    auto *w = openChecks(p);
    return w && perform(*w, TypeOnChooser{typed});
}

// A view into the module's memory: the script copies it before it calls the module again.
val checksTakeChanges(PageWindow &p) {
    const std::vector<int> &changes = p.takeChecksChanges();
    return val(emscripten::typed_memory_view(changes.size(), changes.data()));
}

} // namespace

void bindChecks(const emscripten::class_<PageWindow> &page) {
    emscripten::function("checksDesign", &checksDesignJson);
    page.function("checksOpen", &checksOpen)
        .function("checksField", &checksField)
        .function("checksOption", &checksOption)
        .function("checksState", &checksState)
        .function("checksChoose", &checksChoose)
        .function("checksClickField", &checksClickField)
        .function("checksEditField", &checksEditField)
        .function("checksSelectInField", &checksSelectInField)
        .function("checksClick", &checksClick)
        .function("checksPressKey", &checksPressKey)
        .function("checksTypeOnChooser", &checksTypeOnChooser)
        .function("checksTakeChanges", &checksTakeChanges);
}

} // namespace liftcalc::web
