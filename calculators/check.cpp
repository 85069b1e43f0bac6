// SPDX-License-Identifier: MIT
#include "calculators/check.h"

#include "calculators/calculation.h"

#include <cmath>

namespace liftcalc {
namespace {

// Writes a figure in the answer format, or nothing when it cannot be written and read back.
std::optional<std::string> written(double value, const NumberFormat &format) {
    if (!std::isfinite(value))
        return std::nullopt;
    std::string text = answerText(value, format);
    if (!strictValue(text, format))
        return std::nullopt;
    return text;
}

class Writes {
public:
    explicit Writes(const NumberFormat &format) : format_(format) {}

    // Writes the figure into the field; false when it is too large to write.
    bool figure(CheckField field, double value) {
        auto text = written(value, format_);
        if (!text)
            return false;
        writes_.push_back({field, std::move(*text)});
        return true;
    }
    // Writes the other system's equivalent of a text already in a field.
    bool equivalent(CheckField field, std::string_view shown, const Units &units, bool toMetric) {
        const auto value = strictValue(shown, format_);
        return value && figure(field, *value * (toMetric ? units.toMetric : units.toImperial));
    }
    const std::string &last() const { return writes_.back().text; }
    std::vector<CheckWrite> take() { return std::move(writes_); }

private:
    const NumberFormat &format_;
    std::vector<CheckWrite> writes_;
};

} // namespace

CheckOutcome evaluate(const Check &check, UnitSystem units, std::span<const std::string> inputs,
                      const NumberFormat &format) {
    CheckInputs values{};
    for (std::size_t i = 0; i < check.inputs.size(); ++i) {
        const std::string_view text = i < inputs.size() ? std::string_view(inputs[i]) : "";
        if (const auto fault = brokenRule(check.inputs[i], text, format))
            return CheckRefusal{static_cast<int>(i), *fault};
        values[i] = *strictValue(text, format);
    }
    const auto computed = check.compute(values, units);
    if (const auto *refusal = std::get_if<CheckRefusal>(&computed))
        return *refusal;
    const auto &answers = std::get<CheckAnswers>(computed);

    const bool metric = units == UnitSystem::metric;
    const CheckRefusal tooLarge{std::nullopt, Fault::tooLarge};
    Writes writes(format);
    for (std::size_t i = 0; i < check.inputs.size(); ++i) {
        const Units &u = *check.inputs[i].units;
        if (u.bothSystems() &&
            !writes.equivalent({static_cast<int>(i), !metric}, inputs[i], u, !metric))
            return tooLarge;
    }
    for (std::size_t i = 0; i < check.answers.size(); ++i) {
        const int row = static_cast<int>(check.inputs.size() + i);
        const Units &u = *check.answers[i].units;
        if (!writes.figure({row, metric && u.bothSystems()}, answers[i]))
            return tooLarge;
        if (u.bothSystems() && !writes.equivalent({row, !metric}, writes.last(), u, !metric))
            return tooLarge;
    }
    return writes.take();
}

std::optional<Fault> brokenRule(const CheckRow &input, std::string_view text,
                                const NumberFormat &format) {
    return faultOf(input.rule, text, format);
}

std::string refusalText(const Check &check, const CheckRefusal &refusal) {
    if (!refusal.input)
        return "The figures give a result too large to compute";
    const std::string name(check.inputs[*refusal.input].name);
    switch (refusal.fault) {
    case Fault::notANumber:
        return name + " is not a number";
    case Fault::tooLarge:
        return name + " is too large to compute";
    case Fault::notAboveZero:
        return name + " must be more than 0";
    case Fault::negative:
        return name + " must be 0 or more";
    case Fault::belowOne:
    case Fault::notWhole:
        return name + " must be a whole number of at least 1";
    case Fault::aboveHundred:
        return name + " must be at most 100 %";
    case Fault::belowEmptyCar:
        return name + " must not be below the empty-car pressure";
    }
    return name + " is refused";
}

std::string guideText(const Check &check, UnitSystem units) {
    const CheckGuide &guide = check.guide;
    const bool metric = units == UnitSystem::metric && !guide.metric.empty();
    return std::string(guide.readings) + "\n" + std::string(metric ? guide.metric : guide.imperial);
}

double plungerArea(double diameter, double plungers) {
    return plungers * std::pow(diameter / 2, 2) * factors::pi;
}

} // namespace liftcalc
