// SPDX-License-Identifier: MIT
#include "replay/state_json.h"

#include "replay/record_json.h"
#include "window/checks_actions.h"
#include "window/menus.h"
#include "json/json_writer.h"

namespace liftcalc {
namespace {

void writeOption(json::Writer &json, std::string_view name, const OptionButton &o) {
    json.key(name)
        .open('{')
        .member("value", o.Value)
        .member("foreColor", o.ForeColor)
        .member("bold", o.FontBold)
        .close('}');
}

void writeField(json::Writer &json, const Field &f) {
    json.open('{')
        .member("text", f.Text)
        .member("visible", f.Visible)
        .member("locked", f.Locked)
        .member("tabStop", f.TabStop)
        .member("backColor", f.BackColor)
        .member("left", f.Left)
        .member("selStart", f.SelStart)
        .member("selLength", f.SelLength)
        .close('}');
}

// A field of the checks window; a row without unit systems has no metric field (null).
void writeCheckField(json::Writer &json, const ChecksWindow &c, CheckField field,
                     std::string_view unit) {
    if (field.metric && !c.check().row(field.row).units->bothSystems()) {
        json.null();
        return;
    }
    const Field &f = c.field(field);
    json.open('{')
        .member("unit", unit)
        .member("text", f.Text)
        .member("locked", f.Locked)
        .member("selStart", f.SelStart)
        .member("selLength", f.SelLength)
        .close('}');
}

} // namespace

std::string checksFocusText(const ChecksWindow &c) {
    const ChecksFocus focus = c.focus();
    if (const auto *field = std::get_if<CheckField>(&focus))
        return "row " + std::to_string(field->row) + (field->metric ? " metric" : " imperial");
    return std::string(kChecksControls[static_cast<int>(std::get<ChecksControl>(focus))].name);
}

namespace {

void writeChecks(json::Writer &json, const ChecksWindow &c) {
    json.key("checks")
        .open('{')
        .member("check", c.check().command)
        .member("title", c.check().title)
        .member("imperialMode", c.imperial())
        .member("focus", checksFocusText(c))
        .key("rows")
        .open('[');
    for (int row = 0; row < c.check().rowCount(); ++row) {
        const CheckRow &r = c.check().row(row);
        json.open('{').member("name", r.name).key("imperial");
        writeCheckField(json, c, {row, false}, r.units->imperial);
        json.key("metric");
        writeCheckField(json, c, {row, true}, r.units->metric);
        json.close('}');
    }
    json.close(']').close('}');
}

} // namespace

std::string stateJson(const Window &w, const std::vector<MessageBox> &messages,
                      const ChecksWindow *checks, const RecordWindow *record,
                      std::span<const std::string> files) {
    std::string out;
    json::Writer json(out);
    json.open('{')
        .member("loaded", w.loaded())
        .member("imperialMode", w.imperialMode())
        .member("formLoaded", w.formLoaded())
        .member("heading", w.Label1(kHeadingLabel).Caption)
        .member("displacementTip", w.Label1(kDisplacementLabel).ToolTipText)
        .key("focus");
    if (w.focus())
        json.value(controlName(*w.focus()));
    else
        json.null();

    json.key("menus").open('{');
    for (const auto &menu : kMenus)
        if (menu.checkable)
            json.member(menu.name, w.checked(menu.item));
    json.close('}').key("options").open('{');
    writeOption(json, "optImperial", w.optImperial());
    writeOption(json, "optMetric", w.optMetric());
    json.close('}');

    json.key("fields").open('[');
    for (int i = 0; i < kFieldCount; ++i)
        writeField(json, w.Text1(i));
    json.close(']').key("messages").open('[');
    for (const MessageBox &m : messages)
        json.open('{')
            .member("title", m.title)
            .member("prompt", m.prompt)
            .member("buttons", m.buttons)
            .close('}');

    const NumberFormat &f = w.numberFormat();
    json.close(']')
        .key("numberFormat")
        .open('{')
        .member("decimal", f.decimal)
        .member("group", f.group)
        .member("minus", f.minus)
        .close('}');
    if (checks && checks->isOpen())
        writeChecks(json, *checks);
    if (record && record->isOpen())
        writeRecord(json, *record, files);
    json.close('}');
    return out;
}

} // namespace liftcalc
