// SPDX-License-Identifier: MIT
#include "web/design_json.h"

#include "web/checks_change.h"
#include "web/page_change.h"
#include "window/checks_keys.h"
#include "window/menus.h"
#include "json/json_writer.h"

#include <string_view>

namespace liftcalc::web {
namespace {

using json::Writer;

Writer &rect(Writer &json, std::string_view name, const Rect &r) {
    return json.key(name)
        .open('{')
        .member("left", r.left)
        .member("top", r.top)
        .member("width", r.width)
        .member("height", r.height)
        .close('}');
}

template <typename Names> void names(Writer &json, std::string_view key, const Names &all) {
    json.key(key).open('[');
    for (const std::string_view name : all)
        json.value(name);
    json.close(']');
}

// What a control of the checks window is: the chooser, a unit system's option button, or a button.
std::string_view kindOf(ChecksControl control) {
    switch (control) {
    case ChecksControl::chooser:
        return "chooser";
    case ChecksControl::optImperial:
    case ChecksControl::optMetric:
        return "option";
    case ChecksControl::cmdCalculate:
    case ChecksControl::cmdClear:
    case ChecksControl::cmdClose:
    case ChecksControl::cmdAddToRecord:
        break;
    }
    return "button";
}

} // namespace

std::string designJson() {
    std::string out;
    Writer json(out);
    json.open('{').key("fields").open('[');
    for (int i = 0; i < kFieldCount; ++i) {
        // What a screen reader announces for a field: its row and its unit.
        json.open('{');
        rect(json, "place", kFields[i].place).member("name", accessibleName(i)).close('}');
    }
    json.close(']').key("labels").open('[');
    // A row's caption or a unit label names its field, which places it in the narrow layout.
    constexpr std::string_view kShows[] = {"text", "quantity", "unit"};
    for (const LabelDesign &l : kLabels) {
        json.open('{');
        rect(json, "place", l.place)
            .member("centred", l.centred)
            .member("shows", kShows[static_cast<int>(l.shows)])
            .member("field", l.field)
            .close('}');
    }
    json.close(']').key("buttons").open('[');
    for (const ButtonDesign &b : kButtons) {
        json.open('{')
            .member("id", static_cast<int>(b.id))
            .member("name", b.name)
            .member("caption", b.caption);
        rect(json, "place", b.place).member("toolTip", b.toolTip).close('}');
    }
    json.close(']').key("menus").open('[');
    for (const MenuDesign &m : kMenus)
        json.open('{')
            .member("item", static_cast<int>(m.item))
            .member("name", m.name)
            .member("parent", m.parent ? static_cast<int>(*m.parent) : -1)
            .member("caption", m.caption)
            .member("shortcut", m.shortcut)
            .member("action", m.choosable())
            .member("checkable", m.checkable)
            .close('}');
    json.close(']');
    rect(json, "frame", kFrame1);
    rect(json, "client", {0, 0, kClientWidth, kClientHeight});
    json.member("headingLabel", kHeadingLabel)
        .key("columns")
        .open('{')
        .member("imperial", kImperialColumnLeft)
        .member("metric", kMetricColumnLeft)
        .close('}');
    names(json, "changeControls", kPageControlNames);
    names(json, "changeProperties", kPagePropertyNames);
    json.close('}');
    return out;
}

std::string checksDesignJson() {
    std::string out;
    Writer json(out);
    json.open('{').key("checks").open('[');
    for (const Check *check : checks::kAll) {
        json.open('{')
            .member("title", check->title)
            .member("command", check->command)
            .key("guide")
            .open('{')
            .member("imperial", guideText(*check, UnitSystem::imperial))
            .member("metric", guideText(*check, UnitSystem::metric))
            .close('}')
            .key("rows")
            .open('[');
        for (int row = 0; row < check->rowCount(); ++row) {
            const CheckRow &r = check->row(row);
            json.open('{')
                .member("name", r.name)
                .member("imperial", r.units->imperial)
                .member("metric", r.units->metric)
                .close('}');
        }
        json.close(']').close('}');
    }
    json.close(']').key("controls").open('[');
    for (const ChecksControlDesign &c : kChecksControls)
        json.open('{')
            .member("name", c.name)
            .member("kind", kindOf(c.control))
            .member("caption", c.caption)
            .member("toolTip", c.toolTip)
            .close('}');
    json.close(']');
    names(json, "changes", kChecksChangeNames);
    json.member("rows", kMostCheckRows).close('}');
    return out;
}

} // namespace liftcalc::web
