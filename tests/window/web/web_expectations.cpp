// SPDX-License-Identifier: MIT
// Prints, as JSON, what the browser suite expects: the shared tables of tests/expected/, the
// program's messages and the layout table's names, colours and order. The browser suite reads
// them from here, so that no expected text is written a third time in JavaScript.
#include "expected/field_cases.hpp"
#include "expected/rejections.hpp"
#include "expected/sample.hpp"
#include "expected/window_pixels.hpp"
#include "window/json.hpp"
#include "window/layout.hpp"
#include "worksheet/constants.hpp"
#include "worksheet/description.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace cipher {
namespace {

using json::array;
using json::number;
using json::object;
using json::quoted;

std::string Colour(layout::Rgb rgb) {
    return array(std::array{rgb.red, rgb.green, rgb.blue},
                 [](std::uint8_t part) { return number(part); });
}

std::string Texts(const auto& texts) {
    return array(texts, [](auto text) { return quoted(text); });
}

std::string ShownControl(const layout::Control& control) {
    const std::u32string_view name =
        control.accessibleName.empty() ? control.caption : control.accessibleName;
    return object({{"name", quoted(layout::nameOf(control))},
                   {"background", control.background ? Colour(*control.background) : "null"},
                   {"accessibleName", quoted(name)}});
}

std::string Pixels(const expected::PixelBounds& bounds) {
    return object({{"name", quoted(bounds.name)},
                   {"left", number(bounds.left)},
                   {"top", number(bounds.top)},
                   {"width", number(bounds.width)},
                   {"height", number(bounds.height)}});
}

std::string FieldCase(const expected::FieldCase& row) {
    return object({{"name", quoted(std::string_view(row.name))},
                   {"field", number(row.field)},
                   {"start", quoted(row.start)},
                   {"pasted", quoted(row.pasted)},
                   {"kept", quoted(row.kept)}});
}

std::string TypedCase(const expected::TypedCase& row) {
    return object({{"name", quoted(std::string_view(row.name))},
                   {"field", number(row.field)},
                   {"start", quoted(row.start)},
                   {"typed", quoted(row.typed)},
                   {"kept", quoted(row.kept)}});
}

std::string Rejection(const expected::RejectionCase& row) {
    return object({{"name", quoted(std::string_view(row.name))},
                   {"plaintext", quoted(row.plaintext)},
                   {"key", quoted(row.key)},
                   {"message", quoted(row.message)}});
}

} // namespace
} // namespace cipher

int main() {
    using namespace cipher;
    std::vector<layout::Control> shown;
    for (const layout::Control& control : layout::controls()) {
        if (control.shown) {
            shown.push_back(control);
        }
    }
    const layout::Window& window = layout::mainWindow();
    std::cout << object({
                     {"client", object({{"width", number(expected::kClientWidth)},
                                        {"height", number(expected::kClientHeight)}})},
                     {"pixels", array(expected::kShownControls, Pixels)},
                     {"readable", object({{"ratio", std::to_string(expected::kReadableRatio)},
                                          {"share", std::to_string(expected::kReadableShare)}})},
                     {"controls", array(shown, ShownControl)},
                     {"window", object({{"title", quoted(window.title)},
                                        {"background", Colour(window.background)},
                                        {"font", quoted(window.font.family)},
                                        {"pointSize", number(window.font.pointSize)}})},
                     {"tabOrder", Texts(layout::tabOrder())},
                     {"description", quoted(Description())},
                     {"sample", object({{"plaintext", quoted(kSamplePlaintext)},
                                        {"key", quoted(kSampleKey)},
                                        {"sortedKey", quoted(expected::kSortedSampleKey)},
                                        {"headers", Texts(std::array{kInitialPlainHeader,
                                                                     kInitialCipherHeader})},
                                        {"initial", Texts(expected::kSampleInitialMatrix)},
                                        {"final", Texts(expected::kSampleFinalMatrix)},
                                        {"ciphertext", quoted(expected::kSampleCiphertext)}})},
                     {"fieldCases", array(expected::kFieldCases, FieldCase)},
                     {"typedCases", array(expected::kTypedCases, TypedCase)},
                     {"rejections", array(expected::kRejections, Rejection)},
                     {"messages",
                      object({{"plaintextShorterThanKey", quoted(kMessagePlaintextShorterThanKey)},
                              {"tooShort", quoted(kMessageTooShort)},
                              {"repeatedKeyLetters", quoted(kMessageRepeatedKeyLetters)},
                              {"encryptionComplete", quoted(kMessageEncryptionComplete)}})},
                 })
              << "\n";
}
