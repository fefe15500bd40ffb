// SPDX-License-Identifier: MIT
// Text between Windows and the binding. Windows' wide strings are UTF-16, as the binding's texts
// are, so they pass unit for unit; what a control holds is read whatever its length.
#pragma once

#include "window/utf16.hpp"

#include <windows.h>

#include <string>
#include <string_view>

namespace cipher::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

inline std::u16string_view unitsOf(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

inline std::wstring toWide(std::u16string_view units) {
    return {reinterpret_cast<const wchar_t*>(units.data()), units.size()};
}

inline std::wstring toWide(std::u32string_view text) {
    return toWide(utf16::fromText(text));
}

std::wstring windowText(HWND window);

// Unicode normalisation form C, done by Windows itself, for the binding. Text that Windows cannot
// normalise is returned as it is.
std::u16string normalizedC(std::u16string_view text);

} // namespace cipher::win32
