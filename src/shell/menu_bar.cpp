// Building the menu bar. Each popup has its own small builder; the axis lists follow the sport groups
// the plan can hold (no swimming before version 3, no other sport in version 1).
#include "shell/menu_bar.h"

#include <algorithm>
#include <string>

#include "charts/diagram_quantity.h"
#include "shell/diagram_selection.h"
#include "shell/file_state.h"
#include "shell/path_display.h"

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
    const bool swimMode = mode == 3 || mode == 5;
    return {swimMode && version == 3,
            mode == 1 || mode == 4 || mode == 5,
            mode == 2 || mode == 4 || mode == 5,
            version != 1,
            version == 3,
            swimMode};
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

MenuItem command(const Application& app, std::string text, int id) {
    return MenuItem::command(std::move(text), id, !fileCommandEnabled(app.year, id));
}

MenuItem axisItem(const Application& app, std::string text, int id) {
    MenuItem item = MenuItem::command(std::move(text), id);
    item.checked = quantityItemChecked(app.diagram, id);
    // The divided total time is offered in the plain bar style only.
    if (id == 224) item.greyed = app.settings.displayStyle != 1;
    return item;
}

void addHistory(const Application& app, Items& items) {
    const int count = shownHistoryCount(app.settings);
    for (int i = 0; i < count; ++i) {
        const std::string name = pathDisplayText(fileNameOfPath(app.settings.history[i]));
        items.push_back(MenuItem::command("&" + std::to_string(i + 1) + " " + escapeMnemonics(name), 20 + i));
    }
    if (app.settings.historyMaxCount != 0) items.push_back(MenuItem::separatorLine());
}

MenuItem fileMenu(const Application& app) {
    Items items{
        command(app, "&Neu\tCrtl+N", 10),
        command(app, "Ö&ffnen\tCrtl+O", 11),
        MenuItem::separatorLine(),
        command(app, "&Speichern\tCrtl+S", 12),
        command(app, "Speichern &unter...", 13),
        MenuItem::popup("&Exportieren...",
                        {command(app, "in &HTML Dokument", 15), command(app, "in &Tabellenkalkulation", 14)}),
        MenuItem::separatorLine(),
        command(app, "Übersichtsliste &drucken...\tCrtl+P", 16),
        MenuItem::separatorLine(),
    };
    addHistory(app, items);
    items.push_back(command(app, "&Beenden", 17));
    return MenuItem::popup("&Datei", std::move(items));
}

MenuItem editMenu(const Application& app) {
    return MenuItem::popup("&Bearbeiten", {command(app, "&Personendaten", 30), MenuItem::separatorLine(),
                                           command(app, "S&aisonbuchung", 31), MenuItem::separatorLine(),
                                           command(app, "&Trainingsdaten", 32)});
}

MenuItem viewMenu(const Application& app) {
    return MenuItem::popup(
        "&Ansicht",
        {MenuItem::popup(
             "&Diagramme",
             {command(app, "&Wochen-Jahresdiagramm", 43), command(app, "&Monats-Jahresdiagramm", 44),
              command(app, "W&ochendiagramm", 46), command(app, "Mo&natsdiagramm", 45)}),
         MenuItem::popup("&Listen", {command(app, "&Wochenliste", 40), command(app, "&Monatsliste", 41),
                                     command(app, "&Jahresliste", 42)}),
         command(app, "&Trainingskontrolle", 47)});
}

MenuItem toolsMenu(const Application& app) {
    return MenuItem::popup("&Tools",
                           {command(app, "&Standardstrecken", 58), MenuItem::separatorLine(),
                            command(app, "&Kilometerzähler", 59), MenuItem::separatorLine(),
                            command(app, "&Grundumsatzrechner", 60), command(app, "&BMI-Rechner", 61),
                            command(app, "&T/H Quotient", 62), command(app, "&Ritzelrechner", 63)});
}

// The heart-rate and bike-computer menus share their shape; only the first id and the loaded flag differ.
MenuItem deviceMenu(std::string title, int firstId, bool fileLoaded) {
    return MenuItem::popup(std::move(title),
                           {MenuItem::command("&Datei anzeigen", firstId, !fileLoaded),
                            MenuItem::command("&Datei öffnen", firstId + 1),
                            MenuItem::command("Datei &Info", firstId + 2, !fileLoaded),
                            MenuItem::command("Datei &Auswertung", firstId + 3, !fileLoaded)});
}

