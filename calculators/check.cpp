// SPDX-License-Identifier: MIT
#include "calculators/check.h"

#include "calculators/calculation.h"

#include <cctype>
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
    CheckRefusals broken;
    for (std::size_t i = 0; i < check.inputs.size(); ++i) {
        const std::string_view text = i < inputs.size() ? std::string_view(inputs[i]) : "";
        if (const auto fault = faultOf(check.inputs[i].rule, text, format))
            broken.push_back({static_cast<int>(i), *fault});
        else
            values[i] = *strictValue(text, format);
    }
    if (!broken.empty())
        return broken;
    const auto computed = check.compute(values, units);
    if (const auto *refusal = std::get_if<CheckRefusal>(&computed))
        return CheckRefusals{*refusal};
    const auto &answers = std::get<CheckAnswers>(computed);

    const bool metric = units == UnitSystem::metric;
    const CheckRefusals tooLarge{{std::nullopt, Fault::tooLarge}};
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

CheckFaultText faultText(const Check &check, const CheckRefusal &refusal, UnitSystem units) {
    if (const auto *below = std::get_if<BelowInput>(&refusal.fault))
        return {"must not be below", &check.inputs[below->other]};
    const CheckRow &input = check.inputs[refusal.input.value_or(0)];
    const Units &u = *input.units;
    const bool metric = units == UnitSystem::metric && u.bothSystems();
    return {faultText(input.rule, std::get<Fault>(refusal.fault), metric ? u.metric : u.imperial)};
}

std::string refusalText(const Check &check, const CheckRefusal &refusal, UnitSystem units) {
    if (!refusal.input)
        return "The figures give a result too large to compute";
    const CheckFaultText fault = faultText(check, refusal, units);
    std::string text = std::string(check.inputs[*refusal.input].name) + " " + fault.text;
    if (fault.other) {
        // The other input in the middle of a sentence: "the empty-car pressure".
        std::string other(fault.other->name);
        other.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(other.front())));
        text += " the " + other;
    }
    return text;
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
