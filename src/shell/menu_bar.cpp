// Building the menu bar. Each popup has its own small builder; the axis lists follow the sport groups
// the plan can hold (no swimming before version 3, no other sport in version 1).
#include "shell/menu_bar.h"

#include <algorithm>
#include <string>

#include "model/diagram_quantity.h"
#include "shell/command_dispatcher.h"
#include "shell/command_ids.h"
#include "shell/diagram_selection.h"
#include "shell/path_display.h"
#include "statistics/sport_parts.h"

namespace sb::shell {
namespace {

using platform::MenuItem;
using Items = std::vector<MenuItem>;

// Which sports the axis lists offer for the sport mode and the plan version.
struct SportGroups {
    bool swim;
    bool bike;
    bool run;
    bool other;
    bool version3;
    bool swimMode;  // Schwimmen or Triathlon, whatever the version
};

SportGroups sportGroupsOf(const Application& app) {
    const int mode = app.settings.sportMode;
    const int version = app.year.planFileVersion;
    return {statistics::sportIncluded(statistics::kPartSwim, mode, version),
            statistics::sportModeShows(statistics::kPartBike, mode),
            statistics::sportModeShows(statistics::kPartRun, mode),
            version != 1,
            version == 3,
            statistics::sportModeShows(statistics::kPartSwim, mode)};
}

// The ampersand marks a mnemonic in menu texts; a file name may hold one of its own.
std::string escapeMnemonics(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        if (c == '&') escaped += '&';
        escaped += c;
    }
    return escaped;
}

MenuItem axisItem(const Application& app, std::string text, int id) {
    MenuItem item = MenuItem::command(std::move(text), id);
    item.checked = quantityItemChecked(app.diagram, id);
    // The divided total time is offered in the plain bar style only.
    if (id == cmd::kAxisTimeBySport) item.greyed = app.settings.displayStyle != 1;
    return item;
}

// Every command the dispatcher would not run is greyed, whichever popup holds it; so is a submenu with
// nothing to choose. The menu bar's own titles stay enabled, so their items can always be seen.
void greyDisabledCommands(const Application& app, Items& items) {
    for (MenuItem& item : items) {
        if (!item.children.empty()) {
            greyDisabledCommands(app, item.children);
            item.greyed = std::all_of(item.children.begin(), item.children.end(),
                                      [](const MenuItem& child) { return child.separator || child.greyed; });
        } else if (!item.separator && !commandEnabled(app, item.id)) {
            item.greyed = true;
        }
    }
}

void addHistory(const Application& app, Items& items) {
    const int count = shownHistoryCount(app.settings);
    for (int i = 0; i < count; ++i) {
        const std::string name = pathDisplayText(fileNameOfPath(app.settings.history[i]));
        items.push_back(MenuItem::command("&" + std::to_string(i + 1) + " " + escapeMnemonics(name),
                                          cmd::kFirstHistoryEntry + i));
    }
    if (app.settings.historyMaxCount != 0) items.push_back(MenuItem::separatorLine());
}

MenuItem fileMenu(const Application& app) {
    Items items{
        MenuItem::command("&Neu\tCrtl+N", cmd::kNewPlan),
        MenuItem::command("Ö&ffnen\tCrtl+O", cmd::kOpenPlan),
        MenuItem::separatorLine(),
        MenuItem::command("&Speichern\tCrtl+S", cmd::kSavePlan),
        MenuItem::command("Speichern &unter...", cmd::kSavePlanAs),
        MenuItem::popup("&Exportieren...",
                        {MenuItem::command("in &HTML Dokument", cmd::kExportHtml),
                         MenuItem::command("in &Tabellenkalkulation", cmd::kExportSpreadsheet)}),
        MenuItem::separatorLine(),
        MenuItem::command("Übersichtsliste &drucken...\tCrtl+P", cmd::kPrintOverview),
        MenuItem::separatorLine(),
    };
    addHistory(app, items);
    items.push_back(MenuItem::command("&Beenden", cmd::kExit));
    return MenuItem::popup("&Datei", std::move(items));
}

MenuItem editMenu() {
    return MenuItem::popup(
        "&Bearbeiten", {MenuItem::command("&Personendaten", cmd::kAthleteData), MenuItem::separatorLine(),
                        MenuItem::command("S&aisonbuchung", cmd::kPlanningView), MenuItem::separatorLine(),
                        MenuItem::command("&Trainingsdaten", cmd::kTrainingDays)});
}

MenuItem viewMenu() {
    return MenuItem::popup(
        "&Ansicht",
        {MenuItem::popup("&Diagramme",
                         {MenuItem::command("&Wochen-Jahresdiagramm", cmd::kShowWeekOfYearDiagram),
                          MenuItem::command("&Monats-Jahresdiagramm", cmd::kShowMonthOfYearDiagram),
                          MenuItem::command("W&ochendiagramm", cmd::kShowWeekDiagram),
                          MenuItem::command("Mo&natsdiagramm", cmd::kShowMonthDiagram)}),
         MenuItem::popup("&Listen", {MenuItem::command("&Wochenliste", cmd::kWeekList),
                                     MenuItem::command("&Monatsliste", cmd::kMonthList),
                                     MenuItem::command("&Jahresliste", cmd::kYearList)}),
         MenuItem::command("&Trainingskontrolle", cmd::kControlView),
         MenuItem::command("&Belastungsverlauf", cmd::kLoadView)});
}

MenuItem toolsMenu() {
    return MenuItem::popup(
        "&Tools", {MenuItem::command("&Standardstrecken", cmd::kStandardRoutes), MenuItem::separatorLine(),
                   MenuItem::command("&Kilometerzähler", cmd::kOdometers), MenuItem::separatorLine(),
                   MenuItem::command("&Grundumsatzrechner", cmd::kBasalMetabolism),
                   MenuItem::command("&BMI-Rechner", cmd::kBodyMassIndex),
                   MenuItem::command("&T/H Quotient", cmd::kWaistHipRatio),
                   MenuItem::command("&Ritzelrechner", cmd::kGearCalculator)});
}

MenuItem heartRateMenu() {
    return MenuItem::popup(
        "&Pulsuhr",
        {MenuItem::command("&Datei anzeigen", cmd::kShowHeartRateFile),
         MenuItem::command("&Datei öffnen", cmd::kOpenHeartRateFile),
         MenuItem::command("Datei &Info", cmd::kHeartRateFileInfo),
         MenuItem::command("Datei &Auswertung", cmd::kHeartRateEvaluation), MenuItem::separatorLine(),
         MenuItem::command("Als &Training übernehmen", cmd::kTakeOverTraining)});
}

MenuItem bikeComputerMenu() {
    return MenuItem::popup(
        "&Radcomputer",
        {MenuItem::command("&Datei anzeigen", cmd::kShowBikeComputerFile),
         MenuItem::command("&Datei öffnen", cmd::kOpenBikeComputerFile),
         MenuItem::command("Datei &Info", cmd::kBikeComputerFileInfo),
         MenuItem::command("Datei &Auswertung", cmd::kBikeComputerEvaluation), MenuItem::separatorLine(),
         MenuItem::command("Als &Training übernehmen", cmd::kTakeOverTraining)});
}

MenuItem extrasMenu(const Application& app) {
    return MenuItem::popup(
        "&Extras",
        {MenuItem::command("S&ymbolleiste", cmd::kToggleToolbar, false, app.settings.showToolbar != 0),
         MenuItem::command("S&tatusleiste", cmd::kToggleStatusBar, false, app.settings.showStatusBar != 0),
         MenuItem::separatorLine(), MenuItem::command("&Optionen...", cmd::kOptions)});
}

MenuItem presetKindMenu(const Application& app) {
    const int kind = app.diagram.diagramKind;
    auto item = [kind](std::string text, int id, int itemKind) {
        return MenuItem::command(std::move(text), id, false, kind == itemKind);
    };
    return MenuItem::popup(
        "&Diagramm",
        {item("&Wochen Jahres Diagramm", cmd::kPresetWeekOfYearDiagram, model::kWeekOfYearDiagram),
         item("&Monats Jahres Diagramm", cmd::kPresetMonthOfYearDiagram, model::kMonthOfYearDiagram),
         item("W&ochen Diagramm", cmd::kPresetWeekDiagram, model::kWeekDiagram),
         item("Mo&nats Diagramm", cmd::kPresetMonthDiagram, model::kMonthDiagram)});
}

// A sport group of an axis list with its closing separator, when the group is offered.
void addGroup(Items& items, bool offered, Items group) {
    if (!offered) return;
    for (MenuItem& item : group) items.push_back(std::move(item));
    items.push_back(MenuItem::separatorLine());
}

Items yearAxisItems(const Application& app) {
    const SportGroups groups = sportGroupsOf(app);
    Items items;
    addGroup(
        items, groups.swim,
        {axisItem(app, "KM Schwimmen", cmd::kAxisKmSwim), axisItem(app, "Zeit Schwimmen", cmd::kAxisTimeSwim),
         axisItem(app, "Anzahl Schwimmen", cmd::kAxisCountSwim),
         axisItem(app, "IST-Plan (KM Schwimmen)", cmd::kAxisActualKmSwim),
         axisItem(app, "IST-Plan (Zeit Schwimmen)", cmd::kAxisActualTimeSwim)});
    Items bike{axisItem(app, "KM Rad", cmd::kAxisKmBike), axisItem(app, "Zeit Rad", cmd::kAxisTimeBike),
               axisItem(app, "Anzahl Rad", cmd::kAxisCountBike)};
    if (groups.version3) bike.push_back(axisItem(app, "Höhenmeter", cmd::kAxisClimbing));
    bike.push_back(axisItem(app, "IST-Plan (KM Rad)", cmd::kAxisActualKmBike));
    bike.push_back(axisItem(app, "IST-Plan (Zeit Rad)", cmd::kAxisActualTimeBike));
    addGroup(items, groups.bike, std::move(bike));
    addGroup(items, groups.run,
             {axisItem(app, "KM Lauf", cmd::kAxisKmRun), axisItem(app, "Zeit Lauf", cmd::kAxisTimeRun),
              axisItem(app, "Anzahl Lauf", cmd::kAxisCountRun),
              axisItem(app, "IST-Plan (KM Lauf)", cmd::kAxisActualKmRun),
              axisItem(app, "IST-Plan (Zeit Lauf)", cmd::kAxisActualTimeRun)});
    addGroup(items, groups.other,
             {axisItem(app, "KM Alternativ", cmd::kAxisKmOther),
              axisItem(app, "Zeit Alternativ", cmd::kAxisTimeOther),
              axisItem(app, "Anzahl Alternativ", cmd::kAxisCountOther),
              axisItem(app, "IST-Plan (KM Alternativ)", cmd::kAxisActualKmOther),
              axisItem(app, "IST-Plan (Zeit Alternativ)", cmd::kAxisActualTimeOther)});
    for (MenuItem& item : Items{axisItem(app, "Zeit Gesamt", cmd::kAxisTimeTotal),
                                axisItem(app, "Zeit Gesamt (Untergliedert)", cmd::kAxisTimeBySport),
                                axisItem(app, "Anzahl Gesamt", cmd::kAxisCountTotal),
                                axisItem(app, "AVG-Ruhepuls", cmd::kAxisAverageRestingPulse),
                                axisItem(app, "AVG-Gewicht", cmd::kAxisAverageWeight)})
        items.push_back(std::move(item));
    return items;
}

Items weekAxisItems(const Application& app) {
    const SportGroups groups = sportGroupsOf(app);
    Items items;
    auto addIf = [&](bool offered, std::string text, int id) {
        if (offered) items.push_back(axisItem(app, std::move(text), id));
    };
    addIf(groups.swim, "KM Schwimmen", cmd::kAxisKmSwim);
    addIf(groups.bike, "KM Rad", cmd::kAxisKmBike);
    addIf(groups.run, "KM Laufen", cmd::kAxisKmRun);
    addIf(groups.other, "KM Alternativ", cmd::kAxisKmOther);
    items.push_back(MenuItem::separatorLine());
    addIf(true, "Zeit", cmd::kAxisTime);
    addIf(groups.swim, "   Schwimmen", cmd::kAxisTimeSwim);
    addIf(groups.bike, "   Rad", cmd::kAxisTimeBike);
    addIf(groups.run, "   Laufen", cmd::kAxisTimeRun);
    addIf(groups.other, "   Alternativ", cmd::kAxisTimeOther);
    items.push_back(MenuItem::separatorLine());
    if (groups.version3) {
        addIf(true, "Belastung", cmd::kAxisLoad);
        addIf(groups.swimMode, "   Schwimmen", cmd::kAxisLoadSwim);
        addIf(groups.bike, "   Rad", cmd::kAxisLoadBike);
        addIf(groups.run, "   Laufen", cmd::kAxisLoadRun);
        addIf(true, "   Alternativ", cmd::kAxisLoadOther);
        items.push_back(MenuItem::separatorLine());
    }
    addIf(true, "Ruhepuls", cmd::kAxisRestingPulse);
    addIf(true, "Gewicht", cmd::kAxisWeight);
    return items;
}

Items monthAxisItems(const Application& app) {
    const SportGroups groups = sportGroupsOf(app);
    Items items;
    addGroup(
        items, groups.swim,
        {axisItem(app, "KM Schwimmen", cmd::kAxisKmSwim), axisItem(app, "Zeit Schwimmen", cmd::kAxisTimeSwim),
         axisItem(app, "IST-Plan (KM Schwimmen)", cmd::kAxisActualKmSwim),
         axisItem(app, "IST-Plan (Zeit Schwimmen)", cmd::kAxisActualTimeSwim)});
    addGroup(items, groups.bike,
             {axisItem(app, "KM Rad", cmd::kAxisKmBike), axisItem(app, "Zeit Rad", cmd::kAxisTimeBike),
              axisItem(app, "IST-Plan (KM Rad)", cmd::kAxisActualKmBike),
              axisItem(app, "IST-Plan (Zeit Rad)", cmd::kAxisActualTimeBike)});
    addGroup(items, groups.run,
             {axisItem(app, "KM Lauf", cmd::kAxisKmRun), axisItem(app, "Zeit Lauf", cmd::kAxisTimeRun),
              axisItem(app, "IST-Plan (KM Lauf)", cmd::kAxisActualKmRun),
              axisItem(app, "IST-Plan (Zeit Lauf)", cmd::kAxisActualTimeRun)});
    addGroup(items, groups.other,
             {axisItem(app, "KM Alternativ", cmd::kAxisKmOther),
              axisItem(app, "Zeit Alternativ", cmd::kAxisTimeOther),
              axisItem(app, "IST-Plan (KM Alternativ)", cmd::kAxisActualKmOther),
              axisItem(app, "IST-Plan (Zeit Alternativ)", cmd::kAxisActualTimeOther)});
    for (MenuItem& item :
         Items{axisItem(app, "Zeit Gesamt", cmd::kAxisTimeTotal),
               axisItem(app, "Zeit Gesamt (Untergliedert)", cmd::kAxisTimeBySport),
               axisItem(app, "Ruhepuls", cmd::kAxisRestingPulse), axisItem(app, "Gewicht", cmd::kAxisWeight)})
        items.push_back(std::move(item));
    return items;
}

// The X-Y diagram's axes offer what the loaded recording holds; bit 64 says it holds anything at all.
void addXyAxisMenus(const Application& app, Items& bar) {
    const int bits = app.recordings.capabilityBits;
    if ((bits & 64) == 0) return;
    if (bits & 1)
        bar.push_back(MenuItem::popup("&X-Achse", {axisItem(app, "Zeit", cmd::kXyAxisTime),
                                                   axisItem(app, "Strecke", cmd::kXyAxisDistance)}));
    Items y{axisItem(app, "Puls", cmd::kXyAxisPulse)};
    if (bits & 1) {
        y.push_back(axisItem(app, "Strecke", cmd::kXyAxisBikeDistance));
        y.push_back(axisItem(app, "Geschwindigkeit", cmd::kXyAxisSpeed));
    }
    if (bits & 2) y.push_back(axisItem(app, "Trittfrequenz", cmd::kXyAxisCadence));
    if (bits & 4) y.push_back(axisItem(app, "Höhenmeter", cmd::kXyAxisAltitude));
    if (bits & 8) y.push_back(axisItem(app, "Power", cmd::kXyAxisPower));
    if (bits & 16) y.push_back(axisItem(app, "Balance", cmd::kXyAxisBalance));
    if (bits & 256) y.push_back(axisItem(app, "Temperatur", cmd::kXyAxisTemperature));
    bar.push_back(MenuItem::popup("&Y-Achse", std::move(y)));
}

void addAxisMenus(const Application& app, Items& bar) {
    switch (app.diagram.diagramKind) {
        case model::kWeekOfYearDiagram:
        case model::kMonthOfYearDiagram:
            bar.push_back(MenuItem::popup("&Y-Achse", yearAxisItems(app)));
            break;
        case model::kWeekDiagram:
            bar.push_back(MenuItem::popup("&Y-Achse", weekAxisItems(app)));
            break;
        case model::kMonthDiagram:
            bar.push_back(MenuItem::popup("&Y-Achse", monthAxisItems(app)));
            break;
        case model::kXyDiagram:
            addXyAxisMenus(app, bar);
            break;
        default:
            break;
    }
}

MenuItem helpMenu() {
    return MenuItem::popup("&Hilfe", {MenuItem::command("&Hilfe", cmd::kHelpContents),
                                      MenuItem::command("&Saisonbuch Tour...", cmd::kTour),
                                      MenuItem::separatorLine(), MenuItem::command("Übe&r", cmd::kAbout)});
}

}  // namespace

int shownHistoryCount(const config::ConfigStore& settings) {
    const int limit = std::clamp(settings.historyMaxCount, 0, config::kMaxHistoryEntries);
    return std::min(limit, static_cast<int>(settings.history.size()));
}

std::vector<MenuItem> buildMenuBar(const Application& app) {
    Items bar{fileMenu(app), editMenu(), viewMenu(), toolsMenu()};
    if (app.settings.polarSupport == 1) bar.push_back(heartRateMenu());
    if (app.settings.bikeComputerSupport == 1) bar.push_back(bikeComputerMenu());
    bar.push_back(extrasMenu(app));
    if (app.diagram.userDiagramSlot != -1) bar.push_back(presetKindMenu(app));
    addAxisMenus(app, bar);
    bar.push_back(helpMenu());
    for (MenuItem& popup : bar) greyDisabledCommands(app, popup.children);
    return bar;
}

}  // namespace sb::shell
