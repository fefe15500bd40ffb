// SPDX-License-Identifier: MIT
// The one tie between the worksheet and a window, whatever its toolkit: what each control of the
// layout table shows of the worksheet, and how a student's edit of the two input fields becomes
// the worksheet's text. A front end creates the controls, moves text between them and this
// binding, and paints; every rule about the text itself is here, once.
#pragma once

#include "window/layout.hpp"
#include "worksheet/worksheet.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cipher {

// How the toolkit's multi-line text wants its line breaks; the worksheet keeps CR LF.
enum class LineBreaks { CrLf, Lf };

// What one control shows, in the UTF-16 that every toolkit speaks.
struct Shown {
    std::u16string text;               // a caption, a field's text or the pane's text
    std::vector<std::u16string> items; // a list's items, in the worksheet's order
    bool operator==(const Shown&) const = default;
};

// The toolkit's own normaliser to form C, in the toolkit's UTF-16. Toolkits carry the Unicode
// tables for it, so the program does not carry a second copy.
using NormalFormC = std::u16string (*)(std::u16string_view text);

// A field the student can type into: Text2(0) and Text2(1).
bool isInputField(const layout::Control& control);

class WorksheetBinding {
public:
    WorksheetBinding(LineBreaks lineBreaks, NormalFormC normalise);

    const Worksheet& worksheet() const noexcept { return sheet_; }

    // A control to rewrite: its row in layout::controls(), and all it shows now.
    struct Change {
        std::size_t row;
        layout::Kind kind;
        Shown shown;
    };
    // The shown controls whose content differs from what the window was last given, at the first
    // call every shown control. A front end rewrites only these, so that a field keeps its cursor
    // and nothing flickers. The changes are the front end's own: nothing it does while it shows
    // them, not even an edit, touches them.
    std::vector<Change> changesToShow();

    // A click on Command1(index), handed to the worksheet's dispatch. Returns the message that the
    // command wrote into Text1(0), for a screen reader to say even when the pane showed it
    // already: Кодирай always ends with one, a result or a rejection; Чисти writes none.
    std::u16string click(std::int16_t index);

    struct FieldText {
        std::u16string text;
        std::size_t cursor; // in UTF-16 units
        // The same text as one replacement of what the field showed before the edit, the way a
        // toolkit records an edit that the student can undo: units [from, to) of it become
        // `replacement`, after which the cursor stands.
        std::size_t from;
        std::size_t to;
        std::u16string replacement;
    };
    // The student's edit (typing, pasting, deleting, an input method) turned input field
    // Text2(field) into `edited`, with the cursor `cursor` UTF-16 units in. What the field may
    // keep of it: one line in form C, a lone surrogate as U+FFFD, and of what the edit inserted
    // only what fits within the field's limit, cut between whole characters. The text before the
    // edit is the worksheet's, which always equals what the field showed. A text the field shows
    // is kept as it is. Throws std::out_of_range for a field that is not an input field.
    FieldText kept(std::size_t field, std::u16string_view edited, std::size_t cursor) const;

    // The same, and the worksheet takes the kept text: the field must show it, with the cursor
    // where this says.
    FieldText keepEdit(std::size_t field, std::u16string_view edited, std::size_t cursor);

    // What input field Text2(field) shows: the worksheet's text, in UTF-16.
    std::u16string fieldText(std::size_t field) const;

private:
    Shown shownBy(const layout::Control& control) const;
    // The row of input field Text2(field) in the layout table; throws for any other field.
    std::size_t inputRow(std::size_t field) const;

    Worksheet sheet_;
    LineBreaks lineBreaks_;
    NormalFormC normalise_;
    // The row of each input field in the layout table, by its index in Text2.
    std::array<std::optional<std::size_t>, decltype(Worksheet::Text2)::kLast + 1> inputRows_;
    // What each row of the layout table was last given; empty before the first changesToShow().
    std::vector<std::optional<Shown>> given_;
};

} // namespace cipher
