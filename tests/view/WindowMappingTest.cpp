#include "view/WindowMapping.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

TEST(WindowMapping, MapsEachAxisByItsOwnOriginAndExtent) {
    const struct {
        WindowMapping m;
        int x, y;
        double deviceX, deviceY;
    } cases[] = {
        {{0, 0, 10, 10}, 57344, 1400, 5734.4, 140}, // genome page of one array, Monitor preset
        {{0, 0, 20, 10}, 2000, 7000, 100, 700},     // merged genome page
        {{2500, 0, 1, 4}, 3000, 700, 500, 175},     // chromosome panned in the Explore preset
        {{0, 5500, 5, 2}, 1500, 5900, 300, 200},    // "CGH View" of the compensation page
        {{0, 0, 0, 0}, 30, 40, 30, 40},             // no extent chosen yet: one unit per pixel
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(c.m.deviceX(c.x), c.deviceX);
        EXPECT_DOUBLE_EQ(c.m.deviceY(c.y), c.deviceY);
        EXPECT_EQ(c.m.logicalX(c.deviceX), c.x);
        EXPECT_EQ(c.m.logicalY(c.deviceY), c.y);
    }
}

TEST(WindowMapping, PensAreNeverThinnerThanOnePixel) {
    const WindowMapping monitor{0, 0, 10, 10};
    EXPECT_DOUBLE_EQ(monitor.penWidth(1), 1.0);
    EXPECT_DOUBLE_EQ(monitor.penWidth(5), 1.0);
    EXPECT_DOUBLE_EQ(monitor.penWidth(30), 3.0);
    const WindowMapping cgh{0, 5500, 5, 2};
    EXPECT_DOUBLE_EQ(cgh.penWidth(10), 2.0);
    const WindowMapping page{0, 0, 1, 1};
    EXPECT_DOUBLE_EQ(page.penWidth(3), 3.0);
}

} // namespace
} // namespace varn
