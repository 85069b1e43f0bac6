// SPDX-License-Identifier: MIT
#include "json_value.h"

#include <charconv>
#include <cstdint>

namespace liftcalc::testing {
namespace {

const JsonValue kNull{};

class Reader {
public:
    explicit Reader(std::string_view text) : s_(text) {}

    std::optional<JsonValue> document() {
        auto value = next();
        skipBlanks();
        if (!value || i_ != s_.size())
            return std::nullopt;
        return value;
    }

private:
    void skipBlanks() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
            ++i_;
    }
    bool take(char c) {
        skipBlanks();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool word(std::string_view w) {
        if (s_.substr(i_, w.size()) != w)
            return false;
        i_ += w.size();
        return true;
    }

    static void appendUtf8(std::string &out, std::uint32_t cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    std::optional<std::uint32_t> hex4() {
        if (i_ + 4 > s_.size())
            return std::nullopt;
        std::uint32_t v = 0;
        auto [end, error] = std::from_chars(s_.data() + i_, s_.data() + i_ + 4, v, 16);
        if (error != std::errc() || end != s_.data() + i_ + 4)
            return std::nullopt;
        i_ += 4;
        return v;
    }

    std::optional<std::string> string() {
        if (!take('"'))
            return std::nullopt;
        std::string out;
        while (i_ < s_.size()) {
            char c = s_[i_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                return std::nullopt; // control characters must be escaped
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= s_.size())
                return std::nullopt;
            switch (char e = s_[i_++]) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                auto cp = hex4();
                if (!cp)
                    return std::nullopt;
                if (*cp >= 0xD800 && *cp < 0xDC00 && word("\\u")) {
                    auto low = hex4();
                    if (!low)
                        return std::nullopt;
                    *cp = 0x10000 + ((*cp - 0xD800) << 10) + (*low - 0xDC00);
                }
                appendUtf8(out, *cp);
                break;
            }
            default:
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::optional<JsonValue> next() {
        skipBlanks();
        if (i_ >= s_.size())
            return std::nullopt;
        JsonValue v;
        const char c = s_[i_];
        if (c == '{') {
            ++i_;
            v.kind = JsonValue::Kind::Object;
            if (take('}'))
                return v;
            do {
                auto key = string();
                if (!key || !take(':'))
                    return std::nullopt;
                auto member = next();
                if (!member)
                    return std::nullopt;
                v.members.emplace_back(std::move(*key), std::move(*member));
            } while (take(','));
            return take('}') ? std::optional(v) : std::nullopt;
        }
        if (c == '[') {
            ++i_;
            v.kind = JsonValue::Kind::Array;
            if (take(']'))
                return v;
            do {
                auto item = next();
                if (!item)
                    return std::nullopt;
                v.items.push_back(std::move(*item));
            } while (take(','));
            return take(']') ? std::optional(v) : std::nullopt;
        }
        if (c == '"') {
            auto s = string();
            if (!s)
                return std::nullopt;
            v.kind = JsonValue::Kind::String;
            v.text = std::move(*s);
            return v;
        }
        if (word("true") || word("false")) {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = s_[i_ - 1] == 'e' && s_[i_ - 2] == 'u';
            return v;
        }
        if (word("null"))
            return v;
        auto [end, error] = std::from_chars(s_.data() + i_, s_.data() + s_.size(), v.number);
        if (error != std::errc())
            return std::nullopt;
        i_ = end - s_.data();
        v.kind = JsonValue::Kind::Number;
        return v;
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

} // namespace

const JsonValue &JsonValue::operator[](std::string_view key) const {
    for (const auto &[name, value] : members)
        if (name == key)
            return value;
    return kNull;
}

const JsonValue &JsonValue::operator[](std::size_t index) const {
    return index < items.size() ? items[index] : kNull;
}

bool JsonValue::has(std::string_view key) const {
    for (const auto &member : members)
        if (member.first == key)
            return true;
    return false;
}

std::optional<JsonValue> parseJson(std::string_view text) {
    return Reader(text).document();
}

} // namespace liftcalc::testing
