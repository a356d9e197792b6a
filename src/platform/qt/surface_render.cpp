// Rendering drawings into an image or a PNG file; the file is replaced only by a complete image.
#include "platform/qt/surface_render.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <unordered_map>

#include "fileio/file_bytes.h"
#include "platform/qt/qt_canvas.h"

namespace sb::platform::qt {

namespace {

constexpr int kPaletteSize = 256;
// Qt's PNG quality, 0 (smallest) to 100 (no compression); 80 is zlib's fastest level.
constexpr int kFastQuality = 80;

// The image with a palette of its exact colours, or a null image when it has more than a palette holds.
// Diagrams are drawn in few flat colours: a palette image is a quarter of the pixel data and is written
// without the per-row filter search, which makes its PNG several times faster to write.
QImage withExactPalette(const QImage& image) {
    QImage indexed(image.size(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    std::unordered_map<QRgb, uchar> indexOf;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        uchar index = 0;
        for (int x = 0; x < width; ++x) {
            // Runs of one colour are the rule, so the colour is looked up only where it changes.
            if (x == 0 || pixels[x] != pixels[x - 1]) {
                auto found = indexOf.find(pixels[x]);
                if (found == indexOf.end()) {
                    if (palette.size() == kPaletteSize) return {};
                    found = indexOf.emplace(pixels[x], uchar(palette.size())).first;
                    palette.push_back(pixels[x]);
                }
                index = found->second;
            }
            out[x] = index;
        }
    }
    indexed.setColorTable(palette);
    return indexed;
}

}  // namespace

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
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    const QImage image = renderImage(size, draw);
    const QImage indexed = withExactPalette(image);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kFastQuality);
    if (!writer.write(indexed.isNull() ? image : indexed)) return false;
    return fileio::writeFileAtomically(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

}  // namespace sb::platform::qt
