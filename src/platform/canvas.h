// The drawing surface of every chart, calendar and printout: a logical window mapped onto a device
// rectangle, pens, brushes, fonts, shapes and aligned text. Implemented over QPainter (screen, image,
// printer) and by the recording canvas of the tests, which keeps every call for assertions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sb::platform {

// A colour as the files store it: 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return Colour(red & 0xFF) | Colour(green & 0xFF) << 8 | Colour(blue & 0xFF) << 16;
}
constexpr int redOf(Colour colour) {
    return int(colour & 0xFF);
}
constexpr int greenOf(Colour colour) {
    return int(colour >> 8 & 0xFF);
}
constexpr int blueOf(Colour colour) {
    return int(colour >> 16 & 0xFF);
}

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Corners (left, top) and (right, bottom). As a click target the right and bottom edges lie outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const Rect&) const = default;
};

// Logical window mapped onto a device rectangle: a logical point p lands on
//   viewportOrigin + (p - windowOrigin) * viewportExtent / windowExtent
// separately in x and y. The default maps logical units 1:1 onto device pixels.
struct Mapping {
    Point windowOrigin;
    Size windowExtent{1, 1};
    Point viewportOrigin;
    Size viewportExtent{1, 1};
    bool operator==(const Mapping&) const = default;
};

// Both round to the nearest device pixel or logical unit; a zero window or viewport extent maps
// everything onto the origin instead of dividing by zero.
Point toDevice(const Mapping& mapping, Point logical);
Point toLogical(const Mapping& mapping, Point device);
Rect toDevice(const Mapping& mapping, const Rect& logical);

enum class PenStyle { Solid, Dotted, None };

// width in logical units, so lines scale with the mapping; 0 is the thinnest line the device draws.
struct Pen {
    Colour colour = rgb(0, 0, 0);
    int width = 0;
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

// Checkerboard: an 8 x 8 pattern whose rows alternate 10101010 and 01010101 from the top-left
// device pixel; the set bits take `colour`, the clear bits `second`.
enum class BrushStyle { None, Solid, Checkerboard };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Colour colour = rgb(255, 255, 255);
    Colour second = rgb(0, 0, 0);
    static Brush none() { return {BrushStyle::None, 0, 0}; }
    static Brush solid(Colour colour) { return {BrushStyle::Solid, colour, 0}; }
    static Brush checkerboard(Colour set, Colour clear) { return {BrushStyle::Checkerboard, set, clear}; }
    bool operator==(const Brush&) const = default;
};

enum class Pitch { Variable, Fixed };

// height: the character cell height in logical units, which textMetrics() reports back as `height`;
// 0 asks for the surface's ordinary text size (a printer's default font, for instance).
struct Font {
    int height = 0;
    Pitch pitch = Pitch::Variable;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

// Of the current font, in logical units.
struct TextMetrics {
    int height = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
    int lineHeight() const { return height + externalLeading; }
    bool operator==(const TextMetrics&) const = default;
};

// Where the anchor point of drawText lies on the text's box: Left/Centre/Right edge horizontally,
// Top edge, Baseline or Bottom edge vertically.
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Baseline, Bottom };

struct TextAlign {
    HAlign horizontal = HAlign::Left;
    VAlign vertical = VAlign::Top;
    bool operator==(const TextAlign&) const = default;
};

// Everything the drawing calls take from the surface rather than from their arguments.
struct CanvasState {
    Mapping mapping;
    Pen pen;
    Brush brush;
    Font font;
    Colour textColour = rgb(0, 0, 0);
    std::optional<Colour> textBackground;  // nothing: text is drawn transparently
    bool operator==(const CanvasState&) const = default;
};

// A fresh canvas has the default state above. Shapes are outlined with the current pen and filled
// with the current brush (lines and polylines only use the pen). Texts are UTF-8, drawn in the text
// colour over an opaque box of the text background colour when one is set.
class Canvas {
  public:
    virtual ~Canvas() = default;

    // Size of the surface in device pixels (client area, image, or printable page).
    virtual Size deviceSize() const = 0;

    void setMapping(const Mapping& mapping) { state_.mapping = mapping; }
    void setPen(const Pen& pen) { state_.pen = pen; }
    void setBrush(const Brush& brush) { state_.brush = brush; }
    void setFont(const Font& font) { state_.font = font; }
    void setTextColour(Colour colour) { state_.textColour = colour; }
    void setTextBackground(std::optional<Colour> colour) { state_.textBackground = colour; }
    const CanvasState& state() const { return state_; }

    virtual TextMetrics textMetrics() const = 0;
    virtual int textWidth(std::string_view text) const = 0;

    virtual void drawLine(Point from, Point to) = 0;
    virtual void drawPolyline(const std::vector<Point>& points) = 0;
    virtual void drawRectangle(const Rect& rect) = 0;
    // Closed: the last point joins the first.
    virtual void drawPolygon(const std::vector<Point>& points) = 0;
    virtual void drawEllipse(const Rect& bounds) = 0;
    // A sector of the ellipse in `bounds`; angles in degrees, 0 at three o'clock, positive sweeps
    // counter-clockwise as seen on the surface.
    virtual void drawPie(const Rect& bounds, double startDegrees, double sweepDegrees) = 0;
    virtual void drawText(Point at, std::string_view text, TextAlign align = {}) = 0;

  private:
    CanvasState state_;
};

}  // namespace sb::platform
