// SPDX-License-Identifier: MIT
#include "pdf/record_html.h"

#include "record/entry_figures.h"
#include "record/paper_words.h"
#include "record/words.h"

#include <QStringList>
#include <iterator>

namespace liftcalc::pdf {
namespace {

namespace words = record::words;

// A text as rich text: escaped, its line breaks kept, any other control character a blank.
QString escaped(std::string_view text) {
    QString plain = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (QChar &c : plain)
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return plain.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

QString caption(std::string_view member) {
    return escaped(words::captionOf(member));
}

std::string measureText(const std::optional<record::Measure> &m, const NumberFormat &format) {
    return m ? plainText(m->value, format) + " " + m->unit : "";
}

// The lift on the left, the visit on the right, a caption before each text.
QString liftAndVisit(const record::Record &r, const NumberFormat &format) {
    const record::Lift &lift = r.lift;
    const record::Visit &visit = r.visit;
    const std::pair<std::string_view, std::string> liftRows[] = {
        {"device_id", lift.deviceId},
        {"serial", lift.serial},
        {"location", lift.location},
        {"address", lift.address},
        {"owner", lift.owner},
        {"maker", lift.maker},
        {"rated_load", measureText(lift.ratedLoad, format)},
        {"rated_speed", measureText(lift.ratedSpeed, format)},
        {"diameter", measureText(lift.diameter, format)},
        {"plungers", lift.plungers ? plainText(*lift.plungers, format) : ""},
    };
    const std::pair<std::string_view, std::string> visitRows[] = {
        {"date", visit.date},
        {"kind", visit.kind},
        {"code", visit.code},
        {"tested_by", visit.testedBy.name},
        {"licence", visit.testedBy.licence},
        {"company", visit.testedBy.company},
        {"witnessed_by", visit.witnessedBy.name},
        {"agency", visit.witnessedBy.agency},
    };
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
    for (std::size_t i = 0; i < std::size(liftRows); ++i) {
        html += QStringLiteral("<tr><td width=\"18%\"><b>%1</b></td><td width=\"32%\">%2</td>")
                    .arg(caption(liftRows[i].first), escaped(liftRows[i].second));
        if (i < std::size(visitRows))
            html += QStringLiteral("<td width=\"18%\"><b>%1</b></td><td width=\"32%\">%2</td>")
                        .arg(caption(visitRows[i].first), escaped(visitRows[i].second));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// An entry's figures, one a row: the caption, then the figure in each unit system where it has
// both (an imperial figure and its metric equivalent stand next to each other).
QString figures(const record::Entry &entry, const NumberFormat &format) {
    const auto shown = record::shownFigures(entry, format);
    auto withUnit = [](const record::ShownFigure &f) {
        return escaped(f.text) + (f.unit.empty() ? QString() : QLatin1Char(' ') + escaped(f.unit));
    };
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"1\">");
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const record::ShownFigure &figure = shown[i];
        QString other;
        if (i + 1 < shown.size() && shown[i + 1].caption == figure.caption && !figure.unit.empty())
            other = withUnit(shown[++i]);
        html += QStringLiteral("<tr><td width=\"46%\">%1</td><td width=\"27%\">%2</td>"
                               "<td width=\"27%\">%3</td></tr>")
                    .arg(escaped(figure.caption), withUnit(figure), other);
    }
    return html + QStringLiteral("</table>");
}

QString entryHtml(std::size_t number, const record::Entry &entry, const NumberFormat &format) {
    const auto column = [](words::Column c) { return escaped(words::columnCaption(c)); };
    QString html = QStringLiteral("<p style=\"margin-top:12px; margin-bottom:2px\"><b>%1 %2 "
                                  "&nbsp; %3</b> &nbsp; %4 &nbsp; %5</p>")
                       .arg(column(words::Column::number), QString::number(number),
                            escaped(entry.calculated.title()), escaped(entry.time),
                            escaped(words::unitSystemWord(entry.units).word));
    html += figures(entry, format);
    // The person's words about the entry, one a line, and the mark of changed figures.
    QStringList lines;
    const std::pair<words::Column, std::string_view> notes[] = {
        {words::Column::context, entry.context},
        {words::Column::verdict, words::verdictWord(entry.verdict).word},
        {words::Column::note, entry.note}};
    for (const auto &[c, text] : notes)
        if (!text.empty())
            lines += QStringLiteral("<b>%1:</b> %2").arg(column(c), escaped(text));
    if (entry.differs)
        lines +=
            QStringLiteral("<b>%1</b>").arg(escaped(words::say(words::Message::figuresDiffer)));
    if (!lines.isEmpty())
        html += QStringLiteral("<p style=\"margin-top:2px\">%1</p>")
                    .arg(lines.join(QLatin1String("<br>")));
    return html;
}

// Two blocks side by side, each with a line to fill in by hand for each of its words.
QString signatures() {
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\"><tr>");
    for (const std::string_view who : {"tested_by", "witnessed_by"}) {
        html += QStringLiteral("<td width=\"50%\"><p><b>%1</b></p>").arg(caption(who));
        for (const std::string_view line : words::kSignatureLines)
            html += QStringLiteral("<p style=\"margin-top:14px\">%1 "
                                   "______________________________</p>")
                        .arg(escaped(line));
        html += QStringLiteral("</td>");
    }
    return html + QStringLiteral("</tr></table>");
}

} // namespace

QString recordHtml(const record::Record &record, const NumberFormat &format) {
    QString html = QStringLiteral("<h2>%1</h2>").arg(escaped(words::kDocumentTitle));
    html += liftAndVisit(record, format) + QStringLiteral("<p></p>");
    if (record.entries.empty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(words::say(words::Message::emptyRecord)));
    for (std::size_t i = 0; i < record.entries.size(); ++i)
        html += entryHtml(i + 1, record.entries[i], format);
    html += QStringLiteral("<p style=\"margin-top:12px\"><b>%1</b><br>%2</p>")
                .arg(caption("remarks"), escaped(record.visit.remarks));
    return html + signatures();
}

} // namespace liftcalc::pdf
