// Pixels of the Qt canvas: the logical mapping, pens, the checkerboard and text placement, and PNG files
// that hold exactly the pixels drawn.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <filesystem>
#include <tuple>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/surface_render.h"

namespace sb::platform::qt {
namespace {

constexpr Colour red = rgb(255, 0, 0);
constexpr Colour blue = rgb(0, 0, 255);
constexpr Colour white = rgb(255, 255, 255);

Colour at(const QImage& image, int x, int y) {
    QColor c = image.pixelColor(x, y);
    return rgb(c.red(), c.green(), c.blue());
}

void expectPixels(const QImage& image, std::initializer_list<std::tuple<int, int, Colour>> pixels) {
    for (auto [x, y, colour] : pixels) EXPECT_EQ(at(image, x, y), colour) << x << "," << y;
}

TEST(QtCanvas, MapsTheLogicalWindowOntoThePixels) {
    // 1400 x 1000 logical units onto a 700 x 500 image: half size.
    QImage image = renderImage({700, 500}, [](Canvas& canvas) {
        canvas.setMapping({{0, 0}, {1400, 1000}, {0, 0}, {700, 500}});
        canvas.setPen({red, 0, PenStyle::None});
        canvas.setBrush(Brush::solid(blue));
        canvas.drawRectangle({200, 100, 400, 300});  // device (100,50) to (200,150), right/bottom excluded
        canvas.setPen({red, 0, PenStyle::Solid});
        canvas.drawLine({0, 800}, {1400, 800});  // device row 400
    });
    expectPixels(image, {{100, 50, blue}, {199, 149, blue}, {200, 100, white}, {150, 150, white}, {99, 50, white},
                         {0, 400, red}, {698, 400, red}, {10, 399, white}});

    // A viewport shifted and flipped upside down still lands where toDevice says.
    QImage flippedImage = renderImage({100, 100}, [](Canvas& canvas) {
        canvas.setMapping({{0, 0}, {100, 100}, {10, 90}, {80, -80}});
        canvas.setPen({red, 0, PenStyle::None});
        canvas.setBrush(Brush::solid(blue));
        canvas.drawRectangle({0, 0, 50, 50});
    });
    expectPixels(flippedImage, {{10, 89, blue}, {49, 51, blue}, {10, 90, white}, {50, 60, white}});
}

TEST(QtCanvas, OutlinesPensAndPatterns) {
    QImage image = renderImage({100, 100}, [](Canvas& canvas) {
        canvas.setPen({red, 0, PenStyle::Solid});
        canvas.setBrush(Brush::checkerboard(blue, white));
        canvas.drawRectangle({10, 10, 30, 30});
        canvas.setPen({red, 0, PenStyle::Dotted});
        canvas.drawLine({0, 50}, {100, 50});
        canvas.setPen({blue, 4, PenStyle::Solid});
        canvas.drawLine({10, 80}, {90, 80});
    });
    // Outline along the inner edge: columns 10 and 29 red, 30 untouched. Checkerboard aligned to device
    // pixels: set bits where x + y is even.
    expectPixels(image,
                 {{10, 20, red}, {29, 20, red}, {30, 20, white}, {12, 12, blue}, {13, 12, white}, {13, 13, blue}});
    // A dotted line leaves gaps.
    int dots = 0;
    for (int x = 0; x < 100; ++x) dots += at(image, x, 50) == red;
    EXPECT_GT(dots, 20);
    EXPECT_LT(dots, 80);
    // A 4-unit pen is 4 pixels thick.
    int thickness = 0;
    for (int y = 70; y < 90; ++y) thickness += at(image, 50, y) == blue;
    EXPECT_EQ(thickness, 4);
}

TEST(QtCanvas, PlacesTextByItsAnchorAndMeasuresInLogicalUnits) {
    int wocheWidth = 0;
    QImage image = renderImage({400, 200}, [&](Canvas& canvas) {
        canvas.setFont({26});
        const int fullWidth = canvas.textWidth("Trainingsjahr");
        EXPECT_EQ(canvas.textMetrics().height, 26);
        EXPECT_GT(canvas.textMetrics().averageCharWidth, 8);
        EXPECT_LT(canvas.textMetrics().averageCharWidth, 20);
        wocheWidth = canvas.textWidth("Woche");
        canvas.setTextBackground(blue);
        canvas.setTextColour(white);
        canvas.drawText({200, 10}, "Woche", {HAlign::Right, VAlign::Top});
        canvas.setTextBackground(std::nullopt);
        canvas.setMapping({{0, 0}, {800, 400}, {0, 0}, {400, 200}});
        EXPECT_EQ(canvas.textMetrics().height, 26);
        EXPECT_NEAR(canvas.textWidth("Trainingsjahr"), fullWidth, 6);
        // A narrow window: text shrinks with the width and so keeps its room in logical units.
        canvas.setMapping({{0, 0}, {800, 400}, {0, 0}, {150, 400}});
        EXPECT_NEAR(canvas.textWidth("Trainingsjahr"), fullWidth, fullWidth / 8);
    });
    // Right-aligned: the opaque box ends at x = 200 and starts at the top y = 10.
    expectPixels(image, {{199, 12, blue}, {201, 12, white}, {199, 8, white}, {200 - wocheWidth + 1, 12, blue},
                         {200 - wocheWidth - 2, 12, white}});
}

// One column per colour: the most colours a palette holds, and the first count beyond.
TEST(QtCanvas, WritesPngsLosslessWithAndWithoutPalette) {
    const auto file = std::filesystem::temp_directory_path() / "qt_canvas_test.png";
    for (int colours : {256, 257}) {
        const Drawing stripes = [colours](Canvas& canvas) {
            for (int x = 0; x < colours; ++x) {
                canvas.setPen({rgb(x % 256, x / 256 * 200, 40), 0, PenStyle::Solid});
                canvas.drawLine({x, 0}, {x, 20});
            }
        };
        ASSERT_TRUE(writePng(file.string(), {colours, 20}, stripes));
        const QImage written(QString::fromStdString(file.string()));
        EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), renderImage({colours, 20}, stripes)) << colours;
        EXPECT_EQ(written.format() == QImage::Format_Indexed8, colours == 256) << colours;
    }
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace sb::platform::qt
