// SPDX-License-Identifier: MIT
// The record as its file holds it: one line of JSON, the members in their fixed order, then the
// members the program does not know, as they were read.
#include "record/record_file.h"

#include "record/words.h"
#include "json/json_writer.h"

namespace liftcalc::record {
namespace {

void unknowns(json::Writer &json, const Unknowns &members) {
    for (const Unknown &member : members)
        json.key(member.key).raw(member.json);
}

void measure(json::Writer &json, std::string_view name, const std::optional<Measure> &figure) {
    json.key(name);
    if (!figure) {
        json.null();
        return;
    }
    json.open('{').key("value").raw(json::numberText(figure->value)).member("unit", figure->unit);
    unknowns(json, figure->unknown);
    json.close('}');
}

void lift(json::Writer &json, const Lift &lift) {
    json.key("lift")
        .open('{')
        .member("device_id", lift.deviceId)
        .member("serial", lift.serial)
        .member("location", lift.location)
        .member("address", lift.address)
        .member("owner", lift.owner)
        .member("maker", lift.maker);
    measure(json, "rated_load", lift.ratedLoad);
    measure(json, "rated_speed", lift.ratedSpeed);
    measure(json, "diameter", lift.diameter);
    json.key("plungers");
    if (lift.plungers)
        json.raw(json::numberText(*lift.plungers));
    else
        json.null();
    unknowns(json, lift.unknown);
    json.close('}');
}

void visit(json::Writer &json, const Visit &visit) {
    json.key("visit")
        .open('{')
        .member("date", visit.date)
        .member("kind", visit.kind)
        .member("code", visit.code);
    json.key("tested_by")
        .open('{')
        .member("name", visit.testedBy.name)
        .member("licence", visit.testedBy.licence)
        .member("company", visit.testedBy.company);
    unknowns(json, visit.testedBy.unknown);
    json.close('}');
    json.key("witnessed_by")
        .open('{')
        .member("name", visit.witnessedBy.name)
        .member("agency", visit.witnessedBy.agency);
    unknowns(json, visit.witnessedBy.unknown);
    json.close('}');
    json.member("remarks", visit.remarks);
    unknowns(json, visit.unknown);
    json.close('}');
}

void entry(json::Writer &json, std::size_t number, const Entry &entry) {
    json.open('{')
        .member("n", number)
        .member("time", entry.time)
        .member(entry.calculated.check ? "check" : "calculator", entry.calculated.command())
        .member("units", words::unitSystemWord(entry.units).code);
    json.key("figures").open('{');
    for (const Figure &figure : entry.figures)
        json.key(figure.key).raw(json::numberText(figure.value));
    json.close('}').member("context", entry.context).key("verdict");
    if (entry.verdict == Verdict::none)
        json.null();
    else
        json.value(words::verdictWord(entry.verdict).code);
    json.member("note", entry.note);
    unknowns(json, entry.unknown);
    json.close('}');
}

} // namespace

std::string recordJson(const Record &record) {
    std::string out;
    out.reserve(1024 + record.entries.size() * 512);
    json::Writer json(out);
    json.open('{')
        .member("format", "liftcalc-record")
        .member("version", kVersion)
        .member("id", record.id)
        .member("created", record.created)
        .member("modified", record.modified)
        .member("program", record.program);
    lift(json, record.lift);
    visit(json, record.visit);
    json.key("entries").open('[');
    for (std::size_t i = 0; i < record.entries.size(); ++i)
        entry(json, i + 1, record.entries[i]);
    json.close(']');
    unknowns(json, record.unknown);
    json.close('}');
    out += '\n';
    return out;
}

} // namespace liftcalc::record
