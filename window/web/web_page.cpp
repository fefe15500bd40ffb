// SPDX-License-Identifier: MIT
// The window in a web page: builds one element per shown control of the layout table through
// page.js, and moves clicks and field edits between the page and the worksheet's binding. Every
// position, colour, caption and rule comes from window/ and worksheet/; the page only draws.
#include "window/layout.hpp"
#include "window/utf16.hpp"
#include "window/worksheet_binding.hpp"

#include <emscripten.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

// CSS pixels are 1/96 inch at every zoom, so the table's twips map to them once.
constexpr int kCssDotsPerInch = 96;

// Metric-compatible with Times New Roman, for the machines that lack it.
constexpr const char* kFontFallbacks = "\"Liberation Serif\", serif";

// The page's functions (page.js) that the calls below end in.
// clang-format off
EM_JS(void, PageWindow, (const char16_t* title, std::size_t titleLength, int width, int height,
                         int red, int green, int blue, const char* family, const char* fallbacks,
                         int points), {
    pageWindow(unitsAt(title, titleLength), width, height, [red, green, blue],
               UTF8ToString(family), UTF8ToString(fallbacks), points);
});
EM_JS(void, PageControl, (std::size_t row, const char* name, const char* kind, int index,
                          int left, int top, int width, int height, int background, int centred,
                          int readOnly, const char16_t* spoken, std::size_t spokenLength), {
    pageControl(row, UTF8ToString(name), UTF8ToString(kind), index, [left, top, width, height],
                background < 0 ? null : [background >> 16, (background >> 8) & 255,
                                         background & 255],
                centred !== 0, readOnly !== 0, unitsAt(spoken, spokenLength));
});
EM_JS(void, PageTabStop, (std::size_t row, int position), { pageTabStop(row, position); });
EM_JS(void, PageShown, (std::size_t focusRow), { pageShown(focusRow); });
EM_JS(void, PageText, (std::size_t row, const char16_t* text, std::size_t length), {
    pageText(row, unitsAt(text, length));
});
EM_JS(void, PageItemsCleared, (std::size_t row), { pageItemsCleared(row); });
EM_JS(void, PageItem, (std::size_t row, const char16_t* text, std::size_t length), {
    pageItem(row, unitsAt(text, length));
});
EM_JS(void, PageFieldKept, (std::size_t row, const char16_t* text, std::size_t length,
                            std::size_t cursor), {
    pageFieldKept(row, unitsAt(text, length), cursor);
});
EM_JS(std::size_t, PageNormalize, (const char16_t* text, std::size_t length), {
    return pageNormalize(unitsAt(text, length));
});
EM_JS(void, PageNormalized, (char16_t* out), { pageNormalized(out); });
// clang-format on

// The browser's own normaliser: it has the Unicode tables already.
std::u32string NormalizedC(std::u32string_view text) {
    const std::u16string units = cipher::utf16::FromText(text);
    std::u16string normalized(PageNormalize(units.data(), units.size()), u'\0');
    PageNormalized(normalized.data());
    return cipher::utf16::ToText(normalized);
}

const char* KindName(cipher::layout::Kind kind) {
    switch (kind) {
    case cipher::layout::Kind::Label:
        return "label";
    case cipher::layout::Kind::TextField:
        return "field";
    case cipher::layout::Kind::TextPane:
        return "pane";
    case cipher::layout::Kind::List:
        return "list";
    case cipher::layout::Kind::Button:
        return "button";
    }
    return "";
}

int Pixels(int twips) {
    return cipher::layout::ToPixels(twips, kCssDotsPerInch);
}

int Packed(const std::optional<cipher::layout::Rgb>& colour) {
    return colour ? colour->red << 16 | colour->green << 8 | colour->blue : -1;
}

cipher::WorksheetBinding& Binding() {
    static cipher::WorksheetBinding binding(cipher::LineBreaks::Lf, &NormalizedC);
    return binding;
}

void ShowWorksheet() {
    for (const cipher::WorksheetBinding::Change& change : Binding().Changes()) {
        if (change.control.kind == cipher::layout::Kind::List) {
            PageItemsCleared(change.row);
            for (const std::u16string& item : change.shown.items) {
                PageItem(change.row, item.data(), item.size());
            }
        } else {
            PageText(change.row, change.shown.text.data(), change.shown.text.size());
        }
    }
}

void BuildWindow() {
    using namespace cipher::layout;
    const Window& window = MainWindow();
    const std::u16string title = cipher::utf16::FromText(window.title);
    PageWindow(title.data(), title.size(), Pixels(window.client.width),
               Pixels(window.client.height), window.background.red, window.background.green,
               window.background.blue, std::string(window.font.family).c_str(), kFontFallbacks,
               window.font.pointSize);
    const auto rows = Controls();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const Control& control = rows[row];
        if (!control.shown) {
            continue;
        }
        // A button or label says its caption; the table names the others.
        const std::u16string spoken = cipher::utf16::FromText(
            control.accessibleName.empty() ? control.caption : control.accessibleName);
        PageControl(row, NameOf(control).c_str(), KindName(control.kind), control.index,
                    Pixels(control.bounds.left), Pixels(control.bounds.top),
                    Pixels(control.bounds.width), Pixels(control.bounds.height),
                    Packed(control.background), control.align == Align::Centre ? 1 : 0,
                    control.readOnly ? 1 : 0, spoken.data(), spoken.size());
    }
    const auto order = TabOrder();
    for (std::size_t position = 0; position < order.size(); ++position) {
        PageTabStop(RowNamed(order[position]), static_cast<int>(position));
    }
}

// The units that page.js writes a field's text into before it calls web_edited.
std::u16string& EditBuffer() {
    static std::u16string buffer;
    return buffer;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE char16_t* web_edit_buffer(std::size_t units) {
    EditBuffer().assign(units, u'\0');
    return EditBuffer().data();
}

// Input field Text2(field) now holds the edit buffer's text, the cursor `cursor` units in.
// Returns 1 when the field was given other text than that to keep.
EMSCRIPTEN_KEEPALIVE int web_edited(std::size_t field, std::size_t cursor) {
    const std::u16string& edited = EditBuffer();
    const cipher::WorksheetBinding::FieldText kept = Binding().Kept(field, edited, cursor);
    const bool rewritten = kept.text != edited;
    if (rewritten) {
        const std::size_t row = cipher::layout::RowOf("Text2", static_cast<int>(field));
        PageFieldKept(row, kept.text.data(), kept.text.size(), kept.cursor);
    }
    Binding().Take(field, kept.text);
    return rewritten ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_click(std::int16_t index) {
    Binding().Click(index);
    ShowWorksheet();
}

} // extern "C"

int main() {
    BuildWindow();
    ShowWorksheet();
    PageShown(cipher::layout::RowNamed(cipher::layout::TabOrder().front()));
    return 0;
}
