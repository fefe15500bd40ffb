// SPDX-License-Identifier: MIT
#include "window/win32/window_text.hpp"

namespace cipher::win32 {

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace cipher::win32
