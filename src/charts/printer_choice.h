// Getting a printer through the print dialog, as every printout of a chart or calendar does: a failing
// dialog is reported to the user, a cancelled one is not.
#pragma once

#include <memory>
#include <string>

#include "platform/services.h"

namespace sb::charts {

// The chosen printer, or null when the user cancelled or the dialog failed (then after the message).
// `proposedFile`: offered when the user prints into a PDF file.
std::unique_ptr<platform::Printer> choosePrinter(platform::Services& services, const std::string& proposedFile = {});

}  // namespace sb::charts
