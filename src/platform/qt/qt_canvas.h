// A Canvas over a QPainter: the one drawing surface for widgets, images, PDF writers and printers.
// The logical mapping is applied here point by point, so the painter keeps device coordinates and
// lines, patterns and text land on whole device pixels, where the chart geometry expects them.
#pragma once

#include <QBrush>
#include <QFont>
#include <QFontMetricsF>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/canvas.h"

class QPainter;
class QPoint;
class QRect;

namespace sb::platform::qt {

class QtCanvas : public Canvas {
  public:
    // The painter must be active while the canvas is used and keep its identity transform.
    QtCanvas(QPainter& painter, Size deviceSize);

    Size deviceSize() const override { return deviceSize_; }
    TextMetrics textMetrics() const override;
    int textWidth(std::string_view text) const override;

    void drawLine(Point from, Point to) override;
    void drawPolyline(const std::vector<Point>& points) override;
    void drawRectangle(const Rect& rect) override;
    void drawPolygon(const std::vector<Point>& points) override;
    void drawEllipse(const Rect& bounds) override;
    void drawPie(const Rect& bounds, double startDegrees, double sweepDegrees) override;
    void drawText(Point at, std::string_view text, TextAlign align = {}) override;

  private:
    // The current font as the device draws it, with its metrics in device pixels.
    struct DeviceFont {
        QFont font;
        std::optional<QFontMetricsF> metrics;
        double ascent = 0;
        double descent = 0;
        double leading = 0;
        double averageWidth = 0;
    };

    const DeviceFont& deviceFont() const;
    double scaleX() const;
    double scaleY() const;
    QPoint device(Point logical) const;
    // Normalised device rectangle; false when it covers no pixel.
    bool deviceRect(const Rect& logical, QRect& out) const;
    void selectPen(bool forLines);
    void selectBrush();
    void drawBoxShape(const Rect& logical, const std::function<void(const QRect&)>& draw);

    QPainter& painter_;
    Size deviceSize_;
    mutable std::optional<std::pair<Font, double>> fontKey_;
    mutable DeviceFont font_;
    std::optional<std::pair<Brush, QBrush>> pattern_;
};

}  // namespace sb::platform::qt
