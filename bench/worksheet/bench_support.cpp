// SPDX-License-Identifier: MIT
#include "bench_support.hpp"

#include "worksheet/constants.hpp"

#include <algorithm>
#include <string_view>
#include <vector>

namespace cipher::bench {
namespace {

constexpr std::u32string_view kFallingKey = U"ЯяЮюЬьЪъЩщ";
constexpr std::u32string_view kText =
    U"матричният транспозиционен шифър разменя местата на буквите ";

} // namespace

Worksheet LongestInput(std::size_t keyLength) {
    Text plaintext;
    while (plaintext.size() < kPlaintextMaxLength) {
        plaintext += kText;
    }
    Worksheet sheet;
    sheet.Text2[0].setText(plaintext); // the field keeps the first 100 characters
    sheet.Text2[1].setText(Text{kFallingKey.substr(0, keyLength)});
    return sheet;
}

void WithMinimum(benchmark::internal::Benchmark* benchmark) {
    benchmark->ComputeStatistics("min", [](const std::vector<double>& runs) {
        return *std::min_element(runs.begin(), runs.end());
    });
}

} // namespace cipher::bench
