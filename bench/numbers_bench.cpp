// SPDX-License-Identifier: MIT
// The number conventions every field read and write goes through, with English settings and
// with settings whose separators are several bytes (no-break space, typographic minus).
#include "calculators/numeric.h"

#include <benchmark/benchmark.h>

namespace liftcalc {
namespace {

NumberFormat formatFor(const benchmark::State &state) {
    return state.range(0) == 0 ? NumberFormat::english() : NumberFormat{",", "\u00A0", "\u2212"};
}

void lenient(benchmark::State &state) {
    const auto format = formatFor(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(lenientValue("  9817.469 psi", format));
}

void strict(benchmark::State &state) {
    const auto format = formatFor(state);
    const std::string text = answerText(-9817.469, format);
    for (auto _ : state)
        benchmark::DoNotOptimize(strictValue(text, format));
}

void plain(benchmark::State &state) {
    const auto format = formatFor(state);
    double value = 1234.568;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(plainText(value, format));
    }
}

void answer(benchmark::State &state) {
    const auto format = formatFor(state);
    double value = 9817.4689;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(answerText(value, format));
    }
}

void rounding(benchmark::State &state) {
    const auto format = formatFor(state);
    double value = 22.6795;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(roundToThousandths(value, format));
    }
}

// Argument 0: English settings; 1: Swedish-style settings.
BENCHMARK(lenient)->Name("Numbers/lenientValue")->Arg(0)->Arg(1);
BENCHMARK(strict)->Name("Numbers/strictValue")->Arg(0)->Arg(1);
BENCHMARK(plain)->Name("Numbers/plainText")->Arg(0)->Arg(1);
BENCHMARK(answer)->Name("Numbers/answerText")->Arg(0)->Arg(1);
BENCHMARK(rounding)->Name("Numbers/roundToThousandths")->Arg(0)->Arg(1);

} // namespace
} // namespace liftcalc
