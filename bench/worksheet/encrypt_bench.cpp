// SPDX-License-Identifier: MIT
// Encrypt on the sample input the window opens with, and on the longest inputs. Encrypt starts
// from cleared lists, so running it again on the same worksheet repeats the same work.
#include "bench_support.hpp"
#include "worksheet/commands.hpp"
#include "worksheet/constants.hpp"

#include <benchmark/benchmark.h>

namespace cipher::bench {
namespace {

void RunEncrypt(benchmark::State& state, Worksheet& sheet) {
    for ([[maybe_unused]] auto _ : state) {
        Encrypt(sheet);
        benchmark::DoNotOptimize(sheet.Text2[2].text().data());
        benchmark::ClobberMemory();
    }
    if (sheet.Text1[0].text() != kMessageEncryptionComplete) {
        state.SkipWithError("the input was rejected");
    }
}

void EncryptSample(benchmark::State& state) {
    Worksheet sheet;
    RunEncrypt(state, sheet);
}
BENCHMARK(EncryptSample)->Apply(WithMinimum);

// The argument is the key length.
void EncryptLongest(benchmark::State& state) {
    Worksheet sheet = LongestInput(static_cast<std::size_t>(state.range(0)));
    RunEncrypt(state, sheet);
}
BENCHMARK(EncryptLongest)->ArgName("key")->DenseRange(3, 10)->Apply(WithMinimum);

} // namespace
} // namespace cipher::bench
