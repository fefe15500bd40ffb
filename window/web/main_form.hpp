// SPDX-License-Identifier: MIT
// MainForm, the program's one window, in a web page compiled to WebAssembly. It builds its
// elements from the layout table, shows the worksheet through the binding every front end
// shares, and hands each click of a Command1 button to the worksheet's command dispatch.
#pragma once

namespace cipher::web {

// Builds the window into the page, shows the worksheet in its starting state and gives the first
// control of the tab order the focus. From then on the page's events drive it.
void showMainForm();

} // namespace cipher::web
