// SPDX-License-Identifier: MIT
// The solid brushes that paint the window, its labels and its buttons: one per colour, made when
// first asked for and deleted with the window.
#pragma once

#include "window/layout.hpp"

#include <windows.h>

#include <utility>
#include <vector>

namespace cipher::win32 {

COLORREF ColourOf(layout::Rgb rgb);

class SolidBrushes {
public:
    SolidBrushes() = default;
    SolidBrushes(const SolidBrushes&) = delete;
    SolidBrushes& operator=(const SolidBrushes&) = delete;
    ~SolidBrushes();

    HBRUSH For(layout::Rgb rgb);

private:
    std::vector<std::pair<layout::Rgb, HBRUSH>> brushes_;
};

} // namespace cipher::win32
