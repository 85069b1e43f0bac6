// SPDX-License-Identifier: MIT
#include "cli/quantities.h"

#include <algorithm>

namespace liftcalc::cli {
namespace {

const Quantity &quantityOfField(int field) {
    return quantityOf(field);
}

} // namespace

std::span<const std::string_view> CalculatorCommand::inputs() const {
    static const auto all = [] {
        std::array<std::vector<std::string_view>, kCommands.size()> options;
        for (std::size_t i = 0; i < kCommands.size(); ++i)
            for (int field : kCommands[i].calculator->imperial.inputs)
                options[i].push_back(quantityOfField(field).option);
        return options;
    }();
    return all.at(static_cast<std::size_t>(this - kCommands.data()));
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
