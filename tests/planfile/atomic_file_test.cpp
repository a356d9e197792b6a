// A save that fails never costs the previous file and leaves nothing behind.
#include "fileio/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "support/plan_fixtures.h"
#include "planfile/plan_file_writer.h"

using namespace sb::planfile;
using namespace sb::testing;
namespace fs = std::filesystem;

namespace {

std::size_t entriesIn(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

}  // namespace

TEST(AtomicFile, ReplacesAndKeepsPermissionsAndLinks) {
    TempDir dir;
    const fs::path target = dir / "plan.sb3";
    writeBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, dir / "link.sb3");
    ASSERT_TRUE(sb::fileio::writeFileAtomically((dir / "link.sb3").string(), "new"));
    EXPECT_EQ("new", fileBytes(target));
    EXPECT_TRUE(fs::is_symlink(dir / "link.sb3"));
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write,
              fs::status(target).permissions() & fs::perms::all);
    EXPECT_EQ(2u, entriesIn(dir.path()));
}

TEST(AtomicFile, FailuresLeaveTheOldFileAndNoTemporaryFile) {
    TempDir dir;
    const fs::path target = dir / "plan.sb3";
    writeBytes(target, "old plan");

    EXPECT_EQ(1, writePlanFile(plan2009(), (dir / "missing" / "plan.sb3").string()));
    EXPECT_EQ(1, writePlanFile(plan2009(), dir.path().string()));
    EXPECT_EQ(1, writePlanFile(plan2009(), ""));

    // A disk that fills up halfway: the file size limit makes the writes fail after a few bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const int result = writePlanFile(plan2009(), target.string());
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(1, result);
    EXPECT_EQ("old plan", fileBytes(target));
    EXPECT_EQ(1u, entriesIn(dir.path()));

    if (::geteuid() != 0) {
        fs::permissions(target, fs::perms::owner_read);
        EXPECT_EQ(1, writePlanFile(plan2009(), target.string()));
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(1, writePlanFile(plan2009(), (dir / "other.sb3").string()));
        fs::permissions(dir.path(), fs::perms::owner_all);
        EXPECT_EQ("old plan", fileBytes(target));
        EXPECT_EQ(1u, entriesIn(dir.path()));
    }
}
