// SPDX-License-Identifier: MIT
#include "app/display.hpp"

#include <cstdlib>

namespace cipher {
namespace {

bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

} // namespace

bool HasDisplay() {
#if defined(__linux__) || defined(__FreeBSD__)
    return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace cipher
