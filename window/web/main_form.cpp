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

// The page's side of the window (controls.js), which these calls end in. Texts go over as
// UTF-16, in the module's own memory, through Emscripten's helpers. Later Emscripten (Debian
// 13's) leaves out of the program every helper that the C++ does not say it uses; earlier (Debian
// 12's) has them all, and no macro to say it with.
#ifdef EM_JS_DEPS
EM_JS_DEPS(window_page, "$UTF8ToString,$UTF16ToString,$stringToUTF16");
#endif
// clang-format off
EM_JS(void, pageAdopt, (std::size_t row, const char* name, const char* kind, int index), {
    page.adopt(row, UTF8ToString(name), UTF8ToString(kind), index);
});
EM_JS(void, pageText, (std::size_t row, const char16_t* text, std::size_t length), {
    page.showText(row, UTF16ToString(text, length * 2));
});
EM_JS(void, pageItemsCleared, (std::size_t row), { page.clearItems(row); });
EM_JS(void, pageItem, (std::size_t row, const char16_t* text, std::size_t length), {
    page.addItem(row, UTF16ToString(text, length * 2));
});
EM_JS(void, pageFieldKept, (std::size_t row, const char16_t* text, std::size_t length,
                            std::size_t cursor), {
    page.showKept(row, UTF16ToString(text, length * 2), cursor);
});
EM_JS(void, pageReplacement, (std::size_t from, std::size_t to, const char16_t* text,
                              std::size_t length), {
    page.replacement = { from: from, to: to, text: UTF16ToString(text, length * 2) };
});
EM_JS(void, pageAnnounce, (const char16_t* text, std::size_t length), {
    page.announce(UTF16ToString(text, length * 2));
});
// Writes at most `capacity` units of the text in form C to `out`, and a terminating zero;
// returns its whole length.
EM_JS(std::size_t, pageNormalized, (const char16_t* text, std::size_t length, char16_t* out,
                                    std::size_t capacity), {
    var normal = UTF16ToString(text, length * 2).normalize('NFC');
    stringToUTF16(normal, out, (capacity + 1) * 2);
    return normal.length;
});
// clang-format on

// The browser's own normaliser: it has the Unicode tables already. Form C of UTF-16 text is at
// most three times as long; should a browser say otherwise, the text is asked for again whole.
// The string's own terminating zero has room for the one the page writes.
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
        const char* kind = isInputField(control) ? "input" : className(control.kind);
        pageAdopt(row, layout::nameOf(control).c_str(), kind, control.index);
    }
}

} // namespace cipher::web

namespace {

// The index in Text2 of the input field in row `row` of the layout table.
std::size_t fieldIn(std::size_t row) {
    return static_cast<std::size_t>(cipher::layout::controls()[row].index);
}

} // namespace

extern "C" {

// The one place where an edit enters the binding: the input field in row `row` of the layout
// table was turned into the `length` units at `text`, with the cursor `cursor` units in. The
// field is given other text when it may not keep that.
EMSCRIPTEN_KEEPALIVE void webFieldEdited(std::size_t row, const char16_t* text, std::size_t length,
                                         std::size_t cursor) {
    const std::u16string_view edited(text, length);
    const cipher::WorksheetBinding::FieldText kept =
        cipher::web::binding().keepEdit(fieldIn(row), edited, cursor);
    if (kept.text != edited) {
        cipher::web::pageFieldKept(row, kept.text.data(), kept.text.size(), kept.cursor);
    }
}

// A paste or a drop would turn the field into `text`: the page is told which of its units to
// replace with what, for the browser to make that edit as one it can undo. The worksheet takes
// it when the page reports the edit made.
EMSCRIPTEN_KEEPALIVE void webFieldInserted(std::size_t row, const char16_t* text,
                                           std::size_t length, std::size_t cursor) {
    const cipher::WorksheetBinding::FieldText kept =
        cipher::web::binding().kept(fieldIn(row), std::u16string_view(text, length), cursor);
    cipher::web::pageReplacement(kept.from, kept.to, kept.replacement.data(),
                                 kept.replacement.size());
}

EMSCRIPTEN_KEEPALIVE void webClick(std::int16_t index) {
    const std::u16string message = cipher::web::binding().click(index);
    cipher::web::showChanges();
    if (!message.empty()) {
        cipher::web::pageAnnounce(message.data(), message.size());
    }
}

} // extern "C"
