// saisonbuch-cli recording FILE [--x time|distance] [--y QUANTITY] -o OUT.png|OUT.pdf, or --summary:
// a heart-rate (.hrm), bike-computer (.dat) or activity (.fit) recording drawn as the main window draws its
// X-Y diagram, with the pulse zones of the settings, or its key figures as "name<TAB>value" lines.
#include <cstdio>
#include <map>

#include "charts/chart_frame.h"
#include "model/diagram_quantity.h"
#include "cli/cli_commands.h"
#include "cli/qt_session.h"
#include "config/config_store.h"
#include "platform/qt/surface_render.h"
#include "recordings/loaded_recording.h"
#include "recordings/recording_summary.h"
#include "recordings/xy_diagram.h"

namespace sb::cli {
namespace {

constexpr const char* kUsage =
    "Aufruf: saisonbuch-cli recording DATEI.hrm|DATEI.dat|DATEI.fit [--x time|distance] "
    "[--y pulse|distance|speed|cadence|altitude|power|balance|temperature] -o AUS.png|AUS.pdf  oder  "
    "--summary";

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

bool parse(const Arguments& arguments, RecordingCommandLine& line, std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--summary") {
            line.summary = true;
        } else if ((argument == "-o" || argument == "--x" || argument == "--y") && hasValue) {
            const std::string& value = arguments[++i];
            const auto& codes = argument == "--x" ? kXCodes : kYCodes;
            if (argument == "-o") {
                line.outputPath = value;
            } else if (auto found = codes.find(value); found != codes.end()) {
                (argument == "--x" ? line.xCode : line.yCode) = found->second;
            } else {
                error = "unbekannte Achse: " + argument + " " + value;
                return false;
            }
        } else if (line.inputPath.empty() && argument.rfind("-", 0) != 0) {
            line.inputPath = argument;
        } else {
            error = "unbekanntes Argument: " + argument;
            return false;
        }
    }
    if (line.inputPath.empty())
        error = "keine Aufzeichnung angegeben";
    else if (line.summary == !line.outputPath.empty())
        error = "entweder -o AUS oder --summary angeben";
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

}  // namespace

int runRecording(const Arguments& arguments, const config::ConfigStore& settings) {
    RecordingCommandLine line;
    std::string error;
    if (!parse(arguments, line, error)) return fail(error + " (" + kUsage + ")");
    if (!line.summary && !hasExtension(line.outputPath, ".png") && !hasExtension(line.outputPath, ".pdf"))
        return fail("Ausgabe muss auf .png oder .pdf enden: " + line.outputPath);
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

}  // namespace sb::cli
