// SPDX-License-Identifier: MIT
// The test record on paper: a PDF of real, searchable text in embedded fonts, laid out inside
// 180 by 249 mm (the area A4 and US Letter share inside 15 mm margins, so that either prints it
// unscaled), with the record's own file attached inside it.
//
// The pages: the title, the lift and the visit, each entry with its figures in both unit
// systems as the window showed them, the remarks, and two blocks to sign by hand; each page's
// foot gives the record's id, the page's number and the date printed. Qt GUI lays the text out;
// the attachment is added to the writer's PDF afterwards (pdf_attachment.h).
#pragma once

#include "calculators/numeric.h"
#include "record/record.h"

#include <QByteArray>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace liftcalc::pdf {

enum class Paper { a4, letter };

// Letter where the regional settings measure in US units, A4 everywhere else.
Paper paperOf(const QLocale &locale);
// The paper a command names ("a4", "letter"), or nothing.
std::optional<Paper> paperNamed(std::string_view name);

struct RecordPages {
    const record::Record &record;
    std::string_view file;     // the record's file as saved, attached inside the PDF
    std::string_view fileName; // its name as a PDF reader lists it: "visit.liftrec"
    NumberFormat format;       // the figures' regional format
    Paper paper = Paper::a4;
    QString printed; // the date printed, as the foot shows it
};

// Lays the pages out on DEVICE, a PDF writer or a printer, at its resolution, setting its
// paper and margins: the same pages wherever they go.
void drawRecordPages(QPagedPaintDevice &device, const RecordPages &pages);

// The PDF's bytes, or nothing when the record cannot be attached to what Qt wrote. Needs a
// QGuiApplication (for the fonts).
std::optional<QByteArray> recordPdf(const RecordPages &pages);

// Writes the PDF to PATH in one piece (a failed write leaves what was there); nothing when it
// is written, or else the system's reason.
std::optional<std::string> saveRecordPdf(const RecordPages &pages, const QString &path);

} // namespace liftcalc::pdf
