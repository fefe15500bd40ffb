# SPDX-License-Identifier: MIT
# Builds every target that is added after this file with the sanitizers named in
# MATRIX_CIPHER_SANITIZERS (a list such as "address;undefined"). Set for the whole directory
# tree, not per target, so that a new library or program is covered without a line of its own.
set(MATRIX_CIPHER_SANITIZERS "" CACHE STRING
    "Sanitizers to build every target with, e.g. address;undefined (empty: none)")

if(MATRIX_CIPHER_SANITIZERS)
    if(MSVC)
        message(FATAL_ERROR "MATRIX_CIPHER_SANITIZERS is for GCC and Clang builds")
    endif()
    list(JOIN MATRIX_CIPHER_SANITIZERS "," sanitizers)
    # A finding stops the program at once, so that no test can pass over it; the frame pointers
    # keep the reports' stacks readable.
    add_compile_options(-fsanitize=${sanitizers} -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${sanitizers} -fno-sanitize-recover=all)
    # The standard library's own checks of indexes and of front() and back() on empty
    # containers: a read past a string's size but within its capacity is no error to ASan.
    add_compile_definitions(_GLIBCXX_ASSERTIONS)
endif()
