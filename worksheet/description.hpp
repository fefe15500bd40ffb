// SPDX-License-Identifier: MIT
// The description of the cipher that the message pane shows when the window opens.
#pragma once

#include <string_view>

namespace cipher {

// Its five paragraphs as the pane holds them: each ended by a line break (CR LF).
std::u32string_view Description();

} // namespace cipher
