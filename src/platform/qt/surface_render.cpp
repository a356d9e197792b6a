// Rendering drawings into an image or a PNG file; the file is replaced only by a complete image.
#include "platform/qt/surface_render.h"

#include <QBuffer>
#include <QPainter>

#include "fileio/file_bytes.h"
#include "platform/qt/qt_canvas.h"

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
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !renderImage(size, draw).save(&buffer, "PNG")) return false;
    return fileio::writeFileAtomically(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

}  // namespace sb::platform::qt
