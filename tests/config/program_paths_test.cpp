// Finding the program directory from the environment, and the fall-back to the working directory.
#include "config/program_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/plan_fixtures.h"

using namespace sb::config;
using namespace sb::testing;

namespace {

Environment environmentOf(std::map<std::string, std::string> values) {
    return [values](const std::string& name) -> std::optional<std::string> {
        auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

}  // namespace

TEST(ProgramPaths, FollowsTheEnvironmentAndCreatesTheDirectory) {
    TempDir dir;
    const std::string home = dir.file("home");
    const std::string own = dir.file("eigen/saisonbuch");

    ProgramPaths paths = locateProgramDirectory(environmentOf({{"SAISONBUCH_HOME", own}, {"HOME", home}}));
    EXPECT_TRUE(std::filesystem::is_directory(own));
    EXPECT_EQ((std::vector<std::string>{paths.programDirectory, paths.configFilePath, paths.routesFilePath,
                                        paths.helpFilePath, paths.tourFilePath, paths.oldConfigFilePath,
                                        paths.oldConfigBackupPath}),
              (std::vector<std::string>{own, own + "/train.cfg", own + "/strecke.cfg", "help/inhalt.html",
                                        "help/tour.html", home + "/train.cfg", home + "/train.alt"}));

    const std::string xdg = dir.file("xdg");
    paths = locateProgramDirectory(
        environmentOf({{"SAISONBUCH_HOME", ""}, {"XDG_CONFIG_HOME", xdg}, {"HOME", home}}));
    EXPECT_EQ(paths.programDirectory, xdg + "/saisonbuch");

    paths = locateProgramDirectory(environmentOf({{"XDG_CONFIG_HOME", "relative/dir"}, {"HOME", home}}));
    EXPECT_EQ(paths.programDirectory, home + "/.config/saisonbuch");
    EXPECT_TRUE(std::filesystem::is_directory(home + "/.config/saisonbuch"));
}

TEST(ProgramPaths, FallsBackToTheWorkingDirectory) {
    TempDir dir;
    const std::string cwd = std::filesystem::current_path().string();
    ProgramPaths paths = locateProgramDirectory(environmentOf({}));
    EXPECT_EQ(paths.programDirectory, cwd);
    EXPECT_EQ(paths.configFilePath, cwd + "/train.cfg");
    EXPECT_TRUE(paths.oldConfigFilePath.empty());

    writeBytes(dir.file("a-file"), "x");
    paths = locateProgramDirectory(environmentOf({{"SAISONBUCH_HOME", dir.file("a-file")}}));
    EXPECT_EQ(paths.programDirectory, cwd);
}