MenuItem extrasMenu(const Application& app) {
    return MenuItem::popup("&Extras",
                           {MenuItem::command("S&ymbolleiste", 64, false, app.settings.showToolbar != 0),
                            MenuItem::command("S&tatusleiste", 65, false, app.settings.showStatusBar != 0),
                            MenuItem::separatorLine(), MenuItem::command("&Optionen...", 66)});
}

MenuItem presetKindMenu(const Application& app) {
    const int kind = app.diagram.diagramKind;
    return MenuItem::popup("&Diagramm", {MenuItem::command("&Wochen Jahres Diagramm", 53, false, kind == 1),
                                         MenuItem::command("&Monats Jahres Diagramm", 54, false, kind == 2),
                                         MenuItem::command("W&ochen Diagramm", 55, false, kind == 3),
                                         MenuItem::command("Mo&nats Diagramm", 56, false, kind == 4)});
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
    addGroup(items, groups.swim,
             {axisItem(app, "KM Schwimmen", 211), axisItem(app, "Zeit Schwimmen", 221),
              axisItem(app, "Anzahl Schwimmen", 215), axisItem(app, "IST-Plan (KM Schwimmen)", 237),
              axisItem(app, "IST-Plan (Zeit Schwimmen)", 241)});
    Items bike{axisItem(app, "KM Rad", 209), axisItem(app, "Zeit Rad", 219),
               axisItem(app, "Anzahl Rad", 213)};
    if (groups.version3) bike.push_back(axisItem(app, "Höhenmeter", 227));
    bike.push_back(axisItem(app, "IST-Plan (KM Rad)", 235));
    bike.push_back(axisItem(app, "IST-Plan (Zeit Rad)", 239));
    addGroup(items, groups.bike, std::move(bike));
    addGroup(
        items, groups.run,
        {axisItem(app, "KM Lauf", 210), axisItem(app, "Zeit Lauf", 220), axisItem(app, "Anzahl Lauf", 214),
         axisItem(app, "IST-Plan (KM Lauf)", 236), axisItem(app, "IST-Plan (Zeit Lauf)", 240)});
    addGroup(items, groups.other,
             {axisItem(app, "KM Alternativ", 212), axisItem(app, "Zeit Alternativ", 222),
              axisItem(app, "Anzahl Alternativ", 216), axisItem(app, "IST-Plan (KM Alternativ)", 238),
              axisItem(app, "IST-Plan (Zeit Alternativ)", 242)});
    for (MenuItem& item :
         Items{axisItem(app, "Zeit Gesamt", 223), axisItem(app, "Zeit Gesamt (Untergliedert)", 224),
               axisItem(app, "Anzahl Gesamt", 217), axisItem(app, "AVG-Ruhepuls", 234),
               axisItem(app, "AVG-Gewicht", 233)})
        items.push_back(std::move(item));
    return items;
}

Items weekAxisItems(const Application& app) {
    const SportGroups groups = sportGroupsOf(app);
    Items items;
    auto addIf = [&](bool offered, std::string text, int id) {
        if (offered) items.push_back(axisItem(app, std::move(text), id));
    };
    addIf(groups.swim, "KM Schwimmen", 211);
    addIf(groups.bike, "KM Rad", 209);
    addIf(groups.run, "KM Laufen", 210);
    addIf(groups.other, "KM Alternativ", 212);
    items.push_back(MenuItem::separatorLine());
    addIf(true, "Zeit", 218);
    addIf(groups.swim, "   Schwimmen", 221);
    addIf(groups.bike, "   Rad", 219);
    addIf(groups.run, "   Laufen", 220);
    addIf(groups.other, "   Alternativ", 222);
    items.push_back(MenuItem::separatorLine());
    if (groups.version3) {
        addIf(true, "Belastung", 228);
        addIf(groups.swimMode, "   Schwimmen", 231);
        addIf(groups.bike, "   Rad", 229);
        addIf(groups.run, "   Laufen", 230);
        addIf(true, "   Alternativ", 232);
        items.push_back(MenuItem::separatorLine());
    }
    addIf(true, "Ruhepuls", 226);
    addIf(true, "Gewicht", 225);
    return items;
}

