// The dialog "Standardstrecken bearbeiten" (template STDSTRECKEN): the list of standard routes with
// adding, deleting and changing one route at a time. It edits the routes in memory only; the route
// file is written when the main window closes.
#pragma once

#include <string>

#include "config/route_store.h"
#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::tools {

namespace routes_dialog {
constexpr int list = 201;
constexpr int deleteButton = 202;
constexpr int addButton = 203;
constexpr int okButton = 204;
constexpr int nameField = 205;
constexpr int lengthField = 206;
constexpr int applyButton = 208;
constexpr int helpButton = 209;
constexpr int helpTopic = 23;
}  // namespace routes_dialog

const platform::DialogTemplate& standardRoutesTemplate();

class StandardRoutesProcedure : public platform::DialogProcedure {
  public:
    StandardRoutesProcedure(config::RouteStore& routes, std::string helpFile)
        : routes_(routes), helpFile_(std::move(helpFile)) {}

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void help(platform::DialogHost& host) override;

    // The slot being edited, -1 for none.
    int currentRoute() const { return currentRoute_; }

  private:
    void refresh(platform::DialogHost& host);
    void enableEditing(platform::DialogHost& host, bool enabled);
    void selectRoute(platform::DialogHost& host);
    void deleteRoute(platform::DialogHost& host);
    void addRoute(platform::DialogHost& host);
    void applyChanges(platform::DialogHost& host);

    config::RouteStore& routes_;
    std::string helpFile_;
    int currentRoute_ = -1;
};

// The modal dialog over `routes`.
void editRoutes(platform::Services& services, config::RouteStore& routes, const std::string& helpFile);

}  // namespace sb::tools
