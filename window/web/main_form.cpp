// SPDX-License-Identifier: MIT
// MainForm in a web page: one element per shown control of the layout table, built through
// controls.js, and the clicks and field edits that the page hands back. Every position, colour,
// caption and rule comes from window/ and worksheet/; the page only draws.
#include "window/web/main_form.hpp"

#include "window/layout.hpp"
#include "window/utf16.hpp"
#include "window/web/document_order.hpp"
#include "window/worksheet_binding.hpp"

#include <emscripten.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cipher::web {
namespace {

// CSS pixels are 1/96 inch at every zoom, so the table's twips map to them once.
constexpr int kCssDotsPerInch = 96;

// Metric-compatible with Times New Roman, for the machines that lack it.
constexpr const char* kFontFallbacks = "\"Liberation Serif\", serif";

// The page's side of the window (controls.js), which these calls end in.
// clang-format off
EM_JS(void, pageWindow, (const char16_t* title, std::size_t titleLength, int width, int height,
                         int red, int green, int blue, const char* family, const char* fallbacks,
                         int points), {
    page.createWindow(page.units(title, titleLength), width, height, [red, green, blue],
                      UTF8ToString(family), UTF8ToString(fallbacks), points);
});
EM_JS(void, pageControl, (std::size_t row, const char* name, const char* kind, int index,
                          int left, int top, int width, int height, int background, int centred,
                          int readOnly, const char16_t* spoken, std::size_t spokenLength), {
    page.createControl(row, UTF8ToString(name), UTF8ToString(kind), index,
                       [left, top, width, height],
                       background < 0 ? null : [background >> 16, (background >> 8) & 255,
                                                background & 255],
                       centred !== 0, readOnly !== 0, page.units(spoken, spokenLength));
});
EM_JS(void, pageShown, (std::size_t focusRow), { page.show(focusRow); });
EM_JS(void, pageText, (std::size_t row, const char16_t* text, std::size_t length), {
    page.showText(row, page.units(text, length));
});
EM_JS(void, pageItemsCleared, (std::size_t row), { page.clearItems(row); });
EM_JS(void, pageItem, (std::size_t row, const char16_t* text, std::size_t length), {
    page.addItem(row, page.units(text, length));
});
EM_JS(void, pageFieldKept, (std::size_t row, const char16_t* text, std::size_t length,
                            std::size_t cursor), {
    page.showKept(row, page.units(text, length), cursor);
});
// Writes at most `capacity` units of the text in form C to `out`; returns its whole length.
EM_JS(std::size_t, pageNormalized, (const char16_t* text, std::size_t length, char16_t* out,
                                    std::size_t capacity), {
    var normal = page.units(text, length).normalize('NFC');
    for (var at = 0; at < Math.min(normal.length, capacity); ++at) {
        HEAPU16[(out >> 1) + at] = normal.charCodeAt(at);
    }
    return normal.length;
});
// clang-format on

// The browser's own normaliser: it has the Unicode tables already. Form C of UTF-16 text is at
// most three times as long; should a browser say otherwise, the text is asked for again whole.
std::u16string normalizedC(std::u16string_view text) {
    constexpr std::size_t kMostGrowth = 3;
    std::u16string normal(text.size() * kMostGrowth, u'\0');
    std::size_t length = pageNormalized(text.data(), text.size(), normal.data(), normal.size());
    if (length > normal.size()) {
        normal.resize(length);
        length = pageNormalized(text.data(), text.size(), normal.data(), normal.size());
    }
    normal.resize(length);
    return normal;
}

const char* kindName(layout::Kind kind) {
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

int pixels(int twips) {
    return layout::toPixels(twips, kCssDotsPerInch);
}

// A colour as 0xRRGGBB, or -1 for none.
int packed(const std::optional<layout::Rgb>& colour) {
    if (!colour) {
        return -1;
    }
    return (colour->red << 16) | (colour->green << 8) | colour->blue;
}

WorksheetBinding& binding() {
    static WorksheetBinding binding(LineBreaks::Lf, &normalizedC);
    return binding;
}

void showChanges() {
    for (const WorksheetBinding::Change& change : binding().changesToShow()) {
        if (change.kind == layout::Kind::List) {
            pageItemsCleared(change.row);
            for (const std::u16string& item : change.shown.items) {
                pageItem(change.row, item.data(), item.size());
            }
        } else {
            pageText(change.row, change.shown.text.data(), change.shown.text.size());
        }
    }
}

void buildWindow() {
    const layout::Window& window = layout::mainWindow();
    const std::u16string title = utf16::fromText(window.title);
    pageWindow(title.data(), title.size(), pixels(window.client.width),
               pixels(window.client.height), window.background.red, window.background.green,
               window.background.blue, std::string(window.font.family).c_str(), kFontFallbacks,
               window.font.pointSize);
    const std::vector<std::size_t> order = documentOrder();
    for (std::size_t row : order) {
        const layout::Control& control = layout::controls()[row];
        // A button or label says its caption; the table names the others.
        const std::u16string spoken = utf16::fromText(
            control.accessibleName.empty() ? control.caption : control.accessibleName);
        // The first element, the window's caption, is the page's heading.
        const char* kind = row == order.front() ? "heading" : kindName(control.kind);
        pageControl(row, layout::nameOf(control).c_str(), kind, control.index,
                    pixels(control.bounds.left), pixels(control.bounds.top),
                    pixels(control.bounds.width), pixels(control.bounds.height),
                    packed(control.background), control.align == layout::Align::Centre ? 1 : 0,
                    control.readOnly ? 1 : 0, spoken.data(), spoken.size());
    }
}

} // namespace

void showMainForm() {
    buildWindow();
    showChanges();
    pageShown(layout::rowNamed(layout::tabOrder().front()));
}

} // namespace cipher::web

extern "C" {

// The one place where an edit enters the binding: input field Text2(field), in row `row` of the
// layout table, was turned into the `length` units at `text`, with the cursor `cursor` units in.
// Returns 1 when the field was given other text than that to keep.
EMSCRIPTEN_KEEPALIVE int webFieldEdited(std::size_t row, std::size_t field, const char16_t* text,
                                        std::size_t length, std::size_t cursor) {
    const std::u16string_view edited(text, length);
    const cipher::WorksheetBinding::FieldText kept =
        cipher::web::binding().keepEdit(field, edited, cursor);
    if (kept.text == edited) {
        return 0;
    }
    cipher::web::pageFieldKept(row, kept.text.data(), kept.text.size(), kept.cursor);
    return 1;
}

EMSCRIPTEN_KEEPALIVE void webClick(std::int16_t index) {
    cipher::web::binding().click(index);
    cipher::web::showChanges();
}

} // extern "C"
