// SPDX-License-Identifier: MIT
// The worksheet: the whole working state of the program, as the window shows it.
//
// The members keep the names of the window's controls, each an indexed array, so that the
// cipher steps read like the window they work on: Text2[0] is the plaintext field, List1[3] the
// sorted key list. Texts are UTF-32 so that every length and position counts characters: a
// Cyrillic letter or an emoji is one character and is never cut in half.
#pragma once

#include "worksheet/constants.hpp"
#include "worksheet/description.hpp"

#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cipher {

using Text = std::u32string;

inline constexpr std::size_t kNoLengthLimit = std::numeric_limits<std::size_t>::max();

// A text field or text pane.
class Field {
public:
    explicit Field(std::size_t maxLength = kNoLengthLimit, std::u32string_view initial = {});

    const Text& text() const noexcept { return text_; }
    // Keeps at most the first maxLength() characters of value.
    void setText(Text value);
    std::size_t maxLength() const noexcept { return maxLength_; }

private:
    std::size_t maxLength_;
    Text text_;
};

class Label {
public:
    explicit Label(std::u32string_view initial = {}) : caption_(initial) {}

    const Text& caption() const noexcept { return caption_; }
    void setCaption(Text caption) { caption_ = std::move(caption); }

private:
    Text caption_;
};

// An ordered list of texts, indexed from 0. A sorted list puts each added item in its place in
// the order of SortsBefore, after any item equal to it; other lists append.
class List {
public:
    enum class Order { Insertion, Sorted };

    explicit List(Order order = Order::Insertion) : order_(order) {}

    void clear() noexcept { items_.clear(); }
    void addItem(Text item);
    std::size_t count() const noexcept { return items_.size(); }
    // Throws std::out_of_range unless index < count().
    const Text& item(std::size_t index) const { return items_.at(index); }
    // Replaces an item where it stands; a sorted list is not reordered.
    void setItem(std::size_t index, Text item) { items_.at(index) = std::move(item); }

    bool isSorted() const noexcept { return order_ == Order::Sorted; }
    const std::vector<Text>& items() const noexcept { return items_; }

private:
    Order order_;
    std::vector<Text> items_;
};

// Controls First..Last of one indexed array of the window, addressed by their own index.
template <typename Control, std::size_t First, std::size_t Last> struct ControlArray {
    static constexpr std::size_t kFirst = First;
    static constexpr std::size_t kLast = Last;

    // Throws std::out_of_range for an index outside First..Last.
    Control& operator[](std::size_t index) { return controls.at(index - First); }
    const Control& operator[](std::size_t index) const { return controls.at(index - First); }

    std::array<Control, Last - First + 1> controls;
};

struct Worksheet {
    // Plaintext and key, typed by the user; the ciphertext, which holds the whole result.
    ControlArray<Field, 0, 2> Text2{{
        Field{kPlaintextMaxLength, kSamplePlaintext},
        Field{kKeyMaxLength, kSampleKey},
        Field{},
    }};
    // The message pane.
    ControlArray<Field, 0, 0> Text1{{Field{kNoLengthLimit, Description()}}};
    // Headers over the initial and the final matrix.
    ControlArray<Label, 3, 4> Label1{{Label{kInitialPlainHeader}, Label{kInitialCipherHeader}}};
    // Initial matrix, final matrix, key letters, sorted key letters, text letters.
    ControlArray<List, 0, 4> List1{{
        List{},
        List{},
        List{},
        List{List::Order::Sorted},
        List{},
    }};
};

} // namespace cipher
