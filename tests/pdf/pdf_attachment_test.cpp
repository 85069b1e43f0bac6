// SPDX-License-Identifier: MIT
// A file attached to a PDF by an incremental update: the PDF as it was, then the new objects,
// a cross-reference section whose every offset points at its object, and a trailer that leads
// back to the old one; PDFs that cannot be updated so are left alone.
#include "pdf/pdf_attachment.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace liftcalc::pdf {
namespace {

// A PDF of a catalogue and an empty page tree, as a writer ends one: a classic cross-reference
// table and a trailer with an /Info and an /ID. CATALOGUE is the catalogue's dictionary.
std::string smallPdf(const std::string &catalogue = "<< /Type /Catalog /Pages 2 0 R >>") {
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    const std::string objects[] = {catalogue, "<< /Type /Pages /Kids [] /Count 0 >>",
                                   "<< /Producer (test) >>"};
    for (std::size_t i = 0; i < std::size(objects); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 4\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    return pdf + "trailer\n<< /Size 4 /Root 1 0 R /Info 3 0 R /ID [<0a1b> <0a1b>] >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
}

const Attachment kFile{"visit.liftrec", "application/x-liftcalc-record", "Test record",
                       "{\"format\":\"liftcalc-record\"}\n(a line) \\ endstream"};

// The objects the update adds: the file, the entry naming it, the name tree, the catalogue again,
// each found where the new cross-reference section says.
TEST(PdfAttachment, AppendsObjectsWhereTheCrossReferenceSays) {
    const std::string before = smallPdf();
    const auto after = withAttachment(before, kFile);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->substr(0, before.size()), before);

    const std::string_view added = std::string_view(*after).substr(before.size());
    const auto xref = after->rfind("\nxref\n") + 1;
    std::size_t at = after->find('\n', xref) + 1;
    std::vector<std::pair<int, std::size_t>> objects; // number, offset
    while (after->compare(at, 7, "trailer") != 0) {
        int first = 0, count = 0;
        ASSERT_EQ(std::sscanf(after->c_str() + at, "%d %d", &first, &count), 2);
        at = after->find('\n', at) + 1;
        for (int i = 0; i < count; ++i, at += 20)
            objects.emplace_back(first + i, std::stoul(after->substr(at, 10)));
    }
    ASSERT_EQ(objects.size(), 4u);
    for (const auto &[number, offset] : objects)
        EXPECT_EQ(after->compare(offset, std::to_string(number).size() + 6,
                                 std::to_string(number) + " 0 obj"),
                  0)
            << number << " at " << offset;

    EXPECT_NE(added.find("1 0 obj\n<< /Type /Catalog /Pages 2 0 R  /Names << /EmbeddedFiles 6 0 R "
                         ">> >>"),
              std::string_view::npos)
        << added;
    EXPECT_NE(added.find("/Length " + std::to_string(kFile.bytes.size()) + " "),
              std::string_view::npos);
    EXPECT_NE(added.find("stream\n" + std::string(kFile.bytes) + "\nendstream"),
              std::string_view::npos);
    EXPECT_NE(added.find("/Subtype /application#2Fx-liftcalc-record"), std::string_view::npos);
    EXPECT_NE(added.find("/F (visit.liftrec) /UF (visit.liftrec)"), std::string_view::npos);
    const std::string trailer = after->substr(after->rfind("trailer"));
    EXPECT_EQ(trailer, "trailer\n<< /Size 7 /Root 1 0 R /Info 3 0 R /ID [<0a1b> <0a1b>] /Prev " +
                           std::to_string(before.rfind("\nxref\n") + 1) + " >>\nstartxref\n" +
                           std::to_string(xref) + "\n%%EOF\n");
}

// A name a reader lists is a PDF string: its brackets and backslashes escaped, and anything
// beyond printable ASCII an underscore.
TEST(PdfAttachment, NamesTheFileAsAPdfString) {
    Attachment file = kFile;
    file.name = "a(b)\\c\xC3\xA9.liftrec";
    const auto after = withAttachment(smallPdf(), file);
    ASSERT_TRUE(after);
    EXPECT_NE(after->find("/F (a\\(b\\)\\\\c__.liftrec)"), std::string::npos);
}

struct Unfit {
    const char *name;
    std::string pdf;
};

// What is not a PDF ending in a classic cross-reference table and trailer, or whose catalogue
// already names files, is left alone.
TEST(PdfAttachment, LeavesAloneWhatItCannotUpdate) {
    const std::string pdf = smallPdf();
    const std::string xrefAt = std::to_string(pdf.rfind("\nxref\n") + 1);
    std::string elsewhere = pdf;
    elsewhere.replace(elsewhere.rfind(xrefAt), xrefAt.size(), "99999");
    std::string noRoot = pdf;
    noRoot.replace(noRoot.find("/Root 1"), 7, "/Root 9");
    const Unfit cases[] = {
        {"empty", ""},
        {"not a PDF", "hello"},
        {"no trailer", pdf.substr(0, pdf.find("trailer"))},
        {"cut short in the trailer", pdf.substr(0, pdf.rfind(">>"))},
        {"cross-reference beyond the end", elsewhere},
        {"catalogue not in the table", noRoot},
        {"files named already",
         smallPdf("<< /Type /Catalog /Pages 2 0 R /Names << /EmbeddedFiles 5 0 R >> >>")},
    };
    for (const Unfit &unfit : cases)
        EXPECT_FALSE(withAttachment(unfit.pdf, kFile)) << unfit.name;
}

} // namespace
} // namespace liftcalc::pdf
