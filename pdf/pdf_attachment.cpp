// SPDX-License-Identifier: MIT
#include "pdf/pdf_attachment.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace liftcalc::pdf {
namespace {

// The number after KEY in a dictionary's text ("/Size 12" gives 12), or nothing.
std::optional<std::size_t> numberAfter(std::string_view text, std::string_view key) {
    const auto at = text.find(key);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::size_t from = at + key.size();
    while (from < text.size() && (text[from] == ' ' || text[from] == '\r' || text[from] == '\n'))
        ++from;
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data() + from, text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() + from)
        return std::nullopt;
    return value;
}

// The whole dictionary starting at FROM ("<< ... >>", nested ones within), or nothing.
std::optional<std::string_view> dictionaryAt(std::string_view text, std::size_t from) {
    if (from >= text.size() || text.compare(from, 2, "<<") != 0)
        return std::nullopt;
    int depth = 0;
    for (std::size_t at = from; at + 1 < text.size(); ++at) {
        if (text.compare(at, 2, "<<") == 0)
            ++depth, ++at;
        else if (text.compare(at, 2, ">>") == 0 && --depth == 0)
            return text.substr(from, at + 2 - from);
        else if (text.compare(at, 2, ">>") == 0)
            ++at;
    }
    return std::nullopt;
}

// Where object NUMBER starts, from the cross-reference table at XREF.
std::optional<std::size_t> objectOffset(std::string_view pdf, std::size_t xref,
                                        std::size_t number) {
    if (pdf.compare(xref, 4, "xref") != 0)
        return std::nullopt;
    std::size_t at = pdf.find('\n', xref);
    while (at != std::string_view::npos && ++at < pdf.size() && pdf.compare(at, 7, "trailer")) {
        std::size_t first = 0, count = 0;
        const char *end = pdf.data() + pdf.size();
        auto parsed = std::from_chars(pdf.data() + at, end, first);
        if (parsed.ec != std::errc() || parsed.ptr == end || *parsed.ptr != ' ')
            return std::nullopt;
        parsed = std::from_chars(parsed.ptr + 1, end, count);
        if (parsed.ec != std::errc())
            return std::nullopt;
        const std::size_t entries = pdf.find('\n', at) + 1;
        constexpr std::size_t kEntry = 20; // each entry is exactly twenty bytes long
        if (number >= first && number < first + count) {
            std::size_t offset = 0;
            const std::size_t entry = entries + (number - first) * kEntry;
            if (entry + kEntry > pdf.size() || pdf[entry + 17] != 'n' ||
                std::from_chars(pdf.data() + entry, pdf.data() + entry + 10, offset).ec !=
                    std::errc())
                return std::nullopt;
            return offset;
        }
        at = entries + count * kEntry - 1;
    }
    return std::nullopt;
}

// Text as a PDF literal string; what is not printable ASCII is given as an underscore.
std::string literal(std::string_view text) {
    std::string out = "(";
    for (const char c : text) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c >= ' ' && c <= '~' ? c : '_';
    }
    return out + ")";
}

// A media type as a PDF name: "application/json" is /application#2Fjson.
std::string name(std::string_view text) {
    std::string out = "/";
    for (const char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '.' || c == '-' || c == '+') {
            out += c;
        } else {
            char code[4];
            std::snprintf(code, sizeof code, "#%02X", static_cast<unsigned char>(c));
            out += code;
        }
    }
    return out;
}

std::string xrefEntry(std::size_t offset) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    return entry;
}

} // namespace

std::optional<std::string> withAttachment(std::string pdf, const Attachment &file) {
    const std::string_view text = pdf;
    const auto startxref = text.rfind("startxref");
    const auto trailerAt = text.rfind("trailer", startxref);
    if (startxref == std::string_view::npos || trailerAt == std::string_view::npos)
        return std::nullopt;
    const auto trailer = dictionaryAt(text, text.find("<<", trailerAt));
    const auto previous = numberAfter(text.substr(startxref), "startxref");
    if (!trailer || !previous || *previous >= text.size())
        return std::nullopt;
    const auto size = numberAfter(*trailer, "/Size");
    const auto root = numberAfter(*trailer, "/Root");
    const auto rootAt = root ? objectOffset(text, *previous, *root) : std::nullopt;
    if (!size || !rootAt)
        return std::nullopt;
    const auto catalogue = dictionaryAt(text, text.find("<<", *rootAt));
    if (!catalogue || catalogue->find("/Names") != std::string_view::npos)
        return std::nullopt;

    const std::size_t fileObject = *size, specObject = *size + 1, treeObject = *size + 2;
    const auto ref = [](std::size_t number) { return std::to_string(number) + " 0 R"; };
    std::string trailerKeys = " /Root " + ref(*root);
    if (const auto info = numberAfter(*trailer, "/Info"))
        trailerKeys += " /Info " + ref(*info);
    if (const auto id = trailer->find("/ID"); id != std::string_view::npos)
        trailerKeys += " " + std::string(trailer->substr(id, trailer->find(']', id) + 1 - id));

    if (pdf.back() != '\n')
        pdf += '\n';
    std::vector<std::size_t> offsets;
    const std::string length = std::to_string(file.bytes.size());
    offsets.push_back(pdf.size());
    pdf += std::to_string(fileObject) + " 0 obj\n<< /Type /EmbeddedFile /Subtype " +
           name(file.mediaType) + " /Length " + length + " /Params << /Size " + length +
           " >> >>\nstream\n";
    pdf += file.bytes;
    pdf += "\nendstream\nendobj\n";
    offsets.push_back(pdf.size());
    pdf += std::to_string(specObject) + " 0 obj\n<< /Type /Filespec /F " + literal(file.name) +
           " /UF " + literal(file.name) + " /Desc " + literal(file.description) + " /EF << /F " +
           ref(fileObject) + " >> >>\nendobj\n";
    offsets.push_back(pdf.size());
    pdf += std::to_string(treeObject) + " 0 obj\n<< /Names [" + literal(file.name) + " " +
           ref(specObject) + "] >>\nendobj\n";
    // The catalogue again under its own number, now naming the file: a reader takes the last.
    const std::size_t catalogueAt = pdf.size();
    pdf += std::to_string(*root) + " 0 obj\n" +
           std::string(catalogue->substr(0, catalogue->size() - 2)) + " /Names << /EmbeddedFiles " +
           ref(treeObject) + " >> >>\nendobj\n";

    const std::size_t xref = pdf.size();
    pdf += "xref\n" + std::to_string(*root) + " 1\n" + xrefEntry(catalogueAt) +
           std::to_string(fileObject) + " 3\n";
    for (const std::size_t offset : offsets)
        pdf += xrefEntry(offset);
    pdf += "trailer\n<< /Size " + std::to_string(treeObject + 1) + trailerKeys + " /Prev " +
           std::to_string(*previous) + " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

} // namespace liftcalc::pdf
