// SPDX-License-Identifier: MIT
// What the windows need from the browser, held for the page's script.
//
// A browser cannot wait inside a handler for a box, a file picker or a question, so the host
// answers at once and keeps what the page is to do afterwards: the message boxes to show, the
// question to ask before a record that was never saved ends, the file picker to open, the
// downloads, the pages to print and the record's copy to keep. For a question or a file the
// page then gives the answer (`prepare`, `offerFile`) and repeats the person's action, which
// this time finds it; what is prepared lasts until the page clears it before the next action.
#pragma once

#include "window/window.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace liftcalc::web {

// The media types of the files the record window writes.
inline constexpr std::string_view kRecordType = "application/x-liftcalc-record";
inline constexpr std::string_view kCsvType = "text/csv";

// A record's pages as HTML, and its id for their foot.
struct Paper {
    std::string html;
    std::string id;
};

struct Download {
    std::string name;
    std::string type; // the media type
    std::string bytes;
    bool share = false; // handed to another app rather than downloaded
};

class PageHost : public WindowHost {
public:
    // KEPT: the record's copy the browser kept last, if any.
    PageHost(NumberFormat format, std::optional<std::string> kept);

    // --- Before an action: what the page has prepared for it ----------------------------
    void prepare(SaveFirst answer) { answer_ = answer; }
    // The file the person picked: its name and bytes (at most the largest file's size and one
    // more), or the browser's reason it could not be read.
    void offerFile(std::string name, std::string bytes, std::optional<std::string> failure);
    void clearPrepared();
    // The next file written goes to another app the person picks (the CSV shared).
    void shareNextFile() { share_ = true; }

    // --- After an action: what the page is to do ---------------------------------------
    std::vector<MessageBox> takeMessages();
    // The question asked, to be answered before the action is repeated.
    std::optional<MessageBox> takeQuestion();
    // Whether a file to open was asked for, to be offered before the action is repeated.
    bool takeFileWanted();
    std::vector<Download> takeDownloads();
    // The record's pages, to print.
    std::optional<Paper> takePaper();
    // The record's copy to keep in place of the last.
    std::optional<std::string> takeKept();

    // The pages of RECORD, or of the record kept last where there is no window's record to
    // print (none kept, or the copy unreadable: nothing).
    std::optional<Paper> paperOf(const record::Record *record) const;

private:
    void showMessage(const MessageBox &box) override { messages_.push_back(box); }
    SaveFirst askSaveFirst(const MessageBox &question) override;
    std::optional<std::string> chooseFileToOpen() override;
    std::optional<std::string> chooseFileToSave(FileKind kind, std::string_view suggested) override;
    FileRead readFile(const std::string &path, std::size_t limit) override;
    std::optional<std::string> writeFile(const std::string &path, std::string_view bytes) override;
    // The record window opened again takes the copy kept last, as at the next start.
    void keep(std::string_view bytes) override { kept_ = toKeep_ = std::string(bytes); }
    std::optional<std::string> kept() override { return kept_; }
    std::optional<std::string> writePdf(const std::string &path, const record::Record &record,
                                        std::string_view recordJson,
                                        std::string_view fileName) override;
    std::optional<std::string> print(const record::Record &record) override;
    std::string timeNow() override;
    std::string newId() override;

    NumberFormat format_;
    std::optional<std::string> kept_;
    std::vector<MessageBox> messages_;
    std::optional<SaveFirst> answer_;
    std::optional<MessageBox> question_;
    struct Offered {
        std::string name;
        std::string bytes;
        std::optional<std::string> failure;
    };
    std::optional<Offered> offered_;
    bool fileWanted_ = false;
    FileKind saving_ = FileKind::record;
    bool share_ = false;
    std::vector<Download> downloads_;
    std::optional<Paper> paper_;
    std::optional<std::string> toKeep_;
};

} // namespace liftcalc::web
