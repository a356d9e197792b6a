// Diagram printing. The drawing code does not know the device: the mapping alone scales the canvas,
// its font and its lines onto the page.
#include "charts/diagram_printing.h"

#include <algorithm>

#include "charts/chart_frame.h"

namespace sb::charts {

platform::Mapping printerFrameMapping(const platform::PageGeometry& page) {
    int height = page.physicalHeight - 300;
    int left = page.offsetX + 50;
    int top = page.offsetY + 150;
    return {{0, 0},
            {frame::width, frame::height},
            {left, top},
            {page.physicalWidth - 100 - left, (height - top) / 2}};
}

std::string diagramDocumentName(int kind, int week, int month) {
    switch (kind) {
        case model::kWeekOfYearDiagram:
            return "Wochen_Jahresdiagramm";
        case model::kMonthOfYearDiagram:
            return "Montas_Jahresdiagramm";
        case model::kWeekDiagram:
            return std::to_string(std::clamp(week, 1, 53)) + "_Woche";
        case model::kMonthDiagram:
            return std::to_string(std::clamp(month, 1, 12)) + "_Monat";
        case model::kXyDiagram:
            return "X_Y_Diagramm";
        default:
            return {};
    }
}

bool printOnUpperHalf(platform::Printer& printer, const std::string& documentName,
                      const std::function<void(platform::Canvas&)>& draw) {
    if (!printer.startDocument(documentName)) return false;
    printer.startPage();
    platform::Canvas& canvas = printer.canvas();
    canvas.setMapping(printerFrameMapping(printer.pageGeometry()));
    draw(canvas);
    printer.endPage();
    return printer.endDocument();
}

bool printDiagram(platform::Printer& printer, const model::TrainingYear& year,
                  const DiagramRequest& request) {
    if (request.kind < model::kWeekOfYearDiagram || request.kind > model::kMonthDiagram) return false;
    return printOnUpperHalf(printer, diagramDocumentName(request.kind, request.week, request.month),
                            [&](platform::Canvas& canvas) { drawDiagram(canvas, year, request); });
}

}  // namespace sb::charts
