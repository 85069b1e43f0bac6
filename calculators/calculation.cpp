// SPDX-License-Identifier: MIT
#include "calculators/calculation.h"

#include <cmath>

namespace liftcalc {

double Calculation::refuse() {
    refused_ = true;
    return 0;
}

double Calculation::value(int field) {
    // Once refused, nothing read matters: a long text is not read again.
    if (refused_)
        return 0;
    auto &value = values_.at(field);
    if (!value)
        value = strictValue(text(field), format_);
    return value ? *value : refuse();
}

double Calculation::checked(double x) {
    return std::isfinite(x) ? x : refuse();
}

double Calculation::squared(double x) {
    return checked(std::pow(x, 2));
}

double Calculation::squareRoot(double x) {
    return x < 0 ? refuse() : checked(std::sqrt(x));
}

double Calculation::totalArea(double diameter, double plungers) {
    const double radius = checked(diameter / 2);
    return checked(checked(plungers * squared(radius)) * factors::pi);
}

double Calculation::rounded(double x) {
    const auto rounded = roundToThousandths(checked(x), format_);
    return rounded ? *rounded : refuse();
}

void Calculation::wholeNumberOfPlungers() {
    write(fields::plungers, plainText(std::floor(value(fields::plungers)), format_));
}

bool Calculation::keeps(Rule rule, int field) {
    if (rule == Rule::aboveZero)
        return lenientValue(text(field), format_) > 0;
    // A whole number, or a figure of at least 1: the figure rounded down, written and read back.
    return lenientValue(plainText(std::floor(value(field)), format_), format_) >= 1;
}

void Calculation::test(int field) {
    if (refused_)
        return;
    for (const Input &input : inputs_)
        if (input.quantity->field(units_) == field) {
            if (!keeps(input.rule, field))
                refuse();
            return;
        }
    // A body that tests a field its row does not list as an input cannot be trusted.
    refuse();
}

void Calculation::writeAnswer(int field, double x) {
    const double figure = checked(x);
    if (!refused_)
        write(field, answerText(figure, format_));
}

void Calculation::writePlain(int field, double x) {
    const double figure = checked(x);
    if (!refused_)
        write(field, plainText(figure, format_));
}

void Calculation::write(int field, std::string text) {
    if (refused_)
        return;
    written_.at(field) = text;
    values_[field].reset();
    result_.effects.emplace_back(FieldWrite{field, std::move(text)});
}

void Calculation::setDisplacementTip(std::string text) {
    if (!refused_)
        result_.effects.emplace_back(DisplacementTip{std::move(text)});
}

void Calculation::showMessage(MessageBox box) {
    if (!refused_)
        result_.effects.emplace_back(std::move(box));
}

void Calculation::reportTotal(TotalDisplacement total) {
    if (!refused_)
        result_.total = total;
}

} // namespace liftcalc
