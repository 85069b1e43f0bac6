// SPDX-License-Identifier: MIT
#include "replay/state_json.h"

#include "window/menus.h"

#include <cstdio>

namespace liftcalc {
namespace {

const char *jsonBool(bool b) {
    return b ? "true" : "false";
}

std::string controlName(ControlId id) {
    if (isField(id))
        return "Text1(" + std::to_string(fieldIndex(id)) + ")";
    return std::string(buttonDesign(id).name);
}

std::string optionJson(const OptionButton &o) {
    return std::string("{\"value\":") + jsonBool(o.Value) +
           ",\"foreColor\":" + std::to_string(o.ForeColor) + ",\"bold\":" + jsonBool(o.FontBold) +
           "}";
}

std::string fieldJson(const Field &f) {
    return "{\"text\":" + jsonString(f.Text) + ",\"visible\":" + jsonBool(f.Visible) +
           ",\"locked\":" + jsonBool(f.Locked) + ",\"tabStop\":" + jsonBool(f.TabStop) +
           ",\"backColor\":" + std::to_string(f.BackColor) + ",\"left\":" + std::to_string(f.Left) +
           ",\"selStart\":" + std::to_string(f.SelStart) +
           ",\"selLength\":" + std::to_string(f.SelLength) + "}";
}

} // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string stateJson(const Window &w, const std::vector<MessageBox> &messages) {
    std::string out =
        std::string("{\"loaded\":") + jsonBool(w.loaded()) +
        ",\"imperialMode\":" + jsonBool(w.imperialMode()) +
        ",\"formLoaded\":" + jsonBool(w.formLoaded()) +
        ",\"heading\":" + jsonString(w.Label1(kHeadingLabel).Caption) +
        ",\"displacementTip\":" + jsonString(w.Label1(kDisplacementLabel).ToolTipText) +
        ",\"focus\":" + (w.focus() ? jsonString(controlName(*w.focus())) : "null");

    out += ",\"menus\":{";
    bool first = true;
    for (const auto &menu : kMenus) {
        if (!menu.checkable)
            continue;
        out += (first ? "" : ",") + jsonString(menu.name) + ":" + jsonBool(w.checked(menu.item));
        first = false;
    }
    out += "},\"options\":{\"optImperial\":" + optionJson(w.optImperial()) +
           ",\"optMetric\":" + optionJson(w.optMetric()) + "}";

    out += ",\"fields\":[";
    for (int i = 0; i < kFieldCount; ++i)
        out += (i ? "," : "") + fieldJson(w.Text1(i));
    out += "],\"messages\":[";
    for (std::size_t i = 0; i < messages.size(); ++i)
        out += std::string(i ? "," : "") + "{\"title\":" + jsonString(messages[i].title) +
               ",\"prompt\":" + jsonString(messages[i].prompt) +
               ",\"buttons\":" + std::to_string(messages[i].buttons) + "}";

    const NumberFormat &f = w.numberFormat();
    out += "],\"numberFormat\":{\"decimal\":" + jsonString(f.decimal) +
           ",\"group\":" + jsonString(f.group) + ",\"minus\":" + jsonString(f.minus) + "}}";
    return out;
}

} // namespace liftcalc
