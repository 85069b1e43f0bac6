// SPDX-License-Identifier: MIT
#include "calculators/calculation.h"

#include <cmath>

namespace liftcalc {
namespace {
struct CalculationError {};
} // namespace

double Calculation::value(int field) const {
    if (auto v = strictValue(window_.Text1(field).Text, format_))
        return *v;
    throw CalculationError{};
}

double Calculation::lenient(int field) const {
    return lenientValue(window_.Text1(field).Text, format_);
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
    window_.setText(1, plainText(std::floor(value(1)), format_));
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
    window_.setText(field, answerText(checked(x), format_));
}

void Calculation::writePlain(int field, double x) {
    window_.setText(field, plainText(checked(x), format_));
}

void runCalculation(Window &window, std::string_view failureTitle,
                    const std::array<int, 3> &focusOrder,
                    const std::function<void(Calculation &)> &body) {
    Calculation calculation(window);
    try {
        body(calculation);
    } catch (const CalculationError &) {
        window.showMessage(kInvalidNumberPrompt, 0, failureTitle);
        for (int field : focusOrder) {
            if (!calculation.positive(field)) {
                window.SetFocus(field);
                break;
            }
        }
    }
}

} // namespace liftcalc
