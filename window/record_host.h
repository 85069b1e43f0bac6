// SPDX-License-Identifier: MIT
// What the test record window needs from the program around it: besides message boxes, a
// question before a record that was never saved ends, the file dialogs, reading and writing
// files (atomically), the copy of the open record kept between runs, the PDF and the printer,
// and the clock. Every method has a default that does nothing a person could lose work by: no
// file is chosen, none is read or written, nothing is kept, so a front end without files still
// shows a record.
#pragma once

#include "record/record.h"
#include "window/message_host.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace liftcalc {

// What a person answers when asked whether to save a record before it ends.
enum class SaveFirst { save, discard, cancel };

// The kinds of file the record window writes.
enum class FileKind { record, pdf, csv };

// A file read whole, or the system's reason why not ("No such file or directory").
struct FileRead {
    std::string bytes;
    std::optional<std::string> failure;
};

class RecordHost : public MessageHost {
public:
    // Asks QUESTION, with the answers Save, Don't save and Cancel.
    virtual SaveFirst askSaveFirst(const MessageBox & /*question*/) { return SaveFirst::cancel; }
    // The file a person picks to open a record from; nothing when they cancel.
    virtual std::optional<std::string> chooseFileToOpen() { return std::nullopt; }
    // The file a person picks to write, offered SUGGESTED first; nothing when they cancel.
    virtual std::optional<std::string> chooseFileToSave(FileKind /*kind*/,
                                                        std::string_view /*suggested*/) {
        return std::nullopt;
    }
    // A file's bytes: at most `limit` + 1 of them are read, so that a larger file is known as
    // too large without reading it all.
    virtual FileRead readFile(const std::string & /*path*/, std::size_t /*limit*/) {
        return {{}, std::string("no files can be read here")};
    }
    // Writes BYTES to PATH whole or not at all: nothing when written, else the system's reason,
    // with the file at PATH left as it was.
    virtual std::optional<std::string> writeFile(const std::string & /*path*/,
                                                 std::string_view /*bytes*/) {
        return std::string("no files can be written here");
    }
    // The open record's copy, kept after every change so that the next start opens it again,
    // and that copy as last kept.
    virtual void keep(std::string_view /*bytes*/) {}
    virtual std::optional<std::string> kept() { return std::nullopt; }
    // The record's pages as a PDF at PATH, with the record's file (RECORD_JSON) attached under
    // FILE_NAME; nothing when written, else the reason.
    virtual std::optional<std::string> writePdf(const std::string & /*path*/,
                                                const record::Record & /*record*/,
                                                std::string_view /*recordJson*/,
                                                std::string_view /*fileName*/) {
        return std::string("no PDF can be made here");
    }
    // The record's pages to a printer the person picks; nothing when printed or cancelled, else
    // the reason.
    virtual std::optional<std::string> print(const record::Record & /*record*/) {
        return std::string("no printer can be reached here");
    }
    // The local time now with its UTC offset ("2026-03-27T09:31:05+01:00"), and a new random
    // id for a record.
    virtual std::string timeNow() { return "1970-01-01T00:00:00+00:00"; }
    virtual std::string newId() { return "00000000-0000-4000-8000-000000000000"; }
};

} // namespace liftcalc
