// Chart primitives on the recording canvas beyond what the bar diagrams' golden files draw: the value-axis
// top at and just below each ladder's rungs and past its last, labels that must fit, the 3-D days axis
// and sport bar, the type legend, and the truncation of products.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "charts/axis_maximum.h"
#include "charts/chart_axes.h"
#include "charts/chart_bars.h"
#include "charts/drawing_log.h"
#include "charts/chart_frame.h"
#include "charts/chart_legends.h"
#include "charts/chart_texts.h"
#include "model/diagram_quantity.h"
#include "platform/headless/recording_canvas.h"

using namespace sb::charts;
using namespace sb::model;
using sb::platform::Point;
using sb::platform::Rect;
using sb::platform::headless::CallKind;
using sb::platform::headless::DrawCall;
using sb::platform::headless::RecordingCanvas;
using sb::charts::testing::expectDrawing;

namespace {

// The recording canvas with the diagram font: line height 28, character width 10, height 26.
RecordingCanvas diagramCanvas() {
    RecordingCanvas canvas;
    selectDiagramFont(canvas);
    return canvas;
}

// Digits about as wide as the screen font's (15/26 of the font height), wider than the recording
// canvas's own ten units.
class WideDigitCanvas : public RecordingCanvas {
  public:
    int textWidth(std::string_view text) const override { return widthAt(text, state().font.height); }
    static int widthAt(std::string_view text, int fontHeight) {
        return int(text.size()) * fontHeight * 15 / 26;
    }
};

void expectLadder(int code, const std::vector<float>& rungs) {
    for (std::size_t i = 0; i < rungs.size(); ++i) {
        float below = std::nextafter(rungs[i], 0.0f);
        EXPECT_EQ(axisMaximum(code, below), rungs[i]) << code << " below " << rungs[i];
        float expectedAt = i + 1 < rungs.size() ? rungs[i + 1] : rungs[i];
        EXPECT_EQ(axisMaximum(code, rungs[i]), expectedAt) << code << " at " << rungs[i];
    }
    float beyond = rungs.back() * 3.5f;
    EXPECT_EQ(axisMaximum(code, beyond), beyond) << code;
    EXPECT_EQ(axisMaximum(code, -7), 0.1f) << code;
}

}  // namespace

TEST(AxisMaximum, LaddersRoundUpToTheFirstRungAboveTheValue) {
    std::vector<float> amounts{0.1f, 5, 10, 25, 50, 100, 250, 500, 1000, 2500, 5000, 7500, 10000, 25000};
    for (int code : {kKmBike, kKmRun, kKmOther, kTimeBike, kTimeTotal, kTimeBySport, kClimbing, kTime,
                     kActualKmBike, kActualTimeOther})
        expectLadder(code, amounts);
    for (int code : {kAverageWeight, kAverageRestingPulse}) expectLadder(code, {0.1f, 50, 75, 100, 125, 150});
    for (int code : {kCountBike, kCountTotal}) expectLadder(code, {0.1f, 5, 10, 15, 20, 25, 30, 40});
}

TEST(AxisMaximum, LoadIsFixedAndDayValuesKeepTheirMaximum) {
    for (float value : {0.0f, 3.0f, 5.0f, 17.0f}) EXPECT_EQ(axisMaximum(kLoad, value), 5);
    for (int code : std::initializer_list<int>{kWeight, kRestingPulse, kXyPulse, kXyTemperature, 0, 121}) {
        EXPECT_EQ(axisMaximum(code, 0), 0) << code;
        EXPECT_EQ(axisMaximum(code, 68.3f), 68.3f) << code;
    }
}

TEST(ChartPrimitives, ValueAxisLadderLabelsAndGrid) {
    // Largest value 0: no labels, the grid remains; no axis top: nothing at all. Axis tops of 5 and 50
    // with their labels are drawn in the bar diagrams' golden files.
    for (auto [style, unit, top, largest, name] :
         {std::tuple{kThreeDStyle, 815.0 / 5, 5.0, 0.0, "value_axis_3d_empty"},
          {kBarStyle, 840 / 0.1, 0.1, 0.05, "value_axis_tenth"},
          {kBarStyle, 840 / 0.0, 0.0, 0.0, "value_axis_none"}}) {
        RecordingCanvas canvas = diagramCanvas();
        drawValueAxis(canvas, style, 28, unit, top, largest);
        expectDrawing(canvas, std::string("charts/") + name);
    }
}

