// SPDX-License-Identifier: MIT
#include "window/colours.hpp"

namespace cipher::colours {

PartColours coloursOf(Part part, layout::Rgb described, bool highContrast) {
    if (part == Part::Field) {
        return {Role::WindowFace, Role::WindowText, std::nullopt};
    }
    if (!highContrast) {
        const layout::Rgb text = layout::mainWindow().text;
        return {described, text, part == Part::Button ? std::optional<Colour>(text) : std::nullopt};
    }
    if (part == Part::Button) {
        return {Role::ButtonFace, Role::ButtonText, Role::WindowText};
    }
    return {Role::WindowFace, Role::WindowText, std::nullopt};
}

} // namespace cipher::colours
