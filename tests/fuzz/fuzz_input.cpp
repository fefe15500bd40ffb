// SPDX-License-Identifier: MIT
#include "fuzz_input.hpp"

namespace cipher::fuzz {
namespace {

constexpr std::uint8_t kTextEnd = 0xFF;
constexpr std::uint8_t kActionCount = 8;
constexpr char32_t kCodePointCount = 0x110000;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;
// What a front end puts where its toolkit met half of a UTF-16 pair.
constexpr char32_t kReplacementCharacter = 0xFFFD;

} // namespace

Action SessionReader::nextAction() {
    switch (bytes_[next_++] % kActionCount) {
    case 0:
        return Action::TypePlaintext;
    case 1:
        return Action::TypeKey;
    case 2:
        return Action::ClickEncrypt;
    case 3:
        return Action::ClickClear;
    default:
        return Action::ClickIndex;
    }
}

bool SessionReader::atTextEnd() const noexcept {
    return atEnd() || bytes_[next_] == kTextEnd;
}

Text SessionReader::nextText() {
    Text text;
    while (!atTextEnd()) {
        text += nextCharacter();
    }
    if (!atEnd()) {
        ++next_; // the end marker
    }
    return text;
}

std::int16_t SessionReader::nextIndex() {
    std::uint16_t value = 0;
    for (int shift = 0; shift < 16 && !atEnd(); shift += 8) {
        value = static_cast<std::uint16_t>(value | bytes_[next_++] << shift);
    }
    return static_cast<std::int16_t>(value);
}

// A lead byte below 0xC0 is the character itself: ASCII with its control characters, and a
// stray continuation byte stands for U+0080…U+00BF. A longer lead byte takes 1 to 3 more bytes
// of 6 bits each, whatever their top bits; a sequence cut short by the end of the text has
// zeros for what is missing.
char32_t SessionReader::nextCharacter() {
    const std::uint8_t lead = bytes_[next_++];
    if (lead < 0xC0) {
        return lead;
    }
    int following = 3;
    std::uint8_t leadBits = 0x07;
    if (lead < 0xE0) {
        following = 1;
        leadBits = 0x1F;
    } else if (lead < 0xF0) {
        following = 2;
        leadBits = 0x0F;
    }
    char32_t value = lead & leadBits;
    for (int i = 0; i < following; ++i) {
        value <<= 6;
        if (!atTextEnd()) {
            value |= bytes_[next_++] & 0x3Fu;
        }
    }
    value %= kCodePointCount;
    if (value >= kFirstSurrogate && value <= kLastSurrogate) {
        return kReplacementCharacter;
    }
    return value;
}

} // namespace cipher::fuzz
