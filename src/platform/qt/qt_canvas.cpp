// Drawing calls of the Canvas interface turned into QPainter calls in device coordinates.
#include "platform/qt/qt_canvas.h"

#include <QBrush>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <tuple>

#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

// The size a font must be asked for so that its cell (ascent + descent) is `cellPixels` high.
int pixelSizeForCell(const QFont& prototype, int cellPixels) {
    using Key = std::tuple<QString, bool, bool>;
    static std::map<Key, double> cellPerPixel;
    Key key{prototype.family(), prototype.bold(), prototype.italic()};
    auto found = cellPerPixel.find(key);
    if (found == cellPerPixel.end()) {
        QFont probe = prototype;
        probe.setPixelSize(1000);
        QFontMetricsF metrics(probe);
        double ratio = (metrics.ascent() + metrics.descent()) / 1000.0;
        found = cellPerPixel.emplace(key, ratio > 0 ? ratio : 1.0).first;
    }
    return std::max(1, int(std::lround(cellPixels / found->second)));
}

// 8 x 8, rows alternating 10101010 and 01010101 from the top-left pixel.
QBrush checkerboardBrush(Colour set, Colour clear) {
    QImage pattern(8, 8, QImage::Format_RGB32);
    QRgb setPixel = toQColor(set).rgb();
    QRgb clearPixel = toQColor(clear).rgb();
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) pattern.setPixel(x, y, (x + y) % 2 == 0 ? setPixel : clearPixel);
    }
    return QBrush(pattern);
}

int roundToInt(double value) {
    return int(std::lround(value));
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, Size deviceSize) : painter_(painter), deviceSize_(deviceSize) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrushOrigin(0, 0);
}

double QtCanvas::scaleX() const {
    const Mapping& mapping = state().mapping;
    if (mapping.windowExtent.width == 0) return 0;
    return std::abs(double(mapping.viewportExtent.width) / mapping.windowExtent.width);
}

double QtCanvas::scaleY() const {
    const Mapping& mapping = state().mapping;
    if (mapping.windowExtent.height == 0) return 0;
    return std::abs(double(mapping.viewportExtent.height) / mapping.windowExtent.height);
}

QPoint QtCanvas::device(Point logical) const {
    Point p = toDevice(state().mapping, logical);
    return QPoint(p.x, p.y);
}

bool QtCanvas::deviceRect(const Rect& logical, QRect& out) const {
    Rect d = toDevice(state().mapping, logical);
    int left = std::min(d.left, d.right);
    int right = std::max(d.left, d.right);
    int top = std::min(d.top, d.bottom);
    int bottom = std::max(d.top, d.bottom);
    out = QRect(left, top, right - left, bottom - top);
    return right > left && bottom > top;
}

