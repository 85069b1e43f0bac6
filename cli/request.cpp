// SPDX-License-Identifier: MIT
#include "cli/request.h"

#include <algorithm>

namespace liftcalc::cli {

std::string listed(const std::vector<std::string> &names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 < names.size() ? ", " : " and ") + names[i];
    return text;
}

std::vector<std::string> inputOptions(const Calculator &calculator) {
    std::vector<std::string> options;
    for (const Input &input : calculator.inputs)
        options.push_back("--" + std::string(input.quantity->option));
    return options;
}

std::vector<std::string> inputOptions(const Check &check) {
    std::vector<std::string> options;
    for (const CheckRow &input : check.inputs)
        options.push_back("--" + std::string(input.option));
    return options;
}

std::string shownText(std::string_view text) {
    constexpr std::size_t kLongest = 24; // characters, not bytes
    std::string shown;
    std::size_t characters = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80 && ++characters > kLongest)
            return shown + "...";
        shown += byte < 0x20 || byte == 0x7F ? ' ' : c;
    }
    return shown;
}

Request parseRequest(std::span<const std::string> args) {
    Request request;
    if (!args.empty())
        request.command = commandNamed(args[0]), request.check = checkNamed(args[0]);
    if (!request.command && !request.check)
        throw UsageError("unknown calculator '" + (args.empty() ? "" : shownText(args[0])) + "'");
    const std::vector<std::string> options =
        request.check ? inputOptions(*request.check) : inputOptions(*request.command);
    // Each choice is made once: units, output form, locale, help and each input.
    std::map<std::string, std::string> chosen;
    auto choose = [&](const std::string &choice, const std::string &option) {
        if (auto [it, fresh] = chosen.emplace(choice, option); !fresh)
            throw UsageError(it->second == option ? "option " + option + " is given twice"
                                                  : "options " + it->second + " and " + option +
                                                        " exclude each other");
    };

    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (auto equals = option.find('=');
            option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        // A value never starts with "--": that is the next option, so this one lacks its value.
        auto takeValue = [&]() -> std::string {
            if (value)
                return *value;
            if (i + 1 >= args.size() || args[i + 1].starts_with("--"))
                throw UsageError("option " + option + " needs a value");
            return args[++i];
        };
        auto noValue = [&] {
            if (value)
                throw UsageError("option " + shownText(option) + " takes no value");
        };

        if (option == "--help" || option == "-h") {
            noValue();
            choose("help", option);
            request.help = true;
        } else if (option == "--imperial" || option == "--metric") {
            noValue();
            choose("units", option);
            request.imperial = option == "--imperial";
        } else if (option == "--json" || option == "--csv") {
            noValue();
            choose("output", option);
            request.output = option == "--json" ? OutputForm::Json : OutputForm::Csv;
        } else if (option == "--locale") {
            choose("locale", option);
            request.locale = takeValue();
        } else if (option == "--record") {
            choose("record", option);
            request.record = takeValue();
        } else if (std::find(options.begin(), options.end(), option) != options.end()) {
            choose(option, option);
            request.inputs[option.substr(2)] = takeValue();
        } else {
            throw UsageError("the " + std::string(request.name()) +
                             (request.check ? " check" : " calculator") + " has no option '" +
                             shownText(option) + "'");
        }
    }
    if (request.help)
        return request;
    std::vector<std::string> missing;
    for (const std::string &option : options)
        if (!request.inputs.contains(option.substr(2)))
            missing.push_back(option);
    if (!missing.empty())
        throw UsageError("missing input" + std::string(missing.size() > 1 ? "s " : " ") +
                         listed(missing));
    const auto sweeps =
        std::count_if(request.inputs.begin(), request.inputs.end(),
                      [](const auto &in) { return in.second.find(':') != std::string::npos; });
    if (sweeps > 1)
        throw UsageError("only one input may be a range FROM:TO:STEP");
    if (sweeps > 0 && request.record)
        throw UsageError("--record adds one calculation; a range FROM:TO:STEP cannot be added");
    return request;
}

} // namespace liftcalc::cli
