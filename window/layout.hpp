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
constexpr int toPixels(int twips, int dotsPerInch) {
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
    Rgb text; // the colour of what is written on the window's own colours, labels and buttons
    Font font;
    std::string_view version;
};

const Window& mainWindow();

// Every control, in the order of the window's description.
std::span<const Control> controls();

// The controls that take the focus, in the order Tab moves through them; the first starts with
// the focus.
std::span<const std::string_view> tabOrder();

// The control's name, its array and index: "Text2(0)".
std::string nameOf(const Control& control);

// The row in controls() of the control of that name; throws std::out_of_range for an unknown
// name.
std::size_t rowNamed(std::string_view name);

} // namespace cipher::layout
