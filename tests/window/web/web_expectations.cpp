// SPDX-License-Identifier: MIT
// Prints, as JSON, what the browser suite expects: the shared tables of tests/expected/, the
// program's messages and the layout table's names, colours and order. The browser suite reads
// them from here, so that no expected text is written a third time in JavaScript.
#include "expected/field_cases.hpp"
#include "expected/rejections.hpp"
#include "expected/sample.hpp"
#include "expected/window_pixels.hpp"
#include "window/layout.hpp"
#include "window/utf16.hpp"
#include "worksheet/constants.hpp"
#include "worksheet/description.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cipher {
namespace {

// Every unit outside printable ASCII as \uXXXX, so that a lone surrogate survives into JSON.
std::string Quoted(std::u16string_view units) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string out = "\"";
    for (char16_t unit : units) {
        if (unit >= 0x20 && unit < 0x7F && unit != u'"' && unit != u'\\') {
            out += static_cast<char>(unit);
        } else {
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) {
                out += kHex[(unit >> shift) & 0xF];
            }
        }
    }
    return out + "\"";
}

std::string Quoted(std::u32string_view text) {
    return Quoted(utf16::fromText(text));
}

std::string Quoted(std::string_view ascii) {
    return Quoted(std::u16string(ascii.begin(), ascii.end()));
}

std::string Number(std::size_t number) {
    return std::to_string(number);
}

using Members = std::initializer_list<std::pair<std::string_view, std::string>>;

std::string Object(Members members) {
    std::string out = "{";
    for (const auto& [name, value] : members) {
        out += (out.size() > 1 ? "," : "") + Quoted(name) + ":" + value;
    }
    return out + "}";
}

template <typename Range, typename Item> std::string Array(const Range& range, Item item) {
    std::string out = "[";
    for (const auto& element : range) {
        out += (out.size() > 1 ? "," : "") + item(element);
    }
    return out + "]";
}

std::string Colour(layout::Rgb rgb) {
    return Array(std::array{rgb.red, rgb.green, rgb.blue},
                 [](std::uint8_t part) { return Number(part); });
}

std::string Texts(const auto& texts) {
    return Array(texts, [](auto text) { return Quoted(text); });
}

std::string ShownControl(const layout::Control& control) {
    const std::u32string_view name =
        control.accessibleName.empty() ? control.caption : control.accessibleName;
    return Object({{"name", Quoted(layout::nameOf(control))},
                   {"background", control.background ? Colour(*control.background) : "null"},
                   {"accessibleName", Quoted(name)}});
}

std::string Pixels(const expected::PixelBounds& bounds) {
    const auto number = [](int value) { return std::to_string(value); };
    return Object({{"name", Quoted(bounds.name)},
                   {"left", number(bounds.left)},
                   {"top", number(bounds.top)},
                   {"width", number(bounds.width)},
                   {"height", number(bounds.height)}});
}

std::string FieldCase(const expected::FieldCase& row) {
    return Object({{"name", Quoted(std::string_view(row.name))},
                   {"field", Number(row.field)},
                   {"start", Quoted(row.start)},
                   {"pasted", Quoted(row.pasted)},
                   {"kept", Quoted(row.kept)}});
}

std::string TypedCase(const expected::TypedCase& row) {
    return Object({{"name", Quoted(std::string_view(row.name))},
                   {"field", Number(row.field)},
                   {"start", Quoted(row.start)},
                   {"typed", Quoted(row.typed)},
                   {"kept", Quoted(row.kept)}});
}

std::string Rejection(const expected::RejectionCase& row) {
    return Object({{"name", Quoted(std::string_view(row.name))},
                   {"plaintext", Quoted(row.plaintext)},
                   {"key", Quoted(row.key)},
                   {"message", Quoted(row.message)}});
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
    std::cout << Object({
                     {"client", Object({{"width", Number(expected::kClientWidth)},
                                        {"height", Number(expected::kClientHeight)}})},
                     {"pixels", Array(expected::kShownControls, Pixels)},
                     {"controls", Array(shown, ShownControl)},
                     {"window", Object({{"title", Quoted(window.title)},
                                        {"background", Colour(window.background)},
                                        {"font", Quoted(window.font.family)},
                                        {"pointSize", Number(window.font.pointSize)}})},
                     {"tabOrder", Texts(layout::tabOrder())},
                     {"description", Quoted(Description())},
                     {"sample", Object({{"plaintext", Quoted(kSamplePlaintext)},
                                        {"key", Quoted(kSampleKey)},
                                        {"sortedKey", Quoted(expected::kSortedSampleKey)},
                                        {"headers", Texts(std::array{kInitialPlainHeader,
                                                                     kInitialCipherHeader})},
                                        {"initial", Texts(expected::kSampleInitialMatrix)},
                                        {"final", Texts(expected::kSampleFinalMatrix)},
                                        {"ciphertext", Quoted(expected::kSampleCiphertext)}})},
                     {"fieldCases", Array(expected::kFieldCases, FieldCase)},
                     {"typedCases", Array(expected::kTypedCases, TypedCase)},
                     {"rejections", Array(expected::kRejections, Rejection)},
                     {"messages",
                      Object({{"plaintextShorterThanKey", Quoted(kMessagePlaintextShorterThanKey)},
                              {"tooShort", Quoted(kMessageTooShort)},
                              {"repeatedKeyLetters", Quoted(kMessageRepeatedKeyLetters)},
                              {"encryptionComplete", Quoted(kMessageEncryptionComplete)}})},
                 })
              << "\n";
}
