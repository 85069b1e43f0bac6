// SPDX-License-Identifier: MIT
#include "cli/calculate.h"

#include "calculators/calculation.h"
#include "replay/replay.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace liftcalc::cli {
namespace {

std::string lowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

Figure figureOf(const Window &window, const Quantity &quantity, int field) {
    const FieldDesign &design = kFields[field];
    std::string column(quantity.key);
    if (!design.unit.empty())
        column += "_" + lowerCase(design.unit);
    return {column, std::string(design.quantity), std::string(design.unit),
            window.Text1(field).Text};
}

// The figures of the total-displacement tooltip: "...the total displacement of the 2 plungers
// is 8.16 gallons per foot. ( 101.342 liters per meter ) ". Plain number text has no blanks.
std::vector<Figure> totalDisplacement(const Window &window) {
    const std::string &tip = window.Label1(kDisplacementLabel).ToolTipText;
    constexpr std::string_view kLead = " plungers is ";
    const auto lead = tip.find(kLead);
    if (lead == std::string::npos)
        return {};
    const auto firstStart = lead + kLead.size();
    const auto firstEnd = tip.find(' ', firstStart);
    const auto open = tip.find("( ", firstEnd);
    if (firstEnd == std::string::npos || open == std::string::npos)
        return {};
    const auto secondStart = open + 2;
    const auto secondEnd = tip.find(' ', secondStart);
    std::string first = tip.substr(firstStart, firstEnd - firstStart);
    std::string second = tip.substr(secondStart, secondEnd - secondStart);
    const bool gallonsFirst = tip.compare(firstEnd, 8, " gallons") == 0;
    return {
        {"total_gpf", "Total Displacement", "GPF", gallonsFirst ? first : second},
        {"total_lpm", "Total Displacement", "LPM", gallonsFirst ? second : first},
    };
}

std::string refusalOf(const Window &window, const MessageBox &box) {
    std::string text = box.prompt + "\n";
    const auto focus = window.focus();
    if (focus && isField(*focus)) {
        const FieldDesign &design = kFields[fieldIndex(*focus)];
        text += "Check the field " + std::string(design.quantity) +
                (design.unit.empty() ? "" : " (" + std::string(design.unit) + ")") + ".";
    } else {
        text += "No input is 0 or less; one of them is not a number as a whole.";
    }
    return text;
}

} // namespace

Outcome calculate(const CalculatorCommand &command, bool imperial,
                  const std::map<std::string, std::string> &inputs, const NumberFormat &format) {
    RecordingHost host;
    Window window(host, format);
    window.start();
    window.chooseMenu(command.item);
    window.chooseMenu(imperial ? MenuItem::mnuImperial : MenuItem::mnuMetric);
    for (std::string_view option : command.inputs) {
        const Quantity &quantity = *quantityNamed(option);
        const int field = imperial ? quantity.imperialField
                                   : quantity.metricField.value_or(quantity.imperialField);
        window.clickField(field);
        window.editField(field, inputs.at(std::string(option)), INT_MAX);
    }
    window.click(ControlId::cmdCalculate);

    for (const MessageBox &box : host.shown)
        if (box.prompt == kInvalidNumberPrompt)
            return {{}, refusalOf(window, box)};

    Outcome outcome;
    for (std::string_view name : command.shown) {
        const Quantity &quantity = *quantityNamed(name);
        outcome.figures.push_back(figureOf(window, quantity, quantity.imperialField));
        if (quantity.metricField)
            outcome.figures.push_back(figureOf(window, quantity, *quantity.metricField));
    }
    for (Figure &total : totalDisplacement(window))
        outcome.figures.push_back(std::move(total));
    return outcome;
}

} // namespace liftcalc::cli
