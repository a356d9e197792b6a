// The print dialog and its one error message.
#include "charts/printer_choice.h"

namespace sb::charts {

std::unique_ptr<platform::Printer> choosePrinter(platform::Services& services, const std::string& proposedFile) {
    platform::PrintResult result = services.print({platform::PrintDialogKind::Print, {}, proposedFile});
    if (!result.printer && result.error != 0) {
        services.messageBox("Fehler beim Inintialisieren des\nDruckertreibers", "Fehler",
                            platform::Buttons::Ok, platform::Icon::Exclamation);
    }
    return std::move(result.printer);
}

}  // namespace sb::charts
