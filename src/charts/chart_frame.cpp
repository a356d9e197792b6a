// The chart canvas: its mappings onto window, dialog control and page, the diagram font, and the plot
// frame in flat and 3-D style.
#include "charts/chart_frame.h"

#include <cmath>

#include "statistics/sport_parts.h"

namespace sb::charts {

using namespace statistics;

using platform::Brush;
using platform::Canvas;
using platform::Pen;
using platform::Point;

namespace {

// Far beyond any device, yet a sum of a few of them still fits an int.
constexpr double kCoordinateLimit = 1e7;
// A thousandth of a logical unit: below anything a device can show, above the rounding of a product.
constexpr double kRoundingSlack = 1e-3;

platform::Mapping canvasOnto(Point origin, platform::Size extent) {
    return {{0, 0}, {frame::width, frame::height}, origin, extent};
}

}  // namespace

bool isThreeD(int style) {
    return style == kThreeDStyle;
}

int plotWidth(int style) {
    return (isThreeD(style) ? frame::backRight : frame::plotRight) - frame::originX;
}

int plotHeight(int style) {
    return frame::originY - (isThreeD(style) ? frame::backTop : frame::plotTop);
}

platform::Colour sportColour(int part) {
    switch (part) {
        case kPartBike:
            return colour::bike;
        case kPartRun:
            return colour::run;
        case kPartSwim:
            return colour::swim;
        default:
            return colour::other;
    }
}

int truncated(double value) {
    if (std::isnan(value)) return 0;
    if (value >= kCoordinateLimit) return int(kCoordinateLimit);
    if (value <= -kCoordinateLimit) return -int(kCoordinateLimit);
    return int(value + (value >= 0 ? kRoundingSlack : -kRoundingSlack));
}

void setupScreenFrame(Canvas& canvas, const platform::Rect& viewport) {
    canvas.setMapping(canvasOnto({viewport.left, viewport.top},
                                 {viewport.right - viewport.left, viewport.bottom - viewport.top}));
    canvas.drawRectangle({0, 0, frame::width, frame::height});
}

void setupDialogFrame(Canvas& canvas, platform::Size controlSize, platform::Colour background) {
    canvas.setMapping(canvasOnto({0, 0}, controlSize));
    SavedDrawingObjects saved(canvas);
    canvas.setBrush(Brush::solid(background));
    canvas.drawRectangle({0, 0, frame::width - 1, frame::height - 1});
}

platform::Font selectDiagramFont(Canvas& canvas) {
    platform::Font previous = canvas.state().font;
    canvas.setFont({frame::fontHeight, platform::Pitch::Variable, false, false});
    return previous;
}

void restoreDiagramFont(Canvas& canvas, const platform::Font& previous) {
    canvas.setFont(previous);
}

namespace {

void fillFlatPlot(Canvas& canvas) {
    SavedDrawingObjects saved(canvas);
    canvas.setBrush(Brush::solid(colour::plotBackground));
    canvas.drawRectangle({frame::originX, frame::plotTop, frame::plotRight + 1, frame::originY + 1});
}

// The back wall and left wall as one grey-rimmed face, the floor in front of them, and the corner
// where the two walls meet.
void fillThreeDPlot(Canvas& canvas) {
    using namespace frame;
    SavedDrawingObjects saved(canvas);
    canvas.setPen({colour::grid, 0, platform::PenStyle::Solid});
    canvas.setBrush(Brush::solid(colour::plotBackground));
    canvas.drawPolygon({{originX, originY},
                        {originX, backTop},
                        {originX + depth, backTop - depth},
                        {plotRight, backTop - depth},
                        {plotRight, originY - depth},
                        {backRight, originY}});
    canvas.setBrush(Brush::solid(colour::floor));
    canvas.drawPolygon({{originX, originY},
                        {originX + depth, originY - depth},
                        {plotRight, originY - depth},
                        {backRight, originY}});
    canvas.setPen({colour::backCorner, 0, platform::PenStyle::Solid});
    canvas.drawLine({originX + depth, originY - depth}, {originX + depth, backTop - depth});
}

}  // namespace

void drawFrame(Canvas& canvas, int style, bool fill) {
    using namespace frame;
    if (isThreeD(style)) {
        if (fill) fillThreeDPlot(canvas);
        canvas.drawLine({originX, originY}, {backRight, originY});
        canvas.drawLine({originX, originY}, {originX, backTop});
    } else {
        if (fill) fillFlatPlot(canvas);
        canvas.drawLine({originX, originY}, {plotRight, originY});
        canvas.drawLine({originX, originY}, {originX, plotTop});
    }
}

}  // namespace sb::charts
