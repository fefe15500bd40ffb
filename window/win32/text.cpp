// SPDX-License-Identifier: MIT
#include "window/win32/text.hpp"

#include <climits>

namespace cipher::win32 {

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::u16string normalizedC(std::u16string_view text) {
    if (text.empty() || text.size() > INT_MAX) {
        return std::u16string(text);
    }
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int sourceLength = static_cast<int>(text.size());
    // Windows first estimates the length; the estimate may fall short, so try again with the
    // length it asks for.
    int capacity = NormalizeString(NormalizationC, source, sourceLength, nullptr, 0);
    while (capacity > 0) {
        std::wstring normalized(static_cast<std::size_t>(capacity), L'\0');
        const int length =
            NormalizeString(NormalizationC, source, sourceLength, normalized.data(), capacity);
        if (length > 0) {
            normalized.resize(static_cast<std::size_t>(length));
            return std::u16string(unitsOf(normalized));
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            break;
        }
        capacity = -length;
    }
    return std::u16string(text);
}

} // namespace cipher::win32
