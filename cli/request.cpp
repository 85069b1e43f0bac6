// SPDX-License-Identifier: MIT
#include "cli/request.h"

#include <algorithm>
#include <cmath>

namespace liftcalc::cli {

Request parseRequest(std::span<const std::string> args) {
    Request request;
    if (args.empty() || !(request.command = commandNamed(args[0])))
        throw UsageError("unknown calculator '" + (args.empty() ? "" : args[0]) + "'");
    const auto inputs = request.command->inputs();

    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (auto equals = option.find('=');
            option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        auto takeValue = [&]() -> std::string {
            if (value)
                return *value;
            if (i + 1 >= args.size())
                throw UsageError("option " + option + " needs a value");
            return args[++i];
        };
        auto noValue = [&] {
            if (value)
                throw UsageError("option " + option + " takes no value");
        };

        if (option == "--help" || option == "-h") {
            noValue();
            request.help = true;
        } else if (option == "--imperial" || option == "--metric") {
            noValue();
            request.imperial = option == "--imperial";
        } else if (option == "--json" || option == "--csv") {
            noValue();
            request.output = option == "--json" ? OutputForm::Json : OutputForm::Csv;
        } else if (option == "--locale") {
            request.locale = takeValue();
        } else if (option.starts_with("--") &&
                   std::find(inputs.begin(), inputs.end(), option.substr(2)) != inputs.end()) {
            request.inputs[option.substr(2)] = takeValue();
        } else {
            throw UsageError("the " + std::string(request.command->name) +
                             " calculator has no option '" + option + "'");
        }
    }
    if (request.help)
        return request;
    for (std::string_view input : inputs)
        if (!request.inputs.contains(std::string(input)))
            throw UsageError("missing input --" + std::string(input));
    const auto sweeps =
        std::count_if(request.inputs.begin(), request.inputs.end(),
                      [](const auto &in) { return in.second.find(':') != std::string::npos; });
    if (sweeps > 1)
        throw UsageError("only one input may be a range FROM:TO:STEP");
    return request;
}

std::vector<std::string> sweepValues(std::string_view range, const NumberFormat &format,
                                     std::size_t maxRows) {
    const auto first = range.find(':');
    const auto second = range.find(':', first + 1);
    if (second == std::string_view::npos || range.find(':', second + 1) != std::string_view::npos)
        throw UsageError("a range is FROM:TO:STEP, not '" + std::string(range) + "'");
    const auto from = strictValue(range.substr(0, first), format);
    const auto to = strictValue(range.substr(first + 1, second - first - 1), format);
    const auto step = strictValue(range.substr(second + 1), format);
    if (!from || !to || !step)
        throw UsageError("FROM, TO and STEP of '" + std::string(range) + "' must be numbers");
    if (!(*step > 0) || *to < *from)
        throw UsageError("a range goes up from FROM to TO by a STEP above 0");
    // A little slack, so that 0.1:0.3:0.1 ends on 0.3 as a person expects.
    const double steps = std::floor((*to - *from) / *step + 1e-9);
    if (!std::isfinite(steps) || steps + 1 > static_cast<double>(maxRows))
        throw UsageError("the range '" + std::string(range) + "' gives more than " +
                         std::to_string(maxRows) + " rows");
    std::vector<std::string> values;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(steps); ++i)
        values.push_back(plainText(*from + static_cast<double>(i) * *step, format));
    return values;
}

} // namespace liftcalc::cli
