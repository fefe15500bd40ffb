// SPDX-License-Identifier: MIT
// What the benchmarks share: the inputs they time the commands on, and the statistics they show.
#pragma once

#include "worksheet/worksheet.hpp"

#include <benchmark/benchmark.h>

#include <cstddef>

namespace cipher::bench {

// The longest input a student can give: a plaintext of 100 characters and a key of keyLength
// letters (3 to 10). The key's letters come in falling alphabetical order, a capital next to
// its small letter, so that every letter added to the sorted key list goes to its front and
// the comparisons run down to the letter case.
Worksheet LongestInput(std::size_t keyLength);

// Adds the fastest of the repetitions to the statistics: on a machine that other work shares,
// the fastest run is the one least disturbed by it.
void WithMinimum(benchmark::internal::Benchmark* benchmark);

} // namespace cipher::bench
