// Saving a drawing as an image file, away from any window: the Qt side renders into a PNG, the tests
// keep what was drawn.
#pragma once

#include <functional>
#include <string>

#include "platform/canvas.h"

namespace sb::platform {

class PictureWriter {
  public:
    virtual ~PictureWriter() = default;
    // Draws on a white image of `size` pixels whose canvas starts in the default state, and writes it
    // as PNG. false when the file could not be written; an old file of that name then stays as it was.
    virtual bool writePng(const std::string& path, Size size, const std::function<void(Canvas&)>& draw) = 0;
};

}  // namespace sb::platform
