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

// A road running into the distance: a filled band narrowing to the horizon, with a dashed centre line
// whose dashes shrink as they recede.
void drawRoad(platform::Canvas& canvas, Point o) {
    canvas.setPen({kRoadColour, 1, platform::PenStyle::Solid});
    canvas.setBrush(platform::Brush::solid(kRoadColour));
    canvas.drawPolygon({at(o, 40, 146), at(o, 196, 146), at(o, 154, 80), at(o, 146, 80)});
    canvas.setPen({rgb(255, 255, 255), 3, platform::PenStyle::Solid});
    constexpr int kDashes[][4] = {{118, 142, 122, 128}, {124, 118, 127, 109}, {129, 101, 131, 95}, {133, 90, 134, 86}};
    for (const auto& dash : kDashes) canvas.drawLine(at(o, dash[0], dash[1]), at(o, dash[2], dash[3]));
}

// The horizon becomes a heartbeat: flat from the road's end, one beat, flat again.
void drawPulse(platform::Canvas& canvas, Point o) {
    canvas.setPen({kPulseColour, 3, platform::PenStyle::Solid});
    const std::vector<Point> beat{at(o, 20, 80),  at(o, 190, 80), at(o, 202, 62), at(o, 214, 104),
                                  at(o, 228, 42), at(o, 240, 92), at(o, 250, 80), at(o, 340, 80)};
    canvas.drawPolyline(beat);
}

}  // namespace

void drawLogo(platform::Canvas& canvas, Point topLeft) {
    const platform::CanvasState saved = canvas.state();
    drawPulse(canvas, topLeft);
    drawRoad(canvas, topLeft);
    canvas.setFont({36, platform::Pitch::Variable, true, false});
    canvas.setTextColour(kNameColour);
    canvas.setTextBackground(std::nullopt);
    canvas.drawText(at(topLeft, kLogoSize.width / 2, 0), "Saisonbuch",
                    {platform::HAlign::Centre, platform::VAlign::Top});
    canvas.setPen(saved.pen);
    canvas.setBrush(saved.brush);
    canvas.setFont(saved.font);
    canvas.setTextColour(saved.textColour);
    canvas.setTextBackground(saved.textBackground);
}

}  // namespace sb::shell
