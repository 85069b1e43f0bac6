// SPDX-License-Identifier: MIT
// Writes what the number functions make of a large generated set of values and texts, in every
// regional format the tests know. Built once against each double-to-text path; the two outputs
// must be the same bytes.
#include "tests/support/number_formats.h"

#include <bit>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <string>

namespace {

using namespace liftcalc;
using namespace liftcalc::testing;

void writeValue(std::optional<double> v) {
    if (v)
        std::printf(" %016" PRIx64, std::bit_cast<std::uint64_t>(*v));
    else
        std::printf(" none");
}

void writeCase(const std::string &text, const NumberFormat &format) {
    std::printf("%s |", text.c_str());
    writeValue(strictValue(text, format));
    writeValue(lenientValue(text, format));
    std::printf("\n");
}

void writeValueCase(double value, const NumberFormat &format) {
    writeCase(plainText(value, format), format);
    writeCase(answerText(value, format), format);
    std::printf("round");
    writeValue(roundToThousandths(value, format));
    std::printf("\n");
}

// A value from anywhere in the double range, from every range answers live in, or one whose
// 15- or 3-decimal rounding is a tie or near one.
double generatedValue(std::mt19937_64 &random) {
    std::uniform_real_distribution<double> unit(0, 1);
    switch (random() % 8) {
    case 0:
        return std::bit_cast<double>(random()); // any bit pattern, NaNs and infinities too
    case 1:
        return unit(random) * std::pow(10.0, static_cast<int>(random() % 40) - 20);
    case 2: // whole numbers of 16 digits ending in 5: exact ties at 15 digits
        return static_cast<double>(
            (1'000'000'000'000'000 + random() % 9'000'000'000'000'000) / 10 * 10 + 5);
    case 3: // thousandths and a half, the tie the three-decimal form rounds away from zero
        return (static_cast<double>(random() % 100'000'000) + 0.5) / 1000;
    case 4:
        return -unit(random) * 1e6;
    case 5: // ties at 15 digits below 10^15, and their halves and quarters
        return std::ldexp(static_cast<double>(10'000'000'000'000 + random() % 90'000'000'000'000) +
                              0.5,
                          -static_cast<int>(random() % 3));
    case 6: // values whose first digit's power a logarithm may misjudge: near powers of ten
        return std::nextafter(std::pow(10.0, static_cast<int>(random() % 24) - 6),
                              random() % 2 ? 0.0 : 1e300);
    default:
        return std::nextafter(static_cast<double>(random() % 1'000'000) / 1000,
                              random() % 2 ? 1e9 : -1e9);
    }
}

// A text a person may type: digit runs of any length, with or without grouping, a decimal
// separator, an exponent, and the odd blank or sign.
std::string generatedText(std::mt19937_64 &random, const NumberFormat &format) {
    auto digits = [&](std::size_t count) {
        std::string s;
        for (std::size_t i = 0; i < count; ++i)
            s += static_cast<char>('0' + random() % 10);
        return s;
    };
    auto length = [&] { return random() % 8 == 0 ? 1 + random() % 800 : 1 + random() % 25; };
    std::string text = random() % 4 == 0 ? format.minus : std::string();
    if (random() % 3 == 0) {
        text += digits(1 + random() % 3);
        for (auto groups = random() % 5; groups > 0; --groups)
            text += format.group + digits(3);
    } else {
        text += digits(length());
    }
    if (random() % 2)
        text += format.decimal + digits(length());
    if (random() % 3 == 0)
        text += std::string(random() % 2 ? "E" : "e") + (random() % 2 ? "-" : "+") +
                std::to_string(random() % 420);
    if (random() % 10 == 0)
        text = " " + text + " ";
    return text;
}

} // namespace

int main() {
    constexpr int kCasesPerFormat = 20'000;
    for (const auto &[name, locale, format] : kAllFormats) {
        std::mt19937_64 random(2026);
        std::printf("# %.*s\n", static_cast<int>(name.size()), name.data());
        for (int i = 0; i < kCasesPerFormat; ++i) {
            writeValueCase(generatedValue(random), *format);
            writeCase(generatedText(random, *format), *format);
        }
    }
}
