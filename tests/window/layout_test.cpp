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
    EXPECT_EQ(toPixels(mainWindow().client.width, 96), expected::kClientWidth);
    EXPECT_EQ(toPixels(mainWindow().client.height, 96), expected::kClientHeight);
    EXPECT_EQ(toPixels(mainWindow().client.width, 144), 722); // 721.5 rounds up
    EXPECT_EQ(toPixels(15, 96), 1);
}

TEST(Layout, EveryShownControlLiesInsideTheClientArea) {
    const Twips client = mainWindow().client;
    for (const Control& control : controls()) {
        if (!control.shown) {
            continue;
        }
        SCOPED_TRACE(nameOf(control));
        EXPECT_GE(control.bounds.left, 0);
        EXPECT_GE(control.bounds.top, 0);
        EXPECT_LE(control.bounds.left + control.bounds.width, client.width);
        EXPECT_LE(control.bounds.top + control.bounds.height, client.height);
    }
}

TEST(Layout, NamesAreUniqueAndSpellArrayAndIndex) {
    std::set<std::string> names;
    for (const Control& control : controls()) {
        EXPECT_TRUE(names.insert(nameOf(control)).second) << nameOf(control);
    }
    EXPECT_EQ(names.size(), 17u);
    EXPECT_EQ(nameOf(controls()[2]), "Text2(0)");
    EXPECT_EQ(rowNamed("Text2(0)"), 2u);
    EXPECT_THROW((void)rowNamed("Command1(2)"), std::out_of_range);
}

TEST(Layout, TabOrderNamesEveryFocusableControlOnce) {
    std::set<std::string, std::less<>> inOrder(tabOrder().begin(), tabOrder().end());
    EXPECT_EQ(inOrder.size(), tabOrder().size());
    for (const Control& control : controls()) {
        const bool focusable = control.shown && control.kind != Kind::Label;
        EXPECT_EQ(inOrder.count(nameOf(control)), focusable ? 1u : 0u) << nameOf(control);
    }
    EXPECT_EQ(tabOrder().front(), "Text1(0)");
}

} // namespace
} // namespace cipher::layout
