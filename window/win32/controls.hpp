// SPDX-License-Identifier: MIT
// The controls of the Win32 window that do more than Windows' own: the input fields, whose every
// edit goes through the binding, the read-only message pane, and the buttons drawn in their own
// colour.
#pragma once

#include "window/win32/drawing.hpp"
#include "window/worksheet_binding.hpp"

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace cipher::win32 {

// Makes `edit`, a single-line EDIT control, input field Text2(field) of the binding. Whatever
// else changes its text (typing, pasting, EM_REPLACESEL, WM_SETTEXT from another program,
// deleting, undoing, an input method) is a student's edit: the binding decides what the field
// keeps of it, and the worksheet takes that. The rules stay with the control until it is
// destroyed.
void makeInputField(HWND edit, WorksheetBinding& binding, std::size_t field);

// Shows the worksheet's text in input field `edit`: the window's own write, which is no edit.
void showFieldText(HWND edit, std::u16string_view text);

// A read-only, multi-line edit control would keep every key for itself, Tab included, and the
// focus, which starts on the pane, could never move on. The pane lets Tab leave for the next
// control, and leaves its text unselected when the focus comes in, so that the message reads as
// text, not as a selection.
void makeMessagePane(HWND edit);

// The WinEvent by which a live region tells a screen reader that it changed
// (EVENT_OBJECT_LIVEREGIONCHANGED, which Windows' headers declare from Windows 8 on).
inline constexpr DWORD kLiveRegionChanged = 0x8019;

// Makes the STATIC `announcer` a polite live region, which says each command's message to a
// screen reader: a screen reader says a live region's name when the region tells it changed,
// wherever the focus is. The message pane itself would be said by its name, "Съобщение", so the
// message goes to a text of its own, which the window keeps behind the pane, never seen.
void makeMessageAnnouncer(HWND announcer);

// Says the message, the same message too.
void announceMessage(HWND announcer, std::u16string_view message);

// Windows paints push buttons in the system's button colour whatever WM_CTLCOLORBTN answers, so
// the window's buttons are owner-drawn (BS_OWNERDRAW) and painted here: a raised face in the
// button's colours, sunken while pressed, framed, with the caption and, when the button has the
// focus, a focus rectangle.
void drawColourButton(const DRAWITEMSTRUCT& item, const colours::PartColours& painted,
                      SolidBrushes& brushes, HFONT font);

} // namespace cipher::win32
