// Chart primitives on the recording canvas: the value-axis ladder and its labels, the labels and ticks
// of the bar diagrams' category axes, 3-D bar faces, legend boxes, texts and the truncation of products.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "charts/axis_maximum.h"
#include "charts/chart_axes.h"
#include "charts/chart_bars.h"
#include "charts/chart_frame.h"
#include "charts/chart_legends.h"
#include "charts/chart_texts.h"
#include "model/diagram_quantity.h"
#include "platform/headless/recording_canvas.h"

using namespace sb::charts;
using namespace sb::model;
using sb::platform::BrushStyle;
using sb::platform::HAlign;
using sb::platform::PenStyle;
using sb::platform::Point;
using sb::platform::Rect;
using sb::platform::headless::CallKind;
using sb::platform::headless::DrawCall;
using sb::platform::headless::RecordingCanvas;

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

std::vector<const DrawCall*> gridLines(const RecordingCanvas& canvas, PenStyle style) {
    std::vector<const DrawCall*> found;
    for (const DrawCall* call : canvas.strokedWith(colour::grid))
        if (call->pen().style == style) found.push_back(call);
    return found;
}

}  // namespace

TEST(ChartPrimitives, ValueAxisLadderLabelsAndGrid) {
    RecordingCanvas flat = diagramCanvas();
    drawValueAxis(flat, kBarStyle, 28, 840.0 / 50, 50, 45.5);
    EXPECT_EQ(flat.texts(), (std::vector<std::string>{"0", "10", "20", "30", "40", "50"}));
    const DrawCall* twenty = flat.findText("20");
    EXPECT_EQ(twenty->points[0], (Point{52, 940 - 336 - 14}));
    EXPECT_EQ(twenty->align.horizontal, HAlign::Right);
    auto solid = gridLines(flat, PenStyle::Solid);
    ASSERT_EQ(solid.size(), 5u);  // not on the axis itself
    EXPECT_EQ(solid[4]->points, (std::vector<Point>{{80, 100}, {1350, 100}}));
    auto dotted = gridLines(flat, PenStyle::Dotted);
    ASSERT_EQ(dotted.size(), 20u);
    EXPECT_EQ(dotted[3]->points[0].y, 940 - 168);  // the fourth quarter step meets the first major line
    EXPECT_EQ(flat.callsOf(CallKind::Line).size(), 5u + 20u + 6u);  // grid, ticks

    RecordingCanvas threeD = diagramCanvas();
    drawValueAxis(threeD, kThreeDStyle, 28, 815.0 / 5, 5, 0);
    EXPECT_TRUE(threeD.texts().empty());  // largest value 0: no labels, grid remains
    EXPECT_EQ(gridLines(threeD, PenStyle::Dotted).size(), 21u);
    auto bent = gridLines(threeD, PenStyle::Solid);
    ASSERT_EQ(bent.size(), 6u);
    EXPECT_EQ(bent[5]->points, (std::vector<Point>{{80, 125}, {105, 100}, {1350, 100}}));

    RecordingCanvas small = diagramCanvas();
    drawValueAxis(small, kBarStyle, 28, 840 / 5.0, 5, 3);
    EXPECT_EQ(small.texts(), (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
    RecordingCanvas tenth = diagramCanvas();
    drawValueAxis(tenth, kBarStyle, 28, 840 / 0.1, 0.1, 0.05);
    EXPECT_EQ(tenth.texts(), (std::vector<std::string>(6, "0")));

    RecordingCanvas noTop = diagramCanvas();
    drawValueAxis(noTop, kBarStyle, 28, 840 / 0.0, 0, 0);
    EXPECT_TRUE(noTop.calls().empty());
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

TEST(ChartPrimitives, CategoryAxesLabelAndTickTheirSlots) {
    RecordingCanvas months = diagramCanvas();
    drawCategoryAxis(months, kBarStyle, kMonthsAxis, 28, 1270 * 0.083333336f);
    ASSERT_EQ(months.texts().size(), 12u);
    EXPECT_EQ(months.texts()[2], "Mär");
    EXPECT_EQ(months.findText("Jan")->points[0], (Point{80 + 52, 940 + 3}));
    EXPECT_EQ(months.findText("Dez")->points[0], (Point{80 + 1217, 940 + 3}));
    auto monthTicks = months.callsOf(CallKind::Line);
    ASSERT_EQ(monthTicks.size(), 13u);
    EXPECT_EQ(monthTicks[12]->points, (std::vector<Point>{{1350, 940}, {1350, 968}}));

    RecordingCanvas days = diagramCanvas();
    drawCategoryAxis(days, kThreeDStyle, kDaysOfMonthAxis, 28, 1245.0 / 31);
    EXPECT_EQ(days.texts(), (std::vector<std::string>{"0", "5", "10", "15", "20", "25", "30"}));
    std::vector<int> tickX;
    for (const DrawCall* line : days.callsOf(CallKind::Line))
        if (line->pen().colour == colour::black) tickX.push_back(line->points[0].x);
    // Ticks at the origin and at the centre of every fifth day, measured from the origin.
    EXPECT_EQ(tickX, (std::vector<int>{80, 80 + 180, 80 + 381, 80 + 582, 80 + 783, 80 + 983, 80 + 1184}));
    EXPECT_EQ(days.findText("5")->points[0].x, 80 + 180);
    EXPECT_EQ(days.strokedWith(colour::grid).size(), 7u);  // 3-D diagonals over the floor

    RecordingCanvas weekdays = diagramCanvas();
    drawCategoryAxis(weekdays, kBarStyle, kWeekdaysAxis, 28, 1270 * 0.14285715f);
    EXPECT_EQ(weekdays.texts(), (std::vector<std::string>{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}));
    EXPECT_EQ(weekdays.callsOf(CallKind::Line).size(), 8u);

    RecordingCanvas weeks = diagramCanvas();
    drawCategoryAxis(weeks, kBarStyle, kWeeksAxis, 28, 1270 * 0.018867925f);
    EXPECT_EQ(weeks.texts().back(), "50");
    EXPECT_EQ(weeks.findText("50")->points[0], (Point{80 + 1186, 954}));
}

TEST(ChartPrimitives, ThreeDBarFacesAndFlatBars) {
    RecordingCanvas flat;
    drawBar(flat, kBarStyle, {261, 604, 442, 940}, 18, colour::singleBar);
    ASSERT_EQ(flat.calls().size(), 1u);
    EXPECT_EQ(flat.calls()[0].rect(), (Rect{279, 604, 424, 940}));
    EXPECT_EQ(flat.calls()[0].brush().colour, colour::singleBar);

    RecordingCanvas bar;
    drawBar(bar, kThreeDStyle, {100, 500, 200, 940}, 10, colour::bike);
    ASSERT_EQ(bar.calls().size(), 3u);
    EXPECT_EQ(bar.calls()[0].rect(), (Rect{120, 500, 190, 930}));
    EXPECT_EQ(bar.calls()[1].points, (std::vector<Point>{{190, 930}, {200, 920}, {200, 490}, {190, 500}}));
    EXPECT_EQ(bar.calls()[2].points, (std::vector<Point>{{190, 500}, {200, 490}, {130, 490}, {120, 500}}));
    EXPECT_EQ(std::tuple(bar.calls()[1].brush().style, bar.calls()[1].brush().second, bar.calls()[2].brush().colour),
              std::tuple(BrushStyle::Checkerboard, colour::black, colour::bike));

    RecordingCanvas sportBar;
    drawSportBar(sportBar, kThreeDStyle, {100, 500, 200, 940}, 10, colour::run);
    EXPECT_EQ(sportBar.calls()[0].rect(), (Rect{114, 500, 184, 936}));
    EXPECT_EQ(sportBar.state().brush, sb::platform::Brush{});  // the caller's brush is back
}

TEST(ChartPrimitives, LegendsAndTexts) {
    RecordingCanvas sports = diagramCanvas();
    drawSportLegend(sports, {true, true, false, true});
    EXPECT_EQ(sports.texts(), (std::vector<std::string>{"Radfahren", "Laufen", "Alternativ"}));
    EXPECT_EQ(sports.calls()[0].rect(), (Rect{1150, 114, 1336, 114 + 14 + 126}));
    EXPECT_EQ(sports.calls()[1].rect(), (Rect{1164, 128, 1192, 156}));
    EXPECT_EQ(sports.findText("Laufen")->points[0], (Point{1206, 170}));
    EXPECT_EQ(sports.filledWith(colour::run).size(), 1u);

    RecordingCanvas types = diagramCanvas();
    std::array<std::string, 10> labels{"k. A.", "Kraftausdauer", "ä"};
    std::array<sb::platform::Colour, 10> colours{};
    drawTypeLegend(types, labels, colours);
    EXPECT_EQ(types.calls()[0].rect(), (Rect{1350 - 70 - 150, 114, 1336, 114 + 14 + 420}));
    EXPECT_EQ(types.texts().size(), 10u);

    RecordingCanvas texts = diagramCanvas();
    drawTitle(texts, kMonthTitle, 3);
    drawUnit(texts, kThreeDStyle, 103);
    drawUnit(texts, kBarStyle, 119);  // resting pulse has no unit
    drawCategoryTitle(texts, kDaysOfMonthAxis);
    EXPECT_EQ(texts.texts(), (std::vector<std::string>{"Trainingsmonat : März", "km", "Tag"}));
    EXPECT_EQ(texts.findText("km")->points[0], (Point{50, 100 - 52 + 25}));
    EXPECT_EQ(texts.findText("Tag")->points[0], (Point{1370, 1000 - 31}));
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
