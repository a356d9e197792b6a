// saisonbuch-cli chart PLAN -o OUT.png|OUT.pdf --kind K --quantity Q [...]: the bar diagram exactly as
// the main window draws it, on a 1400 × 1000 image (one pixel per logical unit), or printed on one PDF
// page with the page layout of a printed diagram.

#include "charts/bar_diagram.h"
#include "charts/chart_frame.h"
#include "charts/diagram_printing.h"
#include "cli/cli_commands.h"
#include "cli/diagram_options.h"
#include "cli/plan_loading.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QtGlobal>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/surface_render.h"

namespace sb::cli {
namespace {

bool endsWith(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    std::string tail = text.substr(text.size() - suffix.size());
    for (char& c : tail) c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == suffix;
}

// Without a display Qt would abort on start; the offscreen platform draws just the same.
void chooseOffscreenWithoutDisplay() {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// The tool's stderr carries one line on failure and nothing else: Qt's notes about the session
// (no runtime directory when run as root, fonts) are not the user's business here.
void quietQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::fprintf(stderr, "saisonbuch-cli: %s\n", message.toLocal8Bit().constData());
}

bool writeDiagramPng(const DiagramCommandLine& line, const model::TrainingYear& year) {
    return platform::qt::writePng(
        line.outputPath, {charts::frame::width, charts::frame::height}, [&](platform::Canvas& canvas) {
            charts::setupScreenFrame(canvas, {0, 0, charts::frame::width, charts::frame::height});
            charts::drawDiagram(canvas, year, line.request);
        });
}

bool printDiagramPdf(const DiagramCommandLine& line, const model::TrainingYear& year) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(platform::qt::toQPath(line.outputPath));
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    platform::qt::QtPrinter qtPrinter(std::move(printer));
    return charts::printDiagram(qtPrinter, year, line.request);
}

}  // namespace

int runChart(const Arguments& arguments, const config::ConfigStore& settings) {
    DiagramCommandLine line;
    std::string error;
    if (!parseDiagramOptions(arguments, settings, true, line, error))
        return fail(error +
                    " (Aufruf: saisonbuch-cli chart PLAN -o AUS.png|AUS.pdf --kind 1|2|3|4 --quantity CODE "
                    "[--week W] [--month M] [--style 1|2|3] [--time-sports BITS] [--load-sports BITS] "
                    "[--sport-mode 1..5])");
    bool pdf = endsWith(line.outputPath, ".pdf");
    if (!pdf && !endsWith(line.outputPath, ".png"))
        return fail("Ausgabe muss auf .png oder .pdf enden: " + line.outputPath);
    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.planPath, *year) == 0) return 1;
    chooseOffscreenWithoutDisplay();
    qInstallMessageHandler(quietQtMessage);
    int argc = 1;
    char name[] = "saisonbuch-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    bool written = pdf ? printDiagramPdf(line, *year) : writeDiagramPng(line, *year);
    if (!written) return fail("Fehler beim Schreiben der Datei " + line.outputPath);
    return 0;
}

}  // namespace sb::cli
