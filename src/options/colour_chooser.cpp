// The colour chooser and its custom colours.
#include "options/colour_chooser.h"

namespace sb::options {

using platform::rgb;

platform::CustomColours defaultCustomColours() {
    return {rgb(0, 0, 0),     rgb(255, 0, 0),   rgb(0, 0, 255),     rgb(0, 255, 0),
            rgb(255, 255, 0), rgb(0, 255, 255), rgb(255, 0, 255),   rgb(128, 128, 128),
            rgb(0, 255, 128), rgb(0, 128, 255), rgb(0, 0, 128),     rgb(0, 128, 0),
            rgb(255, 0, 128), rgb(128, 128, 0), rgb(255, 255, 255), rgb(255, 128, 128)};
}

std::optional<platform::Colour> chooseColour(platform::Services& services, platform::Colour current,
                                             platform::CustomColours& customColours) {
    const platform::ColourChoice choice = services.chooseColour(current, customColours);
    if (choice.outcome == platform::ColourOutcome::Failed) {
        services.messageBox("COLOR-Dialogbox", "Error", platform::Buttons::Ok, platform::Icon::Stop);
    }
    if (choice.outcome != platform::ColourOutcome::Chosen) return std::nullopt;
    return choice.colour;
}

}  // namespace sb::options
