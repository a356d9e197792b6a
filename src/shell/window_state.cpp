// The window's view of the state, derived anew after every command.
#include "shell/window_state.h"

#include "shell/command_dispatcher.h"
#include "shell/menu_bar.h"
#include "shell/path_display.h"
#include "shell/status_bar.h"
#include "shell/toolbar.h"

namespace sb::shell {

std::string windowTitle(const Application& app) {
    const model::TrainingYear& year = app.year;
    if (year.planFileVersion == 0) return "Saisonbuch";
    const std::string name = pathDisplayText(fileNameOfPath(year.currentFileName));
    std::string title = name + (year.modified == 1 ? "*" : "");
    if (app.guard.readOnly) title += " (schreibgeschützt)";
    title += " – Saisonbuch";
    // Without a status bar, the title is the one place a notice can show.
    if (app.settings.showStatusBar != 1 && !app.guard.notice.empty()) title += " – " + app.guard.notice;
    return title;
}

void applyToolbarState(const Application& app, MainWindowView& view) {
    for (const ToolbarButton& button : toolbarButtons())
        if (!button.separator)
            view.setToolbarButtonEnabled(button.command, commandEnabled(app, button.command));
}

void showWindowState(Application& app, MainWindowView& view) {
    app.menuBar = buildMenuBar(app);
    view.setMenuBar(app.menuBar);
    applyToolbarState(app, view);
    view.setTitle(windowTitle(app));
    updateStatusBar(app, view);
    app.loadWindow.refresh();
}

}  // namespace sb::shell
