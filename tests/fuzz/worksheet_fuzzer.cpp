// SPDX-License-Identifier: MIT
// The fuzz target of the worksheet: one worksheet, as the window opens it, takes the typing and
// the clicks that the input describes (see fuzz_input.hpp), and every action is checked.
#include "fuzz_input.hpp"
#include "session_checks.hpp"
#include "worksheet/commands.hpp"

#include <cstddef>
#include <cstdint>

namespace cipher::fuzz {
namespace {

void Click(Worksheet& sheet, std::int16_t index) {
    const Snapshot before(sheet);
    Command1Click(sheet, index);
    if (index == kEncryptButton) {
        CheckEncrypted(before, sheet);
    } else if (index == kClearButton) {
        CheckCleared(before, sheet);
    } else {
        CheckUnchanged(before, sheet);
    }
}

void Type(Worksheet& sheet, std::size_t field, const Text& typed) {
    const Snapshot before(sheet);
    sheet.Text2[field].setText(typed);
    CheckTyped(before, sheet, field, typed);
}

} // namespace
} // namespace cipher::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cipher::fuzz;
    cipher::Worksheet sheet;
    SessionReader session({data, size});
    while (!session.atEnd()) {
        switch (session.nextAction()) {
        case Action::TypePlaintext:
            Type(sheet, 0, session.nextText());
            break;
        case Action::TypeKey:
            Type(sheet, 1, session.nextText());
            break;
        case Action::ClickEncrypt:
            Click(sheet, cipher::kEncryptButton);
            break;
        case Action::ClickClear:
            Click(sheet, cipher::kClearButton);
            break;
        case Action::ClickIndex:
            Click(sheet, session.nextIndex());
            break;
        }
    }
    return 0;
}
