// Drawing onto an image or a PDF document outside any window: the chart command of the command-line
// tool and the tests render through these. A QGuiApplication (or QApplication) must exist.
#pragma once

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace sb::platform::qt {

// Draws on a canvas that starts in the default state (one logical unit per device pixel).
using Drawing = std::function<void(Canvas& canvas)>;

// An image of `size` pixels, white before the drawing runs.
QImage renderImage(Size size, const Drawing& draw);
// false when the file cannot be written.
bool writePng(const std::string& path, Size size, const Drawing& draw);

struct PdfOptions {
    bool landscape = true;  // A4
    int dotsPerInch = 300;  // device pixels of the canvas
    int marginMillimetres = 10;
    std::string title;  // UTF-8, the document's title
};

// One page per drawing; each page's canvas covers the page inside its margins.
bool writePdf(const std::string& path, const std::vector<Drawing>& pages, const PdfOptions& options = {});

}  // namespace sb::platform::qt
