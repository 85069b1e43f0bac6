// SPDX-License-Identifier: MIT
// Where a window's message boxes go: the one side effect every window model has.
#pragma once

#include "calculators/message_box.h"

namespace liftcalc {

class MessageHost {
public:
    virtual ~MessageHost() = default;
    // Shows a modal message box and returns when the user has closed it.
    virtual void showMessage(const MessageBox &box) = 0;
};

} // namespace liftcalc
