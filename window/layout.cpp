// SPDX-License-Identifier: MIT
#include "window/layout.hpp"

#include "window/version.hpp"
#include "worksheet/constants.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace cipher::layout {
namespace {

constexpr Rgb kWindowBackground{192, 192, 255};
constexpr Rgb kWindowText{0, 0, 0};
constexpr Rgb kLabelBackground{255, 192, 128};
constexpr Rgb kEncryptGreen{0, 255, 0};
constexpr Rgb kClearRed{255, 0, 0};

constexpr Window kMainWindow{
    .title = U"matrix-cipher.github.io Информатика - matrix transpose cipher",
    .client = {0, 0, 7215, 6360},
    .background = kWindowBackground,
    .text = kWindowText,
    .font = {"Times New Roman", 12, 400, 204},
    .version = kVersion,
};

constexpr Control label(int index, std::u32string_view caption, Twips bounds,
                        Align align = Align::Left) {
    return {.array = "Label1",
            .index = index,
            .kind = Kind::Label,
            .caption = caption,
            .bounds = bounds,
            .background = kLabelBackground,
            .align = align};
}

constexpr std::array kControls{
    label(0, U"Информатика - матричен транспозиционен шифър", {600, 0, 5655, 375}, Align::Centre),
    label(1, U"Открит текст:", {120, 480, 1935, 405}),
    Control{.array = "Text2",
            .index = 0,
            .kind = Kind::TextField,
            .bounds = {2040, 480, 5055, 405},
            .accessibleName = U"Открит текст"},
    label(2, U"Криптографски ключ:", {120, 960, 2535, 405}),
    Control{.array = "Text2",
            .index = 1,
            .kind = Kind::TextField,
            .bounds = {2640, 960, 1695, 405},
            .accessibleName = U"Криптографски ключ"},
    label(3, kInitialPlainHeader, {1800, 1440, 1695, 405}),
    label(4, kInitialCipherHeader, {3720, 1440, 1695, 405}),
    Control{.array = "List1",
            .index = 0,
            .kind = Kind::List,
            .bounds = {1800, 1800, 1695, 2055},
            .accessibleName = U"Начална матрица"},
    Control{.array = "List1",
            .index = 1,
            .kind = Kind::List,
            .bounds = {3720, 1800, 1695, 2055},
            .accessibleName = U"Крайна матрица"},
    Control{.array = "Command1",
            .index = 0,
            .kind = Kind::Button,
            .caption = U"Кодирай",
            .bounds = {120, 1920, 1335, 375},
            .background = kEncryptGreen},
    Control{.array = "Command1",
            .index = 1,
            .kind = Kind::Button,
            .caption = U"Чисти",
            .bounds = {5760, 3240, 1335, 375},
            .background = kClearRed},
    label(5, U"Криптиран текст:", {120, 3960, 1935, 405}),
    Control{.array = "Text2",
            .index = 2,
            .kind = Kind::TextField,
            .bounds = {2040, 3960, 5055, 405},
            .readOnly = true,
            .accessibleName = U"Криптиран текст"},
    Control{.array = "Text1",
            .index = 0,
            .kind = Kind::TextPane,
            .bounds = {120, 4440, 6975, 1815},
            .readOnly = true,
            .accessibleName = U"Съобщение"},
    // The working lists of the key and text letters: part of the worksheet, never shown.
    Control{.array = "List1",
            .index = 2,
            .kind = Kind::List,
            .bounds = {5520, 960, 615, 2055},
            .shown = false},
    Control{.array = "List1",
            .index = 3,
            .kind = Kind::List,
            .bounds = {6120, 960, 615, 2055},
            .shown = false},
    Control{.array = "List1",
            .index = 4,
            .kind = Kind::List,
            .bounds = {6720, 960, 615, 2055},
            .shown = false},
};

constexpr std::array<std::string_view, 8> kTabOrder{
    "Text1(0)", "Text2(0)",    "Text2(1)",    "List1(0)",
    "List1(1)", "Command1(0)", "Command1(1)", "Text2(2)",
};

} // namespace

const Window& mainWindow() {
    return kMainWindow;
}

std::span<const Control> controls() {
    return kControls;
}

std::span<const std::string_view> tabOrder() {
    return kTabOrder;
}

std::string nameOf(const Control& control) {
    return std::string(control.array) + "(" + std::to_string(control.index) + ")";
}

std::size_t rowNamed(std::string_view name) {
    auto found = std::find_if(kControls.begin(), kControls.end(),
                              [name](const Control& control) { return nameOf(control) == name; });
    if (found == kControls.end()) {
        throw std::out_of_range("no control named " + std::string(name));
    }
    return static_cast<std::size_t>(found - kControls.begin());
}

} // namespace cipher::layout
