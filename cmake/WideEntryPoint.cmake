# SPDX-License-Identifier: MIT
# Windows programs of the project start at wWinMain, which takes the command line in UTF-16.
# MinGW links that entry point only with -municode; MSVC finds it by itself.
function(matrix_cipher_wide_entry_point target)
    if(MINGW)
        target_compile_options(${target} PRIVATE -municode)
        target_link_options(${target} PRIVATE -municode)
    endif()
endfunction()
