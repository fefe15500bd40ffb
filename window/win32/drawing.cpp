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

bool windowsHighContrast() {
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof(highContrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(highContrast), &highContrast, 0) !=
               0 &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
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

COLORREF colourOf(const colours::Colour& colour) {
    if (const auto* rgb = std::get_if<layout::Rgb>(&colour)) {
        return colourOf(*rgb);
    }
    switch (std::get<colours::Role>(colour)) {
    case colours::Role::WindowFace:
        return GetSysColor(COLOR_WINDOW);
    case colours::Role::ButtonFace:
        return GetSysColor(COLOR_BTNFACE);
    case colours::Role::ButtonText:
        return GetSysColor(COLOR_BTNTEXT);
    case colours::Role::WindowText:
        break;
    }
    return GetSysColor(COLOR_WINDOWTEXT);
}

bool (*highContrastOn)() = windowsHighContrast;

WindowFont::WindowFont(const layout::Font& font, Dpi dpi) : font_(createFontFor(font, dpi)) {}

WindowFont::~WindowFont() {
    DeleteObject(font_);
}

SolidBrushes::~SolidBrushes() {
    for (const auto& [colour, brush] : brushes_) {
        DeleteObject(brush);
    }
}

HBRUSH SolidBrushes::forColour(COLORREF colour) {
    auto found = std::find_if(brushes_.begin(), brushes_.end(),
                              [colour](const auto& entry) { return entry.first == colour; });
    if (found != brushes_.end()) {
        return found->second;
    }
    HBRUSH brush = CreateSolidBrush(colour);
    brushes_.emplace_back(colour, brush);
    return brush;
}

} // namespace cipher::win32
