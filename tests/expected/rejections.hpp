// SPDX-License-Identifier: MIT
// Input that Кодирай rejects, tried after the sample was encrypted, and the message each shows.
// Every front end checks that a rejection leaves the matrices empty and the sample's ciphertext
// and headers where they were.
#pragma once

#include "worksheet/constants.hpp"

#include <array>
#include <ostream>
#include <string_view>

namespace cipher::expected {

struct RejectionCase {
    const char* name;
    std::u32string_view plaintext;
    std::u32string_view key;
    std::u32string_view message;

    friend void PrintTo(const RejectionCase& row, std::ostream* out) { *out << row.name; }
};

inline constexpr std::array<RejectionCase, 3> kRejections{{
    {"plaintext_shorter_than_key", U"аб", U"абв", kMessagePlaintextShorterThanKey},
    {"key_too_short", U"открит текст", U"аб", kMessageTooShort},
    {"repeated_key_letter", U"открит текст", U"аАа", kMessageRepeatedKeyLetters},
}};

} // namespace cipher::expected
