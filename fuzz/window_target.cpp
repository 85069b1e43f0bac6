// SPDX-License-Identifier: MIT
// Fuzz target: random sequences of what a person does to the window, checking after every
// action that the window is in a state it may show. A broken invariant prints the sequence as
// a liftcalc-replay script, to be replayed and read by a person.
#include "fuzz/action_script.h"
#include "fuzz/check.h"
#include "fuzz/window_invariants.h"
#include "platform/locale_format.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace liftcalc::fuzz {
namespace {

const NumberFormat &formatNamed(std::string_view locale) {
    static std::map<std::string, NumberFormat, std::less<>> formats;
    auto [at, added] = formats.try_emplace(std::string(locale));
    if (added) {
        auto format = numberFormatNamed(locale);
        if (!format)
            fail("no regional settings for " + std::string(locale));
        at->second = *format;
    }
    return at->second;
}

[[noreturn]] void report(const ActionScript &script, std::size_t done, const std::string &what) {
    std::fprintf(stderr, "# liftcalc-replay --locale %.*s\n",
                 static_cast<int>(script.locale.size()), script.locale.data());
    for (std::size_t i = 0; i < done && i < script.actions.size(); ++i)
        std::fprintf(stderr, "%s\n", replayLine(script.actions[i]).c_str());
    fail(what);
}

} // namespace
} // namespace liftcalc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace liftcalc;
    using namespace liftcalc::fuzz;
    const ActionScript script = decodeActions({data, size});
    CheckingHost host;
    Window window(host, formatNamed(script.locale));
    host.watch(window);
    window.start();
    if (auto broken = brokenInvariant(window); !broken.empty())
        report(script, 0, "after start-up: " + broken);

    std::optional<std::vector<std::string>> whenGone;
    auto textsNow = [&window] {
        const FieldTexts texts = window.texts();
        return std::vector<std::string>(texts.begin(), texts.end());
    };
    for (std::size_t i = 0; i < script.actions.size(); ++i) {
        if (const auto *action = std::get_if<Action>(&script.actions[i])) {
            perform(window, *action);
        } else if (ChecksWindow *checks = window.fieldChecks()) {
            ChecksAction step = std::get<ChecksAction>(script.actions[i]);
            // Typing goes into the row's field a person types into, where the check has the row.
            if (auto *typed = std::get_if<TypeIntoCheck>(&step)) {
                if (typed->field.row >= checks->check().rowCount())
                    continue;
                typed->field = checks->typedField(typed->field.row);
            }
            perform(*checks, step);
        }
        if (!host.problem.empty())
            report(script, i + 1, host.problem);
        if (auto broken = brokenInvariant(window); !broken.empty())
            report(script, i + 1, broken);
        if (const ChecksWindow *checks = window.fieldChecks())
            if (auto broken = brokenChecksInvariant(*checks); !broken.empty())
                report(script, i + 1, broken);
        // Once the window is gone nothing a person does reaches it.
        if (!window.loaded()) {
            if (!whenGone)
                whenGone = textsNow();
            else if (*whenGone != textsNow())
                report(script, i + 1, "a field changed after the window was gone");
        }
    }
    return 0;
}
