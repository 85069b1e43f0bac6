// SPDX-License-Identifier: MIT
// The record's paper as HTML: what a person typed never becomes markup or an unprintable
// glyph, and the pages hold every word and figure the paper must.
#include "record/entry_figures.h"
#include "record/paper_html.h"
#include "record/paper_words.h"
#include "record/words.h"
#include "tests/record/sample_record.h"

#include <gtest/gtest.h>
#include <span>

namespace liftcalc::record {
namespace {

// Markup characters escaped, line breaks kept, other controls (C0 and C1) blanked, a broken
// UTF-8 sequence replaced, and everything else (non-Latin text, a no-break space) as typed.
TEST(PaperHtmlTest, EscapesWhatAPersonTyped) {
    const struct {
        std::string text, html;
    } cases[] = {
        {"<script>&\"'", "&lt;script&gt;&amp;&quot;'"},
        {"one\ntwo\r\nthree", "one<br>two <br>three"},
        {std::string("a\0b\tc\x7f"
                     "d",
                     7),
         "a b c d"},
        {"\xc2\x85|\xc2\x9f|\xc2\xa0", " | |\xc2\xa0"},
        {"Zoë 山田 😀", "Zoë 山田 😀"},
        {"\xff|\xc3|\xe2\x82|\xed\xa0\x80|\xc0\xaf",
         "\uFFFD|\uFFFD|\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD|"
         "\uFFFD\uFFFD"},
        {"&amp; %1", "&amp;amp; %1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(htmlEscaped(c.text), c.html) << c.text;
}

// The title, every caption of the lift and the visit, every figure as the window shows it, the
// person's words on each entry, the mark of changed figures, the remarks and both signature
// blocks; no typed text gets through as markup.
TEST(PaperHtmlTest, HoldsTheWholeRecord) {
    Record r = sampleRecord();
    r.visit.remarks = "<b>not bold</b>";
    r.entries[1].differs = true;
    const NumberFormat format{",", ".", "-"};
    const std::string html = paperHtml(r, format);
    std::vector<std::string> expected = {std::string(words::kDocumentTitle),
                                         "&lt;b&gt;not bold&lt;/b&gt;",
                                         "Maker &quot;Hydro&quot;",
                                         "1 Main St,<br>Springfield",
                                         "2500 lb",
                                         "0,5 mps",
                                         words::say(words::Message::figuresDiffer),
                                         "car at top landing, rated load",
                                         "Замечание: ok",
                                         "Pass",
                                         "Not applicable"};
    using Captions = std::span<const words::FieldCaption>;
    for (const Captions table : {Captions(words::kLiftFields), Captions(words::kVisitFields)})
        for (const words::FieldCaption &field : table)
            expected.emplace_back(field.caption);
    for (const std::string_view line : words::kSignatureLines)
        expected.emplace_back(line);
    for (const Entry &entry : r.entries)
        for (const ShownFigure &figure : shownFigures(entry, format))
            expected.push_back(htmlEscaped(figure.text));
    for (const std::string &text : expected)
        EXPECT_NE(html.find(text), std::string::npos) << text;
    EXPECT_EQ(html.find("<b>not"), std::string::npos);

    r.entries.clear();
    EXPECT_NE(paperHtml(r, format).find(words::say(words::Message::emptyRecord)),
              std::string::npos);
}

} // namespace
} // namespace liftcalc::record
