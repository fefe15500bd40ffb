// SPDX-License-Identifier: MIT
// Resource numbers shared by the program's code and its resource script, which windres reads
// with the C preprocessor, hence plain macros.
#pragma once

#define MATRIX_CIPHER_ICON 1
