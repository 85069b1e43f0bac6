// SPDX-License-Identifier: MIT
// The one JSON writer every face uses: strings escaped so that any bytes a person types come
// back out of a JSON reader, and commas exactly between the members of nested values.
#include "json/json_writer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

using namespace liftcalc;

namespace {

struct StringCase {
    const char *name;
    std::string_view text;
    std::string_view literal;
};

class JsonStringTest : public testing::TestWithParam<StringCase> {};

// Quotes and backslashes are escaped, every control character too (short forms where JSON
// has them), and all other bytes, UTF-8 or not, pass unchanged.
TEST_P(JsonStringTest, EscapesWhatJsonRequires) {
    EXPECT_EQ(json::quoted(GetParam().text), GetParam().literal);
}

using namespace std::string_view_literals;
INSTANTIATE_TEST_SUITE_P(
    Texts, JsonStringTest,
    testing::Values(StringCase{"Empty", "", R"("")"},
                    StringCase{"Plain", "254.648", R"("254.648")"},
                    StringCase{"Quote", R"(say "hi")", R"("say \"hi\"")"},
                    StringCase{"Backslash", R"(a\b)", R"("a\\b")"},
                    StringCase{"LineBreaks", "a\r\nb", R"("a\r\nb")"},
                    StringCase{"Tab", "5\t", R"("5\t")"},
                    StringCase{"NulAndUnitSeparator", "\0\x1f"sv, R"("\u0000\u001f")"},
                    StringCase{"BellAndBackspace", "\a\b", R"("\u0007\u0008")"},
                    StringCase{"DeleteIsNoControlForJson", "\x7f", "\"\x7f\""},
                    StringCase{"Utf8", "9\u202F071,8 \u00e9", "\"9\u202F071,8 \u00e9\""},
                    StringCase{"InvalidBytesPass", "\xFF\xFE", "\"\xFF\xFE\""}),
    [](const auto &info) { return info.param.name; });

// Commas go between the members of every array and object however deep, never after a key
// or an opening bracket, and a string literal stays a string rather than a bool.
TEST(JsonWriterTest, SeparatesNestedValues) {
    std::string out = "prefix ";
    json::Writer json(out);
    json.open('{')
        .member("empty", "")
        .key("list")
        .open('[')
        .open('[')
        .close(']')
        .open('{')
        .close('}')
        .value(-7)
        .null()
        .raw("2.5")
        .close(']')
        .member("colour", std::uint32_t{0x80000005})
        .member("min", INT_MIN)
        .member("flag", false)
        .key("inner")
        .open('{')
        .member("a", true)
        .member("b", std::string("x"))
        .close('}')
        .close('}');
    EXPECT_EQ(out, R"(prefix {"empty":"","list":[[],{},-7,null,2.5],"colour":2147483653,)"
                   R"("min":-2147483648,"flag":false,"inner":{"a":true,"b":"x"}})");
}

// A second writer that continues a text starts without a comma: the command line writes each
// row of a sweep with its own writer after its own separator.
TEST(JsonWriterTest, NewWriterStartsAfterWhateverTheTextHolds) {
    std::string out = "[\n";
    json::Writer(out).open('{').member("n", 1).close('}');
    out += ",\n";
    json::Writer(out).open('{').member("n", 2).close('}');
    EXPECT_EQ(out, "[\n{\"n\":1},\n{\"n\":2}");
}

} // namespace
