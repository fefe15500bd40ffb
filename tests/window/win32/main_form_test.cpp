// SPDX-License-Identifier: MIT
// MainForm as Windows reports it back: places and sizes, captions, styles, font, colours and
// the keyboard order, at 96 dots per inch, the dpi of the test's Wine prefix.
#include "main_form_fixture.hpp"
#include "window/win32/controls.hpp"

#include "expected/window_pixels.hpp"
#include "row_name.hpp"

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <utility>

namespace cipher::win32::testing {
namespace {

constexpr int kTestDpi = 96;

TEST_F(MainFormTest, ClientAreaIs481By424PixelsAt96Dpi) {
    ASSERT_EQ(ScreenDpiForTest(), kTestDpi);
    RECT client;
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right - client.left, expected::kClientWidth);
    EXPECT_EQ(client.bottom - client.top, expected::kClientHeight);
}

using ShownControlTest = MainFormTableTest<expected::PixelBounds>;

TEST_P(ShownControlTest, StandsAtItsPlaceInTimesNewRoman12PointCyrillic) {
    ASSERT_EQ(ScreenDpiForTest(), kTestDpi);
    const expected::PixelBounds& expected = GetParam();
    HWND control = Child(expected.name);
    ASSERT_NE(control, nullptr);
    RECT bounds;
    GetWindowRect(control, &bounds);
    MapWindowPoints(HWND_DESKTOP, Window(), reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, expected.left);
    EXPECT_EQ(bounds.top, expected.top);
    EXPECT_EQ(bounds.right - bounds.left, expected.width);
    EXPECT_EQ(bounds.bottom - bounds.top, expected.height);
    EXPECT_NE(GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE, 0);

    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW description{};
    ASSERT_EQ(GetObjectW(font, sizeof(description), &description), sizeof(description));
    EXPECT_STREQ(description.lfFaceName, L"Times New Roman");
    EXPECT_EQ(description.lfHeight, -16); // 12 pt at 96 dpi
    EXPECT_EQ(description.lfWeight, FW_NORMAL);
    EXPECT_EQ(description.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_FALSE(description.lfItalic);
}

INSTANTIATE_TEST_SUITE_P(Window, ShownControlTest, ::testing::ValuesIn(expected::kShownControls),
                         cipher::testing::RowName{});

TEST_F(MainFormTest, WorkingListsHaveNoControl) {
    for (const char* name : {"List1(2)", "List1(3)", "List1(4)"}) {
        EXPECT_EQ(Child(name), nullptr) << name;
    }
}

TEST_F(MainFormTest, BorderIsFixed) {
    const auto style = GetWindowLongW(Window(), GWL_STYLE);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(style & WS_CAPTION, 0);
}

struct CaptionCase {
    const char* name;
    const wchar_t* caption;
    friend void PrintTo(const CaptionCase& row, std::ostream* out) { *out << row.name; }
};

using CaptionTest = MainFormTableTest<CaptionCase>;

TEST_P(CaptionTest, IsThatOfTheTable) {
    EXPECT_EQ(Text(GetParam().name), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Window, CaptionTest,
    ::testing::Values(CaptionCase{"Label1(0)", L"Информатика - матричен транспозиционен шифър"},
                      CaptionCase{"Label1(1)", L"Открит текст:"},
                      CaptionCase{"Label1(2)", L"Криптографски ключ:"},
                      CaptionCase{"Label1(3)", L"Открит"}, CaptionCase{"Label1(4)", L"Криптиран"},
                      CaptionCase{"Label1(5)", L"Криптиран текст:"},
                      CaptionCase{"Command1(0)", L"Кодирай"}, CaptionCase{"Command1(1)", L"Чисти"}),
    cipher::testing::RowName{});

TEST_F(MainFormTest, TitleFieldsAndPaneOpenAsTheWindowIsDescribed) {
    EXPECT_EQ(windowText(Window()),
              L"matrix-cipher.github.io Информатика - matrix transpose cipher");
    EXPECT_EQ(Text("Text2(0)"), L"матричен транспозиционен шифър1");
    EXPECT_EQ(Text("Text2(1)"), L"пчела");
    EXPECT_EQ(Text("Text2(2)"), L"");
    EXPECT_TRUE(Items("List1(0)").empty());
    EXPECT_TRUE(Items("List1(1)").empty());

    // Five paragraphs, each ended by CR LF, and no bare line feed: the worksheet's own text.
    const std::wstring description = Text("Text1(0)");
    EXPECT_EQ(description, toWide(Sheet().Text1[0].text()));
    EXPECT_EQ(std::count(description.begin(), description.end(), L'\n'), 5);
    EXPECT_EQ(std::count(description.begin(), description.end(), L'\r'), 5);
}

struct StyleCase {
    const char* name;
    LONG present; // every one of these bits is set
    LONG absent;  // none of these is
    friend void PrintTo(const StyleCase& row, std::ostream* out) { *out << row.name; }
};

using StyleTest = MainFormTableTest<StyleCase>;

// Fields and panes the student cannot type in are read-only; single-line fields scroll instead
// of wrapping; the lists keep the worksheet's order and the table's height; only the title label
// is centred.
TEST_P(StyleTest, HasItsStyleBits) {
    const LONG style = GetWindowLongW(Child(GetParam().name), GWL_STYLE);
    EXPECT_EQ(style & GetParam().present, GetParam().present);
    EXPECT_EQ(style & GetParam().absent, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, StyleTest,
    ::testing::Values(StyleCase{"Text2(0)", ES_AUTOHSCROLL, ES_READONLY | ES_MULTILINE},
                      StyleCase{"Text2(1)", ES_AUTOHSCROLL, ES_READONLY | ES_MULTILINE},
                      StyleCase{"Text2(2)", ES_READONLY | ES_AUTOHSCROLL, ES_MULTILINE},
                      StyleCase{"Text1(0)", ES_READONLY | ES_MULTILINE | WS_VSCROLL,
                                ES_AUTOHSCROLL},
                      StyleCase{"List1(0)", LBS_NOINTEGRALHEIGHT, LBS_SORT},
                      StyleCase{"List1(1)", LBS_NOINTEGRALHEIGHT, LBS_SORT},
                      StyleCase{"Label1(0)", SS_CENTER, SS_RIGHT},
                      StyleCase{"Label1(1)", SS_LEFT, SS_CENTER | SS_RIGHT},
                      StyleCase{"Label1(2)", SS_LEFT, SS_CENTER | SS_RIGHT},
                      StyleCase{"Label1(3)", SS_LEFT, SS_CENTER | SS_RIGHT},
                      StyleCase{"Label1(4)", SS_LEFT, SS_CENTER | SS_RIGHT},
                      StyleCase{"Label1(5)", SS_LEFT, SS_CENTER | SS_RIGHT}),
    cipher::testing::RowName{});

struct PixelCase {
    const char* name;
    int x, y; // client coordinates, away from any text
    COLORREF colour;
    friend void PrintTo(const PixelCase& row, std::ostream* out) { *out << row.name; }
};

using ColourTest = MainFormTableTest<PixelCase>;

TEST_P(ColourTest, PaintsItsColour) {
    ASSERT_EQ(ScreenDpiForTest(), kTestDpi);
    ShowWindow(Window(), SW_SHOWNOACTIVATE);
    RedrawWindow(Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    HDC dc = GetDC(Window());
    EXPECT_EQ(GetPixel(dc, GetParam().x, GetParam().y), GetParam().colour);
    ReleaseDC(Window(), dc);
}

INSTANTIATE_TEST_SUITE_P(
    Window, ColourTest,
    ::testing::Values(PixelCase{"window_background", 2, 2, RGB(192, 192, 255)},
                      PixelCase{"between_the_lists", 240, 200, RGB(192, 192, 255)},
                      PixelCase{"Label1(1)", 8 + 127, 32 + 25, RGB(255, 192, 128)},
                      // Label1(4)'s foot lies under List1(1).
                      PixelCase{"Label1(4)", 248 + 111, 96 + 20, RGB(255, 192, 128)},
                      PixelCase{"Command1(0)", 8 + 5, 128 + 5, RGB(0, 255, 0)},
                      PixelCase{"Command1(1)", 384 + 83, 216 + 19, RGB(255, 0, 0)}),
    cipher::testing::RowName{});

// The window as it paints itself once a settings change tells it of high contrast, or of none, in
// the system colours of a dark contrast theme (set back after); Wine cannot switch high contrast
// on, so the test answers in Windows' place. Every label's and button's text reads, Кодирай has
// the theme's button face in high contrast, and a frame in the window text colour stands around it.
using HighContrastTest = MainFormTableTest<bool>;

TEST_P(HighContrastTest, EveryCaptionReadsAndKodiraiTakesItsColours) {
    const std::array<int, 4> elements{COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    const std::array<COLORREF, 4> theme{RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 0, 128),
                                        RGB(0, 255, 255)};
    std::array<COLORREF, 4> saved{};
    std::transform(elements.begin(), elements.end(), saved.begin(), GetSysColor);
    SetSysColors(4, elements.data(), theme.data());
    const auto windows = std::exchange(
        highContrastOn, GetParam() ? +[] { return true; } : +[] { return false; });
    SendMessageW(Window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    ShowWindow(Window(), SW_SHOWNOACTIVATE);
    RedrawWindow(Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC dc = GetDC(Window());
    for (const expected::PixelBounds& box : expected::kShownControls) {
        if (box.name.starts_with("Label") || box.name.starts_with("Command")) {
            EXPECT_TRUE(expected::ShowsReadableText(box.width, box.height, [&](int x, int y) {
                const COLORREF pixel = GetPixel(dc, box.left + x, box.top + y);
                return std::array<int, 3>{GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
            })) << box.name;
        }
    }
    EXPECT_EQ(GetPixel(dc, 8 + 6, 128 + 8), GetParam() ? theme[2] : RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, 8, 128 + 12), GetParam() ? theme[1] : RGB(0, 0, 0)) << "the frame";
    ReleaseDC(Window(), dc);
    highContrastOn = windows;
    SetSysColors(4, elements.data(), saved.data());
}

INSTANTIATE_TEST_SUITE_P(HighContrast, HighContrastTest, ::testing::Bool());

TEST_F(MainFormTest, FocusStartsOnThePaneAndTabFollowsTheKeyboardOrder) {
    ShowWindow(Window(), SW_SHOW);
    SetForegroundWindow(Window());
    ASSERT_EQ(GetFocus(), Child("Text1(0)"));

    // Tab pressed on each control in turn, as the program's message loop hands it on.
    const std::array<const char*, 9> order{"Text2(0)", "Text2(1)",    "List1(0)",
                                           "List1(1)", "Command1(0)", "Command1(1)",
                                           "Text2(2)", "Text1(0)",    "Text2(0)"};
    for (const char* next : order) {
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
        ASSERT_TRUE(IsDialogMessageW(Window(), &tab));
        EXPECT_EQ(GetFocus(), Child(next)) << "expected " << next;
    }
}

struct NameCase {
    const char* name;
    const wchar_t* accessibleName;
    friend void PrintTo(const NameCase& row, std::ostream* out) { *out << row.name; }
};

using AccessibleNameTest = MainFormTableTest<NameCase>;

// A screen reader names a field after the label just before it; each field has an invisible
// one with its name.
TEST_P(AccessibleNameTest, StandsInAnInvisibleLabelBeforeTheControl) {
    HWND label = GetWindow(Child(GetParam().name), GW_HWNDPREV);
    ASSERT_NE(label, nullptr);
    std::array<wchar_t, 16> className{};
    GetClassNameW(label, className.data(), static_cast<int>(className.size()));
    EXPECT_EQ(_wcsicmp(className.data(), L"Static"), 0);
    EXPECT_EQ(windowText(label), GetParam().accessibleName);
    EXPECT_EQ(GetWindowLongW(label, GWL_STYLE) & WS_VISIBLE, 0);
}

INSTANTIATE_TEST_SUITE_P(Controls, AccessibleNameTest,
                         ::testing::Values(NameCase{"Text2(0)", L"Открит текст"},
                                           NameCase{"Text2(1)", L"Криптографски ключ"},
                                           NameCase{"List1(0)", L"Начална матрица"},
                                           NameCase{"List1(1)", L"Крайна матрица"},
                                           NameCase{"Text2(2)", L"Криптиран текст"},
                                           NameCase{"Text1(0)", L"Съобщение"}),
                         cipher::testing::RowName{});

} // namespace
} // namespace cipher::win32::testing
