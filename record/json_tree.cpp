// SPDX-License-Identifier: MIT
#include "record/json_tree.h"

#include <cmath>
#include <optional>
#include <unordered_set>

namespace liftcalc::record {
namespace {

using words::Message;
using words::say;

// Names longer than this are shortened in a message.
constexpr std::size_t kLongestShownName = 40;

std::string shownName(std::string_view name) {
    std::string shown;
    std::size_t characters = 0;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80 && ++characters > kLongestShownName)
            return shown + "...";
        shown += byte < 0x20 || byte == 0x7F ? ' ' : c;
    }
    return shown;
}

// The line and the column (in characters) of the byte at OFFSET, both from 1.
std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view bytes, std::size_t offset) {
    offset = std::min(offset, bytes.size());
    std::size_t line = 1, lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i)
        if (bytes[i] == '\n')
            ++line, lineStart = i + 1;
    return {line, characterCount(bytes.substr(lineStart, offset - lineStart)) + 1};
}

std::string at(Message message, std::string_view bytes, std::size_t offset) {
    const auto [line, column] = lineAndColumn(bytes, offset);
    return say(message, {std::to_string(line), std::to_string(column)});
}

// The offset of the first byte that is not part of well-formed UTF-8 (no overlong forms, no
// surrogates, nothing beyond U+10FFFF); nothing when all of it is.
std::optional<std::size_t> firstIllFormed(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char lead = byte(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF; // the second byte's range
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        if (i + length > bytes.size() || byte(i + 1) < low || byte(i + 1) > high)
            return i;
        for (std::size_t k = 2; k < length; ++k)
            if ((byte(i + k) & 0xC0) != 0x80)
                return i;
        i += length;
    }
    return std::nullopt;
}

// Builds the tree from the parser's events, refusing on the way what a record cannot be.
class Builder {
public:
    explicit Builder(std::string_view bytes) : bytes_(bytes) {}

    bool null() { return put(Tree(nullptr)); }
    bool boolean(bool value) { return put(Tree(value)); }
    bool number_integer(Tree::number_integer_t value) { return put(Tree(value)); }
    bool number_unsigned(Tree::number_unsigned_t value) { return put(Tree(value)); }
    bool number_float(Tree::number_float_t value, const std::string &) {
        if (!std::isfinite(value))
            return fail(say(Message::numberTooLarge, {pathText(valuePath())}));
        return put(Tree(value == 0 ? 0.0 : value));
    }
    bool string(std::string &text) {
        if (!shortEnough(text))
            return false;
        return put(Tree(std::move(text)));
    }
    bool binary(Tree::binary_t &) { return false; } // JSON text has none
    bool start_object(std::size_t) { return open(Tree::object()); }
    bool start_array(std::size_t) { return open(Tree::array()); }
    bool key(std::string &name) {
        Frame &frame = frames_.back();
        frame.name = std::move(name);
        if (!shortEnough(frame.name))
            return false;
        if (!frame.names.insert(frame.name).second)
            return fail(say(Message::givenTwice, {pathText(valuePath())}));
        return true;
    }
    bool end_object() { return close(); }
    bool end_array() { return close(); }
    bool parse_error(std::size_t position, const std::string &,
                     const nlohmann::detail::exception &) {
        // The parser has read the byte it stopped at; at the end, nothing was there to read.
        if (position >= bytes_.size())
            return fail(at(Message::endsEarly, bytes_, bytes_.size()));
        return fail(at(Message::notJson, bytes_, position == 0 ? 0 : position - 1));
    }

    Tree take() { return std::move(root_); }
    const std::string &error() const { return error_; }

private:
    struct Frame {
        Tree *node;
        std::string name;  // the member being read, in an object
        std::size_t count; // the values read so far
        std::unordered_set<std::string> names;
    };

    bool fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    // The path of the value about to be put.
    Path valuePath() const {
        Path path;
        for (const Frame &frame : frames_)
            if (frame.node->is_object())
                path.emplace_back(shownName(frame.name));
            else
                path.emplace_back(frame.count);
        return path;
    }

    bool shortEnough(const std::string &text) {
        return characterCount(text) <= kLongestText ||
               fail(say(Message::textTooLong, {pathText(valuePath())}));
    }

    bool put(Tree value) {
        if (frames_.empty()) {
            root_ = std::move(value);
            return true;
        }
        Frame &frame = frames_.back();
        // The entries are counted as they come, so a file of a million is refused early.
        if (frames_.size() == 2 && frame.node->is_array() && frames_[0].name == "entries" &&
            frame.count >= kMostEntries)
            return fail(say(Message::tooManyEntries));
        ++frame.count;
        if (frame.node->is_object()) {
            // Each name is once in its object (tested as it came), so the members are appended
            // without the ordered object's own search.
            auto &members = frame.node->get_ref<Tree::object_t &>();
            static_cast<Tree::object_t::Container &>(members).emplace_back(frame.name,
                                                                           std::move(value));
            return true;
        }
        frame.node->get_ref<Tree::array_t &>().push_back(std::move(value));
        return true;
    }

    Tree *lastPut() {
        if (frames_.empty())
            return &root_;
        Tree &node = *frames_.back().node;
        return node.is_object() ? &node.get_ref<Tree::object_t &>().back().second
                                : &node.get_ref<Tree::array_t &>().back();
    }

    bool open(Tree container) {
        if (frames_.size() >= kDeepest)
            return fail(say(Message::nestedTooDeep, {pathText(valuePath())}));
        if (!put(std::move(container)))
            return false;
        frames_.push_back({lastPut(), {}, 0, {}});
        return true;
    }

    bool close() {
        frames_.pop_back();
        return true;
    }

    std::string_view bytes_;
    Tree root_;
    std::vector<Frame> frames_;
    std::string error_;
};

} // namespace

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string pathText(const Path &path) {
    std::string text;
    for (const auto &step : path)
        if (const auto *name = std::get_if<std::string>(&step))
            text += (text.empty() ? "" : ".") + *name;
        else
            text += "[" + std::to_string(std::get<std::size_t>(step)) + "]";
    return text.empty() ? std::string(words::kDocumentRoot) : text;
}

std::variant<Tree, TreeError> parseTree(std::string_view bytes) {
    if (const auto bad = firstIllFormed(bytes))
        return TreeError{at(Message::notUtf8, bytes, *bad)};
    Builder builder(bytes);
    if (!Tree::sax_parse(bytes.begin(), bytes.end(), &builder))
        return TreeError{builder.error()};
    return builder.take();
}

} // namespace liftcalc::record
