// SPDX-License-Identifier: MIT
#include "window/worksheet_binding.hpp"

#include "window/field_rules.hpp"
#include "window/utf16.hpp"
#include "worksheet/commands.hpp"

#include <algorithm>
#include <stdexcept>

namespace cipher {
namespace {

std::u16string PaneText(std::u32string_view text, LineBreaks lineBreaks) {
    std::u16string pane = utf16::FromText(text);
    if (lineBreaks == LineBreaks::CrLf) {
        return pane;
    }
    std::u16string joined;
    joined.reserve(pane.size());
    for (std::size_t i = 0; i < pane.size(); ++i) {
        if (!(pane[i] == u'\r' && i + 1 < pane.size() && pane[i + 1] == u'\n')) {
            joined += pane[i];
        }
    }
    return joined;
}

} // namespace

bool IsInputField(const layout::Control& control) {
    return control.kind == layout::Kind::TextField && !control.readOnly;
}

WorksheetBinding::WorksheetBinding(LineBreaks lineBreaks, NormalFormC normalise)
    : lineBreaks_(lineBreaks), normalise_(normalise), given_(layout::Controls().size()) {}

Shown WorksheetBinding::ShownBy(const layout::Control& control) const {
    const auto index = static_cast<std::size_t>(control.index);
    using Headers = decltype(Worksheet::Label1);
    switch (control.kind) {
    case layout::Kind::TextField:
        return {utf16::FromText(sheet_.Text2[index].text()), {}};
    case layout::Kind::TextPane:
        return {PaneText(sheet_.Text1[index].text(), lineBreaks_), {}};
    case layout::Kind::List: {
        Shown shown;
        for (const Text& item : sheet_.List1[index].items()) {
            shown.items.push_back(utf16::FromText(item));
        }
        return shown;
    }
    case layout::Kind::Label:
        if (index >= Headers::kFirst && index <= Headers::kLast) {
            return {utf16::FromText(sheet_.Label1[index].caption()), {}};
        }
        break;
    case layout::Kind::Button:
        break;
    }
    return {utf16::FromText(control.caption), {}};
}

std::vector<WorksheetBinding::Change> WorksheetBinding::Changes() {
    std::vector<Change> changes;
    const auto controls = layout::Controls();
    for (std::size_t row = 0; row < controls.size(); ++row) {
        if (!controls[row].shown) {
            continue;
        }
        Shown now = ShownBy(controls[row]);
        if (given_[row] != now) {
            given_[row] = std::move(now);
            changes.push_back({controls[row], row, *given_[row]});
        }
    }
    return changes;
}

void WorksheetBinding::Click(std::int16_t index) {
    Command1Click(sheet_, index);
}

WorksheetBinding::FieldText WorksheetBinding::Kept(std::size_t field, std::u16string_view edited,
                                                   std::size_t cursor) const {
    const Field& before = sheet_.Text2[field];
    const std::u32string typed = utf16::ToText(edited);
    // Behind the cursor stands what stood there before the edit, so the cursor keeps its
    // distance from the end however the text in front of it was rewritten.
    const std::size_t behindCursor = typed.size() - utf16::CharactersBefore(edited, cursor);
    const std::u32string line = normalise_(field_rules::SingleLine(typed));
    const std::size_t at = line.size() - std::min(line.size(), behindCursor);
    const field_rules::Edit kept =
        field_rules::WithinLimit(before.text(), line, at, before.maxLength());
    return {utf16::FromText(kept.text), utf16::UnitsOf(kept.text, kept.cursor)};
}

void WorksheetBinding::Take(std::size_t field, std::u16string_view shown) {
    const std::size_t row = layout::RowOf("Text2", static_cast<int>(field));
    if (!IsInputField(layout::Controls()[row])) {
        throw std::out_of_range(layout::NameOf(layout::Controls()[row]) + " is not an input field");
    }
    sheet_.Text2[field].setText(utf16::ToText(shown));
    given_[row] = Shown{utf16::FromText(sheet_.Text2[field].text()), {}};
}

} // namespace cipher
