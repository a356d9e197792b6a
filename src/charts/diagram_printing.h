// Printing a chart on one page: the canvas mapped onto the upper half of the sheet inside fixed
// margins, the print-job names of the diagrams, and the print of the current bar diagram.
#pragma once

#include <functional>
#include <string>

#include "charts/bar_diagram.h"
#include "platform/printer.h"

namespace sb::charts {

// Viewport origin (X0 + 50, Y0 + 150), width W − 100 − (X0 + 50), height (H − 300 − (Y0 + 150)) ÷ 2.
platform::Mapping printerFrameMapping(const platform::PageGeometry& page);

// "Wochen_Jahresdiagramm", "Montas_Jahresdiagramm", "<week>_Woche", "<month>_Monat", "X_Y_Diagramm";
// empty for kind 0. week and month as the diagram shows them (clamped).
std::string diagramDocumentName(int kind, int week, int month);

// One document of one page on which `draw` paints the chart canvas. false when the printer could not
// start the document (nothing was drawn then) or could not finish it.
bool printOnUpperHalf(platform::Printer& printer, const std::string& documentName,
                      const std::function<void(platform::Canvas&)>& draw);

// The bar diagram of a request (kinds 1 to 4) as the main window shows it; false when nothing was
// printed (another kind, or the document could not be started or finished).
bool printDiagram(platform::Printer& printer, const model::TrainingYear& year, const DiagramRequest& request);

}  // namespace sb::charts
