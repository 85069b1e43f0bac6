// SPDX-License-Identifier: MIT
// The checks window's controls as a person sees them, and its keys as a person names them: every
// front end builds its controls' captions from this table and maps its keys through
// pressChecksKey, so that an access key means the same everywhere.
#pragma once

#include "record/words.h"
#include "window/checks_window.h"

#include <array>
#include <string_view>

namespace liftcalc {

struct ChecksControlDesign {
    ChecksControl control;
    std::string_view name;
    std::string_view caption; // with '&' before its access key, which no other control has
    std::string_view toolTip;
};

// In the order of ChecksControl.
inline constexpr auto kChecksControls = std::to_array<ChecksControlDesign>({
    {ChecksControl::chooser, "chooser", "Chec&k:", ""},
    {ChecksControl::optImperial, "optImperial", "&Imperial", ""},
    {ChecksControl::optMetric, "optMetric", "&Metric", ""},
    {ChecksControl::cmdCalculate, "cmdCalculate", "&Calculate", "Calculate the answers"},
    {ChecksControl::cmdClear, "cmdClear", "C&lear", "Clear all fields"},
    {ChecksControl::cmdClose, "cmdClose", "Cl&ose", "Close the field checks"},
    {ChecksControl::cmdAddToRecord, "cmdAddToRecord", record::words::kAddToRecord,
     record::words::kAddToRecordTip},
});
static_assert(kChecksControls.size() == static_cast<std::size_t>(ChecksControl::cmdAddToRecord) + 1,
              "a control of the checks window without its row");

// Does what the key does in the checks window, the key named as for the calculator window
// ("Tab", "Shift+Tab", "Enter", "Esc", "Left", "Alt+C"): Left and Up step back, Right and Down
// forward, Alt and an access key clicks its control. False for any other key, which the front
// end then leaves to the platform, and for every key once the window is closed. An arrow in a
// field belongs to the caret: the front end does not send it.
bool pressChecksKey(ChecksWindow &window, std::string_view key);

} // namespace liftcalc
