// SPDX-License-Identifier: MIT
// A real MainForm for each test, created by the program's own code in the test process, and the
// Windows API calls that read it back and act on it as a student would.
#pragma once

#include "window/layout.hpp"
#include "window/win32/main_form.hpp"
#include "window/win32/text.hpp"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace cipher::win32::testing {

// The tests' Wine prefix has 96 dots per inch, the dpi of the expected pixel tables.
inline int ScreenDpiForTest() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

template <typename Base> class MainFormFixture : public Base {
protected:
    void SetUp() override {
        window_ = createMainForm(GetModuleHandleW(nullptr));
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { DestroyWindow(window_); }

    HWND Window() const { return window_; }
    HWND Child(std::string_view name) const { return GetDlgItem(window_, controlId(name)); }
    const Worksheet& Sheet() const { return worksheetOf(window_); }

    std::wstring Text(std::string_view name) const { return windowText(Child(name)); }

    std::vector<std::wstring> Items(std::string_view list) const {
        HWND box = Child(list);
        std::vector<std::wstring> items;
        const auto count = SendMessageW(box, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring item(static_cast<std::size_t>(SendMessageW(box, LB_GETTEXTLEN, i, 0)),
                              L'\0');
            SendMessageW(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
            items.push_back(item);
        }
        return items;
    }

    void Click(std::string_view button) const { SendMessageW(Child(button), BM_CLICK, 0, 0); }

    // Gives input field Text2(field) its starting text with the caret at its end; returns the
    // field's name.
    std::string StartWith(std::size_t field, std::u32string_view text) const {
        std::string name = "Text2(" + std::to_string(field) + ")";
        SetText(name, toWide(text));
        const int end = GetWindowTextLengthW(Child(name));
        Select(name, end, end);
        return name;
    }

    // Sets a field's text as another program would, with WM_SETTEXT.
    void SetText(std::string_view field, const std::wstring& text) const {
        SetWindowTextW(Child(field), text.c_str());
    }

    // Types the UTF-16 units one WM_CHAR each, as the keyboard delivers them, at the caret.
    void Type(std::string_view field, std::wstring_view units) const {
        for (wchar_t unit : units) {
            SendMessageW(Child(field), WM_CHAR, unit, 1);
        }
    }

    // Inserts text at the caret, or over the selection, as a paste would.
    void Insert(std::string_view field, const std::wstring& text) const {
        SendMessageW(Child(field), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }

    void Select(std::string_view field, int from, int to) const {
        SendMessageW(Child(field), EM_SETSEL, from, to);
    }

    // The caret's position in UTF-16 units.
    DWORD Caret(std::string_view field) const {
        DWORD end = 0;
        SendMessageW(Child(field), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
        return end;
    }

private:
    HWND window_ = nullptr;
};

using MainFormTest = MainFormFixture<::testing::Test>;

// A table-driven test on a fresh window for each row.
template <typename Row> using MainFormTableTest = MainFormFixture<::testing::TestWithParam<Row>>;

// n copies of a text.
inline std::wstring Repeated(std::wstring_view text, std::size_t n) {
    std::wstring result;
    for (std::size_t i = 0; i < n; ++i) {
        result += text;
    }
    return result;
}

} // namespace cipher::win32::testing
