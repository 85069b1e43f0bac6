// SPDX-License-Identifier: MIT
#pragma once

namespace liftcalc {

enum class UnitSystem { imperial, metric };

} // namespace liftcalc
