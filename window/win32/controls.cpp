// SPDX-License-Identifier: MIT
#include "window/win32/controls.hpp"

#include "window/win32/text.hpp"

#include <commctrl.h>
#include <initguid.h> // the class and interface ids of oleacc.h, defined here
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace cipher::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// The window's own write into an input field, which is no edit: its lParam points to the
// std::u16string_view to show.
constexpr UINT kShowText = WM_APP;
constexpr int kFocusInset = 4; // pixels between a button's edge and its focus rectangle

// UI Automation's LiveSetting property, annotated through oleacc, and its value Polite. Windows 7
// knows neither, nor kLiveRegionChanged, and takes them through the same calls without using
// them, so nothing newer than Windows 7 needs to be loaded.
constexpr GUID kLiveSetting{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

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

// What the field shows between two messages is what the binding last kept, so the control's text
// need not be read before an edit.
std::u16string shownText(const InputField& input) {
    return input.binding.fieldText(input.field);
}

// How a text goes into an input field: as a step that the control's undo takes back, as an edit
// that cannot be taken back, or as the field's whole text anew, which leaves nothing to undo.
enum class Undo { Step, NoStep, NewText };

constexpr std::size_t kToTheEnd = static_cast<std::size_t>(-1); // as EM_SETSEL takes it

// The one way text goes into an input field past its rules, once the binding has kept it or the
// worksheet holds it: units [from, to) of what the control shows become `text`, by the control's
// own EM_REPLACESEL, after which the cursor stands at `cursor`. A new text is set whole by
// WM_SETTEXT, which leaves the cursor at its start.
LRESULT put(HWND edit, std::size_t from, std::size_t to, std::u16string_view text,
            std::size_t cursor, Undo undo) {
    const std::wstring wide = toWide(text);
    const auto units = reinterpret_cast<LPARAM>(wide.c_str());
    if (undo == Undo::NewText) {
        return DefSubclassProc(edit, WM_SETTEXT, 0, units);
    }
    DefSubclassProc(edit, EM_SETSEL, from, static_cast<LPARAM>(to));
    DefSubclassProc(edit, EM_REPLACESEL, undo == Undo::Step ? TRUE : FALSE, units);
    DefSubclassProc(edit, EM_SETSEL, cursor, static_cast<LPARAM>(cursor));
    return TRUE;
}

// Text typed or pasted over the selection: the binding decides what is kept of it before it goes
// in, and only that goes in, as one replacement of what the field showed, so that the control's
// one undo step holds the text from before and WM_UNDO brings it back.
void replaceSelection(HWND edit, const InputField& input, std::u16string_view inserted, Undo undo) {
    const std::u16string before = shownText(input);
    const Selection selection = selectionOf(edit);
    const std::size_t from = std::min<std::size_t>(selection.start, before.size());
    const std::size_t to = std::clamp<std::size_t>(selection.end, from, before.size());
    std::u16string edited = before.substr(0, from);
    edited.append(inserted).append(before.substr(to));
    const WorksheetBinding::FieldText kept =
        input.binding.keepEdit(input.field, edited, from + inserted.size());
    if (kept.text != before) {
        put(edit, kept.from, kept.to, kept.replacement, kept.cursor, undo);
    } else {
        DefSubclassProc(edit, EM_SETSEL, kept.cursor, static_cast<LPARAM>(kept.cursor));
    }
}

// The text that WM_SETTEXT or EM_REPLACESEL carries.
std::u16string_view textOf(LPARAM lParam) {
    const auto* units = reinterpret_cast<const wchar_t*>(lParam);
    return unitsOf(units != nullptr ? units : L"");
}

// An edit the control made itself (deleting, undoing, an input method's text): the binding takes
// what the field shows now, read once, and the field shows what the binding kept, as an edit
// that can be undone like any other. The binding's span is of the text before the control's
// edit, so the kept text replaces the whole.
void settle(HWND edit, const InputField& input) {
    const std::wstring shown = windowText(edit);
    if (unitsOf(shown) == shownText(input)) {
        return;
    }
    const WorksheetBinding::FieldText kept =
        input.binding.keepEdit(input.field, unitsOf(shown), selectionOf(edit).end);
    if (kept.text != unitsOf(shown)) {
        put(edit, 0, kToTheEnd, kept.text, kept.cursor, Undo::Step);
    }
}

// The edit control deletes one UTF-16 unit at a time; a surrogate pair goes as a whole.
void selectWholePairToDelete(HWND edit, const InputField& input, bool backwards) {
    const Selection selection = selectionOf(edit);
    if (selection.start != selection.end) {
        return;
    }
    const std::u16string text = shownText(input);
    const std::size_t at = selection.end;
    if (backwards && at >= 2 && utf16::startsPair(text, at - 2)) {
        SendMessageW(edit, EM_SETSEL, at - 2, static_cast<LPARAM>(at));
    } else if (!backwards && at + 1 < text.size() && utf16::startsPair(text, at)) {
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

// The messages on which the control edits its text itself.
bool mayChangeText(UINT message) {
    switch (message) {
    case WM_CHAR:       // Backspace, and Ctrl+X, Ctrl+V, Ctrl+Z, which come back as messages
    case WM_KEYDOWN:    // Delete
    case WM_SYSKEYDOWN: // Alt+Backspace, an undo
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
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
    case WM_IME_CHAR: {
        const auto unit = static_cast<wchar_t>(wParam);
        if (takeSurrogate(edit, input, unit)) {
            return 0;
        }
        if (unit >= L' ') { // a character, not one of the keys the control acts on
            replaceSelection(edit, input, unitsOf(std::wstring_view(&unit, 1)), Undo::Step);
            return 0;
        }
        if (unit == VK_BACK) {
            selectWholePairToDelete(edit, input, true);
        }
        break;
    }
    case WM_KEYDOWN:
        if (wParam == VK_DELETE) {
            selectWholePairToDelete(edit, input, false);
        }
        break;
    case EM_REPLACESEL:
        replaceSelection(edit, input, textOf(lParam), wParam != FALSE ? Undo::Step : Undo::NoStep);
        return 0;
    case WM_SETTEXT: { // another program's text, which the control cannot undo
        const std::u16string_view text = textOf(lParam);
        const std::u16string kept = input.binding.keepEdit(input.field, text, text.size()).text;
        return put(edit, 0, kToTheEnd, kept, 0, Undo::NewText);
    }
    case WM_PASTE:
        pasteClipboardText(edit);
        return 0;
    case kShowText:
        return put(edit, 0, kToTheEnd, *reinterpret_cast<const std::u16string_view*>(lParam), 0,
                   Undo::NewText);
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &inputFieldProc, kSubclassId);
        delete &input;
        return DefSubclassProc(edit, message, wParam, lParam);
    default:
        break;
    }
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    if (mayChangeText(message)) {
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

// Oleacc's annotation service, for one use.
template <typename Use> void annotate(Use use) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        use(*services);
        services->Release();
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
}

// An annotation stays with the window until it is cleared, which its destruction must do.
LRESULT CALLBACK announcerProc(HWND announcer, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR /*subclassId*/, DWORD_PTR /*data*/) {
    if (message == WM_NCDESTROY) {
        annotate([announcer](IAccPropServices& services) {
            services.ClearHwndProps(announcer, OBJID_CLIENT, CHILDID_SELF, &kLiveSetting, 1);
        });
        RemoveWindowSubclass(announcer, &announcerProc, kSubclassId);
    }
    return DefSubclassProc(announcer, message, wParam, lParam);
}

} // namespace

void makeMessageAnnouncer(HWND announcer) {
    annotate([announcer](IAccPropServices& services) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        services.SetHwndProp(announcer, OBJID_CLIENT, CHILDID_SELF, kLiveSetting, polite);
    });
    SetWindowSubclass(announcer, &announcerProc, kSubclassId, 0);
}

void announceMessage(HWND announcer, std::u16string_view message) {
    SetWindowTextW(announcer, toWide(message).c_str());
    NotifyWinEvent(kLiveRegionChanged, announcer, OBJID_CLIENT, CHILDID_SELF);
}

void makeInputField(HWND edit, WorksheetBinding& binding, std::size_t field) {
    // The control's own limit counts UTF-16 units; lifted, so that only the binding counts.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(edit, &inputFieldProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(new InputField{binding, field}));
}

void showFieldText(HWND edit, std::u16string_view text) {
    SendMessageW(edit, kShowText, 0, reinterpret_cast<LPARAM>(&text));
}

void makeMessagePane(HWND edit) {
    SetWindowSubclass(edit, &paneProc, kSubclassId, 0);
}

void drawColourButton(const DRAWITEMSTRUCT& item, const colours::PartColours& painted,
                      SolidBrushes& brushes, HFONT font) {
    HDC dc = item.hDC;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    RECT bounds = item.rcItem;

    FillRect(dc, &bounds, brushes.forColour(colourOf(painted.face)));
    DrawEdge(dc, &bounds, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (painted.frame) {
        FrameRect(dc, &bounds, brushes.forColour(colourOf(*painted.frame)));
    }

    RECT text = bounds;
    if (pressed) {
        OffsetRect(&text, 1, 1); // the caption sinks with the face
    }
    const std::wstring caption = windowText(item.hwndItem);
    HGDIOBJ previousFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourOf(painted.text));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previousFont);

    // Black and white under the system's focus rectangle invert what it is drawn over.
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = bounds;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

} // namespace cipher::win32
