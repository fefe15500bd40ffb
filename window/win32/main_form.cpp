// SPDX-License-Identifier: MIT
#include "window/win32/main_form.hpp"

#include "window/layout.hpp"
#include "window/win32/controls.hpp"
#include "window/win32/drawing.hpp"
#include "window/win32/resource_ids.h"
#include "window/win32/text.hpp"
#include "window/worksheet_binding.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace cipher::win32 {
namespace {

constexpr const wchar_t* kClassName = L"MatrixCipherMainForm";
// Fixed border: a title bar with a close and a minimise button, no sizing frame, no maximising.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Child ids start above IDOK and IDCANCEL, which the dialog keys Enter and Esc send.
constexpr int kFirstControlId = 100;

struct MainForm {
    WorksheetBinding binding{LineBreaks::CrLf, &normalizedC};
    Dpi dpi = screenDpi();
    WindowFont font{layout::mainWindow().font, dpi};
    SolidBrushes brushes;
    // Read again whenever the system's colours or settings change.
    bool highContrast = highContrastOn();
    // The window of each control of the layout table, in the table's order; null for a control
    // that is never shown.
    std::vector<HWND> windows;
    // The live region that says each command's message (makeMessageAnnouncer).
    HWND announcer = nullptr;
    // The control that gets the focus when the window is activated: the first of the tab order
    // at the start, later the one that had it when the window was left.
    HWND focus = nullptr;
};

MainForm* formOf(HWND window) {
    return reinterpret_cast<MainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

const layout::Control* controlOf(HWND child) {
    const int row = GetDlgCtrlID(child) - kFirstControlId;
    if (row < 0 || static_cast<std::size_t>(row) >= layout::controls().size()) {
        return nullptr;
    }
    return &layout::controls()[static_cast<std::size_t>(row)];
}

struct WindowClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

// The standard control for each kind of row: STATIC for a label, EDIT for a field or the message
// pane, LISTBOX for a list, an owner-drawn BUTTON for a button.
WindowClass classOf(const layout::Control& control) {
    const DWORD readOnly = control.readOnly ? ES_READONLY : 0;
    switch (control.kind) {
    case layout::Kind::Label:
        return {L"STATIC",
                static_cast<DWORD>(SS_NOPREFIX |
                                   (control.align == layout::Align::Centre ? SS_CENTER : SS_LEFT)),
                0};
    case layout::Kind::TextField:
        return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | readOnly, WS_EX_CLIENTEDGE};
    case layout::Kind::TextPane:
        return {L"EDIT", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | readOnly,
                WS_EX_CLIENTEDGE};
    case layout::Kind::List:
        // Never LBS_SORT: the sorted key list is the worksheet's, and the shown lists keep the
        // order of the worksheet's items. The list keeps the table's height to the pixel.
        return {L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
    case layout::Kind::Button:
        return {L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0};
    }
    return {L"STATIC", 0, 0};
}

HWND createChild(HWND parent, const wchar_t* className, const wchar_t* caption, DWORD style,
                 DWORD extendedStyle, const RECT& bounds, int id) {
    return CreateWindowExW(
        extendedStyle, className, caption, style | WS_CHILD | WS_CLIPSIBLINGS, bounds.left,
        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

// The control of one row, empty: the binding gives it its text. Windows screen readers name an
// edit control or a list box after the label just before it in the tab order, so an invisible
// label with the control's accessible name is created right before it.
void createControl(HWND window, MainForm& form, std::size_t row) {
    const layout::Control& control = layout::controls()[row];
    const RECT bounds = toPixels(control.bounds, form.dpi);
    if (!control.accessibleName.empty()) {
        const std::wstring name = toWide(control.accessibleName);
        createChild(window, L"STATIC", name.c_str(), SS_NOPREFIX, 0, bounds, -1);
    }
    const WindowClass windowClass = classOf(control);
    HWND child =
        createChild(window, windowClass.name, L"", windowClass.style | WS_VISIBLE,
                    windowClass.extendedStyle, bounds, kFirstControlId + static_cast<int>(row));
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(form.font.handle()), FALSE);
    if (isInputField(control)) {
        makeInputField(child, form.binding, static_cast<std::size_t>(control.index));
    } else if (control.kind == layout::Kind::TextPane) {
        makeMessagePane(child);
        // Created after the pane, it lies behind it: painted over, never seen.
        form.announcer =
            createChild(window, L"STATIC", L"", SS_NOPREFIX | WS_VISIBLE, 0, bounds, -1);
        makeMessageAnnouncer(form.announcer);
    }
    form.windows[row] = child;
}

// Controls are created in the tab order, since Windows moves the focus with Tab in the order of
// creation; the labels, which take no focus, follow.
void createControls(HWND window, MainForm& form) {
    form.windows.assign(layout::controls().size(), nullptr);
    for (std::string_view name : layout::tabOrder()) {
        createControl(window, form, layout::rowNamed(name));
    }
    for (std::size_t row = 0; row < layout::controls().size(); ++row) {
        if (form.windows[row] == nullptr && layout::controls()[row].shown) {
            createControl(window, form, row);
        }
    }
    form.focus = form.windows[layout::rowNamed(layout::tabOrder().front())];
}

void showItems(HWND list, const std::vector<std::u16string>& items) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& item : items) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Rewrites the controls whose content the worksheet changed.
void showChanges(MainForm& form) {
    for (const WorksheetBinding::Change& change : form.binding.changesToShow()) {
        HWND control = form.windows[change.row];
        if (change.kind == layout::Kind::List) {
            showItems(control, change.shown.items);
        } else if (isInputField(layout::controls()[change.row])) {
            showFieldText(control, change.shown.text);
        } else {
            SetWindowTextW(control, toWide(change.shown.text).c_str());
        }
    }
}

void commandReceived(HWND window, MainForm& form, int id, int notification) {
    HWND focus = GetFocus();
    // Enter on a focused button presses it, as on a dialog's push button.
    if (id == IDOK && focus != nullptr && IsChild(window, focus)) {
        const layout::Control* focused = controlOf(focus);
        if (focused != nullptr && focused->kind == layout::Kind::Button) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
        return;
    }
    const layout::Control* control = controlOf(GetDlgItem(window, id));
    if (control != nullptr && control->kind == layout::Kind::Button && notification == BN_CLICKED) {
        const std::u16string message =
            form.binding.click(static_cast<std::int16_t>(control->index));
        showChanges(form);
        if (!message.empty()) {
            announceMessage(form.announcer, message);
        }
    }
}

// Labels are painted in their colours. A read-only edit control asks here as well; it keeps the
// look of a field the student cannot type in, not the grey of a dialog.
LRESULT staticColours(MainForm& form, HDC dc, HWND child) {
    const layout::Control* control = controlOf(child);
    const colours::PartColours painted =
        control != nullptr && control->background
            ? colours::coloursOf(colours::Part::Label, *control->background, form.highContrast)
            : colours::coloursOf(colours::Part::Field, {}, form.highContrast);
    const COLORREF face = colourOf(painted.face);
    SetTextColor(dc, colourOf(painted.text));
    SetBkColor(dc, face);
    return reinterpret_cast<LRESULT>(form.brushes.forColour(face));
}

void drawButton(MainForm& form, const DRAWITEMSTRUCT& item) {
    const layout::Control* control = controlOf(item.hwndItem);
    if (control != nullptr && control->background) {
        drawColourButton(
            item,
            colours::coloursOf(colours::Part::Button, *control->background, form.highContrast),
            form.brushes, form.font.handle());
    }
}

void paintBackground(MainForm& form, HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    const colours::PartColours painted = colours::coloursOf(
        colours::Part::Window, layout::mainWindow().background, form.highContrast);
    FillRect(dc, &client, form.brushes.forColour(colourOf(painted.face)));
}

LRESULT CALLBACK mainFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The window takes the form over from createMainForm: it lives exactly as long as the
        // window, from here to WM_NCDESTROY.
        auto* owner = static_cast<std::unique_ptr<MainForm>*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner->release()));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    MainForm* form = formOf(window);
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        createControls(window, *form);
        showChanges(*form);
        return 0;
    case WM_COMMAND:
        commandReceived(window, *form, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return staticColours(*form, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        drawButton(*form, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        paintBackground(*form, window, reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_SYSCOLORCHANGE: // high contrast switched on or off, or its colours changed
    case WM_SETTINGCHANGE:
        form->highContrast = highContrastOn();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
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
    case WM_NCDESTROY:
        // The controls are gone by now; the font and brushes they used go with the form.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete form;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool registerMainFormClass(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, kClassName, &existing)) {
        return true;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &mainFormProc;
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

HWND createMainForm(HINSTANCE instance) {
    if (!registerMainFormClass(instance)) {
        return nullptr;
    }
    const layout::Window& layoutWindow = layout::mainWindow();
    RECT frame = toPixels(layoutWindow.client, screenDpi());
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    // The window takes the form at WM_NCCREATE; should Windows refuse before, it goes here.
    auto form = std::make_unique<MainForm>();
    const std::wstring title = toWide(layoutWindow.title);
    return CreateWindowExW(0, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                           instance, &form);
}

int controlId(std::string_view name) {
    return kFirstControlId + static_cast<int>(layout::rowNamed(name));
}

const Worksheet& worksheetOf(HWND window) {
    return formOf(window)->binding.worksheet();
}

} // namespace cipher::win32
