// SPDX-License-Identifier: MIT
// The window's layout table: sizes in pixels, names and the keyboard order.
#include "window/layout.hpp"

#include "expected/window_pixels.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace cipher::layout {
namespace {

TEST(Layout, ClientAreaIs481By424PixelsAt96DotsPerInch) {
    EXPECT_EQ(ToPixels(MainWindow().client.width, 96), expected::kClientWidth);
    EXPECT_EQ(ToPixels(MainWindow().client.height, 96), expected::kClientHeight);
    EXPECT_EQ(ToPixels(MainWindow().client.width, 144), 722); // 721.5 rounds up
    EXPECT_EQ(ToPixels(15, 96), 1);
}

TEST(Layout, EveryShownControlLiesInsideTheClientArea) {
    const Twips client = MainWindow().client;
    for (const Control& control : Controls()) {
        if (!control.shown) {
            continue;
        }
        SCOPED_TRACE(NameOf(control));
        EXPECT_GE(control.bounds.left, 0);
        EXPECT_GE(control.bounds.top, 0);
        EXPECT_LE(control.bounds.left + control.bounds.width, client.width);
        EXPECT_LE(control.bounds.top + control.bounds.height, client.height);
    }
}

TEST(Layout, NamesAreUniqueAndSpellArrayAndIndex) {
    std::set<std::string> names;
    for (const Control& control : Controls()) {
        EXPECT_TRUE(names.insert(NameOf(control)).second) << NameOf(control);
    }
    EXPECT_EQ(names.size(), 17u);
    EXPECT_EQ(NameOf(Controls()[2]), "Text2(0)");
    EXPECT_EQ(RowNamed("Text2(0)"), 2u);
    EXPECT_EQ(RowOf("Text2", 0), 2u);
    EXPECT_THROW((void)RowOf("Text2", 3), std::out_of_range);
}

TEST(Layout, TabOrderNamesEveryFocusableControlOnce) {
    std::set<std::string, std::less<>> inOrder(TabOrder().begin(), TabOrder().end());
    EXPECT_EQ(inOrder.size(), TabOrder().size());
    for (const Control& control : Controls()) {
        const bool focusable = control.shown && control.kind != Kind::Label;
        EXPECT_EQ(inOrder.count(NameOf(control)), focusable ? 1u : 0u) << NameOf(control);
    }
    EXPECT_EQ(TabOrder().front(), "Text1(0)");
}

TEST(Layout, UnknownControlNameIsRefused) {
    EXPECT_EQ(ControlNamed("Command1(1)").caption, U"Чисти");
    EXPECT_THROW((void)ControlNamed("Command1(2)"), std::out_of_range);
}

} // namespace
} // namespace cipher::layout
