// SPDX-License-Identifier: MIT
// The order of the window's elements in the page. A browser moves the focus with Tab in the order
// of the elements, and a screen reader reads them in it, so the order is the window's keyboard
// order, with each label read right before the control it names.
#pragma once

#include <cstddef>
#include <vector>

namespace cipher::web {

// The rows of the shown controls of layout::controls(), in the order of their elements: the
// window's caption first, as the page's heading; then the rest in the order of the table, except
// that a control which the tab order puts earlier comes before the labels of the next one.
std::vector<std::size_t> documentOrder();

} // namespace cipher::web
