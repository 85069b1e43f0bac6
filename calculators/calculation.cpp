// SPDX-License-Identifier: MIT
#include "calculators/calculation.h"

#include <cmath>

namespace liftcalc {
namespace {
struct CalculationError {};
} // namespace

double Calculation::value(int field) const {
    auto &value = values_.at(field);
    if (!value)
        value = strictValue(text(field), format_);
    if (value)
        return *value;
    throw CalculationError{};
}

double Calculation::lenient(int field) const {
    return lenientValue(text(field), format_);
}

double Calculation::checked(double x) {
    if (!std::isfinite(x))
        throw CalculationError{};
    return x;
}

double Calculation::squared(double x) {
    return checked(std::pow(x, 2));
}

double Calculation::squareRoot(double x) {
    if (x < 0)
        throw CalculationError{};
    return checked(std::sqrt(x));
}

double Calculation::totalArea(double diameter, double plungers) {
    const double radius = checked(diameter / 2);
    return checked(checked(plungers * squared(radius)) * factors::pi);
}

double Calculation::rounded(double x) const {
    if (auto v = roundToThousandths(checked(x), format_))
        return *v;
    throw CalculationError{};
}

void Calculation::wholeNumberOfPlungers() {
    write(fields::plungers, plainText(std::floor(value(fields::plungers)), format_));
}

bool Calculation::positive(int field) const {
    return lenient(field) > 0;
}

bool Calculation::wholeNumber(int field) const {
    return lenientValue(plainText(std::floor(value(field)), format_), format_) >= 1;
}

void Calculation::require(bool passed) const {
    if (!passed)
        throw CalculationError{};
}

void Calculation::writeAnswer(int field, double x) {
    write(field, answerText(checked(x), format_));
}

void Calculation::writePlain(int field, double x) {
    write(field, plainText(checked(x), format_));
}

void Calculation::write(int field, std::string text) {
    texts_.at(field) = text;
    values_[field].reset();
    outcome_.effects.emplace_back(FieldWrite{field, std::move(text)});
}

void Calculation::setDisplacementTip(std::string text) {
    outcome_.effects.emplace_back(DisplacementTip{std::move(text)});
}

void Calculation::showMessage(MessageBox box) {
    outcome_.effects.emplace_back(std::move(box));
}

Outcome calculate(const FieldTexts &texts, const NumberFormat &format,
                  void (*body)(Calculation &)) {
    Calculation calculation(texts, format);
    try {
        body(calculation);
    } catch (const CalculationError &) {
        calculation.outcome_.refused = true;
    }
    return std::move(calculation.outcome_);
}

} // namespace liftcalc
