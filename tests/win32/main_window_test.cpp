// SPDX-License-Identifier: MIT
// MainForm as Windows reports it back: places and sizes, captions, styles, font, colours and
// the keyboard order. Sizes are worked out by hand from the twips of the window's description,
// at 96 dots per inch (15 twips to a pixel), the dpi of the test's Wine prefix.
#include "main_window_fixture.hpp"
#include "window/layout.hpp"

#include <algorithm>
#include <array>
#include <string>

namespace cipher::win32::testing {
namespace {

constexpr int kTestDpi = 96;

struct PixelBounds {
    const char* name;
    int left, top, width, height;
};

constexpr std::array kShownControls{
    PixelBounds{"Label1(0)", 40, 0, 377, 25},     PixelBounds{"Label1(1)", 8, 32, 129, 27},
    PixelBounds{"Text2(0)", 136, 32, 337, 27},    PixelBounds{"Label1(2)", 8, 64, 169, 27},
    PixelBounds{"Text2(1)", 176, 64, 113, 27},    PixelBounds{"Label1(3)", 120, 96, 113, 27},
    PixelBounds{"Label1(4)", 248, 96, 113, 27},   PixelBounds{"List1(0)", 120, 120, 113, 137},
    PixelBounds{"List1(1)", 248, 120, 113, 137},  PixelBounds{"Command1(0)", 8, 128, 89, 25},
    PixelBounds{"Command1(1)", 384, 216, 89, 25}, PixelBounds{"Label1(5)", 8, 264, 129, 27},
    PixelBounds{"Text2(2)", 136, 264, 337, 27},   PixelBounds{"Text1(0)", 8, 296, 465, 121},
};

int ScreenDpiForTest() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

TEST_F(MainWindowTest, ClientAreaIs481By424PixelsAt96Dpi) {
    ASSERT_EQ(ScreenDpiForTest(), kTestDpi);
    RECT client;
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right - client.left, 481);
    EXPECT_EQ(client.bottom - client.top, 424);
}

TEST_F(MainWindowTest, EveryShownControlStandsAtItsPlace) {
    ASSERT_EQ(ScreenDpiForTest(), kTestDpi);
    for (const PixelBounds& expected : kShownControls) {
        SCOPED_TRACE(expected.name);
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
    }
}

TEST_F(MainWindowTest, WorkingListsHaveNoControl) {
    for (const char* name : {"List1(2)", "List1(3)", "List1(4)"}) {
        EXPECT_EQ(Child(name), nullptr) << name;
    }
}

TEST_F(MainWindowTest, BorderIsFixed) {
    const auto style = GetWindowLongW(Window(), GWL_STYLE);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(style & WS_CAPTION, 0);
}

TEST_F(MainWindowTest, TitleAndCaptionsAreThoseOfTheTable) {
    EXPECT_EQ(TextOf(Window()), L"matrix-cipher.github.io Информатика - matrix transpose cipher");
    const std::array<std::pair<const char*, const wchar_t*>, 8> captions{{
        {"Label1(0)", L"Информатика - матричен транспозиционен шифър"},
        {"Label1(1)", L"Открит текст:"},
        {"Label1(2)", L"Криптографски ключ:"},
        {"Label1(3)", L"Открит"},
        {"Label1(4)", L"Криптиран"},
        {"Label1(5)", L"Криптиран текст:"},
        {"Command1(0)", L"Кодирай"},
        {"Command1(1)", L"Чисти"},
    }};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Text(name), caption) << name;
    }
}

TEST_F(MainWindowTest, FieldsOpenWithTheSampleAndThePaneWithTheDescription) {
    EXPECT_EQ(Text("Text2(0)"), L"матричен транспозиционен шифър1");
    EXPECT_EQ(Text("Text2(1)"), L"пчела");
    EXPECT_EQ(Text("Text2(2)"), L"");
    EXPECT_TRUE(Items("List1(0)").empty());
    EXPECT_TRUE(Items("List1(1)").empty());

    const std::wstring description = Text("Text1(0)");
    EXPECT_TRUE(description.starts_with(
        L"Чрез матричния транспозиционен шифър (matrix transpose cipher) се извършва"));
    EXPECT_NE(description.find(L"\r\nТема на проекта: Информатика - матричен транспозиционен "
                               L"шифър.\r\n"),
              std::wstring::npos);
    // Five paragraphs, each ended by CR LF, and no bare line feed.
    std::size_t breaks = 0;
    for (std::size_t at = description.find(L"\r\n"); at != std::wstring::npos;
         at = description.find(L"\r\n", at + 2)) {
        ++breaks;
    }
    EXPECT_EQ(breaks, 5u);
    EXPECT_TRUE(description.ends_with(L"\r\n"));
    EXPECT_EQ(std::count(description.begin(), description.end(), L'\n'), 5);
}

struct StyleCase {
    const char* name;
    LONG present; // every one of these bits is set
    LONG absent;  // none of these is
};

