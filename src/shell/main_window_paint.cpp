// Painting the main window. Bar diagrams are drawn only for a loaded plan, so a window without a plan
// never shows an empty year's axes as if they were data.
#include "shell/main_window_paint.h"

#include "charts/chart_frame.h"
#include "fileio/c_numbers.h"
#include "model/period_range.h"
#include "model/text_encoding.h"
#include "shell/logo.h"
#include "shell/navigation.h"
#include "shell/path_display.h"
#include "shell/recording_commands.h"

namespace sb::shell {

namespace {

constexpr int kLineSpacing = 20;

std::string distanceLine(const model::TrainingYear& year) {
    const std::string bike = fileio::formatFixed(model::yearDistanceTotal(year, 0), 1);
    const std::string run = fileio::formatFixed(model::yearDistanceTotal(year, 1), 1);
    switch (year.planFileVersion) {
        case 1:
        case 2:
            return "Gesamtkilometer Radfahren/Laufen: " + bike + " / " + run;
        case 3:
            return "Gesamtkilometer Radfahren/Laufen/Schwimmen: " + bike + " / " + run + " / " +
                   fileio::formatFixed(model::yearDistanceTotal(year, 2), 1);
        default:
            return {};
    }
}

int quantityOfKind(const config::DiagramChoice& diagram, int kind) {
    switch (kind) {
        case model::kWeekOfYearDiagram:
            return diagram.weekOfYearQuantity;
        case model::kMonthOfYearDiagram:
            return diagram.monthOfYearQuantity;
        case model::kWeekDiagram:
            return diagram.weekQuantity;
        case model::kMonthDiagram:
            return diagram.monthQuantity;
        default:
            return 0;
    }
}

void drawInformationLines(const Application& app, platform::Canvas& canvas) {
    const platform::Size size = canvas.deviceSize();
    const std::array<std::string, 4> lines = informationLines(app);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const platform::Point at{size.width / 2, size.height / 4 + int(i) * kLineSpacing};
        canvas.drawText(at, lines[i], {platform::HAlign::Centre, platform::VAlign::Top});
    }
}

void drawBarDiagram(const Application& app, MainWindowView& view, platform::Canvas& canvas) {
    const charts::DiagramRequest request = currentDiagramRequest(app);
    if (request.kind == model::kWeekDiagram) view.setValueBoxText(std::to_string(request.week));
    if (request.kind == model::kMonthDiagram) view.setValueBoxText(std::to_string(request.month));
    const platform::Size size = canvas.deviceSize();
    charts::setupScreenFrame(canvas, {0, 0, size.width, size.height});
    charts::drawDiagram(canvas, app.year, request);
}

}  // namespace

std::array<std::string, 4> informationLines(const Application& app) {
    const model::TrainingYear& year = app.year;
    std::string file = "Aktuelle Datei:";
    if (year.planFileVersion != 0) file += " " + pathDisplayText(year.currentFileName);
    if (year.modified == 1) file += " (Datei geändert)";
    return {file,
            "Sportler(in): " + model::cp1252ToUtf8(year.firstName) + " " + model::cp1252ToUtf8(year.lastName),
            year.planYear == 0 ? "Trainingsjahr:" : "Trainingsjahr: " + std::to_string(year.planYear),
            distanceLine(year)};
}

charts::DiagramRequest currentDiagramRequest(const Application& app) {
    const config::ConfigStore& settings = app.settings;
    charts::DiagramRequest request;
    request.kind = app.diagram.diagramKind;
    request.code = quantityOfKind(app.diagram, app.diagram.diagramKind);
    request.week = model::clampWeek(app.currentWeek);
    request.month = model::clampMonth(app.currentMonth);
    request.style = settings.displayStyle;
    request.timeSportFlags = app.diagram.timeSportFlags;
    request.loadSportFlags = app.diagram.loadSportFlags;
    request.sportMode = settings.sportMode;
    request.typeLabels = settings.trainingTypeLabels;
    for (std::size_t i = 0; i < request.typeColours.size(); ++i) {
        request.typeColours[i] = platform::Colour(settings.trainingTypeColours[i]);
    }
    return request;
}

void paintMainWindow(const Application& app, MainWindowView& view, platform::Canvas& canvas) {
    const platform::Size size = canvas.deviceSize();
    const platform::Point logoAt{size.width / 2 - kLogoSize.width / 2,
                                 (size.height + view.captionHeight()) / 2 - kLogoSize.height / 2};
    drawLogo(canvas, logoAt);
    if (app.settings.showStatusBar != 1) drawInformationLines(app, canvas);
    if (app.logoDone != 1) return;
    const int kind = app.diagram.diagramKind;
    if (kind >= model::kWeekOfYearDiagram && kind <= model::kMonthDiagram && app.year.planLoaded == 1) {
        drawBarDiagram(app, view, canvas);
    } else if (showsRecording(app)) {
        charts::setupScreenFrame(canvas, {0, 0, size.width, size.height});
        drawRecordingDiagram(app, canvas);
    }
}

}  // namespace sb::shell
