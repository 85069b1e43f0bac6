// SPDX-License-Identifier: MIT
// A file attached inside a PDF, so that a printed record's PDF carries the record itself.
//
// Qt's PDF writer has no way to attach a file, so the attachment is added afterwards as an
// incremental update: the embedded file, the entry that names it and a name tree of embedded
// files are appended with a new catalogue that names them, a cross-reference section for those
// objects and a trailer pointing back at the writer's own. Every byte of the writer's PDF stays
// as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace liftcalc::pdf {

struct Attachment {
    std::string name;        // the file's name as a reader lists it: "record-6f1c0a2b.liftrec"
    std::string mediaType;   // "application/json"
    std::string description; // shown beside the name
    std::string_view bytes;
};

// The PDF with the file attached, or nothing when the PDF is not one this can update: no
// classic cross-reference table and trailer at its end, or a catalogue that names files already.
std::optional<std::string> withAttachment(std::string pdf, const Attachment &file);

} // namespace liftcalc::pdf
