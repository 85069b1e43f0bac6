// SPDX-License-Identifier: MIT
#include "web/design_json.h"
#include "web/page_change.h"
#include "window/menus.h"

#include <cstdio>
#include <string_view>

namespace liftcalc::web {
namespace {

class JsonWriter {
public:
    std::string take() { return std::move(out_); }

    JsonWriter &open(char bracket) {
        separate();
        out_ += bracket;
        first_ = true;
        return *this;
    }
    JsonWriter &close(char bracket) {
        out_ += bracket;
        first_ = false;
        return *this;
    }
    JsonWriter &key(std::string_view name) {
        separate();
        string(name);
        out_ += ':';
        first_ = true;
        return *this;
    }
    JsonWriter &value(std::string_view text) {
        separate();
        string(text);
        return *this;
    }
    JsonWriter &value(int number) {
        separate();
        out_ += std::to_string(number);
        return *this;
    }
    JsonWriter &value(bool flag) {
        separate();
        out_ += flag ? "true" : "false";
        return *this;
    }
    template <typename T> JsonWriter &member(std::string_view name, const T &v) {
        return key(name).value(v);
    }
    JsonWriter &rect(std::string_view name, const Rect &r) {
        return key(name)
            .open('{')
            .member("left", r.left)
            .member("top", r.top)
            .member("width", r.width)
            .member("height", r.height)
            .close('}');
    }

private:
    void separate() {
        if (!first_)
            out_ += ',';
        first_ = false;
    }
    void string(std::string_view text) {
        out_ += '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out_ += escaped;
            } else {
                out_ += c;
            }
        }
        out_ += '"';
    }

    std::string out_;
    bool first_ = true;
};

template <typename Names> void names(JsonWriter &json, std::string_view key, const Names &all) {
    json.key(key).open('[');
    for (const std::string_view name : all)
        json.value(name);
    json.close(']');
}

} // namespace

std::string designJson() {
    JsonWriter json;
    json.open('{').key("fields").open('[');
    for (int i = 0; i < kFieldCount; ++i) {
        // What a screen reader announces for a field: its row and its unit.
        const std::string name = accessibleName(i);
        json.open('{')
            .rect("place", kFields[i].place)
            .member("name", std::string_view(name))
            .close('}');
    }
    json.close(']').key("labels").open('[');
    // A row's caption or a unit label names its field, which places it in the narrow layout.
    constexpr std::string_view kShows[] = {"text", "quantity", "unit"};
    for (const LabelDesign &l : kLabels)
        json.open('{')
            .rect("place", l.place)
            .member("centred", l.centred)
            .member("shows", kShows[static_cast<int>(l.shows)])
            .member("field", l.field)
            .close('}');
    json.close(']').key("buttons").open('[');
    for (const ButtonDesign &b : kButtons)
        json.open('{')
            .member("id", static_cast<int>(b.id))
            .member("name", b.name)
            .member("caption", b.caption)
            .rect("place", b.place)
            .member("toolTip", b.toolTip)
            .close('}');
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
    json.close(']').rect("frame", kFrame1).rect("client", {0, 0, kClientWidth, kClientHeight});
    json.member("headingLabel", kHeadingLabel)
        .key("columns")
        .open('{')
        .member("imperial", kImperialColumnLeft)
        .member("metric", kMetricColumnLeft)
        .close('}');
    names(json, "changeControls", kPageControlNames);
    names(json, "changeProperties", kPagePropertyNames);
    return json.close('}').take();
}

} // namespace liftcalc::web
