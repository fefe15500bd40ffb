// SPDX-License-Identifier: MIT
// The text of a window or control, whatever its length.
#pragma once

#include <windows.h>

#include <string>

namespace cipher::win32 {

std::wstring WindowText(HWND window);

} // namespace cipher::win32
