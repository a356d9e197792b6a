// Programs started for real: one ended by SIGTERM with unsaved changes leaves its recovery copy, and a
// second program on the same plan neither takes nor breaks the first one's lock.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <thread>
#include <tuple>

#include "app/program_start.h"
#include "planfile/plan_file_writer.h"
#include "platform_qt/qt_test_application.h"
#include "support/plan_fixtures.h"

extern char** environ;

using namespace sb;
namespace fs = std::filesystem;

namespace {

constexpr const char* kChildHome = "SAISONBUCH_TEST_CHILD_HOME";

pid_t start(std::vector<const char*> argv, const std::string& home) {
    setenv("SAISONBUCH_HOME", home.c_str(), 1);
    argv.push_back(nullptr);
    pid_t child = 0;
    EXPECT_EQ(0, posix_spawn(&child, argv[0], nullptr, nullptr, const_cast<char**>(argv.data()), environ));
    unsetenv("SAISONBUCH_HOME");
    return child;
}

// Polls condition, which may have effects (reaping a child), until it holds once.
bool waitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 400; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(50)))
        if (condition()) return true;
    return false;
}

// The exit status of a program told to end, or -1 when it did not end.
int endAndWait(pid_t child) {
    kill(child, SIGTERM);
    int status = 0;
    if (!waitFor([&] { return waitpid(child, &status, WNOHANG) == child; })) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

// The program as it starts, with a change to its plan once it is up; run in a process of its own by the
// test below, which sends it the signal.
TEST(EndedFromOutside, ChangedProgram) {
    const char* home = std::getenv(kChildHome);
    if (!home) GTEST_SKIP() << "started by SigtermLeavesTheRecoveryCopy";
    setenv("SAISONBUCH_HOME", home, 1);
    QApplication& application = platform::qt::test::application();
    shell::Application app;
    app::guardPlans(app);
    const auto window = app::openMainWindow(app, config::locateProgramDirectory());
    const auto endings = app::endUnaskedFromOutside(application, app, *window);
    QTimer::singleShot(0, [&app, home] {
        std::tie(app.year.firstName, app.year.modified) = std::tuple("Signal", 1);
        sb::testing::writeBytes(std::string(home) + "/ready", "");
    });
    EXPECT_EQ(0, application.exec());
}

// The second program asks whether to open the plan read-only; the first gives its lock up as it ends.
TEST(EndedFromOutside, SigtermLeavesTheRecoveryCopy) {
    const char* program = std::getenv("SAISONBUCH_PROGRAM");
    ASSERT_TRUE(program && *program);
    sb::testing::TempDir dir;
    const std::string plan = dir.file("plan.sb3");
    ASSERT_EQ(0, planfile::writePlanFile(sb::testing::plan2009(), plan));
    sb::testing::writeBytes(dir.file("train.cfg"),
                            "[KONFIG]\r\nAUTOLADEN=1\r\nLOGOZEIT=3\r\nLETZTE_DATEI=" + plan + "\r\n");
    setenv(kChildHome, dir.path().c_str(), 1);
    const pid_t first =
        start({"/proc/self/exe", "--gtest_filter=EndedFromOutside.ChangedProgram"}, dir.path());
    unsetenv(kChildHome);
    ASSERT_TRUE(waitFor([&] { return fs::exists(dir.file("ready")); }));
    const pid_t second = start({program}, dir.path());
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_EQ(0, endAndWait(second));
    const std::string lock = sb::testing::fileBytes(dir.file(".~plan.sb3.lock"));
    EXPECT_EQ(std::to_string(first), lock.substr(0, lock.find('\n'))) << "the first program's lock is kept";
    EXPECT_EQ(0, endAndWait(first));
    std::set<std::string> copies;  // the plan's copy, then its side file naming the plan
    for (const auto& entry : fs::directory_iterator(dir.file("recovery"))) copies.insert(entry.path());
    ASSERT_EQ(2u, copies.size());
    EXPECT_NE(std::string::npos, sb::testing::fileBytes(*copies.begin()).find("Signal"));
    EXPECT_EQ(0u, sb::testing::fileBytes(*copies.rbegin()).find(plan + "\r\n"));
    EXPECT_FALSE(fs::exists(dir.file(".~plan.sb3.lock")));
}
