// SPDX-License-Identifier: MIT
// The sample the window opens with, encrypted, as every suite expects it. Worked out by hand: the
// key "пчела" sorts to "аелпч", its letters rank п 4, ч 5, е 2, л 3, а 1, so every final row reads
// initial characters 5, 3, 4, 1, 2; 31 characters under a key of 5 get the fillers "ABCD".
#pragma once

#include <array>
#include <string_view>

namespace cipher::expected {

inline constexpr std::u32string_view kSortedSampleKey = U"аелпч";

inline constexpr std::array<std::u32string_view, 7> kSampleInitialMatrix{
    U"матри", U"чен т", U"рансп", U"озици", U"онен ", U"шифър", U"1ABCD"};

inline constexpr std::array<std::u32string_view, 7> kSampleFinalMatrix{
    U"итрма", U"тн че", U"пнсра", U"иицоз", U" енон", U"рфъши", U"DBC1A"};

inline constexpr std::u32string_view kSampleCiphertext = U"итрматн чепнсраиицоз енонрфъшиDBC1A";

} // namespace cipher::expected
