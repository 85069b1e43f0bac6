// SPDX-License-Identifier: MIT
#include "web/page_host.h"

#include "record/paper_html.h"
#include "window/kept_record.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <emscripten/val.h>
#include <utility>

namespace liftcalc::web {
namespace {

using emscripten::val;

} // namespace

PageHost::PageHost(NumberFormat format, std::optional<std::string> kept)
    : format_(std::move(format)), kept_(std::move(kept)) {}

void PageHost::offerFile(std::string name, std::string bytes, std::optional<std::string> failure) {
    offered_ = Offered{std::move(name), std::move(bytes), std::move(failure)};
}

void PageHost::clearPrepared() {
    answer_.reset();
    offered_.reset();
    share_ = false;
}

std::vector<MessageBox> PageHost::takeMessages() {
    return std::exchange(messages_, {});
}

std::optional<MessageBox> PageHost::takeQuestion() {
    return std::exchange(question_, std::nullopt);
}

bool PageHost::takeFileWanted() {
    return std::exchange(fileWanted_, false);
}

std::vector<Download> PageHost::takeDownloads() {
    return std::exchange(downloads_, {});
}

std::optional<Paper> PageHost::takePaper() {
    return std::exchange(paper_, std::nullopt);
}

std::optional<std::string> PageHost::takeKept() {
    return std::exchange(toKeep_, std::nullopt);
}

// Unanswered, the action stops as if the person had cancelled, and the page asks.
SaveFirst PageHost::askSaveFirst(const MessageBox &question) {
    if (answer_)
        return *answer_;
    question_ = question;
    return SaveFirst::cancel;
}

std::optional<std::string> PageHost::chooseFileToOpen() {
    if (offered_)
        return offered_->name;
    fileWanted_ = true;
    return std::nullopt;
}

// The browser saves a download under the name offered, in the folder its person chose.
std::optional<std::string> PageHost::chooseFileToSave(FileKind kind, std::string_view suggested) {
    saving_ = kind;
    return std::string(suggested);
}

FileRead PageHost::readFile(const std::string &path, std::size_t /*limit*/) {
    if (!offered_ || offered_->name != path)
        return {{}, std::string("no such file was chosen")};
    if (offered_->failure)
        return {{}, *offered_->failure};
    return {std::move(offered_->bytes), std::nullopt};
}

std::optional<std::string> PageHost::writeFile(const std::string &path, std::string_view bytes) {
    downloads_.push_back({path, std::string(saving_ == FileKind::csv ? kCsvType : kRecordType),
                          std::string(bytes), std::exchange(share_, false)});
    return std::nullopt;
}

// The browser's print saves a PDF as well, of the same pages.
std::optional<std::string> PageHost::writePdf(const std::string & /*path*/,
                                              const record::Record &record,
                                              std::string_view /*recordJson*/,
                                              std::string_view /*fileName*/) {
    return print(record);
}

std::optional<std::string> PageHost::print(const record::Record &record) {
    paper_ = paperOf(&record);
    return std::nullopt;
}

std::optional<Paper> PageHost::paperOf(const record::Record *record) const {
    if (record)
        return Paper{record::paperHtml(*record, format_), record->id};
    if (!kept_)
        return std::nullopt;
    const auto kept = readKept(*kept_);
    const auto *k = std::get_if<KeptRecord>(&kept);
    return k ? paperOf(&k->record) : std::nullopt;
}

// The browser's local time, with its offset from UTC.
std::string PageHost::timeNow() {
    const val now = val::global("Date").new_();
    const auto part = [&](const char *name) { return now.call<int>(name); };
    const int offset = -part("getTimezoneOffset");
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d",
                  part("getFullYear"), part("getMonth") + 1, part("getDate"), part("getHours"),
                  part("getMinutes"), part("getSeconds"), offset < 0 ? '-' : '+',
                  std::abs(offset) / 60, std::abs(offset) % 60);
    return text.data();
}

// A random (version 4) UUID from the browser's cryptographic random numbers, which every
// context has, where randomUUID needs a secure one.
std::string PageHost::newId() {
    val bytes = val::global("Uint8Array").new_(16);
    val::global("crypto").call<val>("getRandomValues", bytes);
    std::array<unsigned, 16> b{};
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = bytes[i].as<unsigned>();
    b[6] = (b[6] & 0x0F) | 0x40;
    b[8] = (b[8] & 0x3F) | 0x80;
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(),
                  "%02x%02x%02x%02x-%02x%02x-%02x%02x-%02x%02x-%02x%02x%02x%02x%02x%02x", b[0],
                  b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13],
                  b[14], b[15]);
    return text.data();
}

} // namespace liftcalc::web
