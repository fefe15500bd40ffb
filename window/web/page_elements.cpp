// SPDX-License-Identifier: MIT
#include "window/web/page_elements.hpp"

#include "window/utf16.hpp"
#include "window/worksheet_binding.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace cipher::web {
namespace {

// CSS pixels are 1/96 inch at every zoom, so the table's twips map to them once.
constexpr int kCssDotsPerInch = 96;
constexpr int kPointsPerInch = 72;

// Metric-compatible with Times New Roman, for the machines that lack it.
constexpr std::string_view kFontFallbacks = "\"Liberation Serif\", serif";

std::string utf8(std::u32string_view text) {
    std::string bytes;
    for (char32_t c : text) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

// Text for an element's content or an attribute's quoted value.
std::string escaped(std::u32string_view text) {
    std::string out;
    for (char c : utf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string escaped(std::u16string_view text) {
    return escaped(utf16::toText(text));
}

int pixels(int twips) {
    return layout::toPixels(twips, kCssDotsPerInch);
}

std::string rgb(layout::Rgb colour) {
    return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
           std::to_string(colour.blue) + ")";
}

// A length of the window's, as the share of its width that it is at the window's own size.
std::string scaled(int length, int windowWidth) {
    return "calc(var(--width) * " + std::to_string(length) + " / " + std::to_string(windowWidth) +
           ")";
}

std::string windowStyle(const layout::Window& window) {
    const int width = pixels(window.client.width);
    const int height = pixels(window.client.height);
    const auto widthWithin = [&](std::string_view viewportHeight) {
        return "  --width: min(" + std::to_string(width) + "px, 100vw, calc(" +
               std::string(viewportHeight) + " * " + std::to_string(width) + " / " +
               std::to_string(height) + "));\n";
    };
    // The small viewport height leaves a phone's toolbars out; neither it nor the width changes
    // when the on-screen keyboard opens, so the window stays where it is. A custom property is
    // checked only where it is used, so a browser that does not know svh would drop the width
    // altogether rather than fall back: it is given svh only where it says it knows it.
    // Where the screen is wider or taller than the window, the page around it is the window's
    // colour too, as the app's theme colour is.
    return "html {\n  background-color: " + rgb(window.background) + ";\n}\n#client {\n" +
           widthWithin("100vh") + "  width: var(--width);\n  height: " + scaled(height, width) +
           ";\n  background-color: " + rgb(window.background) + ";\n  color: " + rgb(window.text) +
           ";\n  font-family: \"" + std::string(window.font.family) + "\", " +
           std::string(kFontFallbacks) + ";\n  font-size: " +
           scaled(window.font.pointSize * kCssDotsPerInch / kPointsPerInch, width) +
           ";\n}\n@supports (height: 100svh) {\n#client {\n" + widthWithin("100svh") + "}\n}\n";
}

std::string controlStyle(const layout::Control& control, int windowWidth) {
    const layout::Twips& box = control.bounds;
    std::string style = "[id=\"" + layout::nameOf(control) +
                        "\"] {\n  left: " + scaled(pixels(box.left), windowWidth) +
                        ";\n  top: " + scaled(pixels(box.top), windowWidth) +
                        ";\n  width: " + scaled(pixels(box.width), windowWidth) +
                        ";\n  height: " + scaled(pixels(box.height), windowWidth) + ";\n";
    if (control.background) {
        style += "  background-color: " + rgb(*control.background) + ";\n";
    }
    if (control.align == layout::Align::Centre) {
        style += "  text-align: center;\n";
    }
    return style + "}\n";
}

std::string controlElement(const layout::Control& control, const Shown& shown, bool heading,
                           bool focused) {
    const std::string open =
        "id=\"" + layout::nameOf(control) + "\" class=\"" + className(control.kind) + "\"";
    // A label or button is named by its own text, the others by the table.
    const std::string named = " aria-label=\"" + escaped(control.accessibleName) + "\"";
    const std::string focus = focused ? " autofocus" : "";
    switch (control.kind) {
    case layout::Kind::Label: {
        const char* tag = heading ? "h1" : "div";
        return "<" + std::string(tag) + " " + open + ">" + escaped(shown.text) + "</" + tag + ">";
    }
    case layout::Kind::TextField:
        return "<input " + open + R"( type="text" value=")" + escaped(shown.text) + "\"" + named +
               (control.readOnly ? " readonly" : "") + focus +
               R"( autocomplete="off" spellcheck="false">)";
    case layout::Kind::TextPane:
        return "<textarea " + open + named + " readonly" + focus + ">" + escaped(shown.text) +
               "</textarea>";
    case layout::Kind::List:
        return "<div " + open + named + R"( role="listbox" tabindex="0")" + focus + "></div>";
    case layout::Kind::Button:
        return "<button " + open + " type=\"button\"" + focus + ">" + escaped(shown.text) +
               "</button>";
    }
    return {};
}

std::u16string unchanged(std::u16string_view text) {
    return std::u16string(text);
}

} // namespace

std::vector<std::size_t> documentOrder() {
    const auto controls = layout::controls();
    const auto tabOrder = layout::tabOrder();
    std::vector<std::size_t> focusOrder;
    for (std::string_view name : tabOrder) {
        focusOrder.push_back(layout::rowNamed(name));
    }
    const auto placed = [](const std::vector<std::size_t>& order, std::size_t row) {
        return std::find(order.begin(), order.end(), row) != order.end();
    };

    std::vector<std::size_t> order;
    std::vector<std::size_t> labels; // the labels waiting for the control after them
    for (std::size_t row = 0; row < controls.size(); ++row) {
        if (!controls[row].shown || placed(order, row)) {
            continue;
        }
        if (!placed(focusOrder, row)) {
            // The first label is the window's caption, the page's heading.
            (order.empty() ? order : labels).push_back(row);
            continue;
        }
        for (auto earlier = focusOrder.begin(); *earlier != row; ++earlier) {
            if (!placed(order, *earlier)) {
                order.push_back(*earlier);
            }
        }
        order.insert(order.end(), labels.begin(), labels.end());
        labels.clear();
        order.push_back(row);
    }
    order.insert(order.end(), labels.begin(), labels.end());
    return order;
}

const char* className(layout::Kind kind) {
    switch (kind) {
    case layout::Kind::Label:
        return "label";
    case layout::Kind::TextField:
        return "field";
    case layout::Kind::TextPane:
        return "pane";
    case layout::Kind::List:
        return "list";
    case layout::Kind::Button:
        return "button";
    }
    return "";
}

PageMarkup pageMarkup() {
    const layout::Window& window = layout::mainWindow();
    const auto controls = layout::controls();
    // What every control shows at the start: the binding's first changes hold all of them.
    WorksheetBinding binding(LineBreaks::Lf, &unchanged);
    std::vector<Shown> shown(controls.size());
    for (WorksheetBinding::Change& change : binding.changesToShow()) {
        shown[change.row] = std::move(change.shown);
    }

    PageMarkup markup;
    markup.title = escaped(window.title);
    const int width = pixels(window.client.width);
    markup.style = windowStyle(window);
    const std::size_t focused = layout::rowNamed(layout::tabOrder().front());
    const std::vector<std::size_t> order = documentOrder();
    markup.window = "<main id=\"client\">\n";
    for (std::size_t row : order) {
        markup.style += controlStyle(controls[row], width);
        markup.window +=
            controlElement(controls[row], shown[row], row == order.front(), row == focused) + "\n";
    }
    markup.window += "</main>";
    std::array<char, 8> colour{};
    std::snprintf(colour.data(), colour.size(), "#%02x%02x%02x", window.background.red,
                  window.background.green, window.background.blue);
    markup.colour = colour.data();
    return markup;
}

} // namespace cipher::web
