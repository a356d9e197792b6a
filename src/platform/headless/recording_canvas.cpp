// The recording canvas: the call list, its fixed text metrics and the look-ups tests use.
#include "platform/headless/recording_canvas.h"

namespace sb::platform::headless {

namespace {

int effectiveHeight(const Font& font) {
    return font.height > 0 ? font.height : 20;
}

bool isShape(CallKind kind) {
    return kind == CallKind::Rectangle || kind == CallKind::Polygon || kind == CallKind::Ellipse ||
           kind == CallKind::Pie;
}

}  // namespace

Rect DrawCall::rect() const {
    if (points.size() < 2) return {};
    return {points[0].x, points[0].y, points[1].x, points[1].y};
}

TextMetrics RecordingCanvas::textMetrics() const {
    int height = effectiveHeight(state().font);
    return {height, height / 13, height * 5 / 13};
}

int RecordingCanvas::textWidth(std::string_view text) const {
    int characters = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++characters;
    }
    return characters * textMetrics().averageCharWidth;
}

void RecordingCanvas::record(CallKind kind, std::vector<Point> points) {
    DrawCall call;
    call.kind = kind;
    call.points = std::move(points);
    call.state = state();
    calls_.push_back(std::move(call));
}

void RecordingCanvas::drawLine(Point from, Point to) {
    record(CallKind::Line, {from, to});
}

void RecordingCanvas::drawPolyline(const std::vector<Point>& points) {
    record(CallKind::Polyline, points);
}

void RecordingCanvas::drawRectangle(const Rect& rect) {
    record(CallKind::Rectangle, {{rect.left, rect.top}, {rect.right, rect.bottom}});
}

void RecordingCanvas::drawPolygon(const std::vector<Point>& points) {
    record(CallKind::Polygon, points);
}

void RecordingCanvas::drawEllipse(const Rect& bounds) {
    record(CallKind::Ellipse, {{bounds.left, bounds.top}, {bounds.right, bounds.bottom}});
}

void RecordingCanvas::drawPie(const Rect& bounds, double startDegrees, double sweepDegrees) {
    record(CallKind::Pie, {{bounds.left, bounds.top}, {bounds.right, bounds.bottom}});
    calls_.back().startDegrees = startDegrees;
    calls_.back().sweepDegrees = sweepDegrees;
}

void RecordingCanvas::drawText(Point at, std::string_view text, TextAlign align) {
    record(CallKind::Text, {at});
    calls_.back().text = std::string(text);
    calls_.back().align = align;
}

std::vector<const DrawCall*> RecordingCanvas::callsOf(CallKind kind) const {
    std::vector<const DrawCall*> found;
    for (const DrawCall& call : calls_) {
        if (call.kind == kind) found.push_back(&call);
    }
    return found;
}

std::vector<std::string> RecordingCanvas::texts() const {
    std::vector<std::string> found;
    for (const DrawCall* call : callsOf(CallKind::Text)) found.push_back(call->text);
    return found;
}

const DrawCall* RecordingCanvas::findText(std::string_view text) const {
    for (const DrawCall& call : calls_) {
        if (call.kind == CallKind::Text && call.text == text) return &call;
    }
    return nullptr;
}

std::vector<const DrawCall*> RecordingCanvas::filledWith(Colour colour) const {
    std::vector<const DrawCall*> found;
    for (const DrawCall& call : calls_) {
        if (isShape(call.kind) && call.brush().style != BrushStyle::None && call.brush().colour == colour) {
            found.push_back(&call);
        }
    }
    return found;
}

std::vector<const DrawCall*> RecordingCanvas::strokedWith(Colour colour) const {
    std::vector<const DrawCall*> found;
    for (const DrawCall& call : calls_) {
        bool line = call.kind == CallKind::Line || call.kind == CallKind::Polyline;
        if (line && call.pen().style != PenStyle::None && call.pen().colour == colour) found.push_back(&call);
    }
    return found;
}

}  // namespace sb::platform::headless
