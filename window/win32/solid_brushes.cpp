// SPDX-License-Identifier: MIT
#include "window/win32/solid_brushes.hpp"

#include <algorithm>

namespace cipher::win32 {

COLORREF ColourOf(layout::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

SolidBrushes::~SolidBrushes() {
    for (const auto& [rgb, brush] : brushes_) {
        DeleteObject(brush);
    }
}

HBRUSH SolidBrushes::For(layout::Rgb rgb) {
    auto found = std::find_if(brushes_.begin(), brushes_.end(),
                              [rgb](const auto& entry) { return entry.first == rgb; });
    if (found != brushes_.end()) {
        return found->second;
    }
    HBRUSH brush = CreateSolidBrush(ColourOf(rgb));
    brushes_.emplace_back(rgb, brush);
    return brush;
}

} // namespace cipher::win32
