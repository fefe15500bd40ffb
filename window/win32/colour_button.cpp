// SPDX-License-Identifier: MIT
#include "window/win32/colour_button.hpp"

#include "window/win32/window_text.hpp"

#include <string>

namespace cipher::win32 {
namespace {

constexpr int kFocusInset = 4; // pixels between the button's edge and its focus rectangle

} // namespace

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
