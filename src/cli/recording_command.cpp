// saisonbuch-cli recording FILE [--x time|distance] [--y QUANTITY] -o OUT.png|OUT.pdf, or --summary:
// a heart-rate (.hrm), bike-computer (.dat) or activity (.fit) recording drawn as the main window draws its
// X-Y diagram, with the pulse zones of the settings, or its key figures as "name<TAB>value" lines.
#include <cstdio>
#include <map>

#include "charts/chart_frame.h"
#include "cli/cli_commands.h"
#include "cli/qt_session.h"
#include "config/config_store.h"
#include "model/diagram_quantity.h"
#include "platform/qt/surface_render.h"
#include "recordings/loaded_recording.h"
#include "recordings/recording_summary.h"
#include "recordings/xy_diagram.h"

namespace sb::cli {
namespace {

struct RecordingCommandLine {
    std::string inputPath;
    std::string outputPath;
    bool summary = false;
    int xCode = model::kXyTime;
    int yCode = model::kXyPulse;
};

const std::map<std::string, int> kXCodes{{"time", model::kXyTime}, {"distance", model::kXyDistance}};
const std::map<std::string, int> kYCodes{
    {"pulse", model::kXyPulse},     {"distance", model::kXyBikeDistance},  {"speed", model::kXySpeed},
    {"cadence", model::kXyCadence}, {"altitude", model::kXyAltitude},      {"power", model::kXyPower},
    {"balance", model::kXyBalance}, {"temperature", model::kXyTemperature}};

// An axis option's code; false with the message when the name is none of the axis's.
bool takeAxis(const CommandLine& commandLine, const std::string& option,
              const std::map<std::string, int>& codes, int& code, std::string& error) {
    if (!commandLine.has(option)) return true;
    const auto found = codes.find(commandLine.value(option));
    if (found == codes.end()) {
        error = "unbekannte Achse: " + option + " " + commandLine.value(option);
        return false;
    }
    code = found->second;
    return true;
}

bool parse(const CommandLine& commandLine, RecordingCommandLine& line, std::string& error) {
    line.inputPath = commandLine.arguments[0];
    line.outputPath = commandLine.value("-o");
    line.summary = commandLine.has("--summary");
    if (!takeAxis(commandLine, "--x", kXCodes, line.xCode, error) ||
        !takeAxis(commandLine, "--y", kYCodes, line.yCode, error))
        return false;
    if (line.summary == commandLine.has("-o")) error = "entweder -o AUS oder --summary angeben";
    return error.empty();
}

bool writeDiagram(const RecordingCommandLine& line, const recordings::XySeries& series,
                  const std::vector<recordings::PulseZone>& zones) {
    if (hasExtension(line.outputPath, ".pdf"))
        return printA4Pdf(line.outputPath, [&](platform::Printer& printer) {
            return recordings::printXyDiagram(printer, series, zones);
        });
    namespace frame = charts::frame;
    return platform::qt::writePng(line.outputPath, {frame::width, frame::height},
                                  [&](platform::Canvas& canvas) {
                                      charts::setupScreenFrame(canvas, {0, 0, frame::width, frame::height});
                                      recordings::drawXyDiagram(canvas, series, zones);
                                  });
}

int runRecording(const CommandLine& commandLine, const config::ConfigStore& settings) {
    RecordingCommandLine line;
    std::string error;
    if (!parse(commandLine, line, error)) return failWithUsage(kRecordingCommand, error);
    if (!line.summary && !hasExtension(line.outputPath, ".png") && !hasExtension(line.outputPath, ".pdf"))
        return fail("Ausgabe muss auf .png oder .pdf enden: " + line.outputPath);
    if (!line.summary && refuseOutput(commandLine, line.outputPath, {}, {line.inputPath})) return 1;
    const int source = recordings::sourceOfPath(line.inputPath);
    if (source == recordings::kNoRecording)
        return fail("Aufzeichnung muss auf .hrm, .dat oder .fit enden: " + line.inputPath);
    recordings::LoadedRecording recording;
    const recordings::RecordingReadResult read = recordings::readRecording(source, line.inputPath, recording);
    if (!read.ok) return fail(line.inputPath + ": " + read.message);
    if (!recording.activity.warning.empty())
        std::fprintf(stderr, "%s: %s\n", line.inputPath.c_str(), recording.activity.warning.c_str());
    const std::vector<recordings::PulseZone> zones = recordings::pulseZonesOf(settings.pulseZones);
    if (line.summary) {
        std::fputs(recordings::recordingSummary(recording, zones).c_str(), stdout);
        return 0;
    }
    const recordings::XySeries series = recordings::seriesOf(recording.table, line.xCode, line.yCode);
    if (!withGuiApplication([&] { return writeDiagram(line, series, zones); }))
        return fail("Fehler beim Schreiben der Datei " + line.outputPath);
    return 0;
}

}  // namespace

const Subcommand kRecordingCommand{
    "recording",
    "DATEI.hrm|DATEI.dat|DATEI.fit|DATEI.tcx|DATEI.gpx [--x time|distance] "
    "[--y pulse|distance|speed|cadence|altitude|power|balance|temperature] -o AUS.png|AUS.pdf  oder  "
    "--summary",
    "X-Y-Diagramm oder Kennzahlen einer Aufzeichnung",
    1,
    1,
    {{"-o", "AUS", "das Bild (.png) oder die Druckseite (.pdf)"},
     {"--x", "ACHSE", "time (Vorgabe) oder distance"},
     {"--y", "GRÖSSE", "pulse (Vorgabe), distance, speed, cadence, altitude, power, balance, temperature"},
     {"--summary", nullptr, "Kennzahlen als Zeilen \"Name<TAB>Wert\" statt eines Diagramms"}},
    runRecording,
};

}  // namespace sb::cli
