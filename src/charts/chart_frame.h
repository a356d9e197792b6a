// The fixed logical canvas every chart is drawn on (1400 × 1000 units, y downwards), its colours and
// display styles, the set-ups that map it onto a window, a dialog control or a page, the diagram font,
// and the plot frame (flat or three-dimensional).
#pragma once

#include "platform/canvas.h"

namespace sb::charts {

// Logical units. The 3-D front is `depth` lower and narrower than the flat plot; its back wall reaches
// the flat plot's top right corner.
namespace frame {
constexpr int width = 1400;
constexpr int height = 1000;
constexpr int originX = 80;   // x of the value axis
constexpr int originY = 940;  // y of the category axis
constexpr int plotRight = 1350;
constexpr int plotTop = 100;
constexpr int backRight = 1325;
constexpr int backTop = 125;
constexpr int depth = plotRight - backRight;
constexpr int valueDivisions = 5;
constexpr int timeDivisions = 4;
constexpr int fontHeight = 26;
}  // namespace frame

// DARSTELLUNG; the X-Y diagram paints with 0 (no bar style).
enum DisplayStyle { kNoStyle = 0, kBarStyle = 1, kThreeDStyle = 2, kLineStyle = 3 };

bool isThreeD(int style);
int plotWidth(int style);   // 1270 flat, 1245 in 3-D style
int plotHeight(int style);  // 840 flat, 815 in 3-D style

namespace colour {
constexpr platform::Colour singleBar = platform::rgb(10, 120, 220);
constexpr platform::Colour bike = platform::rgb(255, 64, 64);
constexpr platform::Colour run = platform::rgb(64, 255, 64);
constexpr platform::Colour other = platform::rgb(255, 255, 64);
constexpr platform::Colour swim = platform::rgb(64, 64, 255);
constexpr platform::Colour plotBackground = platform::rgb(240, 240, 240);
constexpr platform::Colour floor = platform::rgb(192, 192, 192);
constexpr platform::Colour grid = platform::rgb(128, 128, 128);
constexpr platform::Colour backCorner = platform::rgb(192, 192, 192);
constexpr platform::Colour white = platform::rgb(255, 255, 255);
constexpr platform::Colour black = platform::rgb(0, 0, 0);
}  // namespace colour

// The bar colour of a sport part (SportPart order: Rad, Laufen, Schwimmen, Alternativ).
platform::Colour sportColour(int part);

// A product converted to a logical coordinate: truncated toward zero. Products that are whole numbers
// in exact arithmetic (grid steps, slot edges) stay whole despite binary rounding, and values no canvas
// can hold (infinite, NaN, absurdly large) are pinned so they cannot overflow an int.
int truncated(double value);

// Puts back the pen and brush a primitive chose for itself, so that the caller's stay current.
class SavedDrawingObjects {
  public:
    explicit SavedDrawingObjects(platform::Canvas& canvas)
        : canvas_(canvas), pen_(canvas.state().pen), brush_(canvas.state().brush) {}
    ~SavedDrawingObjects() {
        canvas_.setPen(pen_);
        canvas_.setBrush(brush_);
    }
    SavedDrawingObjects(const SavedDrawingObjects&) = delete;
    SavedDrawingObjects& operator=(const SavedDrawingObjects&) = delete;

  private:
    platform::Canvas& canvas_;
    platform::Pen pen_;
    platform::Brush brush_;
};

// Maps the canvas onto `viewport` (device pixels) and clears it with the current pen and brush.
void setupScreenFrame(platform::Canvas& canvas, const platform::Rect& viewport);
// Maps the canvas onto a dialog control of `controlSize` and fills it with `background`.
void setupDialogFrame(platform::Canvas& canvas, platform::Size controlSize, platform::Colour background);

// Selects the diagram font and returns the font it replaced, for restoreDiagramFont.
platform::Font selectDiagramFont(platform::Canvas& canvas);
void restoreDiagramFont(platform::Canvas& canvas, const platform::Font& previous);

// The plot background (when fill), then the two axes in the current pen.
void drawFrame(platform::Canvas& canvas, int style, bool fill);

}  // namespace sb::charts
