// The canvas mapping from logical to device units and back.
#include <gtest/gtest.h>

#include "platform/canvas.h"

using namespace sb::platform;

TEST(Canvas, MapsTheLogicalWindowOntoTheDevice) {
    EXPECT_EQ(std::pair(rgb(255, 64, 64), blueOf(rgb(10, 120, 220))), std::pair(0x004040FFu, 220));

    // The diagram window on the upper half of a printed page.
    Mapping page{{0, 0}, {1400, 1000}, {150, 250}, {4660, 3225}};
    EXPECT_EQ(toDevice(page, Point{0, 0}), (Point{150, 250}));
    EXPECT_EQ(toDevice(page, Point{1400, 1000}), (Point{4810, 3475}));
    EXPECT_EQ(toDevice(page, Point{700, 500}), (Point{2480, 1863}));  // 1612.5 rounds up
    EXPECT_EQ(toLogical(page, Point{2480, 1863}), (Point{700, 500}));
    EXPECT_EQ(toDevice(page, Rect{80, 100, 1350, 940}), (Rect{416, 573, 4644, 3282}));

    Mapping collapsed{{0, 0}, {1400, 1000}, {5, 7}, {0, 0}};
    EXPECT_EQ(toLogical(collapsed, Point{300, 300}), (Point{0, 0}));
    EXPECT_EQ(toDevice(collapsed, Point{300, 300}), (Point{5, 7}));
}
