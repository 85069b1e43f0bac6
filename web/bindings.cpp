// SPDX-License-Identifier: MIT
// What the page's script sees of the window: the person actions, the model's properties, the
// changes and message boxes to mirror, and the design tables the page is built from.
#include "web/checks_bindings.h"
#include "web/design_json.h"
#include "web/field_value.h"
#include "web/page_window.h"
#include "web/record_bindings.h"
#include "window/actions.h"
#include "window/menus.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace liftcalc::web {
namespace {

using emscripten::val;

val field(const PageWindow &p, int index) {
    return fieldValue(p.window().Text1(index));
}

val label(const PageWindow &p, int index) {
    const Label &l = p.window().Label1(index);
    val out = val::object();
    out.set("caption", l.Caption);
    out.set("toolTip", l.ToolTipText);
    return out;
}

val option(const PageWindow &p, int control) {
    const Window &w = p.window();
    return optionValue(static_cast<ControlId>(control) == ControlId::optImperial ? w.optImperial()
                                                                                 : w.optMetric());
}

bool checked(const PageWindow &p, int item) {
    return p.window().checked(static_cast<MenuItem>(item));
}

int focus(const PageWindow &p) {
    const auto control = p.window().focus();
    return control ? static_cast<int>(*control) : -1;
}

bool loaded(const PageWindow &p) {
    return p.window().loaded();
}

// A view into the module's memory: the script copies it before it calls the module again.
val takeChanges(PageWindow &p) {
    const std::vector<int> &changes = p.takeChanges();
    return val(emscripten::typed_memory_view(changes.size(), changes.data()));
}

val takeMessages(PageWindow &p) {
    val out = val::array();
    for (const MessageBox &m : p.host().takeMessages()) {
        val d = val::object();
        d.set("title", m.title);
        d.set("prompt", m.prompt);
        d.set("buttons", m.buttons);
        out.call<void>("push", d);
    }
    return out;
}

// What a person does: clicks, keys and menu items go to the model as the typed person actions;
// edits and selections of a field's text as the text box reports them. An index or id out of range
// is nothing a person can do, so it does nothing.
bool isFieldIndex(int index) {
    return index >= 0 && index < kFieldCount;
}
void start(PageWindow &p) {
    p.window().start();
}
bool clickField(PageWindow &p, int index) {
    return isFieldIndex(index) && perform(p.window(), ClickField{index});
}
bool editField(PageWindow &p, int index, const std::string &text, int caretAt) {
    return isFieldIndex(index) && p.window().editField(index, text, caretAt);
}
void selectInField(PageWindow &p, int index, int start, int length) {
    if (isFieldIndex(index))
        p.window().selectInField(index, start, length);
}
void click(PageWindow &p, int control) {
    if (control >= 0 && control <= static_cast<int>(ControlId::optMetric))
        perform(p.window(), ClickControl{static_cast<ControlId>(control)});
}
// A key as the window names it ("Shift+Tab", "Ctrl+L", "Alt+C", "Left"): false when it is not
// one of the window's keys, which the page then leaves to the browser.
bool pressKey(PageWindow &p, const std::string &name) {
    const auto action = keyAction(name);
    return action && perform(p.window(), *action);
}
void chooseMenu(PageWindow &p, int item) {
    if (item >= 0 && item < kMenuItemCount)
        perform(p.window(), ChooseMenu{static_cast<MenuItem>(item)});
}

// KEPT: the record's copy the browser kept last, or null.
PageWindow *create(const std::string &decimal, const std::string &group, const std::string &minus,
                   const val &kept) {
    return new PageWindow(NumberFormat{decimal, group, minus},
                          kept.isString() ? std::optional(kept.as<std::string>()) : std::nullopt);
}

} // namespace
} // namespace liftcalc::web

EMSCRIPTEN_BINDINGS(liftcalc) {
    using namespace liftcalc::web;
    using emscripten::allow_raw_pointers;
    emscripten::function("design", &designJson);
    const emscripten::class_<PageWindow> page("PageWindow");
    page.constructor(&create, allow_raw_pointers())
        .function("start", &start)
        .function("clickField", &clickField)
        .function("editField", &editField)
        .function("selectInField", &selectInField)
        .function("click", &click)
        .function("pressKey", &pressKey)
        .function("chooseMenu", &chooseMenu)
        .function("field", &field)
        .function("label", &label)
        .function("option", &option)
        .function("checked", &checked)
        .function("focus", &focus)
        .function("loaded", &loaded)
        .function("takeChanges", &takeChanges)
        .function("takeMessages", &takeMessages);
    bindChecks(page);
    bindRecord(page);
}
