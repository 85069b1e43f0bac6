// SPDX-License-Identifier: MIT
#include "json/json_writer.h"

#include <cstdio>

namespace liftcalc::json {

void appendString(std::string &out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    appendString(out, text);
    return out;
}

void Writer::separate() {
    if (!first_)
        out_ += ',';
    first_ = false;
}

Writer &Writer::open(char bracket) {
    separate();
    out_ += bracket;
    first_ = true;
    return *this;
}

Writer &Writer::close(char bracket) {
    out_ += bracket;
    first_ = false;
    return *this;
}

Writer &Writer::key(std::string_view name) {
    separate();
    appendString(out_, name);
    out_ += ':';
    first_ = true;
    return *this;
}

Writer &Writer::value(std::string_view text) {
    separate();
    appendString(out_, text);
    return *this;
}

Writer &Writer::value(bool flag) {
    return raw(flag ? "true" : "false");
}

Writer &Writer::raw(std::string_view json) {
    separate();
    out_ += json;
    return *this;
}

} // namespace liftcalc::json
