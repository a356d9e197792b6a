// Every file reader stops at the size no real file of its kind reaches, on both sides of the bound,
// without reading the file. (A heart-rate file must show a section line in its first 64 KiB: the made
// files on both sides of that bound are read in real_files_test.)
#include <gtest/gtest.h>

#include <filesystem>

#include "config/profile_file.h"
#include "model/training_year.h"
#include "planfile/plan_file_version.h"
#include "recordings/loaded_recording.h"
#include "support/plan_fixtures.h"

namespace sb::recordings {
namespace {

namespace fs = std::filesystem;
using sb::testing::TempDir;
using sb::testing::writeBytes;

TEST(ReaderLimits, ReadsUpToTheBoundAndRefusesTheFirstByteMore) {
    TempDir dir;
    // Sparse files one byte past each reader's bound: refused at once, with the bound named. The
    // settings file at the end stands for both sides of the bound every reader shares.
    const struct {
        const char* name;
        std::uint64_t bound;
        const char* message;
    } recordings[] = {
        {"fahrt.dat", kLargestBikeFile, "Die Datei ist größer als 16 MiB; so groß ist keine Aufzeichnung."},
        {"lauf.hrm", kLargestRecordingFile, "Die Datei ist größer als 512 MiB; so groß ist keine Aufzeichnung."},
        {"lauf.fit", kLargestRecordingFile, "Die Datei ist größer als 512 MiB; so groß ist keine Aufzeichnung."},
        {"lauf.gpx", kLargestRecordingFile, "Die Datei ist größer als 512 MiB; so groß ist keine Aufzeichnung."},
    };
    for (const auto& [name, bound, message] : recordings) {
        writeBytes(dir.file(name), "[Params]\r\n");
        fs::resize_file(dir.file(name), bound + 1);
        LoadedRecording recording;
        const RecordingReadResult read = readRecording(sourceOfPath(name), dir.file(name), recording);
        EXPECT_EQ(std::pair(false, std::string(message)), std::pair(read.ok, read.message)) << name;
    }
    writeBytes(dir.file("plan.sb3"), "");
    fs::resize_file(dir.file("plan.sb3"), planfile::kLargestPlanFile + 1);
    model::TrainingYear year;
    EXPECT_FALSE(planfile::readPlanFileOfVersion(3, dir.file("plan.sb3"), year).readable);
    const std::string settings = "[KONFIG]\r\nAUTOLADEN=1\r\n";
    writeBytes(dir.file("train.cfg"), settings);
    fs::resize_file(dir.file("train.cfg"), config::kLargestProfileFile + 1);
    EXPECT_FALSE(config::loadProfileFile(dir.file("train.cfg")).readable);
    fs::resize_file(dir.file("train.cfg"), config::kLargestProfileFile);
    EXPECT_TRUE(config::loadProfileFile(dir.file("train.cfg")).readable);
}

}  // namespace
}  // namespace sb::recordings
