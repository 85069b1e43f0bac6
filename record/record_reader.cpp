// SPDX-License-Identifier: MIT
// The record read from its file's tree: every member the program knows checked for its kind and
// taken, every other kept as it was; the first fault ends the reading with its reason.
#include "record/json_tree.h"
#include "record/lift_figures.h"
#include "record/recalculation.h"
#include "record/record_file.h"

#include "json/json_writer.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <span>

namespace liftcalc::record {
namespace {

using words::Message;
using words::say;

Path child(const Path &path, std::variant<std::string, std::size_t> step) {
    Path longer = path;
    longer.push_back(std::move(step));
    return longer;
}

class Reader {
public:
    std::optional<ReadError> error;

    bool fail(Message message, const Path &path, std::string_view detail = {}) {
        error = ReadError{say(message, {pathText(path), detail})};
        return false;
    }

    // Goes through the members of an object in their order: a known one to HANDLE with its
    // place in KNOWN, any other kept in UNKNOWN.
    bool members(const Tree &object, const Path &path, std::span<const std::string_view> known,
                 Unknowns &unknown,
                 const std::function<bool(std::size_t, const Tree &, const Path &)> &handle) {
        if (!object.is_object())
            return fail(Message::notAnObject, path);
        for (const auto &[name, value] : object.get_ref<const Tree::object_t &>()) {
            const auto at = std::find(known.begin(), known.end(), name);
            if (at == known.end())
                unknown.push_back(
                    {name, value.dump(-1, ' ', false, Tree::error_handler_t::replace)});
            else if (!handle(static_cast<std::size_t>(at - known.begin()), value,
                             child(path, name)))
                return false;
        }
        return true;
    }

    bool text(const Tree &value, const Path &path, std::string &out) {
        if (!value.is_string())
            return fail(Message::notAText, path);
        out = value.get_ref<const std::string &>();
        return true;
    }

    bool number(const Tree &value, const Path &path, double &out) {
        if (!value.is_number())
            return fail(Message::notANumber, path);
        out = value.get<double>();
        return true;
    }

    bool measure(const Tree &value, const Path &path, const LiftQuantity &quantity,
                 std::optional<Measure> &out) {
        if (value.is_null())
            return true;
        static constexpr std::string_view kKnown[] = {"value", "unit"};
        Measure measure;
        bool hasValue = false, hasUnit = false;
        const bool read = members(value, path, kKnown, measure.unknown,
                                  [&](std::size_t member, const Tree &v, const Path &p) {
                                      if (member == 0)
                                          return hasValue = number(v, p, measure.value);
                                      if (!(hasUnit = text(v, p, measure.unit)))
                                          return false;
                                      return measure.unit == quantity.imperialUnit ||
                                             measure.unit == quantity.metricUnit ||
                                             fail(Message::notOneOf, p,
                                                  std::string(quantity.imperialUnit) + ", " +
                                                      std::string(quantity.metricUnit));
                                  });
        if (!read)
            return false;
        if (!hasValue || !hasUnit)
            return fail(Message::missing, child(path, hasValue ? "unit" : "value"));
        out = std::move(measure);
        return true;
    }

    bool lift(const Tree &value, const Path &path, Lift &lift) {
        static constexpr std::string_view kKnown[] = {
            "device_id", "serial",     "location",    "address",  "owner",
            "maker",     "rated_load", "rated_speed", "diameter", "plungers"};
        std::string *texts[] = {&lift.deviceId, &lift.serial, &lift.location,
                                &lift.address,  &lift.owner,  &lift.maker};
        return members(value, path, kKnown, lift.unknown,
                       [&](std::size_t member, const Tree &v, const Path &p) {
                           if (member < std::size(texts))
                               return text(v, p, *texts[member]);
                           if (member < std::size(texts) + std::size(kLiftQuantities)) {
                               const auto &q = kLiftQuantities[member - std::size(texts)];
                               return measure(v, p, q, lift.*q.figure);
                           }
                           if (v.is_null())
                               return true;
                           double plungers = 0;
                           if (!number(v, p, plungers))
                               return false;
                           lift.plungers = plungers;
                           return true;
                       });
    }

    bool visit(const Tree &value, const Path &path, Visit &visit) {
        static constexpr std::string_view kKnown[] = {"date",      "kind",         "code",
                                                      "tested_by", "witnessed_by", "remarks"};
        static constexpr std::string_view kTester[] = {"name", "licence", "company"};
        static constexpr std::string_view kWitness[] = {"name", "agency"};
        std::string *tester[] = {&visit.testedBy.name, &visit.testedBy.licence,
                                 &visit.testedBy.company};
        std::string *witness[] = {&visit.witnessedBy.name, &visit.witnessedBy.agency};
        std::string *texts[] = {&visit.date, &visit.kind, &visit.code,
                                nullptr,     nullptr,     &visit.remarks};
        return members(
            value, path, kKnown, visit.unknown,
            [&](std::size_t member, const Tree &v, const Path &p) {
                if (texts[member])
                    return text(v, p, *texts[member]);
                const auto person = [&](std::string *const *fields) {
                    return [this, fields](std::size_t m, const Tree &pv, const Path &pp) {
                        return text(pv, pp, *fields[m]);
                    };
                };
                return member == 3
                           ? members(v, p, kTester, visit.testedBy.unknown, person(tester))
                           : members(v, p, kWitness, visit.witnessedBy.unknown, person(witness));
            });
    }

