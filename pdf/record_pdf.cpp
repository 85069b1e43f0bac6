// SPDX-License-Identifier: MIT
#include "pdf/record_pdf.h"

#include "pdf/pdf_attachment.h"
#include "record/paper_html.h"
#include "record/paper_words.h"
#include "record/words.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace liftcalc::pdf {
namespace {

namespace words = record::words;

// The area A4 and US Letter share inside 15 mm margins, and the foot at its bottom.
constexpr double kWidthMm = 180;
constexpr double kHeightMm = 249;
constexpr double kMarginMm = 15;
constexpr double kFootMm = 8;
constexpr int kDotsPerInch = 600;

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The foot: the record's id to tell its pages from another's, the page's number, the date.
void drawFoot(QPainter &painter, const QRectF &foot, const RecordPages &pages, int page,
              int count) {
    painter.drawLine(foot.topLeft(), foot.topRight());
    const QString id = QString::fromStdString(pages.record.id).left(8);
    const QString number = fromView(words::kPageOf).arg(page).arg(count);
    const QString printed = fromView(words::kPrinted).arg(pages.printed);
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, id);
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom, number);
    painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom, printed);
}

// The PDF as Qt writes it, without the attachment.
QByteArray laidOut(const RecordPages &pages) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(fromView(words::kDocumentTitle));
    writer.setCreator(QStringLiteral("liftcalc"));
    writer.setResolution(kDotsPerInch);
    drawRecordPages(writer, pages);
    return bytes;
}

} // namespace

void drawRecordPages(QPagedPaintDevice &device, const RecordPages &pages) {
    const QPageSize paper(pages.paper == Paper::letter ? QPageSize::Letter : QPageSize::A4);
    device.setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    const double dotsPerMm = device.logicalDpiY() / 25.4;
    const QSizeF body(kWidthMm * dotsPerMm, (kHeightMm - kFootMm) * dotsPerMm);

    const QFont font(QStringLiteral("Liberation Sans"), 9);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(font);
    // A long word (a pasted serial number, a note without blanks) still breaks at the margin.
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(wrapping);
    document.setDocumentMargin(0);
    document.setHtml(QString::fromStdString(record::paperHtml(pages.record, pages.format)));
    document.setPageSize(body);

    QPainter painter(&device);
    painter.setFont(QFont(font.family(), 8));
    const int count = document.pageCount();
    const QRectF foot(0, body.height(), body.width(), kFootMm * dotsPerMm);
    for (int page = 0; page < count; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -page * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, page * body.height()), body);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        drawFoot(painter, foot, pages, page + 1, count);
    }
    painter.end();
}

Paper paperOf(const QLocale &locale) {
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? Paper::letter : Paper::a4;
}

std::optional<Paper> paperNamed(std::string_view name) {
    if (name == "a4")
        return Paper::a4;
    if (name == "letter")
        return Paper::letter;
    return std::nullopt;
}

std::optional<QByteArray> recordPdf(const RecordPages &pages) {
    const QByteArray pdf = laidOut(pages);
    const auto attached = withAttachment(
        pdf.toStdString(), {std::string(pages.fileName), "application/x-liftcalc-record",
                            std::string(words::kDocumentTitle), pages.file});
    if (!attached)
        return std::nullopt;
    return QByteArray::fromStdString(*attached);
}

std::optional<std::string> saveRecordPdf(const RecordPages &pages, const QString &path) {
    const auto pdf = recordPdf(pages);
    if (!pdf)
        return "the record could not be attached to the PDF";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*pdf) != pdf->size() || !file.commit())
        return file.errorString().toStdString();
    return std::nullopt;
}

} // namespace liftcalc::pdf
