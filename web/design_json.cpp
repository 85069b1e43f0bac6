// SPDX-License-Identifier: MIT
#include "web/design_json.h"

#include "web/page_change.h"
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

} // namespace liftcalc::web
