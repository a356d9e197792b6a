// Rendering drawings into an image or a PNG file; the file is replaced only by a complete image.
#include "platform/qt/surface_render.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <unordered_map>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "fileio/file_bytes.h"
#include "fileio/png_bytes.h"
#include "platform/qt/qt_canvas.h"

namespace sb::platform::qt {

namespace {

// Qt's PNG quality, 0 (smallest) to 100 (no compression); 80 is zlib's fastest level.
constexpr int kFastQuality = 80;

// The image's rows as indices into a palette of its exact colours, which it fills on the way.
class PaletteIndices {
  public:
    explicit PaletteIndices(const QImage& image) : image_(image) {}

    bool operator()(int y, unsigned char* row) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        const int width = image_.width();
        unsigned char index = 0;
        for (int x = 0; x < width; ++x) {
            // Runs of one colour are the rule, so the colour is looked up only where it changes.
            if (x == 0 || pixels[x] != pixels[x - 1]) {
                auto found = indexOf_.find(pixels[x]);
                if (found == indexOf_.end()) {
                    if (palette_.size() == fileio::kLargestPalette) return false;
                    found = indexOf_.emplace(pixels[x], (unsigned char)(palette_.size())).first;
                    palette_.push_back(pixels[x] & 0xFFFFFF);
                }
                index = found->second;
            }
            row[x] = index;
        }
        return true;
    }
    const std::vector<std::uint32_t>& palette() const { return palette_; }

  private:
    const QImage& image_;
    std::unordered_map<QRgb, unsigned char> indexOf_;
    std::vector<std::uint32_t> palette_;
};

// A general encoder for the rare image of many colours (a photograph-like background, say).
std::string pngOfManyColours(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kFastQuality);
    if (!writer.write(image)) return {};
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

// Qt's vectorised drawing can return with the upper halves of the vector registers still in use; until
// they are cleared, the plain SSE code that follows (zlib among it) runs several times slower.
#if defined(__x86_64__)
__attribute__((target("avx"))) void clearUpperVectorHalves() {
    _mm256_zeroupper();
}
#endif

void leaveVectorStateClean() {
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx")) clearUpperVectorHalves();
#endif
}

}  // namespace

QImage renderImage(Size size, const Drawing& draw) {
    QImage image(std::max(1, size.width), std::max(1, size.height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, size);
    draw(canvas);
    painter.end();
    leaveVectorStateClean();
    return image;
}

bool writePng(const std::string& path, Size size, const Drawing& draw) {
    const QImage image = renderImage(size, draw);
    PaletteIndices indices(image);
    std::string png =
        fileio::pngOfPaletteImage(image.width(), image.height(), std::ref(indices), indices.palette());
    if (png.empty()) png = pngOfManyColours(image);
    return !png.empty() && fileio::writeFileAtomically(path, png);
}

}  // namespace sb::platform::qt
