// The overview print dialog (templates PRINT_V3 for plans of file version 3, PRINT_V2 otherwise,
// "Übersichtsliste drucken..."): months, sports and sheets of the overview printout, and the printer.
#pragma once

#include "model/training_year.h"
#include "platform/services.h"

namespace sb::output {

namespace overview_print_dialog {
constexpr int firstMonth = 201;
constexpr int lastMonth = 202;
constexpr int bike = 203;
constexpr int cover = 204;
constexpr int run = 205;
constexpr int print = 206;
constexpr int cancel = 207;
constexpr int summary = 208;
constexpr int printerName = 209;
constexpr int printerSetup = 212;
constexpr int other = 213;
constexpr int types = 214;
constexpr int swim = 215;
}  // namespace overview_print_dialog

const platform::DialogTemplate& overviewPrintV3Template();
const platform::DialogTemplate& overviewPrintV2Template();

void runOverviewPrint(platform::Services& services, const model::TrainingYear& year);

}  // namespace sb::output
