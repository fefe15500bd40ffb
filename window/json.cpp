// SPDX-License-Identifier: MIT
#include "window/json.hpp"

#include "window/utf16.hpp"

namespace cipher::json {
namespace {

constexpr std::string_view kHex = "0123456789abcdef";

void escape(std::string& out, unsigned unit) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out += kHex[(unit >> shift) & 0xF];
    }
}

bool printable(unsigned unit) {
    return unit >= 0x20 && unit != '"' && unit != '\\' && unit != 0x7F;
}

} // namespace

std::string quoted(std::u16string_view units) {
    std::string out = "\"";
    for (char16_t unit : units) {
        if (unit < 0x80 && printable(unit)) {
            out += static_cast<char>(unit);
        } else {
            escape(out, unit);
        }
    }
    return out + "\"";
}

std::string quoted(std::u32string_view text) {
    return quoted(utf16::fromText(text));
}

std::string quoted(std::string_view utf8) {
    std::string out = "\"";
    for (char byte : utf8) {
        const auto unit = static_cast<unsigned char>(byte);
        if (unit >= 0x80 || printable(unit)) {
            out += byte;
        } else {
            escape(out, unit);
        }
    }
    return out + "\"";
}

std::string object(Members members) {
    std::string out = "{";
    for (const auto& [name, value] : members) {
        if (out.size() > 1) {
            out += ',';
        }
        out += quoted(name);
        out += ':';
        out += value;
    }
    return out + "}";
}

} // namespace cipher::json
