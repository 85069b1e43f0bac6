// SPDX-License-Identifier: MIT
#include "record/paper_html.h"

#include "record/entry_figures.h"
#include "record/paper_words.h"
#include "record/words.h"

#include <iterator>
#include <utility>
#include <vector>

namespace liftcalc::record {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the UTF-8 sequence at the start of TEXT, or 0 when it is not one.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned lowest = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    unsigned code = lead & (0x3F >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < lowest || surrogate || code > 0x10FFFF ? 0 : length;
}

// The C0 and C1 control characters, whose glyphs no font has.
bool isControl(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1)
        return lead < 0x20 || lead == 0x7F;
    return sequence.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0;
}

std::string caption(std::string_view member) {
    return htmlEscaped(words::captionOf(member));
}

std::string measureText(const std::optional<Measure> &m, const NumberFormat &format) {
    return m ? plainText(m->value, format) + " " + m->unit : "";
}

std::string cell(std::string_view width, std::string_view html) {
    return "<td width=\"" + std::string(width) + "\">" + std::string(html) + "</td>";
}

// The lift on the left, the visit on the right, a caption before each text.
std::string liftAndVisit(const Record &r, const NumberFormat &format) {
    const Lift &lift = r.lift;
    const Visit &visit = r.visit;
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
    const std::pair<std::string_view, std::string_view> visitRows[] = {
        {"date", visit.date},
        {"kind", visit.kind},
        {"code", visit.code},
        {"tested_by", visit.testedBy.name},
        {"licence", visit.testedBy.licence},
        {"company", visit.testedBy.company},
        {"witnessed_by", visit.witnessedBy.name},
        {"agency", visit.witnessedBy.agency},
    };
    std::string html = "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">";
    for (std::size_t i = 0; i < std::size(liftRows); ++i) {
        html += "<tr>" + cell("18%", "<b>" + caption(liftRows[i].first) + "</b>") +
                cell("32%", htmlEscaped(liftRows[i].second));
        if (i < std::size(visitRows))
            html += cell("18%", "<b>" + caption(visitRows[i].first) + "</b>") +
                    cell("32%", htmlEscaped(visitRows[i].second));
        html += "</tr>";
    }
    return html + "</table>";
}

std::string withUnit(const ShownFigure &f) {
    return htmlEscaped(f.text) + (f.unit.empty() ? "" : " " + htmlEscaped(f.unit));
}

// An entry's figures, one a row: the caption, then the figure in each unit system where it has
// both (an imperial figure and its metric equivalent stand next to each other).
std::string figures(const Entry &entry, const NumberFormat &format) {
    const std::vector<ShownFigure> shown = shownFigures(entry, format);
    std::string html = "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"1\">";
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const ShownFigure &figure = shown[i];
        std::string other;
        if (i + 1 < shown.size() && shown[i + 1].caption == figure.caption && !figure.unit.empty())
            other = withUnit(shown[++i]);
        html += "<tr>" + cell("46%", htmlEscaped(figure.caption)) + cell("27%", withUnit(figure)) +
                cell("27%", other) + "</tr>";
    }
    return html + "</table>";
}

std::string entryHtml(std::size_t number, const Entry &entry, const NumberFormat &format) {
    const auto column = [](words::Column c) { return htmlEscaped(words::columnCaption(c)); };
    std::string html = "<p style=\"margin-top:12px; margin-bottom:2px\"><b>" +
                       column(words::Column::number) + " " + std::to_string(number) + " &nbsp; " +
                       htmlEscaped(entry.calculated.title()) + "</b> &nbsp; " +
                       htmlEscaped(entry.time) + " &nbsp; " +
                       htmlEscaped(words::unitSystemWord(entry.units).word) + "</p>";
    html += figures(entry, format);
    // The person's words about the entry, one a line, and the mark of changed figures.
    std::vector<std::string> lines;
    const std::pair<words::Column, std::string_view> notes[] = {
        {words::Column::context, entry.context},
        {words::Column::verdict, words::verdictWord(entry.verdict).word},
        {words::Column::note, entry.note}};
    for (const auto &[c, text] : notes)
        if (!text.empty())
            lines.push_back("<b>" + column(c) + ":</b> " + htmlEscaped(text));
    if (entry.differs)
        lines.push_back("<b>" + htmlEscaped(words::say(words::Message::figuresDiffer)) + "</b>");
    if (lines.empty())
        return html;
    html += "<p style=\"margin-top:2px\">";
    for (std::size_t i = 0; i < lines.size(); ++i)
        html += (i > 0 ? "<br>" : "") + lines[i];
    return html + "</p>";
}

// Two blocks side by side, each with a line to fill in by hand for each of its words.
std::string signatures() {
    std::string html = "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\"><tr>";
    for (const std::string_view who : {"tested_by", "witnessed_by"}) {
        html += "<td width=\"50%\"><p><b>" + caption(who) + "</b></p>";
        for (const std::string_view line : words::kSignatureLines)
            html += "<p style=\"margin-top:14px\">" + htmlEscaped(line) +
                    " ______________________________</p>";
        html += "</td>";
    }
    return html + "</tr></table>";
}

} // namespace

std::string htmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = sequenceLength(text);
        const std::string_view sequence = text.substr(0, length ? length : 1);
        text.remove_prefix(sequence.size());
        if (length == 0)
            out += kReplacement;
        else if (sequence == "\n")
            out += "<br>";
        else if (isControl(sequence))
            out += ' ';
        else if (sequence == "<")
            out += "&lt;";
        else if (sequence == ">")
            out += "&gt;";
        else if (sequence == "&")
            out += "&amp;";
        else if (sequence == "\"")
            out += "&quot;";
        else
            out += sequence;
    }
    return out;
}

std::string paperHtml(const Record &record, const NumberFormat &format) {
    std::string html = "<h2>" + htmlEscaped(words::kDocumentTitle) + "</h2>";
    html += liftAndVisit(record, format) + "<p></p>";
    if (record.entries.empty())
        html += "<p>" + htmlEscaped(words::say(words::Message::emptyRecord)) + "</p>";
    for (std::size_t i = 0; i < record.entries.size(); ++i)
        html += entryHtml(i + 1, record.entries[i], format);
    html += "<p style=\"margin-top:12px\"><b>" + caption("remarks") + "</b><br>" +
            htmlEscaped(record.visit.remarks) + "</p>";
    return html + signatures();
}

} // namespace liftcalc::record
