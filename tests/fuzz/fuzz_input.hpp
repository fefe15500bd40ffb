// SPDX-License-Identifier: MIT
// Reads a fuzzer's bytes as a student's session: what is typed or pasted into the two input
// fields and which buttons are clicked, in order.
//
// Each action is one byte, taken modulo 8 so that the digits '0'…'7' name the actions in the
// seed files:
//   '0'  the plaintext field takes the text that follows
//   '1'  the key field takes the text that follows
//   '2'  click Command1(0)
//   '3'  click Command1(1)
//   '4'…'7'  click Command1(i), i the 16-bit number of the next two bytes, low byte first
// A text runs up to the next byte 0xFF (never part of UTF-8) or to the end of the input. It is
// read as UTF-8 where the bytes are UTF-8, and leniently where they are not, so that every
// input means some text: any code point from U+0000 to U+10FFFF but the surrogates.
#pragma once

#include "worksheet/worksheet.hpp"

#include <cstddef>
#include <cstdint>
#include <span>

namespace cipher::fuzz {

enum class Action { TypePlaintext, TypeKey, ClickEncrypt, ClickClear, ClickIndex };

class SessionReader {
public:
    explicit SessionReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const noexcept { return next_ >= bytes_.size(); }
    Action nextAction();
    // The text after TypePlaintext or TypeKey, and the end marker after it.
    Text nextText();
    // The button index after ClickIndex; missing bytes count as 0.
    std::int16_t nextIndex();

private:
    char32_t nextCharacter();
    bool atTextEnd() const noexcept;

    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
};

} // namespace cipher::fuzz