// Fields and panes the student cannot type in are read-only; single-line fields scroll instead
// of wrapping; the lists keep the worksheet's order and the table's height.
constexpr std::array kStyles{
    StyleCase{"Text2(0)", ES_AUTOHSCROLL, ES_READONLY | ES_MULTILINE},
    StyleCase{"Text2(1)", ES_AUTOHSCROLL, ES_READONLY | ES_MULTILINE},
    StyleCase{"Text2(2)", ES_READONLY | ES_AUTOHSCROLL, ES_MULTILINE},
    StyleCase{"Text1(0)", ES_READONLY | ES_MULTILINE | WS_VSCROLL, ES_AUTOHSCROLL},
    StyleCase{"List1(0)", LBS_NOINTEGRALHEIGHT, LBS_SORT},
    StyleCase{"List1(1)", LBS_NOINTEGRALHEIGHT, LBS_SORT},
};

TEST_F(MainWindowTest, FieldsPaneAndListsHaveTheirStyles) {
    for (const StyleCase& expected : kStyles) {
        const LONG style = GetWindowLongW(Child(expected.name), GWL_STYLE);
        EXPECT_EQ(style & expected.present, expected.present) << expected.name;
        EXPECT_EQ(style & expected.absent, 0) << expected.name;
    }
}

TEST_F(MainWindowTest, OnlyTheTitleLabelIsCentred) {
    for (const char* name :
         {"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)", "Label1(5)"}) {
        const LONG alignment = GetWindowLongW(Child(name), GWL_STYLE) & SS_TYPEMASK;
        EXPECT_EQ(alignment, std::string_view(name) == "Label1(0)" ? SS_CENTER : SS_LEFT) << name;
    }
}

TEST_F(MainWindowTest, EveryControlUsesTimesNewRoman12PointCyrillic) {
    ASSERT_EQ(ScreenDpiForTest(), kTestDpi);
    for (const PixelBounds& control : kShownControls) {
        auto font = reinterpret_cast<HFONT>(SendMessageW(Child(control.name), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr) << control.name;
        LOGFONTW description{};
        ASSERT_EQ(GetObjectW(font, sizeof(description), &description), sizeof(description));
        EXPECT_STREQ(description.lfFaceName, L"Times New Roman") << control.name;
        EXPECT_EQ(description.lfHeight, -16) << control.name; // 12 pt at 96 dpi
        EXPECT_EQ(description.lfWeight, FW_NORMAL) << control.name;
        EXPECT_EQ(description.lfCharSet, RUSSIAN_CHARSET) << control.name;
        EXPECT_FALSE(description.lfItalic) << control.name;
    }
}

struct PixelCase {
    const char* what;
    int x, y; // client coordinates, away from any text
    COLORREF colour;
};

constexpr std::array kPixels{
    PixelCase{"window background", 2, 2, RGB(192, 192, 255)},
    PixelCase{"window background between the lists", 240, 200, RGB(192, 192, 255)},
    PixelCase{"Label1(1)", 8 + 127, 32 + 25, RGB(255, 192, 128)},
    PixelCase{"Label1(4)", 248 + 111, 96 + 20, RGB(255, 192, 128)}, // its foot lies under List1(1)
    PixelCase{"Command1(0)", 8 + 5, 128 + 5, RGB(0, 255, 0)},
    PixelCase{"Command1(1)", 384 + 83, 216 + 19, RGB(255, 0, 0)},
};

TEST_F(MainWindowTest, PaintsBackgroundLabelsAndButtonsInTheirColours) {
    ASSERT_EQ(ScreenDpiForTest(), kTestDpi);
    ShowWindow(Window(), SW_SHOWNOACTIVATE);
    RedrawWindow(Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    HDC dc = GetDC(Window());
    for (const PixelCase& pixel : kPixels) {
        EXPECT_EQ(GetPixel(dc, pixel.x, pixel.y), pixel.colour) << pixel.what;
    }
    ReleaseDC(Window(), dc);
}

TEST_F(MainWindowTest, FocusStartsOnThePaneAndTabFollowsTheKeyboardOrder) {
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

// A screen reader names a field after the label just before it; each field has an invisible
// one with its name.
TEST_F(MainWindowTest, FieldsAndListsCarryTheirAccessibleNames) {
    const std::array<std::pair<const char*, const wchar_t*>, 6> names{{
        {"Text2(0)", L"Открит текст"},
        {"Text2(1)", L"Криптографски ключ"},
        {"List1(0)", L"Начална матрица"},
        {"List1(1)", L"Крайна матрица"},
        {"Text2(2)", L"Криптиран текст"},
        {"Text1(0)", L"Съобщение"},
    }};
    for (const auto& [name, accessibleName] : names) {
        HWND label = GetWindow(Child(name), GW_HWNDPREV);
        ASSERT_NE(label, nullptr) << name;
        std::array<wchar_t, 16> className{};
        GetClassNameW(label, className.data(), static_cast<int>(className.size()));
        EXPECT_EQ(_wcsicmp(className.data(), L"Static"), 0) << name;
        EXPECT_EQ(TextOf(label), accessibleName) << name;
        EXPECT_EQ(GetWindowLongW(label, GWL_STYLE) & WS_VISIBLE, 0) << name;
    }
}

} // namespace
} // namespace cipher::win32::testing
