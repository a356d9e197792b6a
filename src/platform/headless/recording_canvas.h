// A canvas that draws nothing and keeps every drawing call, with the state in effect, so a test can
// assert geometry, colours and texts exactly. Its text metrics are fixed numbers, documented below.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace sb::platform::headless {

enum class CallKind { Line, Polyline, Rectangle, Polygon, Ellipse, Pie, Text };

// points: Line its two ends; Polyline and Polygon their points; Rectangle, Ellipse and Pie the
// corners (left, top) and (right, bottom); Text its anchor point. All in logical units as given.
struct DrawCall {
    CallKind kind = CallKind::Line;
    std::vector<Point> points;
    CanvasState state;
    std::string text;
    TextAlign align;
    double startDegrees = 0;
    double sweepDegrees = 0;

    Rect rect() const;  // Rectangle, Ellipse, Pie
    const Pen& pen() const { return state.pen; }
    const Brush& brush() const { return state.brush; }
};

// Metrics of a font of height h (0 counts as 20): height h, external leading h / 13, average
// character width h * 5 / 13, every character (UTF-8 code point) that wide. A 26-unit font thus has
// line height 28 and character width 10.
class RecordingCanvas : public Canvas {
  public:
    explicit RecordingCanvas(Size deviceSize = {1400, 1000}) : deviceSize_(deviceSize) {}

    Size deviceSize() const override { return deviceSize_; }
    TextMetrics textMetrics() const override;
    int textWidth(std::string_view text) const override;

    void drawLine(Point from, Point to) override;
    void drawPolyline(const std::vector<Point>& points) override;
    void drawRectangle(const Rect& rect) override;
    void drawPolygon(const std::vector<Point>& points) override;
    void drawEllipse(const Rect& bounds) override;
    void drawPie(const Rect& bounds, double startDegrees, double sweepDegrees) override;
    void drawText(Point at, std::string_view text, TextAlign align = {}) override;

    const std::vector<DrawCall>& calls() const { return calls_; }
    std::vector<const DrawCall*> callsOf(CallKind kind) const;
    // Every drawn text, in drawing order.
    std::vector<std::string> texts() const;
    // The first text call drawing exactly `text`, or null.
    const DrawCall* findText(std::string_view text) const;
    // Rectangles, polygons, ellipses and pies filled (solid or checkerboard) with `colour`.
    std::vector<const DrawCall*> filledWith(Colour colour) const;
    // Lines and polylines drawn with a visible pen of `colour`.
    std::vector<const DrawCall*> strokedWith(Colour colour) const;
    void clear() { calls_.clear(); }

  private:
    void record(CallKind kind, std::vector<Point> points);

    Size deviceSize_;
    std::vector<DrawCall> calls_;
};

}  // namespace sb::platform::headless
