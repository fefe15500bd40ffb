// SPDX-License-Identifier: MIT
#include "window/win32/single_line_field.hpp"

#include "window/field_rules.hpp"
#include "window/win32/normal_form.hpp"
#include "window/win32/utf16.hpp"
#include "window/win32/window_text.hpp"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>

namespace cipher::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

struct FieldRules {
    std::size_t maxLength;
    // A character outside the Basic Multilingual Plane arrives as two WM_CHAR messages, one for
    // each half of its surrogate pair; the first half waits here for the second.
    wchar_t pendingHighSurrogate = 0;
};

std::size_t CaretOf(HWND edit) {
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    return end;
}

// Brings the text that the edit control made of `before` back within the field's rules.
void Settle(HWND edit, const FieldRules& rules, std::wstring_view before) {
    const std::wstring shown = WindowText(edit);
    const std::u32string raw = FromUtf16(shown);
    const std::size_t behindCaret = raw.size() - CharactersBefore(shown, CaretOf(edit));
    const std::u32string line = field_rules::SingleLine(NormalizedC(raw));
    // Behind the caret stands what stood there before the edit, so the caret keeps its distance
    // from the end however the text in front of it was rewritten.
    const std::size_t cursor = line.size() - std::min(line.size(), behindCaret);
    const field_rules::Edit kept =
        field_rules::WithinLimit(FromUtf16(before), line, cursor, rules.maxLength);
    const std::wstring wanted = ToUtf16(kept.text);
    if (wanted == shown) {
        return;
    }
    // Through the control itself, so that the change can be undone like any other edit.
    DefSubclassProc(edit, EM_SETSEL, 0, -1);
    DefSubclassProc(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wanted.c_str()));
    const std::size_t caret = UnitsOf(kept.text, kept.cursor);
    DefSubclassProc(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

LRESULT ChangeThenSettle(HWND edit, const FieldRules& rules, UINT message, WPARAM wParam,
                         LPARAM lParam) {
    const std::wstring before = WindowText(edit);
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    if (WindowText(edit) != before) {
        Settle(edit, rules, before);
    }
    return result;
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
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

bool MayChangeText(UINT message) {
    switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK FieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                           UINT_PTR /*subclassId*/, DWORD_PTR data) {
    FieldRules& rules = *reinterpret_cast<FieldRules*>(data);
    switch (message) {
    case WM_CHAR: {
        const auto unit = static_cast<wchar_t>(wParam);
        if (IS_HIGH_SURROGATE(unit)) {
            rules.pendingHighSurrogate = unit;
            return 0;
        }
        if (IS_LOW_SURROGATE(unit)) {
            const std::array<wchar_t, 3> pair{rules.pendingHighSurrogate, unit, L'\0'};
            if (rules.pendingHighSurrogate != 0) {
                SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pair.data()));
            }
            rules.pendingHighSurrogate = 0;
            return 0;
        }
        rules.pendingHighSurrogate = 0;
        break;
    }
    case WM_PASTE:
        PasteClipboardText(edit);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &FieldProc, kSubclassId);
        delete &rules;
        break;
    default:
        break;
    }
    if (MayChangeText(message)) {
        return ChangeThenSettle(edit, rules, message, wParam, lParam);
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void MakeSingleLineField(HWND edit, std::size_t maxLength) {
    // The control's own limit counts UTF-16 units; lifted, so that only the field's rules count.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(edit, &FieldProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(new FieldRules{maxLength}));
}

} // namespace cipher::win32
