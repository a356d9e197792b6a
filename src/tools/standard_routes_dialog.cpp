// The standard routes dialog. The list shows route names only and sorts them, so a chosen name is
// traced back to its slot by searching the table; with two equal names the first slot is edited.
#include "tools/standard_routes_dialog.h"

#include <algorithm>

#include "fileio/c_numbers.h"
#include "model/day_limits.h"
#include "model/text_encoding.h"
#include "platform/help.h"
#include "platform/number_field.h"

namespace sb::tools {

namespace {

using platform::Buttons;
using platform::ControlKind;
using platform::DialogHost;
using platform::Icon;
using platform::Notification;
namespace id = routes_dialog;

constexpr std::size_t kNameInputLength = 198;
constexpr int kLengthInputLength = 9;

std::string withDots(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

}  // namespace

const platform::DialogTemplate& standardRoutesTemplate() {
    using platform::ControlFlag;
    static const platform::DialogTemplate dialog{
        "STDSTRECKEN",
        "Standardstrecken bearbeiten",
        306,
        170,
        {
            {platform::staticControlId,
             ControlKind::Static,
             "Standardstrecken - Klick zum Bearbeiten",
             {8, 6, 156, 10}},
            {id::list,
             ControlKind::ListBox,
             "",
             {8, 18, 156, 124},
             ControlFlag::Sorted | ControlFlag::TabStop},
            {id::deleteButton,
             ControlKind::Button,
             "Strecke löschen",
             {8, 148, 76, 14},
             ControlFlag::Disabled | ControlFlag::TabStop},
            {id::addButton,
             ControlKind::Button,
             "Strecke hinzufügen",
             {88, 148, 76, 14},
             ControlFlag::TabStop},
            {platform::staticControlId, ControlKind::GroupBox, "Strecke", {172, 14, 126, 96}},
            {platform::staticControlId, ControlKind::Static, "Trainingsstrecke:", {180, 28, 110, 10}},
            {id::nameField,
             ControlKind::Edit,
             "",
             {180, 40, 110, 12},
             ControlFlag::Disabled | ControlFlag::TabStop | ControlFlag::PlanText | ControlFlag::CommaAsDot,
             int(kNameInputLength)},
            {platform::staticControlId, ControlKind::Static, "Distanz (km):", {180, 58, 110, 10}},
            {id::lengthField,
             ControlKind::Edit,
             "",
             {180, 70, 50, 12},
             ControlFlag::Disabled | ControlFlag::TabStop | ControlFlag::PlanText | ControlFlag::CommaAsDot,
             kLengthInputLength},
            {id::applyButton,
             ControlKind::Button,
             "Änderungen übernehmen",
             {180, 88, 110, 14},
             ControlFlag::Disabled | ControlFlag::TabStop},
            {id::okButton, ControlKind::DefaultButton, "OK", {172, 148, 60, 14}, ControlFlag::TabStop},
            {id::helpButton, ControlKind::Button, "Hilfe", {238, 148, 60, 14}, ControlFlag::TabStop},
        }};
    return dialog;
}

void StandardRoutesProcedure::init(DialogHost& host) {
    refresh(host);
}

void StandardRoutesProcedure::command(DialogHost& host, int control, Notification notification) {
    if (control == id::list) {
        if (notification == Notification::SelectionChanged) selectRoute(host);
        return;
    }
    if (notification != Notification::Clicked) return;
    switch (control) {
        case id::deleteButton:
            deleteRoute(host);
            break;
        case id::addButton:
            addRoute(host);
            break;
        case id::applyButton:
            applyChanges(host);
            break;
        case id::okButton:
            host.end(platform::dialogOk);
            break;
        case id::helpButton:
            help(host);
            break;
        default:
            break;
    }
}

void StandardRoutesProcedure::help(DialogHost& host) {
    platform::showHelpTopic(host.services(), helpFile_, id::helpTopic);
}

void StandardRoutesProcedure::refresh(DialogHost& host) {
    host.clearItems(id::list);
    for (const config::StandardRoute& route : routes_.routes) {
        if (!route.name.empty()) host.addItem(id::list, model::cp1252ToUtf8(route.name));
    }
    enableEditing(host, false);
    host.enable(id::deleteButton, false);
    currentRoute_ = -1;
}

void StandardRoutesProcedure::enableEditing(DialogHost& host, bool enabled) {
    host.enable(id::nameField, enabled);
    host.enable(id::lengthField, enabled);
    host.enable(id::applyButton, enabled);
}

void StandardRoutesProcedure::selectRoute(DialogHost& host) {
    const int selected = host.selection(id::list);
    if (selected < 0) return;
    const std::string chosen = host.items(id::list)[std::size_t(selected)];
    const auto& routes = routes_.routes;
    auto found = std::find_if(routes.begin(), routes.end(), [&chosen](const config::StandardRoute& route) {
        return !route.name.empty() && model::cp1252ToUtf8(route.name) == chosen;
    });
    if (found == routes.end()) return;
    enableEditing(host, true);
    host.enable(id::deleteButton, true);
    currentRoute_ = int(found - routes.begin());
    host.setText(id::nameField, chosen);
    host.setText(id::lengthField, fileio::formatFixed(found->lengthKm, 1));
}

void StandardRoutesProcedure::deleteRoute(DialogHost& host) {
    if (currentRoute_ < 0) return;
    config::StandardRoute& route = routes_.routes[std::size_t(currentRoute_)];
    const std::vector<std::string> items = host.items(id::list);
    auto listed = std::find(items.begin(), items.end(), model::cp1252ToUtf8(route.name));
    if (!route.name.empty() && listed != items.end()) host.removeItem(id::list, int(listed - items.begin()));
    route = config::StandardRoute{};
    currentRoute_ = -1;
    host.setText(id::nameField, "");
    host.setText(id::lengthField, "");
    enableEditing(host, false);
    host.enable(id::deleteButton, false);
}

void StandardRoutesProcedure::addRoute(DialogHost& host) {
    const auto& routes = routes_.routes;
    auto free = std::find_if(routes.begin(), routes.end(),
                             [](const config::StandardRoute& route) { return route.name.empty(); });
    if (free == routes.end()) {
        host.services().messageBox("Standardstreckenspeicher Voll\nMax. 100 Strecken erlaubt", "Fehler",
                                   Buttons::Ok, Icon::Exclamation);
        // Nothing may be stored or deleted until a route is chosen again.
        currentRoute_ = -1;
        enableEditing(host, false);
        host.enable(id::deleteButton, false);
        return;
    }
    currentRoute_ = int(free - routes.begin());
    host.setText(id::nameField, "");
    host.setText(id::lengthField, "0.00");
    enableEditing(host, true);
    host.enable(id::deleteButton, false);
}

void StandardRoutesProcedure::applyChanges(DialogHost& host) {
    if (currentRoute_ < 0) return;
    config::StandardRoute& route = routes_.routes[std::size_t(currentRoute_)];
    std::string name = withDots(model::utf8ToCp1252(host.text(id::nameField)).substr(0, kNameInputLength));
    if (name.empty()) {
        host.services().messageBox("Eingabefehler: Trainingsstrecke muss benannt werden\ngeändert",
                                   "Eingabefehler", Buttons::Ok, Icon::None);
        name = "Strecke " + std::to_string(currentRoute_ + 1);
    }
    route.name = name;
    const std::optional<double> length = platform::numberField(host, id::lengthField, kLengthInputLength);
    if (length && model::routeLengthAllowed(*length)) {
        route.lengthKm = float(*length);
        host.setText(id::nameField, "");
        host.setText(id::lengthField, "");
        refresh(host);
        return;
    }
    platform::rejectField(host, id::lengthField, model::kRouteLengthMessage, Icon::None);
}

void editRoutes(platform::Services& services, config::RouteStore& routes, const std::string& helpFile) {
    StandardRoutesProcedure procedure(routes, helpFile);
    services.runModal(standardRoutesTemplate(), procedure);
}

}  // namespace sb::tools
