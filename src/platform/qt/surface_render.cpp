// Rendering drawings into an image or a PNG file.
#include "platform/qt/surface_render.h"

#include <QPainter>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

QImage renderImage(Size size, const Drawing& draw) {
    QImage image(std::max(1, size.width), std::max(1, size.height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, size);
    draw(canvas);
    painter.end();
    return image;
}

bool writePng(const std::string& path, Size size, const Drawing& draw) {
    return renderImage(size, draw).save(toQPath(path), "PNG");
}

}  // namespace sb::platform::qt
