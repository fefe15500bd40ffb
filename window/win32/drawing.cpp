// SPDX-License-Identifier: MIT
#include "window/win32/drawing.hpp"

#include <algorithm>
#include <string>

namespace cipher::win32 {
namespace {

constexpr int kPointsPerInch = 72;

HFONT createFontFor(const layout::Font& font, Dpi dpi) {
    LOGFONTW description{};
    // A negative height asks for the character height, which is what a point size measures.
    description.lfHeight = -MulDiv(font.pointSize, dpi.y, kPointsPerInch);
    description.lfWeight = font.weight;
    description.lfCharSet = static_cast<BYTE>(font.charSet);
    description.lfOutPrecision = OUT_TT_PRECIS;
    description.lfQuality = CLEARTYPE_QUALITY;
    description.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    const std::size_t length = std::min(font.family.size(), std::size(description.lfFaceName) - 1);
    std::copy_n(font.family.begin(), length, description.lfFaceName);
    return CreateFontIndirectW(&description);
}

} // namespace

Dpi screenDpi() {
    HDC screen = GetDC(nullptr);
    const Dpi dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT toPixels(const layout::Twips& bounds, Dpi dpi) {
    const int left = layout::toPixels(bounds.left, dpi.x);
    const int top = layout::toPixels(bounds.top, dpi.y);
    return {left, top, left + layout::toPixels(bounds.width, dpi.x),
            top + layout::toPixels(bounds.height, dpi.y)};
}

COLORREF colourOf(layout::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

WindowFont::WindowFont(const layout::Font& font, Dpi dpi) : font_(createFontFor(font, dpi)) {}

WindowFont::~WindowFont() {
    DeleteObject(font_);
}

SolidBrushes::~SolidBrushes() {
    for (const auto& [rgb, brush] : brushes_) {
        DeleteObject(brush);
    }
}

HBRUSH SolidBrushes::forColour(layout::Rgb rgb) {
    auto found = std::find_if(brushes_.begin(), brushes_.end(),
                              [rgb](const auto& entry) { return entry.first == rgb; });
    if (found != brushes_.end()) {
        return found->second;
    }
    HBRUSH brush = CreateSolidBrush(colourOf(rgb));
    brushes_.emplace_back(rgb, brush);
    return brush;
}

} // namespace cipher::win32