TEST(ChartPrimitives, ValueLabelsFitLeftOfTheAxisAtEveryAxisTop) {
    for (int code = kKmBike; code <= kActualTimeOther; ++code) {
        for (float largest : {24999.0f, 149.0f, 39.0f, 4.0f, 99999.0f, 654321.0f}) {
            float top = axisMaximum(code, largest);
            WideDigitCanvas canvas;
            selectDiagramFont(canvas);
            drawValueAxis(canvas, kBarStyle, 28, 840 / top, top, largest);
            auto labels = canvas.callsOf(CallKind::Text);
            ASSERT_EQ(labels.size(), 6u);
            for (const DrawCall* label : labels) {
                int height = label->state.font.height;
                EXPECT_EQ(height, labels.back()->state.font.height) << code;  // one font for the axis
                EXPECT_EQ(label->points[0].x, 80 - 28) << code << " " << label->text;
                EXPECT_GT(label->points[0].x - WideDigitCanvas::widthAt(label->text, height), 0)
                    << code << " " << label->text;
                EXPECT_GE(height, labels.back()->text.size() <= 5 ? 16 : 12) << code << " " << label->text;
            }
            EXPECT_EQ(canvas.state().font.height, 26);
        }
    }
}

// The other category axes are drawn in the bar diagrams' golden files, where no month diagram is 3-D.
// Day ticks stand at the origin and at the centre of every fifth day, measured from the origin.
TEST(ChartPrimitives, DaysAxisIn3D) {
    RecordingCanvas canvas = diagramCanvas();
    drawCategoryAxis(canvas, kThreeDStyle, kDaysOfMonthAxis, 28, float(1245.0 / 31));
    expectDrawing(canvas, "charts/days_axis_3d");
}

// Flat and 3-D bars and the sport legend are drawn in the bar diagrams' golden files; no diagram there
// stacks sports in 3-D.
TEST(ChartPrimitives, ThreeDSportBar) {
    RecordingCanvas sportBar;
    drawSportBar(sportBar, kThreeDStyle, {100, 500, 200, 940}, 10, colour::run);
    expectDrawing(sportBar, "charts/sport_bar_3d");
    EXPECT_EQ(sportBar.state().brush, sb::platform::Brush{});  // the caller's brush is back
}

TEST(ChartPrimitives, LegendsAndTexts) {
    RecordingCanvas types = diagramCanvas(), pulse = diagramCanvas();
    std::array<std::string, 10> labels{"k. A.", "Kraftausdauer", "ä"};
    drawTypeLegend(types, labels, std::array<sb::platform::Colour, 10>{});
    // Titles and units are drawn in the bar diagrams' golden files; a resting pulse has no unit.
    drawUnit(pulse, kBarStyle, 119);
    expectDrawing(types, "charts/type_legend");
    EXPECT_TRUE(pulse.calls().empty());
}

// Letters three times the recording canvas's width: the type legend grows to the left, at most to the
// value axis, and a label wider even then loses its end; every text stays inside the box.
TEST(ChartPrimitives, WideTypeLabelsStayInsideTheirLegendBox) {
    class WideTextCanvas : public RecordingCanvas {
      public:
        int textWidth(std::string_view text) const override { return 3 * RecordingCanvas::textWidth(text); }
    } canvas;
    selectDiagramFont(canvas);
    std::array<std::string, 10> labels{"k. A.", std::string(49, 'W'), "Grundlagenausdauer"};
    drawTypeLegend(canvas, labels, std::array<sb::platform::Colour, 10>{});
    const Rect box = canvas.callsOf(CallKind::Rectangle)[0]->rect();
    EXPECT_EQ(box.left, frame::originX);
    EXPECT_NE(canvas.findText("Grundlagenausdauer"), nullptr);
    for (const DrawCall* text : canvas.callsOf(CallKind::Text))
        EXPECT_LE(text->points[0].x + canvas.textWidth(text->text), box.right) << text->text;
    EXPECT_TRUE(canvas.texts()[1].ends_with("W…")) << canvas.texts()[1];
}

TEST(ChartPrimitives, TruncationAndFrameSetUps) {
    // 335.99999999999994 is a product that is whole in exact arithmetic.
    for (auto [value, truncatedValue] : {std::pair{335.99999999999994, 336}, {764.4, 764}, {-3.7, -3},
                                         {std::numeric_limits<double>::quiet_NaN(), 0}})
        EXPECT_EQ(truncated(value), truncatedValue) << value;
    EXPECT_GT(truncated(std::numeric_limits<double>::infinity()), 1000000);

    RecordingCanvas screen({700, 560});
    setupScreenFrame(screen, {0, 30, 700, 530});
    EXPECT_EQ(std::pair(screen.state().mapping.viewportOrigin, screen.state().mapping.viewportExtent),
              std::pair(Point{0, 30}, sb::platform::Size{700, 500}));
    EXPECT_EQ(screen.calls()[0].rect(), (Rect{0, 0, 1400, 1000}));
}
