// Getting a printer through the print dialog, as every printout of a chart or calendar does: a failing
// dialog is reported to the user, a cancelled one is not.
#pragma once

#include <memory>

#include "platform/services.h"

namespace sb::charts {

// The chosen printer, or null when the user cancelled or the dialog failed (then after the message).
std::unique_ptr<platform::Printer> choosePrinter(platform::Services& services);

}  // namespace sb::charts
