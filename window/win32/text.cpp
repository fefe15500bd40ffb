// SPDX-License-Identifier: MIT
#include "window/win32/text.hpp"

#include <climits>

namespace cipher::win32 {

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::u32string NormalizedC(std::u32string_view text) {
    const std::wstring source = ToWide(text);
    if (source.empty() || source.size() > INT_MAX) {
        return std::u32string(text);
    }
    const int sourceLength = static_cast<int>(source.size());
    // Windows first estimates the length; the estimate may fall short, so try again with the
    // length it asks for.
    int capacity = NormalizeString(NormalizationC, source.data(), sourceLength, nullptr, 0);
    while (capacity > 0) {
        std::wstring normalized(static_cast<std::size_t>(capacity), L'\0');
        const int length = NormalizeString(NormalizationC, source.data(), sourceLength,
                                           normalized.data(), capacity);
        if (length > 0) {
            normalized.resize(static_cast<std::size_t>(length));
            return utf16::ToText(UnitsOf(normalized));
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            break;
        }
        capacity = -length;
    }
    return std::u32string(text);
}

} // namespace cipher::win32
