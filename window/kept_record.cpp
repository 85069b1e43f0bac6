// SPDX-License-Identifier: MIT
#include "window/kept_record.h"

#include <algorithm>
#include <array>
#include <optional>

namespace liftcalc {
namespace {

constexpr std::string_view kHead = "liftcalc open record 1\n";
constexpr std::string_view kHex = "0123456789ABCDEF";

// A file name on one line: every byte but a letter, a digit and "/._-" as %XX.
std::string escaped(std::string_view name) {
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            std::string_view("/._-").find(c) != std::string_view::npos)
            out += c;
        else
            out.append({'%', kHex[byte >> 4], kHex[byte & 15]});
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '%') {
            out += line[i];
            continue;
        }
        if (i + 2 >= line.size())
            return std::nullopt;
        const auto high = kHex.find(line[i + 1]);
        const auto low = kHex.find(line[i + 2]);
        if (high == std::string_view::npos || low == std::string_view::npos)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// The next line of TEXT, taken off it; nothing when no line ends.
std::optional<std::string_view> takeLine(std::string_view &text) {
    const auto end = text.find('\n');
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    return line;
}

} // namespace

std::string keptBytes(const record::Record &record, std::string_view file, RecordState state) {
    std::string bytes(kHead);
    bytes += escaped(file);
    bytes += '\n';
    bytes += kRecordStateNames[static_cast<std::size_t>(state)];
    bytes += '\n';
    bytes += record::recordJson(record);
    return bytes;
}

std::variant<KeptRecord, record::ReadError> readKept(std::string_view bytes) {
    const record::ReadError notKept{record::words::say(record::words::Message::notARecord)};
    if (!bytes.starts_with(kHead))
        return notKept;
    bytes.remove_prefix(kHead.size());
    const auto file = takeLine(bytes);
    const auto state = takeLine(bytes);
    if (!file || !state)
        return notKept;
    KeptRecord kept;
    const auto name = unescaped(*file);
    const auto at = std::find(kRecordStateNames.begin(), kRecordStateNames.end(), *state);
    if (!name || at == kRecordStateNames.end())
        return notKept;
    kept.file = *name;
    kept.state = static_cast<RecordState>(at - kRecordStateNames.begin());
    auto read = record::readRecord(bytes);
    if (auto *error = std::get_if<record::ReadError>(&read))
        return std::move(*error);
    kept.record = std::move(std::get<record::Record>(read));
    return kept;
}

} // namespace liftcalc
