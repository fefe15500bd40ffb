// SPDX-License-Identifier: MIT
#include "window/win32/message_pane.hpp"

#include <commctrl.h>

namespace cipher::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

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

void MakeMessagePane(HWND edit) {
    SetWindowSubclass(edit, &PaneProc, kSubclassId, 0);
}

} // namespace cipher::win32
