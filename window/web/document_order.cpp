// SPDX-License-Identifier: MIT
#include "window/web/document_order.hpp"

#include "window/layout.hpp"

#include <algorithm>

namespace cipher::web {

std::vector<std::size_t> documentOrder() {
    const auto controls = layout::controls();
    const auto tabOrder = layout::tabOrder();
    std::vector<std::size_t> focusOrder;
    for (std::string_view name : tabOrder) {
        focusOrder.push_back(layout::rowNamed(name));
    }
    const auto placed = [](const std::vector<std::size_t>& order, std::size_t row) {
        return std::find(order.begin(), order.end(), row) != order.end();
    };

    std::vector<std::size_t> order;
    std::vector<std::size_t> labels; // the labels waiting for the control after them
    for (std::size_t row = 0; row < controls.size(); ++row) {
        if (!controls[row].shown || placed(order, row)) {
            continue;
        }
        if (!placed(focusOrder, row)) {
            // The first label is the window's caption, the page's heading.
            (order.empty() ? order : labels).push_back(row);
            continue;
        }
        for (auto earlier = focusOrder.begin(); *earlier != row; ++earlier) {
            if (!placed(order, *earlier)) {
                order.push_back(*earlier);
            }
        }
        order.insert(order.end(), labels.begin(), labels.end());
        labels.clear();
        order.push_back(row);
    }
    order.insert(order.end(), labels.begin(), labels.end());
    return order;
}

} // namespace cipher::web
