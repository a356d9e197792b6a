// The canvas mapping, the recording canvas's log and metrics, menu look-up and sorted-list order.
#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "platform/headless/recording_canvas.h"
#include "platform/menu.h"

using namespace sb::platform;
using namespace sb::platform::headless;

TEST(Canvas, MapsTheLogicalWindowOntoTheDevice) {
    EXPECT_EQ(rgb(255, 64, 64), 0x004040FFu);
    EXPECT_EQ(blueOf(rgb(10, 120, 220)), 220);

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

TEST(RecordingCanvas, KeepsEveryCallWithItsState) {
    RecordingCanvas canvas;
    canvas.setPen({rgb(128, 128, 128), 0, PenStyle::Dotted});
    canvas.drawLine({80, 940}, {1350, 940});
    canvas.setPen({});
    canvas.setBrush(Brush::checkerboard(rgb(255, 64, 64), rgb(0, 0, 0)));
    canvas.drawPolygon({{10, 10}, {20, 5}, {20, 30}});
    canvas.setBrush(Brush::solid(rgb(240, 240, 240)));
    canvas.drawRectangle({80, 941, 1351, 100});
    canvas.drawPie({0, 0, 100, 100}, 90, 36);
    canvas.setTextBackground(rgb(255, 255, 255));
    canvas.drawText({700, 20}, "Trainingsjahr : 2008", {HAlign::Centre, VAlign::Top});

    ASSERT_EQ(canvas.calls().size(), 5u);
    EXPECT_EQ(canvas.strokedWith(rgb(128, 128, 128)).size(), 1u);
    EXPECT_EQ(canvas.strokedWith(rgb(128, 128, 128))[0]->pen().style, PenStyle::Dotted);
    EXPECT_EQ(canvas.filledWith(rgb(255, 64, 64))[0]->brush().second, rgb(0, 0, 0));
    auto background = canvas.filledWith(rgb(240, 240, 240));
    ASSERT_EQ(background.size(), 2u);
    EXPECT_EQ(background[0]->rect(), (Rect{80, 941, 1351, 100}));
    EXPECT_EQ(background[1]->sweepDegrees, 36);

    const DrawCall* title = canvas.findText("Trainingsjahr : 2008");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->points[0], (Point{700, 20}));
    EXPECT_EQ(title->align.horizontal, HAlign::Centre);
    EXPECT_EQ(title->state.textBackground, rgb(255, 255, 255));
    EXPECT_EQ(canvas.findText("Trainingsjahr"), nullptr);
}

TEST(RecordingCanvas, HasFixedTextMetrics) {
    RecordingCanvas canvas;
    canvas.setFont({26});
    TextMetrics diagram = canvas.textMetrics();
    EXPECT_EQ(diagram.height, 26);
    EXPECT_EQ(diagram.lineHeight(), 28);
    EXPECT_EQ(diagram.averageCharWidth, 10);
    EXPECT_EQ(canvas.textWidth("Mär"), 30);  // characters, not bytes
    canvas.setFont({});
    EXPECT_EQ(canvas.textMetrics().height, 20);
}

TEST(Menu, FindsCommandsInPopups) {
    std::vector<MenuItem> bar{
        MenuItem::popup("&Datei", {MenuItem::command("Ö&ffnen\tCrtl+O", 11), MenuItem::separatorLine(),
                                   MenuItem::command("&Beenden", 17, true)})};
    ASSERT_NE(findMenuItem(bar, 17), nullptr);
    EXPECT_TRUE(findMenuItem(bar, 17)->greyed);
    EXPECT_EQ(findMenuItem(bar, 0), nullptr);  // neither the popup nor the separator
}

TEST(SortedList, OrdersLikeTheListControl) {
    std::vector<std::string> items;
    for (const char* name : {"Waldrunde", "berg", "Alpen", "Berg", "Zeil"}) {
        items.insert(items.begin() + sortedInsertPosition(items, name), name);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"Alpen", "Berg", "berg", "Waldrunde", "Zeil"}));
}
