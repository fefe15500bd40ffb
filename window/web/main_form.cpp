// SPDX-License-Identifier: MIT
// MainForm in a web page: it takes over the elements that the page was written with (see
// page_elements.hpp), one per shown control of the layout table, and handles the clicks and
// field edits that the page hands back (controls.js). Every position, colour, caption and rule
// comes from window/ and worksheet/; the page only draws.
#include "window/web/main_form.hpp"

#include "window/layout.hpp"
#include "window/web/page_elements.hpp"
#include "window/worksheet_binding.hpp"

#include <emscripten.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cipher::web {
namespace {

// The page's side of the window (controls.js), which these calls end in. Texts go over unit for
// unit, in the module's own memory.
// clang-format off
EM_JS(void, pageAdopt, (std::size_t row, const char* name, const char* kind, int index), {
    page.adopt(row, UTF8ToString(name), UTF8ToString(kind), index);
});
EM_JS(void, pageText, (std::size_t row, const char16_t* text, std::size_t length), {
    page.showText(row, page.units(HEAPU16, text, length));
});
EM_JS(void, pageItemsCleared, (std::size_t row), { page.clearItems(row); });
EM_JS(void, pageItem, (std::size_t row, const char16_t* text, std::size_t length), {
    page.addItem(row, page.units(HEAPU16, text, length));
});
EM_JS(void, pageFieldKept, (std::size_t row, const char16_t* text, std::size_t length,
                            std::size_t cursor), {
    page.showKept(row, page.units(HEAPU16, text, length), cursor);
});
// Writes at most `capacity` units of the text in form C to `out`; returns its whole length.
EM_JS(std::size_t, pageNormalized, (const char16_t* text, std::size_t length, char16_t* out,
                                    std::size_t capacity), {
    var normal = page.units(HEAPU16, text, length).normalize('NFC');
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

} // namespace

void showMainForm() {
    // The page was written from the binding's first changes: it shows them already, and what a
    // student typed since then the page hands over as an edit once the program is ready.
    (void)binding().changesToShow();
    for (std::size_t row : documentOrder()) {
        const layout::Control& control = layout::controls()[row];
        pageAdopt(row, layout::nameOf(control).c_str(), className(control.kind), control.index);
    }
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
