// The colour chooser of both colour pages of the options: the platform's colour dialog, preset to the
// current colour, with the program's sixteen custom colours.
#pragma once

#include <optional>

#include "platform/services.h"

namespace sb::options {

// The sixteen custom colours a chooser starts with.
platform::CustomColours defaultCustomColours();

// The chosen colour; nothing when the user cancelled or the dialog failed ("COLOR-Dialogbox").
// `customColours` keeps the user's changes to them for the next call.
std::optional<platform::Colour> chooseColour(platform::Services& services, platform::Colour current,
                                             platform::CustomColours& customColours);

}  // namespace sb::options
