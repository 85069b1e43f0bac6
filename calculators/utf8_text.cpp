// SPDX-License-Identifier: MIT
#include "calculators/utf8_text.h"

#include <algorithm>

namespace liftcalc {

int utf16Length(std::string_view utf8) {
    int units = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80)
            ++units;
        if (c >= 0xF0)
            ++units;
    }
    return units;
}

std::string validUtf8(std::string_view bytes) {
    static constexpr std::string_view kReplacement = "\uFFFD";
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += bytes[i++];
            continue;
        }
        // Length of the sequence and the range its second byte must fall in.
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            if (lead == 0xF4)
                high = 0x8F;
        }
        std::size_t valid = length > 0 ? 1 : 0;
        while (valid > 0 && valid < length && i + valid < bytes.size()) {
            auto c = static_cast<unsigned char>(bytes[i + valid]);
            bool inRange = valid == 1 ? (c >= low && c <= high) : (c >= 0x80 && c <= 0xBF);
            if (!inRange)
                break;
            ++valid;
        }
        if (length > 0 && valid == length) {
            out += bytes.substr(i, length);
            i += length;
        } else {
            out += kReplacement;
            i += std::max<std::size_t>(valid, 1);
        }
    }
    return out;
}

} // namespace liftcalc
