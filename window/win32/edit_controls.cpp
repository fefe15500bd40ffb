// SPDX-License-Identifier: MIT
#include "window/win32/edit_controls.hpp"

#include "window/win32/text.hpp"

#include <commctrl.h>

#include <array>
#include <string>
#include <utility>

namespace cipher::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

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

Selection SelectionOf(HWND edit) {
    Selection selection;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                 reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

void Insert(HWND edit, const wchar_t* units) {
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(units));
}

// Brings the field's text within the binding's rules; the worksheet then takes it.
void Settle(HWND edit, const InputField& input) {
    const std::wstring shown = WindowText(edit);
    const WorksheetBinding::FieldText kept =
        input.binding.Kept(input.field, UnitsOf(shown), SelectionOf(edit).end);
    if (kept.text != UnitsOf(shown)) {
        // Through the control itself, so that the change can be undone like any other edit.
        const std::wstring wanted = ToWide(kept.text);
        DefSubclassProc(edit, EM_SETSEL, 0, -1);
        DefSubclassProc(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wanted.c_str()));
        DefSubclassProc(edit, EM_SETSEL, kept.cursor, static_cast<LPARAM>(kept.cursor));
    }
    input.binding.Take(input.field, kept.text);
}

// The edit control deletes one UTF-16 unit at a time; a surrogate pair goes as a whole.
void SelectWholePairToDelete(HWND edit, bool backwards) {
    const Selection selection = SelectionOf(edit);
    if (selection.start != selection.end) {
        return;
    }
    const std::wstring text = WindowText(edit);
    const std::size_t at = selection.end;
    if (backwards && at >= 2 && IS_SURROGATE_PAIR(text[at - 2], text[at - 1])) {
        SendMessageW(edit, EM_SETSEL, at - 2, static_cast<LPARAM>(at));
    } else if (!backwards && at + 1 < text.size() && IS_SURROGATE_PAIR(text[at], text[at + 1])) {
        SendMessageW(edit, EM_SETSEL, at, static_cast<LPARAM>(at + 2));
    }
}

// A single-line edit control would paste only up to the first line break; the field takes the
// whole text and lets the settling turn the breaks into spaces.
void PasteClipboardText(HWND edit) {
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
        Insert(edit, text.c_str());
    }
}

// Typed surrogates: a pair goes in whole; a lone half goes in as it came, and the settling makes
// it U+FFFD, as it does any lone half.
bool TakeSurrogate(HWND edit, InputField& input, wchar_t unit) {
    const wchar_t pending = std::exchange(input.pendingHighSurrogate, 0);
    if (IS_LOW_SURROGATE(unit) && pending != 0) {
        const std::array<wchar_t, 3> pair{pending, unit, L'\0'};
        Insert(edit, pair.data());
        return true;
    }
    if (pending != 0) {
        const std::array<wchar_t, 2> lone{pending, L'\0'};
        Insert(edit, lone.data());
    }
    if (IS_HIGH_SURROGATE(unit)) {
        input.pendingHighSurrogate = unit;
        return true;
    }
    return false;
}

bool MayChangeText(UINT message) {
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

LRESULT CALLBACK InputFieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR /*subclassId*/, DWORD_PTR data) {
    InputField& input = *reinterpret_cast<InputField*>(data);
    switch (message) {
    case WM_CHAR:
        if (TakeSurrogate(edit, input, static_cast<wchar_t>(wParam))) {
            return 0;
        }
        if (wParam == VK_BACK) {
            SelectWholePairToDelete(edit, true);
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_DELETE) {
            SelectWholePairToDelete(edit, false);
        }
        break;
    case WM_PASTE:
        PasteClipboardText(edit);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &InputFieldProc, kSubclassId);
        delete &input;
        return DefSubclassProc(edit, message, wParam, lParam);
    default:
        break;
    }
    if (!MayChangeText(message)) {
        return DefSubclassProc(edit, message, wParam, lParam);
    }
    const std::wstring before = WindowText(edit);
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    if (WindowText(edit) != before) {
        Settle(edit, input);
    }
    return result;
}

LRESULT CALLBACK PaneProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                          UINT_PTR /*subclassId*/, DWORD_PTR /*data*/) {
    switch (message) {
    case WM_GETDLGCODE:
        return DefSubclassProc(edit, message, wParam, lParam) &
               ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL);
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &PaneProc, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void MakeInputField(HWND edit, WorksheetBinding& binding, std::size_t field) {
    // The control's own limit counts UTF-16 units; lifted, so that only the binding counts.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(edit, &InputFieldProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(new InputField{binding, field}));
}

void MakeMessagePane(HWND edit) {
    SetWindowSubclass(edit, &PaneProc, kSubclassId, 0);
}

} // namespace cipher::win32
