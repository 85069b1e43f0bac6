// SPDX-License-Identifier: MIT
// JSON as every face of the calculator writes it: the replay driver's dump, the command line's
// output and the design tables the page is built from. One line, no blanks between tokens;
// strings are UTF-8 as they come, with the short escapes for line breaks and tabs.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

namespace liftcalc::json {

// Appends TEXT as a string literal.
void appendString(std::string &out, std::string_view text);
std::string quoted(std::string_view text);

// The shortest text that reads back as the same double, with a point and no grouping
// (<charconv>'s form: 0.25, 1e+20). Finite values only.
std::string numberText(double value);
// The same text by way of the C library, for a build whose libc++ has no floating-point
// <charconv> (WebAssembly's), where numberText is this.
std::string portableNumberText(double value);

// Writes values, arrays and objects at the end of a string and puts the commas between them.
class Writer {
public:
    explicit Writer(std::string &out) : out_(out) {}

    Writer &open(char bracket); // '{' or '['
    Writer &close(char bracket);
    Writer &key(std::string_view name);
    Writer &value(std::string_view text);
    // A literal is a string, not the bool it would otherwise convert to.
    Writer &value(const char *text) { return value(std::string_view(text)); }
    Writer &value(bool flag);
    template <std::integral Number>
    requires(!std::same_as<Number, bool>) Writer &value(Number number) {
        return raw(std::to_string(number));
    }
    Writer &null() { return raw("null"); }
    // A value already written as JSON, such as a number from numberText.
    Writer &raw(std::string_view json);
    template <typename T> Writer &member(std::string_view name, const T &v) {
        return key(name).value(v);
    }

private:
    void separate();

    std::string &out_;
    bool first_ = true; // nothing written yet in the open array or object, or after a key
};

} // namespace liftcalc::json
