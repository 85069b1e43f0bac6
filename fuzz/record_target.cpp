// SPDX-License-Identifier: MIT
// Fuzz target: the record reader. Any bytes are read, never crashing or hanging; what reads as
// a record is written, and the written file reads back as the same record and writes to the
// same bytes again.
#include "fuzz/check.h"
#include "record/record_file.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace liftcalc::record;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto first = readRecord(bytes);
    if (!std::holds_alternative<Record>(first))
        return 0;
    const std::string written = recordJson(std::get<Record>(first));
    const auto second = readRecord(written);
    if (const auto *error = std::get_if<ReadError>(&second))
        liftcalc::fuzz::fail("the written record does not read: " + error->message + " in " +
                             liftcalc::fuzz::quoted(written));
    LIFTCALC_EXPECT(std::get<Record>(second) == std::get<Record>(first),
                    "the written record reads as another: " + liftcalc::fuzz::quoted(written));
    const std::string again = recordJson(std::get<Record>(second));
    LIFTCALC_EXPECT(again == written,
                    "written again, the record changes: " + liftcalc::fuzz::quoted(written) +
                        " then " + liftcalc::fuzz::quoted(again));
    return 0;
}
