// SPDX-License-Identifier: MIT
// Writes, as JSON on its output, the window as the page opens: its title, its style, its element
// with the controls' and its background colour. assemble.py puts them into the page, so that the
// browser paints the window before the program has started; the build runs this with Node.
#include "window/web/page_elements.hpp"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", c);
            out += escape.data();
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace

int main() {
    const cipher::web::PageMarkup markup = cipher::web::pageMarkup();
    const std::string json = "{\"title\": " + quoted(markup.title) +
                             ",\n\"style\": " + quoted(markup.style) +
                             ",\n\"window\": " + quoted(markup.window) +
                             ",\n\"colour\": " + quoted(markup.colour) + "}\n";
    std::fputs(json.c_str(), stdout);
    return 0;
}
