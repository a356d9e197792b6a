// Every file the program writes is replaced whole or not at all: a full disk, a read-only folder or a
// folder in the file's place leave the old file as it was, no temporary file behind, and a failure
// the caller can report.
#include <grp.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <set>

#include <gtest/gtest.h>

#include "config/config_store.h"
#include "config/route_store.h"
#include "fileio/file_bytes.h"
#include "lists/column_order.h"
#include "output/html_frame.h"
#include "lists/list_document.h"
#include "output/spreadsheet_export.h"
#include "output/year_document.h"
#include "planfile/legacy_plan_writer.h"
#include "planfile/plan_file_writer.h"
#include "support/plan_fixtures.h"

namespace sb {
namespace {

namespace fs = std::filesystem;
using sb::testing::fileBytes;
using sb::testing::plan2009;
using sb::testing::TempDir;
using sb::testing::writeBytes;

using Writer = std::function<bool(const std::string& path)>;

struct NamedWriter {
    const char* name;
    Writer write;
};

const std::vector<NamedWriter>& writers() {
    static const std::vector<NamedWriter> all{
        {"sb3", [](const std::string& p) { return planfile::writePlanFile(plan2009(), p) == 0; }},
        {"sb2", [](const std::string& p) { return planfile::writePlanFileV2(plan2009(), p) == 0; }},
        {"sbn", [](const std::string& p) { return planfile::writePlanFileV1(plan2009(), p) == 0; }},
        {"spreadsheet",
         [](const std::string& p) {
             return planfile::writePlanFile(plan2009(), p, output::spreadsheetColumns({}, {})) == 0;
         }},
        {"year document",
         [](const std::string& p) {
             return output::writeYearDocument(plan2009(), p, output::spreadsheetColumns({}, {}), {}) == 0;
         }},
        {"list document",
         [](const std::string& p) {
             return output::writeHtmlDocument(
                 p, lists::listDocument(plan2009(), lists::ListKind::Week, 1, lists::allColumns(),
                                         model::defaultTrainingTypeLabels()));
         }},
        {"train.cfg",
         [](const std::string& p) {
             config::ConfigStore settings;
             config::openConfigFile(settings, p);
             return config::saveAllSettings(settings, {}, "plan.sb3");
         }},
        {"strecke.cfg",
         [](const std::string& p) {
             config::RouteStore routes;
             routes.routes[0] = {12.5f, "Runde"};
             return config::saveRoutes(routes, p) == 0;
         }},
    };
    return all;
}

// What stands in the writer's way; it runs in the child process just before the write.
enum class Obstacle { None, FullDisk, ReadOnlyFolder, FolderInThePlace };
constexpr const char* kObstacleNames[] = {"none", "full disk", "read-only folder", "folder in the place"};

// The file-size limit makes every write past a few bytes fail, as on a disk that fills up.
bool limitFileSize() {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit tiny{64, 64};
    return ::setrlimit(RLIMIT_FSIZE, &tiny) == 0;
}

// The folder is read-only even for root, because the writer runs as an unprivileged user then. The
// old file stays writable, so only the folder stops the replacement.
bool loseWriteAccessToFolder(const fs::path& folder, const fs::path& target) {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
        return false;
    return ::access(folder.c_str(), W_OK) != 0 && ::access(target.c_str(), W_OK) == 0;
}

// 0 the writer reported success, 1 failure, 2 the obstacle could not be set up.
int writeInChild(const Writer& write, Obstacle obstacle, const fs::path& target) {
    const pid_t child = ::fork();
    if (child == 0) {
        bool ready = true;
        if (obstacle == Obstacle::FullDisk) ready = limitFileSize();
        if (obstacle == Obstacle::ReadOnlyFolder)
            ready = loseWriteAccessToFolder(target.parent_path(), target);
        ::_exit(!ready ? 2 : write(target.string()) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::set<std::string> entriesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

TEST(FailedWrites, LeaveTheOldFileAndNothingElse) {
    for (const NamedWriter& writer : writers()) {
        for (Obstacle obstacle :
             {Obstacle::None, Obstacle::FullDisk, Obstacle::ReadOnlyFolder, Obstacle::FolderInThePlace}) {
            SCOPED_TRACE(std::string(writer.name) + ", " + kObstacleNames[int(obstacle)]);
            TempDir dir;
            const fs::path folder = dir / "saisonbuch";
            const fs::path target = folder / "datei";
            // The old content, in the file or in a file inside the folder that stands in its place.
            const fs::path old = obstacle == Obstacle::FolderInThePlace ? target / "inside" : target;
            fs::create_directories(old.parent_path());
            writeBytes(old, "old\r\n");
            if (obstacle == Obstacle::ReadOnlyFolder) {
                fs::permissions(dir.path(), fs::perms{0755});
                fs::permissions(target, fs::perms{0666});
                fs::permissions(folder, fs::perms{0555});
            }
            const std::set<std::string> before = entriesIn(folder);

            const bool stopped = obstacle != Obstacle::None;
            EXPECT_EQ(stopped ? 1 : 0, writeInChild(writer.write, obstacle, target));
            EXPECT_EQ(before, entriesIn(folder));
            if (stopped) {
                EXPECT_EQ("old\r\n", fileBytes(old));
            } else {
                EXPECT_GT(fileBytes(target).size(), 64u);
            }
            fs::permissions(folder, fs::perms::owner_all);
        }
    }
}

TEST(FailedWrites, AReplacementKeepsPermissionsOwnerAndLinks) {
    TempDir dir;
    const fs::path target = dir / "plan.sb3";
    writeBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    // Only root may hand a file to someone else; the replacement then stays that user's.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(0, ::chown(target.c_str(), 65534, 65534));
    }
    fs::create_symlink(target, dir / "link.sb3");
    ASSERT_TRUE(fileio::writeFileAtomically((dir / "link.sb3").string(), "new"));
    EXPECT_EQ("new", fileBytes(target));
    EXPECT_TRUE(fs::is_symlink(dir / "link.sb3"));
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write,
              fs::status(target).permissions() & fs::perms::all);
    EXPECT_EQ((std::set<std::string>{"link.sb3", "plan.sb3"}), entriesIn(dir.path()));
    struct stat status{};
    ASSERT_EQ(0, ::stat(target.c_str(), &status));
    EXPECT_EQ(root ? 65534u : ::geteuid(), status.st_uid);
}

// A name of 255 bytes saves; leftovers of an interrupted save of the same name go, whatever their
// number, and nothing else does.
TEST(FailedWrites, TemporaryNamesFitBesideAnyNameAndLeftoversGo) {
    TempDir dir;
    const std::string longest = (dir / (std::string(251, 'a') + ".sb3")).string();
    EXPECT_EQ((dir / ("." + std::string(200, 'a') + ".sbtmp7")).string(), fileio::temporaryNameBeside(longest, 7));
    EXPECT_TRUE(fileio::writeFileAtomically(longest, "new"));
    EXPECT_EQ("new", fileBytes(longest));

    const std::string plan = (dir / "plan.sb3").string();
    std::set<std::string> kept{"plan.sb3", ".plan.sb3.sbtmp", ".plan.sb3.sbtmp1x", ".plan.sb.sbtmp0",
                               std::string(251, 'a') + ".sb3"};
    for (int number = 0; number < 101; ++number) writeBytes(fileio::temporaryNameBeside(plan, number), "copy");
    for (const std::string& name : kept) writeBytes(dir / name, "other");
    EXPECT_TRUE(fileio::writeFileAtomically(plan, "new"));
    EXPECT_EQ(kept, entriesIn(dir.path()));
    EXPECT_EQ("new", fileBytes(plan));
}

}  // namespace
}  // namespace sb
