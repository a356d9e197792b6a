// Conversions between the logical window of a canvas and its device pixels.
#include "platform/canvas.h"

#include <cmath>

namespace sb::platform {

namespace {

int scaleAxis(int value, int fromOrigin, int fromExtent, int toOrigin, int toExtent) {
    if (fromExtent == 0 || toExtent == 0) return toOrigin;
    double scaled = double(value - fromOrigin) * toExtent / fromExtent;
    return toOrigin + int(std::lround(scaled));
}

}  // namespace

Point toDevice(const Mapping& mapping, Point logical) {
    return {scaleAxis(logical.x, mapping.windowOrigin.x, mapping.windowExtent.width, mapping.viewportOrigin.x,
                      mapping.viewportExtent.width),
            scaleAxis(logical.y, mapping.windowOrigin.y, mapping.windowExtent.height,
                      mapping.viewportOrigin.y, mapping.viewportExtent.height)};
}

Point toLogical(const Mapping& mapping, Point device) {
    return {scaleAxis(device.x, mapping.viewportOrigin.x, mapping.viewportExtent.width,
                      mapping.windowOrigin.x, mapping.windowExtent.width),
            scaleAxis(device.y, mapping.viewportOrigin.y, mapping.viewportExtent.height,
                      mapping.windowOrigin.y, mapping.windowExtent.height)};
}

Rect toDevice(const Mapping& mapping, const Rect& logical) {
    Point topLeft = toDevice(mapping, Point{logical.left, logical.top});
    Point bottomRight = toDevice(mapping, Point{logical.right, logical.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

}  // namespace sb::platform
