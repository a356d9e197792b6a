// The shared main-window test set-up.
#include "shell_test_support.h"

#include <fstream>
#include <regex>

#include "model/clock.h"
#include "planfile/plan_file_writer.h"
#include "shell/command_dispatcher.h"
#include "shell/startup.h"

namespace sb::shell::testing {

std::string writeRide(const std::string& path) {
    std::ofstream(path, std::ios::binary)
        << "[Params]\r\nVersion=106\r\nMonitor=12\r\nSMode=101000100\r\nDate=20090614\r\n"
           "StartTime=10:00:00.0\r\nLength=01:00:00.0\r\nInterval=600\r\n[HRData]\r\n"
           "140 300 200\r\n150 300 230\r\n0 300 260\r\n160 300 300\r\n150 300 290\r\n140 300 280\r\n"
           "150 300 290\r\n";
    return path;
}

void ShellTest::SetUp() {
    model::setClock([] { return model::CivilDate{15, 6, 2024}; });
    app.paths.programDirectory = dir_.path().string();
    app.paths.configFilePath = file("train.cfg");
    app.paths.routesFilePath = file("strecke.cfg");
    app.paths.helpFilePath = "help/inhalt.html";
    app.paths.tourFilePath = "help/tour.html";
}

void ShellTest::TearDown() {
    expectNothingUnexpected();
    model::setClock({});
}

std::string ShellTest::inFolder(const std::string& text) const {
    return std::regex_replace(text, std::regex("@/"), dir_.path().string() + "/");
}

void ShellTest::writeConfig(const std::string& lines) const {
    std::string bytes;
    for (char c : lines) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    std::ofstream(file("train.cfg"), std::ios::binary) << bytes;
}

void ShellTest::initialise(const std::string& configLines) {
    if (!configLines.empty()) writeConfig(configLines);
    initialiseApplication(app, app.paths);
    windowCreated(app, view);
}

std::string ShellTest::openSamplePlan(const std::string& name) {
    const std::string path = file(name);
    model::TrainingYear plan = plan2009();
    EXPECT_EQ(0, planfile::writePlanFile(plan, path));
    plan.currentFileName = path;
    plan.planFileVersion = 3;
    plan.planLoaded = 1;
    app.year = plan;
    app.guard.onDisk = fileio::fileIdentityOf(path);
    return path;
}

void ShellTest::holdPlan(const std::string& path, int version) {
    app.year = plan2009();
    app.year.currentFileName = path;
    app.year.planFileVersion = version;
    app.year.planLoaded = 1;
    app.year.modified = 1;
}

void ShellTest::dispatch(int commandId) {
    dispatchCommand(app, view, services, commandId);
}

void ShellTest::expectNothingUnexpected() const {
    EXPECT_EQ(std::vector<std::string>{}, services.unexpected());
}

}  // namespace sb::shell::testing
