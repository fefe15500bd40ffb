// SPDX-License-Identifier: MIT
#include "window/win32/controls.hpp"

#include "window/win32/text.hpp"

#include <commctrl.h>

#include <array>
#include <string>
#include <utility>

namespace cipher::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// The window's own write into an input field: WM_SETTEXT that is no edit.
constexpr UINT kShowText = WM_APP;
constexpr int kFocusInset = 4; // pixels between a button's edge and its focus rectangle

struct InputField {
    WorksheetBinding& binding;
    std::size_t field;
    // A character outside the Basic Multilingual Plane arrives as two WM_CHAR messages, one for
    // each half of its surrogate pair; the first half waits here for the second.
    wchar_t pendingHighSurrogate = 0;
};

struct Selection {
    DWORD start = 0;
    DWORD end = 0;
};

Selection selectionOf(HWND edit) {
    Selection selection;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                 reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

void insert(HWND edit, const wchar_t* units) {
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(units));
}

// The one place where an edit enters the binding: the field then shows what the binding kept.
void settle(HWND edit, const InputField& input) {
    const std::wstring shown = windowText(edit);
    const WorksheetBinding::FieldText kept =
        input.binding.keepEdit(input.field, unitsOf(shown), selectionOf(edit).end);
    if (kept.text != unitsOf(shown)) {
        // Through the control itself, so that the change can be undone like any other edit.
        const std::wstring wanted = toWide(kept.text);
        DefSubclassProc(edit, EM_SETSEL, 0, -1);
        DefSubclassProc(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wanted.c_str()));
        DefSubclassProc(edit, EM_SETSEL, kept.cursor, static_cast<LPARAM>(kept.cursor));
    }
}

// The edit control deletes one UTF-16 unit at a time; a surrogate pair goes as a whole.
void selectWholePairToDelete(HWND edit, bool backwards) {
    const Selection selection = selectionOf(edit);
    if (selection.start != selection.end) {
        return;
    }
    const std::wstring text = windowText(edit);
    const std::size_t at = selection.end;
    if (backwards && at >= 2 && IS_SURROGATE_PAIR(text[at - 2], text[at - 1])) {
        SendMessageW(edit, EM_SETSEL, at - 2, static_cast<LPARAM>(at));
    } else if (!backwards && at + 1 < text.size() && IS_SURROGATE_PAIR(text[at], text[at + 1])) {
        SendMessageW(edit, EM_SETSEL, at, static_cast<LPARAM>(at) + 2);
    }
}

// A single-line edit control would paste only up to the first line break; the field takes the
// whole text and lets the settling turn the breaks into spaces.
void pasteClipboardText(HWND edit) {
    if (!OpenClipboard(edit)) {
        return;
    }
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = units;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (!text.empty()) {
        insert(edit, text.c_str());
    }
}

// Typed surrogates: a pair goes in whole; a lone half goes in as it came, and the settling makes
// it U+FFFD, as it does any lone half.
bool takeSurrogate(HWND edit, InputField& input, wchar_t unit) {
    const wchar_t pending = std::exchange(input.pendingHighSurrogate, 0);
    if (IS_LOW_SURROGATE(unit) && pending != 0) {
        const std::array<wchar_t, 3> pair{pending, unit, L'\0'};
        insert(edit, pair.data());
        return true;
    }
    if (pending != 0) {
        const std::array<wchar_t, 2> lone{pending, L'\0'};
        insert(edit, lone.data());
    }
    if (IS_HIGH_SURROGATE(unit)) {
        input.pendingHighSurrogate = unit;
        return true;
    }
    return false;
}

bool mayChangeText(UINT message) {
    switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_SETTEXT:
    case EM_UNDO:
    case EM_REPLACESEL:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK inputFieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR /*subclassId*/, DWORD_PTR data) {
    InputField& input = *reinterpret_cast<InputField*>(data);
    switch (message) {
    case WM_CHAR:
        if (takeSurrogate(edit, input, static_cast<wchar_t>(wParam))) {
            return 0;
        }
        if (wParam == VK_BACK) {
            selectWholePairToDelete(edit, true);
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_DELETE) {
            selectWholePairToDelete(edit, false);
        }
        break;
    case WM_PASTE:
        pasteClipboardText(edit);
        return 0;
    case kShowText:
        return DefSubclassProc(edit, WM_SETTEXT, 0, lParam);
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &inputFieldProc, kSubclassId);
        delete &input;
        return DefSubclassProc(edit, message, wParam, lParam);
    default:
        break;
    }
    if (!mayChangeText(message)) {
        return DefSubclassProc(edit, message, wParam, lParam);
    }
    const std::wstring before = windowText(edit);
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    if (windowText(edit) != before) {
        settle(edit, input);
    }
    return result;
}

LRESULT CALLBACK paneProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                          UINT_PTR /*subclassId*/, DWORD_PTR /*data*/) {
    switch (message) {
    case WM_GETDLGCODE:
        return DefSubclassProc(edit, message, wParam, lParam) &
               ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL);
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &paneProc, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void makeInputField(HWND edit, WorksheetBinding& binding, std::size_t field) {
    // The control's own limit counts UTF-16 units; lifted, so that only the binding counts.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(edit, &inputFieldProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(new InputField{binding, field}));
}

void showFieldText(HWND edit, std::u16string_view text) {
    const std::wstring wide = toWide(text);
    SendMessageW(edit, kShowText, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void makeMessagePane(HWND edit) {
    SetWindowSubclass(edit, &paneProc, kSubclassId, 0);
}

void drawColourButton(const DRAWITEMSTRUCT& item, HBRUSH face, HFONT font) {
    HDC dc = item.hDC;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    RECT bounds = item.rcItem;

    FillRect(dc, &bounds, face);
    DrawEdge(dc, &bounds, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT text = bounds;
    if (pressed) {
        OffsetRect(&text, 1, 1); // the caption sinks with the face
    }
    const std::wstring caption = windowText(item.hwndItem);
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
