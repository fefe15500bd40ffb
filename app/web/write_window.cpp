// SPDX-License-Identifier: MIT
// Writes, as JSON on its output, the window as the page opens: its title, its style, its element
// with the controls' and its background colour. assemble.py puts them into the page, so that the
// browser paints the window before the program has started; the build runs this with Node.
#include "window/json.hpp"
#include "window/web/page_elements.hpp"

#include <cstdio>

int main() {
    using cipher::json::quoted;
    const cipher::web::PageMarkup markup = cipher::web::pageMarkup();
    const std::string json = cipher::json::object({{"title", quoted(markup.title)},
                                                   {"style", quoted(markup.style)},
                                                   {"window", quoted(markup.window)},
                                                   {"colour", quoted(markup.colour)}});
    std::puts(json.c_str());
    return 0;
}
