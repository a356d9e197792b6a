// The start logo. Its shapes are laid out on a 360 × 150 pixel grid relative to the top-left corner.
#include "shell/logo.h"

#include <vector>

namespace sb::shell {

namespace {

using platform::Point;
using platform::rgb;

constexpr platform::Colour kRoadColour = rgb(40, 70, 140);
constexpr platform::Colour kPulseColour = rgb(200, 30, 45);
constexpr platform::Colour kNameColour = rgb(30, 40, 60);

Point at(Point origin, int x, int y) {
    return {origin.x + x, origin.y + y};
}

// A road running into the distance: two edges meeting near the horizon and a dashed centre line.
void drawRoad(platform::Canvas& canvas, Point o) {
    canvas.setPen({kRoadColour, 3, platform::PenStyle::Solid});
    canvas.drawLine(at(o, 20, 140), at(o, 165, 78));
    canvas.drawLine(at(o, 120, 140), at(o, 175, 78));
    canvas.setPen({kRoadColour, 2, platform::PenStyle::Solid});
    for (int step = 0; step < 4; ++step) {
        const int y = 136 - step * 16;
        const int x = 70 + step * 24;
        canvas.drawLine(at(o, x, y), at(o, x + 10 - step * 2, y - 8 + step));
    }
}

// The horizon becomes a heartbeat: flat, one beat, flat again.
void drawPulse(platform::Canvas& canvas, Point o) {
    canvas.setPen({kPulseColour, 3, platform::PenStyle::Solid});
    const std::vector<Point> beat{at(o, 150, 78), at(o, 190, 78), at(o, 202, 60), at(o, 214, 104),
                                  at(o, 228, 40), at(o, 240, 90), at(o, 250, 78), at(o, 340, 78)};
    canvas.drawPolyline(beat);
}

}  // namespace

void drawLogo(platform::Canvas& canvas, Point topLeft) {
    const platform::CanvasState saved = canvas.state();
    drawRoad(canvas, topLeft);
    drawPulse(canvas, topLeft);
    canvas.setFont({36, platform::Pitch::Variable, true, false});
    canvas.setTextColour(kNameColour);
    canvas.setTextBackground(std::nullopt);
    canvas.drawText(at(topLeft, kLogoSize.width / 2, 0), "Saisonbuch",
                    {platform::HAlign::Centre, platform::VAlign::Top});
    canvas.setPen(saved.pen);
    canvas.setFont(saved.font);
    canvas.setTextColour(saved.textColour);
    canvas.setTextBackground(saved.textBackground);
}

}  // namespace sb::shell
