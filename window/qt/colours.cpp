// SPDX-License-Identifier: MIT
#include "window/qt/colours.hpp"

#include <QGuiApplication>
#include <QPalette>

namespace cipher {

QColor toQColor(layout::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

QColor toQColor(const colours::Colour& colour) {
    if (const auto* rgb = std::get_if<layout::Rgb>(&colour)) {
        return toQColor(*rgb);
    }
    const QPalette palette = QGuiApplication::palette();
    switch (std::get<colours::Role>(colour)) {
    case colours::Role::WindowFace:
        return palette.color(QPalette::Window);
    case colours::Role::ButtonFace:
        return palette.color(QPalette::Button);
    case colours::Role::ButtonText:
        return palette.color(QPalette::ButtonText);
    case colours::Role::WindowText:
        break;
    }
    return palette.color(QPalette::WindowText);
}

} // namespace cipher
