// SPDX-License-Identifier: MIT
// The window's design tables as one JSON text for the page to build its controls from: a
// single string crosses into the script instead of a value per property.
#pragma once

#include <string>

namespace liftcalc::web {

std::string designJson();

} // namespace liftcalc::web
