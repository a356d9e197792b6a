// The main window's own commands. They change the state and repaint; the dispatcher then shows the
// menus, toolbar and title that the new state calls for.
#include "shell/window_commands.h"

#include "charts/diagram_printing.h"
#include "charts/printer_choice.h"
#include "model/printout_name.h"
#include "editor/athlete_dialog.h"
#include "shell/diagram_selection.h"
#include "shell/main_window_paint.h"
#include "shell/recording_commands.h"
#include "tools/standard_routes_dialog.h"

namespace sb::shell {

void showDiagram(Application& app, MainWindowView& view, int kind) {
    selectUserDiagram(app.diagram, -1);
    app.diagram.diagramKind = kind;
    view.repaint();
}

void activatePreset(Application& app, MainWindowView& view, int slot) {
    selectUserDiagram(app.diagram, slot);
    view.repaint();
}

void setPresetKind(Application& app, MainWindowView& view, int kind) {
    app.diagram.diagramKind = kind;
    view.repaint();
}

void chooseQuantity(Application& app, MainWindowView& view, int menuId) {
    setDiagramQuantity(app.diagram, quantityCodeOfMenuItem(menuId));
    view.repaint();
}

void toggleToolbar(Application& app, MainWindowView& view) {
    const bool show = app.settings.showToolbar != 1;
    app.settings.showToolbar = show ? 1 : 0;
    view.setToolbarVisible(show);
    view.repaint();
}

void toggleStatusBar(Application& app, MainWindowView& view) {
    const bool show = app.settings.showStatusBar != 1;
    app.settings.showStatusBar = show ? 1 : 0;
    view.setStatusBarVisible(show);
    view.repaint();
}

void printCurrentDiagram(Application& app, MainWindowView& view, platform::Services& services) {
    const charts::DiagramRequest request = currentDiagramRequest(app);
    const bool barDiagram = request.kind >= model::kWeekOfYearDiagram &&
                            request.kind <= model::kMonthDiagram && app.year.planLoaded == 1;
    if (!barDiagram && !showsRecording(app)) return;
    std::unique_ptr<platform::Printer> printer =
        charts::choosePrinter(services, model::printoutFileProposal(app.year, "Diagramm"));
    if (!printer) return;
    if (!barDiagram) {
        printRecordingDiagram(app, *printer);
        return;
    }
    if (request.kind == model::kWeekDiagram) view.setValueBoxText(std::to_string(request.week));
    if (request.kind == model::kMonthDiagram) view.setValueBoxText(std::to_string(request.month));
    charts::printDiagram(*printer, app.year, request);
}

void editAthleteData(Application& app, platform::Services& services) {
    editor::editAthlete(services, app.year, false, app.paths.helpFilePath);
}

void editStandardRoutes(Application& app, platform::Services& services) {
    tools::editRoutes(services, app.routes, app.paths.helpFilePath);
}

}  // namespace sb::shell