void QtCanvas::selectPen(bool forLines) {
    const Pen& pen = state().pen;
    if (pen.style == PenStyle::None) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    int width = pen.width <= 0 ? 0 : std::max(1, roundToInt(pen.width * scaleX()));
    QPen qpen(toQColor(pen.colour), width, pen.style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    // Thin lines leave out their last pixel, wide ones get round ends, as the charts expect.
    qpen.setCapStyle(width <= 1 ? Qt::FlatCap : Qt::RoundCap);
    qpen.setJoinStyle(width <= 1 ? Qt::MiterJoin : Qt::RoundJoin);
    painter_.setPen(qpen);
    if (forLines) painter_.setBrush(Qt::NoBrush);
}

void QtCanvas::selectBrush() {
    const Brush& brush = state().brush;
    switch (brush.style) {
        case BrushStyle::None:
            painter_.setBrush(Qt::NoBrush);
            break;
        case BrushStyle::Solid:
            painter_.setBrush(toQColor(brush.colour));
            break;
        case BrushStyle::Checkerboard:
            if (!pattern_ || pattern_->first != brush) {
                pattern_ = std::make_pair(brush, checkerboardBrush(brush.colour, brush.second));
            }
            painter_.setBrush(pattern_->second);
            break;
    }
}

const QtCanvas::DeviceFont& QtCanvas::deviceFont() const {
    const Font& font = state().font;
    // Text follows the tighter of the two scales, so in a narrow window it shrinks with the geometry
    // instead of growing past the room the layout gives it.
    double scale = std::min(scaleX(), scaleY());
    if (fontKey_ && fontKey_->first == font && fontKey_->second == scale) return font_;
    QFont qfont(font.pitch == Pitch::Fixed ? QStringLiteral("DejaVu Sans Mono")
                                           : QStringLiteral("DejaVu Sans"));
    qfont.setStyleHint(font.pitch == Pitch::Fixed ? QFont::Monospace : QFont::SansSerif);
    qfont.setFixedPitch(font.pitch == Pitch::Fixed);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    if (font.height > 0) {
        qfont.setPixelSize(pixelSizeForCell(qfont, std::max(1, roundToInt(font.height * scale))));
    } else {
        qfont.setPointSize(10);
    }
    QFontMetricsF metrics(qfont, painter_.device());
    font_ = {qfont,
             metrics,
             metrics.ascent(),
             metrics.descent(),
             std::max(0.0, metrics.leading()),
             metrics.averageCharWidth()};
    fontKey_ = std::make_pair(font, scale);
    return font_;
}

TextMetrics QtCanvas::textMetrics() const {
    const DeviceFont& font = deviceFont();
    double sx = scaleX();
    double sy = scaleY();
    auto toLogicalY = [sy](double pixels) { return sy == 0 ? 0 : roundToInt(pixels / sy); };
    TextMetrics metrics;
    metrics.height = state().font.height > 0 ? state().font.height : toLogicalY(font.ascent + font.descent);
    metrics.externalLeading = toLogicalY(font.leading);
    metrics.averageCharWidth = sx == 0 ? 0 : roundToInt(font.averageWidth / sx);
    return metrics;
}

int QtCanvas::textWidth(std::string_view text) const {
    const DeviceFont& font = deviceFont();
    double sx = scaleX();
    if (sx == 0) return 0;
    return roundToInt(font.metrics->horizontalAdvance(toQString(std::string(text))) / sx);
}

void QtCanvas::drawLine(Point from, Point to) {
    selectPen(true);
    painter_.drawLine(device(from), device(to));
}

void QtCanvas::drawPolyline(const std::vector<Point>& points) {
    selectPen(true);
    QPolygon polygon;
    for (Point point : points) polygon << device(point);
    painter_.drawPolyline(polygon);
}

void QtCanvas::drawPolygon(const std::vector<Point>& points) {
    selectPen(false);
    selectBrush();
    QPolygon polygon;
    for (Point point : points) polygon << device(point);
    painter_.drawPolygon(polygon, Qt::OddEvenFill);
}

// Rectangles, ellipses and pies cover their left and top edges but not their right and bottom ones:
// without a pen the fill covers exactly the box, with one the outline runs along its inner edge.
void QtCanvas::drawBoxShape(const Rect& logical, const std::function<void(const QRect&)>& draw) {
    QRect box;
    if (!deviceRect(logical, box)) return;
    selectPen(false);
    selectBrush();
    if (painter_.pen().style() != Qt::NoPen) box.adjust(0, 0, -1, -1);
    draw(box);
}

void QtCanvas::drawRectangle(const Rect& rect) {
    drawBoxShape(rect, [this](const QRect& box) { painter_.drawRect(box); });
}

void QtCanvas::drawEllipse(const Rect& bounds) {
    drawBoxShape(bounds, [this](const QRect& box) { painter_.drawEllipse(box); });
}

void QtCanvas::drawPie(const Rect& bounds, double startDegrees, double sweepDegrees) {
    drawBoxShape(bounds, [this, startDegrees, sweepDegrees](const QRect& box) {
        painter_.drawPie(box, roundToInt(startDegrees * 16), roundToInt(sweepDegrees * 16));
    });
}

void QtCanvas::drawText(Point at, std::string_view text, TextAlign align) {
    const DeviceFont& font = deviceFont();
    QString qtext = toQString(std::string(text));
    double width = font.metrics->horizontalAdvance(qtext);
    QPoint anchor = device(at);
    double x = anchor.x();
    if (align.horizontal == HAlign::Centre) x -= width / 2;
    if (align.horizontal == HAlign::Right) x -= width;
    double baseline = anchor.y();
    if (align.vertical == VAlign::Top) baseline += font.ascent;
    if (align.vertical == VAlign::Bottom) baseline -= font.descent;
    int left = roundToInt(x);
    int base = roundToInt(baseline);
    if (state().textBackground) {
        QRect box(left, base - roundToInt(font.ascent), roundToInt(width),
                  roundToInt(font.ascent + font.descent));
        painter_.fillRect(box, toQColor(*state().textBackground));
    }
    painter_.setFont(font.font);
    painter_.setPen(toQColor(state().textColour));
    painter_.drawText(QPoint(left, base), qtext);
}

}  // namespace sb::platform::qt
