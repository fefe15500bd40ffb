// SPDX-License-Identifier: MIT
// The yardstick for the Windows program's start-up: a bare window of the same client size and
// font, which draws one line (the title) in that font, shown until its first painted frame.
#include "first_frame_loop.hpp"
#include "window/layout.hpp"
#include "window/win32/drawing.hpp"
#include "window/win32/text.hpp"

#include <string>

namespace {

HFONT font = nullptr;
std::wstring title;

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        SelectObject(dc, font);
        RECT client;
        GetClientRect(window, &client);
        DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &client, DT_CENTER | DT_TOP);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*showCmd*/) {
    const cipher::layout::Window& wanted = cipher::layout::mainWindow();
    const cipher::win32::Dpi dpi = cipher::win32::screenDpi();
    const cipher::win32::WindowFont windowFont(wanted.font, dpi);
    font = windowFont.handle();
    title = cipher::win32::toWide(wanted.title);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassW(&windowClass);

    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = cipher::win32::toPixels(wanted.client, dpi);
    AdjustWindowRect(&frame, kStyle, FALSE);
    HWND window = CreateWindowW(L"BareWindow", title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
    return window == nullptr ? 1 : cipher::bench::ShowUntilFirstFrame(window);
}
