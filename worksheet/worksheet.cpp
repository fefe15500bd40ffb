// SPDX-License-Identifier: MIT
#include "worksheet/worksheet.hpp"

#include "worksheet/sorted_order.hpp"

#include <algorithm>

namespace cipher {

Field::Field(std::size_t maxLength, std::u32string_view initial)
    : maxLength_(maxLength), text_(initial.substr(0, maxLength)) {}

void Field::setText(Text value) {
    if (value.size() > maxLength_) {
        value.resize(maxLength_);
    }
    text_ = std::move(value);
}

void List::addItem(Text item) {
    if (order_ == Order::Insertion) {
        items_.push_back(std::move(item));
        return;
    }
    auto place = std::upper_bound(items_.begin(), items_.end(), item,
                                  [](const Text& a, const Text& b) { return SortsBefore(a, b); });
    items_.insert(place, std::move(item));
}

} // namespace cipher
