// SPDX-License-Identifier: MIT
// The description of the cipher that the message pane shows when the window opens.
#pragma once

#include <span>
#include <string_view>

namespace cipher {

// Its five paragraphs, without line breaks.
std::span<const std::u32string_view> DescriptionParagraphs();

// The paragraphs as the pane holds them: each ended by a line break (CR LF).
std::u32string_view Description();

} // namespace cipher
