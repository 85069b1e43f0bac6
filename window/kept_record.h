// SPDX-License-Identifier: MIT
// The copy of the open record kept between runs: the record's file as it would be saved, after
// a head naming the file it was last saved to and whether that file holds it. One document, so
// that it is kept whole or not at all.
#pragma once

#include "record/record_file.h"
#include "window/record_window.h"

#include <string>
#include <string_view>
#include <variant>

namespace liftcalc {

struct KeptRecord {
    record::Record record;
    std::string file;
    RecordState state = RecordState::fresh;
};

std::string keptBytes(const record::Record &record, std::string_view file, RecordState state);
std::variant<KeptRecord, record::ReadError> readKept(std::string_view bytes);

} // namespace liftcalc
