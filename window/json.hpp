// SPDX-License-Identifier: MIT
// JSON for what the build writes from the program's own tables: the window as the page opens, and
// what the browser suites expect. Values are written as text and nested by hand.
#pragma once

#include <concepts>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace cipher::json {

// A string of UTF-16 units: every unit outside printable ASCII as \uXXXX, so that a lone
// surrogate, which no UTF-8 can carry, survives.
std::string quoted(std::u16string_view units);
std::string quoted(std::u32string_view text);
// A string of UTF-8 text, which stays as it is but for what JSON escapes.
std::string quoted(std::string_view utf8);

template <std::integral Number> std::string number(Number value) {
    return std::to_string(value);
}

using Members = std::initializer_list<std::pair<std::string_view, std::string>>;
std::string object(Members members);

// An array of item(element) for each element of the range.
template <typename Range, typename Item> std::string array(const Range& range, Item item) {
    std::string out = "[";
    for (const auto& element : range) {
        if (out.size() > 1) {
            out += ',';
        }
        out += item(element);
    }
    return out + "]";
}

} // namespace cipher::json
