// SPDX-License-Identifier: MIT
#include "cli/quantities.h"

#include <algorithm>

namespace liftcalc::cli {
namespace {

const Quantity &quantityOfField(int field) {
    return *std::find_if(kQuantities.begin(), kQuantities.end(), [field](const Quantity &q) {
        return q.imperialField == field || q.metricField == field;
    });
}

} // namespace

std::vector<std::string_view> CalculatorCommand::inputs() const {
    std::vector<std::string_view> options;
    for (int field : calculator->imperial.inputs)
        options.push_back(quantityOfField(field).option);
    return options;
}

std::vector<const Quantity *> CalculatorCommand::shown() const {
    std::vector<const Quantity *> quantities;
    for (const Quantity &q : kQuantities) {
        const auto &fields = calculator->shownFields;
        if (q.imperialField == fields::plungers ||
            std::find(fields.begin(), fields.end(), q.imperialField) != fields.end())
            quantities.push_back(&q);
    }
    return quantities;
}

bool CalculatorCommand::givesTotal() const {
    const auto &fields = calculator->shownFields;
    return std::find(fields.begin(), fields.end(), fields::displacementGpf) != fields.end();
}

} // namespace liftcalc::cli
