// SPDX-License-Identifier: MIT
#include "window/win32/window_font.hpp"

#include <algorithm>

namespace cipher::win32 {
namespace {

constexpr int kPointsPerInch = 72;

} // namespace

HFONT CreateWindowFont(const layout::Font& font, Dpi dpi) {
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

} // namespace cipher::win32
