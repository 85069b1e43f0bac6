// SPDX-License-Identifier: MIT
// The colours every window's model shows, as &H00BBGGRR values (red in the low byte).
#pragma once

#include <cstdint>

namespace liftcalc {

using Colour = std::uint32_t;

namespace colours {
constexpr Colour white = 0xFFFFFF;  // an open field: the user types into it
constexpr Colour yellow = 0x00FFFF; // a locked field: an answer or an equivalent
constexpr Colour red = 0x0000FF;
constexpr Colour black = 0x000000;
// The system colours the design values use; a front end maps them to its theme.
constexpr Colour windowBackground = 0x80000005;
constexpr Colour buttonText = 0x80000012;
} // namespace colours

} // namespace liftcalc
