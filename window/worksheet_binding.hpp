// SPDX-License-Identifier: MIT
// The one tie between the worksheet and a window, whatever its toolkit: what each control of the
// layout table shows of the worksheet, and how the text a student types or pastes into the two
// input fields becomes the worksheet's text. A front end creates the controls, moves text between
// them and this binding, and paints; every rule about the text itself is here, once.
#pragma once

#include "window/layout.hpp"
#include "worksheet/worksheet.hpp"

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

// The toolkit's own normaliser to form C. Toolkits carry the Unicode tables for it, so the
// program does not carry a second copy.
using NormalFormC = std::u32string (*)(std::u32string_view text);

// A field the student can type into: Text2(0) and Text2(1).
bool IsInputField(const layout::Control& control);

class WorksheetBinding {
public:
    WorksheetBinding(LineBreaks lineBreaks, NormalFormC normalise);

    const Worksheet& worksheet() const noexcept { return sheet_; }

    struct Change {
        const layout::Control& control;
        std::size_t row; // its row in layout::Controls()
        const Shown& shown;
    };
    // The shown controls whose content differs from what they were last given, with what they
    // show now; at the first call every shown control. A front end rewrites only these, so a
    // field keeps its cursor and nothing flickers. Valid until the next call.
    std::vector<Change> Changes();

    // A click on Command1(index), handed to the worksheet's dispatch.
    void Click(std::int16_t index);

    struct FieldText {
        std::u16string text;
        std::size_t cursor; // in UTF-16 units
    };
    // What input field Text2(field) keeps when an edit (typing, pasting, deleting, an input
    // method) turned its text into `edited` with the cursor `cursor` UTF-16 units in: a lone
    // surrogate becomes U+FFFD, the text one line in form C, and of what the edit inserted only
    // what fits within the field's limit, cut between whole characters. The text before the
    // edit is the worksheet's, which always equals what the field showed.
    FieldText Kept(std::size_t field, std::u16string_view edited, std::size_t cursor) const;

    // Input field Text2(field) now shows `shown`: the worksheet follows it. Called on every
    // change of the field's text, after Kept has had its say.
    void Take(std::size_t field, std::u16string_view shown);

private:
    Shown ShownBy(const layout::Control& control) const;

    Worksheet sheet_;
    LineBreaks lineBreaks_;
    NormalFormC normalise_;
    // What each row of the layout table was last given; empty before the first Changes().
    std::vector<std::optional<Shown>> given_;
};

} // namespace cipher
