// The gear list printout. Lines stand at a fixed left edge and advance by the printer font's line
// height; the list is in field order, not sorted as on screen.
#include "tools/gear_list_printing.h"

#include "fileio/c_numbers.h"
#include "platform/print_progress_dialog.h"

namespace sb::tools {

namespace {

constexpr int kLeft = 175;
constexpr int kTopOffset = 50;

}  // namespace

bool printGearList(platform::Services& services, platform::Printer& printer, const GearInputs& inputs) {
    platform::PrintProgress progress(services);
    if (!printer.startDocument("Ritzelliste")) return false;
    printer.startPage();
    platform::Canvas& canvas = printer.canvas();
    const int lineHeight = canvas.textMetrics().lineHeight();
    const int titleAdvance = lineHeight * 3 / 2;
    int position = titleAdvance;
    canvas.drawText({kLeft, position + kTopOffset}, "Ritzelliste");
    position += titleAdvance;
    for (int chainring : inputs.chainrings) {
        if (chainring <= 0) continue;
        for (int sprocket : inputs.sprockets) {
            if (sprocket <= 0) continue;
            if (!progress.continuePrinting()) {
                printer.abortDocument();
                return false;
            }
            canvas.drawText({kLeft, position + kTopOffset},
                            gearListLine(inputs.circumference, chainring, sprocket));
            position += lineHeight;
        }
        position += lineHeight;
    }
    canvas.drawText({kLeft, position + kTopOffset},
                    "Radumfang: " + fileio::formatInt(inputs.circumference) + "mm");
    printer.endPage();
    return printer.endDocument();
}

}  // namespace sb::tools
