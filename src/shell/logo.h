// The start logo: the program's name over a stylised road that turns into a pulse line, drawn as
// vector shapes so it stays sharp at every size.
#pragma once

#include "platform/canvas.h"

namespace sb::shell {

// Size of the logo in device pixels.
constexpr platform::Size kLogoSize{360, 150};

// Draws the logo with its top-left corner at `topLeft` (device pixels, default mapping).
void drawLogo(platform::Canvas& canvas, platform::Point topLeft);

}  // namespace sb::shell
