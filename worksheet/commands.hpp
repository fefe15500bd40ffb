// SPDX-License-Identifier: MIT
// The two commands of the window's buttons and the dispatch that a click enters by.
#pragma once

#include "worksheet/worksheet.hpp"

#include <cstdint>

namespace cipher {

inline constexpr std::int16_t kEncryptButton = 0; // Command1(0), "Кодирай"
inline constexpr std::int16_t kClearButton = 1;   // Command1(1), "Чисти"

// Clears the lists and runs the cipher steps; ends with the completion message, or stops at a
// rejection, whose message then stands in Text1[0]. The previous ciphertext is not emptied.
void Encrypt(Worksheet& sheet);

// Empties the three text fields and the five lists. The message and the headers stay.
void ClearAll(Worksheet& sheet);

// A click on button Command1(index): 0 encrypts, 1 clears, any other index does nothing.
void Command1Click(Worksheet& sheet, std::int16_t index);

} // namespace cipher
