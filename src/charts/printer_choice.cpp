// The print dialog and its one error message.
#include "charts/printer_choice.h"

#include "platform/common_dialogs.h"

namespace sb::charts {

std::unique_ptr<platform::Printer> choosePrinter(platform::Services& services, const std::string& proposedFile) {
    platform::PrintResult result = services.print({platform::PrintDialogKind::Print, {}, proposedFile});
    if (!result.printer && result.error != 0) platform::reportPrinterFailure(services);
    return std::move(result.printer);
}

}  // namespace sb::charts
