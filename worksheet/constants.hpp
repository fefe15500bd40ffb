// SPDX-License-Identifier: MIT
// Every fixed text and limit of the worksheet, in one place.
#pragma once

#include <cstddef>
#include <string_view>

namespace cipher {

// Input limits, counted in characters (code points).
inline constexpr std::size_t kPlaintextMaxLength = 100;
inline constexpr std::size_t kKeyMaxLength = 10;
inline constexpr std::size_t kKeyMinLength = 3;
inline constexpr std::size_t kPlaintextMinLength = 5;

// Filler letters are the characters kFillerBase + 1, + 2, …: "A", "B", "C" and so on.
inline constexpr char32_t kFillerBase = U'@';

// Texts of the window when it opens.
inline constexpr std::u32string_view kSamplePlaintext = U"матричен транспозиционен шифър1";
inline constexpr std::u32string_view kSampleKey = U"пчела";
inline constexpr std::u32string_view kInitialPlainHeader = U"Открит";
inline constexpr std::u32string_view kInitialCipherHeader = U"Криптиран";

// The messages that replace the message pane's text. Their wording is the program's own,
// including the misspelt "криптографксия".
inline constexpr std::u32string_view kMessagePlaintextShorterThanKey =
    U"Въведеният открит текст е с по-малка дължина от ключа!";
inline constexpr std::u32string_view kMessageTooShort =
    U"Въведеният открит текст/криптографски ключ е с малка дължина!";
inline constexpr std::u32string_view kMessageRepeatedKeyLetters =
    U"В криптографксия ключ има повтарящи се символи!";
inline constexpr std::u32string_view kMessageEncryptionComplete = U"Криптирането е завършено!";

} // namespace cipher
