// SPDX-License-Identifier: MIT
#include "window/worksheet_binding.hpp"

#include "window/field_rules.hpp"
#include "window/utf16.hpp"
#include "worksheet/commands.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace cipher {
namespace {

std::u16string paneText(std::u32string_view text, LineBreaks lineBreaks) {
    std::u16string pane = utf16::fromText(text);
    if (lineBreaks == LineBreaks::CrLf) {
        return pane;
    }
    std::u16string joined;
    joined.reserve(pane.size());
    for (std::size_t i = 0; i < pane.size(); ++i) {
        if (pane[i] != u'\r' || i + 1 >= pane.size() || pane[i + 1] != u'\n') {
            joined += pane[i];
        }
    }
    return joined;
}

} // namespace

bool isInputField(const layout::Control& control) {
    return control.kind == layout::Kind::TextField && !control.readOnly;
}

WorksheetBinding::WorksheetBinding(LineBreaks lineBreaks, NormalFormC normalise)
    : lineBreaks_(lineBreaks), normalise_(normalise), given_(layout::controls().size()) {
    const auto controls = layout::controls();
    for (std::size_t row = 0; row < controls.size(); ++row) {
        if (isInputField(controls[row])) {
            inputRows_.at(static_cast<std::size_t>(controls[row].index)) = row;
        }
    }
}

Shown WorksheetBinding::shownBy(const layout::Control& control) const {
    const auto index = static_cast<std::size_t>(control.index);
    using Headers = decltype(Worksheet::Label1);
    switch (control.kind) {
    case layout::Kind::TextField:
        return {utf16::fromText(sheet_.Text2[index].text()), {}};
    case layout::Kind::TextPane:
        return {paneText(sheet_.Text1[index].text(), lineBreaks_), {}};
    case layout::Kind::List: {
        Shown shown;
        for (const Text& item : sheet_.List1[index].items()) {
            shown.items.push_back(utf16::fromText(item));
        }
        return shown;
    }
    case layout::Kind::Label:
        if (index >= Headers::kFirst && index <= Headers::kLast) {
            return {utf16::fromText(sheet_.Label1[index].caption()), {}};
        }
        break;
    case layout::Kind::Button:
        break;
    }
    return {utf16::fromText(control.caption), {}};
}

std::vector<WorksheetBinding::Change> WorksheetBinding::changesToShow() {
    std::vector<Change> changes;
    const auto controls = layout::controls();
    for (std::size_t row = 0; row < controls.size(); ++row) {
        if (!controls[row].shown) {
            continue;
        }
        Shown now = shownBy(controls[row]);
        if (given_[row] != now) {
            given_[row] = now;
            changes.push_back({row, controls[row].kind, std::move(now)});
        }
    }
    return changes;
}

std::u16string WorksheetBinding::click(std::int16_t index) {
    Command1Click(sheet_, index);
    return index == kEncryptButton ? paneText(sheet_.Text1[0].text(), lineBreaks_) : u"";
}

std::size_t WorksheetBinding::inputRow(std::size_t field) const {
    const std::optional<std::size_t> row =
        field < inputRows_.size() ? inputRows_[field] : std::nullopt;
    if (!row) {
        throw std::out_of_range("Text2(" + std::to_string(field) + ") is not an input field");
    }
    return *row;
}

WorksheetBinding::FieldText WorksheetBinding::kept(std::size_t field, std::u16string_view edited,
                                                   std::size_t cursor) const {
    (void)inputRow(field);
    const Field& shown = sheet_.Text2[field];
    // Behind the cursor stands what stood there before the edit, so the cursor keeps its
    // distance from the end however the text in front of it was rewritten.
    const std::size_t behindCursor =
        utf16::charactersBefore(edited, edited.size()) - utf16::charactersBefore(edited, cursor);
    const Text line = utf16::toText(normalise_(field_rules::singleLine(edited)));
    const std::size_t at = line.size() - std::min(line.size(), behindCursor);
    const field_rules::Edit within =
        field_rules::withinLimit(shown.text(), line, at, shown.maxLength());

    FieldText result{
        utf16::fromText(within.text), utf16::unitsOf(within.text, within.cursor), 0, 0, {}};
    // What follows the cursor is what followed the edit: the replacement ends before it.
    const std::u16string before = utf16::fromText(shown.text());
    const std::size_t afterCursor = result.text.size() - result.cursor;
    const field_rules::Span span = field_rules::replacedSpan(
        before, result.text, result.cursor, before.size() - std::min(before.size(), afterCursor));
    result.from = span.from;
    result.to = span.to;
    result.replacement =
        result.text.substr(span.from, result.text.size() - (before.size() - span.to) - span.from);
    return result;
}

WorksheetBinding::FieldText
WorksheetBinding::keepEdit(std::size_t field, std::u16string_view edited, std::size_t cursor) {
    FieldText shown = kept(field, edited, cursor);
    sheet_.Text2[field].setText(utf16::toText(shown.text));
    given_[inputRow(field)] = Shown{shown.text, {}};
    return shown;
}

std::u16string WorksheetBinding::fieldText(std::size_t field) const {
    (void)inputRow(field);
    return utf16::fromText(sheet_.Text2[field].text());
}

} // namespace cipher
