// SPDX-License-Identifier: MIT
#include "window/win32/drawing.hpp"

#include "window/win32/text.hpp"

#include <algorithm>
#include <string>

namespace cipher::win32 {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kFocusInset = 4; // pixels between the button's edge and its focus rectangle

HFONT CreateFontFor(const layout::Font& font, Dpi dpi) {
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

Dpi ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const Dpi dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT ToPixels(const layout::Twips& bounds, Dpi dpi) {
    const int left = layout::ToPixels(bounds.left, dpi.x);
    const int top = layout::ToPixels(bounds.top, dpi.y);
    return {left, top, left + layout::ToPixels(bounds.width, dpi.x),
            top + layout::ToPixels(bounds.height, dpi.y)};
}

COLORREF ColourOf(layout::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

WindowFont::WindowFont(const layout::Font& font, Dpi dpi) : font_(CreateFontFor(font, dpi)) {}

WindowFont::~WindowFont() {
    DeleteObject(font_);
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

void DrawColourButton(const DRAWITEMSTRUCT& item, HBRUSH face, HFONT font) {
    HDC dc = item.hDC;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    RECT bounds = item.rcItem;

    FillRect(dc, &bounds, face);
    DrawEdge(dc, &bounds, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT text = bounds;
    if (pressed) {
        OffsetRect(&text, 1, 1); // the caption sinks with the face
    }
    const std::wstring caption = WindowText(item.hwndItem);
    HGDIOBJ previousFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previousFont);

    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = bounds;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

} // namespace cipher::win32
