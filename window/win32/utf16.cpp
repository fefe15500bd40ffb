// SPDX-License-Identifier: MIT
#include "window/win32/utf16.hpp"

#include <algorithm>

namespace cipher::win32 {
namespace {

constexpr char32_t kFirstSupplementary = 0x10000;

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

bool StartsPair(std::wstring_view text, std::size_t at) {
    return IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]);
}

} // namespace

std::wstring ToUtf16(std::u32string_view text) {
    std::wstring units;
    units.reserve(text.size());
    for (char32_t c : text) {
        if (c >= kFirstSupplementary) {
            const char32_t offset = c - kFirstSupplementary;
            units += static_cast<wchar_t>(0xD800 + (offset >> 10));
            units += static_cast<wchar_t>(0xDC00 + (offset & 0x3FF));
        } else if (!IsSurrogate(c)) {
            units += static_cast<wchar_t>(c);
        }
    }
    return units;
}

std::u32string FromUtf16(std::wstring_view text) {
    std::u32string characters;
    characters.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t unit = text[i];
        if (StartsPair(text, i)) {
            const char32_t high = static_cast<char32_t>(unit) - 0xD800;
            const char32_t low = static_cast<char32_t>(text[i + 1]) - 0xDC00;
            characters += static_cast<char32_t>(kFirstSupplementary + (high << 10) + low);
            ++i;
        } else if (!IsHighSurrogate(unit) && !IsLowSurrogate(unit)) {
            characters += static_cast<char32_t>(unit);
        }
    }
    return characters;
}

std::size_t CharactersBefore(std::wstring_view text, std::size_t units) {
    units = std::min(units, text.size());
    std::size_t characters = 0;
    for (std::size_t i = 0; i < units; ++i) {
        if (StartsPair(text, i)) {
            if (i + 1 == units) {
                break; // inside the pair
            }
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            continue; // dropped by FromUtf16 as well
        }
        ++characters;
    }
    return characters;
}

std::size_t UnitsOf(std::u32string_view text, std::size_t characters) {
    std::size_t units = 0;
    for (char32_t c : text.substr(0, std::min(characters, text.size()))) {
        units += c >= kFirstSupplementary ? 2 : IsSurrogate(c) ? 0 : 1;
    }
    return units;
}

} // namespace cipher::win32
