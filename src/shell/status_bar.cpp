// Status bar texts and part widths. Athlete names are document text (Windows-1252); the window shows
// UTF-8.
#include "shell/status_bar.h"

#include "model/text_encoding.h"
#include "shell/path_display.h"

namespace sb::shell {

namespace {

std::array<std::string, 3> statusBarTexts(const Application& app) {
    const model::TrainingYear& year = app.year;
    std::string yearText = "Trainingsjahr:";
    if (year.planYear != 0) yearText += " " + std::to_string(year.planYear);
    std::string athlete =
        "Sportler(in): " + model::cp1252ToUtf8(year.firstName) + " " + model::cp1252ToUtf8(year.lastName);
    std::string file = "Datei:";
    if (year.planFileVersion != 0) file += " " + pathDisplayText(year.currentFileName);
    if (!app.guard.notice.empty()) file += " – " + app.guard.notice;
    return {yearText, athlete, file};
}

}  // namespace

std::array<int, 3> statusBarPartEdges(int right) {
    constexpr std::array<int, 3> kPercentages{25, 50, 100};
    std::array<int, 3> edges{};
    for (std::size_t part = 0; part < edges.size(); ++part)
        edges[part] = static_cast<int>(right * 0.01 * kPercentages[part]);
    return edges;
}

void updateStatusBar(const Application& app, MainWindowView& view) {
    view.setStatusTexts(statusBarTexts(app));
}

}  // namespace sb::shell