Items monthAxisItems(const Application& app) {
    const SportGroups groups = sportGroupsOf(app);
    Items items;
    addGroup(
        items, groups.swim,
        {axisItem(app, "KM Schwimmen", 211), axisItem(app, "Zeit Schwimmen", 221),
         axisItem(app, "IST-Plan (KM Schwimmen)", 237), axisItem(app, "IST-Plan (Zeit Schwimmen)", 241)});
    addGroup(items, groups.bike,
             {axisItem(app, "KM Rad", 209), axisItem(app, "Zeit Rad", 219),
              axisItem(app, "IST-Plan (KM Rad)", 235), axisItem(app, "IST-Plan (Zeit Rad)", 239)});
    addGroup(items, groups.run,
             {axisItem(app, "KM Lauf", 210), axisItem(app, "Zeit Lauf", 220),
              axisItem(app, "IST-Plan (KM Lauf)", 236), axisItem(app, "IST-Plan (Zeit Lauf)", 240)});
    addGroup(
        items, groups.other,
        {axisItem(app, "KM Alternativ", 212), axisItem(app, "Zeit Alternativ", 222),
         axisItem(app, "IST-Plan (KM Alternativ)", 238), axisItem(app, "IST-Plan (Zeit Alternativ)", 242)});
    for (MenuItem& item :
         Items{axisItem(app, "Zeit Gesamt", 223), axisItem(app, "Zeit Gesamt (Untergliedert)", 224),
               axisItem(app, "Ruhepuls", 226), axisItem(app, "Gewicht", 225)})
        items.push_back(std::move(item));
    return items;
}

// The X-Y diagram's axes offer what the loaded recording holds; bit 64 says it holds anything at all.
void addXyAxisMenus(const Application& app, Items& bar) {
    const int bits = app.recordings.capabilityBits;
    if ((bits & 64) == 0) return;
    if (bits & 1)
        bar.push_back(MenuItem::popup("&X-Achse", {axisItem(app, "Zeit", 90), axisItem(app, "Strecke", 91)}));
    Items y{axisItem(app, "Puls", 92)};
    if (bits & 1) {
        y.push_back(axisItem(app, "Strecke", 93));
        y.push_back(axisItem(app, "Geschwindigkeit", 94));
    }
    if (bits & 2) y.push_back(axisItem(app, "Trittfrequenz", 95));
    if (bits & 4) y.push_back(axisItem(app, "Höhenmeter", 96));
    if (bits & 8) y.push_back(axisItem(app, "Power", 97));
    if (bits & 16) y.push_back(axisItem(app, "Balance", 98));
    if (bits & 256) y.push_back(axisItem(app, "Temperatur", 99));
    bar.push_back(MenuItem::popup("&Y-Achse", std::move(y)));
}

void addAxisMenus(const Application& app, Items& bar) {
    switch (app.diagram.diagramKind) {
        case charts::kWeekOfYearDiagram:
        case charts::kMonthOfYearDiagram:
            bar.push_back(MenuItem::popup("&Y-Achse", yearAxisItems(app)));
            break;
        case charts::kWeekDiagram:
            bar.push_back(MenuItem::popup("&Y-Achse", weekAxisItems(app)));
            break;
        case charts::kMonthDiagram:
            bar.push_back(MenuItem::popup("&Y-Achse", monthAxisItems(app)));
            break;
        case charts::kXyDiagram:
            addXyAxisMenus(app, bar);
            break;
        default:
            break;
    }
}

MenuItem helpMenu() {
    return MenuItem::popup("&Hilfe",
                           {MenuItem::command("&Hilfe", 70), MenuItem::command("&Saisonbuch Tour...", 71),
                            MenuItem::separatorLine(), MenuItem::command("Übe&r", 73)});
}

}  // namespace

int shownHistoryCount(const config::ConfigStore& settings) {
    const int limit = std::clamp(settings.historyMaxCount, 0, config::kMaxHistoryEntries);
    return std::min(limit, static_cast<int>(settings.history.size()));
}

std::vector<MenuItem> buildMenuBar(const Application& app) {
    Items bar{fileMenu(app), editMenu(app), viewMenu(app), toolsMenu(app)};
    if (app.settings.polarSupport == 1)
        bar.push_back(deviceMenu("&Pulsuhr", 74, app.recordings.heartRateFileLoaded));
    if (app.settings.bikeComputerSupport == 1)
        bar.push_back(deviceMenu("&Radcomputer", 82, app.recordings.bikeComputerFileLoaded));
    bar.push_back(extrasMenu(app));
    if (app.diagram.userDiagramSlot != -1) bar.push_back(presetKindMenu(app));
    addAxisMenus(app, bar);
    bar.push_back(helpMenu());
    return bar;
}

void refreshMenuBar(Application& app, MainWindowView& view) {
    applyNavigationState(app, view);
    app.menuBar = buildMenuBar(app);
    view.setMenuBar(app.menuBar);
}

}  // namespace sb::shell
