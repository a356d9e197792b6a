// Rendering drawings into a PNG image or the pages of a PDF document.
#include "platform/qt/surface_render.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

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

bool writePdf(const std::string& path, const std::vector<Drawing>& pages, const PdfOptions& options) {
    QPdfWriter writer(toQPath(path));
    writer.setResolution(options.dotsPerInch);
    writer.setTitle(toQString(options.title));
    writer.setCreator(QStringLiteral("Saisonbuch"));
    double margin = options.marginMillimetres;
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    Size size{writer.width(), writer.height()};
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !writer.newPage()) return false;
        QtCanvas canvas(painter, size);
        pages[i](canvas);
    }
    return painter.end() && QFile(toQPath(path)).size() > 0;
}

}  // namespace sb::platform::qt
