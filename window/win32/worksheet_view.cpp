// SPDX-License-Identifier: MIT
#include "window/win32/worksheet_view.hpp"

#include "window/win32/normal_form.hpp"
#include "window/win32/utf16.hpp"
#include "window/win32/window_text.hpp"

#include <string>

namespace cipher::win32 {
namespace {

// The worksheet member that a control of the table shows: a field's text or a header's
// caption. The other labels keep the fixed captions of the table.
const Text* ShownText(const Worksheet& sheet, const layout::Control& control) {
    const auto index = static_cast<std::size_t>(control.index);
    if (control.array == "Text2") {
        return &sheet.Text2[index].text();
    }
    if (control.array == "Text1") {
        return &sheet.Text1[index].text();
    }
    using Headers = decltype(Worksheet::Label1);
    if (control.array == "Label1" && index >= Headers::kFirst && index <= Headers::kLast) {
        return &sheet.Label1[index].caption();
    }
    return nullptr;
}

void ShowText(HWND window, const Text& text) {
    SetWindowTextW(window, ToUtf16(text).c_str());
}

void ShowItems(HWND list, const List& items) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const Text& item : items.items()) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToUtf16(item).c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

} // namespace

void ShowWorksheet(const Worksheet& sheet, std::span<const HWND> windows) {
    const auto controls = layout::Controls();
    for (std::size_t i = 0; i < controls.size() && i < windows.size(); ++i) {
        const layout::Control& control = controls[i];
        if (windows[i] == nullptr) {
            continue;
        }
        if (control.kind == layout::Kind::List) {
            ShowItems(windows[i], sheet.List1[static_cast<std::size_t>(control.index)]);
        } else if (const Text* text = ShownText(sheet, control)) {
            ShowText(windows[i], *text);
        }
    }
}

void TakeInputs(std::span<const HWND> windows, Worksheet& sheet) {
    const auto controls = layout::Controls();
    for (std::size_t i = 0; i < controls.size() && i < windows.size(); ++i) {
        const layout::Control& control = controls[i];
        if (windows[i] != nullptr && control.kind == layout::Kind::TextField && !control.readOnly) {
            sheet.Text2[static_cast<std::size_t>(control.index)].setText(
                NormalizedC(FromUtf16(WindowText(windows[i]))));
        }
    }
}

} // namespace cipher::win32
