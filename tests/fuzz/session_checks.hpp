// SPDX-License-Identifier: MIT
// What must hold after each action of a fuzzed session, worked out from the worksheet as it was
// before the action and from the rules of the cipher, not by running the cipher steps again.
// A check that fails prints what it found and aborts, so that the fuzzer keeps the input.
#pragma once

#include "worksheet/worksheet.hpp"

#include <array>
#include <vector>

namespace cipher::fuzz {

// Everything the worksheet holds, to compare it before and after an action.
struct Snapshot {
    explicit Snapshot(const Worksheet& sheet);
    bool operator==(const Snapshot&) const = default;

    std::array<Text, 3> fields;
    Text message;
    Text plainHeader;
    Text cipherHeader;
    std::array<std::vector<Text>, 5> lists;
};

// A field took a typed or pasted text: only that field changed, and it kept the text's first
// characters up to its limit.
void CheckTyped(const Snapshot& before, const Worksheet& after, std::size_t field,
                const Text& typed);

// Encrypt ran: its message is the one the input calls for, and the worksheet holds the
// matrices, headers and ciphertext of that input, or, after a rejection, no lists and the
// earlier ciphertext and headers.
void CheckEncrypted(const Snapshot& before, const Worksheet& after);

// ClearAll ran: fields and lists are empty, the message and the headers are as they were.
void CheckCleared(const Snapshot& before, const Worksheet& after);

// A click on a button that does not exist changed nothing.
void CheckUnchanged(const Snapshot& before, const Worksheet& after);

} // namespace cipher::fuzz
