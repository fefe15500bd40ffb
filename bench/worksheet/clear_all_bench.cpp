// SPDX-License-Identifier: MIT
// ClearAll on worksheets that hold the results of an encryption. A cleared worksheet has to be
// filled again before the next ClearAll; that is done for a whole batch of worksheets with the
// timer paused, so that the pause's own cost is spread over the batch. The counter
// time_per_clear is the figure to read.
#include "bench_support.hpp"
#include "worksheet/commands.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace cipher::bench {
namespace {

constexpr std::size_t kBatch = 256;

void RunClearAll(benchmark::State& state, Worksheet filled) {
    Encrypt(filled);
    std::vector<Worksheet> sheets(kBatch);
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        std::fill(sheets.begin(), sheets.end(), filled);
        state.ResumeTiming();
        for (Worksheet& sheet : sheets) {
            ClearAll(sheet);
        }
        benchmark::ClobberMemory();
    }
    state.counters["time_per_clear"] = benchmark::Counter(
        static_cast<double>(kBatch),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void ClearAllSample(benchmark::State& state) {
    RunClearAll(state, Worksheet{});
}
BENCHMARK(ClearAllSample)->Apply(WithMinimum);

// A 4-letter key cuts the longest plaintext into the most rows that do not fit into a
// string's own buffer, so ClearAll has the most memory to give back.
void ClearAllLongest(benchmark::State& state) {
    RunClearAll(state, LongestInput(4));
}
BENCHMARK(ClearAllLongest)->Apply(WithMinimum);

} // namespace
} // namespace cipher::bench
