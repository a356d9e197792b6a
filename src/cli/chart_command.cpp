// saisonbuch-cli chart PLAN -o OUT.png|OUT.pdf --kind K --quantity Q [...]: the bar diagram exactly as
// the main window draws it, on a 1400 × 1000 image (one pixel per logical unit), or printed on one PDF
// page with the page layout of a printed diagram.

#include "charts/bar_diagram.h"
#include "charts/chart_frame.h"
#include "charts/diagram_printing.h"
#include "cli/cli_commands.h"
#include "cli/diagram_options.h"
#include "cli/plan_loading.h"
#include "cli/qt_session.h"

#include <memory>

#include "platform/qt/surface_render.h"

namespace sb::cli {
namespace {

bool writeDiagramPng(const DiagramCommandLine& line, const model::TrainingYear& year) {
    return platform::qt::writePng(
        line.outputPath, {charts::frame::width, charts::frame::height}, [&](platform::Canvas& canvas) {
            charts::setupScreenFrame(canvas, {0, 0, charts::frame::width, charts::frame::height});
            charts::drawDiagram(canvas, year, line.request);
        });
}

bool printDiagramPdf(const DiagramCommandLine& line, const model::TrainingYear& year) {
    return printA4Pdf(line.outputPath,
                      [&](platform::Printer& printer) { return charts::printDiagram(printer, year, line.request); });
}

int runChart(const CommandLine& commandLine, const config::ConfigStore& settings) {
    DiagramCommandLine line;
    std::string error;
    if (!parseDiagramOptions(commandLine, settings, true, line, error))
        return failWithUsage(kChartCommand, error);
    bool pdf = hasExtension(line.outputPath, ".pdf");
    if (!pdf && !hasExtension(line.outputPath, ".png"))
        return fail("Ausgabe muss auf .png oder .pdf enden: " + line.outputPath);
    if (refuseOutput(commandLine, line.outputPath, {line.planPath})) return 1;
    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.planPath, *year) == 0) return 1;
    bool written =
        withGuiApplication([&] { return pdf ? printDiagramPdf(line, *year) : writeDiagramPng(line, *year); });
    if (!written) return fail("Fehler beim Schreiben der Datei " + line.outputPath);
    return 0;
}

}  // namespace

const Subcommand kChartCommand{
    "chart",
    "PLAN -o AUS.png|AUS.pdf --kind 1|2|3|4 --quantity CODE [--week W] [--month M] "
    "[--style 1|2|3] [--time-sports BITS] [--load-sports BITS] [--sport-mode 1..5]",
    "Diagramm als Bild oder Druckseite",
    1,
    1,
    diagramOptions(true),
    runChart,
};

}  // namespace sb::cli
