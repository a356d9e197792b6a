// The set-up every main-window test shares: a program directory in a scratch folder, the program state
// initialised from its train.cfg, scripted services, a headless main window and a fixed date.
#pragma once

#include <cstring>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/headless/headless_services.h"
#include "shell/application.h"
#include "support/headless_main_window.h"
#include "support/plan_fixtures.h"

namespace sb::shell::testing {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::headless::LoggedMessage;
using sb::testing::fileBytes;
using sb::testing::plan2009;

// A box with "OK" alone and the exclamation mark: most of the program's errors and warnings.
inline LoggedMessage warning(const std::string& text, const std::string& title = "Fehler") {
    return {text, title, Buttons::Ok, Icon::Exclamation};
}
// The save failure for path with the system's reason for error.
inline LoggedMessage saveFailed(const std::string& path, int error) {
    return warning("Fehler beim Speichern der Datei\n" + path + ": " + std::strerror(error));
}
inline const LoggedMessage kReplaceQuestion{
    "Die Datei ist schon vorhanden!\nWollen Sie diese Datei wirklich überschreiben?", "Fehler",
    Buttons::YesNo, Icon::Stop};

inline LoggedMessage saveQuestion(const std::string& path) {
    return {"Sollen die Änderungen in der\nDatei: " + path + "\ngespeichert werden?", "Frage?",
            Buttons::YesNoCancel, Icon::Question};
}
inline LoggedMessage savedMessage(const std::string& path) {
    return {"Die Datei\n" + path + "\nwurde gespeichert", "Info", Buttons::Ok, Icon::Information};
}
// Visits every item of the menus that sends a command, submenus first.
template <typename Visit>
void forEachCommandItem(const std::vector<platform::MenuItem>& items, Visit visit) {
    for (const platform::MenuItem& item : items) {
        forEachCommandItem(item.children, visit);
        if (item.children.empty() && !item.separator) visit(item);
    }
}
// A heart-rate file of one hour on 14 June 2009 at 30 km/h, a sample every 10 minutes, one without a
// signal: 30 km, pulse 148 on average, climbing 200 → 300 m, a descent of 20 m, then 10 m more.
std::string writeRide(const std::string& path);
// The texts of a dialog's controls, in the order of their ids.
inline std::vector<std::string> texts(const platform::headless::HeadlessDialogHost& dialog,
                                      std::initializer_list<int> ids) {
    std::vector<std::string> result;
    for (int id : ids) result.push_back(dialog.text(id));
    return result;
}

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::string file(const std::string& name) const { return dir_.file(name); }
    // The text with each "@/" standing for the scratch folder.
    std::string inFolder(const std::string& text) const;
    // Writes train.cfg with these lines (CR LF added) before initialise() reads it.
    void writeConfig(const std::string& lines) const;
    // initialiseApplication and windowCreated, as the program does before the start-up command; with
    // configLines, train.cfg is written with them first.
    void initialise(const std::string& configLines = "");
    // The 2009 sample plan written as an sb3 file and open, as after a successful Open.
    std::string openSamplePlan(const std::string& name = "plan.sb3");
    // initialise() with the sample plan open, the start of most tests.
    std::string initialiseWithSamplePlan(const std::string& name = "plan.sb3") {
        initialise();
        return openSamplePlan(name);
    }
    // The sample plan open under `path` in the given version, with unsaved changes, not written.
    void holdPlan(const std::string& path, int version);
    // File name, version, loaded flag and unsaved-changes flag of the open plan.
    std::tuple<std::string, int, int, int> planState() const {
        return {app.year.currentFileName, app.year.planFileVersion, app.year.planLoaded, app.year.modified};
    }
    void dispatch(int commandId);
    // Every step the services logged is expected; nothing was left unanswered or unused. Checked after
    // every test, and inside a test before clearLog() forgets what went wrong.
    void expectNothingUnexpected() const;

    sb::testing::TempDir dir_;
    Application app;
    platform::headless::HeadlessServices services;
    sb::testing::HeadlessMainWindow view;
};

}  // namespace sb::shell::testing
