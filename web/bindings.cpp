// SPDX-License-Identifier: MIT
// What the page's script sees of the window: the person actions, the model's properties, the
// changes and message boxes to mirror, and the design tables the page is built from.
#include "web/design_json.h"
#include "web/page_window.h"
#include "window/menus.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace liftcalc::web {
namespace {

using emscripten::val;

val field(const PageWindow &p, int index) {
    const Field &f = p.window().Text1(index);
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

val label(const PageWindow &p, int index) {
    const Label &l = p.window().Label1(index);
    val out = val::object();
    out.set("caption", l.Caption);
    out.set("toolTip", l.ToolTipText);
    return out;
}

val option(const PageWindow &p, int control) {
    const Window &w = p.window();
    const OptionButton &o =
        static_cast<ControlId>(control) == ControlId::optImperial ? w.optImperial() : w.optMetric();
    val out = val::object();
    out.set("value", o.Value);
    out.set("foreColor", o.ForeColor);
    out.set("bold", o.FontBold);
    return out;
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
    for (const MessageBox &m : p.takeMessages()) {
        val d = val::object();
        d.set("title", m.title);
        d.set("prompt", m.prompt);
        d.set("buttons", m.buttons);
        out.call<void>("push", d);
    }
    return out;
}

// The person actions; an index or id out of range is nothing a person can do, so it does
// nothing.
bool isFieldIndex(int index) {
    return index >= 0 && index < kFieldCount;
}
void start(PageWindow &p) {
    p.window().start();
}
bool clickField(PageWindow &p, int index) {
    return isFieldIndex(index) && p.window().clickField(index);
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
        p.window().click(static_cast<ControlId>(control));
}
void pressTab(PageWindow &p, bool backwards) {
    p.window().pressTab(backwards);
}
void pressArrow(PageWindow &p) {
    p.window().pressArrow();
}
void pressEnter(PageWindow &p) {
    p.window().pressEnter();
}
void pressEscape(PageWindow &p) {
    p.window().pressEscape();
}
void chooseMenu(PageWindow &p, int item) {
    if (item >= 0 && item < kMenuItemCount)
        p.window().chooseMenu(static_cast<MenuItem>(item));
}
void closeFromTitleBar(PageWindow &p) {
    p.window().closeFromTitleBar();
}

PageWindow *create(const std::string &decimal, const std::string &group, const std::string &minus) {
    return new PageWindow(NumberFormat{decimal, group, minus});
}

} // namespace
} // namespace liftcalc::web

EMSCRIPTEN_BINDINGS(liftcalc) {
    using namespace liftcalc::web;
    using emscripten::allow_raw_pointers;
    emscripten::function("design", &designJson);
    emscripten::class_<PageWindow>("PageWindow")
        .constructor(&create, allow_raw_pointers())
        .function("start", &start)
        .function("clickField", &clickField)
        .function("editField", &editField)
        .function("selectInField", &selectInField)
        .function("click", &click)
        .function("pressTab", &pressTab)
        .function("pressArrow", &pressArrow)
        .function("pressEnter", &pressEnter)
        .function("pressEscape", &pressEscape)
        .function("chooseMenu", &chooseMenu)
        .function("closeFromTitleBar", &closeFromTitleBar)
        .function("field", &field)
        .function("label", &label)
        .function("option", &option)
        .function("checked", &checked)
        .function("focus", &focus)
        .function("loaded", &loaded)
        .function("takeChanges", &takeChanges)
        .function("takeMessages", &takeMessages);
}
