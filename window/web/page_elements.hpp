// SPDX-License-Identifier: MIT
// The window's elements in the page, as the HTML that the page is written with: the browser
// paints the window from it before any script has run, and the compiled window then takes the
// elements over. Standard C++, so that the build can write the page with the same layout table
// and binding that the running window uses.
#pragma once

#include "window/layout.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace cipher::web {

// The rows of the shown controls of layout::controls(), in the order of their elements. A
// browser moves the focus with Tab in that order and a screen reader reads it, so it is the
// window's keyboard order, with each label read right before the control it names: the window's
// caption first, as the page's heading; then the rest in the order of the table, except that a
// control which the tab order puts earlier comes before the labels of the next one.
std::vector<std::size_t> documentOrder();

// The class of a control's element, which the page's style and script go by: "label", "field",
// "pane", "list" or "button".
const char* className(layout::Kind kind);

// The window as the page opens, in UTF-8.
struct PageMarkup {
    std::string title;  // the window's title
    std::string style;  // where each element stands, its colours and font, in CSS
    std::string window; // the window's element with every control's, showing the worksheet
    std::string colour; // the window's background colour, "#rrggbb"
};

// What the window shows at its start, written from the layout table and the binding's first
// changes. Every length is a share of --width, the window's own width where the screen holds it,
// less where the screen is narrower or lower: the window shrinks as a whole to fit.
PageMarkup pageMarkup();

} // namespace cipher::web
