// SPDX-License-Identifier: MIT
#include "window/win32/main_window.hpp"

#include "window/layout.hpp"
#include "window/win32/colour_button.hpp"
#include "window/win32/control_windows.hpp"
#include "window/win32/message_pane.hpp"
#include "window/win32/resource_ids.h"
#include "window/win32/screen_dpi.hpp"
#include "window/win32/single_line_field.hpp"
#include "window/win32/solid_brushes.hpp"
#include "window/win32/utf16.hpp"
#include "window/win32/window_font.hpp"
#include "window/win32/worksheet_view.hpp"
#include "worksheet/commands.hpp"
#include "worksheet/worksheet.hpp"

#include <cstdint>
#include <vector>

namespace cipher::win32 {
namespace {

constexpr const wchar_t* kClassName = L"MatrixCipherMainForm";
// Fixed border: a title bar with a close and a minimise button, no sizing frame, no maximising.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Child ids start above IDOK and IDCANCEL, which the dialog keys Enter and Esc send.
constexpr int kFirstControlId = 100;

struct MainForm {
    Worksheet sheet;
    Dpi dpi = ScreenDpi();
    HFONT font = nullptr;
    SolidBrushes brushes;
    // The window of each control of the layout table, in the table's order; null for a control
    // that is never shown.
    std::vector<HWND> windows;
    // The control that gets the focus when the window is activated: the first of the tab order
    // at the start, later the one that had it when the window was left.
    HWND focus = nullptr;
};

MainForm* FormOf(HWND window) {
    return reinterpret_cast<MainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

std::size_t RowOf(std::string_view name) {
    return static_cast<std::size_t>(&layout::ControlNamed(name) - layout::Controls().data());
}

const layout::Control* ControlOf(HWND child) {
    const int row = GetDlgCtrlID(child) - kFirstControlId;
    if (row < 0 || static_cast<std::size_t>(row) >= layout::Controls().size()) {
        return nullptr;
    }
    return &layout::Controls()[static_cast<std::size_t>(row)];
}

void CreateControl(HWND window, MainForm& form, std::size_t row) {
    const layout::Control& control = layout::Controls()[row];
    if (!control.accessibleName.empty()) {
        CreateNameLabel(window, control, form.dpi);
    }
    HWND child =
        CreateControlWindow(window, control, kFirstControlId + static_cast<int>(row), form.dpi);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(form.font), FALSE);
    if (control.kind == layout::Kind::TextField && !control.readOnly) {
        MakeSingleLineField(child, control.maxLength);
    } else if (control.kind == layout::Kind::TextPane) {
        MakeMessagePane(child);
    }
    form.windows[row] = child;
}

// Controls are created in the tab order, since Windows moves the focus with Tab in the order of
// creation; the labels, which take no focus, follow.
void CreateControls(HWND window, MainForm& form) {
    form.windows.assign(layout::Controls().size(), nullptr);
    for (std::string_view name : layout::TabOrder()) {
        CreateControl(window, form, RowOf(name));
    }
    for (std::size_t row = 0; row < layout::Controls().size(); ++row) {
        if (form.windows[row] == nullptr && layout::Controls()[row].shown) {
            CreateControl(window, form, row);
        }
    }
    form.focus = form.windows[RowOf(layout::TabOrder().front())];
}

void Command1Clicked(MainForm& form, int index) {
    TakeInputs(form.windows, form.sheet);
    Command1Click(form.sheet, static_cast<std::int16_t>(index));
    ShowWorksheet(form.sheet, form.windows);
}

void CommandReceived(HWND window, MainForm& form, int id, int notification) {
    HWND focus = GetFocus();
    // Enter on a focused button presses it, as on a dialog's push button.
    if (id == IDOK && focus != nullptr && IsChild(window, focus)) {
        const layout::Control* focused = ControlOf(focus);
        if (focused != nullptr && focused->kind == layout::Kind::Button) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
        return;
    }
    const layout::Control* control = ControlOf(GetDlgItem(window, id));
    if (control != nullptr && control->kind == layout::Kind::Button && notification == BN_CLICKED) {
        Command1Clicked(form, control->index);
    }
}

// Labels are painted in their colour from the table. A read-only edit control asks here as
// well; it keeps the look of a field the student cannot type in, not the grey of a dialog.
LRESULT StaticColours(MainForm& form, HDC dc, HWND child) {
    const layout::Control* control = ControlOf(child);
    if (control != nullptr && control->background) {
        SetBkColor(dc, ColourOf(*control->background));
        return reinterpret_cast<LRESULT>(form.brushes.For(*control->background));
    }
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void DrawButton(MainForm& form, const DRAWITEMSTRUCT& item) {
    const layout::Control* control = ControlOf(item.hwndItem);
    if (control != nullptr && control->background) {
        DrawColourButton(item, form.brushes.For(*control->background), form.font);
    }
}

void PaintBackground(MainForm& form, HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, form.brushes.For(layout::MainWindow().background));
}

LRESULT CALLBACK MainFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The form lives exactly as long as the window: from here to WM_NCDESTROY. The analyzer
        // loses it once it is an integer in the window's user data and takes it for leaked.
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new MainForm));
        // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
        return DefWindowProcW(window, message, wParam, lParam);
    }
    MainForm* form = FormOf(window);
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        form->font = CreateWindowFont(layout::MainWindow().font, form->dpi);
        CreateControls(window, *form);
        ShowWorksheet(form->sheet, form->windows);
        return 0;
    case WM_COMMAND:
        CommandReceived(window, *form, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return StaticColours(*form, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        DrawButton(*form, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        PaintBackground(*form, window, reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != nullptr && IsChild(window, focus)) {
                form->focus = focus;
            }
        } else if (!HIWORD(wParam)) { // not while minimised
            SetFocus(form->focus);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        SetFocus(form->focus);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        // The controls are gone by now; the font and brushes they used go with the form.
        HFONT font = form->font;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete form;
        DeleteObject(font);
        break;
    }
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterMainFormClass(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, kClassName, &existing)) {
        return true;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &MainFormProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    const auto icon = MAKEINTRESOURCEW(MATRIX_CIPHER_ICON);
    windowClass.hIcon =
        static_cast<HICON>(LoadImageW(instance, icon, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                      GetSystemMetrics(SM_CYICON), LR_SHARED));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

} // namespace

HWND CreateMainWindow(HINSTANCE instance) {
    if (!RegisterMainFormClass(instance)) {
        return nullptr;
    }
    const layout::Window& layoutWindow = layout::MainWindow();
    RECT frame = ToPixels(layoutWindow.client, ScreenDpi());
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    return CreateWindowExW(0, kClassName, ToUtf16(layoutWindow.title).c_str(), kStyle,
                           CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                           frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
}

int ControlId(std::string_view name) {
    return kFirstControlId + static_cast<int>(RowOf(name));
}

} // namespace cipher::win32
