// SPDX-License-Identifier: MIT
#include "window/win32/control_windows.hpp"

#include "window/win32/utf16.hpp"

namespace cipher::win32 {
namespace {

struct WindowClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

WindowClass ClassOf(const layout::Control& control) {
    const DWORD readOnly = control.readOnly ? ES_READONLY : 0;
    switch (control.kind) {
    case layout::Kind::Label:
        return {L"STATIC",
                static_cast<DWORD>(SS_NOPREFIX |
                                   (control.align == layout::Align::Centre ? SS_CENTER : SS_LEFT)),
                0};
    case layout::Kind::TextField:
        return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | readOnly, WS_EX_CLIENTEDGE};
    case layout::Kind::TextPane:
        return {L"EDIT", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | readOnly,
                WS_EX_CLIENTEDGE};
    case layout::Kind::List:
        // Never LBS_SORT: the sorted key list is the worksheet's, and the shown lists keep the
        // order of the worksheet's items. The list keeps the table's height to the pixel.
        return {L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
    case layout::Kind::Button:
        return {L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0};
    }
    return {L"STATIC", 0, 0};
}

HWND CreateChild(HWND parent, const wchar_t* className, const std::wstring& caption, DWORD style,
                 DWORD extendedStyle, const RECT& bounds, int id) {
    return CreateWindowExW(
        extendedStyle, className, caption.c_str(), style | WS_CHILD | WS_CLIPSIBLINGS, bounds.left,
        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

} // namespace

HWND CreateControlWindow(HWND parent, const layout::Control& control, int id, Dpi dpi) {
    const WindowClass windowClass = ClassOf(control);
    return CreateChild(parent, windowClass.name, ToUtf16(control.caption),
                       windowClass.style | (control.shown ? WS_VISIBLE : 0),
                       windowClass.extendedStyle, ToPixels(control.bounds, dpi), id);
}

HWND CreateNameLabel(HWND parent, const layout::Control& control, Dpi dpi) {
    return CreateChild(parent, L"STATIC", ToUtf16(control.accessibleName), SS_NOPREFIX, 0,
                       ToPixels(control.bounds, dpi), -1);
}

} // namespace cipher::win32
