// Bar primitives. The 3-D faces are outlined in black and filled with the checkerboard whose set bits
// take the bar colour and whose clear bits stay black, which shades them darker than the front.
#include "charts/chart_bars.h"

#include "charts/chart_frame.h"

namespace sb::charts {

using platform::Brush;
using platform::Canvas;
using platform::Point;
using platform::Rect;

namespace {

constexpr int kBarShift = 10;
constexpr int kSportBarShift = 4;
constexpr int kMarkerRadius = 5;

void drawFlatBar(Canvas& canvas, Rect slot, int inset, platform::Colour colour) {
    SavedDrawingObjects saved(canvas);
    canvas.setBrush(Brush::solid(colour));
    canvas.drawRectangle({slot.left + inset, slot.top, slot.right - inset, slot.bottom});
}

void drawThreeDBar(Canvas& canvas, Rect slot, int inset, platform::Colour colour, int shift) {
    SavedDrawingObjects saved(canvas);
    int frontLeft = slot.left + inset + shift;
    int frontRight = slot.right - 2 * inset + shift;
    int frontBottom = slot.bottom - shift;
    int backRight = slot.right - inset + shift;
    int backTop = slot.top - inset;
    canvas.setBrush(Brush::solid(colour));
    canvas.drawRectangle({frontLeft, slot.top, frontRight, frontBottom});
    canvas.setPen({colour::black, 0, platform::PenStyle::Solid});
    canvas.setBrush(Brush::checkerboard(colour, colour::black));
    canvas.drawPolygon({{frontRight, frontBottom},
                        {backRight, frontBottom - inset},
                        {backRight, backTop},
                        {frontRight, slot.top}});
    canvas.drawPolygon({{frontRight, slot.top},
                        {backRight, backTop},
                        {slot.left + 2 * inset + shift, backTop},
                        {frontLeft, slot.top}});
}

}  // namespace

void drawBar(Canvas& canvas, int style, Rect slot, int inset, platform::Colour colour) {
    if (isThreeD(style))
        drawThreeDBar(canvas, slot, inset, colour, kBarShift);
    else
        drawFlatBar(canvas, slot, inset, colour);
}

void drawSportBar(Canvas& canvas, int style, Rect slot, int inset, platform::Colour colour) {
    if (isThreeD(style))
        drawThreeDBar(canvas, slot, inset, colour, kSportBarShift);
    else
        drawFlatBar(canvas, slot, inset, colour);
}

void drawPointLine(Canvas& canvas, const std::vector<Point>& points) {
    if (points.empty()) return;
    canvas.drawPolyline(points);
    for (Point p : points)
        canvas.drawEllipse(
            {p.x - kMarkerRadius, p.y - kMarkerRadius, p.x + kMarkerRadius, p.y + kMarkerRadius});
}

}  // namespace sb::charts
