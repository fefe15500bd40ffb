// SPDX-License-Identifier: MIT
#include "window/utf16.hpp"

#include <algorithm>

namespace cipher::utf16 {
namespace {

constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char32_t kReplacement = U'\uFFFD';

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

bool startsPair(std::u16string_view text, std::size_t at) {
    return isHighSurrogate(text[at]) && at + 1 < text.size() && isLowSurrogate(text[at + 1]);
}

std::u16string fromText(std::u32string_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (char32_t c : text) {
        if (c >= kFirstSupplementary) {
            const char32_t offset = c - kFirstSupplementary;
            units += static_cast<char16_t>(0xD800 + (offset >> 10));
            units += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        } else if (isSurrogate(c)) {
            units += static_cast<char16_t>(kReplacement);
        } else {
            units += static_cast<char16_t>(c);
        }
    }
    return units;
}

std::u32string toText(std::u16string_view units) {
    std::u32string characters;
    characters.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (startsPair(units, i)) {
            const char32_t high = static_cast<char32_t>(unit) - 0xD800;
            const char32_t low = static_cast<char32_t>(units[i + 1]) - 0xDC00;
            characters += static_cast<char32_t>(kFirstSupplementary + (high << 10) + low);
            ++i;
        } else if (isSurrogate(unit)) {
            characters += kReplacement;
        } else {
            characters += unit;
        }
    }
    return characters;
}

std::size_t charactersBefore(std::u16string_view text, std::size_t units) {
    units = std::min(units, text.size());
    std::size_t characters = 0;
    for (std::size_t i = 0; i < units; ++i) {
        if (startsPair(text, i)) {
            if (i + 1 == units) {
                break; // inside the pair
            }
            ++i;
        }
        ++characters;
    }
    return characters;
}

std::size_t unitsOf(std::u32string_view text, std::size_t characters) {
    std::size_t units = 0;
    for (char32_t c : text.substr(0, std::min(characters, text.size()))) {
        units += c >= kFirstSupplementary ? 2 : 1;
    }
    return units;
}

} // namespace cipher::utf16