    bool figures(const Tree &value, const Path &path, std::vector<Figure> &out) {
        if (!value.is_object())
            return fail(Message::notAnObject, path);
        for (const auto &[name, figure] : value.get_ref<const Tree::object_t &>()) {
            double number = 0;
            if (!this->number(figure, child(path, name), number))
                return false;
            out.push_back({name, number});
        }
        return true;
    }

    bool entry(const Tree &value, const Path &path, Entry &entry) {
        static constexpr std::string_view kKnown[] = {
            "n", "time", "calculator", "check", "units", "figures", "context", "verdict", "note"};
        std::optional<Calculated> calculated;
        bool hasUnits = false, hasFigures = false;
        const bool read = members(
            value, path, kKnown, entry.unknown,
            [&](std::size_t member, const Tree &v, const Path &p) {
                std::string word;
                double ignored = 0;
                switch (member) {
                case 0: // the entry's number is its place, written afresh
                    return number(v, p, ignored);
                case 1:
                    return text(v, p, entry.time);
                case 2:
                case 3:
                    if (calculated)
                        return fail(Message::bothCalculations, path);
                    if (!text(v, p, word))
                        return false;
                    calculated = calculatedNamed(word, member == 3);
                    return calculated.has_value() ||
                           fail(Message::unknownCalculation, p, shownWord(word));
                case 4:
                    return (hasUnits = text(v, p, word)) && unitSystem(word, p, entry.units);
                case 5:
                    return hasFigures = figures(v, p, entry.figures);
                case 6:
                    return text(v, p, entry.context);
                case 7:
                    return verdict(v, p, entry.verdict);
                default:
                    return text(v, p, entry.note);
                }
            });
        if (!read)
            return false;
        if (!calculated)
            return fail(Message::noCalculation, path);
        if (!hasUnits || !hasFigures)
            return fail(Message::missing, child(path, hasUnits ? "figures" : "units"));
        entry.calculated = *calculated;
        entry.differs = !agreesWithNewCalculation(entry);
        return true;
    }

    bool unitSystem(const std::string &word, const Path &path, UnitSystem &out) {
        for (const auto &system : words::kUnitSystems)
            if (system.code == word) {
                out = system.units;
                return true;
            }
        return fail(Message::notOneOf, path, "imperial, metric");
    }

    bool verdict(const Tree &value, const Path &path, Verdict &out) {
        if (value.is_null())
            return true;
        std::string word;
        if (!text(value, path, word))
            return false;
        for (const auto &verdict : words::kVerdicts)
            if (verdict.verdict != Verdict::none && verdict.code == word) {
                out = verdict.verdict;
                return true;
            }
        return fail(Message::notOneOf, path, "pass, fail, n/a, null");
    }

    static std::string shownWord(std::string_view word) {
        constexpr std::size_t kLongest = 40;
        return json::quoted(word.size() > kLongest ? std::string(word.substr(0, kLongest)) + "..."
                                                   : std::string(word));
    }

    // The format and the version first: a later version may hold anything.
    bool header(const Tree &root) {
        if (!root.is_object())
            return fail(Message::notARecord, {});
        const auto format = root.find("format");
        if (format == root.end() || *format != "liftcalc-record")
            return fail(Message::notARecord, {});
        const auto version = root.find("version");
        if (version == root.end())
            return fail(Message::missing, {std::string("version")});
        if (!version->is_number())
            return fail(Message::notANumber, {std::string("version")});
        const double number = version->get<double>();
        if (number > kVersion) {
            error = ReadError{say(Message::newerVersion, {json::numberText(number)})};
            return false;
        }
        if (number != kVersion)
            return fail(Message::notOneOf, {std::string("version")}, "1");
        return true;
    }

    bool record(const Tree &root, Record &record) {
        if (!header(root))
            return false;
        static constexpr std::string_view kKnown[] = {"format",  "version",  "id",
                                                      "created", "modified", "program",
                                                      "lift",    "visit",    "entries"};
        std::string *texts[] = {nullptr,         nullptr,          &record.id,
                                &record.created, &record.modified, &record.program};
        return members(root, {}, kKnown, record.unknown,
                       [&](std::size_t member, const Tree &v, const Path &p) {
                           if (member < 2)
                               return true; // read first
                           if (member < std::size(texts))
                               return text(v, p, *texts[member]);
                           if (member == 6)
                               return lift(v, p, record.lift);
                           if (member == 7)
                               return visit(v, p, record.visit);
                           return entries(v, p, record.entries);
                       });
    }

    bool entries(const Tree &value, const Path &path, std::vector<Entry> &out) {
        if (!value.is_array())
            return fail(Message::notAList, path);
        if (value.size() > kMostEntries) {
            error = ReadError{say(Message::tooManyEntries)};
            return false;
        }
        out.resize(value.size());
        for (std::size_t i = 0; i < value.size(); ++i)
            if (!entry(value[i], child(path, i), out[i]))
                return false;
        return true;
    }
};

} // namespace

std::variant<Record, ReadError> readRecord(std::string_view bytes) {
    if (bytes.size() > kLargestFile)
        return ReadError{say(Message::fileTooLarge)};
    auto tree = parseTree(bytes);
    if (const auto *error = std::get_if<TreeError>(&tree))
        return ReadError{error->message};
    Reader reader;
    Record record;
    if (!reader.record(std::get<Tree>(tree), record))
        return *reader.error;
    return record;
}

} // namespace liftcalc::record
