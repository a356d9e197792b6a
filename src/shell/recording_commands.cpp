// The recording commands. A file that cannot be read changes nothing: the diagram, its source and the
// remembered path stay those of the recording shown before, and the user is told why. The "&Pulsuhr"
// menu also opens the activity files of today's watches and the bike computer's files; they count as
// its files, read by their own readers.
#include "shell/recording_commands.h"

#include "model/diagram_quantity.h"
#include "options/options_sheet.h"
#include "recordings/pulse_zones.h"
#include "recordings/recording_info_dialogs.h"
#include "recordings/xy_diagram.h"
#include "recordings/zone_dialog.h"
#include "platform/common_dialogs.h"
#include "shell/diagram_selection.h"
#include "shell/path_display.h"
#include "shell/training_commands.h"

namespace sb::shell {

namespace {

using recordings::kActivityRecording;
using recordings::kBikeRecording;
using recordings::kPolarRecording;

std::string& lastPathOf(RecordingState& state, int source) {
    return source == kPolarRecording ? state.lastHeartRateFile : state.lastBikeComputerFile;
}

platform::FileDialogRequest recordingOpenRequest(int source) {
    if (source == kPolarRecording)
        return {"",
                {{"Pulsuhr (hrm) ", "*.hrm"},
                 {"FIT-Datei (fit) ", "*.fit"},
                 {"TCX-Datei (tcx) ", "*.tcx"},
                 {"GPX-Datei (gpx) ", "*.gpx"},
                 {"Radcomputer (dat) ", "*.dat"},
                 {"Alle Aufzeichnungen", "*.hrm;*.fit;*.tcx;*.gpx;*.dat"}},
                "",
                ""};
    return {"", {{"Radcomputer (dat) ", "*.dat"}}, "", ""};
}

void refreshSeries(Application& app) {
    RecordingState& state = app.recordings;
    state.series = recordings::seriesOf(state.loaded.table, app.diagram.xQuantity, app.diagram.yQuantity);
}

// The reader of a file of a device's menu: the heart-rate menu reads activity and bike-computer files
// with their own readers, and everything else as a heart-rate file.
int readerOf(int menuSource, const std::string& path) {
    const int named = recordings::sourceOfPath(path);
    return menuSource == kPolarRecording && named != recordings::kNoRecording ? named : menuSource;
}

void reportReadFailure(platform::Services& services, const recordings::RecordingReadResult& read) {
    services.messageBox(read.message, "Fehler", platform::Buttons::Ok, platform::Icon::Exclamation);
}

// Reads `path`, a file of the device menu `menuSource`, and shows it as the X-Y diagram of time and
// pulse, or tells the user why it cannot be read. A cut activity file is shown, and the user told.
void readAndShow(Application& app, MainWindowView& view, platform::Services& services, int menuSource,
                 const std::string& path) {
    RecordingState& state = app.recordings;
    const int source = readerOf(menuSource, path);
    const recordings::RecordingReadResult read = recordings::readRecording(source, path, state.loaded);
    if (!read.ok) {
        reportReadFailure(services, read);
        return;
    }
    lastPathOf(state, menuSource) = path;
    (menuSource == kPolarRecording ? state.heartRateFileLoaded : state.bikeComputerFileLoaded) = true;
    state.source = source;
    state.capabilityBits = state.loaded.capabilityBits();
    app.diagram.xQuantity = model::kXyTime;
    app.diagram.yQuantity = model::kXyPulse;
    refreshSeries(app);
    app.diagram.diagramKind = model::kXyDiagram;
    view.repaint();
    const std::string& warning = state.loaded.activity.warning;
    if (source == kActivityRecording && !warning.empty())
        services.messageBox(warning, "Hinweis", platform::Buttons::Ok, platform::Icon::Information);
}

std::vector<recordings::PulseZone> zonesOf(const Application& app) {
    return recordings::pulseZonesOf(app.settings.pulseZones);
}

}  // namespace

void openRecording(Application& app, MainWindowView& view, platform::Services& services, int source) {
    const auto chosen = services.openFileName(recordingOpenRequest(source));
    if (!chosen) {
        reportDialogError(services);
        return;
    }
    readAndShow(app, view, services, source, *chosen);
}

void showLastRecording(Application& app, MainWindowView& view, platform::Services& services, int source) {
    const std::string path = lastPathOf(app.recordings, source);
    readAndShow(app, view, services, source, path);
}

bool openRecordingFile(Application& app, MainWindowView& view, platform::Services& services,
                       const std::string& path) {
    const int source = recordings::sourceOfPath(path);
    if (source == recordings::kNoRecording) return false;
    // Activity files belong to the heart-rate monitor's menu, as when chosen in its open dialog.
    readAndShow(app, view, services, source == kActivityRecording ? kPolarRecording : source, path);
    return true;
}

void showRecordingInfo(Application& app, MainWindowView& view, platform::Services& services, int source) {
    RecordingState& state = app.recordings;
    const std::string& path = lastPathOf(state, source);
    const std::string fileName = pathDisplayText(fileNameOfPath(path));
    const int reader = readerOf(source, path);
    bool takeOver = false;
    if (reader == kBikeRecording) {
        takeOver = recordings::showBikeInfo(services, fileName, state.loaded.bike);
    } else if (reader == kActivityRecording) {
        takeOver = recordings::showActivityInfo(services, fileName, state.loaded.activity);
    } else {
        takeOver = recordings::showPolarInfo(services, fileName, state.loaded.polar);
    }
    // A plan opened read-only takes nothing over, from the menu or from here.
    if (!takeOver || app.guard.readOnly) return;
    if (state.loaded.source == reader) {
        takeOverRecording(app, view, services, state.loaded);
        return;
    }
    // The table holds another source's samples since: the file whose info was shown is read again.
    recordings::LoadedRecording again;
    const recordings::RecordingReadResult read = recordings::readRecording(reader, path, again);
    if (!read.ok) {
        reportReadFailure(services, read);
        return;
    }
    takeOverRecording(app, view, services, again);
}

void evaluateRecording(Application& app, platform::Services& services) {
    const recordings::RecordingTable& table = app.recordings.loaded.table;
    const recordings::ZoneStatistics statistics =
        recordings::computeZoneStatistics(recordings::columnOf(table, model::kXyTime),
                                          recordings::columnOf(table, model::kXyPulse), zonesOf(app));
    const bool pageExists = options::hasPulseZonesPage(app.settings);
    if (recordings::showZoneEvaluation(services, app.settings.pulseZones, statistics, pageExists))
        options::openOptions(services, app.settings, options::kPulseZonesPage);
}

void chooseXyQuantity(Application& app, MainWindowView& view, int menuId) {
    setDiagramQuantity(app.diagram, quantityCodeOfMenuItem(menuId));
    refreshSeries(app);
    view.repaint();
}

bool showsRecording(const Application& app) {
    return app.diagram.diagramKind == model::kXyDiagram &&
           (app.recordings.heartRateFileLoaded || app.recordings.bikeComputerFileLoaded);
}

void drawRecordingDiagram(const Application& app, platform::Canvas& canvas) {
    recordings::drawXyDiagram(canvas, app.recordings.series, zonesOf(app));
}

bool printRecordingDiagram(const Application& app, platform::Printer& printer) {
    return recordings::printXyDiagram(printer, app.recordings.series, zonesOf(app));
}

}  // namespace sb::shell
