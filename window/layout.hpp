// SPDX-License-Identifier: MIT
// The window as data: one row per control, with positions in twips, colours, captions and flags.
// Every front end builds its window from this table and repeats none of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cipher::layout {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Rgb&) const = default;
};

// A rectangle in twips from the client area's top-left corner (1440 twips to the inch).
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kTwipsPerInch = 1440;

// Twips to device pixels at the given dots per inch, rounded to the nearest pixel.
constexpr int ToPixels(int twips, int dotsPerInch) {
    return (twips * dotsPerInch + kTwipsPerInch / 2) / kTwipsPerInch;
}

enum class Kind { Label, TextField, TextPane, List, Button };

enum class Align { Left, Centre };

struct Control {
    std::string_view array; // the control array, "Text2"
    int index;              // its index in the array
    Kind kind;
    // Caption of a label or button. Fields and lists show the worksheet's texts instead.
    std::u32string_view caption = {};
    Twips bounds;
    std::optional<Rgb> background = {};
    Align align = Align::Left;
    bool readOnly = false;
    bool shown = true;
    std::size_t maxLength = 0; // characters; 0 for no limit
    // The name a screen reader speaks; empty where the caption itself is the name.
    std::u32string_view accessibleName = {};
};

struct Font {
    std::string_view family;
    int pointSize;
    int weight;  // 400 is regular
    int charSet; // Windows character set; 204 is Cyrillic
};

struct Window {
    std::u32string_view title;
    Twips client; // width and height of the client area
    Rgb background;
    Font font;
    std::string_view version;
};

const Window& MainWindow();

// Every control, in the order of the window's description.
std::span<const Control> Controls();

// The controls that take the focus, in the order Tab moves through them; the first starts with
// the focus.
std::span<const std::string_view> TabOrder();

// The control's name, its array and index: "Text2(0)".
std::string NameOf(const Control& control);

// The row in Controls() of the control of that name, and that control; both throw
// std::out_of_range for an unknown name.
std::size_t RowNamed(std::string_view name);
// The row in Controls() of control `index` of array `array`; throws std::out_of_range if there
// is none.
std::size_t RowOf(std::string_view array, int index);
const Control& ControlNamed(std::string_view name);

} // namespace cipher::layout
