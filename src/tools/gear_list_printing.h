// The gear list on paper: the title "Ritzelliste", every used pair chainring by chainring, and the wheel
// circumference, in the printer's own font, with the print progress dialog open meanwhile.
#pragma once

#include "platform/printer.h"
#include "platform/services.h"
#include "tools/gear_ratios.h"

namespace sb::tools {

// One page on `printer`; false when the document could not be started or finished, or the user
// cancelled it.
bool printGearList(platform::Services& services, platform::Printer& printer, const GearInputs& inputs);

}  // namespace sb::tools
