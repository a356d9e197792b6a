// Drawing onto an image outside any window: the chart command of the command-line tool and the tests
// render through these. A QGuiApplication (or QApplication) must exist.
#pragma once

#include <QImage>
#include <functional>
#include <string>

#include "platform/canvas.h"
#include "platform/picture_writer.h"

namespace sb::platform::qt {

// Draws on a canvas that starts in the default state (one logical unit per device pixel).
using Drawing = std::function<void(Canvas& canvas)>;

// An image of `size` pixels, white before the drawing runs.
QImage renderImage(Size size, const Drawing& draw);
// false when the file cannot be written; an old file of that name is then left as it was.
bool writePng(const std::string& path, Size size, const Drawing& draw);

class QtPictureWriter : public PictureWriter {
  public:
    bool writePng(const std::string& path, Size size, const Drawing& draw) override {
        return qt::writePng(path, size, draw);
    }
};

}  // namespace sb::platform::qt
