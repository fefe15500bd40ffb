// SPDX-License-Identifier: MIT
// Where every shown control stands at 96 dots per inch, in pixels from the client area's top-left
// corner: the twips of the window's description divided by 15, worked out by hand. Every front
// end is checked against this one table.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <ostream>
#include <string_view>

namespace cipher::expected {

inline constexpr int kClientWidth = 481;
inline constexpr int kClientHeight = 424;

struct PixelBounds {
    std::string_view name;
    int left, top, width, height;

    friend void PrintTo(const PixelBounds& row, std::ostream* out) { *out << row.name; }
};

inline constexpr std::array<PixelBounds, 14> kShownControls{{
    {"Label1(0)", 40, 0, 377, 25},
    {"Label1(1)", 8, 32, 129, 27},
    {"Text2(0)", 136, 32, 337, 27},
    {"Label1(2)", 8, 64, 169, 27},
    {"Text2(1)", 176, 64, 113, 27},
    {"Label1(3)", 120, 96, 113, 27},
    {"Label1(4)", 248, 96, 113, 27},
    {"List1(0)", 120, 120, 113, 137},
    {"List1(1)", 248, 120, 113, 137},
    {"Command1(0)", 8, 128, 89, 25},
    {"Command1(1)", 384, 216, 89, 25},
    {"Label1(5)", 8, 264, 129, 27},
    {"Text2(2)", 136, 264, 337, 27},
    {"Text1(0)", 8, 296, 465, 121},
}};

// Whether a box of the window shows text a student can read, by the pixel at(x, y) of each of its
// points, red, green and blue: at least kReadableShare of them stand at kReadableRatio or more
// against the box's most common colour, its face, by WCAG's ratio of relative luminances.
inline constexpr double kReadableRatio = 4.5;
inline constexpr double kReadableShare = 0.02;

template <typename At> bool ShowsReadableText(int width, int height, At at) {
    constexpr std::array kWeights{0.2126, 0.7152, 0.0722};
    std::map<double, int> lights; // how many pixels have each luminance
    for (int point = 0; point < width * height; ++point) {
        double light = 0.05;
        for (std::size_t channel = 0; channel < kWeights.size(); ++channel) {
            const double c = at(point % width, point / width)[channel] / 255.0;
            light +=
                kWeights[channel] * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        ++lights[light];
    }
    const double face =
        std::ranges::max_element(lights, {}, &std::pair<const double, int>::second)->first;
    int standing = 0;
    for (const auto& [light, count] : lights) {
        standing += std::max(light, face) / std::min(light, face) >= kReadableRatio ? count : 0;
    }
    return standing >= kReadableShare * width * height;
}

} // namespace cipher::expected
