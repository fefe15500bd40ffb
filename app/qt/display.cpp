// SPDX-License-Identifier: MIT
#include "app/qt/display.hpp"

#include <cstdlib>

namespace cipher {
namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

} // namespace

bool hasDisplay() {
#if defined(__linux__) || defined(__FreeBSD__)
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace cipher
