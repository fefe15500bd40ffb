// SPDX-License-Identifier: MIT
// The program's start in a web page: it shows MainForm, which the page's events drive from then
// on; the page itself is the window's lifetime.
#include "window/web/main_form.hpp"

int main() {
    cipher::web::showMainForm();
    return 0;
}
