// SPDX-License-Identifier: MIT
// The record's pages as the rich text Qt lays out and breaks into pages: every text the person
// typed escaped, its line breaks kept.
#pragma once

#include "calculators/numeric.h"
#include "record/record.h"

#include <QString>

namespace liftcalc::pdf {

QString recordHtml(const record::Record &record, const NumberFormat &format);

} // namespace liftcalc::pdf
